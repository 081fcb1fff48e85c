#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness/Playthrough.h"
#include "harness/StoryRoutes.h"
#include "harness/ScreenReader.h"
#include "record/DialogueLines.h"

namespace {

using Ending = StoryEnd;

struct StoryRun {
  Ending ending;
  std::string rate;  // "20", ..., "360", or "jitter"
};

std::string Name(const testing::TestParamInfo<StoryRun>& info) {
  const char* ending = info.param.ending == Ending::DriveAway   ? "DriveAway"
                       : info.param.ending == Ending::Jumpscare ? "Jumpscare"
                                                                : "DeathThenDriveAway";
  return std::string(ending) + "_" + (info.param.rate == "jitter" ? "60HzJittering5to60ms" : info.param.rate + "Hz");
}

void PrintTo(const StoryRun& run, std::ostream* os) { *os << Name(testing::TestParamInfo<StoryRun>(run, 0)); }

class Playthrough : public testing::TestWithParam<StoryRun> {};

TEST_P(Playthrough, FromTheTitleToAClosingScreenAndOut) {
  const StoryRun run = GetParam();
  PlayerPlan plan;
  plan.standStillInLastWalk = run.ending == Ending::Jumpscare;
  plan.dieOnceInBedroom = run.ending == Ending::DeathThenDriveAway;
  const FrameSchedule schedule = run.rate == "jitter" ? Jittering(5, 60, 7) : FixedRate(std::stod(run.rate));

  const PlaythroughResult result = PlayThrough(plan, schedule);

  ASSERT_TRUE(result.finished) << "stuck in scene " << result.scenes.back();
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.scenes, ExpectedScenes(run.ending));
  EXPECT_EQ(result.lines, ExpectedLines(run.ending));
  std::printf("[ story ] %s: %.1f game seconds, %ld frames\n", Name(testing::TestParamInfo<StoryRun>(run, 0)).c_str(), result.storySeconds,
              result.frames);
}

std::vector<StoryRun> AllRuns() {
  std::vector<StoryRun> runs;
  for (Ending ending : {Ending::DriveAway, Ending::Jumpscare, Ending::DeathThenDriveAway})
    for (const char* rate : {"20", "30", "60", "120", "144", "240", "360", "jitter"}) runs.push_back({ending, rate});
  return runs;
}

INSTANTIATE_TEST_SUITE_P(EveryEndingAtEveryRate, Playthrough, testing::ValuesIn(AllRuns()), Name);

}  // namespace

namespace {

// The random draws (the meal, the fishing waits, the brushing sounds) differ
// from run to run; the story must not depend on them.
TEST(PlaythroughSeeds, TheStoryFinishesWhateverTheRandomDraws) {
  for (unsigned seed = 2; seed <= 9; ++seed) {
    const PlaythroughResult result = PlayThrough({}, FixedRate(60), seed);
    ASSERT_TRUE(result.finished) << "seed " << seed << ": stuck in scene " << result.scenes.back();
    EXPECT_EQ(result.exitStatus, 0) << "seed " << seed;
    EXPECT_EQ(result.scenes, ExpectedScenes(Ending::DriveAway)) << "seed " << seed;
    EXPECT_EQ(result.lines, ExpectedLines(Ending::DriveAway)) << "seed " << seed;
  }
}

}  // namespace
