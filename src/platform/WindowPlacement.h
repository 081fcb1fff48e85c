#pragma once
// Full screen and back, with or without a window manager. SDL asks the window
// manager to make the window full screen and then draws for the whole display
// whether or not it was done; where none runs (a bare X server, a kiosk) the
// window would stay as it was, with the picture drawn for a screen it does not
// cover. There the game places its window itself, so that it is always drawn
// for the size it really has.

#include <SDL.h>

// Full screen on the desktop's mode, or the window it was before; the
// renderer letterboxes the 800 by 600 picture to either.
void SetWindowFullScreen(SDL_Window* window, bool full);
