#pragma once
// What the cabin's rooms are made of: log walls and plank floors in lamp
// light, plank doors, small windows onto the forest, the wall telephone, and
// the thin dark shape that comes in on the last night.

#include <functional>
#include <vector>

#include "Interior.h"

namespace art {

// Something painted onto a wall, floor or ceiling: s across it, t up it
// (or away from the eye on the floor), both 0..1.
struct Decal {
  SurfaceRect rect;
  std::function<Color(float s, float t, int x, int y)> paint;
};

RoomLook CabinLook(std::uint32_t seed);
// Paints the room with its decals (the first one that covers a pixel wins).
void PaintRoom(Canvas& c, const Room& room, const RoomLook& look, const std::vector<Decal>& decals);

// A plank door; `open` 0..1 swings it away into darkness, `outside` shows
// evening outside instead of a dark room.
Decal PlankDoor(const SurfaceRect& rect, float open = 0, bool outside = false);
// The front door: planks with a small square window.
Decal FrontDoor(const SurfaceRect& rect, float open = 0);
// A small four-pane window onto the trees.
Decal ForestWindow(const SurfaceRect& rect, bool night = false);
// A rectangle on the back wall from columns and heights (metres above the floor).
SurfaceRect BackWallRect(const Room& room, float column0, float column1, float bottom, float top);

// The old wall telephone on the back wall between columns column0..column1
// (body, dial, handset on its hook, coiled cord). `gone` leaves only the pale
// patch where it hung, screw holes and the torn cord.
void WallPhone(Canvas& c, const Room& room, float column0, float column1, bool gone = false);

// Warm light around (x, y): pixels are dithered toward `warm` within radius r.
void Glow(Canvas& c, float x, float y, float r, float strength, Color warm = Amber);
// A table lamp with its shade lit, standing at (x, floor height y) on a piece
// of furniture at depth z; `glow` 0..1 is how far its light spreads.
void TableLamp(Canvas& c, const Room& room, float x, float y, float z, float glow = 1);

// The thing: a tall, thin, dark shape with long arms, never shown clearly.
// Its feet at (x, baseY), `height` pixels tall; `lean` tips it forward while
// running; `holdsPhone` puts the stolen telephone in its hand.
void DarkFigure(Canvas& c, float x, float baseY, float height, float lean, std::uint32_t seed, bool holdsPhone = false);

}  // namespace art
