#pragma once
// A whole play-through, first played by the harness's Player against the
// recording platform (which the Player needs, to read the screen), with every
// frame's input and clock step written down; then played again from that
// script against a platform that does nothing at all, so that what is timed
// is the game's own logic and draw submission and nothing of the recording.
// The game is deterministic given its input, its clock and its random seed,
// so the second run goes through the very same frames; ReplayPlay checks that.

#include <array>
#include <cstdint>
#include <vector>

#include "harness/Player.h"
#include "platform/System.h"
#include "shell/Program.h"

// What the game sees of the outside world in one frame.
struct FrameInput {
  std::array<InputEvent, 4> events{};  // the queue as the frame finds it
  std::uint8_t eventCount = 0;
  std::uint16_t held = 0;  // one bit per key of HeldKeys
  std::uint16_t msPerTick = 16;
};

struct PlayScript {
  std::vector<FrameInput> frames;  // one per title or game frame, in order
  std::vector<int> scenes;         // SceneIndex before each frame
  int exitStatus = -1;
  bool finished = false;  // reached a closing screen and quit by Shift
  unsigned seed = 1;
};

// Plays from start-up to the exit with the Player at a fixed display rate.
PlayScript RecordPlay(PlayerPlan plan, double hz, unsigned seed = 1);

// What one frame of the replay cost.
struct FrameSample {
  std::int64_t cpuNs = 0;   // the thread's CPU time
  std::int64_t wallNs = 0;  // the monotonic clock
  long allocations = 0;     // calls of operator new (0 unless CountingNew.cpp is linked)
  int scene = 0;            // SceneIndex before the frame
  bool title = false;       // a title frame rather than a game frame
};

struct ReplayResult {
  long textsSaid = 0;       // with speech on
  bool sameFrames = false;  // the replay went through the recorded scenes, frame for frame
  int exitStatus = -1;
  std::vector<FrameSample> samples;  // every frame but the last (which quits)
};

// Replays the script through the real program (RunProgram) on a platform that
// does nothing; with `timeFrames`, times every frame. With speech on in
// `options` the spoken layer runs too, handing its texts to a voice that
// only counts them (so what is timed is the layer, not a speech service).
ReplayResult ReplayPlay(const PlayScript& script, bool timeFrames, const GameOptions& options = {});

// Allocations made by the play-through's start-up and teardown are not frames;
// the count function is given by the benchmark that links the counting new.
void SetAllocationCounter(long (*count)());
