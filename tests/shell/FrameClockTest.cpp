#include <gtest/gtest.h>

#include "harness/FrameDriver.h"
#include "harness/RecordingPlatform.h"
#include "shell/FrameClock.h"

namespace {

TEST(FrameClock, LongFrameAdvancesTheGameByFiftyMillisecondsOnly) {
  GameState state;
  ManualClock clock;
  state.LastTicks = 1000;
  clock.now = 1200;
  TickFrameClock(state, clock);
  EXPECT_FLOAT_EQ(state.DeltaTime, 0.05f);
  EXPECT_EQ(state.LastTicks, 1200u);
}

TEST(FrameClock, DifferenceStaysExactAfterManyHours) {
  // Five hours in, a float tick count would have lost whole milliseconds.
  GameState state;
  ManualClock clock;
  state.LastTicks = 5ull * 3600 * 1000 + 1;
  clock.now = state.LastTicks + 7;
  TickFrameClock(state, clock);
  EXPECT_FLOAT_EQ(state.DeltaTime, 0.007f);
}

TEST(FrameClock, ClockThatDidNotMoveOrWentBackGivesZero) {
  GameState state;
  ManualClock clock;
  state.LastTicks = clock.now = 500;
  TickFrameClock(state, clock);
  EXPECT_EQ(state.DeltaTime, 0.0f);
  clock.now = 480;
  TickFrameClock(state, clock);
  EXPECT_EQ(state.DeltaTime, 0.0f);
  EXPECT_EQ(state.LastTicks, 480u);
}

TEST(FrameClock, LongFrameMovesTimersFadesAndWalkingByFiftyMilliseconds) {
  FrameDriver driver;
  driver.Frame(16);  // ends the title's fade
  driver.state.SceneIndex = 2;
  driver.state.DialogueActive = false;
  driver.state.BackgroundRect.x = -650;
  driver.state.FadingOut = true;
  driver.Hold(ScancodeLeft);
  const float walkSpeed = driver.state.WalkSpeed;
  driver.Frame(200);
  // The fade step took 50 ms worth of alpha; walking happened before the fade
  // set WalkSpeed to 0, so it moved by 50 ms worth of pixels.
  EXPECT_EQ(driver.state.FadeAlpha, 50);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -650 + walkSpeed * 0.05f);
}

TEST(RepeatTimer, GrowsWhileAtOrBelowItsPeriodAndOnlyThenStartsAgain) {
  GameState state;
  state.DeltaTime = 0.05f;
  state.RepeatTimer = 1.0f;  // exactly its period: still grows
  TickRepeatTimer(state);
  EXPECT_FLOAT_EQ(state.RepeatTimer, 1.05f);
  TickRepeatTimer(state);
  EXPECT_EQ(state.RepeatTimer, 0.0f);
  TickRepeatTimer(state);
  EXPECT_FLOAT_EQ(state.RepeatTimer, 0.05f);
}

TEST(RepeatTimer, PulsesForExactlyOneFrameEachSecond) {
  GameState state;
  state.DeltaTime = 0.1f;
  int framesAbovePeriod = 0;
  int framesAtZeroAfterPulse = 0;
  bool previousAbove = false;
  for (int frame = 0; frame < 60; ++frame) {
    TickRepeatTimer(state);
    const bool above = state.RepeatTimer >= state.RepeatPeriod;
    if (above) {
      ++framesAbovePeriod;
      EXPECT_FALSE(previousAbove) << "the pulse lasted two frames at frame " << frame;
    }
    if (previousAbove) {
      EXPECT_EQ(state.RepeatTimer, 0.0f);
      ++framesAtZeroAfterPulse;
    }
    previousAbove = above;
  }
  // 60 frames of 0.1 s: a pulse roughly every 1.2 s (rise past 1.0, then one frame at 0).
  EXPECT_GE(framesAbovePeriod, 4);
  EXPECT_EQ(framesAbovePeriod, framesAtZeroAfterPulse + (previousAbove ? 1 : 0));
}

}  // namespace
