#pragma once
// What start-up and teardown need from the platform, step by step, so that the
// order of start-up is the shell's and can be checked against a stand-in.

#include <ctime>

#include "platform/Platform.h"
#include "platform/Speech.h"

class System {
 public:
  virtual ~System() = default;

  virtual void InitSubsystems() = 0;   // video, audio, then gamepads; results ignored
  virtual bool CreateWindow() = 0;     // "Tarnwick", 800 by 600, resizable
  virtual bool CreateRenderer() = 0;   // the driver of the platform's choice
  virtual bool InitAudioEngine() = 0;  // default device; a null backend when there is none
  // Full screen, blended fills, an 800 by 600 letterboxed logical screen, vsync.
  virtual void ConfigureDisplay() = 0;
  virtual void SetMasterVolume(float volume) = 0;
  // The seed of the game's random draws: the calendar time, so each run differs.
  virtual unsigned RandomSeed() { return static_cast<unsigned>(std::time(nullptr)); }

  // Decodes the picture at `path` and uploads it; a missing or unreadable file
  // leaves the texture null. Loading goes on whatever the result.
  virtual void LoadTexture(TextureId texture, const char* path) = 0;
  virtual void FreeSurfaces() = 0;
  virtual bool TextureLoaded(TextureId texture) = 0;
  virtual void Log(const char* message) = 0;

  // A sound whose file cannot be loaded is remembered as failed and stays silent.
  virtual void CreateSound(SoundId sound, const char* path) = 0;

  virtual void UninitAudioEngine() = 0;
  virtual void DestroyTexture(TextureId texture) = 0;
  virtual void DestroyRenderer() = 0;
  virtual void DestroyWindow() = 0;
  virtual void Quit() = 0;

  virtual Platform& GamePlatform() = 0;

  // Beside the described game, for the pause menu: every sound stops where it
  // is and goes on from there; the window on the whole display or not.
  virtual void PauseSound() {}
  virtual void ResumeSound() {}
  virtual bool IsFullScreen() { return false; }
  virtual void SetFullScreen(bool /*full*/) {}

  // Beside the described game, for a player who cannot see it: the voice the
  // game speaks through (silent where the system has none), and whether the
  // system says a screen reader is running.
  virtual Speech& GameSpeech() {
    static SilentSpeech silent;
    return silent;
  }
  virtual bool ScreenReaderRunning() { return false; }
};
