// The forest: the trailhead where the car is left, fifteen frames of walking
// the trail (a seamless loop: the trees beside it slide outward and grow as
// they pass), the cabin seen across its clearing, and the car at the forest's
// edge. Greens and browns in fog.
#include <cmath>

#include "Library.h"
#include "Outdoor.h"
#include "PixelFont.h"
#include "Placements.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;
// Misty daylight under the trees.
constexpr Color MistRamp[] = {Moss, Sage, Fog, PaleCold, Dawn};

// ---- Walking the trail ----------------------------------------------------------

// The trees beside the trail repeat every RowTypes rows, RowSpacing metres
// apart; one loop of the walk covers exactly one repeat.
constexpr int RowTypes = 5;
constexpr float RowSpacing = 1.2f;
constexpr float LoopLength = RowTypes * RowSpacing;
constexpr int WalkFrames = 15;

float TrailCentre(float worldZ) { return 0.35f * std::sin(worldZ * 2 * Pi / LoopLength); }

std::vector<Tree> TrailTrees(float walked, float farthest, std::uint32_t seed) {
  std::vector<Tree> trees;
  const int rows = static_cast<int>(farthest / RowSpacing) + RowTypes + 2;
  for (int n = 0; n < rows; ++n) {
    const int type = n % RowTypes;
    const float z = n * RowSpacing + Hash(type, 0, seed) * RowSpacing * 0.8f - walked;
    if (z < 0.4f) continue;
    const float centre = TrailCentre(z + walked);
    for (int side = 0; side < 2; ++side) {
      const float h = Hash(type, side + 1, seed);
      Tree t;
      t.x = centre + (side ? 1 : -1) * (1.6f + 2.8f * h);
      t.z = z;
      t.height = 10 + 8 * Hash(type, side + 5, seed);
      t.width = 2.6f + 1.6f * Hash(type, side + 9, seed);
      t.kind = Hash(type, side + 13, seed) > 0.75f ? TreeKind::Birch : TreeKind::Pine;
      t.seed = seed + type * 7 + side;
      trees.push_back(t);
      if (Hash(type, side + 17, seed) > 0.4f) {  // a second tree farther out
        Tree u = t;
        u.x += (side ? 1 : -1) * (3.5f + 3 * Hash(type, side + 21, seed));
        u.z += RowSpacing * 0.5f;
        u.kind = TreeKind::Pine;
        u.seed += 31;
        trees.push_back(u);
      }
    }
  }
  return trees;
}

// Frame `frame` of the walk (0..14); the 15th frame leads back into the first.
Canvas PaintForestWalk(int frame) {
  Canvas c(ScreenWidth, ScreenHeight);
  const float walked = LoopLength * frame / WalkFrames;
  Ground g;
  g.cx = 100;
  g.f = 130;
  g.horizon = 66 + std::round(std::sin(2 * Pi * 2 * frame / WalkFrames));  // two steps a loop
  ForestLight light;
  light.fog = Fog;
  light.fogNear = 3;
  light.fogFar = 26;
  light.light = 0.62f;
  PaintSky(c, static_cast<int>(g.horizon), MistRamp, 0.75f, 0.35f);
  DistantForest(c, g.horizon, 5, 0.85f, 0.55f, 3);
  TrailStyle trail;
  trail.halfWidth = 0.8f;
  trail.centre = [walked](float z) { return TrailCentre(z + walked); };
  trail.wrap = LoopLength;
  trail.seed = 9;
  PaintTrail(c, g, walked, trail, light);
  DrawTrees(c, g, TrailTrees(walked, light.fogFar, 77), light);
  Vignette(c, 0.5f);
  return c;
}

// ---- The trailhead ------------------------------------------------------------------

// A row of trees across the backdrop at about `z` metres, leaving a gap
// around sideways position gapX.
std::vector<Tree> ForestEdge(float z, float gapX, float gapHalf, std::uint32_t seed, float from = -60, float to = 60) {
  std::vector<Tree> trees;
  Random rnd(seed);
  for (float x = from; x < to; x += rnd.Uniform(1.2f, 2.6f)) {
    if (std::fabs(x - gapX) < gapHalf) continue;
    Tree t;
    t.x = x;
    t.z = z + rnd.Uniform(-2, 6);
    t.height = rnd.Uniform(11, 19);
    t.width = rnd.Uniform(3, 5);
    t.kind = rnd.Uniform() > 0.85f ? TreeKind::Birch : TreeKind::Pine;
    t.seed = rnd.Next();
    trees.push_back(t);
  }
  return trees;
}

Ground RoomGround() {
  Ground g;
  g.cx = 250;
  g.horizon = 120;
  g.f = 160;
  return g;
}

