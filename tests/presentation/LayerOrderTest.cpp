// A frame's draw calls come in the record's layer order, in the frames where
// the rarer layers show: the game-over picture, the jumpscare, the held
// objects, the food, the strips and the flash, the next-day card, and the
// static over everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness/ByName.h"
#include "harness/Scenes.h"
#include "record/LayerOrder.h"

namespace {

using record::Layer;

bool SameColour(const Rgba& c, const record::Colour& r) { return c.r == r.r && c.g == r.g && c.b == r.b; }

// The layers a draw call may belong to; empty for the settings that draw nothing.
std::vector<Layer> CandidatesFor(const DrawCall& call, bool firstPicture) {
  switch (call.kind) {
    case DrawCall::Kind::Clear:
      return {Layer::Clear};
    case DrawCall::Kind::Present:
      return {Layer::Present};
    case DrawCall::Kind::Texture:
      if (firstPicture) return {Layer::Backdrop};
      for (const record::LayerPicture& picture : record::LayerPictures)
        if (NameOf(call.texture) == picture.name) return {picture.layer};
      return {};  // a picture that belongs to no layer over the backdrop
    case DrawCall::Kind::Fill: {
      const Rgba& c = call.color;
      if (SameColour(c, record::NightTintColour) || SameColour(c, record::LastEscapeTintColour))
        return {Layer::NightTint};
      if (c == Colour(record::DialogueBandColour, record::DialogueBandColour.a)) return {Layer::DialogueBand};
      if (c == Colour(record::CameraFlashColour, 255)) return {Layer::AnimationDraws};
      if (c == Colour(record::CarLeadInCover, 255)) return {Layer::AnimationDraws, Layer::FadeRect, Layer::NextDayCard};
      if (SameColour(c, record::FadeColour)) return {Layer::FadeRect};
      return {};
    }
    default:
      return {Layer::Clear};  // settings: no layer of their own, and no place in the order
  }
}

// Gives each call the lowest layer it may belong to that keeps the order; says
// where the order breaks, if it does.
std::vector<Layer> LayersOf(const RecordingDrawing& frame, std::string& broken) {
  std::vector<Layer> layers;
  Layer at = Layer::Clear;
  bool backdropDrawn = false;
  for (std::size_t i = 0; i < frame.calls.size(); ++i) {
    const DrawCall& call = frame.calls[i];
    if (call.kind == DrawCall::Kind::SetColor || call.kind == DrawCall::Kind::Nearest ||
        call.kind == DrawCall::Kind::Alpha || call.kind == DrawCall::Kind::Blend)
      continue;
    const bool firstPicture = call.kind == DrawCall::Kind::Texture && !backdropDrawn;
    backdropDrawn = backdropDrawn || call.kind == DrawCall::Kind::Texture;
    Layer chosen = Layer::Present;
    bool found = false;
    for (Layer candidate : CandidatesFor(call, firstPicture)) {
      if (candidate >= at && (!found || candidate < chosen)) chosen = candidate, found = true;
    }
    if (!found) {
      std::ostringstream out;
      out << "call " << i << " (" << NameOf(call.texture) << ", colour " << int(call.color.r) << ","
          << int(call.color.g) << "," << int(call.color.b) << "," << int(call.color.a) << ") after layer "
          << static_cast<int>(at);
      broken = out.str();
      return layers;
    }
    at = chosen;
    layers.push_back(chosen);
  }
  return layers;
}

struct BusyFrame {
  const char* name;
  int arrivedIn;
  std::function<void(FrameDriver&)> arrange;  // runs frames up to the frame to look at
  std::set<Layer> shows;
};

void Set(FrameDriver& d, const std::function<void(GameState&)>& change) {
  change(d.state);
  d.Frame();
}

const BusyFrame BusyFrames[] = {
    {"GameOverAfterHidingTooLate",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 84, s.ExitReady = true, s.ThreatActive = true, s.ThreatTimer = -3.99f;
         s.FadeAlpha = 255;
       });
     },
     {Layer::Backdrop, Layer::NightTint, Layer::Prompt, Layer::GameOver, Layer::FadeRect, Layer::Static,
      Layer::Scanlines, Layer::Present}},
    {"JumpscareUnderTheTint",
     90,
     [](FrameDriver& d) {
       d.state.ChaseTimer = 0;
       d.Frame();
       d.Frame();
     },
     {Layer::Backdrop, Layer::Jumpscare, Layer::NightTint, Layer::Prompt, Layer::FadeRect, Layer::Static}},
    {"EveryHeldObjectWithALineAndAPrompt",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 77, s.BrushingActive = true, s.Drinking = true, s.RodVisible = true, s.PhotoShown = true;
         s.DialogueActive = true, s.MessageIndex = 127, s.UseReady = true, s.NightTint = 100;
       });
     },
     {Layer::Backdrop, Layer::Toothbrush, Layer::Lighter, Layer::WaterBottle, Layer::FishingRod, Layer::Photo,
      Layer::NightTint, Layer::DialogueBand, Layer::DialogueText, Layer::Prompt}},
    {"TheCursorUnderAStripUnderTheBrush",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 10, s.UseActive = true, s.BrushingActive = true, s.Animating = true, s.AnimationKind = 9;
       });
     },
     {Layer::Backdrop, Layer::BookingCursor, Layer::AnimationDraws, Layer::Toothbrush, Layer::Prompt}},
    {"TheLakeAtDuskWithTheRodALineThePromptAndAFade",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 61, s.BackgroundTexture = LakeTexture, s.RodVisible = true, s.NightTint = 30;
         s.MessageIndex = 98, s.DialogueActive = true, s.UseReady = true, s.FishingActive = true;
         s.ClickWaitTimer = 100, s.FadingOut = true, s.FadeAlpha = 77;
       });
     },
     {Layer::Backdrop, Layer::FishingRod, Layer::NightTint, Layer::DialogueBand, Layer::DialogueText, Layer::Prompt,
      Layer::FadeRect, Layer::Static, Layer::Scanlines}},
    {"FoodOverThePromptUnderTheGameOverPicture",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 7, s.UseActive = true, s.ExitReady = true, s.DialogueActive = true, s.MessageIndex = 5;
         s.GameOverShown = true;
       });
     },
     {Layer::Backdrop, Layer::DialogueBand, Layer::Prompt, Layer::Food, Layer::GameOver, Layer::Static}},
    {"TheFlashUnderTheLighter",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 31, s.UseReady = true, s.Animating = true, s.AnimationKind = 5, s.AnimationFrame = 3;
         s.MessageIndex = 59, s.DialogueActive = true;
       });
     },
     {Layer::Backdrop, Layer::AnimationDraws, Layer::Lighter, Layer::DialogueBand, Layer::Prompt}},
    {"TheCarsBlackUnderTheLineAndTheFade",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 18, s.Animating = true, s.AnimationKind = 1, s.DialogueActive = true, s.MessageIndex = 24;
         s.FadingOut = true, s.FadeAlpha = 100;
       });
     },
     {Layer::Backdrop, Layer::AnimationDraws, Layer::DialogueBand, Layer::FadeRect, Layer::Static}},
    {"ThePhoneStripUnderTheBottle",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) { s.SceneIndex = 70, s.Animating = true, s.AnimationKind = 9, s.Drinking = true; });
     },
     {Layer::Backdrop, Layer::AnimationDraws, Layer::WaterBottle, Layer::NightTint}},
    {"TheNextDayCardUnderTheStatic",
     1,
     [](FrameDriver& d) {
       Set(d, [](GameState& s) {
         s.SceneIndex = 13, s.FadingOut = true, s.FadeAlpha = 255, s.NextDayHold = true, s.NextDayTimer = 100;
       });
     },
     {Layer::Backdrop, Layer::FadeRect, Layer::NextDayCard, Layer::Static, Layer::Scanlines}},
};

