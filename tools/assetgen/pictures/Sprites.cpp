// Small pictures laid over the scene: the prompts (Move, Use, hold W, press
// Enter fast), the food being eaten, and the things held in the hand
// (toothbrush, lighter, water bottle, fishing rod). All have transparent
// backgrounds. Where a quarter of the drawn size would not read they are
// painted finer: the 180 by 60 prompts at a third (60 by 20), the walk prompt
// and the held things and food at a half.
#include <cmath>

#include "Library.h"
#include "Placements.h"
#include "PixelFont.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;

// A dark plate with a light rim and cut corners, so a prompt reads over any scene.
Canvas Plate(int w, int h) {
  Canvas c(w, h);
  FillRect(c, 0, 0, w, h, NightDeep);
  Outline(c, 0, 0, w, h, Cold);
  FillRect(c, 1, h - 2, w - 1, h - 1, Ink);
  for (int k : {0, 1}) {
    c.Set(k == 0 ? 0 : w - 1, 0, Clear);
    c.Set(k == 0 ? 0 : w - 1, h - 1, Clear);
  }
  return c;
}

// The Return key as a little icon.
void ReturnKey(Canvas& c, int x, int y) {
  FillRect(c, x, y, x + 11, y + 11, Slate);
  FillRect(c, x, y, x + 11, y + 1, Cold);
  FillRect(c, x + 1, y + 1, x + 10, y + 9, Dusk);
  Line(c, x + 8, y + 3, x + 8, y + 6, Bone);
  Line(c, x + 3, y + 6, x + 8, y + 6, Bone);
  c.Set(x + 4, y + 5, Bone);
  c.Set(x + 4, y + 7, Bone);
}

Canvas PaintMove() {
  Canvas c = Plate(60, 20);
  ReturnKey(c, 4, 4);
  DrawText(c, 19, 5, "MOVE", Bone, 2);
  return c;
}

Canvas PaintUse() {
  Canvas c = Plate(60, 20);
  ReturnKey(c, 6, 4);
  DrawText(c, 24, 5, "USE", Amber, 2);
  return c;
}

Canvas PaintClickALot() {
  Canvas c = Plate(60, 20);
  DrawTextCentered(c, 30, 3, "PRESS ENTER", Bone);
  DrawTextCentered(c, 30, 11, "FAST!", Amber);
  return c;
}

// The walk prompt: 140 by 40 drawn, painted at half.
Canvas PaintWalk() {
  Canvas c = Plate(70, 20);
  DrawTextCentered(c, 35, 5, "HOLD W", Bone, 2);
  return c;
}

// ---- Hands ------------------------------------------------------------------

// A fist in the box (x, y, w, h) around something held upright: four curled
// fingers, the thumb over them, the wrist and sleeve below.
void Fist(Canvas& c, float x, float y, float w, float h) {
  FillEllipse(c, x + w * 0.5f, y + h * 0.5f, w * 0.5f, h * 0.5f, SkinShadow);
  for (int k = 0; k < 4; ++k) {
    const float fy = y + h * (0.18f + k * 0.2f);
    FillEllipse(c, x + w * 0.55f, fy, w * 0.42f, h * 0.11f, Skin);
    FillEllipse(c, x + w * 0.5f, fy - h * 0.03f, w * 0.3f, h * 0.05f, Sand);
  }
  FillEllipse(c, x + w * 0.25f, y + h * 0.3f, w * 0.16f, h * 0.3f, Skin);  // thumb
  FillEllipse(c, x + w * 0.22f, y + h * 0.22f, w * 0.08f, h * 0.12f, Sand);
  // The wrist and sleeve running off the bottom edge.
  FillRect(c, static_cast<int>(x + w * 0.2f), static_cast<int>(y + h * 0.85f), static_cast<int>(x + w * 0.95f), c.Height(), SkinShadow);
  FillRect(c, static_cast<int>(x + w * 0.1f), static_cast<int>(y + h * 1.1f), static_cast<int>(x + w * 1.05f), c.Height(), Slate);
}

