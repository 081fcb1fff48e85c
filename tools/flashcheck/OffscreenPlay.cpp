#include "OffscreenPlay.h"

#include <array>
#include <memory>

#include "harness/Playthrough.h"
#include "harness/SteppingClock.h"
#include "platform/OffscreenSystem.h"
#include "shell/Program.h"

namespace {

bool SameCall(const DrawCall& a, const DrawCall& b) {
  return a.kind == b.kind && a.texture == b.texture && a.hasSource == b.hasSource && a.source == b.source &&
         a.dest == b.dest && a.color == b.color && a.alpha == b.alpha;
}

// Records every call for the Player, and draws a frame at its present only
// when it differs from the frame before. The pictures' blend, alpha and
// scaling last from frame to frame, so they are kept in order with the draws
// (some are set after a frame's present, for the next), and a frame is the
// same as the one before only if the settings it started from were too.
class LazyDrawing final : public RecordingDrawing {
 public:
  explicit LazyDrawing(Drawing& real) : real_(real) {}

  void Clear() override { RecordingDrawing::Clear(), Hold(); }
  void SetDrawColor(Rgba c) override { RecordingDrawing::SetDrawColor(c), Hold(); }
  void FillRect(const FRect& dest) override { RecordingDrawing::FillRect(dest), Hold(); }
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override {
    RecordingDrawing::DrawTexture(texture, source, dest), Hold();
  }
  void SetTextureBlend(TextureId texture) override { RecordingDrawing::SetTextureBlend(texture), Hold(); }
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override {
    RecordingDrawing::SetTextureAlpha(texture, alpha), Hold();
  }
  void SetTextureNearest(TextureId texture) override { RecordingDrawing::SetTextureNearest(texture), Hold(); }

  void Present() override {
    RecordingDrawing::Present();
    Settings start = settings_;
    for (const DrawCall& call : pending_) Apply(call, settings_);
    bool same = pending_.size() == previous_.size() && start == previousStart_;
    for (std::size_t i = 0; same && i < pending_.size(); ++i) same = SameCall(pending_[i], previous_[i]);
    changed = !same;
    if (changed) {
      Replay();
      ++drawn;
    }
    presented = true;
    previous_.swap(pending_);
    pending_.clear();
    previousStart_ = start;
  }

  bool presented = false;  // a frame has been presented since this was last cleared
  bool changed = false;    // ... and it was drawn anew
  long drawn = 0;

 private:
  struct Setting {
    bool blend = false, nearest = false;
    std::uint8_t alpha = 255;
    friend bool operator==(const Setting&, const Setting&) = default;
  };
  using Settings = std::array<Setting, TextureCapacity>;

  void Hold() { pending_.push_back(calls.back()); }
  static void Apply(const DrawCall& call, Settings& settings) {
    if (call.kind == DrawCall::Kind::Blend) settings[call.texture].blend = true;
    if (call.kind == DrawCall::Kind::Nearest) settings[call.texture].nearest = true;
    if (call.kind == DrawCall::Kind::Alpha) settings[call.texture].alpha = call.alpha;
  }
  void Replay() {
    for (const DrawCall& call : pending_) {
      switch (call.kind) {
        case DrawCall::Kind::Clear: real_.Clear(); break;
        case DrawCall::Kind::Present: break;
        case DrawCall::Kind::SetColor: real_.SetDrawColor(call.color); break;
        case DrawCall::Kind::Fill: real_.FillRect(call.dest); break;
        case DrawCall::Kind::Texture:
          real_.DrawTexture(call.texture, call.hasSource ? &call.source : nullptr, call.dest);
          break;
        case DrawCall::Kind::Blend: real_.SetTextureBlend(call.texture); break;
        case DrawCall::Kind::Alpha: real_.SetTextureAlpha(call.texture, call.alpha); break;
        case DrawCall::Kind::Nearest: real_.SetTextureNearest(call.texture); break;
      }
    }
    real_.Present();
  }

