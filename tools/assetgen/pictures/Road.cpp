// The street at home with the car, and the drive: six frames of setting off
// down the street and eight frames of a road through the trees that loop
// seamlessly. Both drives are seen from the driver's seat.
#include <cmath>

#include "Library.h"
#include "Outdoor.h"
#include "Placements.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;
constexpr Color MorningRamp[] = {Slate, SlateLight, Cold, PaleCold, Blush, Sand, Dawn};

// A house seen from the front: walls, pitched roof, door and windows.
void DrawHouseFront(Canvas& c, float x0, float x1, float base, float ppm, Ramp walls, float value, std::uint32_t seed) {
  const float wall = 5.5f * ppm, roof = 2.2f * ppm;
  ShadeRect(c, static_cast<int>(x0), static_cast<int>(base - wall), static_cast<int>(x1), static_cast<int>(base), [&](int x, int y) {
    const bool siding = std::fmod(base - y, std::max(1.5f, 0.3f * ppm)) < 0.6f;
    return RampAt(walls, value - (siding ? 0.06f : 0), x, y);
  });
  FillPolygon(c, {{x0 - 0.4f * ppm, base - wall}, {(x0 + x1) / 2, base - wall - roof}, {x1 + 0.4f * ppm, base - wall}},
              [&](int x, int y) { return RampAt(GreyRamp, 0.25f + 0.05f * ((x + 2 * y) % 5 == 0), x, y); });
  Random rnd(seed);
  const int windows = std::max(2, static_cast<int>((x1 - x0) / (2.2f * ppm)));
  const float door = x0 + (x1 - x0) * (rnd.Uniform() > 0.5f ? 0.3f : 0.7f);
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k < windows; ++k) {
      const float wx = x0 + (x1 - x0) * (k + 0.5f) / windows;
      if (row == 0 && std::fabs(wx - door) < 1.2f * ppm) continue;
      const float top = base - (row == 0 ? 2.2f : 4.8f) * ppm, h = 1.2f * ppm, w = 0.5f * ppm;
      FillRect(c, static_cast<int>(wx - w - 1), static_cast<int>(top - 1), static_cast<int>(wx + w + 1), static_cast<int>(top + h + 1), Bone);
      const bool lit = rnd.Uniform() > 0.8f;
      FillRect(c, static_cast<int>(wx - w), static_cast<int>(top), static_cast<int>(wx + w), static_cast<int>(top + h), lit ? Amber : Dusk);
    }
  FillRect(c, static_cast<int>(door - 0.5f * ppm), static_cast<int>(base - 2.1f * ppm), static_cast<int>(door + 0.5f * ppm), static_cast<int>(base), WoodDeep);
}

// ---- The street at home -----------------------------------------------------------

Canvas PaintNeighborhood() {
  Canvas c(RoomWidth, RoomHeight);
  Ground g;
  g.cx = 250;
  g.horizon = 120;
  g.f = 160;
  ForestLight light = Lit(20, 120, 0.6f, 0.5f);
  PaintSky(c, 120, MorningRamp, 0.85f, 0.1f);
  Hills(c, 112, 10, 60, Sage, 7, 130);
  // Lawn, pavement and the road across the picture.
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float fog = std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f) * light.fogMax;
    if (z > 17) return Fogged(ForestRamp, 0.55f + 0.1f * Fbm(x * 0.5f, z, 3, 2), fog, px, py);  // lawns across the street
    if (z > 16) return Fogged(GreyRamp, 0.62f, fog, px, py);                                     // kerb
    if (z > 10) {
      const bool line = std::fabs(z - 13) < 0.1f && std::fmod(x + 1000, 6.0f) < 3;
      return Fogged(GreyRamp, line ? 0.85f : 0.3f + 0.08f * Hash(static_cast<int>(x * 4), static_cast<int>(z * 8), 2), fog, px, py);
    }
    if (z > 8.5f) return Fogged(GreyRamp, std::fmod(x + 1000, 2.0f) < 0.06f ? 0.4f : 0.6f, fog, px, py);  // pavement
    // Our lawn, with the driveway on the left.
    const Span carCols = PlacedColumns("the car at home");
    const float driveX = ((carCols.Centre() - g.cx) / g.f) * 6.0f;
    if (std::fabs(x - driveX) < 1.8f) return RampAt(GreyRamp, 0.5f + 0.1f * Fbm(x, z * 3, 5, 2), px, py);
    return RampAt(ForestRamp, 0.5f + 0.25f * (Fbm(x * 2, z * 4, 6, 3) - 0.5f), px, py);
  });
  // Houses across the street, a few trees between them.
  Random rnd(14);
  const float houseZ = 26, ppm = g.f / houseZ;
  const float baseRow = g.Project(0, 0, houseZ).y;
  for (float x = -52; x < 52; x += rnd.Uniform(13, 16)) {
    const Point left = g.Project(x, 0, houseZ);
    const float w = rnd.Uniform(8, 10.5f) * ppm;
    const Ramp walls = rnd.Uniform() > 0.5f ? Ramp(SkyRamp) : Ramp(WoodRamp);
    DrawHouseFront(c, left.x, left.x + w, baseRow, ppm, walls, rnd.Uniform(0.55f, 0.75f), rnd.Next());
  }
  std::vector<Tree> trees;
  for (float x = -45; x < 45; x += rnd.Uniform(9, 14)) {
    Tree t;
    t.x = x;
    t.z = rnd.Uniform(19, 23);
    t.height = rnd.Uniform(7, 10);
    t.width = rnd.Uniform(4, 6);
    t.kind = TreeKind::Leafy;
    t.seed = rnd.Next();
    trees.push_back(t);
  }
  DrawTrees(c, g, trees, light);
  // A letterbox and our car in the driveway.
  const Span car = PlacedColumns("the car at home");
  const float carZ = g.f * 4.0f / car.Width();
  const float carBase = g.Project(0, 0, carZ).y;
  FillEllipse(c, car.Centre(), carBase, car.Width() * 0.55f, 4, Ink);
  DrawCarSide(c, car.lo, car.hi, carBase);
  const Point box = g.Project(2.5f, 0, 8.8f);
  FillRect(c, static_cast<int>(box.x), static_cast<int>(box.y - 18), static_cast<int>(box.x + 2), static_cast<int>(box.y), WoodDeep);
  FillRect(c, static_cast<int>(box.x - 4), static_cast<int>(box.y - 24), static_cast<int>(box.x + 6), static_cast<int>(box.y - 17), Red);
  Vignette(c, 0.35f);
  return c;
}

