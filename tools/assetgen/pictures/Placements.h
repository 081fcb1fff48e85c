#pragma once
// Where the doors and objects that Return acts on stand in the backdrops.
// A thing that Return reaches while the backdrop's x is inside a hotspot
// window must be on screen for every x of that window; so its columns are
// worked out from the game's own hotspot table: the part of the backdrop that
// stays on screen all through every window the thing serves, and a spot
// inside that part.

#include <string_view>
#include <vector>

#include "Palette.h"
#include "core/TextureCatalog.h"
#include "platform/Geometry.h"

namespace art {

// A run of art columns (or rows), lo..hi.
struct Span {
  float lo = 0;
  float hi = 0;
  float Width() const { return hi - lo; }
  float Centre() const { return (lo + hi) / 2; }
};

// A thing as painted in one backdrop, for one scene whose window it serves.
struct Placement {
  TextureId texture;
  int scene;
  std::string_view thing;
  Span columns;  // art pixels of the backdrop
  Span rows;
};

// Every placement, for every scene with a hotspot window.
const std::vector<Placement>& Placements();

// The columns and rows of a thing, by its name (the same in every backdrop that
// shows it); throws when there is no such thing.
Span PlacedColumns(std::string_view thing);
Span PlacedRows(std::string_view thing);

// The backdrop a scene with a window shows, where it is drawn, and the art
// scale (drawn pixels per art pixel).
struct SceneBackdrop {
  int scene;
  TextureId texture;
  FRect view;
  bool walks;  // the player can slide the backdrop in this scene
};
const SceneBackdrop* FindSceneBackdrop(int scene);

inline constexpr float ArtScale = 4;  // every backdrop is painted at a quarter of its drawn size
inline constexpr float WalkLeftmost = 0;       // the walking bounds of the backdrop's x
inline constexpr float WalkRightmost = -1150;

// The art columns of the backdrop that are on screen for every x of the
// scene's window (clamped to where walking can take x); when no column is on
// screen all through (a window as wide as the walk), the columns on screen for
// some x of it.
Span SteadyColumns(int scene);

// ---- What the thoughts speak of ------------------------------------------------

// A thing that a thought speaks of ("IS THAT A PHOTO?", "THE FIRE IS STARTING
// TO DIE."), as painted in the pictures on screen while the thought is shown:
// the lines, every picture the scene may show then and every place it may be
// drawn at, and the art box the thing fills. The whole box is on screen and
// above the dialogue band in every one of those views.
struct Referent {
  std::string_view thing;
  std::vector<int> lines;
  std::vector<TextureId> textures;
  std::vector<FRect> views;
  Span columns;  // art pixels of the pictures
  Span rows;
  std::vector<Color> marks;  // colours the thing is painted in, to find it by
};

const std::vector<Referent>& Referents();
const Referent& FindReferent(std::string_view thing);

// The art columns of a picture `artWidth` wide drawn at `view` that are on
// the 800 by 600 screen, and its rows that are on screen above the dialogue
// band (which covers the screen from y 450 down).
Span ColumnsOnScreen(const FRect& view, int artWidth);
Span RowsAboveBand(const FRect& view, int artHeight);

}  // namespace art
