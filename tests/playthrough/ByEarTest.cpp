// The whole story played by a player who sees nothing: it hears what the game
// says at a voice's pace and decides from that alone.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "harness/FakeSystem.h"
#include <string>

#include "harness/Playthrough.h"
#include "harness/StoryRoutes.h"

namespace {

struct EarRun {
  StoryEnd ending;
  double hz;
};

std::string Name(const testing::TestParamInfo<EarRun>& info) {
  const char* ending = info.param.ending == StoryEnd::DriveAway   ? "DriveAway"
                       : info.param.ending == StoryEnd::Jumpscare ? "Jumpscare"
                                                                  : "DeathThenDriveAway";
  return std::string(ending) + "_" + std::to_string(static_cast<int>(info.param.hz)) + "Hz";
}

void PrintTo(const EarRun& run, std::ostream* os) { *os << Name(testing::TestParamInfo<EarRun>(run, 0)); }

class ByEar : public testing::TestWithParam<EarRun> {};

TEST_P(ByEar, FromTheTitleToTheEndingHeardAndNotSeen) {
  const EarRun run = GetParam();
  EarPlan plan;
  plan.standStillInLastRun = run.ending == StoryEnd::Jumpscare;
  plan.dieOnceInBed = run.ending == StoryEnd::DeathThenDriveAway;

  // EAR_TRANSCRIPT=1 prints what was said, frame by frame, for a reviewer.
  const bool print = std::getenv("EAR_TRANSCRIPT") != nullptr;
  std::size_t said = 0;
  int scene = -1;
  const PlaythroughResult result =
      PlayByEar(plan, FixedRate(run.hz), 1, 2400, {.Speech = true}, [&](const GameState* state, FakeSystem& system) {
        if (!print || !state) return;
        if (state->SceneIndex != scene) std::printf("---- scene %d\n", scene = state->SceneIndex);
        const auto& calls = system.rec.speech.calls;
        for (; said < calls.size(); ++said) std::printf("%s %s\n", calls[said].interrupt ? "!" : " ", calls[said].text.c_str());
      });

  ASSERT_TRUE(result.finished) << "stuck in scene " << result.scenes.back();
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.scenes, ExpectedScenes(run.ending));
  EXPECT_EQ(result.lines, ExpectedLines(run.ending));
  std::printf("[ by ear ] %s: %.1f game seconds\n", Name(testing::TestParamInfo<EarRun>(run, 0)).c_str(),
              result.storySeconds);
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, ByEar,
                         testing::Values(EarRun{StoryEnd::DriveAway, 60}, EarRun{StoryEnd::Jumpscare, 60},
                                         EarRun{StoryEnd::DeathThenDriveAway, 60}, EarRun{StoryEnd::DriveAway, 144},
                                         EarRun{StoryEnd::Jumpscare, 30},
                                         EarRun{StoryEnd::DeathThenDriveAway, 144}),
                         Name);

}  // namespace

