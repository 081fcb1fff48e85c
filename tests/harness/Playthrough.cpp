#include "Playthrough.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "FakeSystem.h"
#include "ScreenReader.h"
#include "shell/Program.h"

namespace {

class Watcher : public FrameObserver {
 public:
  Watcher(FakeSystem& system, PlayerPlan plan, FrameSchedule schedule, double limitSeconds,
          PlaythroughResult& result, const FrameWatch& watch)
      : system_(system),
        player_(plan),
        schedule_(std::move(schedule)),
        limit_(limitSeconds),
        result_(result),
        watch_(watch) {}

  void BeforeFrame(const GameState& state) override {
    if (watch_) watch_(state, system_.rec);
    RecordWhatWasShown(state);
    player_.Decide(state, system_.rec.drawing, system_.rec.input, nowMs_);
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
  Player player_;
  FrameSchedule schedule_;
  double limit_;
  PlaythroughResult& result_;
  const FrameWatch& watch_;
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

PlaythroughResult PlayThrough(PlayerPlan plan, FrameSchedule schedule, unsigned seed, double gameSecondsLimit,
                              const GameOptions& options, const FrameWatch& watch) {
  PlaythroughResult result;
  FakeSystem system;
  system.seed = seed;
  Watcher watcher(system, plan, std::move(schedule), gameSecondsLimit, result, watch);
  result.exitStatus = RunProgram(system, &watcher, options);
  result.finished = result.storySeconds <= gameSecondsLimit;
  return result;
}
