#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

#include "harness/FrameDriver.h"
#include "harness/Player.h"
#include "story/DialogueScript.h"

namespace {

// Points along the story, taken while the player plays it through at 60 Hz.
std::vector<GameState> StoryCheckpoints(PlayerPlan plan, int everyFrames) {
  std::srand(5);
  FrameDriver driver;
  Player player(plan);
  std::vector<GameState> checkpoints;
  double now = 0;
  for (long frame = 0; frame < 60L * 600 && !driver.quit; ++frame) {
    if (frame % everyFrames == 0) checkpoints.push_back(driver.state);
    player.Decide(driver.state, driver.rec.drawing, driver.rec.input, now);
    driver.Frame(1000.0 / 60);
    now += 1000.0 / 60;
  }
  return checkpoints;
}

bool IsKnownScene(int scene) {
  if (scene == DeathScene || scene == JumpscareGameOverScene || scene == JumpscareClosingScene) return true;
  return scene >= 0 && scene <= 92 && scene != 87;
}

// What must hold after every frame, whatever the player did.
std::string BrokenInvariant(const GameState& s) {
  std::ostringstream why;
  if (!IsKnownScene(s.SceneIndex)) why << "unknown scene " << s.SceneIndex << "; ";
  if (s.DialogueActive && !FindDialogueEntry(s.MessageIndex)) why << "no line " << s.MessageIndex << "; ";
  if (!s.FadingOut && !s.FadingIn && (s.FadeAlpha < 0 || s.FadeAlpha > 255)) why << "fade " << s.FadeAlpha << "; ";
  if (s.FadingOut && s.FadingIn) why << "fading both ways; ";
  if (s.MessageText[49] != '\0') why << "text row not terminated; ";
  if (s.TextCursorRect.x != 0) why << "text cursor not home; ";
  if (s.DeltaTime < 0 || s.DeltaTime > 0.05f) why << "frame time " << s.DeltaTime << "; ";
  if (s.NightTint < 0 || s.NightTint > 255) why << "tint " << s.NightTint << "; ";
  if (s.BackgroundTexture < 0 || s.BackgroundTexture >= TextureCount) why << "backdrop; ";
  static const std::set<int> kinds = {0, 1, 2, 3, 4, 5, 6, 8, 9, 256};
  if (!kinds.count(s.AnimationKind)) why << "animation kind " << s.AnimationKind << "; ";
  if (s.StaticFrame < 0 || s.StaticFrame > 3) why << "static frame; ";
  return why.str();
}

constexpr Scancode GameKeys[] = {ScancodeLeft, ScancodeRight, ScancodeUp,  ScancodeDown,
                                 ScancodeA,    ScancodeD,     ScancodeW,   ScancodeS};

// Random presses, holds and releases with random frame lengths.
void PlayRandomly(FrameDriver& driver, std::mt19937& random, int frames) {
  std::uniform_real_distribution<double> chance(0, 1);
  std::uniform_int_distribution<int> key(0, 7), frameMs(0, 80);
  for (int i = 0; i < frames && !driver.quit; ++i) {
    if (chance(random) < 0.2) driver.ReleaseReturn();
    if (chance(random) < 0.1) {
      const Scancode k = GameKeys[key(random)];
      if (driver.rec.input.IsHeld(k))
        driver.Release(k);
      else
        driver.Hold(k);
    }
    driver.Frame(frameMs(random));
    const std::string broken = BrokenInvariant(driver.state);
    ASSERT_TRUE(broken.empty()) << broken << "in scene " << driver.state.SceneIndex;
  }
}

// Whether the player, from `start`, reaches a closing screen (and leaves it).
bool ReachesAClosingScreen(const GameState& start, double hz, double gameSeconds) {
  FrameDriver driver(start);
  driver.state.LastTicks = 0;
  Player player;
  double now = 0;
  const long frames = static_cast<long>(gameSeconds * hz);
  for (long frame = 0; frame < frames && !driver.quit; ++frame) {
    player.Decide(driver.state, driver.rec.drawing, driver.rec.input, now);
    driver.Frame(1000.0 / hz);
    now += 1000.0 / hz;
  }
  return driver.quit && driver.state.ShiftQuitAllowed;
}

TEST(Soak, AMillionRandomFramesBreakNothingAndTheStoryCanAlwaysBeFinished) {
  std::vector<GameState> checkpoints = StoryCheckpoints({}, 240);
  const auto dying = StoryCheckpoints({.dieOnceInBedroom = true}, 600);
  checkpoints.insert(checkpoints.end(), dying.begin(), dying.end());
  ASSERT_GT(checkpoints.size(), 80u);

  std::mt19937 random(2026);
  long frames = 0;
  int stuck = 0;
  int checked = 0;
  std::set<int> scenesReached;
  for (std::size_t c = 0; c < checkpoints.size(); ++c) {
    for (int run = 0; run < 12; ++run) {
      FrameDriver driver(checkpoints[c]);
      driver.state.LastTicks = 0;
      const int length = 400 + static_cast<int>(random() % 1200);
      PlayRandomly(driver, random, length);
      if (HasFatalFailure()) return;
      frames += driver.frames;
      scenesReached.insert(driver.state.SceneIndex);
      // From where random play left the game, can it still be finished?
      if (run % 4 == 0 && !driver.quit) {
        ++checked;
        driver.rec.input.ReleaseAll();
        driver.rec.input.events.clear();
        if (!ReachesAClosingScreen(driver.state, 60, 900)) {
          ++stuck;
          ADD_FAILURE() << "no way on from scene " << driver.state.SceneIndex << " (checkpoint " << c << ")";
        }
      }
    }
  }
  std::printf("[ soak ] %ld random frames from %zu story points; %d states checked for a way to an ending\n",
              frames, checkpoints.size(), checked);
  EXPECT_GE(frames, 1000000);
  EXPECT_EQ(stuck, 0);
}

}  // namespace
