#pragma once
// A clock that moves on by `step` milliseconds each time it is read: the game
// reads it once a frame, so `step` is the frame's length.

#include <cstdint>

#include "platform/Platform.h"

class SteppingClock final : public Clock {
 public:
  std::uint64_t TicksMs() override { return now_ += step; }
  std::uint64_t step = 16;

 private:
  std::uint64_t now_ = 0;
};
