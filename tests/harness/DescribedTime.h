#pragma once
// Time as the game's description counts it, to predict the frame on which a
// timed step must happen: a frame's DeltaTime is its clock's elapsed whole
// milliseconds over 1000, as a float, at most 0.05 s; every timer is a float
// in seconds lowered by it. A test runs the game and this model side by side
// and compares the frames.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "FrameDriver.h"

inline float DescribedDelta(std::uint64_t fromMs, std::uint64_t toMs) {
  return std::clamp(static_cast<float>(toMs - fromMs) / 1000.0f, 0.0f, 0.05f);
}

// One frame of the game at the driver's rate; returns its DeltaTime as described.
inline float StepTimed(FrameDriver& driver) {
  const std::uint64_t before = driver.rec.clock.now;
  driver.Step();
  return DescribedDelta(before, driver.rec.clock.now);
}

struct Timer {
  float left;

  bool BelowZeroAfter(float dt) { return (left -= dt) < 0; }
  bool AtOrBelowZeroAfter(float dt) { return (left -= dt) <= 0; }
  // Tested before it is lowered: runs out on the frame after it reached 0 or less.
  bool TestedFirst(float dt) {
    if (left <= 0) return true;
    left -= dt;
    return false;
  }
  // The animations' tick: below zero, it starts again at its full period.
  bool Tick(float dt, float period) {
    if ((left -= dt) >= 0) return false;
    left = period;
    return true;
  }
};

// The frame (counted from 1) on which the described timer ran out, and the one
// on which the game showed the step.
struct Moment {
  int expected = -1;
  int observed = -1;
  float lastDelta = 0;  // the DeltaTime of the last frame run
};

// Runs the game a frame at a time beside the model until both have happened
// (or `limit` frames): `runsOut` is given each frame's DeltaTime, `shows` looks
// at the game after the frame.
inline Moment Race(FrameDriver& driver, const std::function<bool(float)>& runsOut, const std::function<bool()>& shows,
                   int limit = 6000) {
  Moment m;
  for (int frame = 1; frame <= limit && (m.expected < 0 || m.observed < 0); ++frame) {
    const float dt = m.lastDelta = StepTimed(driver);
    if (m.expected < 0 && runsOut(dt)) m.expected = frame;
    if (m.observed < 0 && shows()) m.observed = frame;
  }
  if (m.expected < 0 || m.observed < 0) ADD_FAILURE() << "not within " << limit << " frames";
  return m;
}
