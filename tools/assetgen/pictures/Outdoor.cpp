#include "Outdoor.h"

#include <algorithm>
#include <cmath>

namespace art {

void Tint(Canvas& c, int x, int y, Color toward, float t) {
  if (t > Bayer(x, y) && c.Get(x, y) != Clear) c.Set(x, y, toward);
}

Color Fogged(Ramp ramp, float v, float fog, int x, int y) {
  if (fog <= 0) return RampAt(ramp, v, x, y);
  if (ramp.data() == ForestRamp) return RampAt(ForestRamp, v + (1 - v) * fog, x, y);
  return Mix(RampAt(ramp, v, x, y), RampAt(ForestRamp, 0.45f + 0.55f * fog, x, y), std::min(1.0f, fog * 1.3f), x, y);
}

void FogBand(Canvas& c, int y0, int y1, Color fog, float t0, float t1) {
  y0 = std::max(0, y0);
  y1 = std::min(c.Height(), y1);
  const float span = std::max(1, y1 - y0 - 1);
  for (int y = y0; y < y1; ++y) {
    const float t = t0 + (t1 - t0) * (y - y0) / span;
    for (int x = 0; x < c.Width(); ++x) Tint(c, x, y, fog, t);
  }
}

float TreeLineTop(const TreeLineStyle& s, float x) {
  // Crowns sit on a grid of cells, one crown per cell at a random spot.
  const float gx = (x + s.offset) / s.spacing;
  const int cell = static_cast<int>(std::floor(gx));
  float top = s.baseY - s.height * 0.25f * ValueNoise(gx * 0.3f, 0, s.seed + 7);
  for (int k = cell - 3; k <= cell + 3; ++k) {
    const float centre = k + Hash(k, 1, s.seed);
    const float h = s.height * (0.45f + 0.55f * Hash(k, 2, s.seed));
    const float halfWidth = (0.7f + 0.6f * Hash(k, 3, s.seed)) * s.spacing / s.height * h * 0.5f / s.spacing;
    const float d = std::fabs(gx - centre) / std::max(0.05f, halfWidth * 2.2f);
    if (d < 1) {
      // Jagged bough tiers on the flanks of each crown.
      const float tier = 0.12f * std::fabs(std::sin((1 - d) * 14.0f + k));
      top = std::min(top, s.baseY - h * (1 - d) * (1 - tier));
    }
  }
  return top + (Hash(static_cast<int>(std::floor(x + s.offset)), 4, s.seed) - 0.5f) * 1.2f;
}

void TreeLine(Canvas& c, const TreeLineStyle& s) {
  for (int x = 0; x < c.Width(); ++x) {
    const int top = static_cast<int>(std::floor(TreeLineTop(s, static_cast<float>(x))));
    for (int y = std::max(0, top); y < std::min(s.bottom, c.Height()); ++y) c.Set(x, y, RampAt(s.ramp, s.value, x, y));
  }
}

void Hills(Canvas& c, float baseY, float amplitude, float scale, Color color, std::uint32_t seed, int bottom,
           Color fogColor, float fog) {
  for (int x = 0; x < c.Width(); ++x) {
    const int top = static_cast<int>(baseY - amplitude * Fbm(x / scale, 0.5f, seed, 3));
    for (int y = std::max(0, top); y < std::min(bottom, c.Height()); ++y) c.Set(x, y, Mix(color, fogColor, fog, x, y));
  }
}

bool Ground::Cast(int px, int py, float* x, float* z) const {
  const float dy = py + 0.5f - horizon;
  if (dy <= 0.01f) return false;
  *z = f * eye / dy;
  *x = (px + 0.5f - cx) * *z / f;
  return true;
}

void PaintGround(Canvas& c, const Ground& g, const std::function<Color(float x, float z, int px, int py)>& shader,
                 int fromRow) {
  const int start = std::max(0, fromRow >= 0 ? fromRow : static_cast<int>(std::floor(g.horizon)));
  for (int y = start; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      float gx, gz;
      if (!g.Cast(x, y, &gx, &gz)) continue;
      const Color color = shader(gx, gz, x, y);
      if (color != Clear) c.Set(x, y, color);
    }
}

void DrawPineShape(Canvas& c, float x, float baseY, float height, float halfWidth, std::uint32_t seed,
                   const std::function<Color(int x, int y, float side)>& shader) {
  const int top = static_cast<int>(std::floor(baseY - height));
  const int tiers = 4 + static_cast<int>(Hash(0, 0, seed) * 3);
  for (int y = std::max(0, top); y < std::min(c.Height(), static_cast<int>(std::ceil(baseY))); ++y) {
    const float r = (y + 0.5f - (baseY - height)) / height;  // 0 at the tip, 1 at the foot
    const float tierPos = r * tiers - std::floor(r * tiers);
    const float envelope = halfWidth * std::pow(r, 0.85f);
    float w = envelope * (0.55f + 0.45f * tierPos);
    const int x0 = static_cast<int>(std::floor(x - w - 1)), x1 = static_cast<int>(std::ceil(x + w + 1));
    for (int px = std::max(0, x0); px <= std::min(c.Width() - 1, x1); ++px) {
      const float jitter = (Hash(px, y, seed) - 0.5f) * std::max(1.0f, halfWidth * 0.12f);
      const float d = (px + 0.5f - x);
      if (std::fabs(d) > w + jitter) continue;
      const Color color = shader(px, y, d / std::max(0.5f, w));
      if (color != Clear) c.Set(px, y, color);
    }
  }
}

namespace {

float FogAmount(const ForestLight& light, float z) {
  return std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f) * light.fogMax;
}

void DrawTree(Canvas& c, const Ground& g, const Tree& t, const ForestLight& light) {
  const float fog = FogAmount(light, t.z);
  if (fog >= 0.999f) return;
  const Point foot = g.Project(t.x, 0, t.z);
  const float scale = g.f / t.z;  // pixels per metre at this distance
  const float trunkHalf = std::max(0.5f, (t.kind == TreeKind::Pine ? 0.22f : 0.18f) * scale * (t.width / 4));
  const float topY = foot.y - t.height * scale;

  // The trunk, lit from the left.
  const float trunkTop = t.kind == TreeKind::Pine ? foot.y - t.height * 0.5f * scale : foot.y - t.height * 0.55f * scale;
  ShadeRect(c, static_cast<int>(std::floor(foot.x - trunkHalf)), static_cast<int>(std::floor(trunkTop)),
            static_cast<int>(std::ceil(foot.x + trunkHalf)), static_cast<int>(std::ceil(foot.y)), [&](int x, int y) {
              const float s = (x + 0.5f - (foot.x - trunkHalf)) / (2 * trunkHalf);
              float v = light.light * (0.75f - 0.55f * s) + (Fbm(s * 3, y / std::max(1.0f, trunkHalf) * 0.6f, t.seed, 2) - 0.5f) * 0.3f;
              if (t.kind == TreeKind::Birch) {
                const float band = std::max(1.0f, trunkHalf * 0.6f);
                const bool mark = Hash(0, static_cast<int>(y / band), t.seed) > 0.86f && Hash(static_cast<int>(s * 3), static_cast<int>(y / band), t.seed + 1) > 0.6f;
                return Fogged(GreyRamp, mark ? 0.05f : 0.45f + v * 0.6f, fog, x, y);
              }
              return Fogged(WoodRamp, v * 0.8f, fog, x, y);
            });

  if (t.kind == TreeKind::Pine) {
    // Forest pines lose their lowest boughs: the crown starts well above the eye.
    DrawPineShape(c, foot.x, foot.y - t.height * 0.3f * scale, t.height * 0.72f * scale, t.width * 0.5f * scale, t.seed,
                  [&](int x, int y, float side) {
                    const float v = light.light * (0.62f - 0.3f * side) + (Hash(x / 2, y / 2, t.seed) - 0.5f) * 0.18f;
                    return Fogged(ForestRamp, v * 0.75f, fog, x, y);
                  });
  } else {
    const float cy = topY + t.width * 0.45f * scale;
    const float rx = t.width * 0.5f * scale, ry = t.width * 0.5f * scale;
    const int x0 = static_cast<int>(foot.x - rx * 1.3f), x1 = static_cast<int>(foot.x + rx * 1.3f);
    const int y0 = static_cast<int>(topY - ry * 0.2f), y1 = static_cast<int>(cy + ry * 1.2f);
    ShadeRect(c, x0, y0, x1, y1, [&](int x, int y) {
      const float dx = (x + 0.5f - foot.x) / rx, dy = (y + 0.5f - cy) / ry;
      const float n = Fbm(x * 6.0f / std::max(4.0f, rx), y * 6.0f / std::max(4.0f, rx), t.seed, 3);
      if (dx * dx + dy * dy > 0.55f + n * 0.9f) return Clear;
      const float v = light.light * (0.7f - 0.25f * dx - 0.25f * dy) + (n - 0.5f) * 0.5f;
      return Fogged(ForestRamp, v * 0.8f, fog, x, y);
    });
  }
}

}  // namespace

