#include <gtest/gtest.h>

#include "harness/FrameDriver.h"
#include "harness/Player.h"
#include "harness/RecordFields.h"
#include "record/SceneRows.h"
#include "world/SceneTable.h"
#include "core/Views.h"

namespace {

const record::rows::Row* RecordedRow(int scene) {
  for (const auto& row : record::rows::Rows)
    if (row.scene == scene) return &row;
  return nullptr;
}

// Runs of scenes that are left by walking through an exit, from where the
// story enters the first to the scene that the last exit leads into.
struct Chain {
  int first;
  int end;
};

constexpr Chain Chains[] = {
    {1, 5},   {6, 7},   {8, 10},  {11, 13}, {15, 18}, {19, 20}, {22, 26}, {27, 31},
    {32, 36}, {37, 39}, {40, 42}, {45, 49}, {50, 53}, {54, 56}, {59, 61}, {64, 66},
    {67, 69}, {74, 75}, {76, 77}, {80, 83}, {84, 85}, {88, 90}, {91, 92},
};

// The state in which the story arrives in `scene`: the row that leads there
// (or the direct change) applied, its fade over.
GameState ArrivingIn(int scene) {
  GameState state = GameStartState();
  state.FadingIn = false;
  state.DialogueActive = false;
  state.WalkSpeed = 250;
  RecordingAudio unused;
  switch (scene) {
    case 1:
    case 15:  // after getting out of bed
      state.SceneIndex = scene;
      state.BackgroundTexture = HouseBedRoomMiddleTexture;
      state.BackgroundRect = {-650 + 80, -200, 2000, 1000};
      break;
    case 50:
      state.SceneIndex = 50;
      state.BackgroundTexture = CabinBedTexture;
      state.BackgroundRect = RoomView;
      state.DialogueActive = true;
      state.MessageIndex = 84;
      break;
    case 76:
      state.SceneIndex = 76;
      state.BackgroundTexture = CabinPhotoTexture;
      state.BackgroundRect = RoomView;
      state.FootstepSurface = 1;
      break;
    case 80:
      state.SceneIndex = 80;
      state.BackgroundTexture = CabinPhotoTexture;
      state.BackgroundRect = RoomView;
      state.DialogueActive = true;
      state.MessageIndex = 143;
      state.FootstepSurface = 1;
      break;
    case 88:
      state.SceneIndex = 88;
      state.BackgroundTexture = NoPhoneCabinTexture;
      state.BackgroundRect = RoomView;
      state.ExitReady = true;
      break;
    default:
      state.SceneIndex = scene - 1;
      ApplySceneRow(state, unused, 255);
      break;
  }
  return state;
}

class ExitChains : public testing::TestWithParam<double> {};

TEST_P(ExitChains, WalkedThroughByArrowsAndReturnAlone) {
  const double hz = GetParam();
  for (const Chain& chain : Chains) {
    SCOPED_TRACE("chain from scene " + std::to_string(chain.first) + " at " + std::to_string(hz) + " Hz");
    FrameDriver driver(ArrivingIn(chain.first));
    driver.SetRate(hz);
    Player player;
    double now = 0;
    int scene = driver.state.SceneIndex;
    for (int frame = 0; frame < 60 * 120 && driver.state.SceneIndex != chain.end; ++frame) {
      player.Decide(driver.state, driver.rec.drawing, driver.rec.input, now);
      for (int key : driver.rec.input.held)
        ASSERT_TRUE(key == ScancodeLeft || key == ScancodeRight) << "only arrow keys are needed here";
      driver.Step();
      now += 1000.0 / hz;
      if (driver.state.SceneIndex == scene) continue;
      // A scene change by a row: the next scene's backdrop, view and sounds, as recorded.
      const record::rows::Row* row = RecordedRow(scene);
      if (row && driver.state.SceneIndex == row->next) {
        if (row->backdrop) {
          EXPECT_EQ(NameOf(driver.state.BackgroundTexture), row->backdrop) << "row " << scene;
        }
        if (row->view) {
          const auto& v = *row->view;
          EXPECT_EQ(driver.state.BackgroundRect, (FRect{v.x, v.y, v.w, v.h})) << "row " << scene;
        }
        for (const auto& sound : row->sounds) {
          const SoundId id = SoundNamed(sound.sound);
          const std::string command = sound.command;
          EXPECT_EQ(driver.rec.audio.playing[id], command != "stop") << sound.sound;
          if (command == "loop") {
            EXPECT_TRUE(driver.rec.audio.looping[id]) << sound.sound;
          }
        }
      }
      EXPECT_EQ(driver.state.SceneIndex, scene + 1) << "scenes follow one another";
      scene = driver.state.SceneIndex;
    }
    EXPECT_EQ(driver.state.SceneIndex, chain.end);
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, ExitChains, testing::Values(30.0, 60.0, 240.0),
                         [](const testing::TestParamInfo<double>& info) {
                           return std::to_string(static_cast<int>(info.param)) + "Hz";
                         });

}  // namespace
