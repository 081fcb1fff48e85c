// The player's house on two ordinary mornings: the bedroom from the bed and
// standing, the living room, the kitchen, the bathroom and the close views of
// the sink, the breakfast table and the television. Pale, cold morning light.
#include <cmath>

#include "Interior.h"
#include "Library.h"

namespace art {

namespace {

// Morning light through the windows of the house.
RoomLook HouseLook(std::uint32_t seed) {
  RoomLook look;
  look.wall = GreyRamp;
  look.wallValue = 0.62f;
  look.wallFinish = WallFinish::Stripes;
  look.floor = WoodRamp;
  look.floorValue = 0.55f;
  look.ceilingValue = 0.66f;
  look.ambient = 0.62f;
  look.seed = seed;
  return look;
}

Color DawnWindow(float s, float t, int x, int y) {
  return WindowColor(s, t, x, y, GreyRamp, 0.8f, DawnSkyRamp, 0.35f, 0.95f);
}

// ---- The bedroom -------------------------------------------------------------

// The bedroom seen from the bed (rise 0) to standing beside it (rise 1): the
// eye goes up and the blanket slides away below.
Canvas PaintBedroom(float rise) {
  const float eye = 0.95f + 0.65f * rise;
  const Room room = StandingRoom(eye, 120);
  RoomLook look = HouseLook(11);
  const SurfaceRect door = PlacedDoor(room, "house bedroom door");
  // The window is on the right wall, low dawn light falls across the floor.
  const float windowZ0 = room.RightWallZ(470), windowZ1 = room.RightWallZ(430);
  const SurfaceRect window{Surface::RightWall, windowZ0, windowZ1, room.Height(0.9f * UnitsPerMetre), room.Height(2.2f * UnitsPerMetre)};
  look.lights.push_back({{room.WallRightX(), room.Height(1.5f * UnitsPerMetre), (windowZ0 + windowZ1) / 2}, 0.55f, 110});

  Canvas c(RoomWidth, RoomHeight);
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    if (door.Contains(h, &s, &t)) return DoorColor(s, t, h.x, h.y, GreyRamp, 0.85f);
    if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
    // Light from the window lies on the floor as a pale patch.
    if (h.surface == Surface::Floor && h.p.x > 90 && h.p.x < 150 && h.p.z > 0.7f && h.p.z < 0.95f)
      return RampAt(WoodRamp, 0.85f, h.x, h.y);
    return SurfaceColor(room, look, h);
  });
  // A wardrobe on the left, a dresser by the door, a poster.
  Cabinet(c, room, -150, 0.9f, 50, 0.1f, 2.1f * UnitsPerMetre, Painted(GreyRamp, 0.5f, PaleCold), 2);
  Cabinet(c, room, 20, 0.96f, 45, 0.04f, 0.85f * UnitsPerMetre, Wooden(0.55f, 4), 3);
  WallFrame(c, room, -80, room.Height(1.3f * UnitsPerMetre), -50, room.Height(1.8f * UnitsPerMetre), WoodDeep,
            [](float u, float v, int x, int y) { return RampAt(DawnSkyRamp, 0.2f + 0.5f * v + 0.1f * u, x, y); });
  WallFrame(c, room, 100, room.Height(1.4f * UnitsPerMetre), 130, room.Height(1.7f * UnitsPerMetre), Slate,
            [](float u, float v, int x, int y) { return RampAt(ForestRamp, 0.3f + 0.4f * v * u, x, y); });

  // The bed: lying in it, the blanket fills the foreground; standing, its end
  // is still in the corner of the eye.
  const float blanketTop = 158 + 120 * rise;
  for (int x = 0; x < c.Width(); ++x) {
    const float fold = 6 * std::sin(x * 0.045f) + 4 * std::sin(x * 0.11f + 1.3f);
    const float knee = 16 * std::exp(-std::pow((x - 300) / 60.0f, 2.0f));  // the feet under the blanket
    const int top = static_cast<int>(blanketTop - knee + fold);
    for (int y = std::max(0, top); y < c.Height(); ++y) {
      // A quilted duvet: soft folds lit from the window on the right, stitched in diamonds.
      const float depth = static_cast<float>(y - top);
      float v = 0.5f + 0.16f * std::cos(x * 0.045f + 0.6f * std::sin(y * 0.05f)) + 0.1f * std::sin(x * 0.11f + 1.3f) +
                (x > 300 ? 0.06f : 0.0f) + depth * 0.002f;
      const float a = std::fmod(x + y * 0.9f + 400, 26.0f), b = std::fmod(x - y * 0.9f + 400, 26.0f);
      if (a < 1.2f || b < 1.2f) v -= 0.14f;
      if (depth < 2) v += 0.22f;
      c.Set(x, y, RampAt(SkyRamp, v, x, y));
    }
  }
  Vignette(c, 0.45f + 0.2f * (1 - rise));
  return c;
}

