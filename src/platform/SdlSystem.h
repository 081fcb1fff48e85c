#pragma once
// The real platform: a window and renderer from SDL 2 with PNG pictures read
// by libpng, the keyboard, gamepads and ticks from SDL, and sound from miniaudio.
//
// The game is written for the behaviour of a modern SDL; where SDL 2 differs,
// this class bridges it (linear texture scaling by default, full screen on the
// desktop's mode, a letterboxed logical screen, no text-input events).

#include <SDL.h>

#include "platform/ArrivingSounds.h"
#include "platform/MiniaudioAudio.h"
#include "platform/PngPictures.h"
#include "platform/RealSystem.h"
#include "platform/SdlDrawing.h"
#include "platform/SdlInput.h"
#include "platform/SystemSpeech.h"
#include "platform/System.h"

class SdlSystem final : public System {
 public:
  explicit SdlSystem(WindowMode mode = WindowMode::FullScreen);
  // Releases whatever teardown did not reach (after a missing picture the
  // program ends without tearing down).
  ~SdlSystem() override;
  SdlSystem(const SdlSystem&) = delete;
  SdlSystem& operator=(const SdlSystem&) = delete;

  void InitSubsystems() override;
  bool CreateWindow() override;
  bool CreateRenderer() override;
  bool InitAudioEngine() override;
  void ConfigureDisplay() override;
  void SetMasterVolume(float volume) override;

  void LoadTexture(TextureId texture, const char* path) override;
  void FreeSurfaces() override;
  bool TextureLoaded(TextureId texture) override;
  void Log(const char* message) override;

  void CreateSound(SoundId sound, const char* path) override;

  void UninitAudioEngine() override;
  void DestroyTexture(TextureId texture) override;
  void DestroyRenderer() override;
  void DestroyWindow() override;
  void Quit() override;

  Platform& GamePlatform() override { return platform_; }

  void PauseSound() override { audio_.Pause(); }
  void ResumeSound() override { audio_.Resume(); }
  bool IsFullScreen() override;
#ifdef __EMSCRIPTEN__
  // The browser tab hidden or shown again.
  void TabHidden(bool hidden);
#endif
  void SetFullScreen(bool full) override;

  Speech& GameSpeech() override { return *speech_; }
  bool ScreenReaderRunning() override { return SystemScreenReaderRunning(); }

 private:
  WindowMode mode_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  PngPictureReader pictures_;
  bool sdlStarted_ = false;

  SdlDrawing drawing_;
  MiniaudioAudio audio_;
  SdlInput input_;
  SdlClock clock_;
  std::unique_ptr<Speech> speech_ = MakeSystemSpeech();
#ifdef __EMSCRIPTEN__
  // In a browser most sound files arrive while the game plays (WebPage.h).
  ArrivingSounds arriving_;
  Platform platform_{drawing_, arriving_, input_, clock_};
#else
  Platform platform_{drawing_, audio_, input_, clock_};
#endif
};
