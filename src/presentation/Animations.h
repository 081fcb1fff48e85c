#pragma once
#include "platform/Platform.h"
#include "core/GameOptions.h"
#include "core/GameState.h"

// The set pieces that move by themselves: one block per kind, run in a fixed
// order while Animating, so a kind that hands over lets the next block run.
// A player who asks for fewer flashes gets the black lead-in of the first car
// ride and the camera's white in the gentler light (GentleLight.h).
void UpdateAnimation(GameState& state, Platform& platform, const GameOptions& options = {});
