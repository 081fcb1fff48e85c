#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blit(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.Height(); ++sy)
    for (int sx = 0; sx < src.Width(); ++sx) {
      const Color c = src.Get(sx, sy);
      if (c != Clear) Set(x + sx, y + sy, c);
    }
}

void Canvas::BlitScaled(const Canvas& src, int sx, int sy, int w, int h, int x, int y, int scale) {
  for (int j = 0; j < h * scale; ++j)
    for (int i = 0; i < w * scale; ++i) {
      const Color c = src.Get(sx + i / scale, sy + j / scale);
      if (c != Clear) Set(x + i, y + j, c);
    }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.Set(i, j, Get(x + i, y + j));
  return out;
}

Canvas Canvas::Mirrored() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.Set(width_ - 1 - x, y, Get(x, y));
  return out;
}

// ---- Dithering -----------------------------------------------------------------

float Bayer(int x, int y) {
  static constexpr int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kMatrix[y & 3][x & 3] + 0.5f) / 16.0f;
}

Color RampAt(Ramp ramp, float t, int x, int y) {
  const int n = static_cast<int>(ramp.size());
  if (n == 1) return ramp[0];
  t = std::clamp(t, 0.0f, 1.0f) * (n - 1);
  int i = static_cast<int>(std::floor(t));
  if (i >= n - 1) return ramp[n - 1];
  const float frac = t - i;
  return frac > Bayer(x, y) ? ramp[i + 1] : ramp[i];
}

Color Mix(Color a, Color b, float t, int x, int y) { return t > Bayer(x, y) ? b : a; }

// ---- Noise -----------------------------------------------------------------------

float Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / 16777216.0f;
}

float ValueNoise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const float a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
  const float c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0, amplitude = 0.5f, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += ValueNoise(x, y, seed + o * 101u) * amplitude;
    total += amplitude;
    x *= 2.03f;
    y *= 2.03f;
    amplitude *= 0.5f;
  }
  return sum / total;
}

std::uint32_t Random::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float Random::Uniform(float lo, float hi) { return lo + (hi - lo) * (Next() & 0xFFFFFF) / 16777216.0f; }

int Random::Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1)); }

// ---- Shapes ------------------------------------------------------------------------

void FillRect(Canvas& c, int x0, int y0, int x1, int y1, Color color) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, c.Width());
  y1 = std::min(y1, c.Height());
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) c.Set(x, y, color);
}

void ShadeRect(Canvas& c, int x0, int y0, int x1, int y1, const Shader& shader) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, c.Width());
  y1 = std::min(y1, c.Height());
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const Color color = shader(x, y);
      if (color != Clear) c.Set(x, y, color);
    }
}

void GradientRect(Canvas& c, int x0, int y0, int x1, int y1, Ramp ramp, float t0, float t1) {
  const float span = std::max(1, y1 - y0 - 1);
  ShadeRect(c, x0, y0, x1, y1, [&](int x, int y) { return RampAt(ramp, t0 + (t1 - t0) * (y - y0) / span, x, y); });
}

void FillPolygon(Canvas& c, const std::vector<Point>& points, const Shader& shader) {
  if (points.size() < 3) return;
  float minY = points[0].y, maxY = points[0].y;
  for (const Point& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const int yStart = std::max(0, static_cast<int>(std::ceil(minY - 0.5f)));
  const int yEnd = std::min(c.Height() - 1, static_cast<int>(std::floor(maxY - 0.5f)));
  std::vector<float> xs;
  for (int y = yStart; y <= yEnd; ++y) {
    const float sy = y + 0.5f;
    xs.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy)) xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      const int xa = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5f)));
      const int xb = std::min(c.Width() - 1, static_cast<int>(std::floor(xs[k + 1] - 0.5f)));
      for (int x = xa; x <= xb; ++x) {
        const Color color = shader(x, y);
        if (color != Clear) c.Set(x, y, color);
      }
    }
  }
}

void FillPolygon(Canvas& c, const std::vector<Point>& points, Color color) {
  FillPolygon(c, points, [color](int, int) { return color; });
}

void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, const Shader& shader) {
  if (rx <= 0 || ry <= 0) return;
  const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
  const int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f && c.Inside(x, y)) {
        const Color color = shader(x, y);
        if (color != Clear) c.Set(x, y, color);
      }
    }
}

void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Color color) {
  FillEllipse(c, cx, cy, rx, ry, [color](int, int) { return color; });
}

