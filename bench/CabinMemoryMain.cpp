// Peak resident size of the real game on its title screen and in the cabin.
// The game runs with its real window, renderer and sound; the harness's Player
// plays it (reading what each frame drew, holding keys and releasing Return)
// on a clock that moves 50 ms per frame drawn, the longest step the game takes
// in a frame, so the story goes about three times as fast as at 60 Hz. Prints VmHWM and VmRSS on the title and on arriving
// in the cabin (scene 24), then quits. Run it from a folder holding Assets/.

#include <cstdio>
#include <memory>

#include "BenchClock.h"
#include "ProcStatus.h"
#include "harness/Player.h"
#include "harness/Playthrough.h"
#include "harness/RecordingPlatform.h"
#include "platform/RealSystem.h"
#include "shell/Program.h"

namespace {

constexpr int CabinScene = 24;
constexpr double GameRateHz = 20;                // 50 ms of game time per frame
constexpr long TitleFramesBeforeReading = 60;   // three seconds of title
constexpr long CabinFramesBeforeReading = 20;   // a second in the cabin
constexpr long FrameLimit = 200000;

// Draws on the real renderer and records the calls for the Player to read.
class TeeDrawing final : public Drawing {
 public:
  TeeDrawing(Drawing& real, RecordingDrawing& record) : real_(real), record_(record) {}
  void Clear() override { real_.Clear(), record_.Clear(); }
  void Present() override { real_.Present(), record_.Present(); }
  void SetDrawColor(Rgba color) override { real_.SetDrawColor(color), record_.SetDrawColor(color); }
  void FillRect(const FRect& dest) override { real_.FillRect(dest), record_.FillRect(dest); }
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override {
    real_.DrawTexture(texture, source, dest);
    record_.DrawTexture(texture, source, dest);
  }
  void SetTextureBlend(TextureId texture) override { real_.SetTextureBlend(texture), record_.SetTextureBlend(texture); }
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override {
    real_.SetTextureAlpha(texture, alpha);
    record_.SetTextureAlpha(texture, alpha);
  }
  void SetTextureNearest(TextureId texture) override {
    real_.SetTextureNearest(texture);
    record_.SetTextureNearest(texture);
  }

 private:
  Drawing& real_;
  RecordingDrawing& record_;
};

// The Player's keys; the window's own events are still taken from SDL's queue
// (a closed window or SIGTERM still quits), one batch a frame.
class PlayerInput final : public Input {
 public:
  PlayerInput(Input& real, ScriptedInput& player) : real_(real), player_(player) {}
  InputEvent PollEvent() override {
    for (InputEvent event; (event = real_.PollEvent()) != InputEvent::None;)
      if (event == InputEvent::Quit) return event;
    return player_.PollEvent();
  }
  void PumpEvents() override { real_.PumpEvents(); }
  bool IsHeld(Scancode key) const override { return player_.IsHeld(key); }

 private:
  Input& real_;
  ScriptedInput& player_;
};

class SteppingClock final : public Clock {
 public:
  std::uint64_t TicksMs() override { return now_ += step; }
  std::uint64_t step = 16;

 private:
  std::uint64_t now_ = 0;
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
  Platform& GamePlatform() override {
    if (!platform_) {
      Platform& real = real_.GamePlatform();
      drawing_ = std::make_unique<TeeDrawing>(real.drawing, recording);
      input_ = std::make_unique<PlayerInput>(real.input, playerInput);
      platform_ = std::make_unique<Platform>(Platform{*drawing_, real.audio, *input_, clock});
    }
    return *platform_;
  }

  RecordingDrawing recording;
  ScriptedInput playerInput;
  SteppingClock clock;

 private:
  System& real_;
  std::unique_ptr<TeeDrawing> drawing_;
  std::unique_ptr<PlayerInput> input_;
  std::unique_ptr<Platform> platform_;
};

struct Reading {
  long hwmKb = -1;
  long rssKb = -1;
  long frame = 0;
  double seconds = 0;
};

Reading ReadNow(long frame, std::int64_t startNs) {
  return {ReadStatusKb("VmHWM"), ReadStatusKb("VmRSS"), frame, NsToMs(MonotonicNs() - startNs) / 1000};
}

class Driver final : public FrameObserver {
 public:
  explicit Driver(PlayedSystem& system) : system_(system), schedule_(FixedRate(GameRateHz)) {}

  void BeforeFrame(const GameState& state) override {
    if (frames_ == TitleFramesBeforeReading) title = ReadNow(frames_, startNs_);
    if (state.SceneIndex == CabinScene && cabinFrame_ < 0) cabinFrame_ = frames_;
    if (cabinFrame_ >= 0 && frames_ == cabinFrame_ + CabinFramesBeforeReading) {
      cabin = ReadNow(frames_, startNs_);
      reachedCabin = true;
    }
    player_.Decide(state, system_.recording, system_.playerInput, nowMs_);
    system_.recording.calls.clear();
    if (reachedCabin || frames_ >= FrameLimit) system_.playerInput.events.push_front(InputEvent::Quit);
    const int ms = schedule_(frames_);
    system_.clock.step = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;
    ++frames_;
  }

  Reading title;
  Reading cabin;
  bool reachedCabin = false;

 private:
  PlayedSystem& system_;
  Player player_;
  FrameSchedule schedule_;
  std::int64_t startNs_ = MonotonicNs();
  double nowMs_ = 0;
  long frames_ = 0;
  long cabinFrame_ = -1;
};

}  // namespace

int main(int, char**) {
  const std::unique_ptr<System> real = MakeRealSystem();
  PlayedSystem played(*real);
  Driver driver(played);
  const int status = RunProgram(played, &driver);
  if (status != 0 || !driver.reachedCabin) {
    std::fprintf(stderr, "the game did not reach the cabin (status %d)\n", status);
    return 1;
  }
  std::printf("tarnwick-memory title_hwm_kb=%ld title_rss_kb=%ld title_frame=%ld cabin_hwm_kb=%ld cabin_rss_kb=%ld "
              "cabin_frame=%ld cabin_seconds=%.1f\n",
              driver.title.hwmKb, driver.title.rssKb, driver.title.frame, driver.cabin.hwmKb, driver.cabin.rssKb,
              driver.cabin.frame, driver.cabin.seconds);
  return 0;
}
