#pragma once
// The real system (window, renderer, sound) with the harness's Player at the
// keys and a clock that steps as the caller says: the real game played by
// input alone, as fast as its frames draw. The window's own events still come
// from the real queue, so closing it or SIGTERM still quits.

#include <cstdint>
#include <memory>
#include <vector>

#include "RecordingPlatform.h"
#include "SteppingClock.h"
#include "platform/System.h"

// Draws on the real renderer and records the calls for the Player to read.
// With drawEveryFrame off, only the textures' blend, alpha and scaling reach
// the real renderer as they come (they last from frame to frame); the frames
// themselves are drawn only when asked, by redrawing the recorded calls. A
// software renderer spends almost all of a played-through game's time drawing
// frames nobody looks at.
class TeeDrawing final : public Drawing {
 public:
  TeeDrawing(Drawing& real, RecordingDrawing& record) : real_(real), record_(record) {}
  // Draws and presents the recorded frame on the real renderer.
  void Redraw(const std::vector<DrawCall>& calls);
  bool drawEveryFrame = true;

  void Clear() override;
  void Present() override;
  void SetDrawColor(Rgba color) override;
  void FillRect(const FRect& dest) override;
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override;
  void SetTextureBlend(TextureId texture) override;
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override;
  void SetTextureNearest(TextureId texture) override;

 private:
  Drawing& real_;
  RecordingDrawing& record_;
};

// The Player's keys; the window's own events are still taken from SDL's queue
// (a closed window or SIGTERM still quits), one batch a frame.
class PlayerInput final : public Input {
 public:
  PlayerInput(Input& real, ScriptedInput& player) : real_(real), player_(player) {}
  InputEvent PollEvent() override;
  void PumpEvents() override { real_.PumpEvents(); }
  bool IsHeld(Scancode key) const override { return player_.IsHeld(key); }

 private:
  Input& real_;
  ScriptedInput& player_;
};

// The real system, with the Player's input and clock in the game's platform.
class PlayedSystem final : public System {
 public:
  explicit PlayedSystem(System& real) : real_(real) {}
  void InitSubsystems() override { real_.InitSubsystems(); }
  bool CreateWindow() override { return real_.CreateWindow(); }
  bool CreateRenderer() override { return real_.CreateRenderer(); }
  bool InitAudioEngine() override { return real_.InitAudioEngine(); }
  void ConfigureDisplay() override { real_.ConfigureDisplay(); }
  void SetMasterVolume(float volume) override { real_.SetMasterVolume(volume); }
  unsigned RandomSeed() override { return 1; }
  void LoadTexture(TextureId texture, const char* path) override { real_.LoadTexture(texture, path); }
  void FreeSurfaces() override { real_.FreeSurfaces(); }
  bool TextureLoaded(TextureId texture) override { return real_.TextureLoaded(texture); }
  void Log(const char* message) override { real_.Log(message); }
  void CreateSound(SoundId sound, const char* path) override { real_.CreateSound(sound, path); }
  void UninitAudioEngine() override { real_.UninitAudioEngine(); }
  void DestroyTexture(TextureId texture) override { real_.DestroyTexture(texture); }
  void DestroyRenderer() override { real_.DestroyRenderer(); }
  void DestroyWindow() override { real_.DestroyWindow(); }
  void Quit() override { real_.Quit(); }
  Platform& GamePlatform() override;
  void PauseSound() override { real_.PauseSound(); }
  void ResumeSound() override { real_.ResumeSound(); }
  bool IsFullScreen() override { return real_.IsFullScreen(); }
  void SetFullScreen(bool full) override { real_.SetFullScreen(full); }
  // The real system's voice, unless another is handed in.
  Speech& GameSpeech() override { return speech ? *speech : real_.GameSpeech(); }
  Speech* speech = nullptr;
  // Frames reach the window only through RedrawRecorded.
  void DrawOnlyWhenAsked();
  // The recorded frame, drawn and presented in the window.
  void RedrawRecorded();

  RecordingDrawing recording;
  ScriptedInput playerInput;
  SteppingClock clock;

 private:
  System& real_;
  std::unique_ptr<TeeDrawing> drawing_;
  std::unique_ptr<PlayerInput> input_;
  std::unique_ptr<Platform> platform_;
};