// ---- Inside the car ------------------------------------------------------------------

// The driver's view frame: roof, pillars, mirror, dashboard and wheel, laid
// over whatever is outside. `turn` turns the wheel a little (radians).
void CarInterior(Canvas& c, float turn) {
  // Roof lining and the two windscreen pillars.
  GradientRect(c, 0, 0, 200, 12, GreyRamp, 0.12f, 0.2f);
  FillPolygon(c, {{0, 0}, {18, 0}, {6, 104}, {0, 104}}, [](int x, int y) { return RampAt(GreyRamp, 0.12f + 0.03f * (x % 3 == 0), x, y); });
  FillPolygon(c, {{200, 0}, {182, 0}, {194, 104}, {200, 104}}, [](int x, int y) { return RampAt(GreyRamp, 0.1f, x, y); });
  // The rear-view mirror.
  FillRect(c, 118, 8, 122, 14, Night);
  FillRect(c, 104, 13, 140, 22, Night);
  GradientRect(c, 106, 15, 138, 21, SkyRamp, 0.5f, 0.3f);
  // The dashboard with its soft curved top and the instruments.
  ShadeRect(c, 0, 96, 200, 150, [](int x, int y) {
    const float top = 98 + 6 * std::pow((x - 100) / 100.0f, 2.0f) - (x < 100 ? 4 * std::exp(-std::pow((x - 62) / 26.0f, 2.0f)) : 0);
    if (y < top) return Clear;
    return RampAt(GreyRamp, 0.16f + 0.05f * (y < top + 2) - (y - top) * 0.002f, x, y);
  });
  FillEllipse(c, 62, 110, 20, 9, Ink);
  FillEllipse(c, 54, 111, 6, 6, NightDeep);
  FillEllipse(c, 70, 111, 6, 6, NightDeep);
  Line(c, 54, 111, 50, 108, Amber);
  Line(c, 70, 111, 73, 107, Amber);
  FillRect(c, 120, 110, 150, 118, Ink);
  FillRect(c, 122, 112, 136, 116, Teal);
  // The steering wheel: a rim, the spokes and the hub.
  const float cx = 62, cy = 134, rx = 40, ry = 30;
  for (int k = 0; k < 720; ++k) {
    const float a = k * Pi / 360;
    const float x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
    FillEllipse(c, x, y, 3.2f, 3.2f, NightDeep);
  }
  for (int k = 380; k < 700; ++k) {  // light catches the top of the rim
    const float a = k * Pi / 360;
    c.Set(static_cast<int>(cx + rx * std::cos(a)), static_cast<int>(cy - 2 + ry * std::sin(a)), Slate);
  }
  for (float a : {Pi + turn, 2 * Pi + turn, Pi / 2 + turn}) {
    Line(c, cx, cy, cx + rx * 0.95f * std::cos(a), cy + ry * 0.95f * std::sin(a), Ink, 4);
  }
  FillEllipse(c, cx, cy, 11, 8, Ink);
  FillEllipse(c, cx, cy - 1, 7, 5, Night);
}

