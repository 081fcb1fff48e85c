#include "world/ReturnHandler.h"

#include "core/Fades.h"
#include "story/Brushing.h"
#include "story/DialogueScript.h"
#include "story/Fishing.h"
#include "world/Uses.h"

void HandleReturn(GameState& state, Audio& audio) {
  AdvanceDialogue(state, audio);
  if (state.BrushingActive) BrushStroke(state, audio);
  if (state.UseReady && !state.ExitReady) UseSceneObject(state, audio);
  FishingClick(state, audio);
  WalkOnAtExit(state, audio);
}

void WalkOnAtExit(GameState& state, Audio& audio) {
  // The line that a dialogue advance just closed is still "shown" here: the
  // script applies the closing entry later in the frame, so one press never
  // both ends a conversation and walks on.
  if (!state.ExitReady || state.UseReady || state.DialogueActive || state.FadingOut || state.FadingIn) return;

  if (state.FootstepSurface == 0) audio.PlayOnce(FootstepsWoodFile);
  if (state.FootstepSurface == 1) audio.PlayOnce(FootstepsGrassFile);

  switch (state.SceneIndex) {
    case 17:
      audio.PlayOnce(EngineStartupFile);
      StartFadeOut(state);
      break;
    case 0:
      // Getting out of bed is an animation, not a fade.
      state.SceneIndex = 1;
      state.Animating = true;
      state.AnimationKind = GetOutOfBed;
      break;
    case 14:
      state.SceneIndex = 15;
      state.Animating = true;  // still the getting-out-of-bed kind from the first morning
      break;
    case 60:
      state.FadeSpeed = 1000;
      StartFadeOut(state);
      break;
    default:
      StartFadeOut(state);
      break;
  }
}
