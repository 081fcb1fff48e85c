// The game's own start-up on the real window, renderer and sound, timed step by
// step, ending by itself after the first title frame is presented (or, with
// --title-seconds S, after S seconds of title frames). Prints one line of
// key=value figures on stdout, the times in monotonic nanoseconds, for the
// start-up benchmark to read. Run it from a folder holding Assets/.

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "BenchClock.h"
#include "TimedSystem.h"
#include "platform/RealSystem.h"
#include "shell/Program.h"

namespace {

std::int64_t ProcessCpuNs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ns = [](const timeval& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + static_cast<std::int64_t>(t.tv_usec) * 1000;
  };
  return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Notes the process's CPU time at the first title frame, to set against the
// CPU time at the end of a --title-seconds run.
class FirstFrameCpu final : public FrameObserver {
 public:
  void BeforeFrame(const GameState&) override {
    if (frames_++ == 1) cpuAtFirstPresentNs = ProcessCpuNs();
  }
  std::int64_t cpuAtFirstPresentNs = 0;

 private:
  long frames_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t mainAt = MonotonicNs();
  double titleSeconds = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--title-seconds") == 0 && i + 1 < argc) {
      titleSeconds = std::atof(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--title-seconds S]\n", argv[0]);
      return 2;
    }
  }

  const std::unique_ptr<System> real = MakeRealSystem();
  TimedSystem timed(*real);
  if (titleSeconds > 0)
    timed.QuitAfterNsOfFrames(static_cast<std::int64_t>(titleSeconds * 1e9));
  else
    timed.QuitAfterPresents(1);
  FirstFrameCpu observer;
  const int status = RunProgram(timed, &observer);
  const std::int64_t cpuAtEnd = ProcessCpuNs();

  const StartupTimes& t = timed.Times();
  std::printf(
      "tarnwick-startup status=%d main_at_ns=%lld first_present_at_ns=%lld init_ns=%lld window_ns=%lld "
      "renderer_ns=%lld audio_ns=%lld display_ns=%lld textures_ns=%lld sounds_ns=%lld presents=%ld "
      "last_present_at_ns=%lld title_cpu_ns=%lld platform_at_ns=%lld first_clear_at_ns=%lld first_present_call_ns=%lld "
      "main_cpu_ns=%lld init_cpu_ns=%lld renderer_cpu_ns=%lld audio_cpu_ns=%lld display_cpu_ns=%lld "
      "textures_cpu_ns=%lld sounds_cpu_ns=%lld first_present_call_cpu_ns=%lld\n",
      status, static_cast<long long>(mainAt), static_cast<long long>(t.firstPresentAtNs),
      static_cast<long long>(t.initSubsystemsNs), static_cast<long long>(t.windowNs),
      static_cast<long long>(t.rendererNs), static_cast<long long>(t.audioEngineNs),
      static_cast<long long>(t.displayNs), static_cast<long long>(t.texturesNs),
      static_cast<long long>(t.soundsNs), t.presents, static_cast<long long>(t.lastPresentAtNs),
      static_cast<long long>(cpuAtEnd - observer.cpuAtFirstPresentNs), static_cast<long long>(t.platformAtNs),
      static_cast<long long>(t.firstClearAtNs), static_cast<long long>(t.firstPresentCallNs),
      static_cast<long long>(t.firstPresentCpuNs), static_cast<long long>(t.initSubsystemsCpuNs),
      static_cast<long long>(t.rendererCpuNs), static_cast<long long>(t.audioEngineCpuNs),
      static_cast<long long>(t.displayCpuNs), static_cast<long long>(t.texturesCpuNs),
      static_cast<long long>(t.soundsCpuNs), static_cast<long long>(t.firstPresentCallCpuNs));
  std::fflush(stdout);
  return status;
}
