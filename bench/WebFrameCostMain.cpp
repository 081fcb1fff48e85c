// The frame benchmark's report built for WebAssembly and run by Node (the
// JavaScript engine of Chromium): the same play-throughs, the same replay on a
// platform that does nothing, so its figures stand beside the native ones.
#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "CountingNew.h"
#include "FramePlay.h"
#include "FrameReport.h"

namespace {

// Node's CPU time of this process, in microseconds: the WebAssembly has no
// CPU clock of its own.
EM_JS(double, ProcessCpuUs, (), {
  const used = process.cpuUsage();
  return used.user + used.system;
});

}  // namespace

int main() {
  SetAllocationCounter(AllocationCount);
  std::printf("per frame, in WebAssembly: the game's logic and draw submission on a platform that does nothing\n");
  std::printf("  (reading the clock costs %lld ns, included once in each frame's time)\n",
              static_cast<long long>(CpuClockCostNs()));
  bool ok = true;
  for (std::size_t i = 0; i < std::size(Stories); ++i) {
    const PlayScript script = RecordPlay(Stories[i].plan, 60);
    ok = ReportStory(Stories[i], script, i == 0) && ok;
    // As the native benchmark's Google Benchmark runs do: whole replays,
    // untimed frame by frame, on the process's CPU time, for a mean without
    // the clock's own cost and whatever else the machine is doing.
    constexpr int Replays = 20;
    const double start = ProcessCpuUs();
    for (int r = 0; r < Replays; ++r) ReplayPlay(script, false);
    const double perFrame = (ProcessCpuUs() - start) / Replays / static_cast<double>(script.frames.size());
    std::printf("    whole replays, untimed frame by frame: %.3f us of CPU per frame (mean of %d)\n", perFrame, Replays);
  }
  return ok ? 0 : 1;
}
