// The last night: hiding in time or too late, the closet, the creature getting
// away, the chase, the jumpscare and the endings, each step on its frame.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "harness/Scenes.h"
#include "record/Sounds.h"
#include "record/Timelines.h"

namespace {

// In bed on the last night, the warning just read: the countdown runs, lowered
// once already in the frame of the warning (its DeltaTime in `lowered`).
FrameDriver Warned(float* lowered = nullptr) {
  FrameDriver driver = ArrivedIn(83);
  driver.state.MessageIndex = 160;
  driver.Step();
  driver.ReleaseReturn();
  const float dt = StepTimed(driver);
  if (lowered) *lowered = dt;
  EXPECT_TRUE(driver.state.ThreatActive);
  EXPECT_TRUE(driver.state.ExitReady);
  return driver;
}

// Out of bed and into the closet with two presses, after waiting `seconds`.
void HideAfter(FrameDriver& driver, double seconds) {
  driver.RunSeconds(seconds);
  driver.ReleaseReturn();  // out of bed: the fade to the closet doors
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 84 && !s.FadingIn; }, 200);
  driver.Step();           // the window is tested once the fade is over
  driver.ReleaseReturn();  // the closet stands inside its window at once
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 85 || s.SceneIndex == record::DeathSceneNumber; },
                  200);
}

TEST(Hiding, InTheClosetWithinSevenSecondsIsSafe) {
  FrameDriver driver = Warned();
  HideAfter(driver, 6.9 - 0.6);  // each of the two fades takes about 0.3 s
  EXPECT_EQ(driver.state.SceneIndex, 85);
  EXPECT_FALSE(driver.state.ThreatActive);
  driver.RunSeconds(15);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::HorrorDeath), 0);
  EXPECT_FALSE(driver.state.GameOverShown);
}

TEST(Hiding, EnteringTheClosetWhileTheScreenIsAlreadyBlackStillSaves) {
  FrameDriver driver = Warned();
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 84 && !s.FadingIn; }, 200);
  driver.Step();
  int deathSounds = 0;
  while (driver.state.ThreatTimer > -1.5f) {
    driver.Step();
    deathSounds += driver.rec.audio.TimesPlayed(record::played::HorrorDeath);
  }
  EXPECT_EQ(deathSounds, 1);
  EXPECT_EQ(driver.state.FadeAlpha, 255);
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 85; }, 200);
  EXPECT_EQ(driver.state.SceneIndex, 85);
  driver.RunSeconds(15);
  EXPECT_FALSE(driver.state.GameOverShown);
  EXPECT_NE(driver.state.SceneIndex, record::DeathSceneNumber);
}

