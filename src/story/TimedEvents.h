#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The moments that move on by themselves: the evening at the television, the
// first night in the cabin, and the telephone.
void UpdateTimedEvents(GameState& state, Audio& audio);

// Lights out in the cabin bathroom, and the laugh that brings them back.
void UpdateLightsOut(GameState& state, Audio& audio);
