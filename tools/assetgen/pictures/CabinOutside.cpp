// Around the cabin: its front and door (and the photo left there on the last
// evening), the clearing seen from the porch, the fire pit with its three
// flickering fires, the lake in two shimmer states and the thirty-frame walk
// from the cabin down to the lake.
#include <cmath>

#include "Library.h"
#include "Outdoor.h"
#include "Placements.h"

namespace art {

namespace {

constexpr float Pi = 3.14159265f;
constexpr Color MistRamp[] = {Moss, Sage, Fog, PaleCold, Dawn};
constexpr Color DuskRamp[] = {NightDeep, Night, Dusk, Slate, Blush, Sand};
constexpr Color MorningSkyRamp[] = {Teal, Sky, PaleCold, Dawn, Bone};

Ground RoomGround() {
  Ground g;
  g.cx = 250;
  g.horizon = 120;
  g.f = 160;
  return g;
}

// Trees scattered around a clearing of radius `clear` (metres) centred at
// (cx, cz), keeping clear of the listed corridors (paths out of the clearing).
struct Corridor {
  float angle;  // direction from the clearing's centre, radians (0 = straight ahead)
  float halfWidth;
};
std::vector<Tree> ClearingTrees(float cx, float cz, float clear, std::uint32_t seed, std::initializer_list<Corridor> ways = {}) {
  std::vector<Tree> trees;
  Random rnd(seed);
  for (int k = 0; k < 260; ++k) {
    const float a = rnd.Uniform(-Pi, Pi), r = clear + rnd.Uniform(0, 30);
    const float x = cx + std::sin(a) * r, z = cz + std::cos(a) * r;
    bool blocked = z < 2.5f;
    for (const Corridor& w : ways) {
      const float along = std::sin(w.angle) * (x - cx) + std::cos(w.angle) * (z - cz);
      const float across = std::cos(w.angle) * (x - cx) - std::sin(w.angle) * (z - cz);
      if (along > 0 && std::fabs(across) < w.halfWidth) blocked = true;
    }
    if (blocked) continue;
    Tree t;
    t.x = x;
    t.z = z;
    t.height = rnd.Uniform(12, 20);
    t.width = rnd.Uniform(3, 5);
    t.kind = rnd.Uniform() > 0.85f ? TreeKind::Birch : TreeKind::Pine;
    t.seed = rnd.Next();
    trees.push_back(t);
  }
  return trees;
}

// ---- The cabin's front ------------------------------------------------------------

// The cabin seen from a few steps before its porch, the path to the fire pit
// leading off to the left; on the last evening a photo is left at the window.
Canvas PaintCabin(bool photo) {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  ForestLight light = Lit(8, 45, 0.55f);
  PaintSky(c, 120, MistRamp, 0.7f, 0.3f);
  DistantForest(c, 120, 101, 0.8f, 0.5f, 3);
  // The door's placed width is 0.9 m; the cabin's distance follows from it.
  const Span door = PlacedColumns("cabin front door");
  const float ppm = door.Width() / 0.9f, z = g.f / ppm;
  // The path comes straight to the porch steps; a branch leaves it for the
  // fire pit off to the left.
  const Span path = PlacedColumns("path to the campfire");
  const float branchZ = 5.5f, branchX = (path.Centre() - g.cx) * branchZ / g.f;
  PaintGround(c, g, [&](float x, float zz, int px, int py) {
    const float fog = std::clamp((zz - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f);
    const float wobble = 0.2f * Fbm(x, zz, 17, 2);
    const bool toDoor = std::fabs(x) < 0.8f + wobble && zz < z;
    const float branch = zz > 2.2f ? branchX * (zz - 2.2f) / (branchZ - 2.2f) : 1e9f;
    const bool toFire = std::fabs(x - branch) < 0.7f + wobble;
    if (toDoor || toFire) return Fogged(WoodRamp, 0.46f + 0.15f * (Fbm(x * 3, zz * 3, 18, 2) - 0.5f), fog, px, py);
    return Fogged(ForestRamp, 0.55f + 0.3f * (Fbm(x * 2, zz * 3, 19, 3) - 0.5f), fog, px, py);
  });
  const float pathX = branchX * 2.2f, pathZ = branchZ * 2.2f;
  DrawTrees(c, g, ClearingTrees(0, z + 4, 9, 103, {{std::atan2(branchX, branchZ), 3}}), light);
  // The fire pit glimpsed at the end of the path.
  const Point pit = g.Project(pathX, 0, pathZ);
  FillEllipse(c, pit.x, pit.y, 6, 1.6f, Slate);
  FillEllipse(c, pit.x, pit.y - 0.5f, 4, 1, Ink);
  const float base = g.Project(0, 0.4f, z).y;
  DrawCabinFront(c, door.lo, door.hi, base, ppm, false, false);
  if (photo) {
    // The photograph, wedged in the frame of the window beside the door, where
    // the player cannot miss it on coming up the path: a white border, the
    // dark trees, and the small warm glow of someone sitting at a fire.
    const Referent& box = FindReferent("the photo");
    const float x0 = box.columns.lo, x1 = box.columns.hi, y0 = box.rows.lo, y1 = box.rows.hi, tilt = 2;
    FillPolygon(c, {{x0, y0 + tilt}, {x1 - tilt, y0}, {x1, y1 - tilt}, {x0 + tilt, y1}}, Bone);
    FillPolygon(c, {{x0 + 2, y0 + tilt + 1.5f}, {x1 - tilt - 1.5f, y0 + 2}, {x1 - 2, y1 - tilt - 3}, {x0 + tilt + 1.5f, y1 - 3}},
                [](int x, int y) { return RampAt(ForestRamp, 0.12f + 0.1f * Hash(x, y, 3), x, y); });
    const float fx = (x0 + x1) / 2, fy = (y0 + y1) / 2 + 1;
    FillEllipse(c, fx, fy, 2, 1.2f, Ember);
    c.Set(static_cast<int>(fx), static_cast<int>(fy - 1), Amber);
    c.Set(static_cast<int>(fx - 2), static_cast<int>(fy - 2), Ink);  // someone beside it
    c.Set(static_cast<int>(fx - 2), static_cast<int>(fy - 1), Ink);
  }
  Vignette(c, 0.45f);
  return c;
}

// ---- The clearing from the porch -----------------------------------------------------

Canvas PaintCabinOutside() {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  ForestLight light = Lit(8, 50, 0.55f);
  PaintSky(c, 120, MistRamp, 0.7f, 0.3f);
  DistantForest(c, 120, 111, 0.8f, 0.5f, 3);
  const Span car = PlacedColumns("trail to the car"), lake = PlacedColumns("path to the lake");
  const float exitZ = 12;
  const float carX = (car.Centre() - g.cx) * exitZ / g.f, lakeX = (lake.Centre() - g.cx) * exitZ / g.f;
  // Two paths leave the clearing: to the car on the left, down to the lake on the right.
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float fog = std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f);
    const float t = std::min(1.0f, z / exitZ);
    const float dCar = std::fabs(x - carX * t) - 0.7f - 0.2f * Fbm(x, z, 3, 2);
    const float dLake = std::fabs(x - lakeX * t) - 0.7f - 0.2f * Fbm(x, z, 4, 2);
    if (dCar < 0 || dLake < 0) return Fogged(WoodRamp, 0.48f + 0.15f * (Fbm(x * 3, z * 3, 5, 2) - 0.5f), fog, px, py);
    return Fogged(ForestRamp, 0.55f + 0.3f * (Fbm(x * 2, z * 3, 6, 3) - 0.5f), fog, px, py);
  });
  const float carAngle = std::atan2(carX, exitZ), lakeAngle = std::atan2(lakeX, exitZ);
  std::vector<Tree> trees = ClearingTrees(0, 0, exitZ - 1, 113, {{carAngle, 2.2f}, {lakeAngle, 2.6f}});
  DrawTrees(c, g, trees, light);
  // A glint of water far down the lake path.
  const Point glint = g.Project(lakeX * 3.2f, 0, exitZ * 3.2f);
  FillEllipse(c, glint.x, glint.y - 1, 7, 1.5f, PaleCold);
  // A woodpile and a chopping block in the clearing.
  const Point pile = g.Project(-2.2f, 0, 6);
  for (int row = 0; row < 3; ++row)
    for (int k = 0; k < 5 - row; ++k)
      FillEllipse(c, pile.x + (k - 2 + row * 0.5f) * 5, pile.y - 2 - row * 4, 2.6f, 2.2f, k % 2 ? Tan : WoodLight);
  const Point block = g.Project(1.6f, 0, 5);
  FillRect(c, static_cast<int>(block.x - 4), static_cast<int>(block.y - 8), static_cast<int>(block.x + 4), static_cast<int>(block.y), Wood);
  FillEllipse(c, block.x, block.y - 8, 4, 1.5f, Tan);
  // The porch's edge and its posts frame the bottom of the view.
  ShadeRect(c, 0, 214, 500, 250, [](int x, int y) {
    const float plank = std::fmod(x + 1000.0f, 26.0f);
    return RampAt(WoodRamp, plank < 1.5f ? 0.2f : 0.45f + 0.05f * std::sin(y * 0.9f), x, y);
  });
  FillRect(c, 0, 212, 500, 215, WoodDeep);
  for (int x : {30, 470}) FillRect(c, x - 6, 0, x + 6, 250, Wood);
  FillRect(c, 0, 0, 500, 8, WoodDeep);
  Vignette(c, 0.45f);
  return c;
}

