// What the thing leaves behind and how it is finally seen: the flash photo
// taken of the player at the campfire from behind the trees, the face of the
// jumpscare, and the fifteen frames of driving away at first light with the
// forest falling behind.
#include <cmath>

#include "Library.h"
#include "Outdoor.h"
#include "PixelFont.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;

// ---- The photograph ---------------------------------------------------------------

// A flash photograph: trunks near the camera burnt white by the flash, the
// player small on the log by the fire beyond them, black night behind, grain
// over everything and the camera's orange date stamp.
Canvas PaintPhoto() {
  Canvas c(ScreenWidth, ScreenHeight);
  // Dark ground around the print.
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) { return RampAt(ForestRamp, 0.08f + 0.08f * Fbm(x * 0.05f, y * 0.05f, 601, 2), x, y); });
  const int x0 = 22, y0 = 10, x1 = 178, y1 = 140;
  FillRect(c, x0 + 3, y0 + 3, x1 + 3, y1 + 3, Ink);
  FillRect(c, x0, y0, x1, y1, Dawn);
  FillRect(c, x0, y0, x1, y0 + 1, Bone);
  const int px0 = x0 + 7, py0 = y0 + 7, px1 = x1 - 7, py1 = y1 - 18;
  // The picture: night, the fire's glow, the flash lighting what is near.
  ShadeRect(c, px0, py0, px1, py1, [&](int x, int y) {
    const float u = static_cast<float>(x - px0) / (px1 - px0), v = static_cast<float>(y - py0) / (py1 - py0);
    const float fire = std::exp(-(std::pow((u - 0.58f) / 0.12f, 2.0f) + std::pow((v - 0.66f) / 0.12f, 2.0f)));
    float value = 0.05f + 0.5f * fire + (v > 0.62f ? 0.05f : 0);
    Ramp ramp = fire > 0.2f ? Ramp(WarmRamp) : Ramp(GreyRamp);
    // Grass in the foreground, caught by the flash.
    if (v > 0.82f) {
      ramp = ForestRamp;
      value = 0.3f + 0.4f * (v - 0.82f) / 0.18f + 0.25f * Hash(x, y / 2, 603);
    }
    return RampAt(ramp, value + 0.18f * (Hash(x, y, 605) - 0.5f), x, y);
  });
  const int w = px1 - px0, h = py1 - py0;
  // The fire and the player sitting on the log, seen from behind.
  const float fx = px0 + w * 0.58f, fy = py0 + h * 0.7f;
  FillEllipse(c, fx, fy - 2, 5, 4, Flame);
  FillEllipse(c, fx, fy - 3, 2.5f, 2.5f, Bone);
  FillRect(c, static_cast<int>(fx - 22), static_cast<int>(fy + 2), static_cast<int>(fx + 8), static_cast<int>(fy + 5), WoodDeep);
  // Sitting between the camera and the fire, dark against its light.
  FillEllipse(c, fx - 5, fy - 5, 7, 10, NightDeep);      // hunched back in a jacket
  FillEllipse(c, fx - 5, fy - 17, 4.5f, 4.5f, Ink);      // the back of the head
  FillRect(c, static_cast<int>(fx - 12), static_cast<int>(fy - 4), static_cast<int>(fx + 2), static_cast<int>(fy + 3), NightDeep);
  for (int k = 0; k < 8; ++k) c.Set(static_cast<int>(fx - 11 + k * 2), static_cast<int>(fy - 15 + (k % 3)), Amber);  // rim light
  // Trunks right in front of the lens, burnt white by the flash, and leaves.
  ShadeRect(c, px0, py0, px0 + 26, py1, [&](int x, int y) {
    const float edge = std::fabs(x - (px0 + 12 + 3 * std::sin(y * 0.05f))) / 12.0f;
    return edge < 1 ? RampAt(GreyRamp, 0.95f - edge * 0.35f + 0.1f * Hash(x, y, 607), x, y) : Clear;
  });
  ShadeRect(c, px1 - 20, py0, px1, py1, [&](int x, int y) {
    const float edge = std::fabs(x - (px1 - 6 + 2 * std::sin(y * 0.07f))) / 10.0f;
    return edge < 1 ? RampAt(GreyRamp, 0.85f - edge * 0.3f, x, y) : Clear;
  });
  for (int k = 0; k < 26; ++k) {
    const float lx = px0 + Hash(k, 1, 609) * w, ly = py0 + Hash(k, 2, 609) * h * 0.3f;
    FillEllipse(c, lx, ly, 4, 2.5f, k % 3 ? Leaf : Sage);
  }
  // Film grain, and the date stamp.
  for (int y = py0; y < py1; ++y)
    for (int x = px0; x < px1; ++x)
      if (Hash(x, y, 611) > 0.93f) c.Set(x, y, Hash(x, y, 613) > 0.5f ? Lighter(c.Get(x, y), 2) : Darker(c.Get(x, y), 2));
  DrawText(c, px1 - 36, py1 - 8, "10 13", Amber);
  // A bent corner of the print.
  FillPolygon(c, {{static_cast<float>(x1 - 12), static_cast<float>(y1)}, {static_cast<float>(x1), static_cast<float>(y1 - 12)},
                  {static_cast<float>(x1), static_cast<float>(y1)}},
              [](int x, int y) { return RampAt(ForestRamp, 0.1f, x, y); });
  FillPolygon(c, {{static_cast<float>(x1 - 12), static_cast<float>(y1)}, {static_cast<float>(x1), static_cast<float>(y1 - 12)},
                  {static_cast<float>(x1 - 10), static_cast<float>(y1 - 10)}},
              PaleCold);
  Vignette(c, 0.5f);
  return c;
}

