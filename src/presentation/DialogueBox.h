#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The grey band with the current line in the pixel font, while a line is shown.
void DrawDialogue(GameState& state, Drawing& drawing);