TEST(Hiding, TooLateMeansDeathThenTheGameOverThenTheBedroomAgainWithEverythingWorking) {
  float lowered = 0;
  FrameDriver driver = Warned(&lowered);
  Timer threat{record::HidingTime - lowered};
  int deathOn = -1, gameOverOn = -1, backOn = -1, revealedOn = -1, seenRevealed = -1;
  float black = 255;  // the game-over picture comes out of the black at 50 a second
  for (int f = 1; f < 60 * 30 && backOn < 0; ++f) {
    const float dt = StepTimed(driver);
    if (threat.left >= record::BackToBedAt) threat.left -= dt;
    const bool back = threat.left <= record::BackToBedAt;
    const bool gameOver = !back && threat.left <= record::GameOverShowsAt;
    const bool dead = !back && !gameOver && threat.left <= 0;
    if (dead && deathOn < 0) deathOn = f;
    if (gameOver && gameOverOn < 0) gameOverOn = f;
    if (back) backOn = f;
    if (gameOverOn > 0 && revealedOn < 0) {
      black -= record::GameOverFadeSpeed * dt;
      if (static_cast<int>(black) <= 0) revealedOn = f;
    }
    EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::HorrorDeath), f == deathOn ? 1 : 0) << "frame " << f;
    if (dead) {
      EXPECT_EQ(driver.state.FadeAlpha, 255) << "black, frame " << f;
    }
    EXPECT_EQ(driver.rec.drawing.Drew(GameOverTexture), gameOverOn > 0) << "frame " << f;
    if (gameOver) {
      EXPECT_EQ(driver.state.SceneIndex, record::DeathSceneNumber);
    }
    if (gameOverOn > 0 && seenRevealed < 0 && driver.state.FadeAlpha == 0) seenRevealed = f;
  }
  ASSERT_GT(backOn, 0);
  // A whole-unit fade that carries its fraction may land exactly on a unit,
  // where rounding decides between two frames.
  EXPECT_NEAR(seenRevealed, revealedOn, 1) << "the picture out of the black after about 5.1 s";
  EXPECT_FALSE(driver.state.ThreatActive);
  EXPECT_TRUE(driver.state.FadingOut);
  EXPECT_EQ(driver.state.FadeSpeed, 1000);
  EXPECT_EQ(driver.state.SceneIndex, 81);
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 82 && !s.FadingIn; }, 120);
  EXPECT_FALSE(driver.state.GameOverShown);
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "CabinBedRoomTexture");
  // To bed again: the thoughts, the warning, and the countdown all come back.
  driver.Hold(ScancodeLeft);
  driver.RunUntil([](const GameState& s) { return s.ExitReady; }, 600);
  driver.Release(ScancodeLeft);
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 83 && !s.FadingIn; }, 200);
  EXPECT_EQ(driver.state.MessageIndex, 150);
  for (int line = 150; line < 161; ++line) {
    driver.ReleaseReturn();
    driver.Step();
    driver.Step();
  }
  EXPECT_TRUE(driver.state.ThreatActive);
  EXPECT_GT(driver.state.ThreatTimer, 6.9f) << "a full seven seconds again";
  int deathSounds = 0;
  for (int frame = 0; frame < 60 * 8; ++frame) {
    driver.Step();
    deathSounds += driver.rec.audio.TimesPlayed(record::played::HorrorDeath);
  }
  EXPECT_EQ(deathSounds, 1) << "the second death has its sound too";
}

TEST(Closet, EveryViewAndSoundOnItsFrame) {
  FrameDriver driver = ArrivedIn(85);
  EXPECT_TRUE(driver.rec.audio.playing[SoundNamed("CreepyChordsSound")]);
  Timer closet{record::ClosetTime};
  int step = 0;  // AnimationFrame as the description counts it
  float x = driver.state.BackgroundRect.x;
  int dialogueOn = -1;
  for (int f = 1; f < 60 * 30 && dialogueOn < 0; ++f) {
    const float dt = StepTimed(driver);
    std::vector<std::string> expected;
    if (closet.left >= -100) {
      closet.left -= dt;
      if (step == 0) expected.push_back(record::played::DoorOpen), step = 1;
      if (step == 1 && closet.left <= record::ClosetFootstepsAt)
        expected.insert(expected.end(), {record::played::ItWalkingInYourRoom, record::played::MoansAndGroans}),
            step = 2;
    }
    if (closet.left <= 0) {
      step += 1;  // from here on a count of frames
      bool done = false;
      for (const record::ClosetView& view : record::ClosetViews)
        if (!done && step >= view.firstFrame && step <= view.lastFrame) x = view.x, done = true;
      for (const record::ClosetSound& sound : record::ClosetSounds)
        if (!done && step == sound.frame) expected.push_back(sound.path), step += 1, done = true;
      if (!done && step == record::ClosetDialogueFrame) dialogueOn = f;
    }
    ASSERT_EQ(driver.rec.audio.PlayedOnce(), expected) << "frame " << f;
    ASSERT_EQ(driver.state.BackgroundRect.x, x) << "frame " << f;
    ASSERT_EQ(driver.state.DialogueActive, dialogueOn > 0) << "frame " << f;
  }
  ASSERT_GT(dialogueOn, 0);
  EXPECT_EQ(driver.state.MessageIndex, record::ClosetFirstLine);
}

constexpr double Displays[] = {20, 30, 60, 144, 240, 360};

// Game seconds played so far by `driver`, frame by frame.
struct Stopwatch {
  double seconds = 0;
  void Frame(FrameDriver& driver) {
    driver.Step();
    seconds += driver.state.DeltaTime;
  }
};

