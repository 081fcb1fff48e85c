#include "presentation/Overlays.h"

#include <cstdlib>

#include "core/ScreenRects.h"
#include "core/Sixtieths.h"

Prompt ShownPrompt(const GameState& state) {
  if (state.ExitReady && !state.UseReady) return Prompt::Move;
  if (state.UseReady && !state.ExitReady && state.FishingActive) return Prompt::ClickALot;
  if (state.UseReady || (state.BrushingActive && !state.ExitReady && !state.FishingActive)) return Prompt::Use;
  if (state.Animating && state.AnimationKind == ForestWalk) return Prompt::Walk;
  return Prompt::None;
}

void DrawPrompt(const GameState& state, Drawing& drawing) {
  switch (ShownPrompt(state)) {
    case Prompt::Move: drawing.DrawTexture(MoveTexture, nullptr, PromptRect); break;
    case Prompt::ClickALot: drawing.DrawTexture(ClickALotTexture, nullptr, PromptRect); break;
    case Prompt::Use: drawing.DrawTexture(UseTexture, nullptr, PromptRect); break;
    case Prompt::Walk: drawing.DrawTexture(WalkTexture, nullptr, WalkPromptRect); break;
    case Prompt::None: break;
  }
}

void DrawHeldObjects(const GameState& state, Drawing& drawing) {
  if (state.BrushingActive) drawing.DrawTexture(ToothBrushTexture, nullptr, state.ToothbrushRect);
  if ((state.UseReady && state.SceneIndex == 31) || state.SceneIndex == 77)
    drawing.DrawTexture(LighterTexture, nullptr, ItemRect);
  if (state.Drinking) drawing.DrawTexture(WaterBottleTexture, nullptr, ItemRect);
  if (state.RodVisible)
    drawing.DrawTexture(state.FishingActive ? FishingRodUsingTexture : FishingRodTexture, nullptr, RodRect);
  if (state.PhotoShown) drawing.DrawTexture(PhotoTexture, nullptr, ScreenRect);
}

void DrawNightTint(const GameState& state, Drawing& drawing) { DrawNightTintAt(state, drawing, state.NightTint); }

void DrawNightTintAt(const GameState& state, Drawing& drawing, int alpha) {
  // The last walk and the car carry a hint of red.
  const bool lastEscape = state.SceneIndex == 90 || state.SceneIndex == 91;
  drawing.SetDrawColor({static_cast<std::uint8_t>(lastEscape ? 8 : 0), 0, 5, static_cast<std::uint8_t>(alpha)});
  drawing.FillRect(ScreenRect);
}

void DrawScreenOverlay(GameState& state, Drawing& drawing) {
  const bool newFrame = TickInSixtieths(state.StaticTimer, 0.3f, state);
  drawing.DrawTexture(StaticTexture, &StaticFrameRects[state.StaticFrame], ScreenRect);
  // A new frame shows from the next frame on; the same one may come again.
  if (newFrame) state.StaticFrame = std::rand() % 4;
  drawing.DrawTexture(ScanlinesTexture, nullptr, ScreenRect);
}
