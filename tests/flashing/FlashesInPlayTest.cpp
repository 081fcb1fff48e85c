// Whole play-throughs drawn off screen by the real drawing with the generated
// pictures, at 60 frames a second, and checked for flashing light.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Endings.h"
#include "OffscreenPlay.h"

namespace {

using flashing::FlashAnalysis;

class FlashesInPlay : public testing::TestWithParam<Ending> {};

TEST_P(FlashesInPlay, WithTheOptionNoStepFromOneFrameToTheNextCrossesTheFlashThreshold) {
  const Ending& ending = GetParam();
  GameOptions options;
  options.ReduceFlashing = true;
  FlashAnalysis analysis = AnalysisFor({});
  const OffscreenRun run = PlayOffscreen(ending.plan, options, analysis);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitStatus, 0);

  for (const flashing::StepChange& step : analysis.SuddenSteps())
    ADD_FAILURE() << "frame " << step.frame << " (scene " << run.sceneOf[step.frame] << ") changed "
                  << step.share * 100 << " % of the screen past the threshold" << (step.red ? " in red" : "");
  for (const flashing::FailingStretch& f : analysis.Failing())
    ADD_FAILURE() << "more than three flashes a second from frame " << f.firstFrame;
  std::printf("[ flashes ] %s with --reduce-flashing: %ld frames, %zu transitions, largest step %.0f %% of the screen\n",
              ending.name, analysis.Frames(), analysis.Transitions().size(), analysis.LargestStep().share * 100);
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, FlashesInPlay, testing::ValuesIn(Endings),
                         [](const testing::TestParamInfo<Ending>& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// Without the option the check sees the camera flash as the description has
// it: ten sixtieths of white over the whole screen, below the band of
// thoughts (the bottom quarter), come and gone at once.
TEST(FlashesAsDescribed, TheCameraFlashIsTwoStepsTenFramesApartOverThreeQuartersOfTheScreen) {
  FlashAnalysis analysis = AnalysisFor({});
  const OffscreenRun run = PlayOffscreen(Endings[0].plan, {}, analysis);
  ASSERT_TRUE(run.finished);
  std::vector<flashing::StepChange> white;
  for (const flashing::StepChange& step : analysis.SuddenSteps())
    if (step.share > 0.5f) white.push_back(step);
  ASSERT_EQ(white.size(), 2u);
  EXPECT_EQ(white[1].frame - white[0].frame, 10);
  for (const flashing::StepChange& step : white) {
    EXPECT_EQ(run.sceneOf[step.frame], 31);
    EXPECT_NEAR(step.share, 0.75f, 0.02f);
  }
}

}  // namespace
