// Close views in the cabin: the old television showing only snow, the wall
// telephone, the receiver held to the ear, the six frames of walking over to
// the telephone, and the five frames of opening the front door onto the
// evening.
#include <cmath>

#include "CabinParts.h"
#include "Library.h"
#include "Placements.h"
#include "Outdoor.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;

// A room for full-screen frames: 200 by 150, the eye 1.6 m above the floor.
Room ScreenRoom() {
  Room r;
  r.cx = 100;
  r.cy = 62;
  r.left = 20;
  r.right = 180;
  r.top = 10;
  r.bottom = 118;
  return r;
}

// Log wall filling the whole picture, lit from the left.
void LogWall(Canvas& c, float light, std::uint32_t seed) {
  ShadeRect(c, 0, 0, c.Width(), c.Height(), [&](int x, int y) {
    const float logH = 14, f = std::fmod(y + 1000.0f, logH) / logH;
    float v = 0.5f + 0.16f * std::cos((f - 0.5f) * Pi) + (Fbm(x * 0.05f, y * 0.3f, seed, 3) - 0.5f) * 0.15f - x * 0.0006f;
    if (f < 0.08f) v = 0.18f;
    return RampAt(WoodRamp, v * light, x, y);
  });
}

// ---- The television ----------------------------------------------------------

Canvas PaintCabinTV() {
  Canvas c(ScreenWidth, ScreenHeight);
  LogWall(c, 0.7f, 501);
  ShadeRect(c, 0, 118, 200, 150, [](int x, int y) {
    return RampAt(WoodRamp, (std::fmod(x + 1000.0f, 20.0f) < 1 ? 0.2f : 0.4f) + (y - 118) * 0.003f, x, y);
  });
  // The stand and the set.
  FillRect(c, 30, 104, 170, 150, WoodDeep);
  FillRect(c, 32, 106, 168, 150, Wood);
  FillRect(c, 99, 110, 101, 150, WoodDeep);
  FillRect(c, 40, 14, 160, 106, WoodDeep);
  FillRect(c, 42, 16, 158, 104, Wood);
  ShadeRect(c, 42, 16, 158, 104, [](int x, int y) {
    return RampAt(WoodRamp, 0.45f + (Fbm(x * 0.1f, y * 0.6f, 503, 2) - 0.5f) * 0.2f, x, y);
  });
  // Rabbit ears.
  Line(c, 100, 14, 78, -10, Cold);
  Line(c, 100, 14, 128, -8, Cold);
  FillEllipse(c, 100, 14, 6, 3, GreyRamp[3]);
  // The screen: snow and a rolling bar, its glass bulging.
  ShadeRect(c, 50, 24, 136, 96, [](int x, int y) {
    const float dx = (x - 93) / 43.0f, dy = (y - 60) / 36.0f;
    if (dx * dx * dx * dx + dy * dy * dy * dy > 1) return Clear;
    const float roll = std::exp(-std::pow((y - 70) / 5.0f, 2.0f)) * 0.3f;
    return RampAt(GreyRamp, 0.35f + 0.6f * Hash(x, y, 509) + roll - 0.3f * (dx * dx + dy * dy), x, y);
  });
  // Knobs and the speaker grille.
  for (int k = 0; k < 2; ++k) {
    FillEllipse(c, 148, 36 + k * 18, 5, 5, WoodDeep);
    FillEllipse(c, 148, 36 + k * 18, 3, 3, Tan);
  }
  for (int y = 72; y < 98; y += 3) FillRect(c, 142, y, 155, y + 1, WoodDeep);
  // The screen's cold light on the wall around it.
  Glow(c, 93, 60, 110, 0.5f, Slate);
  // The telephone on the wall to the right, a few steps away: when it rings,
  // the thoughts look to it.
  const Referent& phone = FindReferent("the ringing telephone");
  const int px0 = static_cast<int>(phone.columns.lo), px1 = static_cast<int>(phone.columns.hi);
  const int py0 = static_cast<int>(phone.rows.lo), py1 = static_cast<int>(phone.rows.hi);
  FillRect(c, px0 + 5, py0, px1, py1, WoodDeep);
  FillRect(c, px0 + 6, py0 + 1, px1 - 1, py1 - 1, Tan);
  const float dialX = (px0 + 5 + px1) / 2.0f + 1, dialY = (py0 + py1) / 2.0f;
  FillEllipse(c, dialX, dialY, 6, 6, Sand);
  for (int k = 0; k < 8; ++k)  // the finger holes
    c.Set(static_cast<int>(dialX + std::cos(k * 0.7f + 0.5f) * 4), static_cast<int>(dialY + std::sin(k * 0.7f + 0.5f) * 4), WoodDeep);
  FillEllipse(c, dialX, dialY, 1.5f, 1.5f, Dawn);
  FillRect(c, px0, py0 + 2, px0 + 5, py1 - 2, Sand);  // the handset on its hook
  FillRect(c, px0, py0 + 2, px0 + 2, py1 - 2, Tan);
  Vignette(c, 0.6f);
  return c;
}

