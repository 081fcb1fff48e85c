#pragma once
#include "platform/System.h"
#include "core/GameState.h"

// Looks at the game before each title and game frame, as a player looks at
// the screen; used by the test harness to play the real program.
class FrameObserver {
 public:
  virtual ~FrameObserver() = default;
  virtual void BeforeFrame(const GameState& state) = 0;
};

// The whole run: start-up in its fixed order, the title screen, the game loop
// and teardown. Returns the process's exit status: 0 after a quit, 1 when the
// window, the renderer or the audio engine cannot be made, or a picture is missing.
int RunProgram(System& system, FrameObserver* observer = nullptr);
