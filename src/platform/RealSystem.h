#pragma once
// The game's real window, renderer, keyboard and sound, for the program's entry
// point. Nothing here names SDL or miniaudio; the system behind it does.

#include <memory>

#include "platform/System.h"

std::unique_ptr<System> MakeRealSystem();