// ---- The living room ------------------------------------------------------------

Canvas PaintLivingRoom(bool second) {
  const Room room = StandingRoom();
  RoomLook look = HouseLook(second ? 23 : 21);
  look.wallValue = 0.58f;
  Canvas c(second ? 525 : RoomWidth, RoomHeight);
  Room wide = room;
  if (second) {  // the wider view keeps the eye in the middle of its 525 columns
    wide.cx += 12.5f;
    wide.left += 12.5f;
    wide.right += 12.5f;
  }
  // The living room's window is on the left wall; the second view looks along the room at another.
  const SurfaceRect window = second
      ? SurfaceRect{Surface::BackWall, -90, -20, room.Height(0.95f * UnitsPerMetre), room.Height(2.15f * UnitsPerMetre)}
      : SurfaceRect{Surface::LeftWall, room.LeftWallZ(25), room.LeftWallZ(75), room.Height(0.95f * UnitsPerMetre), room.Height(2.15f * UnitsPerMetre)};
  if (second)
    look.lights.push_back({{-55, room.Height(1.5f * UnitsPerMetre), 1}, 0.5f, 90});
  else
    look.lights.push_back({{room.WallLeftX(), room.Height(1.5f * UnitsPerMetre), room.LeftWallZ(50)}, 0.55f, 110});

  if (!second) {
    const Span kitchen = PlacedColumns("house kitchen doorway");
    const SurfaceRect doorway = DoorRect(room, kitchen.lo, kitchen.hi, 2.1f * UnitsPerMetre);
    const SurfaceRect front = PlacedDoor(room, "house front door");
    wide.Paint(c, [&](const Hit& h) {
      float s, t;
      if (doorway.Contains(h, &s, &t)) {
        // An open doorway: the kitchen beyond, lighter and colder.
        if (s < 0.06f || s > 0.94f || t > 0.96f) return RampAt(GreyRamp, 0.75f, h.x, h.y);
        if (t < 0.45f && s > 0.2f && s < 0.8f) return RampAt(GreyRamp, 0.45f + 0.1f * t, h.x, h.y);  // a counter
        return RampAt(GreyRamp, 0.55f + 0.3f * t, h.x, h.y);
      }
      if (front.Contains(h, &s, &t)) {
        if (s > 0.3f && s < 0.7f && t > 0.7f && t < 0.88f) return RampAt(DawnSkyRamp, 0.6f + 0.3f * t, h.x, h.y);
        return DoorColor(s, t, h.x, h.y, WoodRamp, 0.7f);
      }
      if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
      if (InFloorRect(h, -110, 40, 0.62f, 0.85f, &s, &t)) {
        const bool border = s < 0.06f || s > 0.94f || t < 0.08f || t > 0.92f;
        return RampAt(RedRamp, border ? 0.35f : 0.55f + (Fbm(s * 8, t * 8, 5, 2) - 0.5f) * 0.3f, h.x, h.y);
      }
      return SurfaceColor(room, look, h);
    });
    // The television stands on a low cabinet under the right of the back wall.
    const Span tv = PlacedColumns("house television");
    Television(c, room, room.BackX(tv.lo), 0.985f, tv.Width(), 0.55f * UnitsPerMetre, 0.55f * UnitsPerMetre, Wooden(0.45f, 5),
               [](float u, float v, int x, int y) { return RampAt(GreyRamp, 0.12f + 0.2f * u * v, x, y); });
    // A bookshelf in the corner, a standing lamp, and the sofa with its back
    // to us, facing the television.
    Cabinet(c, room, 125, 0.97f, 28, 0.03f, 1.9f * UnitsPerMetre, Wooden(0.4f, 6), 1);
    for (int shelf = 1; shelf < 4; ++shelf) {
      const float y = room.Height(shelf * 0.48f * UnitsPerMetre);
      for (int b = 0; b < 8; ++b) {
        const float bx = 127 + b * 3.2f;
        const float bh = 10 + 4 * Hash(b, shelf, 3);
        DrawFacing(c, room, bx, y, bx + 2.6f, y + bh, 0.968f, [b, shelf](float, float v, int x, int yy) {
          const Color books[] = {Red, Teal, Sand, Slate, Moss};
          return Mix(books[(b + shelf) % 5], Ink, 0.15f + 0.3f * (1 - v), x, yy);
        });
      }
    }
    DrawBox(c, room, {-54, room.FloorY(), 0.97f}, {-52, room.Height(1.6f * UnitsPerMetre), 0.975f}, Painted(GreyRamp, 0.3f));
    DrawBox(c, room, {-58, room.Height(1.5f * UnitsPerMetre), 0.96f}, {-48, room.Height(1.8f * UnitsPerMetre), 0.98f}, Painted(FireRamp, 0.4f, Flame));
    Table(c, room, 60, 0.7f, 50, 0.05f, 0.4f * UnitsPerMetre, Wooden(0.55f, 8));
    Sofa(c, room, 45, 0.58f, 100, 0.08f, Painted(SkyRamp, 0.42f, Cold), true);
  } else {
    const SurfaceRect bedroom = PlacedDoor(wide, "house living room bedroom door");
    wide.Paint(c, [&](const Hit& h) {
      float s, t;
      if (bedroom.Contains(h, &s, &t)) return DoorColor(s, t, h.x, h.y, GreyRamp, 0.85f);
      if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
      if (InFloorRect(h, -120, 20, 0.6f, 0.8f, &s, &t)) return RampAt(RedRamp, 0.45f + (Fbm(s * 8, t * 8, 6, 2) - 0.5f) * 0.3f, h.x, h.y);
      return SurfaceColor(wide, look, h);
    });
    Sofa(c, wide, -140, 0.93f, 100, 0.07f, Painted(SkyRamp, 0.45f, Cold));
    WallFrame(c, wide, 10, wide.Height(1.3f * UnitsPerMetre), 60, wide.Height(1.85f * UnitsPerMetre), WoodDeep,
              [](float u, float v, int x, int y) { return RampAt(v > 0.4f + 0.2f * std::sin(u * 9) ? Ramp(SkyRamp) : Ramp(ForestRamp), 0.5f * v + 0.3f, x, y); });
    Cabinet(c, wide, 100, 0.9f, 30, 0.06f, 1.0f * UnitsPerMetre, Wooden(0.45f, 9), 1);
    Table(c, wide, -110, 0.62f, 50, 0.05f, 0.4f * UnitsPerMetre, Wooden(0.55f, 10));
    Chair(c, wide, -10, 0.8f, 18, Painted(RedRamp, 0.55f), true);
  }
  Vignette(c, 0.4f);
  return c;
}

