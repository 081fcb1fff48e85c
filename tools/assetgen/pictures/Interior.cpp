#include "Interior.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace art {

Room StandingRoom(float eye, float horizon) {
  Room r;
  r.cx = 250;
  r.cy = horizon;
  r.left = 95;
  r.right = 405;
  r.bottom = horizon + eye * UnitsPerMetre;
  r.top = r.bottom - 2.9f * UnitsPerMetre;
  return r;
}

float LightAt(const RoomLook& look, const Vec3& p) {
  float light = look.ambient;
  for (const Light& l : look.lights) {
    const float dx = p.x - l.at.x, dy = p.y - l.at.y, dz = (p.z - l.at.z) * 160.0f;
    const float d2 = (dx * dx + dy * dy + dz * dz) / (l.reach * l.reach);
    light += l.strength / (1 + d2);
  }
  return light;
}

namespace {

float WallPattern(const RoomLook& look, float u, float v, int x, int y) {
  switch (look.wallFinish) {
    case WallFinish::Plain: return (Fbm(u * 0.05f, v * 0.05f, look.seed, 2) - 0.5f) * 0.06f;
    case WallFinish::Stripes: return (std::fmod(std::fabs(u) + 1000, 14.0f) < 7 ? 0.035f : -0.02f);
    case WallFinish::Planks: {
      const float w = 12;
      const float k = std::floor((u + 1000) / w), f = (u + 1000) / w - k;
      if (f < 0.08f) return -0.28f;
      return (Hash(static_cast<int>(k), 3, look.seed) - 0.5f) * 0.12f + (Fbm(u * 0.2f, v * 0.02f, look.seed, 2) - 0.5f) * 0.1f;
    }
    case WallFinish::Logs: {
      const float h = 9;
      const float k = std::floor((v + 1000) / h), f = (v + 1000) / h - k;
      const float round = std::cos((f - 0.5f) * 3.1416f);
      if (f < 0.07f) return -0.4f;
      return (round - 0.7f) * 0.25f + (Hash(static_cast<int>(k), 5, look.seed) - 0.5f) * 0.1f +
             (Fbm(u * 0.08f, v * 0.5f, look.seed + 3, 2) - 0.5f) * 0.12f;
    }
    case WallFinish::Tiles: {
      const float s = 8;
      const float fu = std::fmod(std::fabs(u) + 1000, s) / s, fv = std::fmod(v + 1000, s) / s;
      if (fu < 0.13f || fv < 0.13f) return -0.07f;
      return (Hash(static_cast<int>(std::floor(u / s)), static_cast<int>(std::floor(v / s)), look.seed) - 0.5f) * 0.05f;
    }
  }
  (void)x;
  (void)y;
  return 0;
}

float FloorPattern(const RoomLook& look, float u, float z) {
  switch (look.floorFinish) {
    case FloorFinish::Planks: {
      const float w = 14;
      const float k = std::floor((u + 1000) / w), f = (u + 1000) / w - k;
      if (f < 0.07f) return -0.3f;
      const float along = z * 10 + Hash(static_cast<int>(k), 9, look.seed) * 7;
      if (std::fmod(along, 7.0f) < 0.12f) return -0.25f;  // plank ends
      return (Hash(static_cast<int>(k), 1, look.seed) - 0.5f) * 0.14f + (Fbm(u * 0.15f, z * 6, look.seed, 2) - 0.5f) * 0.12f;
    }
    case FloorFinish::Tiles: {
      const float s = 18;
      const float fu = std::fmod(u + 1000, s) / s, fz = std::fmod(z * 160 + 1000, s) / s;
      if (fu < 0.06f || fz < 0.06f) return -0.12f;
      return ((static_cast<int>(std::floor((u + 1000) / s)) + static_cast<int>(std::floor((z * 160 + 1000) / s))) & 1) ? 0.06f : -0.04f;
    }
    case FloorFinish::Rug: return (Fbm(u * 0.3f, z * 20, look.seed, 3) - 0.5f) * 0.2f;
  }
  return 0;
}

}  // namespace

