#include "shell/FrameClock.h"

void TickFrameClock(GameState& state, Clock& clock) {
  const std::uint64_t now = clock.TicksMs();
  // The difference is taken on whole milliseconds, so it stays exact however
  // long the game has been running.
  const std::int64_t elapsedMs = static_cast<std::int64_t>(now - state.LastTicks);
  state.DeltaTime = static_cast<float>(elapsedMs) / 1000.0f;
  state.LastTicks = now;
  if (state.DeltaTime > MaxDeltaTime) state.DeltaTime = MaxDeltaTime;
  if (state.DeltaTime < 0) state.DeltaTime = 0;
}

void TickRepeatTimer(GameState& state) {
  if (state.RepeatPeriod >= state.RepeatTimer)
    state.RepeatTimer += state.DeltaTime;
  else
    state.RepeatTimer = 0;
}
