#pragma once
// The record of the scene chain, copied by hand from the game's description:
// the row applied on the first frame of each fade back, the fade's thresholds,
// and how the story leaves each scene that has a row. Pictures and sounds are
// named as the catalogs name them. Nothing here is taken from the game's code.

#include <limits>
#include <optional>
#include <vector>

namespace record::rows {

struct Rect {
  float x, y, w, h;
};

inline constexpr Rect RoomView{-650, -200, 2000, 1000};
inline constexpr Rect ScreenView{0, 0, 800, 600};
inline constexpr Rect CloseView{-1300, -700, 3000, 2000};

// One field a row sets. Flags are 1 or 0. "Dialogue" n opens the box on line n
// (DialogueActive true, MessageIndex n); "MessageIndex" alone leaves the box as it is.
struct Set {
  const char* field;
  float value = 0;
  Rect rect{};  // for StripRect
};

// "loop": set looping, then start; "start": start only; "stop".
struct Sound {
  const char* command;
  const char* sound;
};

enum class Guard { None, NoDialogueNoHold, NotAnimating };

struct Row {
  int scene;
  int next;
  const char* backdrop;       // null: the backdrop stays
  std::optional<Rect> view;   // none: BackgroundRect stays
  std::vector<Set> sets = {};
  std::vector<Sound> sounds = {};
  bool darknessTest = true;
  Guard guard = Guard::None;
};

inline const std::vector<Row> Rows = {
    {1, 2, "LivingRoomTexture", RoomView},
    {2, 3, "KitchenTexture", RoomView},
    {3, 4, "BathroomTexture", RoomView},
    {4, 5, "BathroomSinkTexture", ScreenView, {{"UseReady", 1}}},
    {5, 6, "KitchenTwoTexture", RoomView},
    {6, 7, "KitchenCloseTexture", ScreenView},
    {7, 8, "LivingRoomTwoTexture", Rect{-650, -200, 2100, 1000}, {{"Dialogue", 7}}},
    {8, 9, "BedRoomThreeTexture", RoomView},
    {9, 10, "ComputerOffTexture", ScreenView, {{"UseReady", 1}}},
    {10, 11, "HouseBedRoomMiddleTexture", RoomView, {{"Dialogue", 13}}},
    {11, 12, "LivingRoomTexture", RoomView},
    {12, 13, "HouseTelevisionTexture", ScreenView, {}, {{"start", "KittySongSound"}}},
    {14, 15, "HouseBedRoomMiddleTexture", RoomView, {{"AnimationKind", 0}, {"Animating", 1}}, {}, true,
     Guard::NoDialogueNoHold},
    {15, 16, "LivingRoomTexture", RoomView, {{"Animating", 0}}},
    {16, 17, "NeighborhoodTexture", RoomView, {{"FootstepSurface", 1}}},
    {17, 18, nullptr, ScreenView, {{"Animating", 1}, {"AnimationKind", 1}, {"AnimationFrame", 0}},
     {{"loop", "CarDrivingSound"}}},
    {18, 19, "ForestEntranceTexture", RoomView, {}, {{"stop", "CarDrivingSound"}, {"loop", "ScaryAmbienceSound"}},
     true, Guard::NotAnimating},
    {19, 20, "ForestWalkOneTexture", ScreenView,
     {{"Animating", 1}, {"AnimationLoops", 0}, {"AnimationFrame", 0}, {"AnimationKind", 3}},
     {{"loop", "BirdsSound"}, {"loop", "ForestWalkSound"}}},
    {21, 22, "ForestCabinTexture", RoomView, {{"Animating", 0}, {"AnimationFrame", 0}, {"Dialogue", 31}},
     {{"stop", "ForestWalkSound"}}},
    {22, 23, "CabinTexture", RoomView},
    {23, 24, "CabinInsideTexture", RoomView, {{"Dialogue", 35}, {"FootstepSurface", 0}}, {{"stop", "BirdsSound"}}},
    {24, 25, "CabinKitchenTexture", RoomView},
    {25, 26, "CabinKitchenTexture", CloseView, {{"UseReady", 1}, {"EatTimer", 3}, {"MessageIndex", 41}}},
    {26, 27, "CabinInsideTwoTexture", RoomView},
    {27, 28, "CabinBedRoomTexture", RoomView, {{"Dialogue", 51}}},
    {28, 29, "CabinInsideThreeTexture", RoomView},
    {29, 30, "LeaveCabinOneTexture", ScreenView,
     {{"Animating", 1}, {"AnimationKind", 4}, {"NightTint", 40}, {"FootstepSurface", 1}},
     {{"loop", "CricketsSound"}}},
    {30, 31, "CampfireTexture", RoomView, {{"UseReady", 1}}},
    {31, 32, "CabinTexture", RoomView, {{"Animating", 0}, {"NightTint", 170}}},
    {32, 33, "CabinInsideTexture", RoomView, {{"NightTint", 0}, {"Dialogue", 70}, {"FootstepSurface", 0}},
     {{"stop", "CricketsSound"}, {"stop", "ScaryAmbienceSound"}}},
    {33, 34, "CabinKitchenTexture", RoomView},
    {34, 35, "CabinBathroomTexture", RoomView, {{"DialogueActive", 0}}},
    {35, 36, nullptr, RoomView, {{"NightTint", 255}}, {}, false},
    {36, 37, "CabinBathroomTexture", RoomView, {}, {}, false},
    {37, 38, "CabinKitchenTwoTexture", RoomView, {{"Dialogue", 72}}},
    {38, 39, "CabinKitchenTexture", CloseView, {{"UseReady", 1}}},
    {39, 40, "CabinInsideTwoTexture", RoomView},
    {40, 41, "CabinOutsideTexture", RoomView, {{"NightTint", 180}, {"FootstepSurface", 1}},
     {{"loop", "CricketsSound"}, {"loop", "CreepyAmbienceSound"}}},
    {41, 42, "ForestWalkOneTexture", ScreenView,
     {{"Animating", 1}, {"AnimationLoops", 0}, {"AnimationKind", 3}, {"NightTint", 195}}},
    {42, 43, "ForestCarTexture", RoomView},
    {43, 44, "ForestWalkOneTexture", ScreenView,
     {{"Animating", 1}, {"AnimationLoops", 0}, {"AnimationKind", 3}, {"NightTint", 200}}},
    {44, 45, "ForestCabinTexture", RoomView},
    {45, 46, "CabinTexture", RoomView},
    {46, 47, "CabinInsideTexture", RoomView, {{"NightTint", 0}, {"Dialogue", 81}, {"FootstepSurface", 0}},
     {{"stop", "CricketsSound"}, {"stop", "CreepyAmbienceSound"}}},
    {47, 48, "CabinBedRoomTexture", RoomView},
    {48, 49, nullptr, RoomView, {{"NextDayHold", 1}, {"NextDayTimer", 6}}},
    {50, 51, "CabinInsideThreeTexture", RoomView},
    {51, 52, "CabinKitchenUhOhTexture", RoomView},
    {52, 53, "CabinKitchenUhOhTexture", CloseView, {{"UseReady", 1}, {"EatTimer", 3}}},
    {53, 54, "CabinKitchenUhOhTexture", RoomView},
    {54, 55, "CabinBathroomTexture", RoomView},
    {55, 56, "CabinSinkTexture", ScreenView, {{"UseReady", 1}}},
    {57, 58, "CabinKitchenTwoTexture", RoomView, {{"FadeSpeed", 1000}, {"Dialogue", 1000}}},
    {58, 59, "CabinInsideTwoTexture", RoomView, {{"RodVisible", 1}, {"FadeSpeed", 1000}}},
    {59, 60, "CabinOutsideTexture", RoomView, {{"FootstepSurface", 1}, {"FadeSpeed", 1000}},
     {{"loop", "BirdsSound"}}},
    {60, 61, nullptr, RoomView, {{"Animating", 1}, {"AnimationKind", 8}, {"FadeSpeed", 1000}}},
    {61, 62, "LakeTexture", RoomView,
     {{"Animating", 1}, {"AnimationKind", 6}, {"AnimationFrame", 0}, {"Dialogue", 92}, {"RodVisible", 1}}},
    {62, 63, "WalkToLakeTexture", Rect{0, 0, 24000, 600},
     {{"Animating", 1},
      {"AnimationKind", 8},
      {"AnimationLoops", 0},
      {"AnimationFrame", 0},
      {"FishingActive", 0},
      {"StripRect", 0, {0, 0, 24000, 600}},
      {"NightTint", 70}}},
    {63, 64, "CabinTexture", RoomView, {{"Animating", 0}}},
    {64, 65, "CabinInsideTexture", RoomView, {{"Dialogue", 104}, {"FootstepSurface", 0}, {"NightTint", 0}},
     {{"stop", "BirdsSound"}}},
    {65, 66, "CabinKitchenNoRodTexture", RoomView},
    {66, 67, "CabinKitchenUhOhTexture", std::nullopt, {{"UseReady", 0}, {"RodVisible", 0}}},
    {67, 68, "CabinInsideTwoTexture", RoomView, {{"Dialogue", 107}}},
    {68, 69, "CabinTVTexture", ScreenView, {}, {{"start", "GiberishSound"}}},
    {69, 70, nullptr, ScreenView,
     {{"Animating", 1}, {"AnimationFrame", 0}, {"AnimationLoops", 0}, {"AnimationKind", 9},
      {"StripRect", 0, {0, 0, 4800, 600}}},
     {{"stop", "GiberishSound"}}},
    {70, 71, "TelephoneTexture", ScreenView, {{"Animating", 0}, {"UseReady", 1}}},
    {73, 74, "CabinInsideFourTexture", RoomView, {{"UseReady", 0}, {"Dialogue", 123}}},
    {74, 75, "CabinOutsideTexture", RoomView,
     {{"NightTint", 110}, {"Animating", 1}, {"AnimationKind", 4}, {"AnimationFrame", 0}},
     {{"loop", "CricketsSound"}, {"loop", "CreepyAmbienceSound"}}},
    {76, 77, "CampfireTexture", RoomView, {{"NightTint", 100}, {"UseReady", 1}}},
    {78, 79, "CabinPhotoTexture", RoomView, {{"NightTint", 160}, {"Animating", 0}, {"Dialogue", 139}}},
    {80, 81, "CabinInsideTexture", RoomView, {{"NightTint", 0}, {"FootstepSurface", 0}, {"Dialogue", 147}},
     {{"stop", "CricketsSound"}}},
    {81, 82, "CabinBedRoomTexture", RoomView, {{"GameOverShown", 0}}},
    {82, 83, "CabinBedTexture", RoomView, {{"Dialogue", 150}}},
    {83, 84, "CabinClosetTexture", RoomView},
    {84, 85, "ClosetInsideTexture", Rect{0, 0, 2400, 600}, {{"ThreatActive", 0}, {"AnimationFrame", 0}},
     {{"loop", "CreepyChordsSound"}}},
    {85, 86, "ItGetsAwaySheetTexture", Rect{-650, -200, 14000, 1000}, {{"ThreatActive", 0}, {"AnimationFrame", 0}}},
    {88, 89, "CabinOutsideTexture", RoomView, {{"AnimationFrame", 0}, {"NightTint", 180}, {"FootstepSurface", 1}},
     {{"loop", "CricketsSound"}}},
    {89, 90, "ForestWalkOneTexture", ScreenView,
     {{"AnimationFrame", 0}, {"NightTint", 200}, {"Animating", 1}, {"AnimationKind", 3}}},
    {90, 91, "ForestCarTexture", RoomView},
    {91, 92, "DriveAwaySheetTexture", Rect{0, 0, 12000, 600},
     {{"Animating", 1}, {"AnimationFrame", -1}, {"AnimationKind", 256}, {"NightTint", 180}, {"DriveAwayTimer", 1}}},
    {92, 92, "ThxForPlayTexture", ScreenView, {{"Animating", 0}, {"NightTint", 0}, {"ShiftQuitAllowed", 1}},
     {{"stop", "CarDrivingSound"}, {"start", "BirdsSound"}, {"stop", "CreepyChordsSound"}}},
};

// Scenes of the story that have no row.
inline const std::vector<int> ScenesWithoutRow = {0, 13, 20, 49, 56, 71, 72, 75, 77, 79, 86, 87, 93};

// How the story leaves a scene that has a row: Return at its exit, Return on
// its object, or a fade that an animation, a timer or the night starts.
enum class LeftBy { Exit, Use, Fade, Never };

inline LeftBy HowLeft(int scene) {
  switch (scene) {
    case 58:  // taking the rod
    case 66:  // putting it back
    case 73:  // walking away from the telephone
      return LeftBy::Use;
    case 18: case 21: case 36: case 42: case 44: case 61: case 63: case 70: case 90: case 92:
      return LeftBy::Fade;
    case 14:  // its fade comes only with the morning line up, which blocks the row
      return LeftBy::Never;
    default:
      return LeftBy::Exit;
  }
}

// The fade.
inline constexpr int FadeSpeed = 1000;         // alpha units per second, unless a row or use says otherwise
inline constexpr int FullyBlack = 254;         // a fade-out turns into a fade-in above this
inline constexpr int RowDarkness = 220;        // a row applies only above this (but rows 35 and 36)
inline constexpr int CardShown = 229;          // the next-day card shows above this
inline constexpr float WalkSpeedAfterFade = 250;
inline constexpr float WalkSpeedAtStart = 255;

}  // namespace record::rows
