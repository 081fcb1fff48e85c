#pragma once
// The report of one frame benchmark: whole play-throughs recorded at 60 Hz by
// the harness's Player, replayed on a platform that does nothing with every
// frame timed, and printed: CPU time per frame and heap allocations. Shared
// by the native benchmark and its WebAssembly build.

#include <cstdint>

#include "FramePlay.h"

struct Story {
  const char* name;
  PlayerPlan plan;
};

// The three ways the story ends: the drive away, the jumpscare, a death first.
extern const Story Stories[3];

// The cost of reading the clock, which every timed frame pays once.
std::int64_t CpuClockCostNs();

// Replays the script twice (the first warms up) and prints the second's
// figures; with `headline`, the targets too. False when the play did not
// finish or the replay went another way.
bool ReportStory(const Story& story, const PlayScript& script, bool headline);
