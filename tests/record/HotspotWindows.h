#pragma once
// The record of where Return walks on or uses something, copied by hand from
// the game's description: each scene's window of the backdrop's x (strict
// comparisons at both ends), its extra rule, the scenes without a window, and
// what Return does at an exit. Nothing here is taken from the game's code.

#include <limits>
#include <vector>

namespace record::hotspots {

inline constexpr float Open = std::numeric_limits<float>::infinity();

enum class Rule {
  Window,          // flag = lower < x < upper, set and cleared every frame
  Always,          // flag = true, never cleared
  UnlessUseActive, // scene 7: UseReady = true while UseActive is false
  UnlessAnimating, // scene 30: the window applies only once Animating is false
  UntilDrunk,      // scene 43: UseReady by the window while not Drinking and DrinkTimer > 0;
                   // once DrinkTimer < 0, ExitReady = true
  UnlessFading,    // scene 58: UseReady = window and not FadingOut and not FadingIn
  PhoneGone,       // scene 86: x > -500 and MessageIndex not 173 opens line 168; else ExitReady = false
};

struct Window {
  int scene;
  bool exit;  // true: ExitReady; false: UseReady
  float lower;
  float upper;
  Rule rule = Rule::Window;
};

inline const std::vector<Window> Windows = {
    {0, true, -450, -300},
    {1, true, -650, -500},
    {2, true, -400, Open},
    {3, true, -Open, -900},
    {4, true, -Open, -700},
    {6, true, -700, -600},
    {7, false, -Open, Open, Rule::UnlessUseActive},
    {8, true, -Open, -850},
    {9, true, -350, Open},
    {11, true, -700, -500},
    {12, true, -Open, -800},
    {14, true, -450, -300},
    {15, true, -650, -500},
    {16, true, -700, -600},
    {17, true, -350, Open},
    {19, true, -740, -500},
    {21, true, -900, -700},
    {22, true, -900, -740},
    {23, true, -700, -500},
    {24, true, -250, Open},
    {25, true, -700, -500},
    {27, true, -250, Open},
    {28, true, -Open, Open, Rule::Always},
    {29, true, -700, -500},
    {30, true, -350, Open, Rule::UnlessAnimating},
    {32, true, -700, -500},
    {33, true, -250, Open},
    {34, true, -350, Open},
    {35, true, -Open, -660},
    {37, true, -Open, Open, Rule::Always},
    {38, true, -467, Open},
    {40, true, -Open, -780},
    {41, true, -350, Open},
    {43, false, -690, -450, Rule::UntilDrunk},
    {45, true, -900, -740},
    {46, true, -690, -450},
    {47, true, -690, -600},
    {48, true, -520, Open},
    {50, true, -450, -300},
    {51, true, -Open, -900},
    {52, true, -700, -500},
    {54, true, -350, Open},
    {55, true, -700, -500},
    {58, false, -150, Open, Rule::UnlessFading},
    {59, true, -Open, -900},
    {60, true, -Open, -1000},
    {62, true, -Open, Open, Rule::Always},
    {64, true, -700, -500},
    {65, true, -200, Open},
    {66, false, -640, -390},
    {67, true, -Open, Open, Rule::Always},
    {68, true, -150, Open},
    {74, true, -300, Open},
    {76, true, -350, Open},
    {80, true, -700, -500},
    {81, true, -700, -500},
    {82, true, -520, Open},
    {84, true, -700, -500},
    {86, true, -500, Open, Rule::PhoneGone},
    {88, true, -700, -500},
    {89, true, -250, Open},
    {91, true, -700, -500},
};

// There the flags come only from rows, uses, dialogue ends, mini-games and
// animations, and keep their value.
inline const std::vector<int> ScenesWithoutWindow = {5,  10, 13, 18, 20, 26, 31, 36, 39, 42, 44, 49, 53, 56, 57, 61,
                                                     63, 69, 70, 71, 72, 73, 75, 77, 78, 79, 83, 85, 87, 90, 92, 93};

// Return at an exit: a footstep by the surface, then by scene.
inline constexpr const char* WoodFootstep = "Assets/Audio/Footsteps_Wood.mp3";   // FootstepSurface 0
inline constexpr const char* GrassFootstep = "Assets/Audio/Footsteps_Grass.mp3"; // FootstepSurface 1
inline constexpr const char* EngineStart = "Assets/Audio/Engine_Startup.mp3";    // scene 17, with its fade
// Scene 0 goes to 1 and scene 14 to 15 without a fade, Animating set (kind 0);
// scene 60 sets FadeSpeed 1000 and fades; every other scene fades.

}  // namespace record::hotspots
