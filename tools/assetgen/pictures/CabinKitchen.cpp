// The cabin's kitchen and bathroom: the kitchen with its table and the
// fishing rod against the wall, the same kitchen the next morning when
// something has been in it (with the rod, and with its place empty), the other
// side of the kitchen where the rod is taken, the bathroom and its sink.
#include <cmath>

#include "CabinParts.h"
#include "Library.h"
#include "Placements.h"

namespace art {

namespace {

// A fishing rod leaning against the back wall between the given columns.
void RodAgainstWall(Canvas& c, const Room& room, float column0, float column1) {
  const float x = room.BackX((column0 + column1) / 2);
  const Point foot = room.Project({x - 2, room.FloorY(), 0.99f});
  const Point tip = room.Project({x + 3, room.Height(2.5f * UnitsPerMetre), 0.999f});
  Line(c, foot.x, foot.y, tip.x, tip.y, WoodDeep, 2);
  Line(c, foot.x + 0.5f, foot.y, tip.x + 0.5f, tip.y, Tan);
  // Cork grip, reel, and the line loosely wound.
  Line(c, foot.x, foot.y - 2, foot.x + (tip.x - foot.x) * 0.15f, foot.y - 2 + (tip.y - foot.y) * 0.15f, Sand, 2);
  const Point reel{foot.x + (tip.x - foot.x) * 0.2f, foot.y + (tip.y - foot.y) * 0.2f};
  FillEllipse(c, reel.x + 2, reel.y, 2.5f, 2.5f, GreyRamp[6]);
  FillEllipse(c, reel.x + 2, reel.y, 1, 1, Slate);
  for (int k = 1; k < 5; ++k) {
    const Point guide{foot.x + (tip.x - foot.x) * k * 0.2f, foot.y + (tip.y - foot.y) * k * 0.2f};
    c.Set(static_cast<int>(guide.x + 1), static_cast<int>(guide.y), PaleCold);
  }
}

// Where the rod stands: a hook on the wall and a faint mark on the logs.
void RodPlace(Canvas& c, const Room& room, float column0, float column1) {
  const float x = room.BackX((column0 + column1) / 2);
  const Point hook = room.Project({x + 1, room.Height(1.6f * UnitsPerMetre), 0.999f});
  FillRect(c, static_cast<int>(hook.x - 1), static_cast<int>(hook.y), static_cast<int>(hook.x + 2), static_cast<int>(hook.y + 1), GreyRamp[6]);
  c.Set(static_cast<int>(hook.x + 1), static_cast<int>(hook.y - 1), GreyRamp[6]);
}

// The old enamel sink on the counter under the window, as the player finds it
// at night, thirsty: its basin cracked through and chipped to the iron, the
// tap snapped off at the wall (the spout lies on the counter beside it), a
// dry rust streak down the wall where the water used to run, and the pipe
// sprung from its bracket. `sink` is its middle, on the back wall.
void BrokenSink(Canvas& c, const Room& room, float sink) {
  const float counter = room.Height(0.94f * UnitsPerMetre), rim = room.Height(1.18f * UnitsPerMetre);
  const float arm = room.Height(1.31f * UnitsPerMetre);  // under the window
  // The supply pipe up the wall on the right, sprung from its bracket, and
  // its arm over the basin, snapped off short where the tap was.
  const Point foot = room.Project({sink + 19, counter, 0.997f});
  const Point bend = room.Project({sink + 16, arm, 0.995f});
  const Point end = room.Project({sink + 1, arm, 0.99f});
  Line(c, foot.x, foot.y, bend.x, bend.y, Slate, 2);
  Line(c, bend.x, bend.y, end.x, end.y, Slate, 2);
  Line(c, bend.x, bend.y - 0.5f, end.x, end.y - 0.5f, SlateLight);
  const Point bracket = room.Project({sink + 19, room.Height(1.1f * UnitsPerMetre), 0.998f});
  FillRect(c, static_cast<int>(bracket.x), static_cast<int>(bracket.y), static_cast<int>(bracket.x + 3),
           static_cast<int>(bracket.y + 1), Dusk);
  // The jagged, open end where the brass broke, dry, and a rust streak down
  // the wall beneath it.
  c.Set(static_cast<int>(end.x) - 1, static_cast<int>(end.y) - 1, Sand);
  c.Set(static_cast<int>(end.x) - 1, static_cast<int>(end.y) + 1, Tan);
  c.Set(static_cast<int>(end.x) - 1, static_cast<int>(end.y), Ink);
  DrawFacing(c, room, sink - 1, rim, sink + 3, arm, 0.998f, [](float u, float v, int x, int y) {
    const float width = 0.4f + 0.5f * (1 - v);
    if (std::fabs(u - 0.5f) > width * 0.5f || Bayer(x, y) > 0.8f) return Clear;
    return v > 0.6f ? Ember : EmberDeep;
  });
  // The basin: white enamel, lit by the lamp on the wall above it, chipped to
  // the iron by its left corner and cracked from the rim to the foot.
  DrawBox(c, room, {sink - 14, counter, 0.93f}, {sink + 14, rim, 0.99f}, Painted(GreyRamp, 0.9f, Bone));
  DrawFacing(c, room, sink - 14, counter, sink + 14, rim, 0.929f, [](float u, float v, int x, int y) {
    const float du = (u - 0.15f) / 0.09f, dv = (v - 0.8f) / 0.22f;
    if (du * du + dv * dv < 1) return du * du + dv * dv < 0.4f ? Ink : EmberDeep;
    if (v > 0.88f) return Bone;
    return RampAt(GreyRamp, 0.86f - 0.12f * (1 - v), x, y);
  });
  const auto onFront = [&](float u, float v) {
    return room.Project({sink - 14 + 28 * u, counter + (rim - counter) * v, 0.929f});
  };
  const Point crack[] = {onFront(0.6f, 1), onFront(0.52f, 0.72f), onFront(0.6f, 0.5f), onFront(0.48f, 0.24f),
                         onFront(0.54f, 0)};
  for (int k = 0; k + 1 < 5; ++k) Line(c, crack[k].x, crack[k].y, crack[k + 1].x, crack[k + 1].y, Ink);
  const Point branch = onFront(0.74f, 0.62f);
  Line(c, crack[2].x, crack[2].y, branch.x, branch.y, Ink);
  const Point stain = onFront(0.5f, 0.1f);
  Line(c, stain.x + 1, stain.y - 1, stain.x + 1, stain.y + 1, EmberDeep);
  // The brass tap itself, lying on the counter beside the basin: its curved
  // spout and the cross of its handle.
  const Point tap = room.Project({sink + 24, counter, 0.905f});
  Line(c, tap.x - 3, tap.y - 0.5f, tap.x + 2, tap.y - 0.5f, Sand, 1.5f);
  Line(c, tap.x + 2, tap.y - 0.5f, tap.x + 3.5f, tap.y + 0.5f, Tan, 1.5f);
  Line(c, tap.x - 4, tap.y - 2, tap.x - 4, tap.y + 0.5f, Tan, 1.2f);
  Line(c, tap.x - 5.5f, tap.y - 1.5f, tap.x - 2.5f, tap.y - 1.5f, Sand, 1.2f);
}

// What was eaten at the counter, on its plate and in its bowl: a slice of
// pizza and a bowl of soup, the food the cabin was stocked with, whichever the
// player chose (the food drawn while eating is the same pizza or soup). The
// morning after, the leftovers have gone a little green. Drawn pixel by pixel:
// at this size a plate is a few rows of the counter.
void CounterMeal(Canvas& c, const Referent& meal, bool stale) {
  // . nothing, P plate, S its shadow, T crust, F and A cheese, R pepperoni,
  // B rim of the bowl, E soup, C the bowl's side, G mould.
  static constexpr const char* Plate[] = {
      "....PPPPPPPPP....",
      "..PPTTTTTTTTTPP..",
      ".PPPFAFRFAFAFPPP.",
      ".PPPPARAFAFRPPPP.",
      "..PPPPPFAPPPPPP..",
      "...SPPPPPPPPPS...",
  };
  static constexpr const char* Bowl[] = {
      ".BBBBBBBBB.",
      "BEEAAEEEEEB",
      ".CBBBBBBBC.",
      "..CCCCCCC..",
      "...CCCCC...",
  };
  const auto paint = [&](const char* const* rows, int height, int x0, int y0) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; rows[y][x]; ++x) {
        Color colour = Clear;
        switch (rows[y][x]) {
          case 'P': colour = (x + y) % 3 ? Dawn : PaleCold; break;
          case 'S': colour = WoodDeep; break;
          case 'T': colour = x % 3 ? Tan : WoodLight; break;
          case 'F': colour = Flame; break;
          case 'A': colour = Amber; break;
          case 'R': colour = Red; break;
          case 'B': colour = PaleCold; break;
          case 'E': colour = Ember; break;
          case 'C': colour = Cold; break;
          default: break;
        }
        if (colour != Clear) c.Set(x0 + x, y0 + y, colour);
      }
  };
  const int left = static_cast<int>(meal.columns.lo), bottom = static_cast<int>(meal.rows.hi);
  paint(Plate, 6, left, bottom - 7);
  paint(Bowl, 5, left + 15, bottom - 8);
  if (stale) {
    c.Set(left + 6, bottom - 5, Moss);
    c.Set(left + 12, bottom - 4, Moss);
    c.Set(left + 21, bottom - 7, Moss);
  }
}