// Failures name the frame, not its bytes.
void PrintTo(const BusyFrame& busy, std::ostream* os) { *os << busy.name; }

class LayerOrder : public testing::TestWithParam<BusyFrame> {};

TEST_P(LayerOrder, EveryCallInTheRecordsOrder) {
  const BusyFrame& busy = GetParam();
  FrameDriver driver = ArrivedIn(busy.arrivedIn);
  busy.arrange(driver);
  std::string broken;
  const std::vector<Layer> layers = LayersOf(driver.rec.drawing, broken);
  EXPECT_EQ(broken, "") << busy.name;
  for (Layer layer : busy.shows)
    EXPECT_NE(std::find(layers.begin(), layers.end(), layer), layers.end())
        << busy.name << ": no layer " << static_cast<int>(layer);
  // The frame ends by setting black as the clear colour, then presenting.
  const auto& calls = driver.rec.drawing.calls;
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.back().kind, DrawCall::Kind::Present);
  EXPECT_EQ(calls[calls.size() - 2].kind, DrawCall::Kind::SetColor);
  EXPECT_EQ(calls[calls.size() - 2].color, Colour(record::ClearColourAfterFrame, 0));
}

INSTANTIATE_TEST_SUITE_P(BusyFrames, LayerOrder, testing::ValuesIn(BusyFrames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayerOrder, TheCheckItselfRejectsTwoLayersSwapped) {
  RecordingDrawing frame;
  frame.Clear();
  frame.DrawTexture(CabinTexture, nullptr, FRect{});
  frame.DrawTexture(PhotoTexture, nullptr, FRect{});
  frame.DrawTexture(LighterTexture, nullptr, FRect{});
  std::string broken;
  LayersOf(frame, broken);
  EXPECT_NE(broken, "");
}

}  // namespace
