#include "shell/Program.h"

#include <cstdlib>

#include "assets/SoundLoading.h"
#include "assets/TextureLoading.h"
#include "core/SoundCatalog.h"
#include "shell/GameFrame.h"
#include "shell/TitleScreen.h"

namespace {

void Teardown(System& system) {
  system.UninitAudioEngine();  // all sound stops first
  DestroyAllTextures(system);
  system.DestroyRenderer();
  system.DestroyWindow();
  system.Quit();
}

}  // namespace

int RunProgram(System& system, FrameObserver* observer) {
  system.InitSubsystems();
  // All three are attempted before the one test.
  const bool window = system.CreateWindow();
  const bool renderer = system.CreateRenderer();
  const bool audio = system.InitAudioEngine();
  if (!window || !renderer || !audio) {
    system.Quit();
    return 1;
  }
  system.ConfigureDisplay();
  system.SetMasterVolume(MasterVolume);
  std::srand(system.RandomSeed());

  // A missing picture has been logged and the platform shut down; the audio
  // engine is left as it is, nothing having played yet.
  if (!LoadAllTextures(system)) return 1;
  CreateAllSounds(system);

  Platform& platform = system.GamePlatform();
  GameState state = InitialGameState();
  state.LastTicks = platform.clock.TicksMs();
  ApplyTextureSettings(platform.drawing, state.BackgroundTexture);

  RunTitle(state, platform, observer);
  // A quit on the title leaves TitleRunning set: straight to teardown.
  if (!state.TitleRunning) {
    do {
      if (observer) observer->BeforeFrame(state);
    } while (RunGameFrame(state, platform) == FrameResult::Continue);
  }
  Teardown(system);
  return 0;
}