// ---- The fire pit -------------------------------------------------------------------

// The fire pit in the evening: a ring of stones with logs, a log to sit on,
// the cabin's lit window behind. `fire` 0 is unlit; 1..3 are the flicker frames.
Canvas PaintCampfire(int fire) {
  Canvas c(RoomWidth, RoomHeight);
  // Seen sitting by the fire, looking down into it: the pit and its flames
  // fill the box the thoughts about the fire keep in view, above the band.
  const Referent& box = FindReferent("the campfire");
  const float pitZ = 4.2f, pitX = 0.25f, flameHeight = 34;
  Ground g = RoomGround();
  g.eye = 1.0f;
  g.horizon = box.rows.hi - 6 - g.f * g.eye / pitZ;
  g.cx = box.columns.Centre() - g.f * pitX / pitZ;
  ForestLight light = Lit(6, 40, 0.4f);
  PaintSky(c, static_cast<int>(g.horizon), DuskRamp, 0.95f, 0.35f);
  DistantForest(c, g.horizon, 121, 0.55f, 0.3f, 3, 0.1f);
  const Point pit = g.Project(pitX, 0, pitZ);
  const float flicker[4] = {0, 1.0f, 0.85f, 1.15f};
  const float glow = flicker[fire];
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    const float fog = std::clamp((z - light.fogNear) / (light.fogFar - light.fogNear), 0.0f, 1.0f) * 0.6f;
    const float d = std::hypot(x - pitX, (z - pitZ) * 1.0f);
    const float lit = glow > 0 ? glow * 0.7f / (1 + d * d * 0.5f) : 0;
    if (lit > 0.08f + Bayer(px, py) * 0.25f)
      return RampAt(WarmRamp, 0.25f + lit * 0.9f + 0.1f * (Fbm(x * 3, z * 3, 7, 2) - 0.5f), px, py);
    return Fogged(ForestRamp, 0.4f + 0.25f * (Fbm(x * 2, z * 3, 8, 3) - 0.5f), fog, px, py);
  });
  DrawTrees(c, g, ClearingTrees(0, pitZ, 10, 127), light);
  // The cabin behind, its window lit.
  const Point cabin = g.Project(7, 0.4f, 15);
  DrawCabinFront(c, cabin.x - 5, cabin.x + 5, cabin.y, g.f / 15, true, false);
  // A log bench on the far side.
  const Point bench = g.Project(pitX, 0, pitZ + 1.4f);
  FillRect(c, static_cast<int>(bench.x - 26), static_cast<int>(bench.y - 8), static_cast<int>(bench.x + 26), static_cast<int>(bench.y), Wood);
  FillRect(c, static_cast<int>(bench.x - 26), static_cast<int>(bench.y - 8), static_cast<int>(bench.x + 26), static_cast<int>(bench.y - 6), glow > 0 ? Tan : WoodLight);
  FillEllipse(c, bench.x - 26, bench.y - 4, 2.5f, 4, Tan);
  // The ring of stones.
  for (int k = 0; k < 14; ++k) {
    const float a = k * 2 * Pi / 14;
    const Point s = g.Project(pitX + std::cos(a) * 0.55f, 0, pitZ + std::sin(a) * 0.55f);
    const float size = 3.5f * (g.f / (pitZ + std::sin(a) * 0.55f)) / 50;
    FillEllipse(c, s.x, s.y - size * 0.5f, size * 1.3f, size, glow > 0 && std::sin(a) > 0 ? Sand : Cold);
    FillEllipse(c, s.x, s.y - size * 0.2f, size * 1.3f, size * 0.5f, glow > 0 ? Tan : Slate);
  }
  // Logs leaning together in the middle, and ash.
  FillEllipse(c, pit.x, pit.y - 1, 16, 4, glow > 0 ? EmberDeep : Dusk);
  Line(c, pit.x - 14, pit.y, pit.x + 2, pit.y - 16, WoodDeep, 3);
  Line(c, pit.x + 14, pit.y, pit.x - 2, pit.y - 16, Wood, 3);
  Line(c, pit.x - 4, pit.y + 2, pit.x + 1, pit.y - 17, WoodLight, 3);
  if (fire > 0) {
    // Flames: tongues of fire rising from the logs, different in each frame.
    Random rnd(500 + fire * 13);
    const float height = flameHeight * glow;
    for (int k = 0; k < 9; ++k) {
      const float fx = pit.x + rnd.Uniform(-9, 9), h = height * rnd.Uniform(0.4f, 1.0f) * (1 - std::fabs(fx - pit.x) / 14);
      const float lean = rnd.Uniform(-7, 7);
      FillPolygon(c, {{fx - 4, pit.y - 2}, {fx + lean * 0.4f - 2, pit.y - 2 - h * 0.6f}, {fx + lean, pit.y - 2 - h}, {fx + lean * 0.4f + 2, pit.y - 2 - h * 0.6f}, {fx + 4, pit.y - 2}},
                  [&](int x, int y) { return RampAt(FireRamp, 0.2f + 0.6f * (pit.y - y) / std::max(1.0f, h) * 0.5f + 0.25f, x, y); });
    }
    FillEllipse(c, pit.x, pit.y - 6, 7, 5, Flame);
    FillEllipse(c, pit.x, pit.y - 4, 4, 3, Bone);
    for (int k = 0; k < 12; ++k) {  // sparks
      const float sx = pit.x + rnd.Uniform(-16, 16), sy = pit.y - height - rnd.Uniform(0, 40);
      c.Set(static_cast<int>(sx), static_cast<int>(sy), rnd.Uniform() > 0.5f ? Flame : Amber);
    }
    // The glow on the surrounding air.
    ShadeRect(c, static_cast<int>(pit.x - 90), static_cast<int>(pit.y - 90), static_cast<int>(pit.x + 90), static_cast<int>(pit.y + 30),
              [&](int x, int y) {
                const float d = std::hypot((x - pit.x) / 90.0f, (y - pit.y + 20) / 70.0f);
                const float t = (1 - d) * 0.45f * glow;
                if (t <= 0 || t < Bayer(x, y)) return Clear;
                return Lighter(c.Get(x, y)) == c.Get(x, y) ? Clear : Mix(c.Get(x, y), Ember, 0.5f, x, y);
              });
  }
  Vignette(c, 0.5f);
  return c;
}

