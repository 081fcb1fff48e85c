#include <gtest/gtest.h>

#include "harness/ByName.h"
#include "harness/Scenes.h"
#include "record/Sounds.h"

namespace {

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
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ForestCabinTexture");
  EXPECT_EQ(driver.state.MessageIndex, 31);
}

TEST(CarRides, BlackLeadInThenTheRideWithItsThoughtsAndOneDip) {
  FrameDriver driver = ArrivedIn(18);
  // (The black lead-in and the pictures on their frames: AnimationTimelineTest.)
  driver.RunUntil([](const GameState& s) { return s.AnimationKind != CarRideOne; }, 1000);
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
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ForestEntranceTexture");
}

// The first campfire lit by Return at it: its flicker starts.
FrameDriver LitFirstCampfire() {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 31;
  driver.state.UseReady = true;
  driver.state.DialogueActive = false;
  driver.ReleaseReturn();
  driver.Frame();
  return driver;
}

// White full-screen fills in the last frame's calls.
int WhiteFills(const RecordingDrawing& drawing) {
  int white = 0;
  for (const DrawCall& fill : drawing.Fills())
    if (fill.color == Rgba{255, 255, 255, 255}) ++white;
  return white;
}

TEST(Campfire, TheCameraFlashesOnceInTheGameAfterLineFiftyEight) {
  FrameDriver driver = LitFirstCampfire();
  ASSERT_EQ(driver.state.AnimationKind, CampfireFlicker);
  auto whiteFrames = [&](int frames) {
    int white = 0;
    for (int i = 0; i < frames; ++i) {
      driver.Step();
      white += WhiteFills(driver.rec.drawing);
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
    sounds += driver.rec.audio.TimesPlayed(record::played::CameraFlash);
    white += WhiteFills(driver.rec.drawing);
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
    FrameDriver driver = LitFirstCampfire();
    driver.state.MessageIndex = 59;  // the thoughts are past line 58
    driver.SetRate(hz);
    double white = 0;
    int sounds = 0;
    for (int i = 0; i < static_cast<int>(3 * hz); ++i) {
      driver.Step();
      sounds += driver.rec.audio.TimesPlayed(record::played::CameraFlash);
      white += WhiteFills(driver.rec.drawing) / hz;
    }
    // Ten frames at 60 Hz: the white is on screen for 10/60 s, to a display frame.
    EXPECT_NEAR(white, 10 / 60.0, 1 / hz + 0.001) << hz << " Hz";
    EXPECT_EQ(sounds, 1) << hz << " Hz";
  }
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
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "HouseBedRoomMiddleTexture");
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -400 + 80);
}

}  // namespace
