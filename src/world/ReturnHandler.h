#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// Return, released: advance the dialogue, count a brushing stroke, use the thing
// at hand, click in the fishing game, or walk on at an exit, in that order, each
// seeing what the ones before it changed.
void HandleReturn(GameState& state, Audio& audio);

// The last branch: walk on through the exit with a footstep.
void WalkOnAtExit(GameState& state, Audio& audio);