// ---- The jumpscare ------------------------------------------------------------------

// The face, filling the screen: pale and gaunt, hollow black eyes, and a mouth
// far too wide, full of teeth. It is drawn under a heavy night tint, so it is
// painted bright and hard.
Canvas PaintJumpscare() {
  Canvas c(ScreenWidth, ScreenHeight, Ink);
  const float cx = 100, cy = 70;
  // Dark hair hanging around the face.
  ShadeRect(c, 0, 0, 200, 150, [&](int x, int y) {
    const float strand = Fbm(x * 0.15f, y * 0.02f, 701, 3);
    return strand > 0.55f ? NightDeep : Clear;
  });
  // The skull-like face: long, hollow cheeks.
  ShadeRect(c, 20, 0, 180, 150, [&](int x, int y) {
    const float dx = (x - cx) / 66.0f, dy = (y - cy) / 86.0f;
    const float r = dx * dx + dy * dy;
    if (r > 1) return Clear;
    float v = 0.95f - r * 0.45f;
    const float cheek = std::exp(-(std::pow((std::fabs(x - cx) - 40) / 10.0f, 2.0f) + std::pow((y - 90) / 16.0f, 2.0f)));
    v -= cheek * 0.4f;
    v += (Fbm(x * 0.2f, y * 0.2f, 703, 3) - 0.5f) * 0.2f;
    return RampAt(GreyRamp, v, x, y);
  });
  // Hollow eyes: deep black sockets with a shadowed rim.
  for (int side : {-1, 1}) {
    const float ex = cx + side * 29, ey = 50 + side * 2;
    FillEllipse(c, ex, ey, 22, 18, Cold);
    FillEllipse(c, ex, ey + 1, 18, 15, Slate);
    FillEllipse(c, ex, ey + 2, 14, 13, Ink);
    Line(c, ex - side * 4, ey + 14, ex - side * 8, ey + 26, Slate, 2);  // something dark running down from it
    c.Set(static_cast<int>(ex + side * 2), static_cast<int>(ey + 1), Dawn);  // a pinprick of light deep inside
  }
  // The nose: two slits.
  FillEllipse(c, cx - 4, 80, 2, 4, Ink);
  FillEllipse(c, cx + 4, 80, 2, 4, Ink);
  // The mouth: from cheek to cheek, stretched open.
  const float mx0 = 32, mx1 = 168, top = 98, bottom = 128;
  ShadeRect(c, static_cast<int>(mx0), static_cast<int>(top - 10), static_cast<int>(mx1), static_cast<int>(bottom + 6), [&](int x, int y) {
    const float u = (x - mx0) / (mx1 - mx0);
    const float open = std::sin(u * Pi);
    const float upper = top + 8 - open * 8 - std::pow(std::fabs(u - 0.5f) * 2, 3.0f) * -6;
    const float lower = top + 4 + open * (bottom - top);
    if (y < upper || y > lower) return Clear;
    return y < upper + 2 || y > lower - 2 ? RedDeep : Ink;
  });
  // Teeth: long, uneven, along both jaws.
  for (int k = 0; k < 22; ++k) {
    const float u = (k + 0.5f) / 22, x = mx0 + u * (mx1 - mx0);
    const float open = std::sin(u * Pi);
    const float upper = top + 8 - open * 8, lower = top + 4 + open * (bottom - top);
    const float len = 4 + 6 * Hash(k, 0, 705) * open + 2;
    FillPolygon(c, {{x - 2.6f, upper}, {x + 2.6f, upper}, {x + 0.3f, upper + len}}, Bone);
    FillPolygon(c, {{x - 2.4f, lower}, {x + 2.4f, lower}, {x - 0.2f, lower - len * 0.8f}}, Dawn);
  }
  // Grain.
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x)
      if (Hash(x, y, 707) > 0.95f) c.Set(x, y, Darker(c.Get(x, y)));
  return c;
}

