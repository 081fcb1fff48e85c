#pragma once
// Plays the real program from start-up to its exit with the Player, and keeps
// what a reviewer needs: the scenes in the order visited, every line read,
// the exit status and the story's length in game seconds.

#include <functional>
#include <string>
#include <vector>

#include "EarPlayer.h"
#include "Player.h"
#include "RecordingPlatform.h"
#include "core/GameOptions.h"

class FakeSystem;

// A sound call as the game made it, with the moment it was heard: the real
// time since start-up of the frame that made it, and the scene of that frame.
struct HeardSound {
  double ms;
  int scene;
  SoundCall call;
};

struct PlaythroughResult {
  int exitStatus = -1;
  bool finished = false;  // ended by the player, not by the frame limit
  std::vector<int> scenes;
  std::vector<std::string> lines;  // as drawn, consecutive repeats folded
  double storySeconds = 0;         // game time, from the first game frame
  long frames = 0;
  // Every start, stop, loop and play-once from start-up to the exit, in order,
  // and the master volume the game set: what a listener heard, to mix again.
  std::vector<HeardSound> sounds;
  float masterVolume = 0;
  // What the game said, in order (with speech on).
  std::vector<SpeechCall> spoken;
};

// The length of each frame in whole milliseconds.
using FrameSchedule = std::function<int(long frameNumber)>;

FrameSchedule FixedRate(double hz);
// Frames of a 60 Hz display that jitter between minMs and maxMs.
FrameSchedule Jittering(int minMs, int maxMs, unsigned seed);

// Called before each title and game frame with the state and the platform's
// record of the frame before it (start-up's calls before the first); and once
// more, with no state, after the last frame and the teardown.
using FrameLook = std::function<void(const GameState* state, FakeSystem& system)>;

// The three ways the story ends, as the Player plays them.
struct Ending {
  const char* name;
  PlayerPlan plan;
};
inline const Ending Endings[] = {
    {"DriveAway", {}},
    {"Jumpscare", {.standStillInLastWalk = true}},
    {"DeathThenDriveAway", {.dieOnceInBedroom = true}},
};

PlaythroughResult PlayThrough(PlayerPlan plan, FrameSchedule schedule, unsigned seed = 1,
                              double gameSecondsLimit = 2400, const GameOptions& options = {},
                              const FrameLook& look = {});

// The same, played by a player who hears what the game says and sees nothing
// (speech must be on in `options`).
PlaythroughResult PlayByEar(EarPlan plan, FrameSchedule schedule, unsigned seed = 1, double gameSecondsLimit = 2400,
                            const GameOptions& options = {.Speech = true}, const FrameLook& look = {});
