#pragma once
// Where, by how far the backdrop has been slid sideways, Return walks on or uses
// something. The asset generator places the doors and objects from this same
// table, so a picture always shows the way on where the game expects it.

#include <array>
#include <limits>

struct GameState;

enum class HotspotFlag { Exit, Use };

// Most windows are just "lower < x < upper"; these few have a further rule.
enum class HotspotRule {
  Window,             // flag = (lower < x < upper), set and cleared every frame
  AlwaysSet,          // flag = true, never cleared by the window
  UnlessUseActive,    // scene 7: the meal is usable until it has been started
  UnlessAnimating,    // scene 30: the exit opens once the cabin door animation is over
  UntilDrunk,         // scene 43: the bottle until drunk, then the exit everywhere
  UnlessFading,       // scene 58: the rod cannot be taken again while the fade runs
  PhoneGoneDialogue,  // scene 86: walking left past the window starts the dialogue
};

struct HotspotWindow {
  int scene;
  HotspotFlag flag;
  float lower;  // exclusive
  float upper;  // exclusive
  HotspotRule rule = HotspotRule::Window;
};

inline constexpr float Unbounded = std::numeric_limits<float>::infinity();

inline constexpr auto HotspotWindows = std::to_array<HotspotWindow>({
    {0, HotspotFlag::Exit, -450, -300},
    {1, HotspotFlag::Exit, -650, -500},
    {2, HotspotFlag::Exit, -400, Unbounded},
    {3, HotspotFlag::Exit, -Unbounded, -900},
    {4, HotspotFlag::Exit, -Unbounded, -700},
    {6, HotspotFlag::Exit, -700, -600},
    {7, HotspotFlag::Use, -Unbounded, Unbounded, HotspotRule::UnlessUseActive},
    {8, HotspotFlag::Exit, -Unbounded, -850},
    {9, HotspotFlag::Exit, -350, Unbounded},
    {11, HotspotFlag::Exit, -700, -500},
    {12, HotspotFlag::Exit, -Unbounded, -800},
    {14, HotspotFlag::Exit, -450, -300},
    {15, HotspotFlag::Exit, -650, -500},
    {16, HotspotFlag::Exit, -700, -600},
    {17, HotspotFlag::Exit, -350, Unbounded},
    {19, HotspotFlag::Exit, -740, -500},
    {21, HotspotFlag::Exit, -900, -700},
    {22, HotspotFlag::Exit, -900, -740},
    {23, HotspotFlag::Exit, -700, -500},
    {24, HotspotFlag::Exit, -250, Unbounded},
    {25, HotspotFlag::Exit, -700, -500},
    {27, HotspotFlag::Exit, -250, Unbounded},
    {28, HotspotFlag::Exit, -Unbounded, Unbounded, HotspotRule::AlwaysSet},
    {29, HotspotFlag::Exit, -700, -500},
    {30, HotspotFlag::Exit, -350, Unbounded, HotspotRule::UnlessAnimating},
    {32, HotspotFlag::Exit, -700, -500},
    {33, HotspotFlag::Exit, -250, Unbounded},
    {34, HotspotFlag::Exit, -350, Unbounded},
    {35, HotspotFlag::Exit, -Unbounded, -660},
    {37, HotspotFlag::Exit, -Unbounded, Unbounded, HotspotRule::AlwaysSet},
    {38, HotspotFlag::Exit, -467, Unbounded},
    {40, HotspotFlag::Exit, -Unbounded, -780},
    {41, HotspotFlag::Exit, -350, Unbounded},
    {43, HotspotFlag::Use, -690, -450, HotspotRule::UntilDrunk},
    {45, HotspotFlag::Exit, -900, -740},
    {46, HotspotFlag::Exit, -690, -450},
    {47, HotspotFlag::Exit, -690, -600},
    {48, HotspotFlag::Exit, -520, Unbounded},
    {50, HotspotFlag::Exit, -450, -300},
    {51, HotspotFlag::Exit, -Unbounded, -900},
    {52, HotspotFlag::Exit, -700, -500},
    {54, HotspotFlag::Exit, -350, Unbounded},
    {55, HotspotFlag::Exit, -700, -500},
    {58, HotspotFlag::Use, -150, Unbounded, HotspotRule::UnlessFading},
    {59, HotspotFlag::Exit, -Unbounded, -900},
    {60, HotspotFlag::Exit, -Unbounded, -1000},
    {62, HotspotFlag::Exit, -Unbounded, Unbounded, HotspotRule::AlwaysSet},
    {64, HotspotFlag::Exit, -700, -500},
    {65, HotspotFlag::Exit, -200, Unbounded},
    {66, HotspotFlag::Use, -640, -390},
    {67, HotspotFlag::Exit, -Unbounded, Unbounded, HotspotRule::AlwaysSet},
    {68, HotspotFlag::Exit, -150, Unbounded},
    {74, HotspotFlag::Exit, -300, Unbounded},
    {76, HotspotFlag::Exit, -350, Unbounded},
    {80, HotspotFlag::Exit, -700, -500},
    {81, HotspotFlag::Exit, -700, -500},
    {82, HotspotFlag::Exit, -520, Unbounded},
    {84, HotspotFlag::Exit, -700, -500},
    {86, HotspotFlag::Exit, -500, Unbounded, HotspotRule::PhoneGoneDialogue},
    {88, HotspotFlag::Exit, -700, -500},
    {89, HotspotFlag::Exit, -250, Unbounded},
    {91, HotspotFlag::Exit, -700, -500},
});

// The window of a scene, or null where the scene has none.
const HotspotWindow* FindHotspotWindow(int scene);

// Sets ExitReady and UseReady from the backdrop's x. Runs only while no
// dialogue line is shown.
void UpdateHotspots(GameState& state);
