#pragma once
// A picture being painted: a grid of palette colours, plus the small set of
// drawing tools every picture is made with (ordered dithering, ramps, shapes,
// noise). Coordinates are art pixels; (0, 0) is the top left.

#include <cstdint>
#include <functional>
#include <vector>

#include "Palette.h"

namespace art {

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Color fill = Clear);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Color Get(int x, int y) const { return Inside(x, y) ? pixels_[Index(x, y)] : Clear; }
  void Set(int x, int y, Color c) {
    if (Inside(x, y)) pixels_[Index(x, y)] = c;
  }
  const std::vector<Color>& Pixels() const { return pixels_; }

  // Copies src onto this canvas with its top left at (x, y); Clear pixels of
  // src leave what is underneath.
  void Blit(const Canvas& src, int x, int y);
  // Copies a part of src (sx, sy, w, h) to (x, y), scaled by a whole factor.
  void BlitScaled(const Canvas& src, int sx, int sy, int w, int h, int x, int y, int scale);
  // A new canvas holding the part (x, y, w, h) of this one.
  Canvas Crop(int x, int y, int w, int h) const;
  // Mirrors left and right.
  Canvas Mirrored() const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

// ---- Ordered dithering -------------------------------------------------------

// The 4 by 4 Bayer threshold of a pixel, in (0, 1).
float Bayer(int x, int y);
// t in 0..1 along the ramp, dithered at pixel (x, y).
Color RampAt(Ramp ramp, float t, int x, int y);
// a when t is 0, b when t is 1, dithered in between.
Color Mix(Color a, Color b, float t, int x, int y);

// ---- Noise (fixed seeds, so every run paints the same bytes) -----------------

// A hash of integer coordinates and a seed, in [0, 1).
float Hash(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1).
float ValueNoise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, in [0, 1).
float Fbm(float x, float y, std::uint32_t seed, int octaves = 4);

// A small deterministic random source for scattering things.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
  std::uint32_t Next();
  float Uniform(float lo = 0, float hi = 1);
  int Int(int lo, int hi);  // lo..hi inclusive
 private:
  std::uint32_t state_;
};

// ---- Shapes ------------------------------------------------------------------

struct Point {
  float x = 0;
  float y = 0;
};

// A pixel shader: the colour of pixel (x, y), or Clear to leave it.
using Shader = std::function<Color(int x, int y)>;

void FillRect(Canvas& c, int x0, int y0, int x1, int y1, Color color);  // x1, y1 exclusive
void ShadeRect(Canvas& c, int x0, int y0, int x1, int y1, const Shader& shader);
// A vertical gradient along a ramp from t0 at y0 to t1 at y1.
void GradientRect(Canvas& c, int x0, int y0, int x1, int y1, Ramp ramp, float t0, float t1);
void FillPolygon(Canvas& c, const std::vector<Point>& points, const Shader& shader);
void FillPolygon(Canvas& c, const std::vector<Point>& points, Color color);
void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, const Shader& shader);
void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Color color);
void Line(Canvas& c, float x0, float y0, float x1, float y1, Color color, float width = 1);
void Outline(Canvas& c, int x0, int y0, int x1, int y1, Color color);  // a 1-pixel frame
// Darkens the rim of a region along a ramp-free rule: pixels are replaced by
// the colour one step darker in the grey, wood or forest ramps.
Color Darker(Color c, int steps = 1);
Color Lighter(Color c, int steps = 1);
// Darkens the canvas toward its edges (a soft vignette), strength 0..1.
void Vignette(Canvas& c, float strength, float cx = -1, float cy = -1);
// Adds a light outline in `color` around every opaque pixel that touches a
// transparent one (for sprites that must read over any backdrop).
void RimOutline(Canvas& c, Color color);

}  // namespace art
