#pragma once
// The game's real window, renderer, keyboard and sound, for the program's entry
// point. Nothing here names SDL or miniaudio; the system behind it does.

#include <memory>

#include "platform/System.h"

// Full screen on the desktop's mode, or an ordinary window of 800 by 600 that
// can be resized; either way the picture is letterboxed to the window.
enum class WindowMode { FullScreen, Windowed };

std::unique_ptr<System> MakeRealSystem(WindowMode mode = WindowMode::FullScreen);
