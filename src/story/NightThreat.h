#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The hiding countdown of the last night: hide in the closet in time, or die
// and wake again in the cabin bedroom.
void UpdateThreat(GameState& state, Audio& audio);

// Inside the closet: the door, the steps, the views through the slats.
void UpdateCloset(GameState& state, Audio& audio);
