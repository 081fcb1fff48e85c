#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The set pieces that move by themselves: one block per kind, run in a fixed
// order while Animating, so a kind that hands over lets the next block run.
void UpdateAnimation(GameState& state, Platform& platform);
