// The pictures that are mostly words, all in the game's own pixel letters:
// the title over the cabin at night, the warning before it, the tip, the
// next-day card, the game-over screen and the closing screen.
#include <cmath>
#include <utility>
#include <vector>

#include "Library.h"
#include "Outdoor.h"
#include "PixelFont.h"
#include "story/CardWords.h"

namespace art {

// In Forest.cpp.
void DrawCabinFront(Canvas& c, float doorX0, float doorX1, float base, float ppm, bool windowsLit, bool doorOpen);

namespace {

constexpr Color NightSky[] = {Ink, NightDeep, Night, Dusk, Slate};

// Stars over a night sky down to `horizon`.
void Stars(Canvas& c, int horizon, std::uint32_t seed) {
  for (int y = 0; y < horizon; ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (Hash(x, y, seed) > 0.992f) c.Set(x, y, Hash(x, y, seed + 1) > 0.5f ? PaleCold : Cold);
}

// The cabin at night among black pines, one window lit, a thin moon; the
// name above it.
Canvas TitleScene() {
  Canvas c(ScreenWidth, ScreenHeight);
  PaintSky(c, 100, NightSky, 0.85f, 0.1f);
  Stars(c, 100, 901);
  FillEllipse(c, 172, 50, 7, 7, Dawn);
  FillEllipse(c, 175, 48, 6, 6, NightDeep);
  DistantForest(c, 100, 903, 0.3f, 0.05f, 3, 0.0f);
  ShadeRect(c, 0, 100, 200, 150, [](int x, int y) { return RampAt(ForestRamp, 0.06f + 0.08f * Fbm(x * 0.1f, y * 0.2f, 905, 2), x, y); });
  DrawCabinFront(c, 96, 104, 112, 9, true, false);
  TreeLineStyle near;
  near.baseY = 152;
  near.height = 70;
  near.spacing = 30;
  near.value = 0.02f;
  near.seed = 907;
  for (int x = 0; x < 200; ++x) {  // black pines at both edges of the picture
    if (x > 40 && x < 160) continue;
    const int top = static_cast<int>(TreeLineTop(near, static_cast<float>(x)));
    for (int y = std::max(0, top); y < 150; ++y) c.Set(x, y, Ink);
  }
  DrawTextCentered(c, 100, 14, TitleCard[0].text, Bone, 3, RedDeep);
  return c;
}

// The title: the keys below the scene.
Canvas PaintTitle() {
  Canvas c = TitleScene();
  DrawTextCentered(c, 100, 128, TitleCard[1].text, Dawn, 1, Ink);
  DrawTextCentered(c, 100, 138, TitleCard[2].text, Cold, 1, Ink);
  return c;
}

// Words on a dark card, each line centred; the first line may be larger.
struct TextLine {
  const char* text;
  Color color;
  int scale;
};

Canvas TextCard(int width, int height, std::initializer_list<TextLine> lines, Color background, int gap) {
  Canvas c(width, height, background);
  int total = 0;
  for (const TextLine& l : lines) total += GlyphHeight * l.scale + gap;
  total -= gap;
  int y = (height - total) / 2;
  for (const TextLine& l : lines) {
    DrawTextCentered(c, width / 2, y, l.text, l.color, l.scale, Ink);
    y += GlyphHeight * l.scale + gap;
  }
  return c;
}

Canvas PaintIntro() {
  Canvas c = TextCard(ScreenWidth, ScreenHeight,
                      {{WarningCard[0].text, Red, 3},
                       {WarningCard[1].text, Dawn, 1},
                       {WarningCard[2].text, Dawn, 1},
                       {WarningCard[3].text, Dawn, 1}},
                      NightDeep, 7);
  Vignette(c, 0.6f);
  return c;
}

Canvas PaintTip() {
  Canvas c = TextCard(ScreenWidth, ScreenHeight,
                      {{TipCard[0].text, Dawn, 1}, {TipCard[1].text, Dawn, 1}, {TipCard[2].text, Amber, 1}},
                      NightDeep, 8);
  Vignette(c, 0.6f);
  return c;
}

// The next-day card, shown on black: painted at half its drawn 200 by 100.
Canvas PaintNextDay() {
  Canvas c(100, 50);
  DrawTextCentered(c, 50, 20, NextDayCard[0].text, Dawn, 2, Slate);
  FillRect(c, 22, 36, 78, 37, Slate);
  return c;
}

Canvas PaintGameOver() {
  Canvas c(ScreenWidth, ScreenHeight, Ink);
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) {
    const float d = std::hypot((x - 100) / 100.0f, (y - 75) / 75.0f);
    return RampAt(RedRamp, 0.32f - 0.3f * d, x, y);
  });
  DrawTextCentered(c, 100, 62, GameOverCard[0].text, Red, 3, Ink);
  return c;
}

// First light over the forest.
Canvas FirstLight() {
  Canvas c(ScreenWidth, ScreenHeight);
  constexpr Color Morning[] = {Night, Dusk, Slate, Blush, Sand, Dawn};
  PaintSky(c, 112, Morning, 0.95f, 0.05f);
  DistantForest(c, 112, 911, 0.55f, 0.1f, 3, 0.0f);
  ShadeRect(c, 0, 118, 200, 150, [](int x, int y) { return RampAt(ForestRamp, 0.05f, x, y); });
  return c;
}

// The closing screen: the words over first light.
Canvas PaintThanks() {
  Canvas c = FirstLight();
  DrawTextCentered(c, 100, 38, ClosingCard[0].text, Bone, 2, Ink);
  DrawTextCentered(c, 100, 60, ClosingCard[1].text, Dawn, 1, Ink);
  return c;
}

}  // namespace

// The web page's own pictures, shown around the game in a browser: the title
// scene while the game loads (the bar is the page's) and as the cover that
// waits for a click, and the closing words once the player has quit (a
// browser tab has no Shift to hold: closing it is quitting).
std::vector<std::pair<const char*, Canvas>> PaintWebPagePictures() {
  std::vector<std::pair<const char*, Canvas>> pictures;
  Canvas loading = TitleScene();
  DrawTextCentered(loading, 100, 124, "LOADING", Cold, 1, Ink);
  pictures.emplace_back("loading.png", loading);
  Canvas cover = TitleScene();
  DrawTextCentered(cover, 100, 128, "CLICK OR TAP TO PLAY", Dawn, 1, Ink);
  pictures.emplace_back("cover.png", cover);
  Canvas thanks = FirstLight();
  DrawTextCentered(thanks, 100, 38, "THANKS FOR PLAYING", Bone, 2, Ink);
  pictures.emplace_back("thanks.png", thanks);
  AddTouchControlPictures(pictures);
  return pictures;
}

void AddTextPictures(Painters& p) {
  p[MenuTexture] = PaintTitle;
  p[IntroTexture] = PaintIntro;
  p[TipTexture] = PaintTip;
  p[NextDayTexture] = PaintNextDay;
  p[GameOverTexture] = PaintGameOver;
  p[ThxForPlayTexture] = PaintThanks;
}

}  // namespace art
