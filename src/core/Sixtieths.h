#pragma once
// Game time in sixtieths of a second. What the game counts in frames, and the
// ticks of its animations, run on the frames a 60 Hz display would have
// shown in the same game time: the k-th of them ends at floor(k * 1000 / 60)
// whole milliseconds of game time, so each lasts 16 or 17 ms, exactly as a
// 60 Hz display's frames do. A slower display runs several of them in one of
// its frames, a faster one none in some; on a 60 Hz display each frame is
// exactly one, and nothing changes.

#include <cstdint>

#include "core/GameState.h"

// Adds a frame's game time (its clamped whole milliseconds) and counts the
// sixtieths that ended within it. The frame clock calls this.
void CountSixtieths(GameState& state, std::uint64_t frameMs);

// The length in seconds of the i-th sixtieth that ended in this frame.
float SixtiethSeconds(const GameState& state, int i);

// The tick rule of a repeating timer, run once per sixtieth: the timer runs
// down, and in the sixtieth it goes below zero (or reaches zero, with
// `atZero`) it restarts at its full period and the tick fires. What a slow
// display's frame holds after that sixtieth runs down the new period, as a 60
// Hz display's next frames would. Fires at most once a frame; with `mayFire`
// false the timer only runs down.
bool TickInSixtieths(float& timer, float period, const GameState& state, bool mayFire = true, bool atZero = false);
