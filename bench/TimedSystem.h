#pragma once
// A System that hands every step to another one (the real SDL and miniaudio
// system) and times it: each start-up step, the 110 texture loads with their
// check, the 14 sounds, and the moment the first frame is presented. It can
// also end the run by itself, by reporting a quit from the input once enough
// frames have been presented or enough time has passed since the first one.
// The game itself is not touched: it runs its own start-up against this.

#include <cstdint>
#include <optional>

#include "platform/System.h"

struct StartupTimes {
  std::int64_t initSubsystemsNs = 0;
  std::int64_t windowNs = 0;
  std::int64_t rendererNs = 0;
  std::int64_t audioEngineNs = 0;
  std::int64_t displayNs = 0;
  std::int64_t texturesNs = 0;  // every LoadTexture, FreeSurfaces and TextureLoaded call
  std::int64_t soundsNs = 0;    // every CreateSound call
  std::int64_t platformAtNs = 0;      // when the game asked for its platform, all loading done
  std::int64_t firstClearAtNs = 0;    // when the first frame began to draw
  std::int64_t firstPresentCallNs = 0;  // how long the first Present took
  std::int64_t firstPresentAtNs = 0;  // monotonic time when the first Present returned
  std::int64_t firstPresentCpuNs = 0;  // the game's thread's CPU time by then
  std::int64_t lastPresentAtNs = 0;
  long presents = 0;
  // The game's thread's CPU time in the same steps.
  std::int64_t initSubsystemsCpuNs = 0;
  std::int64_t windowCpuNs = 0;
  std::int64_t rendererCpuNs = 0;
  std::int64_t audioEngineCpuNs = 0;
  std::int64_t displayCpuNs = 0;
  std::int64_t texturesCpuNs = 0;
  std::int64_t soundsCpuNs = 0;
  std::int64_t firstPresentCallCpuNs = 0;
};

class TimedSystem final : public System {
 public:
  explicit TimedSystem(System& inner);

  // The input reports a quit at the first poll after `presents` frames have
  // been presented; 0 never.
  void QuitAfterPresents(long presents) { quitAfterPresents_ = presents; }
  // Or at the first poll once this long has passed since the first present; 0 never.
  void QuitAfterNsOfFrames(std::int64_t ns) { quitAfterNs_ = ns; }

  const StartupTimes& Times() const { return times_; }

  void InitSubsystems() override;
  bool CreateWindow() override;
  bool CreateRenderer() override;
  bool InitAudioEngine() override;
  void ConfigureDisplay() override;
  void SetMasterVolume(float volume) override { inner_.SetMasterVolume(volume); }
  unsigned RandomSeed() override { return inner_.RandomSeed(); }

  void LoadTexture(TextureId texture, const char* path) override;
  void FreeSurfaces() override;
  bool TextureLoaded(TextureId texture) override;
  void Log(const char* message) override { inner_.Log(message); }
  void CreateSound(SoundId sound, const char* path) override;

  void UninitAudioEngine() override { inner_.UninitAudioEngine(); }
  void DestroyTexture(TextureId texture) override { inner_.DestroyTexture(texture); }
  void DestroyRenderer() override { inner_.DestroyRenderer(); }
  void DestroyWindow() override { inner_.DestroyWindow(); }
  void Quit() override { inner_.Quit(); }

  Platform& GamePlatform() override;
  void PauseSound() override { inner_.PauseSound(); }
  void ResumeSound() override { inner_.ResumeSound(); }
  bool IsFullScreen() override { return inner_.IsFullScreen(); }
  void SetFullScreen(bool full) override { inner_.SetFullScreen(full); }

 private:
  class PresentWatch final : public Drawing {
   public:
    PresentWatch(Drawing& inner, StartupTimes& times) : inner_(inner), times_(times) {}
    void Clear() override;
    void Present() override;
    void SetDrawColor(Rgba color) override { inner_.SetDrawColor(color); }
    void FillRect(const FRect& dest) override { inner_.FillRect(dest); }
    void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override {
      inner_.DrawTexture(texture, source, dest);
    }
    void SetTextureBlend(TextureId texture) override { inner_.SetTextureBlend(texture); }
    void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override { inner_.SetTextureAlpha(texture, alpha); }
    void SetTextureNearest(TextureId texture) override { inner_.SetTextureNearest(texture); }

   private:
    Drawing& inner_;
    StartupTimes& times_;
  };

  class QuittingInput final : public Input {
   public:
    QuittingInput(Input& inner, TimedSystem& owner) : inner_(inner), owner_(owner) {}
    InputEvent PollEvent() override;
    void PumpEvents() override { inner_.PumpEvents(); }
    bool IsHeld(Scancode key) const override { return inner_.IsHeld(key); }

   private:
    Input& inner_;
    TimedSystem& owner_;
  };

  bool TimeToQuit() const;

  System& inner_;
  StartupTimes times_;
  long quitAfterPresents_ = 0;
  std::int64_t quitAfterNs_ = 0;
  // Made on the first call of GamePlatform, around the inner system's platform.
  std::optional<PresentWatch> drawing_;
  std::optional<QuittingInput> input_;
  std::optional<Platform> platform_;
};
