#include "core/Sixtieths.h"

namespace {

// Where the k-th sixtieth ends, in whole milliseconds of game time.
std::uint64_t SixtiethEndsAt(std::uint64_t k) { return k * 1000 / 60; }

// How many sixtieths have ended by `ms`: the k >= 1 with floor(k * 1000 / 60) <= ms.
std::uint64_t SixtiethsEndedBy(std::uint64_t ms) { return (3 * ms + 2) / 50; }

}  // namespace

void CountSixtieths(GameState& state, std::uint64_t frameMs) {
  state.GameTimeMs += frameMs;
  const std::uint64_t ended = SixtiethsEndedBy(state.GameTimeMs);
  state.SixtiethsThisFrame = static_cast<int>(ended - state.SixtiethsSoFar);
  state.SixtiethsSoFar = ended;
}

float SixtiethSeconds(const GameState& state, int i) {
  const std::uint64_t k = state.SixtiethsSoFar - static_cast<std::uint64_t>(state.SixtiethsThisFrame) + 1 +
                          static_cast<std::uint64_t>(i);
  // The same float a 60 Hz frame of this many milliseconds gives DeltaTime.
  return static_cast<float>(SixtiethEndsAt(k) - SixtiethEndsAt(k - 1)) / 1000.0f;
}

bool TickInSixtieths(float& timer, float period, const GameState& state, bool mayFire, bool atZero) {
  bool fired = false;
  for (int i = 0; i < state.SixtiethsThisFrame; ++i) {
    timer -= SixtiethSeconds(state, i);
    const bool due = atZero ? timer <= 0 : timer < 0;
    if (mayFire && !fired && due) {
      timer = period;
      fired = true;
    }
  }
  return fired;
}
