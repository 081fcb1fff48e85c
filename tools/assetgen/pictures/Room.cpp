#include "Room.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace art {

float Hit::u() const {
  switch (surface) {
    case Surface::BackWall: return p.x;
    case Surface::LeftWall:
    case Surface::RightWall: return p.z;
    default: return p.x;
  }
}

float Hit::v() const {
  switch (surface) {
    case Surface::Floor:
    case Surface::Ceiling: return p.z;
    default: return p.y;
  }
}

Hit Room::Cast(int x, int y) const {
  const float dx = x + 0.5f - cx, dy = cy - (y + 0.5f);
  float best = 1.0f - eyeZ;  // distance along the view, from the eye
  Surface surface = Surface::BackWall;
  auto consider = [&](float z, Surface s) {
    if (z > 0 && z < best) {
      best = z;
      surface = s;
    }
  };
  if (dx < 0) consider(WallLeftX() / dx, Surface::LeftWall);
  if (dx > 0) consider(WallRightX() / dx, Surface::RightWall);
  if (dy < 0) consider(FloorY() / dy, Surface::Floor);
  if (dy > 0) consider(CeilingY() / dy, Surface::Ceiling);
  return Hit{surface, {dx * best, dy * best, best + eyeZ}, x, y};
}

void Room::Paint(Canvas& c, const std::function<Color(const Hit&)>& shader) const {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      const Color color = shader(Cast(x, y));
      if (color != Clear) c.Set(x, y, color);
    }
}

namespace {

Color FaceColor(const BoxStyle& style, float value, int x, int y, float gu) {
  if (style.grain > 0) value += (Fbm(gu * 0.6f, y * 0.15f, style.seed, 3) - 0.5f) * style.grain;
  return RampAt(style.ramp, value, x, y);
}

}  // namespace

void DrawBox(Canvas& c, const Room& room, Vec3 lo, Vec3 hi, const BoxStyle& style) {
  auto P = [&](float x, float y, float z) { return room.Project({x, y, z}); };
  // Side faces first, the front face last; a face is seen when the eye is on its outer side.
  if (lo.x > 0) {
    FillPolygon(c, {P(lo.x, lo.y, lo.z), P(lo.x, hi.y, lo.z), P(lo.x, hi.y, hi.z), P(lo.x, lo.y, hi.z)},
                [&](int x, int y) { return FaceColor(style, style.side, x, y, x * 0.2f); });
  }
  if (hi.x < 0) {
    FillPolygon(c, {P(hi.x, lo.y, lo.z), P(hi.x, hi.y, lo.z), P(hi.x, hi.y, hi.z), P(hi.x, lo.y, hi.z)},
                [&](int x, int y) { return FaceColor(style, style.side, x, y, x * 0.2f); });
  }
  if (hi.y < 0) {
    FillPolygon(c, {P(lo.x, hi.y, lo.z), P(hi.x, hi.y, lo.z), P(hi.x, hi.y, hi.z), P(lo.x, hi.y, hi.z)},
                [&](int x, int y) { return FaceColor(style, style.top, x, y, static_cast<float>(x)); });
  }
  if (lo.y > 0) {
    FillPolygon(c, {P(lo.x, lo.y, lo.z), P(hi.x, lo.y, lo.z), P(hi.x, lo.y, hi.z), P(lo.x, lo.y, hi.z)},
                [&](int x, int y) { return FaceColor(style, style.side * 0.7f, x, y, static_cast<float>(x)); });
  }
  const Point a = P(lo.x, hi.y, lo.z), b = P(hi.x, lo.y, lo.z);
  FillPolygon(c, {a, {b.x, a.y}, b, {a.x, b.y}},
              [&](int x, int y) { return FaceColor(style, style.front, x, y, static_cast<float>(x)); });
  if (style.edge != Clear) {
    const int y = static_cast<int>(std::floor(a.y + 0.5f));
    for (int x = static_cast<int>(std::ceil(a.x - 0.5f)); x <= static_cast<int>(std::floor(b.x - 0.5f)); ++x)
      c.Set(x, y, style.edge);
  }
}

void DrawFacing(Canvas& c, const Room& room, float x0, float y0, float x1, float y1, float z,
                const std::function<Color(float u, float v, int px, int py)>& shader) {
  const Point a = room.Project({x0, y1, z}), b = room.Project({x1, y0, z});
  const float w = std::max(1e-3f, b.x - a.x), h = std::max(1e-3f, b.y - a.y);
  FillPolygon(c, {a, {b.x, a.y}, b, {a.x, b.y}}, [&](int x, int y) {
    return shader((x + 0.5f - a.x) / w, 1.0f - (y + 0.5f - a.y) / h, x, y);
  });
}

bool SurfaceRect::Contains(const Hit& h, float* s, float* t) const {
  if (h.surface != surface) return false;
  const float u = h.u(), v = h.v();
  const float ulo = std::min(u0, u1), uhi = std::max(u0, u1);
  if (u < ulo || u > uhi || v < v0 || v > v1) return false;
  if (s) *s = (u - u0) / (u1 - u0);
  if (t) *t = (v - v0) / (v1 - v0);
  return true;
}

SurfaceRect DoorRect(const Room& room, float column0, float column1, float height) {
  const float y0 = room.FloorY(), y1 = room.FloorY() + height;
  if (column0 >= room.left - 0.5f && column1 <= room.right + 0.5f)
    return {Surface::BackWall, room.BackX(column0), room.BackX(column1), y0, y1};
  if (column1 <= room.left + 0.5f)  // left wall: near edge at column0, depth grows toward column1
    return {Surface::LeftWall, room.LeftWallZ(column0), room.LeftWallZ(std::min(column1, room.left - 0.01f)), y0, y1};
  return {Surface::RightWall, room.RightWallZ(column0 < room.right ? room.right + 0.01f : column0),
          room.RightWallZ(column1), y0, y1};
}

Color DoorColor(float s, float t, int x, int y, Ramp wood, float light, float open) {
  // s runs across the door, t from the floor (0) to the lintel (1).
  const float frame = 0.09f;
  if (s < frame || s > 1 - frame || t > 1 - frame * 0.6f) return RampAt(wood, light * 0.55f + 0.1f, x, y);
  const float ds = (s - frame) / (1 - 2 * frame), dt = t / (1 - frame * 0.6f);
  if (open > 0 && ds > 1 - open) return RampAt(wood, 0.02f, x, y);  // the dark gap of an open door
  const bool knob = ds > 0.78f && ds < 0.9f && dt > 0.44f && dt < 0.5f;
  if (knob) return RampAt(FireRamp, 0.25f + light * 0.3f, x, y);
  const bool panel = (ds > 0.18f && ds < 0.82f) &&
                     ((dt > 0.1f && dt < 0.42f) || (dt > 0.55f && dt < 0.88f));
  float v = light * 0.7f + 0.15f;
  if (panel) v -= 0.08f;
  v += (Hash(static_cast<int>(ds * 10), 0, 7) - 0.5f) * 0.04f;
  return RampAt(wood, v, x, y);
}

}  // namespace art
