#include "Outdoor.h"

#include <algorithm>
#include <cmath>

namespace art {

void Tint(Canvas& c, int x, int y, Color toward, float t) {
  if (t > Bayer(x, y) && c.Get(x, y) != Clear) c.Set(x, y, toward);
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
    for (int y = std::max(0, top); y < std::min(s.bottom, c.Height()); ++y) c.Set(x, y, Mix(s.color, s.fogColor, s.fog, x, y));
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
  const Color fogColor = light.fog;
  auto finish = [&](Color color, int x, int y) { return Mix(color, fogColor, fog, x, y); };

  // The trunk, lit from the left.
  const float trunkTop = t.kind == TreeKind::Pine ? foot.y - t.height * 0.5f * scale : foot.y - t.height * 0.55f * scale;
  ShadeRect(c, static_cast<int>(std::floor(foot.x - trunkHalf)), static_cast<int>(std::floor(trunkTop)),
            static_cast<int>(std::ceil(foot.x + trunkHalf)), static_cast<int>(std::ceil(foot.y)), [&](int x, int y) {
              const float s = (x + 0.5f - (foot.x - trunkHalf)) / (2 * trunkHalf);
              float v = light.light * (0.75f - 0.55f * s) + (Fbm(s * 3, y / std::max(1.0f, trunkHalf) * 0.6f, t.seed, 2) - 0.5f) * 0.3f;
              if (t.kind == TreeKind::Birch) {
                const bool mark = Hash(0, static_cast<int>(y / std::max(1.0f, trunkHalf * 0.7f)), t.seed) > 0.8f;
                return finish(mark ? Ink : RampAt(GreyRamp, 0.45f + v * 0.6f, x, y), x, y);
              }
              return finish(RampAt(WoodRamp, v * 0.8f, x, y), x, y);
            });

  if (t.kind == TreeKind::Pine) {
    DrawPineShape(c, foot.x, foot.y - t.height * 0.12f * scale, t.height * 0.9f * scale, t.width * 0.5f * scale, t.seed,
                  [&](int x, int y, float side) {
                    const float v = light.light * (0.62f - 0.3f * side) + (Hash(x / 2, y / 2, t.seed) - 0.5f) * 0.18f;
                    return finish(RampAt(ForestRamp, v * 0.75f, x, y), x, y);
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
      return finish(RampAt(t.kind == TreeKind::Birch ? ForestRamp : ForestRamp, v * 0.8f, x, y), x, y);
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