Color SurfaceColor(const Room& room, const RoomLook& look, const Hit& h) {
  const float light = LightAt(look, h.p);
  float v = 0;
  Ramp ramp = look.wall;
  switch (h.surface) {
    case Surface::Floor:
      ramp = look.floor;
      v = look.floorValue + FloorPattern(look, h.p.x, h.p.z);
      break;
    case Surface::Ceiling:
      ramp = look.ceiling;
      v = look.ceilingValue + (look.wallFinish == WallFinish::Logs ? WallPattern(look, h.p.x, h.p.z * 40, h.x, h.y) * 0.5f : 0);
      break;
    default: {
      v = look.wallValue + WallPattern(look, h.u() * (h.surface == Surface::BackWall ? 1 : 160), h.v(), h.x, h.y);
      // A skirting board and a darker line where the wall meets the ceiling.
      const float above = h.p.y - room.FloorY();
      if (above < 4) v = look.wallValue * 0.55f;
      if (room.CeilingY() - h.p.y < 1.5f) v -= 0.1f;
      // Corners gather shadow.
      if (h.surface == Surface::BackWall) {
        const float edge = std::min(h.p.x - room.WallLeftX(), room.WallRightX() - h.p.x);
        if (edge < 6) v -= (6 - edge) * 0.02f;
      }
      break;
    }
  }
  return RampAt(ramp, v * light, h.x, h.y);
}

Color WindowColor(float s, float t, int x, int y, Ramp frame, float frameValue, Ramp sky, float skyLow,
                  float skyHigh, bool trees) {
  const float border = 0.08f;
  if (s < border || s > 1 - border || t < border || t > 1 - border) return RampAt(frame, frameValue, x, y);
  if (std::fabs(s - 0.5f) < border * 0.45f || std::fabs(t - 0.55f) < border * 0.45f)
    return RampAt(frame, frameValue * 0.9f, x, y);
  if (trees) {
    // A line of pointed crowns outside.
    const float cell = s * 11, k = std::floor(cell), f = cell - k;
    const float h = 0.18f + 0.22f * Hash(static_cast<int>(k), 0, 31);
    const float crown = 0.2f + h * (1 - std::fabs(f - 0.5f) * 2);
    if (t < crown) return RampAt(sky, skyLow * 0.3f, x, y);
  }
  return RampAt(sky, skyLow + (skyHigh - skyLow) * t, x, y);
}

void Table(Canvas& c, const Room& r, float x, float z, float w, float d, float h, const BoxStyle& s) {
  const float floorY = r.FloorY(), top = floorY + h, leg = 2.2f, slab = 2.5f;
  const float zs[2] = {z + d - 0.02f, z + 0.004f};
  for (float lz : zs) {
    DrawBox(c, r, {x + 1, floorY, lz}, {x + 1 + leg, top - slab, lz + 0.02f}, s);
    DrawBox(c, r, {x + w - 1 - leg, floorY, lz}, {x + w - 1, top - slab, lz + 0.02f}, s);
  }
  DrawBox(c, r, {x, top - slab, z}, {x + w, top, z + d}, s);
}

void Chair(Canvas& c, const Room& r, float x, float z, float w, const BoxStyle& s, bool backFar) {
  const float floorY = r.FloorY(), seat = floorY + 0.45f * UnitsPerMetre, d = w / 160.0f;
  if (backFar) DrawBox(c, r, {x, seat, z + d - 0.008f}, {x + w, seat + 0.5f * UnitsPerMetre, z + d}, s);
  Table(c, r, x, z, w, d, 0.45f * UnitsPerMetre, s);
  if (!backFar) DrawBox(c, r, {x, seat, z}, {x + w, seat + 0.5f * UnitsPerMetre, z + 0.008f}, s);
}

