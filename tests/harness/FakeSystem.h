#pragma once
// A stand-in for the platform's start-up and teardown steps: it records each
// step, can be told which of them fail and which pictures or sounds are
// missing, and hands the game the recording platform.

#include <set>
#include <string>
#include <vector>

#include "RecordingPlatform.h"
#include "platform/System.h"

class FakeSystem : public System {
 public:
  RecordingPlatform rec;
  std::vector<std::string> steps;
  std::vector<std::string> logs;
  std::vector<std::string> paths;  // the file of every picture and persistent sound, in the order asked
  std::set<int> missingTextures;
  std::set<int> missingSounds;
  bool windowFails = false;
  bool rendererFails = false;
  bool audioFails = false;
  // Moves the clock on by this much each time the game reads it.
  std::uint64_t msPerTick = 16;

  void InitSubsystems() override { steps.push_back("init"); }
  bool CreateWindow() override { steps.push_back("window"); return !windowFails; }
  bool CreateRenderer() override { steps.push_back("renderer"); return !rendererFails; }
  bool InitAudioEngine() override { steps.push_back("audio"); return !audioFails; }
  void ConfigureDisplay() override { steps.push_back("display"); }
  float masterVolume = 0;  // as the game last set it
  void SetMasterVolume(float volume) override {
    steps.push_back("volume " + std::to_string(volume));
    masterVolume = volume;
  }
  unsigned seed = 1;
  unsigned RandomSeed() override { return seed; }
  void LoadTexture(TextureId texture, const char* path) override {
    steps.push_back(std::string("load ") + TextureEntryOf(texture).name);
    paths.emplace_back(path);
  }
  void FreeSurfaces() override { steps.push_back("free surfaces"); }
  bool TextureLoaded(TextureId texture) override {
    steps.push_back(std::string("check ") + TextureEntryOf(texture).name);
    return missingTextures.count(texture) == 0;
  }
  void Log(const char* message) override { logs.emplace_back(message); }
  void CreateSound(SoundId sound, const char* path) override {
    steps.push_back(std::string("sound ") + SoundCatalog[sound].name);
    paths.emplace_back(path);
  }
  void UninitAudioEngine() override { steps.push_back("uninit audio"); }
  void DestroyTexture(TextureId texture) override {
    steps.push_back(std::string("destroy ") + TextureEntryOf(texture).name);
  }
  void DestroyRenderer() override { steps.push_back("destroy renderer"); }
  void DestroyWindow() override { steps.push_back("destroy window"); }
  void Quit() override { steps.push_back("quit"); }
  Platform& GamePlatform() override { return platform_; }
  bool fullScreen = true;
  // How much time passes on the clock while the game is paused (the player
  // away from the keys).
  std::uint64_t msWhilePaused = 0;
  void PauseSound() override {
    steps.push_back("pause sound");
    clock_.Pass(msWhilePaused);
  }
  void ResumeSound() override { steps.push_back("resume sound"); }
  bool IsFullScreen() override { return fullScreen; }
  void SetFullScreen(bool full) override {
    steps.push_back(full ? "full screen" : "windowed");
    fullScreen = full;
  }

  // Speech: the recording stand-in, and whether a screen reader "runs".
  bool screenReader = false;
  Speech& GameSpeech() override { return rec.speech; }
  bool ScreenReaderRunning() override { return screenReader; }

  int StepIndex(const std::string& step) const;
  int CountStepsStartingWith(const std::string& prefix) const;

 private:
  class TickingClock : public Clock {
   public:
    explicit TickingClock(FakeSystem& owner) : owner_(owner) {}
    std::uint64_t TicksMs() override { return now_ += owner_.msPerTick; }
    void Pass(std::uint64_t ms) { now_ += ms; }

   private:
    FakeSystem& owner_;
    std::uint64_t now_ = 0;
  };
  TickingClock clock_{*this};
  Platform platform_{rec.drawing, rec.audio, rec.input, clock_};
};