// ---- The kitchen ---------------------------------------------------------------------

RoomLook KitchenLook() {
  RoomLook look = HouseLook(31);
  look.wallFinish = WallFinish::Plain;
  look.wallValue = 0.66f;
  look.floorFinish = FloorFinish::Tiles;
  look.floor = GreyRamp;
  look.floorValue = 0.5f;
  return look;
}

// The tiled splashback between the counters and the cupboards.
bool Splashback(const Room& room, const Hit& h, Color* color) {
  if (h.surface != Surface::BackWall || h.p.y < room.Height(0.9f * UnitsPerMetre) || h.p.y > room.Height(1.45f * UnitsPerMetre))
    return false;
  const bool grout = std::fmod(h.p.x + 1000, 7.0f) < 1 || std::fmod(h.p.y + 1000, 7.0f) < 1;
  *color = RampAt(SkyRamp, grout ? 0.62f : 0.78f, h.x, h.y);
  return true;
}

// A row of counters along the back wall with wall cupboards above, except
// over the sink and the window.
void Counters(Canvas& c, const Room& room, float x0, float x1, float sinkAt, float windowX0 = 1e9f, float windowX1 = 1e9f) {
  const BoxStyle cupboard = Painted(GreyRamp, 0.72f, Bone);
  const BoxStyle top = Painted(GreyRamp, 0.35f, PaleCold);
  Cabinet(c, room, x0, 0.9f, x1 - x0, 0.1f, 0.86f * UnitsPerMetre, cupboard, static_cast<int>((x1 - x0) / 22));
  DrawBox(c, room, {x0 - 1, room.Height(0.86f * UnitsPerMetre), 0.895f}, {x1 + 1, room.Height(0.92f * UnitsPerMetre), 1.0f}, top);
  for (float x = x0; x < x1 - 1; x += 24)
    if (std::fabs(x + 12 - sinkAt) > 14 && (x + 24 < windowX0 || x > windowX1))
      DrawBox(c, room, {x + 1, room.Height(1.45f * UnitsPerMetre), 0.95f}, {x + 23, room.Height(2.15f * UnitsPerMetre), 1.0f}, cupboard);
  // The sink in the counter, and its tap.
  DrawFacing(c, room, sinkAt - 10, room.Height(0.9f * UnitsPerMetre), sinkAt + 10, room.Height(0.93f * UnitsPerMetre), 0.9f,
             [](float, float, int x, int y) { return RampAt(GreyRamp, 0.3f, x, y); });
  DrawBox(c, room, {sinkAt - 1, room.Height(0.92f * UnitsPerMetre), 0.97f}, {sinkAt + 1, room.Height(1.15f * UnitsPerMetre), 0.98f},
          Painted(GreyRamp, 0.75f, Bone));
}

