#include <gtest/gtest.h>

#include "harness/Scenes.h"
#include "record/HotspotWindows.h"
#include "world/SceneTable.h"
#include "core/Views.h"

namespace {

TEST(Fade, TimelineAt60Hz) {
  FrameDriver driver = StandingIn(1, HouseBedRoomMiddleTexture);
  driver.state.BackgroundRect.x = -575;  // inside the bedroom door
  driver.state.FootstepSurface = 0;
  driver.Frame();
  ASSERT_TRUE(driver.state.ExitReady);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingOut);
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), std::vector<std::string>{record::hotspots::WoodFootstep});

  int fadeOutFrames = 0;
  int previous = driver.state.FadeAlpha;
  while (driver.state.FadingOut) {
    driver.Frame();
    ++fadeOutFrames;
    EXPECT_EQ(driver.state.WalkSpeed, 0);
    if (driver.state.FadingOut) {
      EXPECT_GT(driver.state.FadeAlpha, previous);  // rising every frame
      EXPECT_EQ(driver.state.SceneIndex, 1);
    }
    previous = driver.state.FadeAlpha;
    ASSERT_LT(fadeOutFrames, 30);
  }
  // About a quarter of a second to black at 1000 units per second.
  EXPECT_GE(fadeOutFrames, 15);
  EXPECT_LE(fadeOutFrames, 17);
  // The frame that completed the fade-out also took the first fade-in step and
  // applied the row: the living room, at its view.
  EXPECT_TRUE(driver.state.FadingIn);
  EXPECT_GT(driver.state.FadeAlpha, 220);
  EXPECT_EQ(driver.state.SceneIndex, 2);
  EXPECT_EQ(driver.state.BackgroundTexture, LivingRoomTexture);
  EXPECT_EQ(driver.state.BackgroundRect, RoomView);
  EXPECT_FALSE(driver.state.SceneChangePending);

  int fadeInFrames = 0;
  while (driver.state.FadingIn) {
    driver.state.ExitReady = true;  // whatever set it, a fade-in frame clears it
    driver.Frame();
    ++fadeInFrames;
    if (driver.state.FadingIn) {
      EXPECT_FALSE(driver.state.ExitReady);
      EXPECT_EQ(driver.state.WalkSpeed, 0);
    }
    EXPECT_EQ(driver.state.SceneIndex, 2);  // one row per fade
    ASSERT_LT(fadeInFrames, 30);
  }
  EXPECT_GE(fadeInFrames, 14);
  EXPECT_EQ(driver.state.FadeAlpha, 0);
  EXPECT_EQ(driver.state.WalkSpeed, 250);
  EXPECT_TRUE(driver.state.SceneChangePending);
}

TEST(Fade, FirstGameFrameEndsTheTitlesFadeWithoutApplyingARow) {
  FrameDriver driver;
  driver.state.SceneIndex = 1;  // a scene that has a row
  driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, 1);
  EXPECT_FALSE(driver.state.FadingIn);
  EXPECT_EQ(driver.state.WalkSpeed, 250);
  EXPECT_TRUE(driver.state.SceneChangePending);
}

TEST(Fade, ReturnDuringAFadeDoesNothing) {
  FrameDriver driver = StandingIn(2, LivingRoomTexture);
  driver.state.BackgroundRect.x = -300;
  driver.Frame();
  driver.ReleaseReturn();
  driver.Frame();
  ASSERT_TRUE(driver.state.FadingOut);
  driver.ReleaseReturn();  // a second press during the fade-out it started
  driver.Frame();
  EXPECT_TRUE(driver.rec.audio.PlayedOnce().empty());
  driver.RunUntil([](const GameState& s) { return s.FadingIn; });
  driver.state.ExitReady = true;
  driver.ReleaseReturn();  // during the fade-in
  driver.Frame();
  EXPECT_TRUE(driver.rec.audio.PlayedOnce().empty());
  driver.RunUntil([](const GameState& s) { return !s.FadingIn; });
  EXPECT_EQ(driver.state.SceneIndex, 3);
}

struct GuardCase {
  int scene;
  bool dialogue;
  bool hold;
  bool animating;
  bool applies;
};

// "Scene14_DialogueShown_Applies": the row, what holds, and whether it moves on.
std::string GuardName(const GuardCase& c) {
  std::string name = "Scene" + std::to_string(c.scene);
  if (c.dialogue) name += "_DialogueShown";
  if (c.hold) name += "_NextDayHeld";
  if (c.animating) name += "_Animating";
  if (!c.dialogue && !c.hold && !c.animating) name += "_NothingUp";
  return name + (c.applies ? "_MovesOn" : "_Waits");
}