TEST(Closet, ItsTimelineIsTheSameOnEveryDisplay) {
  // From the nine-second mark the sequence counts sixtieths of a second (the
  // 60 Hz frames of the description), its counter standing at 2 by then and
  // skipping one after each of its sounds: the second view at once, the third
  // from the 4th sixtieth, the second again from the 79th, the first from the
  // 84th; the footsteps in the 148th, the yell in the 447th, the running in
  // the 496th and the thoughts in the 795th (the description's 1.25 s in the
  // doorway, 2.5, 7.4, 8.3 and 13.2 s).
  const auto at = [](int sixtieth) { return 9.0 + (sixtieth - 1) / 60.0; };
  const std::vector<std::pair<std::string, double>> expected = {
      {"view -800", at(1)},          {"view -1600", at(4)},      {"view -800", at(79)},    {"view 0", at(84)},
      {record::played::ItWalkingInYourRoom, at(148)}, {record::played::CreepyYell, at(447)},
      {record::played::WoodRunning, at(496)}, {"line 162", at(795)},
  };
  for (double hz : Displays) {
    FrameDriver driver = ArrivedIn(85);
    driver.SetRate(hz);
    Stopwatch clock;
    std::vector<std::pair<std::string, double>> seen;
    while (!driver.state.DialogueActive && clock.seconds < 30) {
      const float x = driver.state.BackgroundRect.x;
      clock.Frame(driver);
      for (const std::string& sound : driver.rec.audio.PlayedOnce())
        if (clock.seconds > 6) seen.push_back({sound, clock.seconds});
      if (driver.state.BackgroundRect.x != x)
        seen.push_back({"view " + std::to_string(static_cast<int>(driver.state.BackgroundRect.x)), clock.seconds});
    }
    seen.push_back({"line " + std::to_string(driver.state.MessageIndex), clock.seconds});
    ASSERT_EQ(seen.size(), expected.size()) << hz << " Hz";
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].first, expected[i].first) << hz << " Hz";
      // Within a display frame and a sixtieth of a second of its time.
      EXPECT_NEAR(seen[i].second, expected[i].second, 1 / hz + 1 / 60.0 + 0.001) << hz << " Hz: " << seen[i].first;
    }
  }
}

TEST(Jumpscare, TheGameOverPictureComesOutOfTheBlackAtItsRateOnEveryDisplay) {
  for (double hz : Displays) {
    FrameDriver driver = ArrivedIn(90);
    driver.SetRate(hz);
    driver.state.ChaseTimer = 0.001f;
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == record::JumpscareGameOverSceneNumber; }, 10000);
    ASSERT_EQ(driver.state.SceneIndex, record::JumpscareGameOverSceneNumber);
    Stopwatch clock;
    clock.seconds = driver.state.DeltaTime;  // this frame's step has already taken off its share
    while (driver.state.FadeAlpha > 0 && clock.seconds < 5) clock.Frame(driver);
    // 255 units at 900 a second.
    EXPECT_NEAR(clock.seconds, 255.0 / 900, 1 / hz + 0.001) << hz << " Hz";
  }
}

TEST(Jumpscare, TheClosingTintFadesAtItsRateOnEveryDisplay) {
  for (double hz : Displays) {
    FrameDriver driver = ArrivedIn(90);
    driver.SetRate(hz);
    driver.state.ChaseTimer = 0.001f;
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == record::JumpscareClosingSceneNumber; }, 100000);
    ASSERT_EQ(driver.state.SceneIndex, record::JumpscareClosingSceneNumber);
    Stopwatch clock;
    clock.seconds = driver.state.DeltaTime;  // the scene's tint of 200 began to fade in this frame
    while (driver.state.NightTint > 0 && clock.seconds < 10) clock.Frame(driver);
    // 200 units at 80 a second.
    EXPECT_NEAR(clock.seconds, 200.0 / 80, 1 / hz + 0.001) << hz << " Hz";
  }
}