Canvas PaintKitchen() {
  const Room room = StandingRoom();
  RoomLook look = KitchenLook();
  const SurfaceRect window{Surface::BackWall, -60, 10, room.Height(1.1f * UnitsPerMetre), room.Height(2.0f * UnitsPerMetre)};
  look.lights.push_back({{-25, room.Height(1.5f * UnitsPerMetre), 1}, 0.5f, 90});
  const SurfaceRect door = PlacedDoor(room, "house bathroom door");
  Canvas c(RoomWidth, RoomHeight);
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    Color tile;
    if (door.Contains(h, &s, &t)) return DoorColor(s, t, h.x, h.y, GreyRamp, 0.9f);
    if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
    if (h.p.x > -150 && h.p.x < 60 && Splashback(room, h, &tile)) return tile;
    return SurfaceColor(room, look, h);
  });
  Counters(c, room, -150, 60, -25, -60, 10);
  // The fridge beside the counters.
  const BoxStyle white = Painted(GreyRamp, 0.8f, Bone);
  DrawBox(c, room, {62, room.FloorY(), 0.9f}, {84, room.Height(1.85f * UnitsPerMetre), 1.0f}, white);
  const Point handle = room.Project({80, room.Height(1.2f * UnitsPerMetre), 0.9f});
  Line(c, handle.x, handle.y, handle.x, handle.y + 14, SlateLight);
  Table(c, room, -60, 0.6f, 60, 0.07f, 0.75f * UnitsPerMetre, Wooden(0.6f, 12));
  Chair(c, room, -90, 0.66f, 20, Wooden(0.5f, 13), true);
  Vignette(c, 0.4f);
  return c;
}

Canvas PaintKitchenTwo() {
  const Room room = StandingRoom();
  RoomLook look = KitchenLook();
  look.seed = 33;
  const SurfaceRect window{Surface::BackWall, 70, 140, room.Height(1.1f * UnitsPerMetre), room.Height(2.0f * UnitsPerMetre)};
  look.lights.push_back({{105, room.Height(1.5f * UnitsPerMetre), 1}, 0.5f, 90});
  Canvas c(RoomWidth, RoomHeight);
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    Color tile;
    if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
    if (h.p.x > -150 && h.p.x < 60 && Splashback(room, h, &tile)) return tile;
    return SurfaceColor(room, look, h);
  });
  Counters(c, room, -150, 60, -40);
  // The breakfast table in the middle of the room, the plate waiting on it.
  const Span table = PlacedColumns("house kitchen table");
  const float z = 0.75f;
  const float x0 = room.BackX(table.lo) * z, x1 = room.BackX(table.hi) * z;
  Chair(c, room, (x0 + x1) / 2 - 10, z + 0.08f, 20, Wooden(0.5f, 14), true);
  Table(c, room, x0, z, x1 - x0, 0.08f, 0.75f * UnitsPerMetre, Wooden(0.62f, 15));
  const float topY = room.Height(0.75f * UnitsPerMetre);
  const Point plate = room.Project({(x0 + x1) / 2, topY, z + 0.03f});
  FillEllipse(c, plate.x, plate.y, 12, 3.5f, PaleCold);
  FillEllipse(c, plate.x, plate.y - 0.6f, 8, 2.2f, Amber);
  FillRect(c, static_cast<int>(plate.x + 18), static_cast<int>(plate.y - 8), static_cast<int>(plate.x + 22),
           static_cast<int>(plate.y), Dawn);  // a glass
  Vignette(c, 0.4f);
  return c;
}

