#pragma once
#include "platform/Platform.h"
#include "core/GameOptions.h"
#include "core/GameState.h"

enum class FrameResult { Continue, Quit };

// One frame of the game loop: every phase in its fixed order, the drawing in
// its layers, then the present.
FrameResult RunGameFrame(GameState& state, Platform& platform, const GameOptions& options = {});

// The state in which the title screen hands over to the game loop.
void EnterGameFromTitle(GameState& state);