enum class KitchenMorning { FirstDay, SomethingWasHere, RodGone };

// The kitchen: counters along the back wall with the sink under a small
// window, the iron stove, the bathroom door on the left, the table in front,
// the fishing rod against the wall between the door and the counters.
Canvas PaintCabinKitchen(KitchenMorning morning) {
  // The eye a little higher in the picture than in the other rooms, so that in
  // the close view of the counter (where the meals are eaten and the sink is
  // found broken) the sink and the plate stand above the dialogue band.
  const Room room = StandingRoom(1.6f, 110);
  RoomLook look = CabinLook(301);
  look.lights.push_back({{room.BackX(270), room.Height(1.6f * UnitsPerMetre), 1}, 0.3f, 80});
  const bool after = morning != KitchenMorning::FirstDay;
  std::vector<Decal> decals = {PlankDoor(PlacedDoor(room, "cabin kitchen bathroom door"), after ? 0.25f : 0),
                               ForestWindow(BackWallRect(room, 250, 292, 1.35f, 2.05f))};
  if (after) {
    // Long bare footprints of mud across the floor, toward the bathroom door.
    decals.push_back({{Surface::Floor, -160, 160, 0.45f, 1.0f}, [](float s, float t, int x, int y) {
                        const float px = -160 + s * 320, pz = 0.45f + t * 0.55f;
                        const int step = static_cast<int>(std::floor(pz * 22));
                        const float along = 60 - step * 7.5f + (step % 2 ? 6 : -6);
                        const float fz = pz * 22 - step;
                        if (std::fabs(px - along) < 2.2f && fz > 0.2f && fz < 0.75f) return RampAt(WoodRamp, 0.12f, x, y);
                        return Clear;
                      }});
  }
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look, decals);
  // Counters, the sink in them, shelves above with jars.
  const float x0 = room.BackX(215), x1 = room.BackX(345), sink = room.BackX(271);
  const BoxStyle wood = Wooden(0.5f, 303);
  Cabinet(c, room, x0, 0.9f, x1 - x0, 0.1f, 0.88f * UnitsPerMetre, wood, 4);
  DrawBox(c, room, {x0 - 1, room.Height(0.88f * UnitsPerMetre), 0.895f}, {x1 + 1, room.Height(0.94f * UnitsPerMetre), 1.0f},
          Painted(GreyRamp, 0.45f, PaleCold));
  BrokenSink(c, room, sink);
  for (int shelf = 0; shelf < 2; ++shelf) {
    const float y = room.Height((1.5f + shelf * 0.4f) * UnitsPerMetre);
    for (float sx : {x0 + 4, x1 - 34}) {
      DrawBox(c, room, {sx, y, 0.95f}, {sx + 30, y + 1.5f, 1.0f}, Wooden(0.45f, 305));
      for (int j = 0; j < 4; ++j)
        DrawBox(c, room, {sx + 3 + j * 7, y + 1.5f, 0.97f}, {sx + 7 + j * 7, y + 8 + 2 * (j % 2), 0.99f},
                Painted(j % 2 ? Ramp(FireRamp) : Ramp(WaterRamp), 0.35f, Clear));
    }
  }
  if (after) {  // a cupboard door hanging open
    DrawFacing(c, room, x1 - 32, room.Height(0.1f * UnitsPerMetre), x1 - 20, room.Height(0.8f * UnitsPerMetre), 0.86f,
               [](float, float v, int x, int y) { return RampAt(WoodRamp, 0.45f + 0.05f * v, x, y); });
    DrawFacing(c, room, x1 - 32, room.Height(0.1f * UnitsPerMetre), x1 - 24, room.Height(0.8f * UnitsPerMetre), 0.899f,
               [](float, float, int x, int y) { return RampAt(GreyRamp, 0.04f, x, y); });
  }
  // The iron cooking stove on the right.
  DrawBox(c, room, {room.BackX(352), room.FloorY(), 0.88f}, {room.BackX(392), room.Height(0.85f * UnitsPerMetre), 0.99f},
          Painted(GreyRamp, 0.18f, Slate));
  DrawBox(c, room, {room.BackX(366), room.Height(0.85f * UnitsPerMetre), 0.96f}, {room.BackX(372), room.CeilingY(), 0.98f},
          Painted(GreyRamp, 0.14f, Dusk));
  // The fishing rod, or the empty place where it stands.
  const Span rod = PlacedColumns("fishing rod place");
  RodPlace(c, room, rod.lo, rod.hi);
  if (morning != KitchenMorning::RodGone) RodAgainstWall(c, room, rod.lo, rod.hi);
  // The table in the middle of the room, chairs, a lamp.
  const Span table = PlacedColumns("cabin kitchen table");
  const float z = 0.7f, tx0 = room.BackX(table.lo) * z, tx1 = room.BackX(table.hi) * z;
  Chair(c, room, (tx0 + tx1) / 2 - 8, z + 0.13f, 16, Wooden(0.45f, 307), true);
  Table(c, room, tx0, z, tx1 - tx0, 0.12f, 0.75f * UnitsPerMetre, Wooden(0.58f, 308));
  if (after) {  // the other chair lies on the floor
    DrawBox(c, room, {tx0 - 22, room.FloorY(), 0.66f}, {tx0 - 6, room.Height(0.07f * UnitsPerMetre), 0.72f}, Wooden(0.35f, 309));
    DrawBox(c, room, {tx0 - 24, room.FloorY(), 0.72f}, {tx0 - 4, room.Height(0.45f * UnitsPerMetre), 0.73f}, Wooden(0.3f, 310));
    // Scratches in the table top.
    for (int k = 0; k < 3; ++k) {
      const Point a = room.Project({tx0 + 20 + k * 3, room.Height(0.75f * UnitsPerMetre), z + 0.03f});
      const Point b = room.Project({tx0 + 30 + k * 3, room.Height(0.75f * UnitsPerMetre), z + 0.11f});
      Line(c, a.x, a.y, b.x, b.y, WoodDeep);
    }
  } else {
    Chair(c, room, tx0 - 18, z + 0.02f, 16, Wooden(0.45f, 311), true);
  }
  // A small lamp at the far end of the table, turned low: the close view of
  // the counter belongs to the meal and the sink.
  TableLamp(c, room, tx1 + 2, room.Height(0.75f * UnitsPerMetre), z + 0.1f, 0.35f);
  CounterMeal(c, FindReferent(after ? "the second meal" : "the first meal"), after);
  Vignette(c, 0.45f);
  return c;
}