// The breakfast on the table, close: a plate with pizza from last night and a
// bowl of soup.
Canvas PaintKitchenClose() {
  Canvas c(ScreenWidth, ScreenHeight);
  // The kitchen behind: the tiled wall, the counter and its cupboards, the window.
  ShadeRect(c, 0, 0, 200, 70, [](int x, int y) {
    const bool grout = x % 9 == 0 || y % 9 == 0;
    return RampAt(SkyRamp, grout ? 0.62f : 0.74f - y * 0.002f, x, y);
  });
  FillRect(c, 118, 2, 176, 34, PaleCold);
  GradientRect(c, 121, 5, 173, 31, DawnSkyRamp, 0.9f, 0.4f);
  FillRect(c, 146, 5, 148, 31, PaleCold);
  for (int x = 0; x < 200; x += 32) {
    FillRect(c, x + 1, 38, x + 31, 62, Dawn);
    FillRect(c, x + 1, 38, x + 31, 39, Bone);
    FillRect(c, x + 26, 48, x + 28, 50, Cold);
  }
  FillRect(c, 0, 34, 200, 38, PaleCold);
  // The table top runs toward the eye.
  ShadeRect(c, 0, 60, 200, 150, [](int x, int y) {
    const float grain = Fbm(x * 0.04f, y * 0.3f, 41, 3);
    return RampAt(WoodRamp, 0.5f + (y - 60) * 0.003f + (grain - 0.5f) * 0.25f, x, y);
  });
  FillRect(c, 0, 58, 200, 61, WoodLight);
  const Span plate = PlacedColumns("house breakfast plate");
  const Span rows = PlacedRows("house breakfast plate");
  const float cx = plate.lo + 28, cy = (rows.lo + rows.hi) / 2 + 4;
  FillEllipse(c, cx + 2, cy + 4, 28, 11, WoodDeep);  // shadow
  FillEllipse(c, cx, cy, 28, 11, PaleCold);
  FillEllipse(c, cx, cy, 21, 8, Dawn);
  // A slice of pizza on the plate.
  FillPolygon(c, {{cx - 14, cy - 3}, {cx + 14, cy - 6}, {cx + 4, cy + 6}},
              [](int x, int y) { return (x + y) % 2 ? Amber : Flame; });
  FillPolygon(c, {{cx - 14, cy - 3}, {cx + 14, cy - 6}, {cx + 13, cy - 4}, {cx - 13, cy - 1}}, Tan);
  for (int k = 0; k < 4; ++k) FillEllipse(c, cx - 6 + k * 5, cy - 2 + (k % 2) * 2, 1.6f, 1.2f, Red);
  // A bowl of soup beside it.
  const float bx = plate.hi - 16, by = cy - 6;
  FillEllipse(c, bx + 2, by + 6, 16, 7, WoodDeep);
  FillPolygon(c, {{bx - 15, by}, {bx + 15, by}, {bx + 11, by + 10}, {bx - 11, by + 10}}, Cold);
  FillEllipse(c, bx, by, 15, 5, PaleCold);
  FillEllipse(c, bx, by, 12, 3.6f, Ember);
  FillEllipse(c, bx - 3, by - 1, 4, 1.2f, Amber);
  // A glass of water and a spoon.
  FillRect(c, 30, 70, 40, 95, PaleCold);
  FillRect(c, 31, 80, 39, 94, Sky);
  Line(c, 170, 110, 190, 96, PaleCold, 2);
  Vignette(c, 0.55f);
  return c;
}

// ---- The bathroom ----------------------------------------------------------------------

