#pragma once
// The story is one chain of numbered scenes. Most moves from one to the next
// go through a fade, and on the first frame of the fade back the row of the
// scene being left is applied: the next scene's backdrop, view, flags and sounds.

#include <array>
#include <optional>

#include "platform/Platform.h"
#include "core/GameState.h"

// A field a row sets, with the value it sets.
enum class RowSets {
  Nothing,
  UseReady,
  Dialogue,          // DialogueActive = true and MessageIndex = value
  MessageIndexOnly,  // MessageIndex = value; the box opens later
  DialogueActive,
  Animating,
  AnimationKind,
  AnimationFrame,
  AnimationLoops,
  NightTint,
  FootstepSurface,
  EatTimer,
  FadeSpeed,
  RodVisible,
  FishingActive,
  NextDayHold,
  NextDayTimer,
  ThreatActive,
  GameOverShown,
  ShiftQuitAllowed,
  DriveAwayTimer,
  StripRectToLakeStart,  // StripRect = (0, 0, 24000, 600)
  StripRectToPhoneStart,  // StripRect = (0, 0, 4800, 600)
};

struct RowEffect {
  RowSets field = RowSets::Nothing;
  int value = 0;
};

enum class SoundCommand {
  None,
  StartLooping,  // set looping, then start
  Start,         // start, leaving its looping setting alone
  Stop,
};

struct RowSound {
  SoundCommand command = SoundCommand::None;
  SoundId sound = SoundCount;
};

// Guards beyond the darkness test.
enum class RowGuard {
  None,
  NoDialogueNoHold,  // row 14: the morning line and the next-day card are gone
  NotAnimating,      // row 18: the car ride has ended
};

struct SceneRow {
  int scene = -1;
  std::optional<TextureId> backdrop;  // none: the backdrop is left alone
  std::optional<FRect> view;          // none: BackgroundRect is left alone
  bool darknessTest = true;           // FadeAlpha must be above 220
  RowGuard guard = RowGuard::None;
  std::array<RowEffect, 8> effects{};
  std::array<RowSound, 4> sounds{};
};

inline constexpr int LastStoryScene = 92;

// The row for a scene, or null for scenes left without a fade.
const SceneRow* FindSceneRow(int scene);

// Applies the row of the current scene if its guards hold; `darkness` is the
// fade's alpha that the darkness test looks at.
void ApplySceneRow(GameState& state, Audio& audio, int darkness);

// The darkness a row needs before it applies.
inline constexpr int RowDarknessThreshold = 220;