// The other side of the kitchen: the sink under its window, the rod in the
// corner. The room's left corner stands in the view the player arrives in,
// so the rod and the tap that the thoughts speak of are both seen then.
Canvas PaintCabinKitchenTwo() {
  Room room = StandingRoom();
  constexpr float Shift = 65;  // the back wall from column 160 to 470
  room.left += Shift;
  room.right += Shift;
  room.cx += Shift;
  RoomLook look = CabinLook(321);
  const Span sink = PlacedColumns("cabin kitchen sink");
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look, {ForestWindow(BackWallRect(room, sink.lo - 2, sink.hi - 1, 1.3f, 2.0f)),
                            ForestWindow(BackWallRect(room, 330, 380, 1.1f, 1.9f))});
  const float x0 = room.BackX(room.left + 1), x1 = room.BackX(sink.hi + 70), mid = room.BackX(sink.Centre());
  Cabinet(c, room, x0, 0.9f, x1 - x0, 0.1f, 0.88f * UnitsPerMetre, Wooden(0.5f, 323), 3);
  DrawBox(c, room, {x0 - 1, room.Height(0.88f * UnitsPerMetre), 0.895f}, {x1 + 1, room.Height(0.94f * UnitsPerMetre), 1.0f},
          Painted(GreyRamp, 0.45f, PaleCold));
  DrawFacing(c, room, mid - 9, room.Height(0.94f * UnitsPerMetre), mid + 9, room.Height(0.97f * UnitsPerMetre), 0.91f,
             [](float u, float, int x, int y) { return RampAt(GreyRamp, 0.25f + 0.1f * u, x, y); });
  DrawBox(c, room, {mid - 1, room.Height(0.94f * UnitsPerMetre), 0.975f}, {mid + 1, room.Height(1.2f * UnitsPerMetre), 0.985f},
          Painted(GreyRamp, 0.55f, Cold));
  DrawBox(c, room, {mid - 1, room.Height(1.14f * UnitsPerMetre), 0.95f}, {mid + 1, room.Height(1.2f * UnitsPerMetre), 0.985f},
          Painted(GreyRamp, 0.55f, Cold));
  // Pots hanging on the wall, a barrel, a broom.
  for (int k = 0; k < 3; ++k) {
    const Point p = room.Project({x1 - 30 + k * 9, room.Height(1.45f * UnitsPerMetre), 0.995f});
    FillEllipse(c, p.x, p.y, 3, 3, k == 1 ? Ember : Slate);
  }
  DrawBox(c, room, {x1 + 8, room.FloorY(), 0.9f}, {x1 + 30, room.Height(0.8f * UnitsPerMetre), 0.98f}, Wooden(0.42f, 325));
  // The rod leans in the left corner, its butt on the end of the counter.
  const Span rod = PlacedColumns("fishing rod in the kitchen");
  const float rx = room.BackX(rod.lo + 5);
  const Point foot = room.Project({rx, room.Height(0.94f * UnitsPerMetre), 0.99f});
  const Point tip = room.Project({rx + 3, room.Height(3.1f * UnitsPerMetre), 0.999f});
  Line(c, foot.x, foot.y, tip.x, tip.y, WoodDeep, 2);
  Line(c, foot.x + 0.5f, foot.y, tip.x + 0.5f, tip.y, Sand);
  Line(c, foot.x, foot.y - 1, foot.x + (tip.x - foot.x) * 0.2f, foot.y - 1 + (tip.y - foot.y) * 0.2f, Sand, 3);
  const Point reel{foot.x + (tip.x - foot.x) * 0.26f, foot.y + (tip.y - foot.y) * 0.26f};
  FillEllipse(c, reel.x + 3, reel.y, 3, 3, PaleCold);
  FillEllipse(c, reel.x + 3, reel.y, 1.2f, 1.2f, Slate);
  for (int k = 2; k < 6; ++k) {  // the line's guides along the pole
    const Point guide{foot.x + (tip.x - foot.x) * k * 0.16f, foot.y + (tip.y - foot.y) * k * 0.16f};
    c.Set(static_cast<int>(guide.x + 1), static_cast<int>(guide.y), PaleCold);
  }
  Table(c, room, room.BackX(320) * 0.7f, 0.7f, 40, 0.1f, 0.75f * UnitsPerMetre, Wooden(0.58f, 327));
  Vignette(c, 0.45f);
  return c;
}

