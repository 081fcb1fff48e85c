#include "Placements.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "world/Hotspots.h"
#include "core/ScreenRects.h"
#include "core/Views.h"

namespace art {

namespace {

constexpr FRect LivingRoomTwoView{-650, -200, 2100, 1000};

// The backdrop of every scene that has a hotspot window. Scene 21 has a window
// but exists only while the screen is black, so nothing is placed for it.
constexpr auto SceneBackdrops = std::to_array<SceneBackdrop>({
    {0, HouseBedRoomBedTexture, RoomView, true},
    {1, HouseBedRoomMiddleTexture, RoomView, true},
    {2, LivingRoomTexture, RoomView, true},
    {3, KitchenTexture, RoomView, true},
    {4, BathroomTexture, RoomView, true},
    {6, KitchenTwoTexture, RoomView, true},
    {7, KitchenCloseTexture, ScreenView, false},
    {8, LivingRoomTwoTexture, LivingRoomTwoView, true},
    {9, BedRoomThreeTexture, RoomView, true},
    {11, HouseBedRoomMiddleTexture, RoomView, true},
    {12, LivingRoomTexture, RoomView, true},
    {14, HouseBedRoomBedTexture, RoomView, true},
    {15, HouseBedRoomMiddleTexture, RoomView, true},
    {16, LivingRoomTexture, RoomView, true},
    {17, NeighborhoodTexture, RoomView, true},
    {19, ForestEntranceTexture, RoomView, true},
    {22, ForestCabinTexture, RoomView, true},
    {23, CabinTexture, RoomView, true},
    {24, CabinInsideTexture, RoomView, true},
    {25, CabinKitchenTexture, RoomView, true},
    {27, CabinInsideTwoTexture, RoomView, true},
    {28, CabinBedRoomTexture, RoomView, true},
    {29, CabinInsideThreeTexture, RoomView, true},
    {30, CabinTexture, RoomView, true},
    {32, CabinTexture, RoomView, true},
    {33, CabinInsideTexture, RoomView, true},
    {34, CabinKitchenTexture, RoomView, true},
    {35, CabinBathroomTexture, RoomView, true},
    {37, CabinBathroomTexture, RoomView, true},
    {38, CabinKitchenTwoTexture, RoomView, true},
    {40, CabinInsideTwoTexture, RoomView, true},
    {41, CabinOutsideTexture, RoomView, true},
    {43, ForestCarTexture, RoomView, true},
    {45, ForestCabinTexture, RoomView, true},
    {46, CabinTexture, RoomView, true},
    {47, CabinInsideTexture, RoomView, true},
    {48, CabinBedRoomTexture, RoomView, true},
    {50, CabinBedTexture, RoomView, true},
    {51, CabinInsideThreeTexture, RoomView, true},
    {52, CabinKitchenUhOhTexture, RoomView, true},
    {54, CabinKitchenUhOhTexture, RoomView, true},
    {55, CabinBathroomTexture, RoomView, true},
    {58, CabinKitchenTwoTexture, RoomView, true},
    {59, CabinInsideTwoTexture, RoomView, true},
    {60, CabinOutsideTexture, RoomView, true},
    {62, LakeTexture, RoomView, true},
    {64, CabinTexture, RoomView, true},
    {65, CabinInsideTexture, RoomView, true},
    {66, CabinKitchenNoRodTexture, RoomView, true},
    {67, CabinKitchenUhOhTexture, RoomView, true},
    {68, CabinInsideTwoTexture, RoomView, true},
    {74, CabinInsideFourTexture, RoomView, true},
    {76, CabinPhotoTexture, RoomView, true},
    {80, CabinPhotoTexture, RoomView, true},
    {81, CabinInsideTexture, RoomView, true},
    {82, CabinBedRoomTexture, RoomView, true},
    {84, CabinClosetTexture, RoomView, true},
    {86, NoPhoneCabinTexture, RoomView, true},
    {88, NoPhoneCabinTexture, RoomView, true},
    {89, CabinOutsideTexture, RoomView, true},
    {91, ForestCarTexture, RoomView, true},
});

// A thing in the world: the scenes whose windows lead to it, how wide it is,
// where it sits inside the part of the picture that all those windows keep on
// screen (0 at its left end, 1 at its right end), and the rows it fills.
struct Thing {
  std::string_view name;
  std::initializer_list<int> scenes;
  float width;
  float along;
  Span rows;
};

// The rows 50..200 are those on screen while the backdrop's y is at -200.
const std::initializer_list<Thing> Things = {
    // The house.
    {"house bedroom door", {0, 14, 1, 11, 15}, 36, 0.5f, {78, 178}},
    {"house kitchen doorway", {2}, 40, 0.4f, {90, 178}},
    {"house front door", {16}, 36, 0.35f, {92, 178}},
    {"house television", {12}, 50, 0.5f, {130, 178}},
    {"house bathroom door", {3}, 36, 0.5f, {88, 182}},
    {"house bathroom sink", {4}, 44, 0.5f, {105, 178}},
    {"house kitchen table", {6}, 90, 0.5f, {150, 196}},
    {"house breakfast plate", {7}, 80, 0.5f, {78, 124}},
    {"house living room bedroom door", {8}, 36, 0.5f, {88, 182}},
    {"house desk", {9}, 80, 0.5f, {110, 185}},
    {"the car at home", {17}, 100, 0.5f, {120, 175}},
    // The forest.
    {"trailhead", {19}, 70, 0.5f, {96, 184}},
    {"cabin in the clearing", {22, 45}, 110, 0.5f, {70, 150}},
    {"the car in the forest", {43, 91}, 110, 0.5f, {110, 180}},
    // The cabin from outside.
    {"cabin front door", {23, 32, 46, 64, 80}, 36, 0.5f, {84, 172}},
    {"path to the campfire", {30, 76}, 60, 0.4f, {128, 196}},
    {"trail to the car", {41, 89}, 50, 0.4f, {110, 190}},
    {"path to the lake", {60}, 60, 0.5f, {110, 190}},
    {"lake shore", {62}, 200, 0.5f, {110, 190}},
    // The cabin's rooms.
    {"cabin kitchen door", {24, 33, 65}, 36, 0.5f, {88, 178}},
    {"cabin bedroom door", {47, 81}, 36, 0.5f, {88, 178}},
    {"cabin kitchen table", {25, 52}, 90, 0.8f, {140, 200}},
    {"cabin kitchen bathroom door", {34, 54}, 36, 0.4f, {88, 178}},
    // The sink and the rod are spoken of when the player arrives (at x -650,
    // art columns 162.5 on), so both stand at the right end of their windows.
    {"cabin kitchen sink", {38}, 22, 1.0f, {100, 180}},
    {"fishing rod in the kitchen", {58}, 12, 0.832f, {72, 190}},
    {"fishing rod place", {66, 67}, 12, 0.3f, {72, 186}},
    {"cabin room two bedroom door", {27}, 36, 0.6f, {88, 178}},
    // Spoken of on arrival too (x -650), so at the right end of its window.
    {"cabin television", {68}, 34, 1.0f, {130, 200}},
    {"cabin room two front door", {40, 59}, 36, 0.5f, {88, 178}},
    {"cabin bed", {48, 82}, 70, 0.5f, {120, 200}},
    {"cabin bedroom way out", {28}, 36, 0.7f, {88, 178}},
    {"cabin room three front door", {29}, 36, 0.5f, {88, 178}},
    {"cabin room three kitchen door", {51}, 36, 0.5f, {88, 178}},
    {"cabin toilet", {35}, 30, 0.5f, {105, 186}},
    {"cabin bathroom door", {37}, 36, 0.1f, {80, 200}},
    {"cabin bathroom sink", {55}, 40, 0.5f, {105, 178}},
    {"cabin door seen from bed", {50}, 36, 0.5f, {80, 170}},
    {"cabin room four front door", {74}, 36, 0.5f, {88, 178}},
    {"closet doors", {84}, 70, 0.5f, {84, 180}},
    {"torn telephone cord", {86}, 16, 0.75f, {100, 150}},
    {"cabin front door from inside", {88}, 36, 0.5f, {88, 178}},
};

Span Intersect(Span a, Span b) { return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)}; }

