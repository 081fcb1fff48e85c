// The flash check on made-up frames at 60 a second, with the numbers of the
// guideline for photosensitive viewers: a flash is a pair of opposing changes
// of a tenth of the luminance range (the darker state below 0.8) over a
// quarter of the screen; more than three in a second fails; red counts apart.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "FlashAnalysis.h"

namespace {

using flashing::FlashAnalysis;

// A 40 by 40 screen seen in cells of 2 by 2: 400 cells, each 0.25 % of it.
constexpr int Side = 40;

struct Rgb {
  std::uint8_t r, g, b;
};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};

class Frame {
 public:
  explicit Frame(Rgb colour) : bytes_(Side * Side * 4) { Paint(0, 0, Side, Side, colour); }
  // The pixels x0 <= x < x1, y0 <= y < y1.
  Frame& Paint(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        std::uint8_t* p = &bytes_[(y * Side + x) * 4];
        p[0] = colour.r, p[1] = colour.g, p[2] = colour.b, p[3] = 255;
      }
    return *this;
  }
  const std::uint8_t* Bytes() const { return bytes_.data(); }

 private:
  std::vector<std::uint8_t> bytes_;
};

struct Analysed {
  std::vector<flashing::ScreenTransition> transitions;
  std::vector<flashing::FailingStretch> failing;
  std::vector<flashing::StepChange> sudden;
};

// `lit` for `on` frames then `dark` for `off` frames, `count` times, between
// half a second of `dark` before and after.
Analysed Flashes(const Frame& lit, const Frame& dark, int count, int on, int off) {
  FlashAnalysis analysis(Side, Side, 2, 2);
  const auto show = [&](const Frame& frame, int frames) {
    for (int i = 0; i < frames; ++i) analysis.Add(frame.Bytes());
  };
  show(dark, 30);
  for (int n = 0; n < count; ++n) show(lit, on), show(dark, off);
  show(dark, 30);
  return {analysis.Transitions(), analysis.Failing(), analysis.SuddenSteps()};
}

int LuminanceFailures(const Analysed& a) {
  int n = 0;
  for (const auto& f : a.failing) n += !f.red;
  return n;
}
int RedFailures(const Analysed& a) {
  int n = 0;
  for (const auto& f : a.failing) n += f.red;
  return n;
}

TEST(FlashCounting, FourWhiteFlashesInASecondFailAndThreePass) {
  const Frame white(White), black(Black);
  // Four flashes of 7 white and 8 black frames: eight transitions in 60 frames.
  const Analysed four = Flashes(white, black, 4, 7, 8);
  EXPECT_EQ(four.transitions.size(), 8u);
  ASSERT_EQ(LuminanceFailures(four), 1);
  EXPECT_EQ(four.failing[0].mostTransitions, 8);
  EXPECT_EQ(four.failing[0].firstFrame, 30 + 45) << "the window that first holds the seventh transition";

  EXPECT_EQ(LuminanceFailures(Flashes(white, black, 3, 10, 10)), 0);
  // Three a second kept up for five seconds: never more than six transitions in a second.
  EXPECT_EQ(LuminanceFailures(Flashes(white, black, 15, 10, 10)), 0);
  // The same four flashes spread over a second and a half.
  EXPECT_EQ(LuminanceFailures(Flashes(white, black, 4, 11, 11)), 0);
  // Every cut between white and black is a step over the whole screen.
  EXPECT_EQ(Flashes(white, black, 1, 10, 10).sudden.size(), 2u);
}

TEST(FlashCounting, OnlyWhatAQuarterOfTheScreenDoesTogetherCounts) {
  const Frame black(Black);
  const auto rapid = [&](const Frame& lit) { return Flashes(lit, black, 10, 3, 3); };  // ten a second

  const Analysed tenth = rapid(Frame(Black).Paint(0, 0, Side, 4, White));
  EXPECT_TRUE(tenth.transitions.empty());
  EXPECT_TRUE(tenth.failing.empty());
  EXPECT_TRUE(tenth.sudden.empty());

  // 96 of the 400 cells, then exactly 100.
  EXPECT_TRUE(rapid(Frame(Black).Paint(0, 0, Side, 8, White).Paint(0, 8, 32, 10, White)).failing.empty());
  const Analysed quarter = rapid(Frame(Black).Paint(0, 0, Side, 10, White));
  EXPECT_EQ(LuminanceFailures(quarter), 1);
  EXPECT_EQ(quarter.sudden.size(), 20u);

  // Two quarters flashing out of step are two flashing quarters.
  const Frame topLit = Frame(Black).Paint(0, 0, Side, 10, White);
  const Frame bottomLit = Frame(Black).Paint(0, 30, Side, Side, White);
  EXPECT_EQ(LuminanceFailures(Flashes(topLit, bottomLit, 10, 3, 3)), 1);

  // Two fifths of the screen lit a second and a half apart were never lit together.
  FlashAnalysis apart(Side, Side, 2, 2);
  const Frame first = Frame(Black).Paint(0, 0, Side, 8, White);
  const Frame both = Frame(first).Paint(0, 20, Side, 28, White);
  for (const auto& [frame, count] : {std::pair{&black, 30}, {&first, 90}, {&both, 30}}) {
    for (int i = 0; i < count; ++i) apart.Add(frame->Bytes());
  }
  EXPECT_TRUE(apart.Transitions().empty());
}