// ---- The bathroom ---------------------------------------------------------------------

Canvas PaintCabinBathroom() {
  const Room room = StandingRoom();
  RoomLook look = CabinLook(341);
  look.wallFinish = WallFinish::Planks;
  look.wall = GreyRamp;
  look.wallValue = 0.5f;
  const Span sink = PlacedColumns("cabin bathroom sink");
  const float sx0 = room.BackX(sink.lo), sx1 = room.BackX(sink.hi);
  const SurfaceRect mirror{Surface::BackWall, sx0 + 6, sx1 - 6, room.Height(1.2f * UnitsPerMetre), room.Height(1.85f * UnitsPerMetre)};
  Canvas c(RoomWidth, RoomHeight);
  PaintRoom(c, room, look,
            {PlankDoor(PlacedDoor(room, "cabin bathroom door")),
             {mirror, [](float s, float t, int x, int y) {
                if (s < 0.07f || s > 0.93f || t < 0.06f || t > 0.94f) return RampAt(WoodRamp, 0.35f, x, y);
                const bool crack = std::fabs((s - 0.7f) * 1.6f - (t - 0.6f)) < 0.025f || std::fabs((s - 0.7f) * -0.8f - (t - 0.6f)) < 0.02f;
                if (crack) return RampAt(GreyRamp, 0.75f, x, y);
                return RampAt(GreyRamp, 0.25f + 0.2f * t, x, y);
              }},
             ForestWindow(BackWallRect(room, 330, 360, 1.6f, 2.1f))});
  const BoxStyle porcelain = Painted(GreyRamp, 0.78f, Dawn);
  const float mid = (sx0 + sx1) / 2;
  DrawBox(c, room, {mid - 3, room.FloorY(), 0.97f}, {mid + 3, room.Height(0.78f * UnitsPerMetre), 0.99f}, porcelain);
  DrawBox(c, room, {sx0, room.Height(0.78f * UnitsPerMetre), 0.9f}, {sx1, room.Height(0.92f * UnitsPerMetre), 1.0f}, porcelain);
  DrawFacing(c, room, sx0 + 4, room.Height(0.8f * UnitsPerMetre), sx0 + 10, room.Height(0.9f * UnitsPerMetre), 0.899f,
             [](float, float v, int x, int y) { return v < 0.8f ? RampAt(FireRamp, 0.08f, x, y) : Clear; });
  DrawBox(c, room, {mid - 1, room.Height(0.92f * UnitsPerMetre), 0.97f}, {mid + 1, room.Height(1.08f * UnitsPerMetre), 0.98f},
          Painted(GreyRamp, 0.6f, Cold));
  // The toilet with its wooden seat and high cistern.
  const Span toilet = PlacedColumns("cabin toilet");
  const float z = 0.9f, t0 = room.BackX(toilet.lo) * z, t1 = room.BackX(toilet.hi) * z;
  DrawBox(c, room, {t0 + 2, room.Height(1.6f * UnitsPerMetre), 0.985f}, {t1 - 2, room.Height(1.9f * UnitsPerMetre), 1.0f}, porcelain);
  DrawBox(c, room, {(t0 + t1) / 2, room.Height(0.45f * UnitsPerMetre), 0.99f}, {(t0 + t1) / 2 + 1, room.Height(1.6f * UnitsPerMetre), 0.995f},
          Painted(GreyRamp, 0.5f));
  DrawBox(c, room, {t0 + 3, room.FloorY(), z + 0.02f}, {t1 - 3, room.Height(0.4f * UnitsPerMetre), z + 0.09f}, porcelain);
  DrawBox(c, room, {t0 + 1, room.Height(0.4f * UnitsPerMetre), z}, {t1 - 1, room.Height(0.45f * UnitsPerMetre), z + 0.09f}, Wooden(0.55f, 343));
  // A clawfoot tub on the left.
  DrawBox(c, room, {-128, room.Height(0.1f * UnitsPerMetre), 0.84f}, {-62, room.Height(0.6f * UnitsPerMetre), 0.99f}, porcelain);
  DrawBox(c, room, {-122, room.Height(0.5f * UnitsPerMetre), 0.85f}, {-68, room.Height(0.6f * UnitsPerMetre), 0.98f}, Painted(GreyRamp, 0.4f));
  for (float fx : {-124.0f, -66.0f})
    DrawBox(c, room, {fx, room.FloorY(), 0.85f}, {fx + 3, room.Height(0.1f * UnitsPerMetre), 0.86f}, Painted(GreyRamp, 0.5f));
  Vignette(c, 0.5f);
  return c;
}

