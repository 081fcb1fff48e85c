#pragma once
#include "platform/System.h"

// The whole run: start-up in its fixed order, the title screen, the game loop
// and teardown. Returns the process's exit status: 0 after a quit, 1 when the
// window, the renderer or the audio engine cannot be made, or a picture is missing.
int RunProgram(System& system);
