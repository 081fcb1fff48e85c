// The windows' extra rules; the windows themselves are checked against the
// record in HotspotWindowsTest.

#include <gtest/gtest.h>

#include "harness/FrameDriver.h"
#include "world/Hotspots.h"

namespace {

GameState At(int scene, float x) {
  GameState state = GameStartState();
  state.SceneIndex = scene;
  state.DialogueActive = false;
  state.FadingIn = false;
  state.BackgroundRect.x = x;
  return state;
}

TEST(Hotspots, TheMealIsUsableUntilStarted) {
  GameState state = At(7, 0);
  UpdateHotspots(state);
  EXPECT_TRUE(state.UseReady);
  state.UseReady = false;
  state.UseActive = true;
  UpdateHotspots(state);
  EXPECT_FALSE(state.UseReady);
}

TEST(Hotspots, CabinDoorOpensOnlyAfterTheAnimation) {
  GameState state = At(30, -100);
  state.Animating = true;
  UpdateHotspots(state);
  EXPECT_FALSE(state.ExitReady);
  state.Animating = false;
  UpdateHotspots(state);
  EXPECT_TRUE(state.ExitReady);
}

TEST(Hotspots, WaterBottleThenTheWayBack) {
  GameState state = At(43, -500);
  UpdateHotspots(state);
  EXPECT_TRUE(state.UseReady);
  state.BackgroundRect.x = -1000;
  UpdateHotspots(state);
  EXPECT_FALSE(state.UseReady);
  EXPECT_FALSE(state.ExitReady);
  state.Drinking = true;
  state.BackgroundRect.x = -500;
  state.UseReady = false;
  UpdateHotspots(state);
  EXPECT_FALSE(state.UseReady) << "not while drinking";
  state.Drinking = false;
  state.DrinkTimer = -0.01f;
  state.BackgroundRect.x = -1100;
  UpdateHotspots(state);
  EXPECT_TRUE(state.ExitReady) << "anywhere once drunk";
}

TEST(Hotspots, TheRodCannotBeTakenDuringTheFade) {
  GameState state = At(58, -100);
  UpdateHotspots(state);
  EXPECT_TRUE(state.UseReady);
  state.FadingOut = true;
  UpdateHotspots(state);
  EXPECT_FALSE(state.UseReady);
  state.FadingOut = false;
  state.FadingIn = true;
  UpdateHotspots(state);
  EXPECT_FALSE(state.UseReady) << "nor while it comes back";
}

TEST(Hotspots, WalkingLeftInTheEmptiedRoomStartsTheDialogue) {
  GameState state = At(86, -650);
  state.ExitReady = true;
  UpdateHotspots(state);
  EXPECT_FALSE(state.ExitReady);
  EXPECT_FALSE(state.DialogueActive);
  state.BackgroundRect.x = -499;
  UpdateHotspots(state);
  EXPECT_TRUE(state.DialogueActive);
  EXPECT_EQ(state.MessageIndex, 168);
}

TEST(Hotspots, RunOnlyWhileNoLineIsShown) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 0;
  driver.state.BackgroundRect.x = -400;  // inside the door
  ASSERT_TRUE(driver.state.DialogueActive);
  driver.Frame();
  EXPECT_FALSE(driver.state.ExitReady);
}

}  // namespace
