#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The creature running out of the cabin with the telephone.
void UpdateGetAway(GameState& state, Audio& audio);
