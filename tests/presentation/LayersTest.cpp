// The prompts, the held objects, the tint and the static: what is drawn under
// which condition, and where, against the record's places and colours.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "core/Sixtieths.h"
#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "presentation/Overlays.h"
#include "record/ScreenPlaces.h"

namespace {

TEST(Prompt, AtMostOneByTheFirstRuleThatHoldsAndInItsPlace) {
  struct Case {
    bool exit, use, fishing, brushing, animating;
    int kind;
    const char* expected;  // nullptr: no prompt
  };
  const Case cases[] = {
      {true, false, false, false, false, 0, "MoveTexture"},
      {true, true, false, false, false, 0, "UseTexture"},  // Use wins over Move
      {false, true, true, false, false, 0, "ClickALotTexture"},
      {true, true, true, false, false, 0, "UseTexture"},
      {false, true, false, false, false, 0, "UseTexture"},
      {false, false, false, true, false, 0, "UseTexture"},
      {true, false, false, true, false, 0, "MoveTexture"},
      {false, false, true, true, false, 0, nullptr},
      {false, false, false, false, true, 3, "WalkTexture"},
      {false, false, false, false, false, 3, nullptr},
      {false, false, false, false, true, 8, nullptr},  // the walks to the lake and the phone show none
      {false, false, false, false, true, 9, nullptr},
      {false, false, false, false, false, 0, nullptr},
  };
  for (const Case& c : cases) {
    GameState state;
    state.ExitReady = c.exit;
    state.UseReady = c.use;
    state.FishingActive = c.fishing;
    state.BrushingActive = c.brushing;
    state.Animating = c.animating;
    state.AnimationKind = c.kind;
    RecordingDrawing drawing;
    DrawPrompt(state, drawing);
    if (!c.expected) {
      EXPECT_TRUE(drawing.calls.empty());
      continue;
    }
    ASSERT_EQ(drawing.calls.size(), 1u);
    EXPECT_EQ(NameOf(drawing.calls[0].texture), c.expected);
    const bool walk = std::string(c.expected) == "WalkTexture";
    EXPECT_EQ(drawing.calls[0].dest, Rect(walk ? record::WalkPrompt : record::Prompt)) << c.expected;
  }
}

TEST(NightTint, EveryFrameOverTheScreenRedOnlyOnTheLastEscape) {
  for (int scene : {90, 91, 89, 92, DeathScene, JumpscareGameOverScene}) {
    for (int tint : {0, 200}) {
      GameState state;
      state.SceneIndex = scene;
      state.NightTint = tint;
      RecordingDrawing drawing;
      DrawNightTint(state, drawing);
      ASSERT_EQ(drawing.Fills().size(), 1u);
      const bool red = scene == 90 || scene == 91;
      EXPECT_EQ(drawing.Fills()[0].color, Colour(red ? record::LastEscapeTintColour : record::NightTintColour, tint))
          << scene;
      EXPECT_EQ(drawing.Fills()[0].dest, Rect(record::Screen));
    }
  }
}

// Each held object under its condition, at its place.
struct Held {
  const char* name;
  std::function<void(GameState&)> arrange;
  const char* picture;
  record::Place place;
};

const Held HeldObjects[] = {
    {"BrushUp", [](GameState& s) { s.BrushingActive = true, s.ToothbrushRect.y = 400; }, "ToothBrushTexture",
     record::ToothbrushUp},
    {"BrushAtStart", [](GameState& s) { s.BrushingActive = true; }, "ToothBrushTexture", record::ToothbrushAtStart},
    {"LighterAtTheFirstFire", [](GameState& s) { s.SceneIndex = 31, s.UseReady = true; }, "LighterTexture",
     record::Item},
    {"LighterAllThroughTheSecond", [](GameState& s) { s.SceneIndex = 77; }, "LighterTexture", record::Item},
    {"Bottle", [](GameState& s) { s.Drinking = true; }, "WaterBottleTexture", record::Item},
    {"Rod", [](GameState& s) { s.RodVisible = true; }, "FishingRodTexture", record::Rod},
    {"RodFishing", [](GameState& s) { s.RodVisible = true, s.FishingActive = true; }, "FishingRodUsingTexture",
     record::Rod},
    {"Photo", [](GameState& s) { s.PhotoShown = true; }, "PhotoTexture", record::Screen},
    {"NothingAtTheFirstFireOnceUsed", [](GameState& s) { s.SceneIndex = 31; }, nullptr, {}},
    {"NoRodWhileFishingWithoutIt", [](GameState& s) { s.FishingActive = true; }, nullptr, {}},
    {"NoLighterElsewhere", [](GameState& s) { s.SceneIndex = 30, s.UseReady = true; }, nullptr, {}},
};

void PrintTo(const Held& held, std::ostream* os) { *os << held.name; }

class HeldObject : public testing::TestWithParam<Held> {};

TEST_P(HeldObject, DrawnAtItsPlace) {
  const Held& held = GetParam();
  GameState state;
  held.arrange(state);
  RecordingDrawing drawing;
  DrawHeldObjects(state, drawing);
  if (!held.picture) {
    EXPECT_TRUE(drawing.calls.empty());
    return;
  }
  ASSERT_EQ(drawing.calls.size(), 1u);
  EXPECT_EQ(NameOf(drawing.calls[0].texture), held.picture);
  EXPECT_FALSE(drawing.calls[0].hasSource) << "the whole picture";
  EXPECT_EQ(drawing.calls[0].dest, Rect(held.place));
}

INSTANTIATE_TEST_SUITE_P(Places, HeldObject, testing::ValuesIn(HeldObjects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Places, TheFoodTheCardTheGameOverPictureAndTheBandInAFrame) {
  for (int food : {0, 1, 2}) {
    FrameDriver driver;
    driver.Frame();
    driver.state.SceneIndex = 7;  // eating
    driver.state.UseActive = true;
    driver.state.FoodChoice = food;
    driver.state.GameOverShown = true;
    driver.state.FadingOut = true;
    driver.state.FadeAlpha = 240;
    driver.state.NextDayHold = true;
    driver.state.NextDayTimer = 100;
    driver.state.DialogueActive = true;
    driver.Frame();
    const RecordingDrawing& frame = driver.rec.drawing;
    const char* meal = food == 1 ? "SoupTexture" : "PizzaTexture";
    for (auto [picture, place] : {std::pair{meal, record::Food}, std::pair{"GameOverTexture", record::Screen},
                                  std::pair{"NextDayTexture", record::NextDayCard}}) {
      const auto draws = frame.DrawsOf(TextureNamed(picture));
      ASSERT_EQ(draws.size(), 1u) << picture;
      EXPECT_EQ(draws[0].dest, Rect(place)) << picture;
    }
    int band = 0;
    for (const DrawCall& fill : frame.Fills())
      band += fill.dest == Rect(record::DialogueBand) && fill.color == Colour(record::DialogueBandColour, 200);
    EXPECT_EQ(band, 1);
  }
}

TEST(Places, TheCursorStartsWhereTheRecordPutsItAndMovesBeforeItIsDrawn) {
  FrameDriver computer;
  computer.Frame();
  computer.state.SceneIndex = 10;
  computer.state.UseActive = true;
  const std::uint64_t before = computer.rec.clock.now;
  computer.Frame();
  const float moved = 40 * DescribedDelta(before, computer.rec.clock.now);
  ASSERT_EQ(computer.rec.drawing.DrawsOf(CursorTexture).size(), 1u);
  const record::Place& start = record::CursorAtStart;
  EXPECT_EQ(computer.rec.drawing.DrawsOf(CursorTexture)[0].dest,
            (FRect{start.x - moved, start.y + moved, start.w, start.h}));
}

TEST(ScreenOverlay, TheStaticFrameChosenBeforeAndTheScanlinesOverTheScreen) {
  for (int frame = 0; frame < 4; ++frame) {
    GameState state;
    state.StaticTimer = 0.01f;
    state.StaticFrame = frame;
    state.DeltaTime = 0.02f;
    CountSixtieths(state, 20);  // the frame holds one sixtieth of a second
    RecordingDrawing drawing;
    DrawScreenOverlay(state, drawing);
    ASSERT_EQ(drawing.calls.size(), 2u);
    EXPECT_EQ(NameOf(drawing.calls[0].texture), "StaticTexture");
    EXPECT_TRUE(drawing.calls[0].hasSource);
    const record::Place& source = record::StaticFrames[frame];
    EXPECT_EQ(drawing.calls[0].source, (FRect{source.x, source.y, source.w, source.h}));
    EXPECT_EQ(drawing.calls[0].dest, Rect(record::Screen));
    EXPECT_FLOAT_EQ(state.StaticTimer, 0.3f);
    EXPECT_EQ(NameOf(drawing.calls[1].texture), "ScanlinesTexture");
    EXPECT_FALSE(drawing.calls[1].hasSource);
    EXPECT_EQ(drawing.calls[1].dest, Rect(record::Screen));
  }
  // Any of the four may come next, the same one again too.
  std::set<int> chosen;
  for (int i = 0; i < 200; ++i) {
    GameState state;
    state.DeltaTime = 0.05f;
    CountSixtieths(state, 50);
    RecordingDrawing drawing;
    DrawScreenOverlay(state, drawing);
    chosen.insert(state.StaticFrame);
  }
  EXPECT_EQ(chosen, (std::set<int>{0, 1, 2, 3}));
}

}  // namespace