void DrawTrees(Canvas& c, const Ground& g, std::vector<Tree> trees, const ForestLight& light) {
  std::sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.z > b.z; });
  for (const Tree& t : trees)
    if (t.z > 0.3f) DrawTree(c, g, t, light);
}

}  // namespace art

namespace art {

void PaintSky(Canvas& c, int horizon, Ramp ramp, float low, float high) {
  GradientRect(c, 0, 0, c.Width(), std::max(1, horizon + 1), ramp, high, low);
}

void DistantForest(Canvas& c, float horizon, std::uint32_t seed, float fogFar, float fogNear, int layers,
                   float offset, float darkest) {
  for (int k = 0; k < layers; ++k) {
    const float t = layers == 1 ? 1.0f : static_cast<float>(k) / (layers - 1);  // 0 far, 1 near
    TreeLineStyle s;
    s.baseY = horizon + 2 + 6 * t;
    s.height = 14 + 16 * t;
    s.spacing = 4 + 5 * t;
    s.bottom = static_cast<int>(horizon + 40);
    const float fog = fogFar + (fogNear - fogFar) * t;
    s.value = darkest + (1 - darkest) * fog;
    s.seed = seed + k * 17;
    s.offset = offset * (0.3f + 0.7f * t);
    TreeLine(c, s);
  }
}

void PaintTrail(Canvas& c, const Ground& g, float walked, const TrailStyle& s, const ForestLight& light) {
  auto wrapZ = [&](float z) { return s.wrap > 0 ? std::fmod(z + walked, s.wrap) : z + walked; };
  // Periodic value noise across the wrap, so a looping walk joins up.
  auto noise = [&](float x, float z, float scale, std::uint32_t seed) {
    const float wz = wrapZ(z) * scale;
    const float period = s.wrap > 0 ? s.wrap * scale : 1e9f;
    const float fx = std::floor(x * scale), fz = std::floor(wz);
    const float tx = x * scale - fx, tz = wz - fz;
    auto h = [&](float ix, float iz) {
      const int iz2 = s.wrap > 0 ? static_cast<int>(std::fmod(iz + period * 64, std::round(period))) : static_cast<int>(iz);
      return Hash(static_cast<int>(ix), iz2, seed);
    };
    const float a = h(fx, fz), b = h(fx + 1, fz), cc = h(fx, fz + 1), d = h(fx + 1, fz + 1);
    const float sx = tx * tx * (3 - 2 * tx), sz = tz * tz * (3 - 2 * tz);
    return (a + (b - a) * sx) * (1 - sz) + (cc + (d - cc) * sx) * sz;
  };
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float fog = std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f) * light.fogMax;
    const float centre = s.centre ? s.centre(z) : 0;
    const float edge = s.halfWidth * (1 + 0.25f * (noise(x, z, 1.3f, s.seed) - 0.5f));
    const float d = std::fabs(x - centre);
    if (s.road) {
      if (d < s.halfWidth) {
        const bool dash = d < 0.08f && std::fmod(wrapZ(z) + 1000, 4.0f) < 2.0f;
        return dash ? Fogged(GreyRamp, 0.8f * light.light + 0.2f, fog, px, py)
                    : Fogged(GreyRamp, (0.3f + 0.1f * noise(x, z, 3, s.seed + 1)) * light.light * 1.4f, fog, px, py);
      }
      return Fogged(s.grass, (s.grassValue + 0.25f * (noise(x, z, 2, s.seed + 2) - 0.5f)) * light.light * 1.4f, fog, px, py);
    }
    if (d < edge) {
      const float rut = 0.15f * (noise(x, z, 4, s.seed + 3) - 0.5f) - (d / edge) * 0.1f;
      return Fogged(s.trail, (s.trailValue + rut) * light.light * 1.4f, fog, px, py);
    }
    const float tuft = noise(x, z, 3, s.seed + 4);
    return Fogged(s.grass, (s.grassValue + 0.3f * (tuft - 0.5f) + (d < edge + 0.3f ? -0.08f : 0)) * light.light * 1.4f, fog, px, py);
  });
}

