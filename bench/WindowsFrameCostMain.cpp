// The frame benchmark's report built for Windows and run under Wine: the same
// play-throughs, the same replay on a platform that does nothing, so its
// figures stand beside the native ones.
#include <windows.h>
// Windows' macro for its own function would rename the system's step.
#undef CreateWindow

#include <cstdio>
#include <iterator>

#include "CountingNew.h"
#include "FramePlay.h"
#include "FrameReport.h"

namespace {

// The process's CPU time, user and kernel, in microseconds. Windows counts it
// in scheduler ticks, so it is read only around many whole replays.
double ProcessCpuUs() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto us = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10.0;
  };
  return us(kernel) + us(user);
}

}  // namespace

int main() {
  SetAllocationCounter(AllocationCount);
  std::printf("per frame, on Windows: the game's logic and draw submission on a platform that does nothing\n");
  std::printf("  (the frames are timed on the monotonic clock; reading it costs %lld ns, included once in each)\n",
              static_cast<long long>(CpuClockCostNs()));
  bool ok = true;
  for (std::size_t i = 0; i < std::size(Stories); ++i) {
    const PlayScript script = RecordPlay(Stories[i].plan, 60);
    ok = ReportStory(Stories[i], script, i == 0) && ok;
    // As the native benchmark's Google Benchmark runs do: whole replays,
    // untimed frame by frame, on the process's CPU time, for two seconds of
    // it (the ticks it is counted in are then a small part).
    int replays = 0;
    const double start = ProcessCpuUs();
    double used = 0;
    while (used < 2e6) {
      ReplayPlay(script, false);
      ++replays;
      used = ProcessCpuUs() - start;
    }
    const double perFrame = used / replays / static_cast<double>(script.frames.size());
    std::printf("    whole replays, untimed frame by frame: %.3f us of CPU per frame (mean of %d)\n", perFrame, replays);
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
