#include "shell/FrameClock.h"

#include <algorithm>

#include "core/Sixtieths.h"

void TickFrameClock(GameState& state, Clock& clock) {
  const std::uint64_t now = clock.TicksMs();
  // The difference is taken on whole milliseconds, so it stays exact however
  // long the game has been running.
  const std::int64_t elapsedMs = static_cast<std::int64_t>(now - state.LastTicks);
  state.DeltaTime = static_cast<float>(elapsedMs) / 1000.0f;
  state.LastTicks = now;
  if (state.DeltaTime > MaxDeltaTime) state.DeltaTime = MaxDeltaTime;
  if (state.DeltaTime < 0) state.DeltaTime = 0;
  // The same clamp in whole milliseconds, for the game's count of sixtieths.
  const std::int64_t maxMs = static_cast<std::int64_t>(MaxDeltaTime * 1000 + 0.5f);
  CountSixtieths(state, static_cast<std::uint64_t>(std::clamp<std::int64_t>(elapsedMs, 0, maxMs)));
}

void TickRepeatTimer(GameState& state) {
  // Run in sixtieths, so the pulse comes once a second on every display; a
  // slow display's frame that holds the pulse reports it even if the timer
  // has wrapped again by the frame's end, and a fast display's frames report
  // it for as long as the timer stays past its period.
  bool pulse = state.RepeatTimer >= state.RepeatPeriod;
  if (state.SixtiethsThisFrame > 0) pulse = false;
  for (int i = 0; i < state.SixtiethsThisFrame; ++i) {
    if (state.RepeatPeriod >= state.RepeatTimer)
      state.RepeatTimer += SixtiethSeconds(state, i);
    else
      state.RepeatTimer = 0;
    if (state.RepeatTimer >= state.RepeatPeriod) pulse = true;
  }
  state.RepeatPulse = pulse;
}
