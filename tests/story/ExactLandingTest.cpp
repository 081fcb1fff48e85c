// A countdown that lands exactly on its mark: the description says for each
// whether it acts at the mark ("at or below") or only past it ("below"). One
// frame of exactly 50 ms takes each timer from 0.05 s above its mark onto it;
// a timer of what the description counts in 60 Hz frames runs down by
// sixtieths of a second instead, and one sixtieth takes it onto its mark.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/DescribedTime.h"
#include "harness/Scenes.h"
#include "record/Sounds.h"
#include "record/Timelines.h"

namespace {

// A value that one step of `step` seconds takes exactly onto `mark`.
float JustAbove(float mark, float step) {
  const float start = mark + step;
  EXPECT_EQ(start - step, mark) << "the step must land exactly";
  return start;
}

struct Landing {
  const char* name;
  std::function<void(GameState&, float)> arrange;  // the timer a step above its mark, and what is around it
  std::function<bool(const FrameDriver&)> acted;  // what the step does, seen after the frame
  bool actsAtTheMark;
  bool inSixtieths = false;  // counted in sixtieths of a second
};

const Landing Landings[] = {
    {"HidingRunsOutIntoDeath",
     [](GameState& s, float step) { s.SceneIndex = 84, s.ThreatActive = true, s.ThreatTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.rec.audio.TimesPlayed(record::played::HorrorDeath) == 1; }, true},
    {"TheGameOverPicture",
     [](GameState& s, float step) {
       s.SceneIndex = 84, s.ThreatActive = true, s.ThreatTimer = JustAbove(record::GameOverShowsAt, step);
     },
     [](const FrameDriver& d) { return d.state.GameOverShown; }, true},
    {"BackToTheBedroom",
     [](GameState& s, float step) {
       s.SceneIndex = 84, s.ThreatActive = true, s.GameOverShown = true;
       s.ThreatTimer = JustAbove(record::BackToBedAt, step);
     },
     [](const FrameDriver& d) { return d.state.SceneIndex == 81; }, true},
    {"FootstepsInTheRoom",
     [](GameState& s, float step) {
       s.SceneIndex = 85, s.AnimationFrame = 1, s.ClosetTimer = JustAbove(record::ClosetFootstepsAt, step);
     },
     [](const FrameDriver& d) { return d.rec.audio.TimesPlayed(record::played::MoansAndGroans) == 1; }, true, true},
    {"TheClosetStartsCountingFrames",
     [](GameState& s, float step) { s.SceneIndex = 85, s.AnimationFrame = 2, s.ClosetTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.state.BackgroundRect.x == -800; }, true, true},
    {"TheCreatureRunsOff",
     [](GameState& s, float step) { s.SceneIndex = 86, s.AnimationFrame = 0, s.GetAwayTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.state.BackgroundRect.x == -650 - 2000; }, true, true},
    {"TheDriveAwayCutsOpenButSlidesOnlyPastZero",
     [](GameState& s, float step) {
       s.Animating = true, s.AnimationKind = 256, s.AnimationFrame = 0, s.SceneIndex = 92;
       s.DriveAwayTimer = JustAbove(0, step);
     },
     [](const FrameDriver& d) { return d.state.DriveAwayStarted && d.state.BackgroundRect.x == -650; }, true, true},
    {"TheFaceStaysAtZero",
     [](GameState& s, float step) { s.JumpscareActive = true, s.JumpscareTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.rec.drawing.Drew(JumpscareTexture); }, true},
    {"TheClosingScreen",
     [](GameState& s, float step) {
       s.JumpscareActive = true, s.SceneIndex = record::JumpscareGameOverSceneNumber;
       s.JumpscareTimer = JustAbove(record::ClosingScreenAt, step);
     },
     [](const FrameDriver& d) { return d.state.ShiftQuitAllowed; }, true},
    {"TheCursorClicksAtItsMark",
     [](GameState& s, float) {
       s.SceneIndex = 10, s.UseActive = true;
       s.ComputerCursorRect = {record::CursorTargetX + 2, record::CursorTargetY - 2, 10, 15};  // 40 px/s for 0.05 s
     },
     [](const FrameDriver& d) { return d.state.CursorClickPlayed; }, true},
    // Tested before they are lowered: at the mark at the frame's start.
    {"TheCarIsBlackAtZero", [](GameState& s, float) { s.Animating = true, s.AnimationKind = 1, s.CarLeadInTimer = 0; },
     [](const FrameDriver& d) { return d.state.CarLeadInTimer < 0; }, true, true},
    {"TheChaseRunsOutAtZero", [](GameState& s, float) { s.SceneIndex = 90, s.ChaseTimer = 0; },
     [](const FrameDriver& d) { return d.state.JumpscareActive; }, true},
    // Only past the mark.
    {"AFishBitesOnlyPastZero",
     [](GameState& s, float step) { s.SceneIndex = 61, s.FishingActive = true, s.ClickWaitTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.state.ClickWindowTimer < record::FirstWindow; }, false},
    {"AWindowClosesOnlyPastZero",
     [](GameState& s, float step) {
       s.SceneIndex = 61, s.FishingActive = true, s.ClickWaitTimer = -1, s.ClickWindowTimer = JustAbove(0, step);
     },
     [](const FrameDriver& d) { return d.state.BitesPlayed == 1; }, false},
    {"TheFishingPauseEndsOnlyPastZero",
     [](GameState& s, float step) {
       s.SceneIndex = 61, s.FishingActive = true, s.BitesPlayed = 5, s.ClickEndTimer = JustAbove(0, step);
     },
     [](const FrameDriver& d) { return d.state.SceneIndex == 62; }, false},
    {"AnAnimationTicksOnlyPastZero",
     [](GameState& s, float step) {
       s.Animating = true, s.AnimationKind = 6, s.AnimationFrame = 0, s.SceneIndex = 62;
       s.LakeTimer = JustAbove(0, step);
     },
     [](const FrameDriver& d) { return d.state.AnimationFrame == 1; }, false, true},
    {"TheStaticChangesOnlyPastZero", [](GameState& s, float step) { s.StaticTimer = JustAbove(0, step); },
     [](const FrameDriver& d) { return d.state.StaticTimer > 0.2f; }, false, true},
};

void PrintTo(const Landing& landing, std::ostream* os) { *os << landing.name; }

class ExactLanding : public testing::TestWithParam<Landing> {};

TEST_P(ExactLanding, ActsAtTheMarkOnlyWhereTheDescriptionSaysAtOrBelow) {
  const Landing& landing = GetParam();
  FrameDriver driver = StandingIn(1, CabinTexture);
  SixtiethClock sixtieths{driver.rec.clock.now};
  if (landing.inSixtieths) {
    // A 60 Hz frame: one sixtieth.
    const float step = sixtieths.Next();
    landing.arrange(driver.state, step);
    ASSERT_EQ(sixtieths.Frame(StepTimed(driver)), std::vector<float>{step});
  } else {
    landing.arrange(driver.state, 0.05f);
    driver.Frame(50);
    ASSERT_EQ(driver.state.DeltaTime, 0.05f);
  }
  EXPECT_EQ(landing.acted(driver), landing.actsAtTheMark);
}

INSTANTIATE_TEST_SUITE_P(Countdowns, ExactLanding, testing::ValuesIn(Landings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
