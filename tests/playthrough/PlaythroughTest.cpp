#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness/Playthrough.h"
#include "harness/ScreenReader.h"
#include "record/DialogueLines.h"

namespace {

using record::dialogue::Conversation;

// The lines of a conversation as they read on screen, from the record.
std::vector<std::string> LinesOf(const Conversation& conversation) {
  std::vector<std::string> lines;
  for (int index = conversation.first; index < conversation.closing; ++index)
    lines.push_back(AsDrawn(record::dialogue::Find(index)->text));
  return lines;
}

enum class Ending { DriveAway, Jumpscare, DeathThenDriveAway };

std::vector<std::string> ExpectedLines(Ending ending) {
  std::vector<std::string> lines;
  for (const Conversation& conversation : record::dialogue::Conversations) {
    const auto part = LinesOf(conversation);
    lines.insert(lines.end(), part.begin(), part.end());
    // Dying once in bed means lying down again to the same thoughts.
    if (ending == Ending::DeathThenDriveAway && conversation.first == 150)
      lines.insert(lines.end(), part.begin(), part.end());
  }
  return lines;
}

void AddRange(std::vector<int>& scenes, int from, int to) {
  for (int scene = from; scene <= to; ++scene) scenes.push_back(scene);
}

std::vector<int> ExpectedScenes(Ending ending) {
  std::vector<int> scenes;
  AddRange(scenes, 0, 62);
  scenes.insert(scenes.end(), {61, 62});  // to the lake, fishing, and back to its thoughts
  if (ending == Ending::DeathThenDriveAway) {
    AddRange(scenes, 63, 83);
    scenes.insert(scenes.end(), {DeathScene, 81});  // the game over, then back to the bedroom
    AddRange(scenes, 82, 86);
  } else {
    AddRange(scenes, 63, 86);
  }
  if (ending == Ending::Jumpscare) {
    AddRange(scenes, 88, 90);
    scenes.insert(scenes.end(), {DeathScene, JumpscareGameOverScene, JumpscareClosingScene});
  } else {
    AddRange(scenes, 88, 92);
  }
  return scenes;
}

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
