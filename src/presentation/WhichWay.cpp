#include "presentation/WhichWay.h"

#include "world/Hotspots.h"

namespace {

// How far the view must slide, in the backdrop's pixels, to say "a little"
// (a breath of a key) or "far" (some seconds of it, at 250 a second).
constexpr float Little = 150;
constexpr float Far = 600;

std::string Toward(float distance, const char* side) {
  std::string words = distance < Little ? "a little " : distance > Far ? "far " : "";
  return words + "to your " + side;
}

}  // namespace

Bearing WhichWay(const GameState& state) {
  const HotspotWindow* window = FindHotspotWindow(state.SceneIndex);
  if (!window) return {};
  Bearing bearing{true, window->flag == HotspotFlag::Exit, ""};
  const float lower = window->lower, upper = window->upper;
  switch (window->rule) {
    case HotspotRule::AlwaysSet:
      bearing.words = "ahead";
      return bearing;
    case HotspotRule::UntilDrunk:
      // Once the bottle is drunk, the way back is wherever you look.
      if (!state.Drinking && state.DrinkTimer < 0) {
        bearing.isExit = true;
        bearing.words = "ahead";
        return bearing;
      }
      break;
    default:
      break;
  }
  // Left slides the picture right, so x grows toward what lies to the left.
  const float x = state.BackgroundRect.x;
  if (x > lower && x < upper)
    bearing.words = "ahead";
  else if (x <= lower)
    bearing.words = Toward(lower - x, "left");
  else
    bearing.words = Toward(x - upper, "right");
  return bearing;
}