// The street, driving off: the houses along it slide outward as the car gathers speed.
Canvas PaintDriveOne(int frame) {
  static constexpr float Travelled[6] = {0, 0.4f, 1.2f, 2.5f, 4.2f, 6.4f};
  Canvas c(ScreenWidth, ScreenHeight);
  Ground g;
  g.cx = 104;
  g.horizon = 66;
  g.f = 120;
  g.eye = 1.2f;
  ForestLight light = Lit(20, 110, 0.62f, 0.6f);
  PaintSky(c, 66, MorningRamp, 0.85f, 0.2f);
  const float walked = Travelled[frame];
  TrailStyle road;
  road.road = true;
  road.halfWidth = 3.2f;
  road.centre = [](float) { return 1.6f; };
  road.grass = ForestRamp;
  road.grassValue = 0.55f;
  PaintTrail(c, g, walked, road, light);
  // Houses along both sides, their fronts toward the road.
  for (int k = 12; k >= 0; --k) {
    for (int side = 0; side < 2; ++side) {
      const float z0 = 4 + k * 13 + side * 6 - walked, z1 = z0 + 9;
      if (z0 < 0.8f) continue;
      const float x = side ? 11.0f : -8.0f, h = 5.5f;
      const float fog = std::clamp((z0 - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f) * light.fogMax;
      const Point a = g.Project(x, 0, z0), b = g.Project(x, 0, z1), ta = g.Project(x, h, z0), tb = g.Project(x, h, z1);
      const float ridgeX = x + (side ? 3.0f : -3.0f);
      const Point ra = g.Project(ridgeX, h + 2.2f, z0), rb = g.Project(ridgeX, h + 2.2f, z1);
      const Ramp walls = (k + side) % 2 ? Ramp(SkyRamp) : Ramp(WoodRamp);
      FillPolygon(c, {ta, tb, b, a}, [&](int px, int py) {
        const float u = (px - a.x) / std::max(1.0f, b.x - a.x);
        const bool window = std::fmod(u * 5, 1.0f) > 0.35f && std::fmod(u * 5, 1.0f) < 0.75f && py < (a.y + ta.y) / 2 &&
                            py > ta.y + (a.y - ta.y) * 0.2f;
        return Fogged(walls, window ? 0.15f : 0.65f, fog, px, py);
      });
      FillPolygon(c, {ta, ra, rb, tb}, [&](int px, int py) { return Fogged(GreyRamp, 0.25f, fog, px, py); });
    }
  }
  CarInterior(c, frame < 3 ? 0.15f * (frame + 1) : 0.45f - 0.15f * (frame - 2));
  return c;
}

// The road through the woods, one loop of eight frames.
constexpr int DriveFrames = 8;
constexpr float TreeRowSpacing = 4, TreeRowTypes = 4;
constexpr float DriveLoop = TreeRowSpacing * TreeRowTypes;

Canvas PaintDriveTwo(int frame) {
  Canvas c(ScreenWidth, ScreenHeight);
  Ground g;
  g.cx = 104;
  g.horizon = 66;
  g.f = 120;
  g.eye = 1.2f;
  ForestLight light = Lit(10, 70, 0.55f);
  constexpr Color Mist[] = {Moss, Sage, Fog, PaleCold, Dawn};
  PaintSky(c, 66, Mist, 0.75f, 0.35f);
  DistantForest(c, 66, 91, 0.85f, 0.6f, 2);
  const float walked = DriveLoop * frame / DriveFrames;
  TrailStyle road;
  road.road = true;
  road.halfWidth = 3.0f;
  road.centre = [](float) { return 1.5f; };
  road.wrap = DriveLoop;
  PaintTrail(c, g, walked, road, light);
  std::vector<Tree> trees;
  for (int n = 0; n < 20; ++n) {
    const int type = n % static_cast<int>(TreeRowTypes);
    const float z = n * TreeRowSpacing + Hash(type, 0, 5) * 2 - walked;
    if (z < 0.5f) continue;
    for (int side = 0; side < 2; ++side) {
      Tree t;
      t.x = side ? 6.5f + 2.5f * Hash(type, 1, 5) : -3.5f - 2.5f * Hash(type, 2, 5);
      t.z = z + side * 1.7f;
      t.height = 12 + 6 * Hash(type, side + 3, 5);
      t.width = 3.5f + 1.5f * Hash(type, side + 5, 5);
      t.kind = Hash(type, side + 7, 5) > 0.8f ? TreeKind::Birch : TreeKind::Pine;
      t.seed = 300 + type * 5 + side;
      trees.push_back(t);
      Tree u = t;
      u.x += side ? 4.0f : -4.0f;
      u.z += TreeRowSpacing * 0.5f;
      u.seed += 99;
      u.kind = TreeKind::Pine;
      trees.push_back(u);
    }
  }
  DrawTrees(c, g, trees, light);
  CarInterior(c, 0.0f);
  return c;
}

}  // namespace

void AddRoadPictures(Painters& p) {
  p[NeighborhoodTexture] = PaintNeighborhood;
  for (int f = 0; f < 6; ++f) p[CarDriveOneTexture + f] = [f] { return PaintDriveOne(f); };
  for (int f = 0; f < DriveFrames; ++f) p[CarDriveTwoOneTexture + f] = [f] { return PaintDriveTwo(f); };
}

}  // namespace art