Canvas PaintBathroom() {
  const Room room = StandingRoom();
  RoomLook look = HouseLook(41);
  look.wallFinish = WallFinish::Tiles;
  look.wall = SkyRamp;
  look.wallValue = 0.75f;
  look.floorFinish = FloorFinish::Tiles;
  look.floor = GreyRamp;
  look.floorValue = 0.55f;
  look.lights.push_back({{110, room.Height(2.2f * UnitsPerMetre), 0.95f}, 0.4f, 80});
  const Span sink = PlacedColumns("house bathroom sink");
  const float sx0 = room.BackX(sink.lo), sx1 = room.BackX(sink.hi);
  const SurfaceRect mirror{Surface::BackWall, sx0 + 4, sx1 - 4, room.Height(1.25f * UnitsPerMetre), room.Height(1.95f * UnitsPerMetre)};
  Canvas c(RoomWidth, RoomHeight);
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    if (mirror.Contains(h, &s, &t)) {
      if (s < 0.06f || s > 0.94f || t < 0.06f || t > 0.94f) return RampAt(GreyRamp, 0.85f, h.x, h.y);
      return RampAt(GreyRamp, 0.5f + 0.25f * t + 0.1f * std::sin(s * 3 + t * 4), h.x, h.y);  // the room, dim, in the glass
    }
    // A shower curtain closes off the bath on the left.
    if (h.surface == Surface::BackWall && h.p.x < -80) {
      const float fold = std::sin(h.p.x * 0.5f) * 0.12f;
      if (h.p.y > room.Height(0.5f * UnitsPerMetre) && h.p.y < room.Height(2.1f * UnitsPerMetre))
        return RampAt(SkyRamp, 0.55f + fold, h.x, h.y);
    }
    return SurfaceColor(room, look, h);
  });
  // The washbasin on its pedestal under the mirror.
  const BoxStyle porcelain = Painted(GreyRamp, 0.88f, Bone);
  DrawBox(c, room, {(sx0 + sx1) / 2 - 4, room.FloorY(), 0.97f}, {(sx0 + sx1) / 2 + 4, room.Height(0.78f * UnitsPerMetre), 0.99f}, porcelain);
  DrawBox(c, room, {sx0, room.Height(0.78f * UnitsPerMetre), 0.9f}, {sx1, room.Height(0.92f * UnitsPerMetre), 1.0f}, porcelain);
  DrawBox(c, room, {(sx0 + sx1) / 2 - 1, room.Height(0.92f * UnitsPerMetre), 0.97f}, {(sx0 + sx1) / 2 + 1, room.Height(1.08f * UnitsPerMetre), 0.98f},
          Painted(GreyRamp, 0.7f, Bone));
  // The toilet, a towel rail.
  DrawBox(c, room, {-20, room.FloorY(), 0.86f}, {0, room.Height(0.42f * UnitsPerMetre), 0.98f}, porcelain);
  DrawBox(c, room, {-22, room.Height(0.4f * UnitsPerMetre), 0.97f}, {2, room.Height(0.9f * UnitsPerMetre), 1.0f}, porcelain);
  DrawBox(c, room, {140, room.Height(1.0f * UnitsPerMetre), 0.99f}, {158, room.Height(1.5f * UnitsPerMetre), 1.0f}, Painted(RedRamp, 0.6f));
  DrawBox(c, room, {-150, room.FloorY(), 0.75f}, {-85, room.Height(0.55f * UnitsPerMetre), 1.0f}, porcelain);
  Vignette(c, 0.45f);
  return c;
}

// The washbasin close up, where the teeth are brushed: the mirror above shows
// only the wall and the door behind.
Canvas PaintBathroomSink() {
  Canvas c(ScreenWidth, ScreenHeight);
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) {
    const bool grout = (x % 12) == 0 || (y % 12) == 0;
    return RampAt(SkyRamp, grout ? 0.55f : 0.72f + (Hash(x / 12, y / 12, 5) - 0.5f) * 0.06f, x, y);
  });
  // The mirror and what it shows: the tiled wall behind, the door ajar, dim.
  FillRect(c, 38, 4, 162, 74, PaleCold);
  ShadeRect(c, 42, 8, 158, 70, [](int x, int y) {
    if (x > 112 && x < 136 && y > 16) return RampAt(GreyRamp, x < 116 ? 0.22f : 0.42f, x, y);
    const bool grout = (x % 10) == 0 || (y % 10) == 0;
    return RampAt(GreyRamp, (grout ? 0.42f : 0.52f) + 0.12f * (y - 8) / 62.0f, x, y);
  });
  for (int k = 0; k < 14; ++k) {  // a pale streak of reflected light
    c.Set(52 + k, 12 + k * 2, Dawn);
    c.Set(53 + k, 12 + k * 2, Dawn);
    c.Set(58 + k, 12 + k * 2, PaleCold);
  }
  // The counter and the basin set into it.
  FillRect(c, 0, 88, 200, 150, Dawn);
  ShadeRect(c, 0, 88, 200, 150, [](int x, int y) { return RampAt(GreyRamp, 0.9f - (y - 88) * 0.004f, x, y); });
  FillRect(c, 0, 86, 200, 89, PaleCold);
  FillEllipse(c, 100, 116, 70, 24, PaleCold);
  FillEllipse(c, 100, 118, 64, 20, Cold);
  ShadeRect(c, 30, 94, 170, 140, [](int x, int y) {
    const float dx = (x - 100) / 64.0f, dy = (y - 118) / 20.0f;
    if (dx * dx + dy * dy > 1) return Clear;
    return RampAt(GreyRamp, 0.55f + 0.3f * dy - 0.1f * dx, x, y);
  });
  FillEllipse(c, 100, 124, 5, 2, Slate);
  // The tap and a toothpaste tube.
  FillRect(c, 94, 76, 106, 90, PaleCold);
  FillRect(c, 95, 76, 98, 90, Bone);
  FillRect(c, 97, 88, 103, 100, PaleCold);
  FillRect(c, 98, 88, 100, 100, Bone);
  FillRect(c, 150, 84, 176, 92, Bone);
  FillRect(c, 150, 84, 158, 92, Red);
  FillRect(c, 176, 86, 180, 90, SkyRamp[4]);
  Vignette(c, 0.5f);
  return c;
}