// ---- The telephone -------------------------------------------------------------

// The telephone body on the wall, with the handset on its hook or not.
void PhoneBody(Canvas& c, bool handsetOn) {
  // Backboard and body.
  FillRect(c, 62, 18, 150, 120, WoodDeep);
  FillRect(c, 64, 20, 148, 118, Wood);
  ShadeRect(c, 72, 28, 142, 110, [](int x, int y) {
    const float edge = std::min({x - 72.0f, 141.0f - x, y - 28.0f, 109.0f - y});
    return RampAt(WoodRamp, edge < 2 ? 0.62f : 0.82f - 0.1f * (x - 72) / 70.0f, x, y);
  });
  // The dial: a ring of finger holes over the number plate.
  FillEllipse(c, 112, 72, 24, 24, Tan);
  FillEllipse(c, 112, 72, 21, 21, Sand);
  for (int k = 0; k < 10; ++k) {
    const float a = Pi * 0.35f + k * Pi * 1.45f / 9;
    FillEllipse(c, 112 + std::cos(a) * 15, 72 + std::sin(a) * 15, 3.2f, 3.2f, WoodDeep);
  }
  FillEllipse(c, 112, 72, 7, 7, Dawn);
  Line(c, 126, 84, 132, 90, GreyRamp[6], 2);  // finger stop
  // The hook on the left side.
  FillRect(c, 52, 30, 64, 36, GreyRamp[6]);
  FillRect(c, 52, 30, 55, 44, GreyRamp[6]);
  if (handsetOn) {
    // The handset hangs on the hook: earpiece up, mouthpiece down.
    FillRect(c, 44, 26, 60, 112, WoodDeep);
    FillRect(c, 46, 28, 58, 110, Tan);
    FillRect(c, 46, 28, 50, 110, Sand);
    FillEllipse(c, 52, 30, 11, 8, Tan);
    FillEllipse(c, 52, 108, 11, 8, Tan);
    FillEllipse(c, 50, 106, 5, 3, Sand);
  }
  // The coiled cord from the body's bottom.
  const float sx = 80, sy = 118;
  const float ex = handsetOn ? 52 : 196, ey = handsetOn ? 118 : 150;
  for (int k = 0; k <= 80; ++k) {
    const float t = k / 80.0f;
    const float sag = std::sin(t * Pi) * (handsetOn ? 22 : 10);
    const float x = sx + (ex - sx) * t + std::cos(k * 1.3f) * 2.2f, y = sy + (ey - sy) * t + sag + std::sin(k * 1.3f) * 2.2f;
    c.Set(static_cast<int>(x), static_cast<int>(y), k % 2 ? WoodDeep : Wood);
  }
}

Canvas PaintTelephone() {
  Canvas c(ScreenWidth, ScreenHeight);
  LogWall(c, 0.8f, 511);
  PhoneBody(c, true);
  Vignette(c, 0.55f);
  return c;
}

