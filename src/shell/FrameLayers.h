#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// Draws one game frame, layer by layer, with the logic that sits between the
// layers called at its place, then presents it. This is the one place that
// decides what covers what.
void DrawFrameLayers(GameState& state, Platform& platform);
