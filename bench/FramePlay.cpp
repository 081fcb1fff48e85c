#include "FramePlay.h"

#include <cmath>
#include <optional>

#include "BenchClock.h"
#include "harness/FakeSystem.h"
#include "harness/Playthrough.h"
#include "harness/SteppingClock.h"

namespace {

constexpr Scancode HeldKeys[] = {ScancodeA,  ScancodeD,    ScancodeS,    ScancodeW,         ScancodeRight,
                                 ScancodeLeft, ScancodeDown, ScancodeUp, ScancodeLeftShift, ScancodeRightShift};

long NoCount() { return 0; }
long (*allocationCount)() = NoCount;

std::uint16_t HeldBits(const ScriptedInput& input) {
  std::uint16_t bits = 0;
  for (std::size_t k = 0; k < std::size(HeldKeys); ++k)
    if (input.IsHeld(HeldKeys[k])) bits = static_cast<std::uint16_t>(bits | (1u << k));
  return bits;
}

// Writes down what the Player does, as the harness's play-through does it:
// look at the last frame, decide, clear the records, step the clock.
class Recorder final : public FrameObserver {
 public:
  Recorder(FakeSystem& system, PlayerPlan plan, FrameSchedule schedule, PlayScript& script)
      : system_(system), player_(plan), schedule_(std::move(schedule)), script_(script) {}

  void BeforeFrame(const GameState& state) override {
    if (!state.TitleRunning) storySeconds_ += state.DeltaTime;
    player_.Decide(state, system_.rec.drawing, system_.rec.input, nowMs_);
    system_.rec.ClearRecords();
    if (storySeconds_ > GameSecondsLimit) {
      system_.rec.input.events.push_front(InputEvent::Quit);  // stuck: give up
      stuck_ = true;
    }
    const int ms = schedule_(static_cast<long>(script_.frames.size()));
    system_.msPerTick = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;

    FrameInput frame;
    for (InputEvent event : system_.rec.input.events) {
      if (frame.eventCount == frame.events.size()) break;
      frame.events[frame.eventCount++] = event;
    }
    frame.held = HeldBits(system_.rec.input);
    frame.msPerTick = static_cast<std::uint16_t>(ms);
    script_.frames.push_back(frame);
    script_.scenes.push_back(state.SceneIndex);
  }

  bool stuck() const { return stuck_; }

 private:
  static constexpr double GameSecondsLimit = 2400;
  FakeSystem& system_;
  Player player_;
  FrameSchedule schedule_;
  PlayScript& script_;
  double nowMs_ = 0;
  double storySeconds_ = 0;
  bool stuck_ = false;
};

class NullDrawing final : public Drawing {
 public:
  void Clear() override {}
  void Present() override {}
  void SetDrawColor(Rgba) override {}
  void FillRect(const FRect&) override {}
  void DrawTexture(TextureId, const FRect*, const FRect&) override {}
  void SetTextureBlend(TextureId) override {}
  void SetTextureAlpha(TextureId, std::uint8_t) override {}
  void SetTextureNearest(TextureId) override {}
};

class NullAudio final : public Audio {
 public:
  void Start(SoundId) override {}
  void Stop(SoundId) override {}
  void SetLooping(SoundId) override {}
  void PlayOnce(const char*) override {}
  bool IsPlaying(SoundId) override { return false; }
  float FileSeconds(const char*) override { return 0; }
};

class CountingSpeech final : public Speech {
 public:
  long texts = 0;
  void Say(std::string_view text, bool) override { texts += !text.empty(); }
  void Silence() override {}
};

class ReplayInput final : public Input {
 public:
  void Set(const FrameInput& frame) {
    frame_ = frame;
    next_ = 0;
  }
  InputEvent PollEvent() override { return next_ < frame_.eventCount ? frame_.events[next_++] : InputEvent::None; }
  void PumpEvents() override {}
  bool IsHeld(Scancode key) const override {
    for (std::size_t k = 0; k < std::size(HeldKeys); ++k)
      if (HeldKeys[k] == key) return (frame_.held >> k) & 1u;
    return false;
  }

