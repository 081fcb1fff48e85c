#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The cursor that books the cabin by itself once the computer is switched on.
void UpdateBookingComputer(GameState& state, Audio& audio);
void DrawBookingCursor(const GameState& state, Drawing& drawing);
