#include "world/Uses.h"

#include "core/Fades.h"
#include "core/ScreenRects.h"
#include "core/Views.h"

namespace {

void StartConversation(GameState& state, int firstLine) {
  state.DialogueActive = true;
  state.MessageIndex = firstLine;
}

bool IsMealScene(int scene) { return scene == 7 || scene == 26 || scene == 53; }

}  // namespace

void UseSceneObject(GameState& state, Audio& audio) {
  // Tested in this order, each on the scene as it stands; no use moves to a
  // scene that a later test looks at, except the telephone's either-or below.
  const int scene = state.SceneIndex;
  if (scene == 5) {
    state.UseActive = true;
    state.UseReady = false;
    state.BrushingActive = true;
  }
  if (IsMealScene(scene)) {
    state.UseActive = true;
    state.UseReady = false;
    audio.PlayOnce(EatingFile);
    state.DialogueActive = false;
  }
  if (scene == 10) {
    state.UseActive = true;
    state.UseReady = false;
    audio.PlayOnce(ComputerBeepFile);
    state.BackgroundTexture = ComputerCabinRentalsTexture;
  }
  if (scene == 31) {
    state.UseActive = true;
    state.UseReady = false;
    state.AnimationLoops = 0;
    StartConversation(state, 55);
    state.BackgroundTexture = CampfireOneTexture;
    state.Animating = true;
    state.AnimationKind = CampfireFlicker;
    state.BackgroundRect = RoomView;
    audio.PlayOnce(LighterFile);
  }
  if (scene == 39) {
    StartConversation(state, 75);
    state.UseReady = false;
  }
  if (scene == 43 && !state.Drinking) {
    state.UseReady = false;
    state.Drinking = true;
    audio.PlayOnce(DrinkingFile);
  }
  if (scene == 56) {
    state.UseActive = true;
    state.UseReady = false;
    state.BrushingActive = true;
    state.BrushStrokes = 0;
  }
  if (scene == 58) {
    // Taking the rod: a slower fade, so the moment registers.
    StartFadeOut(state);
    state.FadeSpeed = 350;
  }
  if (scene == 61) {
    state.UseReady = false;
    state.FishingActive = true;
  }
  if (scene == 66) StartFadeOut(state);  // the rod goes back
  if (scene == 71) {
    state.BackgroundTexture = TelephoneUseTexture;
    audio.Stop(TelephoneSound);
    state.UseReady = false;
    audio.Start(HeavyBreathingSound);
    StartConversation(state, 118);
  }
  // One reading of the scene: hanging up in 72 must not also walk away from 73.
  if (scene == 72) {
    state.BackgroundTexture = TelephoneTexture;
    audio.Stop(HeavyBreathingSound);
    state.UseReady = true;
    state.SceneIndex = 73;
  } else if (scene == 73) {
    StartFadeOut(state);
  }
  if (scene == 77) {
    audio.PlayOnce(LighterFile);
    state.AnimationFrame = 1;
    state.AnimationKind = CampfireFlicker;
    state.Animating = true;
    state.UseReady = false;
    state.SceneIndex = 78;
    StartConversation(state, 127);
    state.BackgroundRect = RoomView;
  }
  if (scene == 79) {
    if (!state.PhotoShown) {
      state.PhotoShown = true;
      state.BackgroundTexture = CabinTexture;
    } else {
      state.PhotoShown = false;
      state.BackgroundTexture = CabinPhotoTexture;
      state.SceneIndex = 80;
      state.UseReady = false;
      StartConversation(state, 143);
    }
  }
}

void UpdateEating(GameState& state, Drawing& drawing) {
  if (!state.UseActive || state.UseReady) return;
  state.UseReady = false;
  if (!IsMealScene(state.SceneIndex)) return;
  state.EatTimer -= state.DeltaTime;
  if (state.EatTimer < 0) {
    if (state.SceneIndex == 7) {
      // UseActive stays set: the television evening relies on it.
      state.ExitReady = true;
      state.UseReady = false;
    } else {
      state.DialogueActive = true;
      state.ExitReady = false;
      state.UseReady = false;
      state.UseActive = false;
      if (state.SceneIndex == 53) state.MessageIndex = 89;
    }
    return;
  }
  drawing.DrawTexture(state.FoodChoice == 1 ? SoupTexture : PizzaTexture, nullptr, FoodRect);
}

void UpdateDrinking(GameState& state) {
  if (!state.Drinking) return;
  state.WalkSpeed = 0;
  state.DrinkTimer -= state.DeltaTime;
  if (state.DrinkTimer < 0) {
    state.Drinking = false;
    state.WalkSpeed = 250;
  }
}