// The toothbrush, 250 by 30 drawn: the head with paste toward the mouth on the
// left, the handle running right into the hand.
Canvas PaintToothbrush() {
  Canvas c(125, 15);
  FillRect(c, 4, 6, 100, 10, Sky);
  FillRect(c, 4, 6, 100, 7, PaleCold);
  FillRect(c, 4, 9, 100, 10, Teal);
  for (int x = 5; x < 20; x += 2) FillRect(c, x, 1, x + 1, 6, Bone);  // bristles
  FillEllipse(c, 12, 2, 7, 2, Dawn);                                  // paste
  FillEllipse(c, 12, 1.6f, 5, 1.2f, Bone);
  // The fingers round the end of the handle.
  FillEllipse(c, 108, 8, 14, 7, SkinShadow);
  for (int k = 0; k < 4; ++k) FillEllipse(c, 98 + k * 6, 10, 3.2f, 4.5f, Skin);
  FillEllipse(c, 96, 5, 7, 3, Skin);
  FillEllipse(c, 95, 4.5f, 4, 1.5f, Sand);
  FillRect(c, 114, 2, 125, 15, Skin);
  return c;
}

// The lighter in the hand, 90 by 200 drawn: red plastic, a steel cap, a small
// flame.
Canvas PaintLighter() {
  Canvas c(45, 100);
  FillRect(c, 14, 34, 30, 76, RedDeep);
  FillRect(c, 15, 34, 29, 76, Red);
  FillRect(c, 16, 35, 19, 76, Blush);
  FillRect(c, 14, 24, 30, 34, Cold);
  FillRect(c, 15, 25, 18, 34, PaleCold);
  FillRect(c, 20, 21, 26, 25, Slate);  // the wheel
  FillEllipse(c, 22, 13, 4, 9, Amber);
  FillEllipse(c, 22, 15, 2.5f, 5, Flame);
  FillEllipse(c, 22, 17, 1.2f, 2, Bone);
  Fist(c, 6, 56, 36, 38);
  return c;
}

// The water bottle in the hand, 90 by 200 drawn.
Canvas PaintWaterBottle() {
  Canvas c(45, 100);
  FillRect(c, 17, 4, 28, 12, Teal);
  FillRect(c, 18, 4, 21, 12, Sky);
  FillPolygon(c, {{16, 12}, {29, 12}, {35, 22}, {35, 80}, {10, 80}, {10, 22}}, [](int x, int y) {
    if (y > 30) return RampAt(WaterRamp, x < 15 ? 0.8f : 0.6f + (y % 9 == 0 ? 0.1f : 0), x, y);
    return RampAt(GreyRamp, x < 15 ? 0.9f : 0.75f, x, y);
  });
  FillRect(c, 10, 44, 35, 58, Bone);  // the label
  FillRect(c, 10, 49, 35, 53, Sky);
  Fist(c, 4, 56, 38, 38);
  return c;
}

// The fishing rod in both hands, 190 by 400 drawn: the rod up toward the top
// left; `bent` curves it down with the line taut into the water.
Canvas PaintFishingRod(bool bent) {
  Canvas c(95, 200);
  const Point butt{80, 196}, reel{66, 150};
  // The rod as a curve from the butt to its tip.
  const Point tip = bent ? Point{8, 70} : Point{6, 4};
  Point previous = butt;
  for (int k = 1; k <= 60; ++k) {
    const float t = k / 60.0f;
    const float sag = bent ? 40 * t * t * t : 0;
    const Point p{butt.x + (tip.x - butt.x) * t, butt.y + (tip.y - butt.y) * t + sag * 0.4f - (bent ? 30 * std::sin(t * Pi) * t : 0)};
    const float width = 3.2f - 2.4f * t;
    Line(c, previous.x, previous.y, p.x, p.y, t < 0.35f ? WoodDeep : Ink, width);
    if (k % 12 == 0) c.Set(static_cast<int>(p.x), static_cast<int>(p.y) - 2, PaleCold);  // line guides
    previous = p;
  }
  // Cork grip and reel.
  Line(c, 86, 199, 70, 160, Sand, 5);
  Line(c, 84, 196, 72, 166, Tan, 2);
  FillEllipse(c, reel.x + 6, reel.y + 4, 7, 7, Slate);
  FillEllipse(c, reel.x + 6, reel.y + 4, 4, 4, Cold);
  Line(c, reel.x + 6, reel.y + 4, reel.x + 14, reel.y + 10, PaleCold);
  // The line: straight and taut into the water when a fish pulls; otherwise
  // reeled in, the big hook dangling from it where the player sees it, above
  // the thoughts' band.
  if (bent) {
    Line(c, previous.x, previous.y, 0, 199, PaleCold);
  } else {
    const Referent& hook = FindReferent("the hook");
    const float hx = hook.columns.Centre(), top = hook.rows.lo, bottom = hook.rows.hi;
    float x = previous.x, y = previous.y;
    for (; y < top + 3; y += 1) c.Set(static_cast<int>(x + std::sin(y * 0.08f) * 0.6f), static_cast<int>(y), PaleCold);
    x = hx - 1;
    // The hook: an eye, a long shank, the bend and a barbed point, bright
    // steel edged in black so it stands out over water or a wall.
    auto hookShape = [&](Color colour, float width) {
      Line(c, x, top + 1, x, bottom - 5, colour, width);
      for (int k = 0; k < 8; ++k) {
        const float a = Pi * k / 8, b = Pi * (k + 1) / 8;
        Line(c, x + 3 - std::cos(a) * 3, bottom - 5 + std::sin(a) * 4, x + 3 - std::cos(b) * 3, bottom - 5 + std::sin(b) * 4,
             colour, width);
      }
      Line(c, x + 6, bottom - 5, x + 6, bottom - 10, colour, width);
      Line(c, x + 6, bottom - 10, x + 4, bottom - 8, colour, width);
    };
    hookShape(Ink, 3);
    hookShape(Cold, 1.5f);
    FillEllipse(c, x, top + 1, 1.5f, 1.5f, PaleCold);
  }
  // The hands: one on the grip, one on the reel.
  Fist(c, 62, 162, 30, 30);
  Fist(c, 52, 128, 26, 26);
  return c;
}

