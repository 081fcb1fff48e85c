#include <gtest/gtest.h>

#include <algorithm>

#include "harness/FrameDriver.h"
#include "harness/Scenes.h"
#include "record/WalkingBounds.h"
#include "world/Walking.h"

namespace {

GameState Walkable(float x, float y = -200) {
  GameState state = GameStartState();
  state.SceneIndex = 2;
  state.DialogueActive = false;
  state.FadingIn = false;
  state.WalkSpeed = 250;
  state.DeltaTime = 1.0f / 60;
  state.BackgroundRect.x = x;
  state.BackgroundRect.y = y;
  return state;
}

TEST(Walking, EachBoundLetsOneStepPastAndNoFurther) {
  for (const auto& d : record::walking::Directions) {
    for (int key : {d.key, d.otherKey}) {
      // Start a tenth of a pixel inside the bound.
      const float start = d.bound - d.sign * 0.1f;
      GameState state = d.horizontal ? Walkable(start) : Walkable(-650, start);
      ScriptedInput input;
      input.Hold(static_cast<Scancode>(key));
      UpdateWalking(state, input);
      const float after = d.horizontal ? state.BackgroundRect.x : state.BackgroundRect.y;
      const float step = record::walking::SpeedAfterFade / 60;
      EXPECT_NEAR(after, start + d.sign * step, 1e-3) << "key " << key;
      EXPECT_EQ(d.horizontal ? state.BackgroundRect.y : state.BackgroundRect.x, d.horizontal ? -200 : -650)
          << "the other axis stays, key " << key;
      UpdateWalking(state, input);
      EXPECT_EQ(d.horizontal ? state.BackgroundRect.x : state.BackgroundRect.y, after) << "refused past the bound";
    }
  }
}

TEST(Walking, LeftAndRightTogetherCancelExceptAtTheLeftBound) {
  GameState state = Walkable(-650);
  ScriptedInput input;
  input.Hold(ScancodeLeft);
  input.Hold(ScancodeD);
  UpdateWalking(state, input);
  EXPECT_FLOAT_EQ(state.BackgroundRect.x, -650);
  state.BackgroundRect.x = 0;
  UpdateWalking(state, input);
  EXPECT_LT(state.BackgroundRect.x, 0);  // only Right moves
}

TEST(Walking, LettersWalkLikeArrows) {
  GameState a = Walkable(-650), b = Walkable(-650);
  ScriptedInput wasd, arrows;
  wasd.Hold(ScancodeA);
  wasd.Hold(ScancodeS);
  arrows.Hold(ScancodeLeft);
  arrows.Hold(ScancodeDown);
  UpdateWalking(a, wasd);
  UpdateWalking(b, arrows);
  EXPECT_EQ(a.BackgroundRect, b.BackgroundRect);
  EXPECT_GT(a.BackgroundRect.x, -650);
  EXPECT_LT(a.BackgroundRect.y, -200);
}

TEST(Walking, NothingMovesWhileALineIsShownOrInCloseUps) {
  const auto& still = record::walking::NoWalkScenes;
  for (int scene = 0; scene <= 93; ++scene) {
    GameState state = Walkable(-650);
    state.SceneIndex = scene;
    if (scene == 86) state.AnimationFrame = 7;  // the living room once something has got away
    ScriptedInput input;
    input.Hold(ScancodeLeft);
    UpdateWalking(state, input);
    const bool walks = std::find(still.begin(), still.end(), scene) == still.end();
    EXPECT_EQ(state.BackgroundRect.x != -650, walks) << "scene " << scene;
  }
  GameState state = Walkable(-650);
  state.DialogueActive = true;
  ScriptedInput input;
  input.Hold(ScancodeLeft);
  UpdateWalking(state, input);
  EXPECT_FLOAT_EQ(state.BackgroundRect.x, -650);
}

TEST(Walking, HeldKeysWaitForTheEndOfAFade) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 2;
  driver.state.DialogueActive = false;
  driver.state.BackgroundRect.x = -650;
  driver.state.FadingOut = true;
  driver.Frame();  // the fade has set WalkSpeed to 0
  driver.Hold(ScancodeLeft);
  const float x = driver.state.BackgroundRect.x;
  while (driver.state.FadingOut || driver.state.FadingIn) {
    driver.Frame();
    EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -650) << "no walking during the fade";
    driver.state.BackgroundRect.x = x;  // stay at the row's view for the check
  }
  driver.Frame(20);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -650 + 250 * 0.02f);
}

}  // namespace

namespace {

// Walking through a fade into a set piece that fills the screen, with a
// sideways key held all the while: the picture must stay where it is drawn
// (the whole screen), never slid by the one walking step the fade's end allows.
TEST(Walking, AKeyHeldAsAFadeEndsDoesNotShiftAFullScreenSetPiece) {
  struct Case {
    int scene;  // left through a fade into the set piece
    const char* what;
  };
  for (const Case c : {Case{17, "the car ride"}, Case{19, "the first forest walk"}, Case{29, "leaving the cabin"},
                       Case{41, "the walk to the car"}, Case{43, "the walk back"}, Case{89, "the last walk"}}) {
    for (Scancode key : {ScancodeRight, ScancodeD, ScancodeLeft}) {
      FrameDriver driver = StandingIn(c.scene, CabinOutsideTexture);
      driver.state.FadingOut = true;
      driver.Hold(key);
      ASSERT_TRUE(driver.RunUntil([&](const GameState& s) { return s.SceneIndex == c.scene + 1; }, 600)) << c.what;
      // Through the rest of the fade and a second of the set piece.
      for (int frame = 0; frame < 90; ++frame) {
        driver.Frame();
        if (!driver.state.Animating) break;  // leaving the cabin ends on the room's own view
        EXPECT_EQ(driver.state.BackgroundRect.x, 0) << c.what << ", key " << key << ", frame " << frame;
        EXPECT_EQ(driver.state.BackgroundRect.y, 0) << c.what << ", key " << key << ", frame " << frame;
      }
    }
  }
}

TEST(Walking, LightingTheFireWithAKeyHeldKeepsTheViewTheLighterSet) {
  FrameDriver driver = StandingIn(31, CampfireTexture);
  driver.state.UseReady = true;
  driver.state.BackgroundRect.x = -500;
  driver.Hold(ScancodeRight);
  driver.ReleaseReturn();
  driver.Frame();
  ASSERT_TRUE(driver.state.Animating);
  EXPECT_EQ(driver.state.BackgroundRect.x, -650);  // the room's own view
  driver.Frame();
  EXPECT_EQ(driver.state.BackgroundRect.x, -650);
}

TEST(Walking, GettingUpOutOfBedStillLetsThePlayerLookAround) {
  FrameDriver driver = StandingIn(15, HouseBedRoomMiddleTexture);
  driver.state.Animating = true;
  driver.state.AnimationKind = 0;
  driver.state.WalkSpeed = 250;
  const float before = driver.state.BackgroundRect.x;
  driver.Hold(ScancodeRight);
  driver.Frame();
  EXPECT_LT(driver.state.BackgroundRect.x, before);
}

}  // namespace
