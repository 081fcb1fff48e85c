#include "world/Walking.h"

#include <algorithm>
#include <array>

namespace {

// Close-ups, mini-games and set pieces where the view stays put.
constexpr std::array NoWalkScenes = {5, 7, 10, 13, 26, 39, 53, 56, 57, 69, 71, 72, 73, 85, 92, 93};

// The same bounds for every backdrop; a move that starts inside a bound may end
// one step past it, and the next move that way is refused.
constexpr float LeftBound = 0;
constexpr float RightBound = -1150;
constexpr float BottomBound = -400;
constexpr float TopBound = 0;

bool EitherHeld(const Input& input, Scancode a, Scancode b) { return input.IsHeld(a) || input.IsHeld(b); }

// The set pieces that hold the player still stop walking in every frame they
// run, but walking comes first in the frame: in the frame a fade ends into
// one, the speed is still what the fade left, and a held key would shift a
// full-screen picture for the whole of it. So walking asks them directly.
bool HeldStillBySetPiece(const GameState& state) {
  if (state.SceneIndex == 86 && state.AnimationFrame <= 5) return true;  // something gets away
  if (!state.Animating) return false;
  switch (state.AnimationKind) {
    case CarRideOne:
    case CarRideTwo:
    case ForestWalk:
    case LeaveCabin:
    case CampfireFlicker:
    case WalkToLake:
    case WalkToPhone:
      return true;
    default:
      return false;  // getting out of bed, the lake and the drive away leave walking alone
  }
}

}  // namespace

bool IsForwardHeld(const Input& input) { return EitherHeld(input, ScancodeW, ScancodeUp); }

void UpdateWalking(GameState& state, Input& input) {
  input.PumpEvents();  // the frame's one snapshot of the held keys
  if (state.DialogueActive) return;
  if (std::find(NoWalkScenes.begin(), NoWalkScenes.end(), state.SceneIndex) != NoWalkScenes.end()) return;
  if (HeldStillBySetPiece(state)) return;

  // Each direction is tested against the value its own move starts from, so
  // Left and Right together move and come back within the frame.
  const float step = state.WalkSpeed * state.DeltaTime;
  FRect& view = state.BackgroundRect;
  if (EitherHeld(input, ScancodeLeft, ScancodeA) && view.x < LeftBound) view.x += step;
  if (EitherHeld(input, ScancodeRight, ScancodeD) && view.x > RightBound) view.x -= step;
  if (EitherHeld(input, ScancodeDown, ScancodeS) && view.y > BottomBound) view.y -= step;
  if (EitherHeld(input, ScancodeUp, ScancodeW) && view.y < TopBound) view.y += step;
}

bool ShiftQuitRequested(const GameState& state, const Input& input) {
  return state.ShiftQuitAllowed && EitherHeld(input, ScancodeLeftShift, ScancodeRightShift);
}
