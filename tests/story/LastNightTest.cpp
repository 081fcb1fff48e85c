#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "harness/Scenes.h"
#include "world/SceneTable.h"
#include "core/Views.h"

namespace {

// In bed on the last night, the warning just read: the countdown runs.
FrameDriver Warned() {
  FrameDriver driver = ArrivedIn(83);
  driver.state.MessageIndex = 160;
  driver.Step();
  driver.ReleaseReturn();
  driver.Step();
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
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 85 || s.SceneIndex == DeathScene; }, 200);
}

TEST(Hiding, InTheClosetWithinSevenSecondsIsSafe) {
  FrameDriver driver = Warned();
  HideAfter(driver, 6.9 - 0.6);  // each of the two fades takes about 0.3 s
  EXPECT_EQ(driver.state.SceneIndex, 85);
  EXPECT_FALSE(driver.state.ThreatActive);
  driver.RunSeconds(15);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(HorrorDeathFile), 0);
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
    deathSounds += driver.rec.audio.TimesPlayed(HorrorDeathFile);
  }
  EXPECT_EQ(deathSounds, 1);
  EXPECT_EQ(driver.state.FadeAlpha, 255);
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 85; }, 200);
  EXPECT_EQ(driver.state.SceneIndex, 85);
  driver.RunSeconds(15);
  EXPECT_FALSE(driver.state.GameOverShown);
  EXPECT_NE(driver.state.SceneIndex, DeathScene);
}

TEST(Hiding, TooLateMeansDeathAndTheBedroomAgainWithEverythingWorking) {
  FrameDriver driver = Warned();
  double seconds = 0;
  int deathSounds = 0;
  bool gameOverSeen = false;
  while (driver.state.SceneIndex != 82 || driver.state.FadingIn) {
    driver.Step();
    seconds += driver.state.DeltaTime;
    deathSounds += driver.rec.audio.TimesPlayed(HorrorDeathFile);
    gameOverSeen = gameOverSeen || driver.rec.drawing.Drew(GameOverTexture);
    ASSERT_LT(seconds, 40);
  }
  EXPECT_NEAR(seconds, 19.3, 0.5);
  EXPECT_EQ(deathSounds, 1);
  EXPECT_TRUE(gameOverSeen);
  EXPECT_FALSE(driver.state.GameOverShown);
  EXPECT_EQ(driver.state.BackgroundTexture, CabinBedRoomTexture);
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
  deathSounds = 0;
  for (int frame = 0; frame < 60 * 8; ++frame) {
    driver.Step();
    deathSounds += driver.rec.audio.TimesPlayed(HorrorDeathFile);
  }
  EXPECT_EQ(deathSounds, 1) << "the second death has its sound too";
}

TEST(Closet, ItsTimelineAtSixtyHertz) {
  FrameDriver driver = ArrivedIn(85);
  EXPECT_TRUE(driver.rec.audio.playing[CreepyChordsSound]);
  std::vector<std::pair<int, std::string>> sounds;
  std::vector<std::pair<int, float>> views;
  for (int frame = 1; frame <= 60 * 25 && !driver.state.DialogueActive; ++frame) {
    const float x = driver.state.BackgroundRect.x;
    driver.Step();
    for (const auto& s : driver.rec.audio.PlayedOnce()) sounds.push_back({frame, s});
    if (driver.state.BackgroundRect.x != x) views.push_back({frame, driver.state.BackgroundRect.x});
  }
  ASSERT_EQ(sounds.size(), 6u);
  EXPECT_EQ(sounds[0], (std::pair<int, std::string>{1, DoorOpenFile}));
  EXPECT_EQ(sounds[1].second, ItWalkingInYourRoomFile);
  EXPECT_NEAR(sounds[1].first / 60.0, 4.0, 0.05);
  EXPECT_EQ(sounds[2].second, MoansAndGroansFile);
  const int nine = 540;  // the frame at which the closet timer first reaches 0
  ASSERT_EQ(views.size(), 4u);
  EXPECT_NEAR(views[0].first, nine, 2);
  EXPECT_EQ(views[0].second, -800);
  EXPECT_EQ(views[1].second, -1600);
  EXPECT_EQ(views[2].second, -800);
  EXPECT_EQ(views[3].second, 0);
  EXPECT_NEAR((views[2].first - views[1].first) / 60.0, 1.25, 0.02) << "the shape in the doorway";
  EXPECT_EQ(sounds[3].second, ItWalkingInYourRoomFile);
  EXPECT_EQ(sounds[4].second, CreepyYellFile);
  EXPECT_EQ(sounds[5].second, WoodRunningFile);
  EXPECT_NEAR((sounds[4].first - views[0].first) / 60.0, 7.4, 0.1);
  EXPECT_TRUE(driver.state.DialogueActive);
  EXPECT_EQ(driver.state.MessageIndex, 162);
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
      {ItWalkingInYourRoomFile, at(148)}, {CreepyYellFile, at(447)}, {WoodRunningFile, at(496)}, {"line 162", at(795)},
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
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == JumpscareGameOverScene; }, 10000);
    ASSERT_EQ(driver.state.SceneIndex, JumpscareGameOverScene);
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
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == JumpscareClosingScene; }, 100000);
    ASSERT_EQ(driver.state.SceneIndex, JumpscareClosingScene);
    Stopwatch clock;
    clock.seconds = driver.state.DeltaTime;  // the scene's tint of 200 began to fade in this frame
    while (driver.state.NightTint > 0 && clock.seconds < 10) clock.Frame(driver);
    // 200 units at 80 a second.
    EXPECT_NEAR(clock.seconds, 200.0 / 80, 1 / hz + 0.001) << hz << " Hz";
  }
}

