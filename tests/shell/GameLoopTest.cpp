#include <gtest/gtest.h>

#include "harness/FrameDriver.h"
#include "record/Sounds.h"

namespace {

TEST(GameLoop, FirstFrameShowsTheBedroomAndTheFirstLine) {
  FrameDriver driver;
  driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, 0);
  EXPECT_FALSE(driver.state.FadingIn);
  EXPECT_EQ(driver.state.WalkSpeed, 250);
  EXPECT_TRUE(driver.state.SceneChangePending);
  ASSERT_FALSE(driver.rec.drawing.calls.empty());
  EXPECT_EQ(driver.rec.drawing.calls[0].kind, DrawCall::Kind::Nearest);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(HouseBedRoomBedTexture).size(), 1u);
  EXPECT_EQ(std::string(driver.state.MessageText.data()), "MORNING ALREADY...?");
  EXPECT_EQ(driver.rec.drawing.calls.back().kind, DrawCall::Kind::Present);
}

TEST(GameLoop, TwoQueuedReturnsAreHandledInTwoFrames) {
  FrameDriver driver;
  driver.Frame();
  driver.ReleaseReturn();
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 1);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::Click), 1);
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 2);
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 2);
}

TEST(GameLoop, QuitEventEndsTheLoopBeforeAnythingIsDrawn) {
  FrameDriver driver;
  driver.Frame();
  driver.rec.input.events.push_back(InputEvent::Quit);
  EXPECT_EQ(driver.Frame(), FrameResult::Quit);
  EXPECT_FALSE(driver.rec.drawing.Drew(driver.state.BackgroundTexture));
}

TEST(GameLoop, ShiftDoesNothingUntilTheClosingScreenAllowsIt) {
  FrameDriver driver;
  driver.Hold(ScancodeLeftShift);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(driver.Frame(), FrameResult::Continue);
  driver.rec.input.events.push_back(InputEvent::ShiftReleased);  // a key-up is not a quit in the game
  EXPECT_EQ(driver.Frame(), FrameResult::Continue);
  driver.state.ShiftQuitAllowed = true;
  EXPECT_EQ(driver.Frame(), FrameResult::Quit);
}

TEST(GameLoop, EitherShiftQuitsOnTheClosingScreen) {
  FrameDriver driver;
  driver.state.ShiftQuitAllowed = true;
  driver.Frame();
  driver.Hold(ScancodeRightShift);
  EXPECT_EQ(driver.Frame(), FrameResult::Quit);
}

}  // namespace
