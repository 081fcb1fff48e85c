// The cabin's main room in its four views (with every door the story walks
// through, where the hotspot windows put it), the room on the last night with
// its telephone torn off the wall, and the seven panorama views of the thing
// running through it and out with the telephone.
#include <cmath>

#include "CabinParts.h"
#include "Library.h"

namespace art {

namespace {

SurfaceRect LeftWallRect(const Room& room, float column0, float column1, float bottom, float top) {
  return {Surface::LeftWall, room.LeftWallZ(column0), room.LeftWallZ(column1), room.Height(bottom * UnitsPerMetre),
          room.Height(top * UnitsPerMetre)};
}

SurfaceRect RightWallRect(const Room& room, float column0, float column1, float bottom, float top) {
  return {Surface::RightWall, room.RightWallZ(column0), room.RightWallZ(column1), room.Height(bottom * UnitsPerMetre),
          room.Height(top * UnitsPerMetre)};
}

Decal Rug(float x0, float x1, float z0, float z1) {
  return {{Surface::Floor, x0, x1, z0, z1}, [](float s, float t, int x, int y) {
            const bool border = s < 0.07f || s > 0.93f || t < 0.1f || t > 0.9f;
            const bool stripe = std::fmod(t * 6, 1.0f) < 0.2f;
            return RampAt(RedRamp, border ? 0.4f : stripe ? 0.62f : 0.5f, x, y);
          }};
}

// A wood stove standing against the left wall, its window glowing.
void Stove(Canvas& c, const Room& room, float z) {
  const float x0 = room.WallLeftX() + 6, x1 = x0 + 22;
  DrawBox(c, room, {x0, room.FloorY(), z}, {x1, room.Height(0.8f * UnitsPerMetre), z + 0.12f}, Painted(GreyRamp, 0.15f, Slate));
  DrawBox(c, room, {x0 + 8, room.Height(0.8f * UnitsPerMetre), z + 0.05f}, {x0 + 13, room.CeilingY(), z + 0.08f}, Painted(GreyRamp, 0.12f, Dusk));
  DrawFacing(c, room, x0 + 5, room.Height(0.25f * UnitsPerMetre), x1 - 5, room.Height(0.55f * UnitsPerMetre), z - 0.002f,
             [](float u, float v, int x, int y) { return RampAt(FireRamp, 0.2f + 0.4f * (1 - v) * (1 - std::fabs(u - 0.5f)), x, y); });
  const Point glow = room.Project({(x0 + x1) / 2, room.Height(0.4f * UnitsPerMetre), z});
  Glow(c, glow.x, glow.y, 40, 0.7f, Ember);
}

// A side table with a lit lamp on it.
void LampTable(Canvas& c, const Room& room, float x, float z) {
  Table(c, room, x, z, 14, 0.06f, 0.6f * UnitsPerMetre, Wooden(0.45f, 211));
  TableLamp(c, room, x + 7, room.Height(0.6f * UnitsPerMetre), z + 0.03f);
}

void Bookshelf(Canvas& c, const Room& room, float x, float z, std::uint32_t seed) {
  Cabinet(c, room, x, z, 30, 0.04f, 1.8f * UnitsPerMetre, Wooden(0.35f, seed), 1);
  for (int shelf = 1; shelf < 4; ++shelf) {
    const float y = room.Height(shelf * 0.45f * UnitsPerMetre);
    for (int b = 0; b < 8; ++b) {
      const float bx = x + 2 + b * 3.3f, bh = 8 + 5 * Hash(b, shelf, seed);
      DrawFacing(c, room, bx, y, bx + 2.7f, y + bh, z - 0.002f, [b, shelf](float, float v, int px, int py) {
        const Color books[] = {Red, Moss, Sand, Teal, WoodLight};
        return Mix(books[(b * 3 + shelf) % 5], Ink, 0.1f + 0.3f * (1 - v), px, py);
      });
    }
  }
}

// A pair of antlers over a door.
void Antlers(Canvas& c, const Room& room, float column, float height) {
  const Point p = room.Project({room.BackX(column), room.Height(height * UnitsPerMetre), 0.999f});
  FillEllipse(c, p.x, p.y, 3, 2, WoodLight);
  for (int side : {-1, 1}) {
    Line(c, p.x, p.y, p.x + side * 9, p.y - 7, Sand);
    Line(c, p.x + side * 4, p.y - 3, p.x + side * 4, p.y - 9, Sand);
    Line(c, p.x + side * 7, p.y - 5, p.x + side * 9, p.y - 11, Sand);
  }
}

// ---- The four views of the main room ---------------------------------------------------

// The main room: kitchen door and bedroom door in the back wall, the
// telephone between them, the old television, the front door on the right.
Canvas PaintCabinInside() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(201);
  look.lights.push_back({{room.WallLeftX(), room.Height(1.5f * UnitsPerMetre), room.LeftWallZ(50)}, 0.35f, 100});
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {PlankDoor(PlacedDoor(room, "cabin kitchen door"), 0.35f), PlankDoor(PlacedDoor(room, "cabin bedroom door")),
             FrontDoor(RightWallRect(room, 430, 475, 0, 2.05f)), ForestWindow(LeftWallRect(room, 28, 72, 1.0f, 1.9f)),
             Rug(-60, 70, 0.62f, 0.84f)});
  WallPhone(c, room, 182, 200);
  Antlers(c, room, 250, 2.35f);
  Stove(c, room, 0.8f);
  const BoxStyle cloth = Painted(RedRamp, 0.5f, Blush);
  Television(c, room, room.BackX(300), 0.97f, 42, 0.45f * UnitsPerMetre, 0.5f * UnitsPerMetre, Wooden(0.4f, 205),
             [](float u, float v, int x, int y) { return RampAt(GreyRamp, 0.1f + 0.12f * u * v, x, y); });
  Bookshelf(c, room, 112, 0.96f, 207);
  Table(c, room, -120, 0.62f, 46, 0.08f, 0.75f * UnitsPerMetre, Wooden(0.55f, 208));
  Chair(c, room, -106, 0.74f, 16, Wooden(0.45f, 209), true);
  LampTable(c, room, 95, 0.56f);
  SofaSide(c, room, 110, 0.6f, 0.86f, 32, cloth, true);
  Vignette(c, 0.45f);
  return c;
}

