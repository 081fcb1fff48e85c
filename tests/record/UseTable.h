#pragma once
// The record of what Return does on a scene's object, copied by hand from the
// game's description, and of the meals and the drink that such a use starts.
// Pictures and persistent sounds are named as the catalogs name them; sounds
// played once by their file. Nothing here is taken from the game's code.

#include <vector>

namespace record::uses {

struct Rect {
  float x, y, w, h;
};

inline constexpr Rect RoomView{-650, -200, 2000, 1000};

// One field a use sets. Flags are 1 or 0; "Dialogue" n opens the box on line
// n; "BackgroundTexture" names a picture; "BackgroundRect" takes `rect`.
struct Set {
  const char* field;
  int value = 0;
  const char* picture = nullptr;
  Rect rect{};
};

inline Set Picture(const char* name) { return {"BackgroundTexture", 0, name}; }
inline Set View(Rect rect) { return {"BackgroundRect", 0, nullptr, rect}; }

struct Sound {
  const char* command;  // "start" or "stop"
  const char* sound;
};

enum class Condition { None, NotDrinking, PhotoHidden, PhotoShown };

struct Use {
  int scene;
  Condition condition;
  std::vector<Set> sets;
  std::vector<const char*> playedOnce = {};
  std::vector<Sound> sounds = {};
};

inline constexpr const char* Eating = "Assets/Audio/Eating.mp3";
inline constexpr const char* ComputerBeep = "Assets/Audio/Computer_Beep.mp3";
inline constexpr const char* Lighter = "Assets/Audio/Lighter.mp3";
inline constexpr const char* Drinking = "Assets/Audio/Drinking.mp3";

inline const std::vector<Use> Uses = {
    {5, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, {"BrushingActive", 1}}},
    {7, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, {"DialogueActive", 0}}, {Eating}},
    {26, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, {"DialogueActive", 0}}, {Eating}},
    {53, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, {"DialogueActive", 0}}, {Eating}},
    {10, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, Picture("ComputerCabinRentalsTexture")}, {ComputerBeep}},
    {31, Condition::None,
     {{"UseActive", 1}, {"UseReady", 0}, {"AnimationLoops", 0}, {"Dialogue", 55}, Picture("CampfireOneTexture"),
      {"Animating", 1}, {"AnimationKind", 5}, View(RoomView)},
     {Lighter}},
    {39, Condition::None, {{"Dialogue", 75}, {"UseReady", 0}}},
    {43, Condition::NotDrinking, {{"UseReady", 0}, {"Drinking", 1}}, {Drinking}},
    {56, Condition::None, {{"UseActive", 1}, {"UseReady", 0}, {"BrushingActive", 1}, {"BrushStrokes", 0}}},
    {58, Condition::None, {{"FadingOut", 1}, {"FadeSpeed", 350}}},
    {61, Condition::None, {{"UseReady", 0}, {"FishingActive", 1}}},
    {66, Condition::None, {{"FadingOut", 1}}},
    {71, Condition::None, {Picture("TelephoneUseTexture"), {"UseReady", 0}, {"Dialogue", 118}}, {},
     {{"stop", "TelephoneSound"}, {"start", "HeavyBreathingSound"}}},
    {72, Condition::None, {Picture("TelephoneTexture"), {"UseReady", 1}, {"SceneIndex", 73}}, {},
     {{"stop", "HeavyBreathingSound"}}},
    {73, Condition::None, {{"FadingOut", 1}}},
    {77, Condition::None,
     {{"AnimationFrame", 1}, {"AnimationKind", 5}, {"Animating", 1}, {"UseReady", 0}, {"SceneIndex", 78},
      {"Dialogue", 127}, View(RoomView)},
     {Lighter}},
    {79, Condition::PhotoHidden, {{"PhotoShown", 1}, Picture("CabinTexture")}},
    {79, Condition::PhotoShown,
     {{"PhotoShown", 0}, Picture("CabinPhotoTexture"), {"SceneIndex", 80}, {"UseReady", 0}, {"Dialogue", 143}}},
};

// Meals: EatTimer starts at 3 s (rows 25 and 52 set it to 3 again); it falls
// while UseActive and not UseReady in scenes 7, 26 and 53, and the meal ends on
// the first frame it is below 0.
inline constexpr float MealSeconds = 3.0f;
// At the end of the meal in scene 7: ExitReady, and UseActive stays true.
// In 26: the box opens on the line the row left (41), ExitReady, UseReady and
// UseActive false. In 53: the same, on line 89.
struct MealEnd {
  int scene;
  bool exitReady;
  bool dialogue;
  int line;  // -1: MessageIndex stays
};
inline const std::vector<MealEnd> MealEnds = {{7, true, false, -1}, {26, false, true, 41}, {53, false, true, 89}};

// The drink in scene 43: 3 s of DrinkTimer, WalkSpeed 0 meanwhile and 250 after.
inline constexpr float DrinkSeconds = 3.0f;
inline constexpr float WalkSpeedAfterDrink = 250;

}  // namespace record::uses
