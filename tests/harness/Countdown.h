#pragma once
// A countdown as the game's description defines one, for working out on which
// frame a timed moment must come: the time left is a float in seconds, each
// frame lowers it by that frame's DeltaTime, (now - last) / 1000 in float, and
// it fires on the first frame it is below 0. At 60 Hz whole-millisecond frames
// of 16, 17, 17 ms sum to whole seconds exactly, so which side of 0 a timer
// lands on is float arithmetic's to say; this follows the same arithmetic.

#include <cstdint>

struct Countdown {
  float left;

  // Lowers the time left by a frame of `ms` milliseconds; true once it is below 0.
  bool Lower(std::uint64_t ms) {
    float delta = static_cast<float>(ms) / 1000.0f;
    if (delta > 0.05f) delta = 0.05f;
    left -= delta;
    return left < 0;
  }
};