void Line(Canvas& c, float x0, float y0, float x1, float y1, Color color, float width) {
  const float dx = x1 - x0, dy = y1 - y0;
  const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)) * 2)));
  const float r = width / 2;
  for (int i = 0; i <= steps; ++i) {
    const float x = x0 + dx * i / steps, y = y0 + dy * i / steps;
    if (width <= 1.0f) {
      c.Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), color);
    } else {
      for (int yy = static_cast<int>(std::floor(y - r)); yy <= static_cast<int>(std::floor(y + r - 0.01f)); ++yy)
        for (int xx = static_cast<int>(std::floor(x - r)); xx <= static_cast<int>(std::floor(x + r - 0.01f)); ++xx)
          c.Set(xx, yy, color);
    }
  }
}

void Outline(Canvas& c, int x0, int y0, int x1, int y1, Color color) {
  for (int x = x0; x < x1; ++x) {
    c.Set(x, y0, color);
    c.Set(x, y1 - 1, color);
  }
  for (int y = y0; y < y1; ++y) {
    c.Set(x0, y, color);
    c.Set(x1 - 1, y, color);
  }
}

namespace {

// Each colour's darker and lighter neighbours, following the ramps.
struct Neighbours {
  Color darker;
  Color lighter;
};

constexpr Neighbours NeighboursOf(Color c) {
  switch (c) {
    case Ink: return {Ink, NightDeep};
    case NightDeep: return {Ink, Night};
    case Night: return {NightDeep, Dusk};
    case Dusk: return {Night, Slate};
    case Slate: return {Dusk, SlateLight};
    case SlateLight: return {Slate, Cold};
    case Cold: return {SlateLight, PaleCold};
    case PaleCold: return {Cold, Dawn};
    case Dawn: return {PaleCold, Bone};
    case Bone: return {Dawn, Bone};
    case WoodDeep: return {Ink, Wood};
    case Wood: return {WoodDeep, WoodLight};
    case WoodLight: return {Wood, Tan};
    case Tan: return {WoodLight, Sand};
    case Sand: return {Tan, Bone};
    case PineDeep: return {Ink, Pine};
    case Pine: return {PineDeep, Moss};
    case Moss: return {Pine, Leaf};
    case Leaf: return {Moss, Sage};
    case Sage: return {Leaf, Fog};
    case Fog: return {Sage, PaleCold};
    case EmberDeep: return {WoodDeep, Ember};
    case Ember: return {EmberDeep, Amber};
    case Amber: return {Ember, Flame};
    case Flame: return {Amber, Bone};
    case RedDeep: return {Ink, Red};
    case Red: return {RedDeep, Blush};
    case Skin: return {SkinShadow, Sand};
    case SkinShadow: return {WoodDeep, Skin};
    case Blush: return {Red, Sand};
    case Teal: return {Night, Sky};
    case Sky: return {Teal, PaleCold};
    default: return {c, c};
  }
}

}  // namespace

Color Darker(Color c, int steps) {
  for (int i = 0; i < steps; ++i) c = NeighboursOf(c).darker;
  return c;
}

Color Lighter(Color c, int steps) {
  for (int i = 0; i < steps; ++i) c = NeighboursOf(c).lighter;
  return c;
}

void Vignette(Canvas& c, float strength, float cx, float cy) {
  if (cx < 0) cx = c.Width() / 2.0f;
  if (cy < 0) cy = c.Height() / 2.0f;
  const float rx = std::max(cx, c.Width() - cx), ry = std::max(cy, c.Height() - cy);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      const Color color = c.Get(x, y);
      if (color == Clear) continue;
      const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
      const float amount = std::max(0.0f, dx * dx + dy * dy - 0.35f) * strength * 2.2f;
      const int whole = static_cast<int>(amount);
      const int steps = whole + ((amount - whole) > Bayer(x, y) ? 1 : 0);
      if (steps > 0) c.Set(x, y, Darker(color, steps));
    }
}

void RimOutline(Canvas& c, Color color) {
  Canvas copy = c;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (copy.Get(x, y) != Clear) continue;
      const bool touches = copy.Get(x - 1, y) != Clear || copy.Get(x + 1, y) != Clear || copy.Get(x, y - 1) != Clear ||
                           copy.Get(x, y + 1) != Clear;
      if (touches) c.Set(x, y, color);
    }
}

}  // namespace art
