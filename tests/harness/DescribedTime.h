#pragma once
// Time as the game's description counts it, to predict the frame on which a
// timed step must happen: a frame's DeltaTime is its clock's elapsed whole
// milliseconds over 1000, as a float, at most 0.05 s; every timer is a float
// in seconds lowered by it. A test runs the game and this model side by side
// and compares the frames.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

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

// What the description counts in frames of 60 Hz (the closet's steps, the
// camera flash, every animation's tick, the static, the once-a-second pulse)
// the game counts in sixtieths of a second of its game time, which is the sum
// of the frames' DeltaTimes in whole milliseconds: the frames a 60 Hz display
// shows, each ending on a whole millisecond as that display's do (the k-th at
// k * 1000 / 60, rounded down), so 16 or 17 ms long. At 60 Hz each frame is
// one of them; a slower display's frame holds several, a faster one's often
// none. Timers of such steps are lowered by each sixtieth's length.
class SixtiethClock {
 public:
  explicit SixtiethClock(std::uint64_t gameMs = 0) : ms_(gameMs) {
    while (EndOf(ended_ + 1) <= ms_) ++ended_;
  }
  // The lengths in seconds of the sixtieths that end in a frame of DeltaTime `dt`.
  std::vector<float> Frame(float dt) {
    std::vector<float> lengths;
    ms_ += static_cast<std::uint64_t>(std::lround(dt * 1000));
    for (; EndOf(ended_ + 1) <= ms_; ++ended_)
      lengths.push_back(static_cast<float>(EndOf(ended_ + 1) - EndOf(ended_)) / 1000.0f);
    return lengths;
  }
  // The length in seconds of the next sixtieth to end.
  float Next() const { return static_cast<float>(EndOf(ended_ + 1) - EndOf(ended_)) / 1000.0f; }

 private:
  static std::uint64_t EndOf(std::uint64_t k) { return k * 1000 / 60; }
  std::uint64_t ms_;
  std::uint64_t ended_ = 0;
};

// A frame's DeltaTime and the sixtieths that ended in it.
struct TimedFrame {
  float dt;
  std::vector<float> sixtieths;
};

// One frame of the game at the driver's rate, timed as described. The clock
// must have started with the driver's game time (its clock, if no frame took
// longer than 50 ms).
inline TimedFrame StepTimed(FrameDriver& driver, SixtiethClock& clock) {
  const float dt = StepTimed(driver);
  return {dt, clock.Frame(dt)};
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
  // The same tick run in each of a frame's sixtieths: did it fire in any?
  bool TickInSixtieths(const std::vector<float>& sixtieths, float period) {
    bool fired = false;
    for (float s : sixtieths) fired |= Tick(s, period);
    return fired;
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
