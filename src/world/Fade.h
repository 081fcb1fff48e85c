#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The fade to black and back that joins most scenes. Draws the fade rectangle
// and the next-day card, steps the fade, and on the first frame of a fade back
// applies the scene row that moves the story on. Any part of the game starts a
// fade with StartFadeOut (core/Fades.h).
void UpdateFade(GameState& state, Platform& platform);
