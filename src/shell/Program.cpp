#include "shell/Program.h"

#include <cstdlib>

#include "assets/SoundLoading.h"
#include "assets/TextureLoading.h"
#include "core/SoundCatalog.h"
#include "presentation/GentleLight.h"
#include "presentation/Overlays.h"
#include "shell/FrameLayers.h"
#include "shell/GameFrame.h"
#include "shell/Settings.h"
#include "shell/TitleScreen.h"

namespace {

void Teardown(System& system, bool letters) {
  system.UninitAudioEngine();  // all sound stops first
  DestroyAllTextures(system);
  if (letters) system.DestroyTexture(CaptionsTexture);
  system.DestroyRenderer();
  system.DestroyWindow();
  system.Quit();
}

// The game's master volume, turned down by the player's share of it.
float Volume(const GameOptions& options) { return MasterVolume * static_cast<float>(options.VolumePercent) / 100.0f; }

}  // namespace

ProgramRun::ProgramRun(System& system, const GameOptions& options, FrameObserver* observer, SettingsKeeper* keeper)
    : system_(system), options_(options), observer_(observer), keeper_(keeper), state_(InitialGameState()) {}

bool ProgramRun::Start() {
  phase_ = Phase::Ended;
  exitStatus_ = 1;
  system_.InitSubsystems();
  // All three are attempted before the one test.
  const bool window = system_.CreateWindow();
  const bool renderer = system_.CreateRenderer();
  const bool audio = system_.InitAudioEngine();
  if (!window || !renderer || !audio) {
    system_.Quit();
    return false;
  }
  system_.ConfigureDisplay();
  system_.SetMasterVolume(Volume(options_));
  std::srand(system_.RandomSeed());

  // A missing picture has been logged and the platform shut down; the audio
  // engine is left as it is, nothing having played yet.
  if (!LoadAllTextures(system_)) return false;
  if (options_.Captions) {
    if (!LoadCaptionsTexture(system_)) return false;
    letters_ = Letters::Loaded;
  }
  CreateAllSounds(system_);

  Platform& platform = FramePlatform();
  state_ = InitialGameState();
  state_.LastTicks = platform.clock.TicksMs();
  ApplyTextureSettings(platform.drawing, state_.BackgroundTexture);
  captionBoard_.showing = options_.Captions;
  if (options_.Captions) {
    StartCaptions(captionBoard_, platform);
    captionsStarted_ = true;
  }
  StartTitleMusic(platform.audio);
  system_.GameSpeech().SetOn(options_.Speech);
  phase_ = Phase::Title;
  exitStatus_ = 0;
  return true;
}

Platform& ProgramRun::FramePlatform() {
  Platform& platform = system_.GamePlatform();
  if (!framePlatform_) {
    keptFrame_ = std::make_unique<KeptFrame>(platform.drawing);
    captionedAudio_ = std::make_unique<CaptionedAudio>(platform.audio, captionBoard_);
    framePlatform_ = std::make_unique<Platform>(Platform{*keptFrame_, *captionedAudio_, platform.input, platform.clock});
  }
  return *framePlatform_;
}

bool ProgramRun::AsksToHoldUp() const {
  return phase_ == Phase::Game && !menu_.open && ShownPrompt(state_) == Prompt::Walk;
}

bool ProgramRun::Step() {
  if (phase_ == Phase::Title && !state_.TitleRunning) {
    EnterGameFromTitle(state_);
    phase_ = Phase::Game;
  }
  if (phase_ == Phase::Ended || phase_ == Phase::NotStarted) return false;
  return menu_.open ? MenuStep() : GameStep();
}

bool ProgramRun::GameStep() {
  Platform& platform = FramePlatform();
  if (observer_) observer_->BeforeFrame(state_);
  const bool title = phase_ == Phase::Title;
  CaptionBoard* captions = options_.Captions ? &captionBoard_ : nullptr;
  const FrameResult result =
      title ? RunTitleFrame(state_, platform, options_) : RunGameFrame(state_, platform, options_, captions);
  // A quit on the title leaves TitleRunning set: straight to teardown.
  if (result == FrameResult::Quit) {
    End();
    return false;
  }
  AgeStartedSounds(captionBoard_, state_.DeltaTime);
  Speech* voice = Narrating() ? &system_.GameSpeech() : nullptr;
  if (title)
    spoken_.AfterTitleFrame(state_, voice);
  else
    spoken_.AfterGameFrame(state_, captions, voice);
  // The frame that asked ran whole; the game stands still from the next.
  if (result == FrameResult::Pause) OpenMenu();
  if (result == FrameResult::SpeechSwitch) SwitchSpeech();
  if (result == FrameResult::Describe && voice) spoken_.Describe(state_, *voice);
  return true;
}