Canvas PaintForestEntrance() {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  ForestLight light = Lit(6, 40, 0.52f);
  const Span trailhead = PlacedColumns("trailhead");
  const float gapCol = trailhead.Centre() - 12;
  PaintSky(c, 120, MistRamp, 0.7f, 0.3f);
  DistantForest(c, 120, 21, 0.8f, 0.5f, 3);
  const float edgeZ = 12;
  const float gapX = (gapCol - g.cx) * edgeZ / g.f;
  // Gravel where the car stands, the trail going in through the gap.
  TrailStyle ground;
  ground.halfWidth = 0.9f;
  ground.centre = [&](float z) { return gapX * std::min(1.0f, z / edgeZ) + (z > edgeZ ? 0.3f * std::sin(z) : 0); };
  ground.grassValue = 0.5f;
  ground.seed = 3;
  PaintTrail(c, g, 0, ground, light);
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float edge = 8 + 1.5f * std::sin(x * 0.4f);
    if (z > edge || std::fabs(x - ground.centre(z)) < 0.9f) return Clear;
    const float stone = Fbm(x * 3, z * 6, 4, 2) + 0.3f * Hash(px, py, 4);
    return RampAt(WoodRamp, 0.35f + 0.35f * (stone - 0.6f), px, py);
  });
  std::vector<Tree> trees = ForestEdge(edgeZ, gapX, 2.2f, 41);
  std::vector<Tree> back = ForestEdge(edgeZ + 10, gapX, 1.2f, 43);
  trees.insert(trees.end(), back.begin(), back.end());
  DrawTrees(c, g, trees, light);
  // The wooden sign beside the trail: two posts and a board.
  const float signZ = 7, signX = ground.centre(signZ) + 1.0f;
  const Point foot = g.Project(signX, 0, signZ);
  const float ppm = g.f / signZ;  // pixels per metre
  const float boardTop = foot.y - 1.55f * ppm, boardBottom = foot.y - 0.95f * ppm, half = 0.55f * ppm;
  for (float dx : {-0.35f, 0.35f})
    FillRect(c, static_cast<int>(foot.x + dx * ppm - 1), static_cast<int>(boardTop + 2), static_cast<int>(foot.x + dx * ppm + 1),
             static_cast<int>(foot.y), WoodDeep);
  FillRect(c, static_cast<int>(foot.x - half), static_cast<int>(boardTop), static_cast<int>(foot.x + half), static_cast<int>(boardBottom), WoodLight);
  Outline(c, static_cast<int>(foot.x - half), static_cast<int>(boardTop), static_cast<int>(foot.x + half), static_cast<int>(boardBottom), Wood);
  DrawTextCentered(c, static_cast<int>(foot.x), static_cast<int>(boardTop + 2), "TRAIL", WoodDeep);
  DrawTextCentered(c, static_cast<int>(foot.x), static_cast<int>(boardTop + 8), "2 KM", WoodDeep);
  Vignette(c, 0.45f);
  return c;
}

// ---- The cabin across its clearing ----------------------------------------------------

}  // namespace

