#pragma once
#include <memory>

#include "core/GameOptions.h"
#include "core/GameState.h"
#include "platform/System.h"
#include "presentation/Captions.h"
#include "presentation/KeptFrame.h"
#include "presentation/PauseMenu.h"
#include "presentation/SpokenLayer.h"

class SettingsKeeper;

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
//
// Beside the described game, a step may instead be a frame of the pause menu:
// the game's last frame drawn again, dimmed, with the menu over it, while the
// game stands still (no game frame runs, no sound plays, and the time the menu
// was open never reaches the game's clock).
class ProgramRun {
 public:
  // `options` are this run's; `keeper`, when given, keeps what the player
  // changes in the pause menu for the next run.
  ProgramRun(System& system, const GameOptions& options = {}, FrameObserver* observer = nullptr,
             SettingsKeeper* keeper = nullptr);

  // Start-up up to the title's music. False when the program cannot start:
  // the window, the renderer or the audio engine could not be made, or a
  // picture is missing (logged); the platform has then been shut down.
  bool Start();
  // One frame of the title, the game or the pause menu. False once the
  // player has quit and everything has been torn down.
  bool Step();
  // 0 after a quit, 1 when the program could not start.
  int ExitStatus() const { return exitStatus_; }
  // Whether a Shift key quits now: on the title, and on a closing screen.
  bool ShiftQuits() const { return phase_ == Phase::Title || (phase_ == Phase::Game && state_.ShiftQuitAllowed); }

  bool Paused() const { return menu_.open; }
  // Whether the game shows its prompt to hold W (the forest walks), and is not paused.
  bool AsksToHoldUp() const;
  const GameOptions& Options() const { return options_; }

 private:
  enum class Phase { NotStarted, Title, Game, Ended };

  System& system_;
  GameOptions options_;
  FrameObserver* observer_;
  SettingsKeeper* keeper_;
  GameState state_;
  Phase phase_ = Phase::NotStarted;
  int exitStatus_ = 0;

  // The platform the frames use: the system's, drawing through the kept
  // frame and playing through the captioned audio (which only notes the
  // sounds while captions are off).
  std::unique_ptr<KeptFrame> keptFrame_;
  CaptionBoard captionBoard_;
  std::unique_ptr<CaptionedAudio> captionedAudio_;
  std::unique_ptr<Platform> framePlatform_;
  bool captionsStarted_ = false;
  enum class Letters { NotLoaded, Loaded, Missing } letters_ = Letters::NotLoaded;

  PauseMenu menu_;
  GameOptions optionsAtOpen_;
  bool windowFullScreen_ = false;  // as the system last said, while the menu is open

  // Beside the described game: what the screen shows, said aloud.
  SpokenLayer spoken_;
  // Whether the game speaks now: speech is on, or the words reach the player
  // anyway (a web page's live region).
  bool Narrating() { return options_.Speech || system_.GameSpeech().HeardWithSpeechOff(); }
  void SwitchSpeech();

  Platform& FramePlatform();
  bool GameStep();
  bool MenuStep();
  void OpenMenu();
  void CloseMenu();
  void Apply(MenuItem item);
  bool LettersReady();
  void End();
};

// Runs the program from start-up to teardown. Returns the process's exit
// status: 0 after a quit, 1 when the window, the renderer or the audio engine
// cannot be made, or a picture is missing.
int RunProgram(System& system, FrameObserver* observer = nullptr, const GameOptions& options = {});
