#include <gtest/gtest.h>

#include "harness/Scenes.h"
#include "presentation/Animations.h"
#include "world/SceneTable.h"
#include "core/Views.h"

namespace {

TEST(ForestWalk, FrozenWhileNoKeyIsHeldAndDoneAfterEightLoops) {
  FrameDriver driver = ArrivedIn(42);
  driver.RunSeconds(3);
  EXPECT_EQ(driver.state.AnimationFrame, 0) << "standing still";
  EXPECT_EQ(driver.state.BackgroundTexture, ForestWalkOneTexture);
  EXPECT_TRUE(driver.rec.drawing.Drew(WalkTexture));
  driver.Hold(ScancodeW);
  driver.RunSeconds(1);
  const int frame = driver.state.AnimationFrame;
  EXPECT_GT(frame, 4);
  driver.Release(ScancodeW);
  driver.RunSeconds(2);
  EXPECT_EQ(driver.state.AnimationFrame, frame);
  driver.Hold(ScancodeUp);
  std::vector<std::string> sounds;
  int frames = 0;
  while (driver.state.Animating && frames < 5000) {
    driver.Step();
    ++frames;
    for (const auto& s : driver.rec.audio.PlayedOnce()) sounds.push_back(s);
  }
  EXPECT_FALSE(driver.state.Animating);
  EXPECT_TRUE(driver.state.FadingOut);
  EXPECT_EQ(driver.state.AnimationLoops, 8);
  EXPECT_EQ(sounds, (std::vector<std::string>{IdkWhatToNameThisFile, CreepyNoiseFile}));
  // Eight loops of fifteen steps of 0.15 s, less the step a cue skips, less the second already walked.
  EXPECT_NEAR(frames / 60.0 + 1.0, 8 * 15 * 0.15, 0.6);
}

TEST(ForestWalk, SoundCuesOfTheLastWalk) {
  FrameDriver driver = ArrivedIn(90);
  driver.state.ChaseTimer = 1000;
  driver.Hold(ScancodeW);
  std::vector<std::string> sounds;
  while (driver.state.Animating) {
    driver.Step();
    for (const auto& s : driver.rec.audio.PlayedOnce()) sounds.push_back(s);
  }
  EXPECT_EQ(sounds, (std::vector<std::string>{ItRunningOnGrassFile, WhatEvenIsThisFile, ItWalkingOnGrassFile,
                                              ScaryScreechFile}));
  FrameDriver back = ArrivedIn(44);
  back.Hold(ScancodeW);
  int walked = 0;
  while (back.state.Animating) {
    back.Step();
    walked += back.rec.audio.TimesPlayed(ItWalkingOnGrassFile);
  }
  EXPECT_EQ(walked, 1);
}

TEST(ForestWalk, HoldingForwardCutsTheFadeIntoIt) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 19;
  driver.state.DialogueActive = false;
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 20; });
  ASSERT_GT(driver.state.FadeAlpha, 200);
  driver.Hold(ScancodeW);
  driver.Step();
  EXPECT_EQ(driver.state.FadeAlpha, 0);
  EXPECT_FALSE(driver.state.FadingIn);
}

TEST(ForestWalk, FirstWalkMovesToTheCabinClearing) {
  FrameDriver driver = ArrivedIn(20);
  driver.Hold(ScancodeW);
  driver.RunUntil([](const GameState& s) { return !s.Animating; }, 5000);
  EXPECT_EQ(driver.state.SceneIndex, 21);
  driver.Release(ScancodeW);
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 22; });
  EXPECT_EQ(driver.state.BackgroundTexture, ForestCabinTexture);
  EXPECT_EQ(driver.state.MessageIndex, 31);
}