void Sofa(Canvas& c, const Room& r, float x, float z, float w, float d, const BoxStyle& s, bool facingAway) {
  const float floorY = r.FloorY(), seat = floorY + 0.45f * UnitsPerMetre, back = floorY + 0.9f * UnitsPerMetre;
  const float arm = w * 0.1f;
  BoxStyle dark = s;
  dark.front -= 0.1f;
  if (facingAway) {  // seen from behind: the seat beyond, the high back nearest
    DrawBox(c, r, {x + arm, floorY, z + d * 0.3f}, {x + w - arm, seat + 3, z + d}, s);
    DrawBox(c, r, {x, floorY, z}, {x + arm, floorY + 0.65f * UnitsPerMetre, z + d}, dark);
    DrawBox(c, r, {x + w - arm, floorY, z}, {x + w, floorY + 0.65f * UnitsPerMetre, z + d}, dark);
    DrawBox(c, r, {x, floorY, z}, {x + w, back, z + d * 0.3f}, dark);
    return;
  }
  DrawBox(c, r, {x, floorY, z + d * 0.7f}, {x + w, back, z + d}, dark);
  DrawBox(c, r, {x + arm, floorY, z}, {x + w - arm, seat, z + d * 0.7f}, s);
  const float cushion = (w - 2 * arm) / 2;
  for (int k = 0; k < 2; ++k)
    DrawBox(c, r, {x + arm + cushion * k + 0.5f, seat, z + 0.01f}, {x + arm + cushion * (k + 1) - 0.5f, seat + 3, z + d * 0.68f}, s);
  DrawBox(c, r, {x, floorY, z}, {x + arm, floorY + 0.65f * UnitsPerMetre, z + d}, dark);
  DrawBox(c, r, {x + w - arm, floorY, z}, {x + w, floorY + 0.65f * UnitsPerMetre, z + d}, dark);
}

void SofaSide(Canvas& c, const Room& r, float x, float z0, float z1, float d, const BoxStyle& s, bool seatTowardLeft) {
  const float floorY = r.FloorY(), seat = floorY + 0.45f * UnitsPerMetre, back = floorY + 0.9f * UnitsPerMetre;
  const float arm = (z1 - z0) * 0.12f;
  BoxStyle dark = s;
  dark.front -= 0.1f;
  dark.side -= 0.05f;
  const float backX0 = seatTowardLeft ? x + d * 0.72f : x, backX1 = seatTowardLeft ? x + d : x + d * 0.28f;
  const float seatX0 = seatTowardLeft ? x : x + d * 0.28f, seatX1 = seatTowardLeft ? x + d * 0.72f : x + d;
  DrawBox(c, r, {x, floorY, z1 - arm}, {x + d, floorY + 0.65f * UnitsPerMetre, z1}, dark);  // far arm
  DrawBox(c, r, {backX0, floorY, z0}, {backX1, back, z1}, dark);
  DrawBox(c, r, {seatX0, floorY, z0 + arm}, {seatX1, seat, z1 - arm}, s);
  const float mid = (z0 + z1) / 2;
  DrawBox(c, r, {seatX0, seat, mid + 0.004f}, {seatX1, seat + 3, z1 - arm}, s);
  DrawBox(c, r, {seatX0, seat, z0 + arm}, {seatX1, seat + 3, mid - 0.004f}, s);
  DrawBox(c, r, {x, floorY, z0}, {x + d, floorY + 0.65f * UnitsPerMetre, z0 + arm}, dark);  // near arm
}

void Bed(Canvas& c, const Room& r, float x, float z, float w, float d, const BoxStyle& frame, const BoxStyle& sheet,
         const BoxStyle& blanket) {
  const float floorY = r.FloorY();
  DrawBox(c, r, {x, floorY, z + d - 0.03f}, {x + w, floorY + 1.0f * UnitsPerMetre, z + d}, frame);  // headboard
  DrawBox(c, r, {x, floorY, z}, {x + w, floorY + 0.35f * UnitsPerMetre, z + d - 0.03f}, frame);
  DrawBox(c, r, {x + 1, floorY + 0.35f * UnitsPerMetre, z + d * 0.2f}, {x + w - 1, floorY + 0.55f * UnitsPerMetre, z + d - 0.03f}, sheet);
  DrawBox(c, r, {x + w * 0.15f, floorY + 0.55f * UnitsPerMetre, z + d * 0.8f}, {x + w * 0.85f, floorY + 0.68f * UnitsPerMetre, z + d - 0.04f}, sheet);
  DrawBox(c, r, {x - 1, floorY + 0.2f * UnitsPerMetre, z}, {x + w + 1, floorY + 0.6f * UnitsPerMetre, z + d * 0.72f}, blanket);
}

