#include "CabinParts.h"

#include <cmath>

namespace art {

RoomLook CabinLook(std::uint32_t seed) {
  RoomLook look;
  look.wall = WoodRamp;
  look.wallValue = 0.62f;
  look.wallFinish = WallFinish::Logs;
  look.floor = WoodRamp;
  look.floorValue = 0.5f;
  look.floorFinish = FloorFinish::Planks;
  look.ceiling = WoodRamp;
  look.ceilingValue = 0.42f;
  look.ambient = 0.86f;
  look.seed = seed;
  return look;
}

void PaintRoom(Canvas& c, const Room& room, const RoomLook& look, const std::vector<Decal>& decals) {
  room.Paint(c, [&](const Hit& h) {
    for (const Decal& d : decals) {
      float s, t;
      if (d.rect.Contains(h, &s, &t)) {
        const Color col = d.paint(s, t, h.x, h.y);
        if (col != Clear) return col;
      }
    }
    Color col = SurfaceColor(room, look, h);
    // Ceiling beams across the room.
    if (h.surface == Surface::Ceiling && std::fmod(h.p.z * 160 + 1000, 40.0f) < 5) col = Darker(col);
    return col;
  });
}

Decal PlankDoor(const SurfaceRect& rect, float open, bool outside) {
  return {rect, [open, outside](float s, float t, int x, int y) {
            const float frame = 0.08f;
            if (s < frame || s > 1 - frame || t > 0.95f) return RampAt(WoodRamp, 0.3f, x, y);
            const float ds = (s - frame) / (1 - 2 * frame);
            if (open > 0 && ds > 1 - open) {
              if (!outside) return RampAt(GreyRamp, 0.05f + 0.05f * t, x, y);
              // The dark outside: the porch, the clearing, tree crowns against the sky.
              if (t < 0.12f) return RampAt(WoodRamp, 0.22f, x, y);
              if (t < 0.3f) return RampAt(ForestRamp, 0.18f, x, y);
              const float crown = 0.55f + 0.2f * Hash(static_cast<int>(ds * 9), 1, 43) * (1 - std::fabs(std::fmod(ds * 9, 1.0f) - 0.5f) * 2);
              return t < crown ? Ink : RampAt(SkyRamp, 0.12f + 0.2f * t, x, y);
            }
            const float plank = std::fmod(ds * 4, 1.0f);
            float v = 0.5f + 0.06f * Hash(static_cast<int>(ds * 4), 0, 3);
            if (plank < 0.1f) v = 0.28f;
            if (std::fabs(t - 0.25f) < 0.03f || std::fabs(t - 0.75f) < 0.03f) v = 0.36f;  // cross battens
            if (ds > 0.8f && ds < 0.9f && std::fabs(t - 0.47f) < 0.025f) return RampAt(GreyRamp, 0.7f, x, y);
            return RampAt(WoodRamp, v, x, y);
          }};
}

Decal FrontDoor(const SurfaceRect& rect, float open) {
  Decal plank = PlankDoor(rect, open, true);
  return {rect, [plank, open](float s, float t, int x, int y) {
            if (open <= 0 && s > 0.32f && s < 0.68f && t > 0.68f && t < 0.86f) {
              if (std::fabs(s - 0.5f) < 0.02f || std::fabs(t - 0.77f) < 0.012f) return RampAt(WoodRamp, 0.3f, x, y);
              return RampAt(SkyRamp, 0.3f + 0.4f * (t - 0.68f) / 0.18f, x, y);
            }
            return plank.paint(s, t, x, y);
          }};
}

Decal ForestWindow(const SurfaceRect& rect, bool night) {
  return {rect, [night](float s, float t, int x, int y) {
            const Color frame = RampAt(WoodRamp, 0.3f, x, y);
            if (s < 0.1f || s > 0.9f || t < 0.1f || t > 0.9f) return frame;
            if (std::fabs(s - 0.5f) < 0.04f || std::fabs(t - 0.5f) < 0.04f) return frame;
            const float k = std::floor(s * 7), f = s * 7 - k;
            const float crown = 0.25f + (0.25f + 0.3f * Hash(static_cast<int>(k), 0, 41)) * (1 - std::fabs(f - 0.5f) * 2);
            if (night) return t < crown ? NightDeep : RampAt(SkyRamp, 0.15f + 0.15f * t, x, y);
            return t < crown ? RampAt(ForestRamp, 0.35f, x, y) : RampAt(ForestRamp, 0.75f + 0.25f * t, x, y);
          }};
}

SurfaceRect BackWallRect(const Room& room, float column0, float column1, float bottom, float top) {
  return {Surface::BackWall, room.BackX(column0), room.BackX(column1), room.Height(bottom * UnitsPerMetre),
          room.Height(top * UnitsPerMetre)};
}

void WallPhone(Canvas& c, const Room& room, float column0, float column1, bool gone) {
  const float x0 = room.BackX(column0), x1 = room.BackX(column1);
  const float y0 = room.Height(1.1f * UnitsPerMetre), y1 = room.Height(1.7f * UnitsPerMetre);
  const float z = 0.995f;
  const float w = x1 - x0, h = y1 - y0;
  if (gone) {
    // A paler patch of wall where it hung, four screw holes, the cord torn off.
    DrawFacing(c, room, x0 + w * 0.2f, y0 + h * 0.1f, x1 - w * 0.1f, y1 - h * 0.05f, z, [](float u, float v, int x, int y) {
      const bool hole = (std::fabs(u - 0.15f) < 0.08f || std::fabs(u - 0.85f) < 0.08f) && (std::fabs(v - 0.15f) < 0.05f || std::fabs(v - 0.85f) < 0.05f);
      return hole ? Ink : RampAt(WoodRamp, 0.72f, x, y);
    });
    const Point a = room.Project({x0 + w * 0.3f, y0 + h * 0.1f, z});
    for (int k = 0; k < 14; ++k)
      c.Set(static_cast<int>(a.x + std::sin(k * 1.3f) * 1.2f), static_cast<int>(a.y + k), k < 10 ? Ink : NightDeep);
    c.Set(static_cast<int>(a.x + 1), static_cast<int>(a.y + 14), Red);
    return;
  }
  // The body with its dial.
  DrawFacing(c, room, x0 + w * 0.25f, y0, x1, y1, z, [](float u, float v, int x, int y) {
    if (u < 0.06f || u > 0.94f || v < 0.05f || v > 0.95f) return RampAt(WoodRamp, 0.55f, x, y);
    const float du = (u - 0.55f) / 0.32f, dv = (v - 0.55f) / 0.22f;
    const float r = du * du + dv * dv;
    if (r < 1 && r > 0.2f) return Hash(static_cast<int>(std::atan2(dv, du) * 3), 0, 5) > 0.5f ? Tan : Sand;
    if (r <= 0.2f) return RampAt(GreyRamp, 0.8f, x, y);
    return RampAt(WoodRamp, 0.82f - 0.2f * (1 - v), x, y);
  });
  // The handset hanging on its hook at the left side.
  DrawFacing(c, room, x0, y0 - h * 0.1f, x0 + w * 0.25f, y1 + h * 0.05f, z - 0.003f, [](float u, float v, int x, int y) {
    if ((v < 0.2f || v > 0.8f) || (u > 0.3f && u < 0.7f)) return RampAt(WoodRamp, v < 0.2f || v > 0.8f ? 0.62f : 0.7f, x, y);
    return Clear;
  });
  // The coiled cord hanging below.
  const Point a = room.Project({x0 + w * 0.12f, y0 - h * 0.1f, z - 0.003f});
  const Point b = room.Project({x0 + w * 0.5f, y0, z});
  for (int k = 0; k < 28; ++k) {
    const float t = k / 27.0f;
    const float sag = std::sin(t * 3.14159f) * 9;
    c.Set(static_cast<int>(a.x + (b.x - a.x) * t + std::sin(k * 1.9f)), static_cast<int>(a.y + (b.y - a.y) * t + sag), WoodDeep);
  }
}

void Glow(Canvas& c, float x, float y, float r, float strength, Color warm) {
  for (int py = static_cast<int>(y - r); py <= static_cast<int>(y + r); ++py)
    for (int px = static_cast<int>(x - r); px <= static_cast<int>(x + r); ++px) {
      if (!c.Inside(px, py)) continue;
      const float d = std::hypot(px + 0.5f - x, py + 0.5f - y) / r;
      if (d >= 1) continue;
      const float t = strength * (1 - d) * (1 - d);
      if (t > Bayer(px, py)) c.Set(px, py, Mix(c.Get(px, py), warm, 0.5f, px, py + 1));
    }
}

void TableLamp(Canvas& c, const Room& room, float x, float y, float z, float glow) {
  const Point base = room.Project({x, y, z});
  const float s = 1.0f / (z - room.eyeZ);
  FillRect(c, static_cast<int>(base.x - 1), static_cast<int>(base.y - 9 * s), static_cast<int>(base.x + 1), static_cast<int>(base.y), WoodDeep);
  FillPolygon(c, {{base.x - 4 * s, base.y - 9 * s}, {base.x - 2.5f * s, base.y - 15 * s}, {base.x + 2.5f * s, base.y - 15 * s}, {base.x + 4 * s, base.y - 9 * s}},
              [glow](int px, int py) { return RampAt(FireRamp, 0.25f + 0.3f * glow + 0.05f * (py % 2), px, py); });
  Glow(c, base.x, base.y - 12 * s, 46 * s * (0.4f + 0.6f * glow), 0.9f * glow);
}

void DarkFigure(Canvas& c, float x, float baseY, float height, float lean, std::uint32_t seed, bool holdsPhone) {
  const float h = height, w = h * 0.09f;
  const float headY = baseY - h, neckY = baseY - h * 0.86f, hipY = baseY - h * 0.45f;
  const float top = x + lean * h * 0.25f;
  auto shade = [seed](int px, int py) { return Hash(px, py, seed) > 0.93f ? NightDeep : Ink; };
  // Long legs, one mid-stride when leaning.
  Line(c, x + lean * h * 0.1f, hipY, x - w - lean * h * 0.15f, baseY, Ink, std::max(1.0f, w * 0.6f));
  Line(c, x + lean * h * 0.1f, hipY, x + w + lean * h * 0.2f, baseY - lean * h * 0.05f, Ink, std::max(1.0f, w * 0.6f));
  // A narrow body, hunched.
  FillPolygon(c, {{x - w, hipY}, {top - w * 1.1f, neckY}, {top + w * 1.2f, neckY}, {x + w, hipY}}, shade);
  // Arms far too long, reaching below the knees.
  Line(c, top - w, neckY + h * 0.03f, x - w * 2.5f + lean * h * 0.2f, baseY - h * 0.12f, Ink, std::max(1.0f, w * 0.45f));
  const Point hand{x + w * 2.2f + lean * h * 0.3f, baseY - h * (holdsPhone ? 0.4f : 0.15f)};
  Line(c, top + w, neckY + h * 0.03f, hand.x, hand.y, Ink, std::max(1.0f, w * 0.45f));
  for (int k = -1; k <= 1; ++k) Line(c, hand.x, hand.y, hand.x + k * w * 0.4f, hand.y + w * 1.5f, Ink);  // fingers
  // A small head on a long neck, tilted.
  FillEllipse(c, top + w * 0.3f, headY + h * 0.06f, w * 1.1f, h * 0.07f, shade);
  // The faintest glint where eyes would be.
  c.Set(static_cast<int>(top + w * 0.6f), static_cast<int>(headY + h * 0.055f), NightDeep);
  if (holdsPhone) {
    FillRect(c, static_cast<int>(hand.x - w), static_cast<int>(hand.y - w * 0.5f), static_cast<int>(hand.x + w * 1.2f),
             static_cast<int>(hand.y + w * 0.9f), Tan);
    Line(c, hand.x, hand.y + w, hand.x - w * 3, hand.y + w * 4, WoodDeep);
  }
}

}  // namespace art
