#include "Playthrough.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>

#include "FakeSystem.h"
#include "ScreenReader.h"
#include "shell/Program.h"

namespace {

// How a player decides, before a frame: from the state and the platform's
// record of the frame before (a player who looks reads only the picture).
using Decide = std::function<void(const GameState& state, FakeSystem& system, double nowMs)>;

class Watcher : public FrameObserver {
 public:
  Watcher(FakeSystem& system, Decide decide, FrameSchedule schedule, double limitSeconds, PlaythroughResult& result,
          const FrameLook& look)
      : system_(system), decide_(std::move(decide)), schedule_(std::move(schedule)), limit_(limitSeconds),
        result_(result), look_(look) {}

  void BeforeFrame(const GameState& state) override {
    if (look_) look_(&state, system_);
    RecordWhatWasShown(state);
    RecordWhatWasHeard(state.SceneIndex);
    decide_(state, system_, nowMs_);
    system_.rec.ClearRecords();
    if (result_.storySeconds > limit_) {
      system_.rec.input.events.push_front(InputEvent::Quit);  // give up: the story is stuck
      return;
    }
    const int ms = schedule_(result_.frames);
    system_.msPerTick = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;
    ++result_.frames;
  }

 // The calls of the frame that has just run, heard at the time its clock read.
  void RecordWhatWasHeard(int scene) {
    for (const SoundCall& call : system_.rec.audio.calls) result_.sounds.push_back({nowMs_, scene, call});
  }

 private:
  void RecordWhatWasShown(const GameState& state) {
    if (!state.TitleRunning) result_.storySeconds += state.DeltaTime;
    if (result_.scenes.empty() || result_.scenes.back() != state.SceneIndex) result_.scenes.push_back(state.SceneIndex);
    if (!DialogueBandShown(system_.rec.drawing)) return;
    const std::string line = DrawnDialogueText(system_.rec.drawing);
    if (line.empty()) return;  // a box opened this frame shows its old, blank text
    if (result_.lines.empty() || result_.lines.back() != line) result_.lines.push_back(line);
  }

  FakeSystem& system_;
  Decide decide_;
  FrameSchedule schedule_;
  double limit_;
  PlaythroughResult& result_;
  const FrameLook& look_;
  double nowMs_ = 0;
};

}  // namespace

FrameSchedule FixedRate(double hz) {
  return [hz](long n) {
    const auto at = [hz](long k) { return static_cast<long>(std::floor(static_cast<double>(k) * 1000.0 / hz)); };
    return static_cast<int>(at(n + 1) - at(n));
  };
}

FrameSchedule Jittering(int minMs, int maxMs, unsigned seed) {
  // A 60 Hz display that does not keep time: most frames come between 5 ms and
  // twice the nominal 16.7 ms (averaging about 60 a second), and one in twenty
  // is a hitch of up to `maxMs`.
  auto engine = std::make_shared<std::mt19937>(seed);
  return [engine, minMs, maxMs](long) {
    std::uniform_real_distribution<double> chance(0, 1);
    const int usualMax = std::min(maxMs, 2 * 1000 / 60 - minMs + 5);
    if (chance(*engine) < 0.05) return std::uniform_int_distribution<int>(usualMax, maxMs)(*engine);
    return std::uniform_int_distribution<int>(minMs, usualMax)(*engine);
  };
}

namespace {

PlaythroughResult Play(Decide decide, FrameSchedule schedule, unsigned seed, double gameSecondsLimit,
                       const GameOptions& options, const FrameLook& look, FakeSystem& system) {
  PlaythroughResult result;
  system.seed = seed;
  Watcher watcher(system, std::move(decide), std::move(schedule), gameSecondsLimit, result, look);
  result.exitStatus = RunProgram(system, &watcher, options);
  if (look) look(nullptr, system);
  watcher.RecordWhatWasHeard(result.scenes.empty() ? 0 : result.scenes.back());  // the last frame's
  result.masterVolume = system.masterVolume;
  result.finished = result.storySeconds <= gameSecondsLimit;
  result.spoken = system.rec.speech.calls;
  return result;
}

}  // namespace

PlaythroughResult PlayThrough(PlayerPlan plan, FrameSchedule schedule, unsigned seed, double gameSecondsLimit,
                              const GameOptions& options, const FrameLook& look) {
  FakeSystem system;
  auto player = std::make_shared<Player>(plan);
  return Play([player](const GameState& state, FakeSystem& s, double nowMs) {
    player->Decide(state, s.rec.drawing, s.rec.input, nowMs);
  }, std::move(schedule), seed, gameSecondsLimit, options, look, system);
}

PlaythroughResult PlayByEar(EarPlan plan, FrameSchedule schedule, unsigned seed, double gameSecondsLimit,
                            const GameOptions& options, const FrameLook& look) {
  FakeSystem system;
  struct Ear {
    Listener listener;
    EarPlayer player;
    std::size_t sent = 0;
  };
  auto ear = std::make_shared<Ear>(Ear{{}, EarPlayer(plan)});
  // Only what was said reaches it: the state is not looked at.
  return Play([ear](const GameState&, FakeSystem& s, double nowMs) {
    const auto& calls = s.rec.speech.calls;
    for (; ear->sent < calls.size(); ++ear->sent) ear->listener.Send(calls[ear->sent], nowMs);
    for (const std::string& clause : ear->listener.HeardBy(nowMs)) ear->player.Hear(clause, nowMs);
    ear->player.Act(s.rec.input, nowMs, ear->listener.Quiet(nowMs));
  }, std::move(schedule), seed, gameSecondsLimit, options, look, system);
}
