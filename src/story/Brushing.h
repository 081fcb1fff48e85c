#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// A Return while brushing: a brushing sound, a stroke, the brush moves.
void BrushStroke(GameState& state, Audio& audio);

// The brush's height, and the end of the game at the twentieth stroke.
void UpdateBrushing(GameState& state);
