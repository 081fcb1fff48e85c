// The cabin's bedroom: standing in it, lying in the bed, facing the closet,
// and the three views from inside the closet through its slats on the last
// night (the room; something tall in the doorway; the room again).
#include <cmath>

#include "CabinParts.h"
#include "Library.h"
#include "Placements.h"

namespace art {

namespace {

SurfaceRect RightWallRect(const Room& room, float column0, float column1, float bottom, float top) {
  return {Surface::RightWall, room.RightWallZ(column0), room.RightWallZ(column1), room.Height(bottom * UnitsPerMetre),
          room.Height(top * UnitsPerMetre)};
}

// Tall double closet doors with louvred slats.
Decal ClosetDoors(const SurfaceRect& rect, float open = 0) {
  return {rect, [open](float s, float t, int x, int y) {
            if (s < 0.05f || s > 0.95f || t > 0.96f) return RampAt(WoodRamp, 0.3f, x, y);
            if (std::fabs(s - 0.5f) < 0.015f) return RampAt(WoodRamp, 0.2f, x, y);
            if (open > 0 && s > 0.5f && s < 0.5f + open * 0.45f) return RampAt(GreyRamp, 0.03f, x, y);
            const float local = s < 0.5f ? (s - 0.05f) / 0.45f : (s - 0.5f) / 0.45f;
            if (local < 0.12f || local > 0.88f || t < 0.06f || std::fabs(t - 0.5f) < 0.02f) return RampAt(WoodRamp, 0.5f, x, y);
            const float slat = std::fmod(t * 22, 1.0f);
            if (slat < 0.35f) return RampAt(WoodRamp, 0.22f, x, y);
            return RampAt(WoodRamp, 0.42f + 0.2f * slat, x, y);
          }};
}

Canvas PaintCabinBedRoom() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(401);
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {PlankDoor(PlacedDoor(room, "cabin bedroom way out")), ForestWindow(BackWallRect(room, 215, 270, 1.1f, 1.9f)),
             ClosetDoors(RightWallRect(room, 425, 480, 0, 2.1f))});
  // The bed, its head against the back wall.
  const Span bed = PlacedColumns("cabin bed");
  const float z = 0.7f, x0 = room.BackX(bed.lo) * z, x1 = room.BackX(bed.hi) * z;
  Bed(c, room, x0, z, x1 - x0, 0.3f, Wooden(0.45f, 403), Painted(GreyRamp, 0.78f), Painted(RedRamp, 0.55f, Blush));
  Table(c, room, x1 + 6, 0.92f, 16, 0.06f, 0.6f * UnitsPerMetre, Wooden(0.45f, 405));
  TableLamp(c, room, x1 + 14, room.Height(0.6f * UnitsPerMetre), 0.95f);
  DrawBox(c, room, {-150, room.FloorY(), 0.8f}, {-120, room.Height(0.5f * UnitsPerMetre), 0.9f}, Wooden(0.4f, 407));  // a chest
  Vignette(c, 0.45f);
  return c;
}

// Lying in the bed: the blanket in front, the door across the room, the
// closet on the right.
Canvas PaintCabinBed() {
  const Room room = StandingRoom(0.95f);
  RoomLook look = CabinLook(411);
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {PlankDoor(PlacedDoor(room, "cabin door seen from bed")), ForestWindow(BackWallRect(room, 110, 160, 1.0f, 1.9f)),
             ClosetDoors(BackWallRect(room, FindReferent("the closet seen from bed").columns.lo,
                                      FindReferent("the closet seen from bed").columns.hi, 0, 2.1f))});
  Cabinet(c, room, 130, 0.9f, 24, 0.08f, 0.9f * UnitsPerMetre, Wooden(0.45f, 413), 2);
  const float top = 172;
  for (int x = 0; x < c.Width(); ++x) {
    const float fold = 5 * std::sin(x * 0.05f + 0.7f) + 3 * std::sin(x * 0.13f);
    const float knees = 18 * std::exp(-std::pow((x - 240) / 55.0f, 2.0f));
    const int t = static_cast<int>(top - knees + fold);
    for (int y = std::max(0, t); y < c.Height(); ++y) {
      const float depth = static_cast<float>(y - t);
      float v = 0.45f + 0.15f * std::cos(x * 0.05f + 0.5f * std::sin(y * 0.06f)) + depth * 0.002f;
      const bool check = (static_cast<int>((x + 400) / 14) + static_cast<int>((y + 400) / 14)) % 2 == 0;
      if (check) v -= 0.1f;
      if (depth < 2) v += 0.2f;
      c.Set(x, y, RampAt(RedRamp, v, x, y));
    }
  }
  Vignette(c, 0.6f);
  return c;
}

