#pragma once
// A player that only sends input, as a person would: it looks at what the
// last frame drew (is a line shown, which prompt is up) and at where the
// backdrop stands, and holds arrow keys or W, releases Return, or waits. It
// never writes game state.

#include <cstdint>
#include <string>

#include "RecordingPlatform.h"
#include "core/GameState.h"

struct PlayerPlan {
  bool standStillInLastWalk = false;  // let the creature catch up in the forest
  bool dieOnceInBedroom = false;      // stay in bed after the warning, the first time
  double readingMs = 0;               // how long each line is read before Return moves on
};

class Player {
 public:
  explicit Player(PlayerPlan plan = {}) : plan_(plan) {}

  // Looks at the state before a frame and the calls of the frame before it,
  // and sets the input for the coming frame. `nowMs` is the real time.
  void Decide(const GameState& state, const RecordingDrawing& lastFrame, ScriptedInput& input, double nowMs);

  bool diedOnce() const { return died_; }

 private:
  void PressReturn(ScriptedInput& input, double nowMs);
  void WalkTowardExit(const GameState& state, ScriptedInput& input);

  PlayerPlan plan_;
  double lastPressMs_ = -1e9;
  std::string line_;  // the line on screen, and since when
  double lineSinceMs_ = 0;
  bool waitingToDie_ = false;
  bool died_ = false;
};
