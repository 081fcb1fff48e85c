#pragma once
// Why a start failed, in a player's words: the Windows version shows it in a
// box, since a player who double-clicked has no terminal to read the game's
// one log line in. It wraps the real system and passes every call on
// unchanged, noting the first step that failed; kept apart from the Windows
// calls so that it is built and checked everywhere.

#include <memory>
#include <string>

#include "platform/System.h"

class StartFailureNotes final : public System {
 public:
  explicit StartFailureNotes(std::unique_ptr<System> real);

  // Why the start failed; empty while nothing has.
  const std::string& Reason() const { return reason_; }

  void InitSubsystems() override { real_->InitSubsystems(); }
  bool CreateWindow() override;
  bool CreateRenderer() override;
  bool InitAudioEngine() override;
  void ConfigureDisplay() override { real_->ConfigureDisplay(); }
  void SetMasterVolume(float volume) override { real_->SetMasterVolume(volume); }
  unsigned RandomSeed() override { return real_->RandomSeed(); }
  void LoadTexture(TextureId texture, const char* path) override;
  void FreeSurfaces() override { real_->FreeSurfaces(); }
  bool TextureLoaded(TextureId texture) override;
  void Log(const char* message) override;
  void CreateSound(SoundId sound, const char* path) override { real_->CreateSound(sound, path); }
  void UninitAudioEngine() override { real_->UninitAudioEngine(); }
  void DestroyTexture(TextureId texture) override { real_->DestroyTexture(texture); }
  void DestroyRenderer() override { real_->DestroyRenderer(); }
  void DestroyWindow() override { real_->DestroyWindow(); }
  void Quit() override { real_->Quit(); }
  Platform& GamePlatform() override { return real_->GamePlatform(); }
  void PauseSound() override { real_->PauseSound(); }
  void ResumeSound() override { real_->ResumeSound(); }
  bool IsFullScreen() override { return real_->IsFullScreen(); }
  void SetFullScreen(bool full) override { real_->SetFullScreen(full); }
  Speech& GameSpeech() override { return real_->GameSpeech(); }
  bool ScreenReaderRunning() override { return real_->ScreenReaderRunning(); }

 private:
  void Note(const std::string& reason);

  std::unique_ptr<System> real_;
  std::string reason_;
  std::string paths_[TextureCapacity];  // each picture's file, as the game asked for it
  std::string missing_;                 // the file of the picture found missing
};