// The receiver held to the ear: the empty hook on the wall, the cord
// stretched toward the eye, the hand and the handset filling the right side.
Canvas PaintTelephoneUse() {
  Canvas c(ScreenWidth, ScreenHeight);
  LogWall(c, 0.75f, 513);
  PhoneBody(c, false);
  // The handset, seen from close by the right cheek.
  FillPolygon(c, {{150, 150}, {176, 40}, {200, 30}, {200, 150}}, [](int x, int y) { return RampAt(WoodRamp, 0.72f - (200 - x) * 0.004f + (y % 7 == 0 ? -0.04f : 0), x, y); });
  FillEllipse(c, 188, 36, 18, 14, Tan);
  FillEllipse(c, 186, 36, 12, 9, Sand);
  // The hand around it: four fingers and a thumb.
  for (int k = 0; k < 4; ++k) {
    const float y = 78 + k * 13;
    FillEllipse(c, 176 - k * 3, y, 16, 7, Skin);
    FillEllipse(c, 172 - k * 3, y - 2, 12, 4, Sand);
    Line(c, 162 - k * 3, y + 5, 190, y + 5, SkinShadow);
  }
  FillEllipse(c, 192, 132, 12, 20, Skin);
  FillEllipse(c, 186, 124, 6, 14, SkinShadow);
  Vignette(c, 0.55f);
  return c;
}

// ---- Walking over to the telephone --------------------------------------------------

// The room with the telephone on the far wall, seen from `eyeZ` on the way to it.
Canvas PaintPhoneWalkFrame(float eyeZ, int step) {
  Canvas c(ScreenWidth, ScreenHeight);
  Room room = ScreenRoom();
  room.eyeZ = eyeZ;
  room.cy = 62 + std::round(std::sin(step * Pi * 0.5f));
  RoomLook look = CabinLook(521);
  look.ambient = 0.8f;
  PaintRoom(c, room, look,
            {PlankDoor({Surface::BackWall, 30, 60, room.FloorY(), room.FloorY() + 72}),
             ForestWindow({Surface::LeftWall, 0.82f, 0.95f, room.FloorY() + 35, room.FloorY() + 66})});
  // The telephone, a little left of the middle of the far wall.
  WallPhone(c, room, room.cx - 10 / (1 - eyeZ), room.cx + 6 / (1 - eyeZ));
  if (eyeZ < 0.6f) Chair(c, room, -70, 0.75f, 16, Wooden(0.45f, 523), true);
  Vignette(c, 0.5f);
  return c;
}

Canvas PaintWalkToPhone() {
  std::vector<Canvas> frames;
  for (int k = 0; k < 6; ++k) frames.push_back(PaintPhoneWalkFrame(k * 0.16f, k));
  return JoinFrames(frames);
}

// ---- Opening the front door ----------------------------------------------------------

// The clearing in the evening as seen through the doorway.
Canvas EveningOutside() {
  Canvas c(ScreenWidth, ScreenHeight);
  constexpr Color Evening[] = {Night, Dusk, Slate, Blush, Sand, Amber};
  Ground g;
  g.cx = 100;
  g.horizon = 62;
  g.f = 130;
  PaintSky(c, 62, Evening, 0.85f, 0.05f);
  DistantForest(c, 62, 531, 0.5f, 0.25f, 3, 0.05f);
  ForestLight light = Lit(5, 40, 0.45f, 0.5f);
  TrailStyle trail;
  trail.halfWidth = 0.6f;
  trail.centre = [](float z) { return -0.2f * z; };
  trail.grassValue = 0.4f;
  PaintTrail(c, g, 0, trail, light);
  Random rnd(533);
  std::vector<Tree> trees;
  for (int k = 0; k < 40; ++k) {
    Tree t;
    t.x = rnd.Uniform(-25, 25);
    t.z = rnd.Uniform(9, 30);
    t.height = rnd.Uniform(12, 18);
    t.width = rnd.Uniform(3, 5);
    t.seed = rnd.Next();
    trees.push_back(t);
  }
  DrawTrees(c, g, trees, light);
  return c;
}