// ---- The lake -------------------------------------------------------------------

// The far shore and its reflection in still water; `phase` moves the ripples
// and glints for the two shimmer pictures.
void PaintLakeView(Canvas& c, const Ground& g, float shoreZ, float walked, int phase, float farShoreRow) {
  // Far shore: hills and trees over the water, mirrored below.
  Canvas shore(c.Width(), c.Height());
  PaintSky(shore, static_cast<int>(farShoreRow), MorningSkyRamp, 0.8f, 0.15f);
  Hills(shore, farShoreRow - 8, 26, 120, PaleCold, 137, static_cast<int>(farShoreRow) + 1);
  Hills(shore, farShoreRow - 3, 16, 70, Sage, 131, static_cast<int>(farShoreRow) + 1);
  TreeLineStyle far;
  far.baseY = farShoreRow + 1;
  far.height = 10;
  far.spacing = 4;
  far.bottom = static_cast<int>(farShoreRow) + 1;
  far.value = 0.62f;
  far.seed = 133;
  TreeLine(shore, far);
  far.height = 6;
  far.value = 0.45f;
  far.seed = 135;
  far.spacing = 3;
  TreeLine(shore, far);
  for (int y = 0; y <= static_cast<int>(farShoreRow); ++y)
    for (int x = 0; x < c.Width(); ++x) c.Set(x, y, shore.Get(x, y));
  for (int y = static_cast<int>(farShoreRow) + 1; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      float gx = 0, gz = 1e4f;  // above the horizon: the far water under the shore
      if (g.Cast(x, y, &gx, &gz) && gz + walked < shoreZ - 1) continue;  // land, painted over it by the caller
      const float depth = y - farShoreRow;
      const float ripple = std::sin(gz * 3.1f + phase * 1.7f + std::sin(gx * 0.7f) * 1.5f);
      const int mirrorY = static_cast<int>(farShoreRow - depth * 0.9f + ripple * std::min(3.0f, depth * 0.08f));
      Color col = shore.Get(x, std::clamp(mirrorY, 0, static_cast<int>(farShoreRow)));
      col = Darker(col, depth < 4 ? 1 : 2);
      if (ripple > 0.96f && Hash(x / 4, y, phase + 7) > 0.75f) col = PaleCold;
      if (ripple < -0.6f) col = Darker(col);
      c.Set(x, y, col);
    }
  }
}

