// The cost of one frame of the game: its logic and its draw submission, on a
// platform that does nothing, over whole play-throughs at 60 Hz played by the
// harness's Player. Prints the median and worst CPU time of a frame and the
// heap allocations per frame, then runs the play-throughs under Google
// Benchmark for a steady mean. Google Benchmark's flags are accepted.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "CountingNew.h"
#include "FramePlay.h"
#include "FrameReport.h"
#include "Stats.h"

namespace {

std::vector<PlayScript> scripts;

// A whole play-through per iteration, untimed frame by frame; the counter
// gives the mean CPU time of a frame.
void BM_PlayThrough(benchmark::State& state) {
  const PlayScript& script = scripts[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    const ReplayResult result = ReplayPlay(script, false);
    benchmark::DoNotOptimize(result.exitStatus);
  }
  state.counters["frames"] = static_cast<double>(script.frames.size());
  state.counters["per_frame"] = benchmark::Counter(static_cast<double>(script.frames.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
  state.SetLabel(Stories[state.range(0)].name);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  SetAllocationCounter(AllocationCount);

  std::printf("per frame: the game's logic and draw submission on a platform that does nothing\n");
  std::printf("  (reading the CPU clock costs %lld ns, included once in each frame's time)\n",
              static_cast<long long>(CpuClockCostNs()));
  bool ok = true;
  for (std::size_t i = 0; i < std::size(Stories); ++i) {
    scripts.push_back(RecordPlay(Stories[i].plan, 60));
    ok = ReportStory(Stories[i], scripts.back(), i == 0) && ok;
  }
  std::fflush(stdout);
  if (!ok) return 1;

  std::printf("  Google Benchmark: whole play-throughs replayed, untimed frame by frame; per_frame is the mean\n"
              "  CPU time of a frame (its context, printed on stderr, may come out of order):\n");
  std::fflush(stdout);
  benchmark::RegisterBenchmark("PlayThrough60Hz", BM_PlayThrough)
      ->DenseRange(0, static_cast<int>(std::size(Stories)) - 1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