// The cabin seen from the front: log walls, a gabled roof, a porch with the
// door in the middle. `doorX0..doorX1` are the door's columns, `base` the row
// of the porch floor, `ppm` pixels per metre at the cabin's distance.
void DrawCabinFront(Canvas& c, float doorX0, float doorX1, float base, float ppm, bool windowsLit, bool doorOpen) {
  const float mid = (doorX0 + doorX1) / 2;
  const float half = 3.0f * ppm, wall = 2.6f * ppm, peak = 1.7f * ppm;
  const float x0 = mid - half, x1 = mid + half;
  // The side of the cabin, in shade, to the right.
  FillPolygon(c, {{x1, base}, {x1, base - wall}, {x1 + 1.2f * ppm, base - wall - 0.25f * ppm}, {x1 + 1.2f * ppm, base - 0.3f * ppm}},
              [&](int x, int y) {
                const float log = std::fmod(y - base + 1000, std::max(2.0f, 0.28f * ppm)) / std::max(2.0f, 0.28f * ppm);
                return RampAt(WoodRamp, 0.28f + 0.1f * std::cos((log - 0.5f) * Pi), x, y);
              });
  // Log front wall.
  ShadeRect(c, static_cast<int>(x0), static_cast<int>(base - wall), static_cast<int>(x1), static_cast<int>(base), [&](int x, int y) {
    const float logH = std::max(2.0f, 0.28f * ppm);
    const float f = std::fmod(base - y, logH) / logH;
    float v = 0.42f + 0.14f * std::cos((f - 0.5f) * Pi) + (Fbm(x * 0.2f, y * 0.5f, 3, 2) - 0.5f) * 0.1f;
    if (f < 0.12f) v -= 0.2f;
    return RampAt(WoodRamp, v, x, y);
  });
  // Log ends at the corners.
  for (float cx : {x0, x1})
    for (float y = base - wall; y < base; y += std::max(2.0f, 0.28f * ppm))
      FillEllipse(c, cx, y + 0.14f * ppm, 0.16f * ppm + 0.5f, 0.13f * ppm + 0.5f, Tan);
  // Roof and gable.
  FillPolygon(c, {{x0 + 0.3f * ppm, base - wall}, {mid, base - wall - peak + 0.2f * ppm}, {x1 - 0.3f * ppm, base - wall}},
              [&](int x, int y) { return RampAt(WoodRamp, 0.38f + 0.1f * ((x / 2 + y) % 3 == 0), x, y); });
  FillPolygon(c, {{x0 - 0.5f * ppm, base - wall + 0.2f * ppm}, {mid, base - wall - peak}, {x1 + 0.5f * ppm, base - wall + 0.2f * ppm},
                  {x1 + 0.5f * ppm, base - wall + 0.5f * ppm}, {mid, base - wall - peak + 0.35f * ppm}, {x0 - 0.5f * ppm, base - wall + 0.5f * ppm}},
              [&](int x, int y) { return RampAt(GreyRamp, 0.22f + 0.08f * ((x + y) % 4 == 0), x, y); });
  FillPolygon(c, {{x1 + 0.5f * ppm, base - wall + 0.2f * ppm}, {mid + 0.1f * ppm, base - wall - peak}, {x1 + 1.6f * ppm, base - wall - peak + 0.1f * ppm},
                  {x1 + 1.7f * ppm, base - wall}},
              [&](int x, int y) { return RampAt(GreyRamp, 0.16f, x, y); });
  // Chimney.
  FillRect(c, static_cast<int>(x1 - 1.3f * ppm), static_cast<int>(base - wall - peak - 0.2f * ppm), static_cast<int>(x1 - 0.8f * ppm),
           static_cast<int>(base - wall - peak * 0.4f), Slate);
  // Windows either side of the door.
  for (float wx : {mid - 1.9f * ppm, mid + 1.9f * ppm}) {
    const float w = 0.55f * ppm, top = base - 1.9f * ppm, bottom = base - 1.0f * ppm;
    FillRect(c, static_cast<int>(wx - w - 1), static_cast<int>(top - 1), static_cast<int>(wx + w + 1), static_cast<int>(bottom + 1), WoodDeep);
    ShadeRect(c, static_cast<int>(wx - w), static_cast<int>(top), static_cast<int>(wx + w), static_cast<int>(bottom), [&](int x, int y) {
      if (std::fabs(x + 0.5f - wx) < 0.6f || std::fabs(y + 0.5f - (top + bottom) / 2) < 0.6f) return WoodDeep;
      return windowsLit ? RampAt(FireRamp, 0.45f + 0.3f * (y - top) / (bottom - top), x, y)
                        : RampAt(SkyRamp, 0.2f + 0.2f * (bottom - y) / (bottom - top), x, y);
    });
  }
  // The door and its frame.
  FillRect(c, static_cast<int>(doorX0) - 1, static_cast<int>(base - 2.05f * ppm) - 1, static_cast<int>(doorX1) + 1, static_cast<int>(base), WoodDeep);
  ShadeRect(c, static_cast<int>(doorX0), static_cast<int>(base - 2.05f * ppm), static_cast<int>(doorX1), static_cast<int>(base), [&](int x, int y) {
    if (doorOpen) return RampAt(FireRamp, 0.2f, x, y);
    const float s = (x + 0.5f - doorX0) / (doorX1 - doorX0);
    const float plank = std::fmod(s * 5, 1.0f);
    return RampAt(WoodRamp, plank < 0.12f ? 0.3f : 0.55f + 0.05f * Hash(static_cast<int>(s * 5), 0, 2), x, y);
  });
  FillRect(c, static_cast<int>(doorX1 - 0.2f * ppm), static_cast<int>(base - 1.05f * ppm), static_cast<int>(doorX1 - 0.2f * ppm) + 1,
           static_cast<int>(base - 1.05f * ppm) + 1, Amber);
  // The porch: boards, two steps, posts and its roof edge.
  FillRect(c, static_cast<int>(x0 - 0.2f * ppm), static_cast<int>(base), static_cast<int>(x1 + 0.2f * ppm), static_cast<int>(base + 0.12f * ppm + 1), WoodLight);
  FillRect(c, static_cast<int>(x0 - 0.2f * ppm), static_cast<int>(base + 0.12f * ppm + 1), static_cast<int>(x1 + 0.2f * ppm), static_cast<int>(base + 0.3f * ppm + 1), WoodDeep);
  FillRect(c, static_cast<int>(mid - 0.8f * ppm), static_cast<int>(base + 0.3f * ppm), static_cast<int>(mid + 0.8f * ppm), static_cast<int>(base + 0.45f * ppm + 1), Wood);
  FillRect(c, static_cast<int>(mid - 0.9f * ppm), static_cast<int>(base + 0.45f * ppm), static_cast<int>(mid + 0.9f * ppm), static_cast<int>(base + 0.6f * ppm + 1), WoodLight);
  for (float px : {x0 + 0.1f * ppm, mid - 1.2f * ppm, mid + 1.2f * ppm, x1 - 0.1f * ppm})
    FillRect(c, static_cast<int>(px - 0.08f * ppm - 0.5f), static_cast<int>(base - 2.3f * ppm), static_cast<int>(px + 0.08f * ppm + 0.5f), static_cast<int>(base), Wood);
  FillRect(c, static_cast<int>(x0 - 0.2f * ppm), static_cast<int>(base - 2.4f * ppm), static_cast<int>(x1 + 0.2f * ppm), static_cast<int>(base - 2.25f * ppm), WoodDeep);
}