// ---- Driving away ------------------------------------------------------------------

constexpr int DriveAwayFrames = 15;

// Looking back through the car's rear window as the forest falls behind and
// the sky lightens; in the first frames something stands in the road.
Canvas PaintDriveAwayFrame(int frame, const std::vector<Tree>& forest) {
  Canvas c(ScreenWidth, ScreenHeight);
  const float t = static_cast<float>(frame) / (DriveAwayFrames - 1);
  constexpr Color FirstLight[] = {NightDeep, Night, Dusk, Slate, Blush, Sand, Dawn};
  Ground g;
  g.cx = 100;
  g.horizon = 62;
  g.f = 120;
  g.eye = 1.2f;
  PaintSky(c, 62, FirstLight, 0.55f + 0.4f * t, 0.1f + 0.2f * t);
  Hills(c, 60, 8, 50, Dusk, 801, 70);
  ForestLight light = Lit(6, 90, 0.45f + 0.2f * t, 0.55f);
  const float gone = frame * 2.6f;  // metres driven since the first frame
  TrailStyle road;
  road.road = true;
  road.halfWidth = 3.0f;
  road.grass = ForestRamp;
  road.grassValue = 0.45f;
  PaintTrail(c, g, -gone, road, light);
  std::vector<Tree> seen;
  for (Tree tree : forest) {
    tree.z += gone;
    seen.push_back(tree);
  }
  DrawTrees(c, g, seen, light);
  if (frame < 6) {  // the thing, standing in the road where the forest ends, growing small
    const Point foot = g.Project(0.3f, 0, 9 + gone);
    const float h = 2.6f * g.f / (9 + gone);
    FillRect(c, static_cast<int>(foot.x - h * 0.05f), static_cast<int>(foot.y - h), static_cast<int>(foot.x + h * 0.05f + 1),
             static_cast<int>(foot.y), Ink);
    Line(c, foot.x - h * 0.05f, foot.y - h * 0.85f, foot.x - h * 0.2f, foot.y - h * 0.2f, Ink);
    Line(c, foot.x + h * 0.05f, foot.y - h * 0.85f, foot.x + h * 0.2f, foot.y - h * 0.2f, Ink);
  }
  // The car around the rear window: roof lining, pillars, the back seat's headrests.
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) {
    const float inset = 22 - (y - 16) * 0.14f;
    const bool glass = y > 16 && y < 106 && x > inset && x < 200 - inset;
    if (glass) return Clear;
    return RampAt(GreyRamp, 0.08f + 0.05f * (y > 106 ? 1 : 0) + 0.03f * std::sin(x * 0.1f), x, y);
  });
  for (float hx : {52.0f, 148.0f}) {
    FillEllipse(c, hx, 106, 22, 16, NightDeep);
    FillRect(c, static_cast<int>(hx - 4), 118, static_cast<int>(hx + 4), 135, NightDeep);
  }
  FillRect(c, 0, 128, 200, 150, Ink);
  Vignette(c, 0.4f);
  return c;
}

Canvas PaintDriveAway() {
  std::vector<Tree> forest;
  Random rnd(811);
  for (int k = 0; k < 160; ++k) {
    Tree t;
    t.x = rnd.Uniform(3.5f, 30) * (rnd.Uniform() > 0.5f ? 1 : -1);
    t.z = rnd.Uniform(1.5f, 70);
    t.height = rnd.Uniform(12, 20);
    t.width = rnd.Uniform(3, 5);
    t.kind = rnd.Uniform() > 0.85f ? TreeKind::Birch : TreeKind::Pine;
    t.seed = rnd.Next();
    forest.push_back(t);
  }
  std::vector<Canvas> frames;
  for (int f = 0; f < DriveAwayFrames; ++f) frames.push_back(PaintDriveAwayFrame(f, forest));
  return JoinFrames(frames);
}

}  // namespace

void AddCreaturePictures(Painters& p) {
  p[PhotoTexture] = PaintPhoto;
  p[JumpscareTexture] = PaintJumpscare;
  p[DriveAwaySheetTexture] = PaintDriveAway;
}

}  // namespace art