// ---- Food ----------------------------------------------------------------------

// A slice of pizza on a paper plate, 250 by 200 drawn, one bite gone.
Canvas PaintPizza() {
  Canvas c(125, 100);
  FillEllipse(c, 64, 70, 58, 26, PaleCold);
  FillEllipse(c, 64, 68, 52, 22, Dawn);
  const std::vector<Point> slice = {{22, 58}, {106, 48}, {60, 92}};
  FillPolygon(c, slice, [](int x, int y) { return RampAt(FireRamp, 0.55f + 0.15f * Fbm(x * 0.2f, y * 0.2f, 921, 2), x, y); });
  FillPolygon(c, {{20, 56}, {106, 45}, {108, 51}, {22, 62}}, [](int x, int y) { return RampAt(WoodRamp, 0.72f + 0.1f * ((x + y) % 5 == 0), x, y); });
  for (const Point p : {Point{45, 62}, Point{68, 58}, Point{60, 74}, Point{82, 60}}) {
    FillEllipse(c, p.x, p.y, 5, 3.5f, Red);
    FillEllipse(c, p.x - 1, p.y - 1, 2, 1.2f, Blush);
  }
  return c;
}

// A bowl of soup with a spoon, 250 by 200 drawn.
Canvas PaintSoup() {
  Canvas c(125, 100);
  FillEllipse(c, 62, 52, 56, 20, PaleCold);
  FillPolygon(c, {{6, 52}, {118, 52}, {100, 90}, {24, 90}}, [](int x, int y) { return RampAt(GreyRamp, 0.85f - (y - 52) * 0.008f - std::fabs(x - 62) * 0.002f, x, y); });
  FillEllipse(c, 62, 90, 38, 6, Cold);
  FillEllipse(c, 62, 52, 56, 20, Dawn);
  FillEllipse(c, 62, 53, 49, 16, Ember);
  FillEllipse(c, 56, 50, 20, 6, Amber);
  for (int k = 0; k < 6; ++k) FillEllipse(c, 40 + k * 9, 54 + (k % 2) * 4, 2.5f, 1.8f, k % 2 ? Leaf : Sand);
  Line(c, 88, 48, 122, 16, PaleCold, 3);  // the spoon
  FillEllipse(c, 84, 52, 7, 4, PaleCold);
  // Steam.
  for (int k = 0; k < 3; ++k)
    for (int y = 0; y < 26; y += 3) c.Set(static_cast<int>(46 + k * 14 + std::sin(y * 0.4f + k) * 2), 4 + y, PaleCold);
  return c;
}

}  // namespace

void AddSpritePictures(Painters& p) {
  p[MoveTexture] = PaintMove;
  p[UseTexture] = PaintUse;
  p[ClickALotTexture] = PaintClickALot;
  p[WalkTexture] = PaintWalk;
  p[ToothBrushTexture] = PaintToothbrush;
  p[LighterTexture] = PaintLighter;
  p[WaterBottleTexture] = PaintWaterBottle;
  p[FishingRodTexture] = [] { return PaintFishingRod(false); };
  p[FishingRodUsingTexture] = [] { return PaintFishingRod(true); };
  p[PizzaTexture] = PaintPizza;
  p[SoupTexture] = PaintSoup;
}

}  // namespace art
