#include <gtest/gtest.h>

#include <vector>

#include "core/Sixtieths.h"
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
  // Each sixtieth of a second is one step of the rule: 16, 17, 17 ms here.
  GameState state;
  state.RepeatTimer = 1.0f;  // exactly its period: still grows
  CountSixtieths(state, 16);
  TickRepeatTimer(state);
  EXPECT_FLOAT_EQ(state.RepeatTimer, 1.016f);
  EXPECT_TRUE(state.RepeatPulse);
  CountSixtieths(state, 17);
  TickRepeatTimer(state);
  EXPECT_EQ(state.RepeatTimer, 0.0f);
  EXPECT_FALSE(state.RepeatPulse);
  CountSixtieths(state, 17);
  TickRepeatTimer(state);
  EXPECT_FLOAT_EQ(state.RepeatTimer, 0.017f);
  EXPECT_FALSE(state.RepeatPulse);
}

// Game seconds at which a pulse begins, over `seconds` at `hz`.
std::vector<double> PulseTimes(double hz, double seconds) {
  FrameDriver driver;
  driver.SetRate(hz);
  std::vector<double> times;
  double now = 0;
  bool before = false;
  for (int frame = 0; frame < static_cast<int>(seconds * hz); ++frame) {
    driver.Step();
    now += driver.state.DeltaTime;
    if (driver.state.RepeatPulse && !before) times.push_back(now);
    before = driver.state.RepeatPulse;
  }
  return times;
}

TEST(RepeatTimer, PulsesOnceASecondOnEveryDisplay) {
  // The timer rises from 0 by each sixtieth of a second until it reaches the
  // period of 1 s (sixty sixtieths), goes past it (at once, or a sixtieth
  // later when the sum lands on 1 exactly), then is 0 for one sixtieth: a
  // pulse every 61 or 62 sixtieths.
  const std::vector<double> reference = PulseTimes(60, 20);
  ASSERT_EQ(reference.size(), 19u);
  for (std::size_t i = 1; i < reference.size(); ++i) {
    EXPECT_GE(reference[i] - reference[i - 1], 61.0 / 60 - 0.002);
    EXPECT_LE(reference[i] - reference[i - 1], 62.0 / 60 + 0.002);
  }
  for (double hz : {20.0, 30.0, 144.0, 360.0}) {
    const std::vector<double> times = PulseTimes(hz, 20);
    ASSERT_EQ(times.size(), reference.size()) << hz << " Hz";
    for (std::size_t i = 0; i < times.size(); ++i)
      EXPECT_NEAR(times[i], reference[i], 1 / hz + 1.0 / 60) << hz << " Hz, pulse " << i;
  }
}

}  // namespace