TEST(GetAway, HalfASecondThenFourQuickViewsThenTheRoomWithoutItsPhone) {
  FrameDriver driver = ArrivedIn(86);
  std::vector<int> stepFrames;
  int scares = 0;
  for (int frame = 1; frame <= 120; ++frame) {
    const float x = driver.state.BackgroundRect.x;
    driver.Step();
    scares += driver.rec.audio.TimesPlayed(ItGettingAwayScareFile);
    if (driver.state.BackgroundRect.x != x) stepFrames.push_back(frame);
  }
  EXPECT_EQ(scares, 1);
  ASSERT_EQ(stepFrames.size(), 5u);
  EXPECT_NEAR(stepFrames[0] / 60.0, 0.5, 0.03);
  for (int i = 1; i < 4; ++i) EXPECT_NEAR((stepFrames[i] - stepFrames[i - 1]) / 60.0, 0.1, 0.03);
  EXPECT_EQ(driver.state.BackgroundTexture, NoPhoneCabinTexture);
  EXPECT_EQ(driver.state.BackgroundRect, RoomView);
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

TEST(Chase, StandingStillInTheLastWalkEndsInTheJumpscare) {
  FrameDriver driver = ArrivedIn(90);
  driver.rec.audio.Start(CreepyChordsSound);
  int frames = 0;
  while (!driver.state.JumpscareActive) {
    driver.Step();
    ++frames;
    ASSERT_LT(frames, 60 * 60);
  }
  EXPECT_NEAR(frames / 60.0, 40.0, 0.05);
  driver.Step();
  ASSERT_TRUE(driver.rec.drawing.Drew(JumpscareTexture));
  EXPECT_EQ(driver.rec.audio.TimesPlayed(JumpscareFile), 1);
  EXPECT_FALSE(driver.rec.audio.playing[CreepyChordsSound]);
  EXPECT_EQ(driver.state.SceneIndex, DeathScene);
  // The face slides up and fills the screen within a quarter of a second, under the tint.
  driver.RunSeconds(0.25);
  const float y = driver.rec.drawing.DrawsOf(JumpscareTexture)[0].dest.y;
  EXPECT_LT(y, 0.01f);
  EXPECT_GT(y, -1600.0f / 60);
  std::vector<DrawCall> fills = driver.rec.drawing.Fills();
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0].color, (Rgba{0, 0, 5, 200}));
  driver.RunSeconds(0.4);
  EXPECT_EQ(driver.state.SceneIndex, JumpscareGameOverScene);
  driver.RunSeconds(0.35);
  EXPECT_EQ(driver.state.FadeAlpha, 0) << "the game-over picture out of the black in about 0.3 s";
  EXPECT_TRUE(driver.rec.drawing.Drew(GameOverTexture));
  EXPECT_EQ(driver.rec.audio.TimesPlayed(JumpscareFile), 0);
  driver.RunUntil([](const GameState& s) { return s.ShiftQuitAllowed; }, 600);
  EXPECT_EQ(driver.state.SceneIndex, JumpscareClosingScene);
  EXPECT_EQ(driver.state.BackgroundTexture, ThxForPlayTexture);
  EXPECT_TRUE(driver.rec.audio.playing[BirdsSound]);
  driver.RunSeconds(3);
  EXPECT_EQ(driver.state.NightTint, 0) << "the tint fades away on the closing screen";
  EXPECT_EQ(driver.state.SceneIndex, JumpscareClosingScene) << "no retry";
  driver.Hold(ScancodeRightShift);
  EXPECT_EQ(driver.Step(), FrameResult::Quit);
}

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
  EXPECT_EQ(driver.state.SceneIndex, JumpscareClosingScene);
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
  EXPECT_EQ(driver.state.BackgroundTexture, ThxForPlayTexture);
  EXPECT_EQ(driver.state.NightTint, 0);
  driver.Hold(ScancodeLeftShift);
  EXPECT_EQ(driver.Step(), FrameResult::Quit);
}

}  // namespace