// The bathroom sink close up, for brushing: chipped porcelain with rust,
// a cracked mirror showing only the dark doorway behind.
Canvas PaintCabinSink() {
  Canvas c(ScreenWidth, ScreenHeight);
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) {
    const float plank = std::fmod(x + 1000.0f, 16.0f);
    return RampAt(GreyRamp, plank < 1 ? 0.3f : 0.48f + 0.06f * Fbm(x * 0.1f, y * 0.02f, 3, 2), x, y);
  });
  // The mirror in its wooden frame, cracked from one corner.
  FillRect(c, 44, 2, 156, 76, WoodDeep);
  FillRect(c, 46, 4, 154, 74, Wood);
  ShadeRect(c, 49, 7, 151, 71, [](int x, int y) {
    if (x > 92 && x < 118 && y > 16) return RampAt(GreyRamp, 0.05f, x, y);  // the doorway behind, black
    const float plank = std::fmod(x + 1000.0f, 11.0f);
    return RampAt(GreyRamp, plank < 1 ? 0.15f : 0.22f + 0.1f * (y - 7) / 64.0f, x, y);
  });
  for (int k = 0; k < 40; ++k) {
    c.Set(150 - k, 8 + static_cast<int>(k * 0.9f + std::sin(k * 0.7f) * 2), PaleCold);
    if (k < 22) c.Set(150 - k, 8 + static_cast<int>(k * 1.9f), Cold);
  }
  // The counter and the basin.
  ShadeRect(c, 0, 86, 200, 150, [](int x, int y) { return RampAt(WoodRamp, 0.45f + (Fbm(x * 0.05f, y * 0.3f, 5, 3) - 0.5f) * 0.2f, x, y); });
  FillRect(c, 0, 84, 200, 88, WoodLight);
  FillEllipse(c, 100, 116, 66, 24, PaleCold);
  ShadeRect(c, 34, 94, 166, 140, [](int x, int y) {
    const float dx = (x - 100) / 58.0f, dy = (y - 118) / 18.0f;
    if (dx * dx + dy * dy > 1) return Clear;
    const float rust = std::exp(-std::pow((x - 104) / 6.0f, 2.0f)) * (y > 118 ? 1.0f : 0.4f);
    if (rust > 0.4f + 0.3f * Bayer(x, y)) return Ember;
    return RampAt(GreyRamp, 0.5f + 0.25f * dy - 0.1f * dx, x, y);
  });
  FillEllipse(c, 104, 125, 4, 2, Ink);
  FillEllipse(c, 64, 104, 4, 2, Cold);  // a chip in the rim
  // The tap, and a drop falling.
  FillRect(c, 96, 76, 108, 90, Cold);
  FillRect(c, 97, 76, 100, 90, PaleCold);
  FillRect(c, 100, 88, 106, 98, Cold);
  FillRect(c, 102, 104, 104, 107, Sky);
  // A tin cup on the counter.
  FillRect(c, 160, 90, 174, 104, Cold);
  FillRect(c, 160, 90, 174, 92, PaleCold);
  FillRect(c, 174, 94, 177, 100, Cold);
  Vignette(c, 0.55f);
  return c;
}

}  // namespace

void AddCabinKitchenPictures(Painters& p) {
  p[CabinKitchenTexture] = [] { return PaintCabinKitchen(KitchenMorning::FirstDay); };
  p[CabinKitchenUhOhTexture] = [] { return PaintCabinKitchen(KitchenMorning::SomethingWasHere); };
  p[CabinKitchenNoRodTexture] = [] { return PaintCabinKitchen(KitchenMorning::RodGone); };
  p[CabinKitchenTwoTexture] = PaintCabinKitchenTwo;
  p[CabinBathroomTexture] = PaintCabinBathroom;
  p[CabinSinkTexture] = PaintCabinSink;
}

}  // namespace art
