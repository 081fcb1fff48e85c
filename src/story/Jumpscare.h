#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The jumpscare, its game over and its closing screen; draws the face.
void UpdateJumpscare(GameState& state, Platform& platform);

// The time allowed for the last walk through the forest.
void UpdateChase(GameState& state);
