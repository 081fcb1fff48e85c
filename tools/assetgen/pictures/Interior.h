#pragma once
// What the rooms of the house and the cabin are made of: wall, floor and
// ceiling finishes lit by windows and lamps, windows, and furniture built
// from shaded boxes. Sizes are in the room's units (art pixels at the back
// wall); UnitsPerMetre gives the scale of the standard rooms.

#include <vector>

#include "Placements.h"
#include "Room.h"

namespace art {

inline constexpr float UnitsPerMetre = 35;

// The standard room seen standing: eye 1.6 m above the floor, ceiling at
// 2.9 m, the back wall across the middle three fifths of a 500-wide backdrop.
Room StandingRoom(float eye = 1.6f, float horizon = 120);

enum class WallFinish { Plain, Stripes, Logs, Tiles, Planks };
enum class FloorFinish { Planks, Tiles, Rug };

struct Light {
  Vec3 at;
  float strength = 1;
  float reach = 120;  // distance (units) at which it has fallen to half
};

struct RoomLook {
  Ramp wall = GreyRamp;
  float wallValue = 0.55f;
  WallFinish wallFinish = WallFinish::Plain;
  Ramp floor = WoodRamp;
  float floorValue = 0.45f;
  FloorFinish floorFinish = FloorFinish::Planks;
  Ramp ceiling = GreyRamp;
  float ceilingValue = 0.6f;
  float ambient = 0.55f;
  std::vector<Light> lights;
  std::uint32_t seed = 1;
};

// How much light reaches a point (ambient plus every light), about 0..1.5.
float LightAt(const RoomLook& look, const Vec3& p);
// The finish of the surface seen at a hit, lit.
Color SurfaceColor(const Room& room, const RoomLook& look, const Hit& h);

// A window seen at (s, t) inside its rectangle: frame, cross bars and the sky
// outside (a ramp from bottom to top, with a dark tree line).
Color WindowColor(float s, float t, int x, int y, Ramp frame, float frameValue, Ramp sky, float skyLow,
                  float skyHigh, bool trees = true);

// Furniture. Positions are the footprint's near left corner (x, z) and its
// size; heights are from the floor.
void Table(Canvas& c, const Room& r, float x, float z, float w, float d, float h, const BoxStyle& s);
void Chair(Canvas& c, const Room& r, float x, float z, float w, const BoxStyle& s, bool backFar = true);
void Sofa(Canvas& c, const Room& r, float x, float z, float w, float d, const BoxStyle& s, bool facingAway = false);
// A sofa seen from its side, standing along the depth between z0 and z1 with
// its seat toward the middle of the room (its back on the outer side).
void SofaSide(Canvas& c, const Room& r, float x, float z0, float z1, float d, const BoxStyle& s, bool seatTowardLeft);
void Bed(Canvas& c, const Room& r, float x, float z, float w, float d, const BoxStyle& frame,
         const BoxStyle& sheet, const BoxStyle& blanket);
void Cabinet(Canvas& c, const Room& r, float x, float z, float w, float d, float h, const BoxStyle& s,
             int doors = 2);
// An old television on a stand, its screen a shader over (u, v) 0..1.
void Television(Canvas& c, const Room& r, float x, float z, float w, float h, float standH, const BoxStyle& s,
                const std::function<Color(float u, float v, int px, int py)>& screen);
// A picture frame or any flat thing hanging on the back wall.
void WallFrame(Canvas& c, const Room& r, float x0, float y0, float x1, float y1, Color frame,
               const std::function<Color(float u, float v, int px, int py)>& inside);
// A rug on the floor (a shader over its 0..1 area).
bool InFloorRect(const Hit& h, float x0, float x1, float z0, float z1, float* s = nullptr, float* t = nullptr);

// Where a door of the standard height stands for a placed thing, and the
// rows it covers in the picture.
SurfaceRect PlacedDoor(const Room& room, std::string_view thing, float height = 2.05f * UnitsPerMetre);
Span ScreenRows(const Room& room, const SurfaceRect& rect);

// Style helpers.
BoxStyle Wooden(float value = 0.5f, std::uint32_t seed = 1);
BoxStyle Painted(Ramp ramp, float value, Color edge = Clear);

}  // namespace art
