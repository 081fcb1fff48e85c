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
#include "harness/PlayedSystem.h"
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