// Frame k (0..4): the door swings in on its left hinge and the evening opens
// up; in the last frame the eye steps into the doorway.
Canvas PaintLeaveCabin(int frame) {
  static constexpr float Swing[5] = {0, 0.3f, 0.8f, 1.35f, 1.5f};
  static constexpr float Step[5] = {0.3f, 0.3f, 0.32f, 0.4f, 0.62f};
  Canvas c = EveningOutside();
  if (frame == 4) {  // stepping out: the evening seen a little larger
    Canvas zoomed(ScreenWidth, ScreenHeight);
    for (int y = 0; y < ScreenHeight; ++y)
      for (int x = 0; x < ScreenWidth; ++x)
        zoomed.Set(x, y, c.Get(static_cast<int>(100 + (x - 100) * 0.8f), static_cast<int>(62 + (y - 62) * 0.8f)));
    c = zoomed;
  }
  Room room = ScreenRoom();
  room.eyeZ = Step[frame];
  RoomLook look = CabinLook(541);
  look.ambient = 0.75f;
  const float half = 16, height = 72;
  const SurfaceRect opening{Surface::BackWall, -half, half, room.FloorY(), room.FloorY() + height};
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    if (opening.Contains(h, &s, &t)) return Clear;  // the evening shows through
    Color col = SurfaceColor(room, look, h);
    if (h.surface == Surface::BackWall && std::fabs(h.p.x) < half + 3 && h.p.y < room.FloorY() + height + 3) col = RampAt(WoodRamp, 0.3f, h.x, h.y);
    return col;
  });
  // The door itself, turning in toward the eye on its left hinge.
  const float angle = Swing[frame];
  const float depth = 2 * half / 160.0f;  // the door's width in depth units
  const Vec3 hingeLow{-half, room.FloorY(), 1}, hingeHigh{-half, room.FloorY() + height, 1};
  const Vec3 freeLow{-half + 2 * half * std::cos(angle), room.FloorY(), 1 - depth * std::sin(angle)};
  const Vec3 freeHigh{freeLow.x, room.FloorY() + height, freeLow.z};
  const Point a = room.Project(hingeLow), b = room.Project(hingeHigh), d = room.Project(freeLow), e = room.Project(freeHigh);
  const float turn = std::sin(angle);
  FillPolygon(c, {b, e, d, a}, [&](int x, int y) {
    const float s = (x + 0.5f - a.x) / std::max(1.0f, d.x - a.x);
    const float plank = std::fmod(std::fabs(s) * 4, 1.0f);
    float v = 0.52f - 0.25f * turn + 0.05f * Hash(static_cast<int>(std::fabs(s) * 4), 0, 3);
    if (plank < 0.1f) v -= 0.2f;
    return RampAt(WoodRamp, v, x, y);
  });
  if (angle < 1.0f) {  // the handle, while it still faces us
    const Point knob = room.Project({freeLow.x - 4 * std::cos(angle), room.FloorY() + 34, freeLow.z + 0.02f * std::sin(angle)});
    FillRect(c, static_cast<int>(knob.x - 1), static_cast<int>(knob.y), static_cast<int>(knob.x + 1), static_cast<int>(knob.y + 2), GreyRamp[7]);
  }
  Vignette(c, 0.5f);
  return c;
}

}  // namespace

void AddCabinCloseUps(Painters& p) {
  p[CabinTVTexture] = PaintCabinTV;
  p[TelephoneTexture] = PaintTelephone;
  p[TelephoneUseTexture] = PaintTelephoneUse;
  p[WalkToPhoneTexture] = PaintWalkToPhone;
  for (int f = 0; f < 5; ++f) p[LeaveCabinOneTexture + f] = [f] { return PaintLeaveCabin(f); };
}

}  // namespace art