  Drawing& real_;
  std::vector<DrawCall> pending_, previous_;
  Settings settings_{}, previousStart_{};
};

// The off-screen system with the Player's keys, a clock that steps as told,
// and the lazy drawing in front of the real one.
class PlayedOffscreen final : public System {
 public:
  explicit PlayedOffscreen(OffscreenSize size)
      : offscreen(size.Width(), size.Height()), lazy(offscreen.GamePlatform().drawing) {}
  void InitSubsystems() override { offscreen.InitSubsystems(); }
  bool CreateWindow() override { return offscreen.CreateWindow(); }
  bool CreateRenderer() override { return offscreen.CreateRenderer(); }
  bool InitAudioEngine() override { return offscreen.InitAudioEngine(); }
  void ConfigureDisplay() override { offscreen.ConfigureDisplay(); }
  void SetMasterVolume(float volume) override { offscreen.SetMasterVolume(volume); }
  unsigned RandomSeed() override { return 1; }
  void LoadTexture(TextureId texture, const char* path) override { offscreen.LoadTexture(texture, path); }
  void FreeSurfaces() override { offscreen.FreeSurfaces(); }
  bool TextureLoaded(TextureId texture) override { return offscreen.TextureLoaded(texture); }
  void Log(const char* message) override { offscreen.Log(message); }
  void CreateSound(SoundId sound, const char* path) override { offscreen.CreateSound(sound, path); }
  void UninitAudioEngine() override { offscreen.UninitAudioEngine(); }
  void DestroyTexture(TextureId texture) override { offscreen.DestroyTexture(texture); }
  void DestroyRenderer() override { offscreen.DestroyRenderer(); }
  void DestroyWindow() override { offscreen.DestroyWindow(); }
  void Quit() override { offscreen.Quit(); }
  Platform& GamePlatform() override { return platform_; }

  OffscreenSystem offscreen;
  LazyDrawing lazy;
  ScriptedInput input;
  SteppingClock clock;

 private:
  Platform platform_{lazy, offscreen.GamePlatform().audio, input, clock};
};

class Analyst final : public FrameObserver {
 public:
  Analyst(PlayedOffscreen& system, PlayerPlan plan, flashing::FlashAnalysis& analysis, const DrawnFrameLook& look,
          long limit, OffscreenRun& run)
      : system_(system), player_(plan), analysis_(analysis), look_(look), limit_(limit), run_(run) {}

  void BeforeFrame(const GameState& state) override {
    LazyDrawing& lazy = system_.lazy;
    if (lazy.presented) {
      const int scene = state.TitleRunning ? TitleScene : state.SceneIndex;
      const auto* rgba = reinterpret_cast<const std::uint8_t*>(system_.offscreen.Pixels());
      if (lazy.changed)
        analysis_.Add(rgba);
      else
        analysis_.AddSame();
      if (look_) look_(static_cast<long>(run_.sceneOf.size()), scene, rgba);
      run_.sceneOf.push_back(scene);
    }
    player_.Decide(state, lazy, system_.input, nowMs_);
    lazy.calls.clear();
    lazy.presented = false;
    if (static_cast<long>(run_.sceneOf.size()) >= limit_) {
      system_.input.events.push_front(InputEvent::Quit);
      return;
    }
    const int ms = schedule_(frames_++);
    system_.clock.step = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;
  }

 private:
  PlayedOffscreen& system_;
  Player player_;
  flashing::FlashAnalysis& analysis_;
  const DrawnFrameLook& look_;
  long limit_;
  OffscreenRun& run_;
  FrameSchedule schedule_ = FixedRate(60);
  long frames_ = 0;
  double nowMs_ = 0;
};

}  // namespace

flashing::FlashAnalysis AnalysisFor(OffscreenSize size) {
  return flashing::FlashAnalysis(size.Width(), size.Height(), size.CellWidth(), size.CellHeight());
}

OffscreenRun PlayOffscreen(PlayerPlan plan, GameOptions options, flashing::FlashAnalysis& analysis,
                           OffscreenSize size, const DrawnFrameLook& look, long frameLimit) {
  OffscreenRun run;
  auto system = std::make_unique<PlayedOffscreen>(size);
  Analyst analyst(*system, plan, analysis, look, frameLimit, run);
  run.exitStatus = RunProgram(*system, &analyst, options);
  run.finished = static_cast<long>(run.sceneOf.size()) < frameLimit;
  run.drawn = system->lazy.drawn;
  return run;
}
