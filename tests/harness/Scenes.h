#pragma once
// Ways for a test to stand somewhere in the story without playing up to it.

#include "FrameDriver.h"
#include "core/Views.h"

// Arrived in `scene` through the row that leads there, as the story does, with
// the title's fade over (the row's own fade is not run).
FrameDriver ArrivedIn(int scene);

// Standing in `scene` before `backdrop` at `view`, the fade over and no line shown.
FrameDriver StandingIn(int scene, TextureId backdrop, FRect view = RoomView);