 private:
  FrameInput frame_;
  int next_ = 0;
};

class NullSystem final : public System {
 public:
  explicit NullSystem(unsigned seed) : seed_(seed) {}
  void InitSubsystems() override {}
  bool CreateWindow() override { return true; }
  bool CreateRenderer() override { return true; }
  bool InitAudioEngine() override { return true; }
  void ConfigureDisplay() override {}
  void SetMasterVolume(float) override {}
  unsigned RandomSeed() override { return seed_; }
  void LoadTexture(TextureId, const char*) override {}
  void FreeSurfaces() override {}
  bool TextureLoaded(TextureId) override { return true; }
  void Log(const char*) override {}
  void CreateSound(SoundId, const char*) override {}
  void UninitAudioEngine() override {}
  void DestroyTexture(TextureId) override {}
  void DestroyRenderer() override {}
  void DestroyWindow() override {}
  void Quit() override {}
  Platform& GamePlatform() override { return platform; }
  Speech& GameSpeech() override { return speech; }

  CountingSpeech speech;
  NullDrawing drawing;
  NullAudio audio;
  ReplayInput input;
  SteppingClock clock;
  Platform platform{drawing, audio, input, clock};

 private:
  unsigned seed_;
};

// Feeds each frame its recorded input and clock step and, when asked, times
// the frame: from the end of one BeforeFrame to the start of the next is
// exactly one title or game frame.
class Replayer final : public FrameObserver {
 public:
  Replayer(NullSystem& system, const PlayScript& script, bool timeFrames, ReplayResult& result)
      : system_(system), script_(script), timeFrames_(timeFrames), result_(result) {
    if (timeFrames_) result_.samples.reserve(script.frames.size());
  }

  void BeforeFrame(const GameState& state) override {
    if (timeFrames_) {
      const std::int64_t cpu = ThreadCpuNs();
      const std::int64_t wall = MonotonicNs();
      const long allocations = allocationCount();
      if (index_ > 0)
        result_.samples.push_back({cpu - cpuStart_, wall - wallStart_, allocations - allocationsStart_,
                                   script_.scenes[index_ - 1], lastWasTitle_});
    }
    if (index_ >= script_.frames.size() || script_.scenes[index_] != state.SceneIndex) {
      diverged_ = true;
      system_.input.Set(QuitFrame());
    } else {
      system_.input.Set(script_.frames[index_]);
      system_.clock.step = script_.frames[index_].msPerTick;
    }
    lastWasTitle_ = state.TitleRunning;
    ++index_;
    if (timeFrames_) {
      allocationsStart_ = allocationCount();
      wallStart_ = MonotonicNs();
      cpuStart_ = ThreadCpuNs();
    }
  }

  bool diverged() const { return diverged_; }
  std::size_t frames() const { return index_; }

 private:
  static FrameInput QuitFrame() {
    FrameInput frame;
    frame.events[0] = InputEvent::Quit;
    frame.eventCount = 1;
    return frame;
  }

  NullSystem& system_;
  const PlayScript& script_;
  bool timeFrames_;
  ReplayResult& result_;
  std::size_t index_ = 0;
  bool diverged_ = false;
  bool lastWasTitle_ = true;
  std::int64_t cpuStart_ = 0;
  std::int64_t wallStart_ = 0;
  long allocationsStart_ = 0;
};

}  // namespace

void SetAllocationCounter(long (*count)()) { allocationCount = count ? count : NoCount; }

PlayScript RecordPlay(PlayerPlan plan, double hz, unsigned seed) {
  PlayScript script;
  script.seed = seed;
  FakeSystem system;
  system.seed = seed;
  Recorder recorder(system, plan, FixedRate(hz), script);
  script.exitStatus = RunProgram(system, &recorder);
  script.finished = !recorder.stuck() && script.exitStatus == 0;
  return script;
}

ReplayResult ReplayPlay(const PlayScript& script, bool timeFrames, const GameOptions& options) {
  ReplayResult result;
  NullSystem system(script.seed);
  Replayer replayer(system, script, timeFrames, result);
  result.exitStatus = RunProgram(system, &replayer, options);
  result.textsSaid = system.speech.texts;
  result.sameFrames = !replayer.diverged() && replayer.frames() == script.frames.size() &&
                      result.exitStatus == script.exitStatus;
  return result;
}
