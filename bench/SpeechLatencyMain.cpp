// The voice on Linux, measured: the real game, with speech on, played by the
// harness's Player at 60 frames a second of the wall's time, as a player
// hears it (none of the frames drawn: a software renderer's drawing would
// hide what the game's own work takes), from the title into the cabin (scene
// 24; about 75 seconds), speaking through the speech
// service that SPEECHD_ADDRESS names: a stand-in that notes when each text
// reaches it (tests/realwindow/tools/speech_service_standin.py). Prints how long
// each frame took, how long the game's Say calls took, and, given the
// stand-in's record, the time from the start of the frame in which a text was
// said to its arrival at the service. Run it from a folder holding Assets/.
//   tarnwick_bench_speech on|off [RECORD]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "BenchClock.h"
#include "harness/Player.h"
#include "harness/PlayedSystem.h"
#include "harness/Playthrough.h"
#include "platform/RealSystem.h"
#include "shell/Program.h"

namespace {

constexpr int CabinScene = 24;
constexpr long FrameLimit = 100000;

struct Said {
  std::string text;
  std::int64_t frameStartNs;
};

// The real voice, with the moment each text is handed to it noted.
class NotedSpeech final : public Speech {
 public:
  explicit NotedSpeech(Speech& real) : real_(real) {}
  void Say(std::string_view text, bool interrupt) override {
    const std::int64_t start = MonotonicNs();
    real_.Say(text, interrupt);
    callNs.push_back(MonotonicNs() - start);
    said.push_back({std::string(text), frameStartNs});
  }
  void Silence() override { real_.Silence(); }
  void SetOn(bool on) override { real_.SetOn(on); }

  std::int64_t frameStartNs = 0;
  std::vector<Said> said;
  std::vector<std::int64_t> callNs;

 private:
  Speech& real_;
};

class Driver final : public FrameObserver {
 public:
  Driver(PlayedSystem& system, NotedSpeech& speech) : system_(system), speech_(speech) {}

  // A frame is timed from the end of the wait for its turn to the next one.
  void BeforeFrame(const GameState& state) override {
    if (speech_.frameStartNs) frameNs.push_back(MonotonicNs() - speech_.frameStartNs);
    std::this_thread::sleep_until(start_ + std::chrono::microseconds(1000000 * frames_ / 60));
    speech_.frameStartNs = MonotonicNs();
    reachedCabin = reachedCabin || state.SceneIndex == CabinScene;
    player_.Decide(state, system_.recording, system_.playerInput, nowMs_);
    system_.recording.calls.clear();
    if (reachedCabin || frames_ >= FrameLimit) system_.playerInput.events.push_front(InputEvent::Quit);
    const int ms = schedule_(frames_++);
    system_.clock.step = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;
  }

  std::vector<std::int64_t> frameNs;
  bool reachedCabin = false;

 private:
  PlayedSystem& system_;
  NotedSpeech& speech_;
  Player player_;
  FrameSchedule schedule_ = FixedRate(60);
  double nowMs_ = 0;
  long frames_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Each text said, matched in order with its arrival in the stand-in's record
// ("<ns> SPEAK <text>"); a text dropped by an interruption before it was sent
// has none.
std::vector<std::int64_t> Arrivals(const std::vector<Said>& said, const char* recordPath) {
  std::vector<std::pair<std::int64_t, std::string>> arrived;
  std::ifstream record(recordPath);
  for (std::string line; std::getline(record, line);) {
    const size_t space = line.find(' ');
    if (line.compare(space + 1, 6, "SPEAK ") == 0) arrived.emplace_back(std::stoll(line.substr(0, space)), line.substr(space + 7));
  }
  std::vector<std::int64_t> latencies;
  size_t next = 0;
  for (const Said& text : said) {
    size_t found = next;
    while (found < arrived.size() && arrived[found].second != text.text) ++found;
    if (found == arrived.size()) continue;
    latencies.push_back(arrived[found].first - text.frameStartNs);
    next = found + 1;
  }
  return latencies;
}

void PrintSpread(const char* what, std::vector<std::int64_t> ns, double unit, const char* unitName) {
  if (ns.empty()) {
    std::printf("  %s: none\n", what);
    return;
  }
  std::sort(ns.begin(), ns.end());
  const auto at = [&](double share) { return static_cast<double>(ns[static_cast<size_t>(share * (ns.size() - 1))]) / unit; };
  std::printf("  %s: %zu, median %.3f %s, 99th percentile %.3f %s, worst %.3f %s\n", what, ns.size(), at(0.5), unitName,
              at(0.99), unitName, at(1.0), unitName);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s on|off [RECORD]\n", argv[0]);
    return 2;
  }
  const std::unique_ptr<System> real = MakeRealSystem(WindowMode::Windowed);
  PlayedSystem played(*real);
  NotedSpeech speech(real->GameSpeech());
  played.speech = &speech;
  played.DrawOnlyWhenAsked();
  Driver driver(played, speech);
  GameOptions options;
  options.Speech = std::string(argv[1]) == "on";
  const int status = RunProgram(played, &driver, options);
  if (status != 0 || !driver.reachedCabin) {
    std::fprintf(stderr, "the game did not reach the cabin (status %d)\n", status);
    return 1;
  }
  PrintSpread("frames", driver.frameNs, 1e6, "ms");
  PrintSpread("Say calls", speech.callNs, 1e3, "us");
  if (argc > 2) {
    const std::vector<std::int64_t> latencies = Arrivals(speech.said, argv[2]);
    std::printf("  texts said %zu, reached the service %zu\n", speech.said.size(), latencies.size());
    PrintSpread("from the frame's start to the service", latencies, 1e6, "ms");
  }
  return 0;
}