TEST(FlashCounting, ASlowFadeIsOneTransitionEachWay) {
  FlashAnalysis analysis(Side, Side, 2, 2);
  // Black to white and back, each way over a second, twice, with a faint
  // flicker of 8 levels on every other frame.
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i <= 120; ++i) {
      const int level = (i <= 60 ? i * 247 / 60 : (120 - i) * 247 / 60) + (i % 2) * 8;
      const auto v = static_cast<std::uint8_t>(level);
      analysis.Add(Frame({v, v, v}).Bytes());
    }
  ASSERT_EQ(analysis.Transitions().size(), 4u);
  EXPECT_TRUE(analysis.Transitions()[0].up);
  EXPECT_FALSE(analysis.Transitions()[1].up);
  EXPECT_TRUE(analysis.Failing().empty());
  EXPECT_TRUE(analysis.SuddenSteps().empty());
  EXPECT_LT(analysis.LargestStep().share, 0.25f);
}

TEST(FlashCounting, ChangesAmongLightStatesDoNotCount) {
  // White and a light grey of luminance 0.87: the darker state is not below 0.8.
  EXPECT_TRUE(Flashes(Frame(White), Frame({240, 240, 240}), 10, 3, 3).transitions.empty());
  // The same grey and one a little darker, of luminance 0.75.
  EXPECT_EQ(LuminanceFailures(Flashes(Frame({240, 240, 240}), Frame({225, 225, 225}), 10, 3, 3)), 1);
  // Black and a dark grey of luminance 0.09: less than a tenth apart.
  EXPECT_TRUE(Flashes(Frame({84, 84, 84}), Frame(Black), 10, 3, 3).transitions.empty());
}

TEST(FlashCounting, ASaturatedRedFlashCountsApart) {
  // A dark red, too dim for a change of luminance a tenth, four times a second.
  const Analysed red = Flashes(Frame({128, 0, 0}), Frame(Black), 4, 7, 8);
  EXPECT_EQ(LuminanceFailures(red), 0);
  EXPECT_EQ(RedFailures(red), 1);
  for (const auto& t : red.transitions) EXPECT_TRUE(t.red);
  EXPECT_EQ(red.transitions.size(), 8u);
  // Grey of the same luminance is no flash at all; an orange short of a
  // saturated red is no red flash.
  EXPECT_TRUE(Flashes(Frame({60, 60, 60}), Frame(Black), 4, 7, 8).transitions.empty());
  EXPECT_EQ(RedFailures(Flashes(Frame({160, 100, 0}), Frame(Black), 4, 7, 8)), 0);
  // A purple-red just saturated (0.80) whose (R - G - B) x 320 is 19.8: not more than 20.
  EXPECT_EQ(RedFailures(Flashes(Frame({81, 0, 39}), Frame(Black), 4, 7, 8)), 0);
}

TEST(FlashCounting, LuminanceWeighsGreenMostThenRedThenBlue) {
  // Relative luminance is 0.2126 R + 0.7152 G + 0.0722 B of the linear
  // values: full blue (0.07) is less than a tenth above black, full red
  // (0.21) and full green (0.72) are more. Red flashes would also count as red
  // ones; those are left out here.
  EXPECT_TRUE(Flashes(Frame({0, 0, 255}), Frame(Black), 4, 7, 8).transitions.empty());
  EXPECT_EQ(LuminanceFailures(Flashes(Frame({255, 0, 0}), Frame(Black), 4, 7, 8)), 1);
  EXPECT_EQ(LuminanceFailures(Flashes(Frame({0, 255, 0}), Frame(Black), 4, 7, 8)), 1);
  // Green against red: 0.50 apart, the darker state well below 0.8.
  EXPECT_EQ(LuminanceFailures(Flashes(Frame({0, 255, 0}), Frame({255, 0, 0}), 4, 7, 8)), 1);
  // Cyan (green and blue, 0.79) against green: 0.07 apart, no flash; with the
  // weights of red and blue swapped it would be 0.21.
  EXPECT_TRUE(Flashes(Frame({0, 255, 255}), Frame({0, 255, 0}), 4, 7, 8).transitions.empty());
}

}  // namespace