// Another view: the bedroom door, the television in the corner, the front door.
Canvas PaintCabinInsideTwo() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(221);
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {PlankDoor(PlacedDoor(room, "cabin room two bedroom door")), FrontDoor(PlacedDoor(room, "cabin room two front door")),
             ForestWindow(BackWallRect(room, 215, 275, 1.0f, 1.9f)), Rug(-90, 40, 0.66f, 0.86f)});
  // The television stands against the back wall on a tall cabinet, its screen
  // above the dialogue band in the view the player arrives in.
  const Span tv = PlacedColumns("cabin television");
  const float z = 0.95f;
  Television(c, room, room.BackX(tv.lo) * z, z, tv.Width() * z, 0.45f * UnitsPerMetre, 0.6f * UnitsPerMetre, Wooden(0.4f, 225),
             [](float u, float v, int x, int y) { return RampAt(GreyRamp, 0.1f + 0.12f * u * v, x, y); });
  Bookshelf(c, room, 120, 0.96f, 227);
  LampTable(c, room, 60, 0.9f);
  SofaSide(c, room, 20, 0.62f, 0.86f, 32, Painted(RedRamp, 0.5f, Blush), false);
  Vignette(c, 0.45f);
  return c;
}

// Toward the front door, the kitchen door beside it.
Canvas PaintCabinInsideThree() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(231);
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {FrontDoor(PlacedDoor(room, "cabin room three front door")), PlankDoor(PlacedDoor(room, "cabin room three kitchen door"), 0.2f),
             ForestWindow(BackWallRect(room, 140, 195, 1.0f, 1.9f)), Rug(-40, 60, 0.7f, 0.9f)});
  // Coat hooks by the front door, a jacket, boots.
  const float hx = room.BackX(PlacedColumns("cabin room three front door").lo) - 14;
  DrawFacing(c, room, hx, room.Height(1.55f * UnitsPerMetre), hx + 10, room.Height(1.6f * UnitsPerMetre), 0.997f,
             [](float, float, int x, int y) { return RampAt(WoodRamp, 0.3f, x, y); });
  DrawFacing(c, room, hx + 1, room.Height(0.9f * UnitsPerMetre), hx + 8, room.Height(1.57f * UnitsPerMetre), 0.995f,
             [](float u, float v, int x, int y) { return RampAt(RedRamp, 0.35f + 0.15f * v - 0.1f * u, x, y); });
  DrawBox(c, room, {hx, room.FloorY(), 0.95f}, {hx + 4, room.Height(0.25f * UnitsPerMetre), 0.99f}, Painted(GreyRamp, 0.15f));
  DrawBox(c, room, {hx + 5, room.FloorY(), 0.95f}, {hx + 9, room.Height(0.25f * UnitsPerMetre), 0.99f}, Painted(GreyRamp, 0.15f));
  Stove(c, room, 0.78f);
  Table(c, room, -100, 0.64f, 44, 0.08f, 0.75f * UnitsPerMetre, Wooden(0.55f, 233));
  Chair(c, room, -86, 0.75f, 16, Wooden(0.45f, 234), true);
  Vignette(c, 0.45f);
  return c;
}

