#include "world/Hotspots.h"

#include "core/GameState.h"

namespace {

constexpr int HighestScene = 93;

constexpr std::array<const HotspotWindow*, HighestScene + 1> WindowsByScene = [] {
  std::array<const HotspotWindow*, HighestScene + 1> byScene{};
  for (const HotspotWindow& window : HotspotWindows) byScene[window.scene] = &window;
  return byScene;
}();

bool Inside(const HotspotWindow& window, float x) { return window.lower < x && x < window.upper; }

bool& FlagOf(GameState& state, HotspotFlag flag) {
  return flag == HotspotFlag::Exit ? state.ExitReady : state.UseReady;
}

}  // namespace

const HotspotWindow* FindHotspotWindow(int scene) {
  if (scene < 0 || scene > HighestScene) return nullptr;
  return WindowsByScene[scene];
}

void UpdateHotspots(GameState& state) {
  const HotspotWindow* window = FindHotspotWindow(state.SceneIndex);
  if (!window) return;  // flags keep what scene rows, uses and dialogue gave them
  const float x = state.BackgroundRect.x;
  bool& flag = FlagOf(state, window->flag);

  switch (window->rule) {
    case HotspotRule::Window:
      flag = Inside(*window, x);
      break;
    case HotspotRule::AlwaysSet:
      flag = true;
      break;
    case HotspotRule::UnlessUseActive:
      if (!state.UseActive) flag = true;
      break;
    case HotspotRule::UnlessAnimating:
      if (!state.Animating) flag = Inside(*window, x);
      break;
    case HotspotRule::UntilDrunk:
      if (!state.Drinking && state.DrinkTimer > 0) flag = Inside(*window, x);
      if (state.DrinkTimer < 0) state.ExitReady = true;
      break;
    case HotspotRule::UnlessFading:
      flag = Inside(*window, x) && !state.FadingOut && !state.FadingIn;
      break;
    case HotspotRule::PhoneGoneDialogue:
      if (Inside(*window, x) && state.MessageIndex != 173) {
        state.DialogueActive = true;
        state.MessageIndex = 168;
      } else {
        state.ExitReady = false;
      }
      break;
  }
}