std::vector<Placement> Build() {
  std::vector<Placement> out;
  for (const Thing& thing : Things) {
    Span span{-1e9f, 1e9f};
    for (int scene : thing.scenes) span = Intersect(span, SteadyColumns(scene));
    if (span.Width() < thing.width)
      throw std::logic_error("no room for " + std::string(thing.name) + " in its windows");
    const float left = span.lo + (span.Width() - thing.width) * thing.along;
    for (int scene : thing.scenes) {
      const SceneBackdrop* backdrop = FindSceneBackdrop(scene);
      if (!backdrop) throw std::logic_error("no backdrop for scene " + std::to_string(scene));
      out.push_back({backdrop->texture, scene, thing.name, {left, left + thing.width}, thing.rows});
    }
  }
  return out;
}

const Placement& Find(std::string_view thing) {
  for (const Placement& p : Placements())
    if (p.thing == thing) return p;
  throw std::logic_error("nothing placed called " + std::string(thing));
}

}  // namespace

const SceneBackdrop* FindSceneBackdrop(int scene) {
  for (const SceneBackdrop& b : SceneBackdrops)
    if (b.scene == scene) return &b;
  return nullptr;
}

Span SteadyColumns(int scene) {
  const SceneBackdrop* backdrop = FindSceneBackdrop(scene);
  const HotspotWindow* window = nullptr;
  for (const HotspotWindow& w : HotspotWindows)
    if (w.scene == scene) window = &w;
  if (!backdrop || !window) throw std::logic_error("scene " + std::to_string(scene) + " has no window");
  float lowest = backdrop->view.x, highest = backdrop->view.x;
  if (backdrop->walks) {
    lowest = std::max(window->lower, WalkRightmost);
    highest = std::min(window->upper, WalkLeftmost);
  }
  // At backdrop x the screen's 800 columns show drawn columns -x .. 800 - x.
  const float screen = ScreenView.w;
  Span steady{-lowest, screen - highest};
  if (steady.Width() <= 0) steady = {-highest, screen - lowest};
  steady = Intersect(steady, {0, backdrop->view.w});
  return {steady.lo / ArtScale, steady.hi / ArtScale};
}