// Facing the closet: its slatted doors, the foot of the bed at the left.
Canvas PaintCabinCloset() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(421);
  look.ambient = 0.7f;
  Canvas c(RoomWidth, RoomHeight);
  const Span doors = PlacedColumns("closet doors");
  PaintRoom(c, room, look,
            {ClosetDoors({Surface::BackWall, room.BackX(doors.lo), room.BackX(doors.hi), room.FloorY(), room.Height(2.45f * UnitsPerMetre)}),
             ForestWindow(BackWallRect(room, 330, 380, 1.0f, 1.9f), true)});
  Bed(c, room, -160, 0.62f, 50, 0.3f, Wooden(0.45f, 423), Painted(GreyRamp, 0.7f), Painted(RedRamp, 0.5f, Blush));
  Table(c, room, 100, 0.9f, 16, 0.06f, 0.6f * UnitsPerMetre, Wooden(0.45f, 425));
  Vignette(c, 0.55f);
  return c;
}

// ---- Inside the closet --------------------------------------------------------------

// The dark bedroom seen between the slats. view 0: the door ajar; 1: the door
// open and something tall standing in it; 2: the door open, nothing there but
// a long shadow across the floor.
Canvas PaintClosetView(int view) {
  Canvas c(ScreenWidth, ScreenHeight);
  Room room;
  room.cx = 100;
  room.cy = 70;
  room.left = 30;
  room.right = 170;
  room.top = 20;
  room.bottom = 118;
  RoomLook look = CabinLook(431);
  look.ambient = 0.55f;
  look.lights.push_back({{-45, 60, 1}, 0.35f, 60});  // moonlight through the window
  const float doorOpen = view == 0 ? 0.25f : 1.0f;
  const SurfaceRect door{Surface::BackWall, 15, 45, room.FloorY(), room.FloorY() + 76};
  PaintRoom(c, room, look,
            {{door, [doorOpen](float s, float t, int x, int y) {
                if (s < 0.08f || s > 0.92f || t > 0.96f) return RampAt(WoodRamp, 0.2f, x, y);
                if ((s - 0.08f) / 0.84f > 1 - doorOpen) return RampAt(SkyRamp, 0.25f + 0.15f * t, x, y);
                return RampAt(WoodRamp, 0.3f, x, y);
              }},
             ForestWindow(BackWallRect(room, 45, 75, 0.45f, 1.2f), true)});
  // The bed with its covers thrown back, in the moonlight.
  Bed(c, room, -85, 0.55f, 45, 0.35f, Wooden(0.3f, 433), Painted(GreyRamp, 0.55f), Painted(RedRamp, 0.4f, Red));
  if (view == 1) DarkFigure(c, 130, room.cy - room.FloorY(), 78, 0.05f, 77);
  if (view == 2) {
    // The shadow of whatever stands just out of sight falls long across the floor.
    FillPolygon(c, {{122, 118}, {138, 118}, {150, 150}, {104, 150}}, [](int x, int y) { return Bayer(x, y) < 0.7f ? Ink : Clear; });
  }
  Vignette(c, 0.4f);
  // The slats: dark boards across the view with gaps to look through.
  for (int y = 0; y < c.Height(); ++y) {
    const int phase = (y + 3) % 10;
    for (int x = 0; x < c.Width(); ++x) {
      if (phase < 3) c.Set(x, y, RampAt(WoodRamp, 0.08f + 0.05f * phase, x, y));
      else if (phase == 3) c.Set(x, y, RampAt(WoodRamp, 0.28f, x, y));
    }
  }
  FillRect(c, 0, 0, 8, 150, WoodDeep);
  FillRect(c, 192, 0, 200, 150, WoodDeep);
  return c;
}

Canvas PaintClosetInside() {
  return JoinFrames({PaintClosetView(0), PaintClosetView(1), PaintClosetView(2)});
}

}  // namespace

void AddCabinBedroomPictures(Painters& p) {
  p[CabinBedRoomTexture] = PaintCabinBedRoom;
  p[CabinBedTexture] = PaintCabinBed;
  p[CabinClosetTexture] = PaintCabinCloset;
  p[ClosetInsideTexture] = PaintClosetInside;
}

}  // namespace art