void ProgramRun::SwitchSpeech() {
  options_.Speech = !options_.Speech;
  Apply(MenuItem::Speech);
  Speech& speech = system_.GameSpeech();
  if (options_.Speech) {
    speech.Say("Speech on.", true);
    spoken_.Describe(state_, speech);
  } else {
    speech.Say("Speech off.", true);
  }
}

void ProgramRun::OpenMenu() {
  menu_ = {true, MenuItem::Resume};
  options_.FullScreen = windowFullScreen_ = system_.IsFullScreen();  // F11 may have changed it
  optionsAtOpen_ = options_;
  LettersReady();
  system_.PauseSound();
  if (Narrating()) spoken_.MenuOpened(menu_, options_, system_.GameSpeech());
}

bool ProgramRun::MenuStep() {
  Platform& platform = FramePlatform();
  const MenuEvent event = platform.input.PollMenuEvent();
  const bool narrating = Narrating();
  const MenuResult result = TakeMenuEvent(menu_, options_, event);
  switch (result.outcome) {
    case MenuOutcome::Quit:
      End();
      return false;
    case MenuOutcome::Resume:
      CloseMenu();
      break;
    case MenuOutcome::Changed:
      Apply(result.item);
      break;
    case MenuOutcome::Stay:
      break;
  }
  // F11 (or a browser leaving its full screen) while the menu is open: the
  // item shows what the window has become. Only a change the menu did not ask
  // for is taken: a browser may take a moment to do what it was asked.
  const bool windowFullScreen = system_.IsFullScreen();
  if (windowFullScreen != windowFullScreen_) options_.FullScreen = windowFullScreen;
  windowFullScreen_ = windowFullScreen;
  // Said before the menu is gone, and with speech just turned off, that it is.
  if (menu_.open && (narrating || Narrating())) {
    if (event.kind == MenuEvent::Kind::Describe)
      spoken_.MenuOpened(menu_, options_, system_.GameSpeech());
    else
      spoken_.AfterMenuEvent(menu_, options_, system_.GameSpeech());
  }
  DrawPausedFrame(*keptFrame_, system_.GamePlatform().drawing, menu_.open ? &menu_ : nullptr, options_);
  return true;
}

void ProgramRun::Apply(MenuItem item) {
  switch (item) {
    case MenuItem::Captions:
      // Turned on, they show every captioned sound playing now, and each
      // that starts from then on.
      if (options_.Captions && LettersReady()) {
        if (!captionsStarted_) StartCaptions(captionBoard_, FramePlatform());
        captionsStarted_ = true;
        ShowCaptionsOfSoundsPlaying(captionBoard_, FramePlatform().audio);
      } else {
        HideCaptions(captionBoard_);
        captionBoard_.showing = options_.Captions;
      }
      if (keeper_) keeper_->Keep(&GameOptions::Captions, options_);
      break;
    case MenuItem::GentlerFlashes:
      if (keeper_) keeper_->Keep(&GameOptions::ReduceFlashing, options_);
      break;
    case MenuItem::Volume:
      system_.SetMasterVolume(Volume(options_));
      if (keeper_) keeper_->Keep(&GameOptions::VolumePercent, options_);
      break;
    case MenuItem::FullScreen:
      system_.SetFullScreen(options_.FullScreen);
      if (keeper_) keeper_->Keep(&GameOptions::FullScreen, options_);
      break;
    case MenuItem::Speech:
      system_.GameSpeech().SetOn(options_.Speech);
      if (keeper_) keeper_->Keep(&GameOptions::Speech, options_);
      break;
    case MenuItem::Resume:
    case MenuItem::Quit:
      break;
  }
}

void ProgramRun::CloseMenu() {
  menu_.open = false;
  // The gentle light takes over from the light on the screen, or gives it back.
  if (options_.ReduceFlashing && !optionsAtOpen_.ReduceFlashing) TakeOverGentleLight(state_);
  if (!options_.ReduceFlashing && optionsAtOpen_.ReduceFlashing) LeaveGentleLight(system_.GamePlatform().drawing);
  // The time the menu was open never reaches the game.
  state_.LastTicks = FramePlatform().clock.TicksMs();
  system_.ResumeSound();
}

bool ProgramRun::LettersReady() {
  if (letters_ == Letters::NotLoaded)
    letters_ = LoadCaptionsTextureDuringPlay(system_) ? Letters::Loaded : Letters::Missing;
  return letters_ == Letters::Loaded;
}

void ProgramRun::End() {
  menu_.open = false;
  Teardown(system_, letters_ == Letters::Loaded);
  phase_ = Phase::Ended;
}

int RunProgram(System& system, FrameObserver* observer, const GameOptions& options) {
  ProgramRun run(system, options, observer);
  if (run.Start())
    while (run.Step()) {
    }
  return run.ExitStatus();
}
