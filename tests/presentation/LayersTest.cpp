#include <gtest/gtest.h>

#include "core/Sixtieths.h"
#include "harness/FrameDriver.h"
#include "presentation/Overlays.h"
#include "core/ScreenRects.h"

namespace {

int IndexOf(const std::vector<DrawCall>& calls, const std::function<bool(const DrawCall&)>& match, int from = 0) {
  for (int i = from; i < static_cast<int>(calls.size()); ++i)
    if (match(calls[i])) return i;
  return -1;
}

auto TextureIs(TextureId texture) {
  return [texture](const DrawCall& c) { return c.kind == DrawCall::Kind::Texture && c.texture == texture; };
}

auto FillWithAlpha(std::uint8_t alpha) {
  return [alpha](const DrawCall& c) { return c.kind == DrawCall::Kind::Fill && c.color.a == alpha; };
}

TEST(Layers, ABusyFrameIsDrawnInItsOrder) {
  FrameDriver driver;
  driver.Frame();
  // The lake at dusk with the rod, a line on screen, the click-a-lot prompt,
  // and a fade under way.
  driver.state.SceneIndex = 61;
  driver.state.BackgroundTexture = LakeTexture;
  driver.state.RodVisible = true;
  driver.state.NightTint = 30;
  driver.state.MessageIndex = 98;
  driver.state.DialogueActive = true;
  driver.state.UseReady = true;
  driver.state.FishingActive = true;
  driver.state.ClickWaitTimer = 100;
  driver.state.FadingOut = true;
  driver.state.FadeAlpha = 77;
  driver.Frame();
  const auto& calls = driver.rec.drawing.calls;
  ASSERT_EQ(calls.front().kind, DrawCall::Kind::Nearest);
  const int clear = IndexOf(calls, [](const DrawCall& c) { return c.kind == DrawCall::Kind::Clear; });
  const int backdrop = IndexOf(calls, TextureIs(LakeTexture));
  const int rod = IndexOf(calls, TextureIs(FishingRodUsingTexture));
  const int tint = IndexOf(calls, FillWithAlpha(30));
  const int band = IndexOf(calls, FillWithAlpha(200));
  const int glyph = IndexOf(calls, TextureIs(LettersTexture));
  const int prompt = IndexOf(calls, TextureIs(ClickALotTexture));
  const int fade = IndexOf(calls, [](const DrawCall& c) {
    return c.kind == DrawCall::Kind::Fill && c.color.r == 0 && c.color.a >= 77 && c.color.a < 120;
  });
  const int staticFrame = IndexOf(calls, TextureIs(StaticTexture));
  const int scanlines = IndexOf(calls, TextureIs(ScanlinesTexture));
  const std::vector<int> order = {clear, backdrop, rod, tint, band, glyph, prompt, fade, staticFrame, scanlines};
  for (std::size_t i = 0; i < order.size(); ++i) ASSERT_GE(order[i], 0) << "layer " << i << " missing";
  for (std::size_t i = 1; i < order.size(); ++i) EXPECT_LT(order[i - 1], order[i]) << "layer " << i;
  EXPECT_EQ(calls.back().kind, DrawCall::Kind::Present);
  EXPECT_EQ(calls[calls.size() - 2].kind, DrawCall::Kind::SetColor);
  EXPECT_EQ(calls[calls.size() - 2].color, (Rgba{0, 0, 0, 0})) << "frames are cleared to black";
}

TEST(Layers, StaticAndScanlinesLieOverAFullBlackFade) {
  FrameDriver driver;
  driver.Frame();
  driver.state.FadeAlpha = 255;
  driver.state.FadingOut = true;
  driver.state.NextDayHold = true;
  driver.state.NextDayTimer = 100;
  driver.state.SceneIndex = 12;
  driver.Frame();
  const auto& calls = driver.rec.drawing.calls;
  const int card = IndexOf(calls, TextureIs(NextDayTexture));
  const int staticFrame = IndexOf(calls, TextureIs(StaticTexture));
  ASSERT_GE(card, 0);
  EXPECT_GT(staticFrame, card);
  EXPECT_EQ(calls[card].dest, (FRect{280, 200, 200, 100}));
  EXPECT_GT(IndexOf(calls, TextureIs(ScanlinesTexture)), staticFrame);
}

TEST(Prompt, AtMostOneByTheFirstRuleThatHolds) {
  struct Case {
    bool exit, use, fishing, brushing, animating;
    int kind;
    TextureId expected;
  };
  const Case cases[] = {
      {true, false, false, false, false, 0, MoveTexture},
      {true, true, false, false, false, 0, UseTexture},  // Use wins over Move
      {false, true, true, false, false, 0, ClickALotTexture},
      {false, true, false, false, false, 0, UseTexture},
      {false, false, false, true, false, 0, UseTexture},
      {false, false, false, false, true, ForestWalk, WalkTexture},
      {false, false, false, false, true, WalkToLake, TextureCount},
      {false, false, false, false, false, 0, TextureCount},
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
    if (c.expected == TextureCount) {
      EXPECT_TRUE(drawing.calls.empty());
      continue;
    }
    ASSERT_EQ(drawing.calls.size(), 1u);
    EXPECT_EQ(drawing.calls[0].texture, c.expected);
    EXPECT_EQ(drawing.calls[0].dest, c.expected == WalkTexture ? WalkPromptRect : PromptRect);
  }
}

TEST(NightTint, RedOnlyOnTheLastEscape) {
  for (auto [scene, red] : {std::pair{90, 8}, std::pair{91, 8}, std::pair{89, 0}, std::pair{DeathScene, 0}}) {
    GameState state;
    state.SceneIndex = scene;
    state.NightTint = 200;
    RecordingDrawing drawing;
    DrawNightTint(state, drawing);
    ASSERT_EQ(drawing.Fills().size(), 1u);
    EXPECT_EQ(drawing.Fills()[0].color, (Rgba{static_cast<std::uint8_t>(red), 0, 5, 200})) << scene;
    EXPECT_EQ(drawing.Fills()[0].dest, ScreenRect);
  }
}

TEST(HeldObjects, EachUnderItsCondition) {
  GameState state;
  state.SceneIndex = 77;  // the lighter is held throughout the second campfire
  RecordingDrawing drawing;
  DrawHeldObjects(state, drawing);
  ASSERT_EQ(drawing.calls.size(), 1u);
  EXPECT_EQ(drawing.calls[0].texture, LighterTexture);
  EXPECT_EQ(drawing.calls[0].dest, ItemRect);

  state.SceneIndex = 31;
  RecordingDrawing notYet;
  DrawHeldObjects(state, notYet);
  EXPECT_TRUE(notYet.calls.empty()) << "in scene 31 only while it can be used";

  state.BrushingActive = true;
  state.ToothbrushRect.y = 400;
  state.RodVisible = true;
  state.Drinking = true;
  RecordingDrawing all;
  DrawHeldObjects(state, all);
  ASSERT_EQ(all.calls.size(), 3u);
  EXPECT_EQ(all.calls[0].texture, ToothBrushTexture);
  EXPECT_EQ(all.calls[0].dest, (FRect{400, 400, 250, 30}));
  EXPECT_EQ(all.calls[1].texture, WaterBottleTexture);
  EXPECT_EQ(all.calls[2].texture, FishingRodTexture);
  EXPECT_EQ(all.calls[2].dest, RodRect);
}

TEST(ScreenOverlay, ANewStaticFrameShowsFromTheNextFrame) {
  GameState state;
  state.StaticTimer = 0.01f;
  state.StaticFrame = 2;
  state.DeltaTime = 0.02f;
  CountSixtieths(state, 20);  // the frame holds one sixtieth of a second
  RecordingDrawing drawing;
  DrawScreenOverlay(state, drawing);
  ASSERT_EQ(drawing.calls.size(), 2u);
  EXPECT_TRUE(drawing.calls[0].hasSource);
  EXPECT_EQ(drawing.calls[0].source, (FRect{256, 0, 384, 128}));
  EXPECT_FLOAT_EQ(state.StaticTimer, 0.3f);
  EXPECT_GE(state.StaticFrame, 0);
  EXPECT_LT(state.StaticFrame, 4);
  EXPECT_EQ(drawing.calls[1].texture, ScanlinesTexture);
  EXPECT_EQ(drawing.calls[1].dest, ScreenRect);
}

}  // namespace
