#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// Reads the held keys once for the frame and slides the backdrop with the arrow
// keys or A, D, W, S: walking, for a player who is never seen.
void UpdateWalking(GameState& state, Input& input);

// True when the closing screen allows quitting and a Shift key is held.
bool ShiftQuitRequested(const GameState& state, const Input& input);

bool IsForwardHeld(const Input& input);  // W or Up
