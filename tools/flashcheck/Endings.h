#pragma once
// The three ways the story ends, as the Player plays them.

#include <ostream>

#include "harness/Player.h"

struct Ending {
  const char* name;
  PlayerPlan plan;
};

inline constexpr Ending Endings[] = {
    {"drive-away", {}},
    {"jumpscare", {.standStillInLastWalk = true}},
    {"game-over", {.dieOnceInBedroom = true}},  // then hidden the second time, and away
};

// Test names show the ending's name.
inline void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }
