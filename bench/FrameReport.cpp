#include "FrameReport.h"

#include <cstdio>
#include <map>
#include <vector>

#include "BenchClock.h"
#include "Stats.h"

const Story Stories[3] = {
    {"drive away", {}},
    {"jumpscare", {.standStillInLastWalk = true}},
    {"death, then drive away", {.dieOnceInBedroom = true}},
};

// The cost of reading the thread's CPU clock, which every timed frame pays once.
std::int64_t CpuClockCostNs() {
  std::vector<std::int64_t> gaps;
  for (int i = 0; i < 10000; ++i) {
    const std::int64_t a = ThreadCpuNs();
    gaps.push_back(ThreadCpuNs() - a);
  }
  return static_cast<std::int64_t>(Median(gaps));
}

bool ReportStory(const Story& story, const PlayScript& script, bool headline) {
  // The first replay warms the caches and the branch predictors; the second is measured.
  ReplayPlay(script, false);
  const ReplayResult result = ReplayPlay(script, true);
  if (!script.finished || !result.sameFrames) {
    std::printf("  %s: the %s (recorded %zu frames, finished %d, replay the same %d)\n", story.name,
                script.finished ? "replay went another way" : "Player did not finish the story", script.frames.size(),
                script.finished, result.sameFrames);
    return false;
  }

  std::vector<std::int64_t> cpu, wall, gameCpu, titleCpu;
  long framesAllocating = 0, allocations = 0, mostInAFrame = 0;
  std::map<int, long> allocatingScenes;
  const FrameSample* worst = nullptr;
  for (const FrameSample& sample : result.samples) {
    cpu.push_back(sample.cpuNs);
    wall.push_back(sample.wallNs);
    (sample.title ? titleCpu : gameCpu).push_back(sample.cpuNs);
    if (!worst || sample.cpuNs > worst->cpuNs) worst = &sample;
    if (sample.allocations > 0) {
      ++framesAllocating;
      allocations += sample.allocations;
      mostInAFrame = std::max(mostInAFrame, sample.allocations);
      allocatingScenes[sample.scene] += sample.allocations;
    }
  }

  std::printf("  %s: %zu frames (%zu title, %zu game), %.1f s of play at 60 Hz\n", story.name, result.samples.size(),
              titleCpu.size(), gameCpu.size(), static_cast<double>(result.samples.size()) / 60.0);
  std::printf("    CPU time per frame: median %.2f us, 90%% %.2f us, 99%% %.2f us, 99.9%% %.2f us, worst %.2f us "
              "(scene %d)\n",
              Median(cpu) / 1e3, NsToUs(Percentile(cpu, 0.90)), NsToUs(Percentile(cpu, 0.99)),
              NsToUs(Percentile(cpu, 0.999)), NsToUs(worst->cpuNs), worst->scene);
  std::printf("    title frames median %.2f us, game frames median %.2f us; wall clock median %.2f us, worst %.2f us\n",
              Median(titleCpu) / 1e3, Median(gameCpu) / 1e3, Median(wall) / 1e3, NsToUs(Largest(wall)));
  std::printf("    heap allocations: %ld in %ld of %zu frames (at most %ld in one frame)\n", allocations,
              framesAllocating, result.samples.size(), mostInAFrame);
  for (const auto& [scene, count] : allocatingScenes)
    std::printf("      scene %d: %ld allocations\n", scene, count);
  // The same frames with speech on: the spoken layer reads each frame and
  // hands its texts on (to a voice that only counts them).
  ReplayPlay(script, false, {.Speech = true});
  const ReplayResult speaking = ReplayPlay(script, true, {.Speech = true});
  std::vector<std::int64_t> speakingCpu;
  long speakingAllocations = 0;
  for (const FrameSample& sample : speaking.samples) {
    speakingCpu.push_back(sample.cpuNs);
    speakingAllocations += sample.allocations;
  }
  std::printf("    with speech on: median %.2f us, 99%% %.2f us, worst %.2f us; %ld texts said; %ld allocations\n",
              Median(speakingCpu) / 1e3, NsToUs(Percentile(speakingCpu, 0.99)), NsToUs(Largest(speakingCpu)),
              speaking.textsSaid, speakingAllocations);
  if (headline) {
    std::printf("  target: logic and draw submission under 20 us per frame at the median: %s (%.2f us)\n",
                Median(cpu) < 20e3 ? "met" : "NOT met", Median(cpu) / 1e3);
    std::printf("  target: no heap allocation in a steady frame: %s (%ld frames allocate)\n",
                framesAllocating == 0 ? "met" : "NOT met", framesAllocating);
  }
  return true;
}