TEST(CarRides, BlackLeadInThenTheRideWithItsThoughtsAndOneDip) {
  FrameDriver driver = ArrivedIn(18);
  int black = 0;
  while (driver.state.AnimationKind == CarRideOne) {
    driver.Step();
    for (const DrawCall& fill : driver.rec.drawing.Fills())
      if (fill.color == Rgba{0, 0, 0, 255}) ++black;
    ASSERT_LT(driver.frames, 1000u);
  }
  EXPECT_NEAR(black / 60.0, 1.8, 0.05);
  EXPECT_EQ(driver.state.MessageIndex, 24);
  EXPECT_TRUE(driver.state.DialogueActive);
  EXPECT_TRUE(driver.state.FadingOut);
  driver.RunUntil([](const GameState& s) { return !s.FadingIn && !s.FadingOut; });
  EXPECT_EQ(driver.state.SceneIndex, 18) << "the dip to black does not end the ride";
  driver.RunSeconds(10);
  EXPECT_TRUE(driver.state.Animating) << "the ride waits for the thoughts to be read";
  for (int line = 24; line < 30; ++line) {
    driver.ReleaseReturn();
    driver.Step();
    driver.Step();
  }
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 19; }, 200);
  EXPECT_EQ(driver.state.BackgroundTexture, ForestEntranceTexture);
}

TEST(Campfire, TheCameraFlashesOnceInTheGameAfterLineFiftyEight) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 31;
  driver.state.UseReady = true;
  driver.state.DialogueActive = false;
  driver.ReleaseReturn();
  driver.Frame();
  ASSERT_EQ(driver.state.AnimationKind, CampfireFlicker);
  auto whiteFrames = [&](int frames) {
    int white = 0;
    for (int i = 0; i < frames; ++i) {
      driver.Step();
      for (const DrawCall& fill : driver.rec.drawing.Fills())
        if (fill.color == Rgba{255, 255, 255, 255}) ++white;
    }
    return white;
  };
  EXPECT_EQ(whiteFrames(300), 0) << "not before line 59";
  for (int line = 55; line < 59; ++line) {
    driver.ReleaseReturn();
    driver.Step();
    driver.Step();
  }
  ASSERT_EQ(driver.state.MessageIndex, 59);
  int sounds = 0;
  int white = 0;
  for (int i = 0; i < 300; ++i) {
    driver.Step();
    sounds += driver.rec.audio.TimesPlayed(CameraFlashFile);
    for (const DrawCall& fill : driver.rec.drawing.Fills())
      if (fill.color == Rgba{255, 255, 255, 255}) ++white;
  }
  EXPECT_EQ(white, 10);
  EXPECT_EQ(sounds, 1);
  // The second campfire never flashes.
  driver.state.SceneIndex = 77;
  driver.state.UseReady = true;
  driver.state.DialogueActive = false;
  driver.ReleaseReturn();
  driver.Step();
  ASSERT_EQ(driver.state.SceneIndex, 78);
  EXPECT_EQ(whiteFrames(600), 0);
}

TEST(Campfire, TheFlashLastsTenSixtiethsOfASecondOnEveryDisplay) {
  for (double hz : {20.0, 30.0, 60.0, 144.0, 240.0, 360.0}) {
    FrameDriver driver;
    driver.Frame();
    driver.state.SceneIndex = 31;
    driver.state.UseReady = true;
    driver.state.DialogueActive = false;
    driver.ReleaseReturn();
    driver.Frame();
    driver.state.MessageIndex = 59;  // the thoughts are past line 58
    driver.SetRate(hz);
    double white = 0;
    int sounds = 0;
    for (int i = 0; i < static_cast<int>(3 * hz); ++i) {
      driver.Step();
      sounds += driver.rec.audio.TimesPlayed(CameraFlashFile);
      for (const DrawCall& fill : driver.rec.drawing.Fills())
        if (fill.color == Rgba{255, 255, 255, 255}) white += 1 / hz;
    }
    // Ten frames at 60 Hz: the white is on screen for 10/60 s, to a display frame.
    EXPECT_NEAR(white, 10 / 60.0, 1 / hz + 0.001) << hz << " Hz";
    EXPECT_EQ(sounds, 1) << hz << " Hz";
  }
}

