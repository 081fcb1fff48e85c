#pragma once
// Which way the exit or the thing to use of a scene lies from the view now,
// from the same hotspot windows that set the prompts: for a player who
// cannot see the picture, and turns toward what they heard of.

#include <string>

#include "core/GameState.h"

struct Bearing {
  bool known = false;      // false where the scene has no window to turn toward
  bool isExit = false;     // the window walks on (else it uses something)
  std::string words;       // "ahead", "a little to your left", "far to your right", ...
};

Bearing WhichWay(const GameState& state);
