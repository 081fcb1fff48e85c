#include "story/Fishing.h"

#include <cstdlib>

namespace {

constexpr int Bites = 5;
constexpr int PressesToCatch = 6;
constexpr float WindowAfterCatch = 2.0f;
constexpr float WindowAfterMiss = 1.8f;

bool WindowOpen(const GameState& state) { return state.ClickWaitTimer < 0; }

void EndBite(GameState& state, Audio& audio, const char* sound, float nextWindow) {
  audio.PlayOnce(sound);
  state.UseReady = false;
  state.ClickWaitTimer = static_cast<float>(std::rand() % 13);
  state.ClickWindowTimer = nextWindow;
  state.ClickCount = 0;
  state.BitesPlayed += 1;
}

void PlayBite(GameState& state, Audio& audio) {
  state.ClickWaitTimer -= state.DeltaTime;
  if (!WindowOpen(state)) return;  // waiting for a bite; no prompt
  state.ClickWindowTimer -= state.DeltaTime;
  // A catch is tested first: a sixth press in the window's last frame still catches.
  if (state.ClickCount >= PressesToCatch)
    EndBite(state, audio, CaughtFishFile, WindowAfterCatch);
  else if (state.ClickWindowTimer < 0)
    EndBite(state, audio, ErrorFile, WindowAfterMiss);
  else
    state.UseReady = true;  // the click-a-lot prompt shows
}

}  // namespace

void FishingClick(GameState& state, Audio& audio) {
  // Presses while nothing bites are silent and do not count.
  if (!state.FishingActive || !WindowOpen(state)) return;
  audio.PlayOnce(ClickFile);
  state.ClickCount += 1;
}

void UpdateFishing(GameState& state, Audio& audio) {
  if (!state.FishingActive) return;
  if (state.BitesPlayed < Bites) PlayBite(state, audio);
  // The pause after the fifth bite starts in the very frame that bite ends.
  if (state.BitesPlayed < Bites) return;
  state.UseReady = false;
  state.ClickEndTimer -= state.DeltaTime;
  if (state.ClickEndTimer < 0) {
    state.DialogueActive = true;
    state.MessageIndex = 97;
    state.FishingActive = false;
    state.SceneIndex = 62;
  }
}
