#include "story/Brushing.h"

#include <cstdlib>

namespace {

constexpr const char* BrushingSounds[] = {BrushTeethOneFile, BrushTeethTwoFile, BrushTeethThreeFile};
constexpr int StrokesToFinish = 20;
constexpr float BrushLow = 400;
constexpr float BrushHigh = 350;

}  // namespace

void BrushStroke(GameState& state, Audio& audio) {
  if (!state.BrushingActive) return;
  audio.PlayOnce(BrushingSounds[std::rand() % 3]);
  state.BrushStrokes += 1;
  state.BrushUp = !state.BrushUp;
}

void UpdateBrushing(GameState& state) {
  // While a line is shown, strokes still count but the brush stays put and the
  // game cannot end until the line is gone.
  if (state.DialogueActive || !state.BrushingActive) return;
  state.ToothbrushRect.y = state.BrushUp ? BrushLow : BrushHigh;
  if (state.BrushStrokes < StrokesToFinish) return;
  state.BrushingActive = false;
  state.UseActive = false;
  state.UseReady = false;
  state.ExitReady = true;
  state.DialogueActive = false;
  // In the cabin the sink scene moves on at once; at home the player walks on.
  if (state.SceneIndex == 56) state.SceneIndex = 57;
}
