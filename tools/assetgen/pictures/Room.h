#pragma once
// Rooms in one-point perspective. A room is given by where its back wall
// appears in the picture and where the eye's vanishing point is; its floor,
// ceiling and side walls run out from the back wall's edges to the picture's
// edges. Space is measured in art pixels at the back wall's depth (z = 1):
// a point (x, y, z) is seen at column cx + x / z and row cy - y / z.

#include <functional>

#include "Canvas.h"

namespace art {

struct Vec3 {
  float x = 0;
  float y = 0;
  float z = 1;
};

enum class Surface { Floor, Ceiling, LeftWall, RightWall, BackWall };

// What a pixel of the room sees.
struct Hit {
  Surface surface;
  Vec3 p;    // the point seen
  int x, y;  // the pixel
  // The point in the surface's own two coordinates: (x, y) on the back wall,
  // (z, y) on the side walls, (x, z) on the floor and ceiling.
  float u() const;
  float v() const;
};

struct Room {
  float cx = 250, cy = 125;  // vanishing point
  float left = 130, right = 370, top = 80, bottom = 175;  // the back wall's edges in the picture
  float eyeZ = 0;  // how far the eye has stepped toward the back wall (the edges above are seen from 0)

  float WallLeftX() const { return left - cx; }
  float WallRightX() const { return right - cx; }
  float FloorY() const { return cy - bottom; }
  float CeilingY() const { return cy - top; }

  Point Project(Vec3 p) const { return {cx + p.x / (p.z - eyeZ), cy - p.y / (p.z - eyeZ)}; }
  Hit Cast(int x, int y) const;
  // Paints every pixel of the canvas with the shader's colour for what it sees.
  void Paint(Canvas& c, const std::function<Color(const Hit&)>& shader) const;

  // Where a picture column falls on the back wall (x) and on the side walls (depth).
  float BackX(float column) const { return (column - cx) * (1 - eyeZ); }
  float LeftWallZ(float column) const { return eyeZ + WallLeftX() / (column - cx); }
  float RightWallZ(float column) const { return eyeZ + WallRightX() / (column - cx); }
  // The height above the floor of a point on the floor-relative scale used by
  // furniture: y = FloorY() + height.
  float Height(float h) const { return FloorY() + h; }
};

// A shaded box (furniture): its faces are lit from above and the front, the
// top-front edge catches a highlight.
struct BoxStyle {
  Ramp ramp;
  float front = 0.5f;  // value of the front face along the ramp
  float side = 0.3f;
  float top = 0.7f;
  Color edge = Clear;  // highlight along the top front edge
  float grain = 0.0f;  // strength of a wood-grain noise
  std::uint32_t seed = 1;
};

void DrawBox(Canvas& c, const Room& room, Vec3 min, Vec3 max, const BoxStyle& style);
// A flat rectangle facing the viewer at depth z (x0..x1, y0..y1), shaded per pixel.
void DrawFacing(Canvas& c, const Room& room, float x0, float y0, float x1, float y1, float z,
                const std::function<Color(float u, float v, int px, int py)>& shader);

// A rectangle on a surface, in that surface's (u, v) coordinates; `Contains`
// also gives the position inside it, 0..1 each way (v = 0 at the bottom or near).
struct SurfaceRect {
  Surface surface;
  float u0, u1, v0, v1;
  bool Contains(const Hit& h, float* s = nullptr, float* t = nullptr) const;
};

// A door in a wall spanning picture columns [column0, column1]: on the back
// wall when both columns fall on it, else on the side wall they fall on.
SurfaceRect DoorRect(const Room& room, float column0, float column1, float height);
// Paints a wooden door with frame, panels and knob at (s, t) inside it; open
// 0..1 shows a dark gap.
Color DoorColor(float s, float t, int x, int y, Ramp wood, float light, float open = 0);

}  // namespace art
