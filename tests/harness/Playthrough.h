#pragma once
// Plays the real program from start-up to its exit with the Player, and keeps
// what a reviewer needs: the scenes in the order visited, every line read,
// the exit status and the story's length in game seconds.

#include <functional>
#include <string>
#include <vector>

#include "Player.h"
#include "RecordingPlatform.h"
#include "core/GameOptions.h"

struct PlaythroughResult {
  int exitStatus = -1;
  bool finished = false;  // ended by the player, not by the frame limit
  std::vector<int> scenes;
  std::vector<std::string> lines;  // as drawn, consecutive repeats folded
  double storySeconds = 0;         // game time, from the first game frame
  long frames = 0;
};

// The length of each frame in whole milliseconds.
using FrameSchedule = std::function<int(long frameNumber)>;

FrameSchedule FixedRate(double hz);
// Frames of a 60 Hz display that jitter between minMs and maxMs.
FrameSchedule Jittering(int minMs, int maxMs, unsigned seed);

// Sees the calls of each frame (the first time, those of start-up) and the
// state after it, before the Player looks at them.
using FrameWatch = std::function<void(const GameState& state, const RecordingPlatform& calls)>;

PlaythroughResult PlayThrough(PlayerPlan plan, FrameSchedule schedule, unsigned seed = 1,
                              double gameSecondsLimit = 2400, const GameOptions& options = {},
                              const FrameWatch& watch = nullptr);