void DrawCarSide(Canvas& c, float x0, float x1, float baseY, bool doorOpen) {
  const float L = x1 - x0, H = L * 0.36f;
  const float wheelR = L * 0.085f;
  const float body0 = baseY - wheelR * 0.6f, belt = baseY - H * 0.55f, roof = baseY - H;
  // Body.
  FillPolygon(c, {{x0 + L * 0.02f, body0}, {x0, belt + H * 0.1f}, {x0 + L * 0.05f, belt}, {x1 - L * 0.02f, belt - H * 0.03f},
                  {x1, belt + H * 0.15f}, {x1 - L * 0.01f, body0}},
              [&](int x, int y) { return RampAt(RedRamp, 0.62f - (y - belt) / (body0 - belt) * 0.25f, x, y); });
  // Cabin with its windows.
  FillPolygon(c, {{x0 + L * 0.22f, belt}, {x0 + L * 0.36f, roof}, {x1 - L * 0.12f, roof}, {x1 - L * 0.04f, belt}},
              [&](int x, int y) { return RampAt(RedRamp, 0.55f, x, y); });
  FillPolygon(c, {{x0 + L * 0.26f, belt - 1}, {x0 + L * 0.37f, roof + 2}, {x0 + L * 0.58f, roof + 2}, {x0 + L * 0.58f, belt - 1}},
              [&](int x, int y) { return RampAt(SkyRamp, 0.25f + 0.3f * (belt - y) / (belt - roof), x, y); });
  FillPolygon(c, {{x0 + L * 0.61f, belt - 1}, {x0 + L * 0.61f, roof + 2}, {x1 - L * 0.14f, roof + 2}, {x1 - L * 0.07f, belt - 1}},
              [&](int x, int y) { return RampAt(SkyRamp, 0.22f + 0.3f * (belt - y) / (belt - roof), x, y); });
  // Door seams, handle, lights.
  Line(c, x0 + L * 0.59f, belt, x0 + L * 0.59f, body0 - 1, RedDeep);
  Line(c, x0 + L * 0.25f, belt, x0 + L * 0.24f, body0 - 1, RedDeep);
  FillRect(c, static_cast<int>(x0 + L * 0.5f), static_cast<int>(belt + 2), static_cast<int>(x0 + L * 0.55f), static_cast<int>(belt + 3), Ink);
  FillRect(c, static_cast<int>(x0), static_cast<int>(belt + 2), static_cast<int>(x0 + L * 0.04f), static_cast<int>(belt + 5), Flame);
  FillRect(c, static_cast<int>(x1 - L * 0.03f), static_cast<int>(belt + 1), static_cast<int>(x1), static_cast<int>(belt + 5), Red);
  Line(c, x0 + L * 0.05f, belt, x1 - L * 0.03f, belt - H * 0.03f, Blush);
  if (doorOpen)
    FillPolygon(c, {{x0 + L * 0.25f, belt}, {x0 + L * 0.59f, belt}, {x0 + L * 0.59f, body0}, {x0 + L * 0.25f, body0}}, Ink);
  // Wheels.
  for (float wx : {x0 + L * 0.19f, x1 - L * 0.19f}) {
    FillEllipse(c, wx, baseY - wheelR, wheelR, wheelR, Ink);
    FillEllipse(c, wx, baseY - wheelR, wheelR * 0.5f, wheelR * 0.5f, Slate);
    FillEllipse(c, wx, baseY - wheelR, wheelR * 0.2f, wheelR * 0.2f, Cold);
  }
}

}  // namespace art
