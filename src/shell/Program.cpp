#include "shell/Program.h"

#include <cstdlib>

#include "assets/SoundLoading.h"
#include "assets/TextureLoading.h"
#include "core/SoundCatalog.h"
#include "shell/GameFrame.h"
#include "shell/TitleScreen.h"

namespace {

void Teardown(System& system, const GameOptions& options) {
  system.UninitAudioEngine();  // all sound stops first
  DestroyAllTextures(system);
  if (options.Captions) system.DestroyTexture(CaptionsTexture);
  system.DestroyRenderer();
  system.DestroyWindow();
  system.Quit();
}

}  // namespace

ProgramRun::ProgramRun(System& system, const GameOptions& options, FrameObserver* observer)
    : system_(system), options_(options), observer_(observer), state_(InitialGameState()) {}

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
  system_.SetMasterVolume(MasterVolume);
  std::srand(system_.RandomSeed());

  // A missing picture has been logged and the platform shut down; the audio
  // engine is left as it is, nothing having played yet.
  if (!LoadAllTextures(system_)) return false;
  if (options_.Captions && !LoadCaptionsTexture(system_)) return false;
  CreateAllSounds(system_);

  Platform& platform = FramePlatform();
  state_ = InitialGameState();
  state_.LastTicks = platform.clock.TicksMs();
  ApplyTextureSettings(platform.drawing, state_.BackgroundTexture);
  if (options_.Captions) StartCaptions(captionBoard_, platform);
  StartTitleMusic(platform.audio);
  phase_ = Phase::Title;
  exitStatus_ = 0;
  return true;
}

Platform& ProgramRun::FramePlatform() {
  Platform& platform = system_.GamePlatform();
  if (!options_.Captions) return platform;
  if (!captionedPlatform_) {
    captionedAudio_ = std::make_unique<CaptionedAudio>(platform.audio, captionBoard_);
    captionedPlatform_ =
        std::make_unique<Platform>(Platform{platform.drawing, *captionedAudio_, platform.input, platform.clock});
  }
  return *captionedPlatform_;
}

bool ProgramRun::Step() {
  Platform& platform = FramePlatform();
  if (phase_ == Phase::Title && !state_.TitleRunning) {
    EnterGameFromTitle(state_);
    phase_ = Phase::Game;
  }
  if (phase_ == Phase::Ended || phase_ == Phase::NotStarted) return false;

  if (observer_) observer_->BeforeFrame(state_);
  const FrameResult result = phase_ == Phase::Title
                                 ? RunTitleFrame(state_, platform, options_)
                                 : RunGameFrame(state_, platform, options_, options_.Captions ? &captionBoard_ : nullptr);
  // A quit on the title leaves TitleRunning set: straight to teardown.
  if (result == FrameResult::Quit) End();
  return phase_ != Phase::Ended;
}

void ProgramRun::End() {
  Teardown(system_, options_);
  phase_ = Phase::Ended;
}

int RunProgram(System& system, FrameObserver* observer, const GameOptions& options) {
  ProgramRun run(system, options, observer);
  if (run.Start())
    while (run.Step()) {
    }
  return run.ExitStatus();
}
