#pragma once
// Runs the real game frames against the recording platform with a clock that
// moves by a fixed step (or any step a test gives), and scripted input.

#include <cstdint>
#include <functional>

#include "RecordingPlatform.h"
#include "shell/GameFrame.h"
#include "core/GameState.h"

// The game as the title leaves it: the first game frame ends the title's fade.
GameState GameStartState();

class FrameDriver {
 public:
  explicit FrameDriver(GameState start = GameStartState());

  RecordingPlatform rec;
  GameState state;
  std::uint64_t frames = 0;
  bool quit = false;

  // One game frame whose clock has moved by `ms`. Records are cleared first,
  // so after the call they hold exactly this frame's calls.
  FrameResult Frame(double ms = 1000.0 / 60.0);

  // Puts the clock at `exactMs`, for a game state taken from another run
  // whose frames ended there (a 60 Hz run's frame n ends at n * 1000 / 60).
  void ContinueFrom(double exactMs);

  // Frames at a fixed display rate; the clock's whole milliseconds follow the
  // rate exactly, as a real display's would.
  void SetRate(double hz);
  FrameResult Step();  // one frame at the current rate

  // Runs frames at the current rate until `done` holds (true) or `maxFrames` pass (false).
  bool RunUntil(const std::function<bool(const GameState&)>& done, int maxFrames = 100000);
  void RunSeconds(double seconds);

  void ReleaseReturn() { rec.input.events.push_back(InputEvent::ReturnReleased); }
  void Hold(Scancode key) { rec.input.Hold(key); }
  void Release(Scancode key) { rec.input.Release(key); }

 private:
  double exactMs_ = 0;
  double frameMs_ = 1000.0 / 60.0;
};