// Toward the front door from the other side of the room, in the late afternoon.
Canvas PaintCabinInsideFour() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(241);
  look.ambient = 0.5f;
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {FrontDoor(PlacedDoor(room, "cabin room four front door")), ForestWindow(BackWallRect(room, 200, 255, 1.0f, 1.9f)),
             ForestWindow(RightWallRect(room, 420, 470, 1.0f, 1.9f)), Rug(-20, 90, 0.66f, 0.86f)});
  Bookshelf(c, room, 40, 0.96f, 243);
  LampTable(c, room, 100, 0.9f);
  SofaSide(c, room, 112, 0.62f, 0.88f, 32, Painted(RedRamp, 0.5f, Blush), true);
  Vignette(c, 0.5f);
  return c;
}

// ---- The last night ------------------------------------------------------------------

// The room at night after the thing has been: the telephone gone from the wall,
// the front door open onto the dark. `figure` 0..6 is a view of the get-away
// sheet (the thing at the telephone, crossing the room, out of the door,
// gone); -1 is the room afterwards.
Canvas PaintRoomAtNight(int figure) {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(251);
  look.ambient = 0.5f;
  const SurfaceRect frontDoor = PlacedDoor(room, "cabin front door from inside");
  look.lights.push_back({{(frontDoor.u0 + frontDoor.u1) / 2, room.Height(1.0f * UnitsPerMetre), 1}, 0.25f, 70});
  Canvas c(RoomWidth, RoomHeight);
  const float doorOpen = figure == 0 ? 0.0f : 1.0f;
  PaintRoom(c, room, look,
            {PlankDoor(frontDoor, doorOpen, true), ForestWindow(BackWallRect(room, 110, 150, 1.0f, 1.9f), true),
             Rug(-60, 70, 0.62f, 0.84f)});
  const Span phone = PlacedColumns("torn telephone cord");
  WallPhone(c, room, phone.lo, phone.hi, figure != 0);
  // A chair knocked over on its back.
  DrawBox(c, room, {-70, room.FloorY(), 0.7f}, {-52, room.Height(0.06f * UnitsPerMetre), 0.76f}, Wooden(0.35f, 253));
  DrawBox(c, room, {-72, room.FloorY(), 0.755f}, {-50, room.Height(0.45f * UnitsPerMetre), 0.765f}, Wooden(0.3f, 254));
  Bookshelf(c, room, 110, 0.96f, 255);
  SofaSide(c, room, 110, 0.6f, 0.86f, 32, Painted(RedRamp, 0.45f, Red), true);
  // Where the thing is in each view of the sheet: at the telephone, then
  // across the room and out through the door.
  const float door = (PlacedColumns("cabin front door from inside").lo + PlacedColumns("cabin front door from inside").hi) / 2;
  const float floorRow = room.cy - room.FloorY();
  switch (figure) {
    case 0: DarkFigure(c, phone.Centre() - 6, floorRow, 104, 0.0f, 11, true); break;
    case 1: DarkFigure(c, phone.Centre() + 24, floorRow + 8, 112, 0.5f, 12, true); break;
    case 2: DarkFigure(c, door - 22, floorRow + 3, 104, 0.7f, 13, true); break;
    case 3: DarkFigure(c, door + 2, floorRow - 2, 70, 0.6f, 14, true); break;
    default: break;
  }
  Vignette(c, 0.6f);
  return c;
}

Canvas PaintGetAwaySheet() {
  std::vector<Canvas> views;
  for (int v = 0; v < 7; ++v) views.push_back(PaintRoomAtNight(v));
  return JoinFrames(views);
}

}  // namespace

void AddCabinPictures(Painters& p) {
  p[CabinInsideTexture] = PaintCabinInside;
  p[CabinInsideTwoTexture] = PaintCabinInsideTwo;
  p[CabinInsideThreeTexture] = PaintCabinInsideThree;
  p[CabinInsideFourTexture] = PaintCabinInsideFour;
  p[NoPhoneCabinTexture] = [] { return PaintRoomAtNight(-1); };
  p[ItGetsAwaySheetTexture] = PaintGetAwaySheet;
}

}  // namespace art