// ---- The bedroom toward the desk ------------------------------------------------------------

Canvas PaintBedRoomThree() {
  const Room room = StandingRoom();
  RoomLook look = HouseLook(51);
  const SurfaceRect window{Surface::BackWall, -40, 40, room.Height(1.1f * UnitsPerMetre), room.Height(2.2f * UnitsPerMetre)};
  look.lights.push_back({{0, room.Height(1.6f * UnitsPerMetre), 1}, 0.5f, 100});
  Canvas c(RoomWidth, RoomHeight);
  room.Paint(c, [&](const Hit& h) {
    float s, t;
    if (window.Contains(h, &s, &t)) return DawnWindow(s, t, h.x, h.y);
    return SurfaceColor(room, look, h);
  });
  const Span desk = PlacedColumns("house desk");
  const float z = 0.93f, x0 = room.BackX(desk.lo) * z, x1 = room.BackX(desk.hi) * z;
  Table(c, room, x0, z, x1 - x0, 0.06f, 0.75f * UnitsPerMetre, Wooden(0.5f, 16));
  // The computer on it: the screen dark, the keyboard in front.
  const float top = room.Height(0.75f * UnitsPerMetre), mid = (x0 + x1) / 2;
  DrawBox(c, room, {mid - 3, top, 0.98f}, {mid + 3, top + 5, 0.99f}, Painted(GreyRamp, 0.3f));
  DrawFacing(c, room, mid - 22, top + 5, mid + 22, top + 32, 0.975f,
             [](float u, float v, int x, int y) {
               if (u < 0.05f || u > 0.95f || v < 0.07f || v > 0.93f) return RampAt(GreyRamp, 0.25f, x, y);
               return RampAt(GreyRamp, 0.1f + 0.15f * u * v, x, y);
             });
  DrawBox(c, room, {mid - 16, top, 0.95f}, {mid + 12, top + 1.2f, 0.965f}, Painted(GreyRamp, 0.45f, Cold));
  Chair(c, room, mid - 12, 0.86f, 24, Painted(GreyRamp, 0.3f), false);
  // The unmade bed along the right.
  Bed(c, room, 90, 0.8f, 70, 0.2f, Wooden(0.45f, 17), Painted(GreyRamp, 0.85f), Painted(SkyRamp, 0.5f, PaleCold));
  DrawBox(c, room, {room.WallLeftX(), room.FloorY(), 0.72f}, {room.WallLeftX() + 16, room.Height(1.95f * UnitsPerMetre), 0.86f},
          Painted(GreyRamp, 0.5f, PaleCold));
  Vignette(c, 0.4f);
  return c;
}

// ---- The television ----------------------------------------------------------------------------