const std::vector<Placement>& Placements() {
  static const std::vector<Placement> placements = Build();
  return placements;
}

Span PlacedColumns(std::string_view thing) { return Find(thing).columns; }
Span PlacedRows(std::string_view thing) { return Find(thing).rows; }

// ---- What the thoughts speak of ------------------------------------------------

Span ColumnsOnScreen(const FRect& view, int artWidth) {
  const float scale = view.w / static_cast<float>(artWidth);
  return {std::max(0.0f, -view.x / scale), std::min(static_cast<float>(artWidth), (ScreenView.w - view.x) / scale)};
}

Span RowsAboveBand(const FRect& view, int artHeight) {
  constexpr float BandTop = 450;  // the dialogue band covers the screen below this
  const float scale = view.h / static_cast<float>(artHeight);
  return {std::max(0.0f, -view.y / scale), std::min(static_cast<float>(artHeight), (BandTop - view.y) / scale)};
}

namespace {

Referent FromPlacement(std::string_view thing, std::string_view placed, std::vector<int> lines, std::vector<TextureId> textures,
                       std::vector<FRect> views, Span rows, std::vector<Color> marks) {
  return {thing, std::move(lines), std::move(textures), std::move(views), Find(placed).columns, rows, std::move(marks)};
}

// Walking left in the room the creature left, the thoughts start in the first
// frame the backdrop's x passes -500: at most one step past it (12.5 px at
// 20 frames a second).
constexpr FRect RoomLeftBehindFirst{-500, -200, 2000, 1000}, RoomLeftBehindLast{-487.5f, -200, 2000, 1000};

std::vector<Referent> BuildReferents() {
  return {
      // Arriving before the cabin for the first time.
      FromPlacement("the cabin", "cabin in the clearing", {31, 32, 33}, {ForestCabinTexture}, {RoomView}, {70, 150}, {Tan}),
      // The close view of the kitchen counter: the meals, eaten there (a plate
      // of pizza and a bowl of soup: what the player ate, whichever it was),
      // and the sink found broken.
      {"the first meal", {41}, {CabinKitchenTexture}, {CloseView}, {230, 256}, {127, 138}, {Amber, Red, Ember}},
      {"the second meal", {89}, {CabinKitchenUhOhTexture}, {CloseView}, {230, 256}, {127, 138}, {Amber, Red, Ember}},
      {"the broken sink", {75, 76, 77}, {CabinKitchenTexture}, {CloseView}, {257, 304}, {119, 138},
       {Bone, Ink, EmberDeep}},
      // Sitting by the fire: all the first evening's thoughts there, and the
      // first of the last one's (the fire lit again may show its unlit
      // picture for a moment, until its first flicker).
      {"the campfire",
       {55, 56, 57, 58, 64, 65, 68, 127},
       {CampfireTexture, CampfireOneTexture, CampfireTwoTexture, CampfireThreeTexture},
       {RoomView},
       {237, 282},
       {100, 152},
       {Flame, Sand, Cold}},
      // The other side of the kitchen, as the player arrives: the tap (at
      // night, thirsty) and the rod in the left corner (the morning after).
      {"the kitchen tap", {72, 73}, {CabinKitchenTwoTexture}, {RoomView}, {178, 200}, {130, 146}, {Cold}},
      {"the rod in the kitchen", {1001}, {CabinKitchenTwoTexture}, {RoomView}, {165, 176}, {66, 145}, {Sand}},
      // At the lake, on arriving and after fishing.
      {"the lake", {92, 93, 94, 95, 97, 98}, {LakeTexture, LakeTwoTexture}, {RoomView}, {165, 360}, {114, 160}, {PaleCold}},
      // The rod in the player's hands (drawn over the screen at RodRect).
      {"the hook", {101}, {FishingRodTexture}, {RodRect}, {3, 16}, {94, 121}, {Cold}},
      {"the rod in hand", {104}, {FishingRodTexture}, {RodRect}, {6, 80}, {4, 124}, {Ink}},
      // Back in the cabin with nothing to do.
      FromPlacement("the cabin television", "cabin television", {109}, {CabinInsideTwoTexture}, {RoomView}, {139, 160}, {Slate}),
      // The telephone heard ringing from the cabin's television, then answered.
      {"the ringing telephone", {111, 116}, {CabinTVTexture}, {ScreenView}, {166, 188}, {34, 68}, {Sand}},
      // The photo from the campfire, left at the cabin's window beside the
      // door: seen on arrival, and where it is put back.
      {"the photo", {139, 140, 141}, {CabinPhotoTexture}, {RoomView}, {300, 316}, {112, 126}, {Bone}},
      // In bed on the last night: the door that is knocked on, the closet.
      FromPlacement("the door seen from bed", "cabin door seen from bed", {154}, {CabinBedTexture}, {RoomView}, {81, 154},
                    {Cold, PaleCold}),
      {"the closet seen from bed", {160}, {CabinBedTexture}, {RoomView}, {290, 355}, {79, 154}, {WoodLight}},
      // Where the telephone hung, the morning after it was taken.
      FromPlacement("the torn telephone cord", "torn telephone cord", {168, 169}, {NoPhoneCabinTexture},
                    {RoomLeftBehindFirst, RoomLeftBehindLast}, {100, 150}, {Tan, Red}),
  };
}

}  // namespace

const std::vector<Referent>& Referents() {
  static const std::vector<Referent> referents = BuildReferents();
  return referents;
}

const Referent& FindReferent(std::string_view thing) {
  for (const Referent& r : Referents())
    if (r.thing == thing) return r;
  throw std::logic_error("no thought speaks of " + std::string(thing));
}

}  // namespace art