Canvas PaintLake(int phase) {
  Canvas c(RoomWidth, RoomHeight);
  const Ground g = RoomGround();
  const float shoreZ = 2.4f;
  // The near bank: grass and reeds, a little dock straight ahead.
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    if (z >= shoreZ + 0.12f * std::sin(x * 2.1f)) return Clear;
    return RampAt(ForestRamp, 0.5f + 0.3f * (Fbm(x * 3, z * 4, 141, 3) - 0.5f), px, py);
  });
  PaintLakeView(c, g, shoreZ, 0, phase, 112);
  PaintGround(c, g, [&](float x, float z, int px, int py) {
    if (z >= shoreZ + 0.12f * std::sin(x * 2.1f)) return Clear;
    return RampAt(ForestRamp, 0.5f + 0.3f * (Fbm(x * 3, z * 4, 141, 3) - 0.5f), px, py);
  });
  // The dock: planks out over the water.
  const float dockX = 0.3f;
  for (float z = 1.4f; z < 9; z += 0.25f) {
    const Point a = g.Project(dockX - 0.8f, 0.15f, z), b = g.Project(dockX + 0.8f, 0.15f, z + 0.22f);
    FillRect(c, static_cast<int>(a.x), static_cast<int>(b.y), static_cast<int>(b.x) + 1, static_cast<int>(a.y) + 1,
             RampAt(WoodRamp, 0.5f + 0.1f * Hash(static_cast<int>(z * 4), 0, 3), static_cast<int>(a.x), static_cast<int>(a.y)));
  }
  for (float z = 2.5f; z < 9; z += 1.5f)
    for (float dx : {-0.8f, 0.8f}) {
      const Point top = g.Project(dockX + dx, 0.3f, z), bottom = g.Project(dockX + dx, -0.3f, z);
      FillRect(c, static_cast<int>(top.x - 1), static_cast<int>(top.y), static_cast<int>(top.x + 1), static_cast<int>(bottom.y), WoodDeep);
    }
  // Reeds along the bank.
  Random rnd(151);
  for (int k = 0; k < 90; ++k) {
    const float x = rnd.Uniform(-30, 30);
    if (std::fabs(x - dockX) < 1.5f) continue;
    const float z = shoreZ - rnd.Uniform(0, 1.0f);
    const Point p = g.Project(x, 0, z);
    const float h = rnd.Uniform(10, 22) * 4.5f / z;
    Line(c, p.x, p.y, p.x + rnd.Uniform(-3, 3), p.y - h, rnd.Uniform() > 0.5f ? Moss : Leaf);
  }
  Vignette(c, 0.4f);
  return c;
}

