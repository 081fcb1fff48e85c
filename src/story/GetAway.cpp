#include "story/GetAway.h"

#include "core/Sixtieths.h"
#include "core/Views.h"

namespace {

constexpr float PanoramaViewWidth = 2000;
constexpr int LastStep = 5;

}  // namespace

void UpdateGetAway(GameState& state, Audio& audio) {
  if (state.SceneIndex != 86) return;
  // Half a second on the first view, then four quick ones as it runs out.
  if (state.AnimationFrame <= LastStep) {
    if (state.GetAwaySoundPending) {
      audio.PlayOnce(ItGettingAwayScareFile);
      state.GetAwaySoundPending = false;
    }
    state.WalkSpeed = 0;
    if (TickInSixtieths(state.GetAwayTimer, 0.1f, state, true, /*atZero=*/true)) {
      state.BackgroundRect.x -= PanoramaViewWidth;
      state.AnimationFrame += 1;
    }
  }
  // The fifth step shows the room it left behind, without its telephone.
  if (state.AnimationFrame == LastStep) {
    state.WalkSpeed = 255;
    state.AnimationFrame = 7;
    state.BackgroundTexture = NoPhoneCabinTexture;
    state.BackgroundRect = RoomView;
  }
}