void Cabinet(Canvas& c, const Room& r, float x, float z, float w, float d, float h, const BoxStyle& s, int doors) {
  const float floorY = r.FloorY();
  DrawBox(c, r, {x, floorY, z}, {x + w, floorY + h, z + d}, s);
  // Door seams and handles on the front face.
  for (int k = 1; k < doors; ++k) {
    const Point a = r.Project({x + w * k / doors, floorY + h - 2, z}), b = r.Project({x + w * k / doors, floorY + 2, z});
    Line(c, a.x, a.y, b.x, b.y, Darker(RampAt(s.ramp, s.front, 0, 0), 2));
  }
  for (int k = 0; k < doors; ++k) {
    const float hx = x + w * (k + 0.5f) / doors + (k % 2 ? -w * 0.3f / doors : w * 0.3f / doors);
    const Point p = r.Project({hx, floorY + h * 0.78f, z});
    c.Set(static_cast<int>(p.x), static_cast<int>(p.y), Lighter(RampAt(s.ramp, s.top, 0, 0), 2));
  }
}

void Television(Canvas& c, const Room& r, float x, float z, float w, float h, float standH, const BoxStyle& s,
                const std::function<Color(float u, float v, int px, int py)>& screen) {
  const float floorY = r.FloorY();
  Cabinet(c, r, x - 2, z, w + 4, w / 220.0f, standH, s, 2);
  const float y0 = floorY + standH;
  BoxStyle body = s;
  body.ramp = GreyRamp;
  body.front = 0.22f;
  body.top = 0.3f;
  body.side = 0.15f;
  body.edge = Slate;
  DrawBox(c, r, {x + w * 0.15f, y0, z + 0.02f}, {x + w * 0.85f, y0 + h * 0.8f, z + w / 200.0f}, body);
  DrawBox(c, r, {x, y0, z}, {x + w, y0 + h, z + 0.02f}, body);
  const float inset = w * 0.1f;
  DrawFacing(c, r, x + inset, y0 + inset, x + w - inset * 1.6f, y0 + h - inset, z - 0.001f, screen);
}

void WallFrame(Canvas& c, const Room& r, float x0, float y0, float x1, float y1, Color frame,
               const std::function<Color(float u, float v, int px, int py)>& inside) {
  const float z = 1.0f - 0.002f;
  DrawFacing(c, r, x0, y0, x1, y1, z, [&](float, float, int, int) { return frame; });
  DrawFacing(c, r, x0 + 1.2f, y0 + 1.2f, x1 - 1.2f, y1 - 1.2f, z - 0.001f, inside);
}

bool InFloorRect(const Hit& h, float x0, float x1, float z0, float z1, float* s, float* t) {
  if (h.surface != Surface::Floor || h.p.x < x0 || h.p.x > x1 || h.p.z < z0 || h.p.z > z1) return false;
  if (s) *s = (h.p.x - x0) / (x1 - x0);
  if (t) *t = (h.p.z - z0) / (z1 - z0);
  return true;
}

Span ScreenRows(const Room& room, const SurfaceRect& rect) {
  auto row = [&](float y, float z) { return room.cy - y / (z - room.eyeZ); };
  if (rect.surface == Surface::BackWall) return {row(rect.v1, 1), row(rect.v0, 1)};
  const float zs[2] = {rect.u0, rect.u1};
  Span s{1e9f, -1e9f};
  for (float z : zs) {
    s.lo = std::min(s.lo, row(rect.v1, z));
    s.hi = std::max(s.hi, row(rect.v0, z));
  }
  return s;
}

SurfaceRect PlacedDoor(const Room& room, std::string_view thing, float height) {
  const Span columns = PlacedColumns(thing);
  const SurfaceRect rect = DoorRect(room, columns.lo, columns.hi, height);
  const Span rows = ScreenRows(room, rect), allowed = PlacedRows(thing);
  if (rows.lo < allowed.lo - 1 || rows.hi > allowed.hi + 1)
    throw std::logic_error("the " + std::string(thing) + " spills out of its rows: " + std::to_string(rows.lo) + ".." +
                           std::to_string(rows.hi));
  return rect;
}

BoxStyle Wooden(float value, std::uint32_t seed) {
  BoxStyle s;
  s.ramp = WoodRamp;
  s.front = value;
  s.side = value * 0.6f;
  s.top = value * 1.25f;
  s.edge = Lighter(RampAt(WoodRamp, value * 1.25f, 0, 0));
  s.grain = 0.18f;
  s.seed = seed;
  return s;
}

BoxStyle Painted(Ramp ramp, float value, Color edge) {
  BoxStyle s;
  s.ramp = ramp;
  s.front = value;
  s.side = value * 0.65f;
  s.top = value * 1.2f;
  s.edge = edge;
  return s;
}

}  // namespace art