// A cheerful cartoon cat on the old set in the living room: sky, green hills,
// the cat waving, a sun.
Canvas PaintHouseTelevision() {
  Canvas c(ScreenWidth, ScreenHeight);
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) { return RampAt(GreyRamp, 0.22f + 0.05f * Fbm(x * 0.05f, y * 0.05f, 3, 2), x, y); });
  // The set.
  FillRect(c, 18, 8, 182, 136, Night);
  FillRect(c, 20, 10, 180, 134, Dusk);
  FillRect(c, 150, 40, 174, 46, Slate);
  FillEllipse(c, 162, 70, 5, 5, Slate);
  FillEllipse(c, 162, 90, 5, 5, Slate);
  // The picture.
  const int sx0 = 28, sy0 = 18, sx1 = 144, sy1 = 118;
  ShadeRect(c, sx0, sy0, sx1, sy1, [&](int x, int y) {
    const float hill = 92 + 6 * std::sin(x * 0.08f);
    if (y > hill) return RampAt(ForestRamp, 0.72f + 0.1f * std::sin(x * 0.3f + y), x, y);
    return RampAt(WaterRamp, 1.0f - 0.12f * (y - sy0) / 80.0f, x, y);
  });
  FillEllipse(c, 126, 34, 9, 9, Flame);
  FillEllipse(c, 52, 36, 14, 5, Bone);
  FillEllipse(c, 62, 34, 9, 5, Bone);
  // The cat: orange head with big ears, white muzzle, huge eyes and a grin.
  const float cx = 82, cy = 74;
  FillEllipse(c, cx, cy + 30, 20, 16, Amber);  // body
  FillPolygon(c, {{cx - 20, cy - 8}, {cx - 16, cy - 30}, {cx - 4, cy - 16}}, Amber);
  FillPolygon(c, {{cx + 20, cy - 8}, {cx + 16, cy - 30}, {cx + 4, cy - 16}}, Amber);
  FillPolygon(c, {{cx - 16, cy - 12}, {cx - 15, cy - 24}, {cx - 8, cy - 15}}, Blush);
  FillPolygon(c, {{cx + 16, cy - 12}, {cx + 15, cy - 24}, {cx + 8, cy - 15}}, Blush);
  FillEllipse(c, cx, cy, 22, 18, Amber);
  FillEllipse(c, cx, cy + 8, 11, 7, Bone);
  FillEllipse(c, cx - 8, cy - 3, 6, 7, Bone);
  FillEllipse(c, cx + 8, cy - 3, 6, 7, Bone);
  FillEllipse(c, cx - 7, cy - 2, 3, 4, Ink);
  FillEllipse(c, cx + 9, cy - 2, 3, 4, Ink);
  c.Set(static_cast<int>(cx - 8), static_cast<int>(cy - 4), Bone);
  c.Set(static_cast<int>(cx + 8), static_cast<int>(cy - 4), Bone);
  FillEllipse(c, cx, cy + 5, 2, 1.5f, Blush);
  for (int x = -6; x <= 6; ++x) c.Set(static_cast<int>(cx + x), static_cast<int>(cy + 12 - x * x / 12), Ink);
  for (int k = -1; k <= 1; ++k) {
    Line(c, cx - 12, cy + 5 + k * 2, cx - 24, cy + 3 + k * 4, Ink);
    Line(c, cx + 12, cy + 5 + k * 2, cx + 24, cy + 3 + k * 4, Ink);
  }
  // A paw waving.
  Line(c, cx + 18, cy + 24, cx + 32, cy + 8, Amber, 5);
  FillEllipse(c, cx + 33, cy + 6, 4, 4, Bone);
  // The glass bulges: darker corners, a soft reflection.
  ShadeRect(c, sx0, sy0, sx1, sy1, [&](int x, int y) {
    const float dx = (x - 86) / 58.0f, dy = (y - 68) / 50.0f;
    const float corner = dx * dx * dy * dy * 6;
    if (corner > Bayer(x, y) + 0.2f) return Darker(c.Get(x, y), 2);
    return Clear;
  });
  for (int y = sy0; y < sy1; y += 2) {
    for (int x = sx0; x < sx1; ++x)
      if (Bayer(x, y) < 0.18f) c.Set(x, y, Darker(c.Get(x, y)));
  }
  Vignette(c, 0.6f);
  return c;
}

}  // namespace

void AddHousePictures(Painters& p) {
  p[HouseBedRoomBedTexture] = [] { return PaintBedroom(0); };
  p[HouseWalkMiddleOneTexture] = [] { return PaintBedroom(0.25f); };
  p[HouseWalkMiddleTwoTexture] = [] { return PaintBedroom(0.5f); };
  p[HouseWalkMiddleThreeTexture] = [] { return PaintBedroom(0.75f); };
  p[HouseBedRoomMiddleTexture] = [] { return PaintBedroom(1); };
  p[LivingRoomTexture] = [] { return PaintLivingRoom(false); };
  p[LivingRoomTwoTexture] = [] { return PaintLivingRoom(true); };
  p[KitchenTexture] = PaintKitchen;
  p[KitchenTwoTexture] = PaintKitchenTwo;
  p[KitchenCloseTexture] = PaintKitchenClose;
  p[BathroomTexture] = PaintBathroom;
  p[BathroomSinkTexture] = PaintBathroomSink;
  p[BedRoomThreeTexture] = PaintBedRoomThree;
  p[HouseTelevisionTexture] = PaintHouseTelevision;
}

}  // namespace art