// ---- The walk down to the lake ------------------------------------------------------

constexpr int LakeWalkFrames = 30;
constexpr float LakeWalkStep = 1.5f;  // metres a frame
constexpr float LakeShore = 46.5f;      // where the water begins, metres from the cabin

float LakePath(float z) { return 1.6f * std::sin(z * 0.09f) + 0.8f * std::sin(z * 0.23f + 1); }

std::vector<Tree> LakeWalkTrees() {
  std::vector<Tree> trees;
  Random rnd(161);
  for (int k = 0; k < 420; ++k) {
    const float z = rnd.Uniform(-2, LakeShore - 3);
    const float x = rnd.Uniform(-26, 26);
    if (std::fabs(x - LakePath(z)) < 1.6f + (z > LakeShore - 12 ? 3 : 0)) continue;
    if (z > LakeShore - 10 && rnd.Uniform() > 0.4f) continue;  // the trees thin out toward the water
    Tree t;
    t.x = x;
    t.z = z;
    t.height = rnd.Uniform(11, 19);
    t.width = rnd.Uniform(2.6f, 4.5f);
    t.kind = rnd.Uniform() > 0.8f ? TreeKind::Birch : TreeKind::Pine;
    t.seed = rnd.Next();
    trees.push_back(t);
  }
  return trees;
}

