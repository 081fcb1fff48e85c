#pragma once
#include <memory>

#include "core/GameOptions.h"
#include "core/GameState.h"
#include "platform/System.h"
#include "presentation/Captions.h"

// Looks at the game before each title and game frame, as a player looks at
// the screen; used by the test harness to play the real program.
class FrameObserver {
 public:
  virtual ~FrameObserver() = default;
  virtual void BeforeFrame(const GameState& state) = 0;
};

// The whole run as a sequence of frames: start-up in its fixed order, then one
// title or game frame per step, then teardown. A desktop loop steps it until it
// ends; a browser steps it once per animation frame.
class ProgramRun {
 public:
  ProgramRun(System& system, const GameOptions& options = {}, FrameObserver* observer = nullptr);

  // Start-up up to the title's music. False when the program cannot start:
  // the window, the renderer or the audio engine could not be made, or a
  // picture is missing (logged); the platform has then been shut down.
  bool Start();
  // One frame of the title or the game. False once the player has quit and
  // everything has been torn down.
  bool Step();
  // 0 after a quit, 1 when the program could not start.
  int ExitStatus() const { return exitStatus_; }
  // Whether a Shift key quits now: on the title, and on a closing screen.
  bool ShiftQuits() const { return phase_ == Phase::Title || (phase_ == Phase::Game && state_.ShiftQuitAllowed); }

 private:
  enum class Phase { NotStarted, Title, Game, Ended };

  System& system_;
  GameOptions options_;
  FrameObserver* observer_;
  GameState state_;
  Phase phase_ = Phase::NotStarted;
  int exitStatus_ = 0;
  // With captions on: their board, and the platform whose audio puts them up.
  CaptionBoard captionBoard_;
  std::unique_ptr<CaptionedAudio> captionedAudio_;
  std::unique_ptr<Platform> captionedPlatform_;

  // The platform the frames use: the system's, or with captions on the same
  // with the captioned audio in it.
  Platform& FramePlatform();
  void End();
};

// Runs the program from start-up to teardown. Returns the process's exit
// status: 0 after a quit, 1 when the window, the renderer or the audio engine
// cannot be made, or a picture is missing.
int RunProgram(System& system, FrameObserver* observer = nullptr, const GameOptions& options = {});
