#pragma once
// Outdoor places: a sky, layered silhouettes of the forest with fog between
// them, the ground in perspective, and trees standing in it. The ground is
// seen from eye height: a point on it at sideways x and distance z appears at
// column cx + f * x / z and row horizon + f * eye / z.

#include <cstdint>
#include <functional>
#include <vector>

#include "Canvas.h"

namespace art {

// Lays `fog` over the canvas rows y0..y1 with strength t0 at y0 to t1 at y1.
void FogBand(Canvas& c, int y0, int y1, Color fog, float t0, float t1);
// A colour at value v of a ramp seen through fog (0 clear, 1 all fog): forest
// colours lighten along the forest ramp toward the fog, others are dithered
// toward a fogged green of their own lightness.
Color Fogged(Ramp ramp, float v, float fog, int x, int y);
// Blends one pixel toward a colour (dithered), t 0..1.
void Tint(Canvas& c, int x, int y, Color toward, float t);

// A tree line: pointed crowns of pines whose feet reach baseY; everything from
// the crowns down to `bottom` is filled. `fog` 0..1 blends the layer toward the
// fog colour.
struct TreeLineStyle {
  float baseY = 120;       // where the crowns' feet are
  float height = 30;       // tallest crowns above baseY
  float spacing = 7;       // mean distance between crowns
  int bottom = 250;        // fill down to this row
  Ramp ramp = ForestRamp;  // the layer is one value along this ramp
  float value = 0.2f;
  std::uint32_t seed = 1;
  float offset = 0;        // slides the layer sideways (parallax)
};
void TreeLine(Canvas& c, const TreeLineStyle& style);
// The crown top of a tree line at column x (for placing things behind it).
float TreeLineTop(const TreeLineStyle& style, float x);

// Rolling hills: a smooth ridge filled down to `bottom`.
void Hills(Canvas& c, float baseY, float amplitude, float scale, Color color, std::uint32_t seed, int bottom,
           Color fogColor = Fog, float fog = 0);

// The eye over flat ground.
struct Ground {
  float cx = 100, horizon = 70, f = 120, eye = 1.6f;
  Point Project(float x, float height, float z) const {
    return {cx + f * x / z, horizon + f * (eye - height) / z};
  }
  // The ground point seen at a pixel below the horizon (false above it).
  bool Cast(int px, int py, float* x, float* z) const;
};

// Paints the ground below the horizon, per pixel, with the shader's colour
// for ground point (x, z).
void PaintGround(Canvas& c, const Ground& g, const std::function<Color(float x, float z, int px, int py)>& shader,
                 int fromRow = -1);

enum class TreeKind { Pine, Leafy, Birch };

struct Tree {
  float x = 0, z = 10;       // where it stands
  float height = 12;         // metres
  float width = 4;           // crown width, metres
  TreeKind kind = TreeKind::Pine;
  std::uint32_t seed = 1;
};

struct ForestLight {
  Color fog = Fog;
  float fogNear = 8, fogFar = 60;  // distances where fog starts and is complete
  float fogMax = 1.0f;
  float light = 0.55f;             // overall brightness of the trees
};

// The forest's light for one picture: fog from `fogNear` to `fogFar` metres,
// at most `fogMax` thick, over trees of brightness `light`.
inline ForestLight Lit(float fogNear, float fogFar, float light, float fogMax = 1.0f) {
  ForestLight lit;
  lit.fogNear = fogNear;
  lit.fogFar = fogFar;
  lit.fogMax = fogMax;
  lit.light = light;
  return lit;
}

// Draws trees far to near.
void DrawTrees(Canvas& c, const Ground& g, std::vector<Tree> trees, const ForestLight& light);
// One pine crown as a silhouette at picture coordinates (for painted layers).
void DrawPineShape(Canvas& c, float x, float baseY, float height, float halfWidth, std::uint32_t seed,
                   const std::function<Color(int x, int y, float side)>& shader);

}  // namespace art

namespace art {

// A sky from the horizon row (value `low` along the ramp) up to the top (`high`).
void PaintSky(Canvas& c, int horizon, Ramp ramp, float low, float high);
// Far forest: `layers` tree lines from the farthest (most fog) to the nearest,
// their feet near the horizon. `offset` slides them sideways.
void DistantForest(Canvas& c, float horizon, std::uint32_t seed, float fogFar, float fogNear, int layers,
                   float offset = 0, float darkest = 0.2f);

// Ground in front of the eye with a trail (or road) along it. The trail's
// centre may wander with distance; `wrap` makes the ground's pattern repeat
// every that many metres of walking, for looping walks.
struct TrailStyle {
  float halfWidth = 0.9f;                          // metres
  std::function<float(float z)> centre = nullptr;  // sideways centre at distance z (null: straight ahead)
  Ramp grass = ForestRamp;
  float grassValue = 0.5f;
  Ramp trail = WoodRamp;
  float trailValue = 0.5f;
  bool road = false;  // asphalt with dashed centre line instead of a dirt trail
  float wrap = 0;
  std::uint32_t seed = 1;
};
void PaintTrail(Canvas& c, const Ground& g, float walked, const TrailStyle& style, const ForestLight& light);

// The player's small dull-red hatchback seen from its left side, front to the
// left, its wheels on baseY, spanning columns x0..x1.
void DrawCarSide(Canvas& c, float x0, float x1, float baseY, bool doorOpen = false);

// The cabin from the front: log walls, gabled roof, porch and the door at
// columns doorX0..doorX1; `base` is the row of the porch floor and `ppm` the
// pixels per metre at its distance. It reaches 3.7 m left of the door's middle
// and 4.7 m right of it (its shaded side), 4.3 m above the porch.
void DrawCabinFront(Canvas& c, float doorX0, float doorX1, float base, float ppm, bool windowsLit, bool doorOpen);

}  // namespace art