TEST(LakeWalk, TwentyNineStepsThereAndThirtyBack) {
  FrameDriver driver = ArrivedIn(61);
  driver.state.AnimationFrame = 1;  // left by the forest walk before it
  driver.Hold(ScancodeW);
  int steps = 0;
  float x = driver.state.StripRect.x;
  while (!driver.state.FadingOut && steps < 100) {
    driver.Step();
    if (driver.state.StripRect.x != x) ++steps;
    x = driver.state.StripRect.x;
  }
  EXPECT_EQ(steps, 29);
  EXPECT_FLOAT_EQ(driver.state.StripRect.x, -29 * 800.0f);

  FrameDriver back = ArrivedIn(63);
  back.Hold(ScancodeUp);
  steps = 0;
  x = back.state.StripRect.x;
  while (!back.state.FadingOut && steps < 100) {
    back.Step();
    if (back.state.StripRect.x != x) ++steps;
    x = back.state.StripRect.x;
  }
  EXPECT_EQ(steps, 30);
  EXPECT_EQ(back.state.BackgroundTexture, WalkToLakeTexture);
  EXPECT_EQ(back.state.BackgroundRect, (FRect{0, 0, 24000, 600}));
}

TEST(DriveAway, OneBlackSecondThenFourteenSlidesThenASlowFade) {
  FrameDriver driver = ArrivedIn(92);
  driver.state.FadingIn = false;
  driver.Step();
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), (std::vector<std::string>{EngineStartupFile, ItRunningOnGrassFile}));
  EXPECT_TRUE(driver.rec.audio.playing[CarDrivingSound]);
  int black = 1;
  float x = driver.state.BackgroundRect.x;
  int slides = 0;
  while (!driver.state.DriveAwayStarted) {
    driver.Step();
    ++black;
  }
  EXPECT_NEAR(black / 60.0, 1.0, 0.05);
  if (driver.state.BackgroundRect.x != x) ++slides;  // the cut and the first slide share a frame
  x = driver.state.BackgroundRect.x;
  while (!driver.state.FadingOut) {
    driver.Step();
    if (driver.state.BackgroundRect.x != x) ++slides;
    x = driver.state.BackgroundRect.x;
    ASSERT_LT(slides, 20);
  }
  EXPECT_EQ(slides, 14);
  EXPECT_FLOAT_EQ(x, -14 * 800.0f);
  EXPECT_EQ(driver.state.FadeSpeed, 100);
  int fadeFrames = 0;
  while (driver.state.FadingOut) {
    driver.Step();
    ++fadeFrames;
  }
  EXPECT_NEAR(fadeFrames / 60.0, 2.55, 0.05);
  EXPECT_EQ(driver.state.BackgroundTexture, ThxForPlayTexture);
}

TEST(Animations, ALongFrameMovesAnAnimationByOneTickOnly) {
  FrameDriver driver = ArrivedIn(62);  // the lake shimmers with a 0.6 s tick
  driver.state.LakeTimer = 0.01f;
  driver.Frame(200);
  EXPECT_EQ(driver.state.AnimationFrame, 1);
  // The 50 ms the frame counts are three sixtieths of a second: the tick in
  // the first (its overshoot dropped), the other two run the new period down,
  // as a 60 Hz display's next two frames would.
  EXPECT_NEAR(driver.state.LakeTimer, 0.6f - 0.0335f, 0.001f);
  driver.Frame(200);
  EXPECT_EQ(driver.state.AnimationFrame, 1);
}

TEST(Animations, GettingOutOfBedPansAndEndsOnTheStandingView) {
  FrameDriver driver;
  driver.Frame();
  driver.state.DialogueActive = false;
  driver.state.BackgroundRect.x = -400;
  driver.Frame();
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, 1);
  EXPECT_FALSE(driver.state.FadingOut) << "no fade";
  driver.RunUntil([](const GameState& s) { return !s.Animating; }, 100);
  EXPECT_EQ(driver.state.BackgroundTexture, HouseBedRoomMiddleTexture);
  EXPECT_NEAR(driver.state.BackgroundRect.x, -400 + 80, 0.01);
}

TEST(Animations, LeavingTheCabinAtNightEndsOnThePhoto) {
  FrameDriver driver = ArrivedIn(75);
  driver.RunUntil([](const GameState& s) { return !s.Animating; }, 100);
  EXPECT_EQ(driver.state.SceneIndex, 76);
  EXPECT_EQ(driver.state.BackgroundTexture, CabinPhotoTexture);
  EXPECT_EQ(driver.state.FootstepSurface, 1);
  EXPECT_EQ(driver.state.WalkSpeed, 250);
}

}  // namespace