void PrintTo(const GuardCase& c, std::ostream* os) { *os << GuardName(c); }

class RowGuards : public testing::TestWithParam<GuardCase> {};

TEST_P(RowGuards, ApplyOnlyWhenTheyHold) {
  const GuardCase c = GetParam();
  FrameDriver driver = StandingIn(c.scene, LivingRoomTexture);
  driver.state.DialogueActive = c.dialogue;
  driver.state.NextDayHold = c.hold;
  driver.state.Animating = c.animating;
  driver.state.FadingOut = true;
  driver.state.FadeAlpha = 250;
  driver.state.NextDayHold = c.hold;
  if (c.hold) driver.state.NextDayTimer = 100;  // keep the card up
  for (int i = 0; i < 3; ++i) driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, c.applies ? c.scene + 1 : c.scene);
}

INSTANTIATE_TEST_SUITE_P(Rows14And18, RowGuards,
                         testing::Values(GuardCase{14, false, false, false, true},
                                         GuardCase{14, true, false, false, false},
                                         GuardCase{18, false, false, false, true},
                                         GuardCase{18, false, false, true, false}),
                         [](const testing::TestParamInfo<GuardCase>& info) { return GuardName(info.param); });

TEST(Fade, RowsThirtyFiveAndThirtySixNeedNoDarkness) {
  for (int scene : {35, 36}) {
    FrameDriver driver = StandingIn(scene, CabinBathroomTexture);
    driver.state.FadingIn = true;
    driver.state.FadeAlpha = 10;  // far from dark
    driver.state.LightsOutTimer = 100;
    driver.Frame();
    EXPECT_EQ(driver.state.SceneIndex, scene + 1) << "row " << scene;
  }
  FrameDriver driver = StandingIn(34, CabinKitchenTexture);
  driver.state.FadingIn = true;
  driver.state.FadeAlpha = 10;
  driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, 34) << "other rows keep the darkness test";
}

TEST(Fade, RowSixtySixKeepsWhereThePlayerStood) {
  FrameDriver driver = StandingIn(66, CabinKitchenNoRodTexture);
  driver.state.BackgroundRect = {-520, -130, 2000, 1000};
  driver.state.UseReady = true;
  driver.state.RodVisible = true;
  driver.ReleaseReturn();
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 67; });
  EXPECT_EQ(driver.state.BackgroundTexture, CabinKitchenUhOhTexture);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -520);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.y, -130);
  EXPECT_FALSE(driver.state.RodVisible);
}

TEST(NextDayHold, KeepsAFadeOutBlackWithTheCardUntilCleared) {
  FrameDriver driver = StandingIn(12, LivingRoomTexture);
  driver.state.FadingOut = true;
  driver.state.NextDayHold = true;
  driver.state.NextDayTimer = 1000;  // nothing clears it in scene 12
  for (int i = 0; i < 120; ++i) {
    driver.Frame();
    ASSERT_TRUE(driver.state.FadingOut);
    ASSERT_FALSE(driver.state.FadingIn);
  }
  EXPECT_EQ(driver.rec.drawing.DrawsOf(NextDayTexture).size(), 1u);
  EXPECT_EQ(driver.state.SceneIndex, 12);
  driver.state.NextDayHold = false;
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingIn);
  EXPECT_EQ(driver.state.SceneIndex, 13);
}

TEST(NextDayHold, PinsAFadeInBlackAtAnyRate) {
  for (double hz : {60.0, 40.0, 30.0, 20.0}) {
    FrameDriver driver = StandingIn(48, CabinBedRoomTexture);
    driver.SetRate(hz);
    driver.state.FadingOut = true;
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == 49; });
    driver.Step();
    driver.Step();
    // Card on black for the six seconds, then scene 50 fades in.
    int cardFrames = 0;
    while (driver.state.SceneIndex == 49) {
      driver.Step();
      if (driver.rec.drawing.Drew(NextDayTexture)) ++cardFrames;
      ASSERT_LT(cardFrames, 10000);
    }
    EXPECT_NEAR(cardFrames / hz, 6.0, 0.2) << hz << " Hz";
    EXPECT_EQ(driver.state.SceneIndex, 50);
    EXPECT_EQ(driver.state.BackgroundTexture, CabinBedTexture);
  }
}

