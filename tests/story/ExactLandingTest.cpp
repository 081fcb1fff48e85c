// A countdown that lands exactly on its mark: the description says for each
// whether it acts at the mark ("at or below") or only past it ("below"). One
// frame of exactly 50 ms takes each timer from 0.05 s above its mark onto it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "harness/Scenes.h"
#include "record/Sounds.h"
#include "record/Timelines.h"

namespace {

// A value that one frame of 0.05 s takes exactly onto `mark`.
float JustAbove(float mark) {
  const float start = mark + 0.05f;
  EXPECT_EQ(start - 0.05f, mark) << "the frame must land exactly";
  return start;
}

struct Landing {
  const char* name;
  std::function<void(GameState&)> arrange;        // the timer just above its mark, and what is around it
  std::function<bool(const FrameDriver&)> acted;  // what the step does, seen after the frame
  bool actsAtTheMark;
};

const Landing Landings[] = {
    {"HidingRunsOutIntoDeath",
     [](GameState& s) { s.SceneIndex = 84, s.ThreatActive = true, s.ThreatTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.rec.audio.TimesPlayed(record::played::HorrorDeath) == 1; }, true},
    {"TheGameOverPicture",
     [](GameState& s) { s.SceneIndex = 84, s.ThreatActive = true, s.ThreatTimer = JustAbove(record::GameOverShowsAt); },
     [](const FrameDriver& d) { return d.state.GameOverShown; }, true},
    {"BackToTheBedroom",
     [](GameState& s) {
       s.SceneIndex = 84, s.ThreatActive = true, s.GameOverShown = true;
       s.ThreatTimer = JustAbove(record::BackToBedAt);
     },
     [](const FrameDriver& d) { return d.state.SceneIndex == 81; }, true},
    {"FootstepsInTheRoom",
     [](GameState& s) {
       s.SceneIndex = 85, s.AnimationFrame = 1, s.ClosetTimer = JustAbove(record::ClosetFootstepsAt);
     },
     [](const FrameDriver& d) { return d.rec.audio.TimesPlayed(record::played::MoansAndGroans) == 1; }, true},
    {"TheClosetStartsCountingFrames",
     [](GameState& s) { s.SceneIndex = 85, s.AnimationFrame = 2, s.ClosetTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.state.BackgroundRect.x == -800; }, true},
    {"TheCreatureRunsOff", [](GameState& s) { s.SceneIndex = 86, s.AnimationFrame = 0, s.GetAwayTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.state.BackgroundRect.x == -650 - 2000; }, true},
    {"TheDriveAwayCutsOpenButSlidesOnlyPastZero",
     [](GameState& s) {
       s.Animating = true, s.AnimationKind = 256, s.AnimationFrame = 0, s.SceneIndex = 92;
       s.DriveAwayTimer = JustAbove(0);
     },
     [](const FrameDriver& d) { return d.state.DriveAwayStarted && d.state.BackgroundRect.x == -650; }, true},
    {"TheFaceStaysAtZero", [](GameState& s) { s.JumpscareActive = true, s.JumpscareTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.rec.drawing.Drew(JumpscareTexture); }, true},
    {"TheClosingScreen",
     [](GameState& s) {
       s.JumpscareActive = true, s.SceneIndex = record::JumpscareGameOverSceneNumber;
       s.JumpscareTimer = JustAbove(record::ClosingScreenAt);
     },
     [](const FrameDriver& d) { return d.state.ShiftQuitAllowed; }, true},
    {"TheCursorClicksAtItsMark",
     [](GameState& s) {
       s.SceneIndex = 10, s.UseActive = true;
       s.ComputerCursorRect = {record::CursorTargetX + 2, record::CursorTargetY - 2, 10, 15};  // 40 px/s for 0.05 s
     },
     [](const FrameDriver& d) { return d.state.CursorClickPlayed; }, true},
    // Tested before they are lowered: at the mark at the frame's start.
    {"TheCarIsBlackAtZero", [](GameState& s) { s.Animating = true, s.AnimationKind = 1, s.CarLeadInTimer = 0; },
     [](const FrameDriver& d) { return d.state.CarLeadInTimer < 0; }, true},
    {"TheChaseRunsOutAtZero", [](GameState& s) { s.SceneIndex = 90, s.ChaseTimer = 0; },
     [](const FrameDriver& d) { return d.state.JumpscareActive; }, true},
    // Only past the mark.
    {"AFishBitesOnlyPastZero",
     [](GameState& s) { s.SceneIndex = 61, s.FishingActive = true, s.ClickWaitTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.state.ClickWindowTimer < record::FirstWindow; }, false},
    {"AWindowClosesOnlyPastZero",
     [](GameState& s) {
       s.SceneIndex = 61, s.FishingActive = true, s.ClickWaitTimer = -1, s.ClickWindowTimer = JustAbove(0);
     },
     [](const FrameDriver& d) { return d.state.BitesPlayed == 1; }, false},
    {"TheFishingPauseEndsOnlyPastZero",
     [](GameState& s) { s.SceneIndex = 61, s.FishingActive = true, s.BitesPlayed = 5, s.ClickEndTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.state.SceneIndex == 62; }, false},
    {"AnAnimationTicksOnlyPastZero",
     [](GameState& s) {
       s.Animating = true, s.AnimationKind = 6, s.AnimationFrame = 0, s.SceneIndex = 62;
       s.LakeTimer = JustAbove(0);
     },
     [](const FrameDriver& d) { return d.state.AnimationFrame == 1; }, false},
    {"TheStaticChangesOnlyPastZero", [](GameState& s) { s.StaticTimer = JustAbove(0); },
     [](const FrameDriver& d) { return d.state.StaticTimer > 0.2f; }, false},
};

class ExactLanding : public testing::TestWithParam<Landing> {};

TEST_P(ExactLanding, ActsAtTheMarkOnlyWhereTheDescriptionSaysAtOrBelow) {
  const Landing& landing = GetParam();
  FrameDriver driver = StandingIn(1, CabinTexture);
  landing.arrange(driver.state);
  driver.Frame(50);
  ASSERT_EQ(driver.state.DeltaTime, 0.05f);
  EXPECT_EQ(landing.acted(driver), landing.actsAtTheMark);
}

INSTANTIATE_TEST_SUITE_P(Countdowns, ExactLanding, testing::ValuesIn(Landings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