Canvas PaintLakeWalkFrame(int frame, const std::vector<Tree>& world) {
  Canvas c(ScreenWidth, ScreenHeight);
  Ground g;
  g.cx = 100;
  g.f = 130;
  g.horizon = 66 + std::round(std::sin(frame * Pi * 0.5f));
  ForestLight light = Lit(4, 34, 0.6f);
  const float walked = frame * LakeWalkStep;
  PaintSky(c, static_cast<int>(g.horizon), MistRamp, 0.75f, 0.35f);
  DistantForest(c, g.horizon, 171, 0.85f, 0.6f, 2);
  PaintLakeView(c, g, LakeShore, walked, 0, g.horizon - 1);
  TrailStyle trail;
  trail.halfWidth = 0.7f;
  trail.centre = [walked](float z) { return LakePath(z + walked); };
  trail.seed = 19;
  // Land only up to the shore.
  Canvas land(ScreenWidth, ScreenHeight);
  PaintTrail(land, g, walked, trail, light);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      float gx, gz;
      if (land.Get(x, y) != Clear && g.Cast(x, y, &gx, &gz) && gz + walked < LakeShore + 0.8f * std::sin(gx * 0.5f))
        c.Set(x, y, land.Get(x, y));
    }
  std::vector<Tree> near;
  for (Tree t : world) {
    t.z -= walked;
    t.x -= 0;
    near.push_back(t);
  }
  DrawTrees(c, g, near, light);
  Vignette(c, 0.5f);
  return c;
}

Canvas PaintWalkToLake() {
  const std::vector<Tree> world = LakeWalkTrees();
  std::vector<Canvas> frames;
  for (int f = 0; f < LakeWalkFrames; ++f) frames.push_back(PaintLakeWalkFrame(f, world));
  return JoinFrames(frames);
}

}  // namespace

void AddCabinOutsidePictures(Painters& p) {
  p[CabinTexture] = [] { return PaintCabin(false); };
  p[CabinPhotoTexture] = [] { return PaintCabin(true); };
  p[CabinOutsideTexture] = PaintCabinOutside;
  p[CampfireTexture] = [] { return PaintCampfire(0); };
  p[CampfireOneTexture] = [] { return PaintCampfire(1); };
  p[CampfireTwoTexture] = [] { return PaintCampfire(2); };
  p[CampfireThreeTexture] = [] { return PaintCampfire(3); };
  p[LakeTexture] = [] { return PaintLake(0); };
  p[LakeTwoTexture] = [] { return PaintLake(1); };
  p[WalkToLakeTexture] = PaintWalkToLake;
}

}  // namespace art
