// The hotspot windows against the record: the prompt comes and goes at the
// window's edges to the pixel as the player walks across them, scenes without
// a window leave the flags alone, and Return at an exit does what the record says.

#include <gtest/gtest.h>

#include <cmath>

#include "harness/FrameDriver.h"
#include "harness/RecordFields.h"
#include "record/HotspotWindows.h"
#include "world/Hotspots.h"

namespace record::hotspots {
void PrintTo(const Window& window, std::ostream* os) { *os << "window of scene " << window.scene; }
}  // namespace record::hotspots

namespace {

using record::hotspots::Rule;
using record::hotspots::Window;

constexpr double OnePixelMs = 4;  // at 250 px/s a 4 ms frame walks exactly one pixel

bool Inside(const Window& window, float x) { return window.lower < x && x < window.upper; }

FrameDriver StandingIn(int scene, float x) {
  FrameDriver driver;
  driver.Frame();  // the title's fade ends; walking at 250 px/s
  driver.state.SceneIndex = scene;
  driver.state.DialogueActive = false;
  driver.state.BackgroundRect.x = x;
  return driver;
}

// Which prompt the frame drew: "Move", "Use" or "".
std::string Prompt(const RecordingDrawing& frame) {
  const bool move = frame.Drew(TextureNamed("MoveTexture"));
  const bool use = frame.Drew(TextureNamed("UseTexture"));
  if (move && !use) return "Move";
  if (use && !move) return "Use";
  return move ? "both" : "";
}

std::string PromptInside(const Window& window) { return window.exit ? "Move" : "Use"; }

// Windows with an edge the player can walk across.
std::vector<Window> WalkableWindows() {
  std::vector<Window> windows;
  for (const Window& window : record::hotspots::Windows)
    if (window.rule != Rule::Always && window.rule != Rule::UnlessUseActive && window.rule != Rule::PhoneGone)
      windows.push_back(window);
  return windows;
}

class HotspotWindows : public testing::TestWithParam<Window> {};

TEST_P(HotspotWindows, PromptShowsExactlyWhileTheBackdropIsInside) {
  const Window& window = GetParam();
  for (float x = -1150; x <= 0; x += 5) {
    FrameDriver driver = StandingIn(window.scene, x);
    driver.Frame();
    EXPECT_EQ(Prompt(driver.rec.drawing), Inside(window, x) ? PromptInside(window) : "") << "x = " << x;
  }
}

TEST_P(HotspotWindows, PromptComesAndGoesOnTheFirstPixelAcrossEachEdge) {
  const Window& window = GetParam();
  for (float edge : {window.lower, window.upper}) {
    if (!std::isfinite(edge)) continue;
    // Walk one pixel a frame across the edge and back. The window looks at
    // where the last frame's walking left the backdrop.
    FrameDriver driver = StandingIn(window.scene, edge - 3);
    for (Scancode key : {ScancodeLeft, ScancodeRight}) {
      driver.rec.input.ReleaseAll();
      driver.Hold(key);
      for (int step = 0; step < 6; ++step) {
        const float x = driver.state.BackgroundRect.x;
        driver.Frame(OnePixelMs);
        EXPECT_EQ(Prompt(driver.rec.drawing), Inside(window, x) ? PromptInside(window) : "")
            << "at x = " << x << " walking " << (key == ScancodeLeft ? "left" : "right") << " across " << edge;
        EXPECT_EQ(driver.state.BackgroundRect.x, x + (key == ScancodeLeft ? 1 : -1)) << "one pixel a frame";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Record, HotspotWindows, testing::ValuesIn(WalkableWindows()),
                         [](const testing::TestParamInfo<Window>& info) {
                           return "Scene" + std::to_string(info.param.scene);
                         });

TEST(HotspotWindows, AlwaysOpenWindowsShowTheWayOnWherePlayerStands) {
  for (const Window& window : record::hotspots::Windows) {
    if (window.rule != Rule::Always) continue;
    for (float x : {-1150.0f, -650.0f, 0.0f}) {
      FrameDriver driver = StandingIn(window.scene, x);
      driver.state.ExitReady = false;
      driver.Frame();
      EXPECT_EQ(Prompt(driver.rec.drawing), "Move") << "scene " << window.scene << " at " << x;
    }
  }
}

TEST(HotspotWindows, ScenesWithoutAWindowLeaveBothFlagsAsTheyAre) {
  for (int scene : record::hotspots::ScenesWithoutWindow) {
    for (bool set : {true, false}) {
      for (float x = -1150; x <= 0; x += 25) {
        FrameDriver driver = StandingIn(scene, x);
        driver.state.ExitReady = driver.state.UseReady = set;
        driver.state.LightsOutTimer = 100;  // keep the lights on in scene 36
        driver.state.ClosetTimer = -200;    // and the closet quiet in scene 85
        driver.Frame();
        EXPECT_EQ(driver.state.ExitReady, set) << "scene " << scene << " at " << x;
        EXPECT_EQ(driver.state.UseReady, set) << "scene " << scene << " at " << x;
      }
    }
  }
}

// The generator places doors from the game's own table of windows, and the
// game reads the same table: it must say what the record says.
TEST(HotspotWindows, TheGamesTableIsTheRecord) {
  for (const Window& window : record::hotspots::Windows) {
    const HotspotWindow* game = FindHotspotWindow(window.scene);
    ASSERT_NE(game, nullptr) << "scene " << window.scene;
    EXPECT_EQ(game->flag == HotspotFlag::Exit, window.exit) << "scene " << window.scene;
    if (window.rule != Rule::Always && window.rule != Rule::UnlessUseActive) {
      EXPECT_EQ(game->lower, window.lower) << "scene " << window.scene;
      EXPECT_EQ(game->upper, window.upper) << "scene " << window.scene;
    }
  }
  for (int scene : record::hotspots::ScenesWithoutWindow) EXPECT_EQ(FindHotspotWindow(scene), nullptr) << scene;
}

TEST(HotspotWindows, WalkingLeftPastTheEdgeInTheEmptiedRoomOpensTheLine) {
  // The backdrop walks at 255 px/s here, so it is put at the edge directly.
  FrameDriver driver = StandingIn(86, -500);
  driver.state.ExitReady = true;
  driver.Frame();
  EXPECT_FALSE(driver.state.DialogueActive) << "-500 is not yet past it";
  EXPECT_FALSE(driver.state.ExitReady);
  driver.state.BackgroundRect.x = -499.99f;
  driver.Frame();
  EXPECT_TRUE(driver.state.DialogueActive);
  EXPECT_EQ(driver.state.MessageIndex, 168);
  // Once its last line has closed, the same place only keeps the exit shut.
  FrameDriver after = StandingIn(86, -300);
  after.state.MessageIndex = 173;
  after.state.ExitReady = true;
  after.Frame();
  EXPECT_FALSE(after.state.DialogueActive);
  EXPECT_FALSE(after.state.ExitReady);
}

// ---- Return at an exit --------------------------------------------------------------------

struct ExitCase {
  int scene;
  int surface;
  std::vector<std::string> sounds;
  bool fades;
  int sceneAfter;
};

TEST(ReturnAtAnExit, FootstepByTheSurfaceThenTheScenesOwnWayOn) {
  using namespace record::hotspots;
  const ExitCase cases[] = {
      {2, 0, {WoodFootstep}, true, 2},
      {2, 1, {GrassFootstep}, true, 2},
      {2, 2, {}, true, 2},
      {17, 1, {GrassFootstep, EngineStart}, true, 17},
      {60, 1, {GrassFootstep}, true, 60},
      {0, 0, {WoodFootstep}, false, 1},
      {14, 0, {WoodFootstep}, false, 15},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE("scene " + std::to_string(c.scene) + " on surface " + std::to_string(c.surface));
    FrameDriver driver = StandingIn(c.scene, -650);
    driver.state.ExitReady = true;
    driver.state.FootstepSurface = c.surface;
    driver.state.FadeSpeed = 350;
    driver.state.AnimationKind = 0;
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(driver.rec.audio.PlayedOnce(), c.sounds);
    EXPECT_EQ(driver.state.FadingOut, c.fades);
    EXPECT_EQ(driver.state.SceneIndex, c.sceneAfter);
    if (c.scene == 60) {
      EXPECT_EQ(driver.state.FadeSpeed, 1000);
    } else {
      EXPECT_EQ(driver.state.FadeSpeed, 350);
    }
    if (!c.fades) {
      EXPECT_TRUE(driver.state.Animating) << "getting out of bed";
      EXPECT_EQ(driver.state.AnimationKind, 0);
    }
  }
}

TEST(ReturnAtAnExit, TheGameBeginsOnWood) {
  FrameDriver driver;  // as the title hands over, nothing else changed
  driver.Frame();
  driver.state.DialogueActive = false;
  driver.state.BackgroundRect.x = -400;
  driver.Frame();
  ASSERT_TRUE(driver.state.ExitReady);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), std::vector<std::string>{record::hotspots::WoodFootstep});
}

TEST(ReturnAtAnExit, NothingWhileAnythingElseHasTheKey) {
  const std::function<void(GameState&)> blockers[] = {
      [](GameState& s) { s.UseReady = true; },
      [](GameState& s) { s.DialogueActive = true; s.MessageIndex = 999; },
      [](GameState& s) { s.FadingOut = true; s.FadeAlpha = 100; },
      [](GameState& s) { s.FadingIn = true; s.FadeAlpha = 100; },
  };
  for (const auto& block : blockers) {
    FrameDriver driver = StandingIn(2, -300);
    driver.state.ExitReady = true;
    block(driver.state);
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(driver.rec.audio.TimesPlayed(record::hotspots::WoodFootstep), 0);
    EXPECT_TRUE(driver.state.SceneIndex == 2);
  }
}

}  // namespace