TEST(GetAway, HalfASecondThenFourQuickViewsThenTheRoomWithoutItsPhone) {
  FrameDriver driver = ArrivedIn(86);
  Timer timer{record::GetAwayFirstView};
  int steps = 0;
  const float x0 = driver.state.BackgroundRect.x;
  for (int f = 1; f <= 60 && steps < record::GetAwaySteps; ++f) {
    const float dt = StepTimed(driver);
    if (timer.AtOrBelowZeroAfter(dt)) steps += 1, timer.left = record::GetAwayPeriod;
    EXPECT_EQ(driver.rec.audio.PlayedOnce(),
              f == 1 ? std::vector<std::string>{record::played::ItGettingAwayScare} : std::vector<std::string>{});
    if (steps < record::GetAwaySteps) {
      ASSERT_EQ(driver.state.BackgroundRect.x, x0 - 2000 * steps) << "frame " << f;
      ASSERT_EQ(NameOf(driver.state.BackgroundTexture), "ItGetsAwaySheetTexture");
      EXPECT_EQ(driver.state.WalkSpeed, 0);
    }
  }
  // The fifth step shows the room it left behind at once.
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "NoPhoneCabinTexture");
  EXPECT_EQ(driver.state.BackgroundRect, Rect(record::RoomView));
  EXPECT_EQ(driver.state.WalkSpeed, 255);
  // Left past -500 the thoughts start; their end leads outside.
  driver.Hold(ScancodeLeft);
  driver.RunUntil([](const GameState& s) { return s.DialogueActive; }, 600);
  driver.Release(ScancodeLeft);
  EXPECT_EQ(driver.state.MessageIndex, 168);
  driver.Step();
  for (int line = 168; line < 173; ++line) {
    driver.ReleaseReturn();
    driver.Step();
  }
  EXPECT_EQ(driver.state.SceneIndex, 88);
  EXPECT_TRUE(driver.state.ExitReady);
}

// At 60 Hz, and at 240 Hz where a time moved by a little shows too.
class Chase : public testing::TestWithParam<double> {};