TEST(NextDayHold, TheCardCoversTheBedroomFromTheFrameTheHoldBegins) {
  // On displays of 20 to 32 Hz the first fade-in step from scene 48 can go
  // below the card's threshold before the row sets the hold (22, 23, 27 and
  // 31 Hz do, for a fade that starts from clear).
  for (int hz = 20; hz <= 33; ++hz) {
    FrameDriver driver = StandingIn(48, CabinBedRoomTexture);
    driver.SetRate(hz);
    driver.state.FadingOut = true;
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == 49; });
    int frames = 0;
    while (driver.state.SceneIndex == 49 && frames < 1000) {
      driver.Step();
      ++frames;
      if (driver.state.SceneIndex != 49) break;  // scene 50 fades in from here
      EXPECT_TRUE(driver.rec.drawing.Drew(NextDayTexture)) << hz << " Hz, frame " << frames;
      bool opaque = false;
      for (const DrawCall& fill : driver.rec.drawing.Fills())
        opaque = opaque || (fill.color.a == 255 && fill.dest.w == 800 && fill.dest.h == 600);
      EXPECT_TRUE(opaque) << hz << " Hz, frame " << frames << ": the bedroom shows through";
    }
    EXPECT_EQ(driver.state.SceneIndex, 50);
  }
}

TEST(Fade, NeverGoesBothWaysAndAlwaysEnds) {
  // No part of the game asks for both, but a state that says both must
  // still reach black, apply the scene's row and clear.
  FrameDriver driver = StandingIn(3, KitchenTexture);
  driver.state.FadeAlpha = 128;
  driver.state.FadingOut = true;
  driver.state.FadingIn = true;
  driver.state.SceneChangePending = false;
  int frames = 0;
  while ((driver.state.FadingOut || driver.state.FadingIn) && frames < 600) {
    driver.Frame();
    ++frames;
    EXPECT_FALSE(driver.state.FadingOut && driver.state.FadingIn) << "frame " << frames;
  }
  EXPECT_LT(frames, 60) << "a fade from half black lasts about 0.4 s";
  EXPECT_EQ(driver.state.SceneIndex, 4);
  EXPECT_EQ(driver.state.BackgroundTexture, BathroomTexture);
}

TEST(Fade, SlowFadesFinishOnFastDisplays) {
  for (int speed : {100, 350}) {
    for (double hz : {144.0, 240.0, 360.0}) {
      FrameDriver driver = StandingIn(3, KitchenTexture);
      driver.SetRate(hz);
      driver.state.FadeSpeed = speed;
      driver.state.FadingOut = true;
      int frames = 0;
      while (driver.state.FadingOut && frames < 100000) {
        driver.Step();
        ++frames;
      }
      // The rate in units per second stays what it is at any display rate.
      EXPECT_NEAR(frames / hz, 255.0 / speed, 0.05) << speed << " at " << hz << " Hz";
      EXPECT_EQ(driver.state.SceneIndex, 4);
    }
  }
}

TEST(Fade, RowsApplyAtTwentyHertz) {
  FrameDriver driver = StandingIn(3, KitchenTexture);
  driver.SetRate(20);
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.FadingIn; });
  EXPECT_EQ(driver.state.SceneIndex, 4);
  EXPECT_EQ(driver.state.BackgroundTexture, BathroomTexture);
}

TEST(SceneTable, SoundCommandsOfARow) {
  FrameDriver driver = StandingIn(18, CarDriveTwoEightTexture);
  driver.rec.audio.Start(CarDrivingSound);
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 19; });
  EXPECT_FALSE(driver.rec.audio.playing[CarDrivingSound]);
  EXPECT_TRUE(driver.rec.audio.playing[ScaryAmbienceSound]);
  EXPECT_TRUE(driver.rec.audio.looping[ScaryAmbienceSound]);
}

TEST(SceneTable, LastRowStaysOnTheClosingScreen) {
  FrameDriver driver = StandingIn(92, DriveAwaySheetTexture);
  driver.rec.audio.Start(CarDrivingSound);
  driver.rec.audio.Start(CreepyChordsSound);
  driver.state.FadeSpeed = 100;
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.FadingIn; }, 1000);
  EXPECT_EQ(driver.state.SceneIndex, 92);
  EXPECT_EQ(driver.state.BackgroundTexture, ThxForPlayTexture);
  EXPECT_TRUE(driver.state.ShiftQuitAllowed);
  EXPECT_TRUE(driver.rec.audio.playing[BirdsSound]);
  EXPECT_FALSE(driver.rec.audio.playing[CarDrivingSound]);
  EXPECT_FALSE(driver.rec.audio.playing[CreepyChordsSound]);
  // The closing screen comes up slowly, at the drive away's 100 units a second.
  int frames = 0;
  while (driver.state.FadingIn) {
    driver.Frame();
    ++frames;
  }
  EXPECT_NEAR(frames / 60.0, 2.55, 0.1);
}

}  // namespace