namespace {

Canvas PaintForestCabin() {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  ForestLight light = Lit(8, 45, 0.5f);
  PaintSky(c, 120, MistRamp, 0.7f, 0.3f);
  DistantForest(c, 120, 61, 0.8f, 0.5f, 3);
  const Span cabin = PlacedColumns("cabin in the clearing");
  // From the roof's left eave to its shaded right side the cabin is 8.4 metres
  // wide, the door 3.7 metres from the left; its distance follows from its placed width.
  const float z = g.f * 8.4f / cabin.Width();
  const float cabinX = (cabin.lo + 3.7f * g.f / z - g.cx) * z / g.f;
  TrailStyle trail;
  trail.halfWidth = 0.7f;
  trail.centre = [cabinX, z](float d) { return cabinX * std::min(1.0f, d / z) + 0.5f * std::sin(d * 0.6f); };
  trail.grassValue = 0.62f;
  trail.seed = 12;
  PaintTrail(c, g, 0, trail, light);
  std::vector<Tree> trees = ForestEdge(z + 6, cabinX, 9, 61, -70, 70);
  std::vector<Tree> sides = ForestEdge(5, 0, 9, 63, -40, 40);
  trees.insert(trees.end(), sides.begin(), sides.end());
  DrawTrees(c, g, trees, light);
  const Point foot = g.Project(cabinX, 0.4f, z);
  const float ppm = g.f / z, doorHalf = 0.45f * ppm;
  DrawCabinFront(c, foot.x - doorHalf, foot.x + doorHalf, foot.y, ppm, false, false);
  Vignette(c, 0.45f);
  return c;
}

// ---- The car at the forest's edge ---------------------------------------------------------

Canvas PaintForestCar() {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  ForestLight light = Lit(6, 40, 0.45f);
  PaintSky(c, 120, MistRamp, 0.6f, 0.2f);
  DistantForest(c, 120, 81, 0.75f, 0.45f, 3);
  // The gravel track the car came along, running off to the right.
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float track = std::fabs(x - (z - 4) * 0.9f);
    const float stone = Hash(static_cast<int>(x * 5), static_cast<int>(z * 5), 8);
    const float fog = std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f);
    return track < 2.2f ? Fogged(WoodRamp, 0.3f + 0.2f * stone, fog, px, py)
                        : Fogged(ForestRamp, 0.45f + 0.25f * (Fbm(x, z * 2, 4, 2) - 0.5f), fog, px, py);
  });
  DrawTrees(c, g, ForestEdge(16, 30, 4, 85, -70, 70), light);
  const Span car = PlacedColumns("the car in the forest");
  const float z = g.f * 4.0f / car.Width();
  const float base = g.Project(0, 0, z).y;
  FillEllipse(c, car.Centre(), base, car.Width() * 0.55f, 4, Ink);
  DrawCarSide(c, car.lo, car.hi, base);
  Vignette(c, 0.45f);
  return c;
}

}  // namespace

void AddForestPictures(Painters& p) {
  p[ForestEntranceTexture] = PaintForestEntrance;
  p[ForestCabinTexture] = PaintForestCabin;
  p[ForestCarTexture] = PaintForestCar;
  for (int f = 0; f < WalkFrames; ++f) p[ForestWalkOneTexture + f] = [f] { return PaintForestWalk(f); };
}

}  // namespace art