TEST_P(Chase, StandingStillInTheLastWalkEndsInTheJumpscareTheGameOverAndTheClosingScreen) {
  const double hz = GetParam();
  FrameDriver driver = ArrivedIn(90);
  driver.SetRate(hz);
  driver.rec.audio.Start(SoundNamed("CreepyChordsSound"));
  Timer chase{record::ChaseTime};
  const Moment caught = Race(
      driver, [&](float dt) { return chase.TestedFirst(dt); }, [&] { return driver.state.JumpscareActive; },
      static_cast<int>(hz * 60));
  ASSERT_GT(caught.expected, 0);
  ASSERT_EQ(caught.observed, caught.expected);
  // The face for 0.6 s, sliding up from y 400 and then held at 0; the game
  // over out of the black at 900 a second; the closing screen 5 s later.
  Timer face{record::FaceShown};
  float y = record::JumpscareAtStart.y;
  float black = 255;
  int faces = 0, closingOn = -1;
  bool gameOver = false;
  for (int f = 1; f < hz * 10 && closingOn < 0; ++f) {
    const float dt = StepTimed(driver);
    face.left -= dt;
    const auto drawn = driver.rec.drawing.DrawsOf(JumpscareTexture);
    if (face.left >= 0) {
      ++faces;
      ASSERT_EQ(drawn.size(), 1u) << "frame " << f;
      const record::Place& at = record::JumpscareAtStart;
      EXPECT_EQ(drawn[0].dest, (FRect{at.x, y, at.w, at.h})) << "frame " << f;
      y = y > 0 ? y - record::FaceSlideSpeed * dt : 0;
      EXPECT_EQ(driver.state.SceneIndex, record::DeathSceneNumber);
      EXPECT_FALSE(driver.rec.audio.playing[SoundNamed("CreepyChordsSound")]);
      EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::Jumpscare), faces == 1 ? 1 : 0);
      // Under the tint of the night, no longer red once the scene has left 90.
      EXPECT_EQ(driver.rec.drawing.Fills()[0].color, Colour(record::NightTintColour, 200));
    } else if (face.left <= record::ClosingScreenAt) {
      closingOn = f;
    } else {
      EXPECT_TRUE(drawn.empty());
      EXPECT_EQ(driver.state.SceneIndex, record::JumpscareGameOverSceneNumber);
      black = gameOver ? black - record::GameOverRevealRate * dt : 255 - record::GameOverRevealRate * dt;
      gameOver = true;
      // Out of the black on the frame 900 a second has taken it all: the
      // alpha loses a unit as each whole one has gone by, the fraction kept.
      EXPECT_EQ(driver.state.FadeAlpha > 0, black > 0) << "frame " << f;
      EXPECT_TRUE(driver.rec.drawing.Drew(GameOverTexture));
    }
  }
  ASSERT_GT(closingOn, 0);
  const std::vector<SoundCall> closing = {{SoundCall::Kind::Start, SoundNamed("BirdsSound"), {}},
                                          {SoundCall::Kind::Stop, SoundNamed("CricketsSound"), {}}};
  EXPECT_EQ(driver.rec.audio.calls, closing);
  EXPECT_EQ(driver.state.SceneIndex, record::JumpscareClosingSceneNumber);
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ThxForPlayTexture");
  EXPECT_EQ(driver.state.BackgroundRect, Rect(record::ScreenView));
  EXPECT_TRUE(driver.rec.audio.playing[SoundNamed("BirdsSound")]);
  EXPECT_FALSE(driver.state.GameOverShown);
  EXPECT_TRUE(driver.state.ShiftQuitAllowed);
  // The tint fades away at 80 a second: gone within 200 / 80 s (and a frame),
  // never more than a frame's share (rounded up) at a time.
  int tint = driver.state.NightTint;
  double seconds = 0;
  while (tint > 0 && seconds < 4) {
    const float dt = StepTimed(driver);
    seconds += dt;
    EXPECT_LE(driver.state.NightTint, tint) << "the tint fades away on the closing screen";
    EXPECT_LE(tint - driver.state.NightTint, std::ceil(record::ClosingTintFadeRate * dt));
    tint = driver.state.NightTint;
  }
  EXPECT_EQ(tint, 0);
  EXPECT_LE(seconds, 200 / record::ClosingTintFadeRate + 1 / hz);
  EXPECT_EQ(driver.state.SceneIndex, record::JumpscareClosingSceneNumber) << "no retry";
  driver.Hold(ScancodeRightShift);
  EXPECT_EQ(driver.Step(), FrameResult::Quit);
}

INSTANTIATE_TEST_SUITE_P(Rates, Chase, testing::Values(60.0, 240.0),
                         [](const auto& info) { return std::to_string(static_cast<int>(info.param)) + "Hz"; });

TEST(Chase, AWalkFinishedAsTheTimeRunsOutStillEndsInTheJumpscare) {
  FrameDriver driver = ArrivedIn(90);
  driver.state.ChaseTimer = 0.1f;
  driver.state.AnimationLoops = 7;
  driver.state.AnimationFrame = 15;
  driver.state.StepTimer = 0.01f;
  driver.Hold(ScancodeW);
  driver.Step();
  EXPECT_FALSE(driver.state.Animating);
  EXPECT_TRUE(driver.state.FadingOut);
  driver.Release(ScancodeW);
  driver.RunUntil([](const GameState& s) { return s.JumpscareActive; }, 60);
  EXPECT_TRUE(driver.state.JumpscareActive);
  driver.RunSeconds(7);
  EXPECT_EQ(driver.state.SceneIndex, record::JumpscareClosingSceneNumber);
}

TEST(Ending, TheCarThenTheDriveAwayThenTheClosingScreen) {
  FrameDriver driver = ArrivedIn(91);
  driver.state.NightTint = 200;
  driver.Hold(ScancodeLeft);
  driver.RunUntil([](const GameState& s) { return s.ExitReady; }, 600);
  driver.Release(ScancodeLeft);
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.ShiftQuitAllowed; }, 60 * 20);
  EXPECT_EQ(driver.state.SceneIndex, 92);
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ThxForPlayTexture");
  EXPECT_EQ(driver.state.NightTint, 0);
  driver.Hold(ScancodeLeftShift);
  EXPECT_EQ(driver.Step(), FrameResult::Quit);
}

}  // namespace
