#pragma once
// The one record that holds every changing value of the game. The frame's
// operations read and change it in place; nothing else holds game state.
// Each group below belongs to the subsystem named in its heading; the values
// after "=" are the values the game starts with.

#include <array>
#include <cstdint>

// Every part of the game names its pictures and sounds by the catalogs.
#include "core/SoundCatalog.h"
#include "core/TextureCatalog.h"
#include "platform/Geometry.h"

// What an animation does; the numbers are those the scene rows and uses set.
enum AnimationKindValue : int {
  GetOutOfBed = 0,
  CarRideOne = 1,
  CarRideTwo = 2,
  ForestWalk = 3,
  LeaveCabin = 4,
  CampfireFlicker = 5,
  LakeShimmer = 6,
  WalkToLake = 8,
  WalkToPhone = 9,
  DriveAway = 256,
};

// Scene numbers outside the story's 0..92: the game-over states.
inline constexpr int DeathScene = 5485;
inline constexpr int JumpscareGameOverScene = 5486;
inline constexpr int JumpscareClosingScene = 1326;

inline constexpr int MessageTextSize = 100;

// A level of light as drawn, eased toward the game's own a part of a unit at
// a time; `carry` is the part a frame's step has left over.
struct EasedLevel {
  int shown = 0;
  float carry = 0;
};

struct GameState {
  // --- Shell: frame clock, loops, quitting ---
  std::uint64_t LastTicks = 0;  // ms; kept whole so the frame time stays exact in long sessions
  float DeltaTime = 0;          // s, always within [0, 0.05]
  float RepeatTimer = 0;
  float RepeatPeriod = 1.0f;
  bool RepeatPulse = false;  // RepeatTimer passed its period in this frame
  // Game time in whole milliseconds, and the sixtieths of a second that have
  // ended in it, all told and in this frame (core/Sixtieths.h).
  std::uint64_t GameTimeMs = 0;
  std::uint64_t SixtiethsSoFar = 0;
  int SixtiethsThisFrame = 0;
  bool TitleRunning = true;
  bool ShiftQuitAllowed = false;

  // --- Title screen ---
  bool TitleStartPressed = false;
  float IntroTimer = 3.5f;
  bool IntroFading = false;
  float IntroAlpha = 255;
  float TitleExitTimer = 1.0f;
  float TipAlpha = 255;
  float TitleFadeCarry = 0;  // fraction of the title's fade step carried to the next frame

  // --- Scenes and fades ---
  int SceneIndex = 0;
  TextureId BackgroundTexture = HouseBedRoomBedTexture;
  FRect BackgroundRect{-650, -200, 2000, 1000};
  int FadeAlpha = 0;
  int FadeSpeed = 1000;  // alpha units per second
  bool FadingOut = false;
  bool FadingIn = false;
  bool SceneChangePending = true;
  bool NextDayHold = false;
  float NextDayTimer = 6.0f;
  // The fade keeps the fraction of each whole-number step for the next frame, so
  // slow fades still move on fast displays; FadeCarryAlpha is the alpha that the
  // fade itself left, so a value set from elsewhere starts the carry afresh.
  float FadeCarry = 0;
  int FadeCarryAlpha = 0;

  // --- Walking, hotspots and uses ---
  float WalkSpeed = 255;  // px/s
  int FootstepSurface = 0;  // 0 wood, 1 grass
  bool ExitReady = false;
  bool UseReady = false;
  bool UseActive = false;
  float EatTimer = 3.0f;
  int FoodChoice = 0;  // 1 soup, 0 or 2 pizza; drawn at start-up
  bool Drinking = false;
  float DrinkTimer = 3.0f;
  bool PhotoShown = false;
  bool RodVisible = false;

  // --- Dialogue ---
  int MessageIndex = 0;
  bool DialogueActive = true;
  std::array<char, MessageTextSize> MessageText{};
  // The line last written into MessageText (and so drawn). Return advances only
  // a line that has been on screen, so a press made just before a conversation
  // opens (hammering Return at an exit, say) cannot skip its first line unseen.
  int WrittenMessageIndex = -1;
  FRect TextCursorRect{0, 500, 15, 15};

  // --- Overlays ---
  int NightTint = 0;
  float StaticTimer = 0.002f;
  int StaticFrame = 0;

  // --- Gentler light (drawn only for a player who asks for fewer flashes) ---
  // The black and white laid over the screen as they are drawn: they follow
  // the game's own, but where those would jump they move at a fade's pace.
  // The game opens out of black.
  EasedLevel GentleBlack{255};
  EasedLevel GentleLeadIn;
  EasedLevel GentleFlash;
  EasedLevel GentleTint;

  // --- Animations ---
  bool Animating = false;
  int AnimationKind = 8;
  int AnimationFrame = 0;
  int AnimationLoops = 0;
  FRect StripRect{0, 0, 24000, 600};
  float BedPanTimer = 0.1f;
  float CarLeadInTimer = 1.8f;
  float CarOneTimer = 0.1f;
  float CarTwoTimer = 0.1f;
  float StepTimer = 0.1f;
  float LeaveCabinTimer = 0.1f;
  float CampfireTimer = 0.3f;
  float LakeTimer = 0.6f;
  float PhoneWalkTimer = 0.1f;
  float DriveAwayTimer = 0.1f;
  bool CampfireFlashPending = true;
  int CampfireFlashCount = 0;  // sixtieths of a second of the flash so far
  bool CampfireFlashShowing = false;  // the last sixtieth was white
  bool DriveAwayStarted = false;

  // --- Timed events ---
  float TelevisionTimer = 5.0f;
  float LightsOutTimer = 2.0f;
  float PhoneTimer = 5.0f;
  bool PhoneRinging = false;

  // --- Mini-games ---
  bool BrushingActive = false;
  int BrushStrokes = 0;
  bool BrushUp = true;
  FRect ToothbrushRect{400, 350, 250, 30};
  FRect ComputerCursorRect{450, 200, 10, 15};
  bool CursorClickPlayed = false;
  bool FishingActive = false;
  int ClickCount = 0;
  int BitesPlayed = 0;
  float ClickWaitTimer = 0;  // drawn at start-up: whole seconds 0 to 9
  float ClickWindowTimer = 3.0f;
  float ClickEndTimer = 1.0f;

  // --- The last night ---
  bool ThreatActive = false;
  float ThreatTimer = 7.0f;
  bool DeathSoundPending = true;
  bool GameOverShown = false;
  float ClosetTimer = 9.0f;
  float GetAwayTimer = 0.5f;
  bool GetAwaySoundPending = true;
  float ChaseTimer = 40.0f;
  bool JumpscareActive = false;
  float JumpscareTimer = 0.6f;
  bool JumpscareSoundPending = true;
  FRect JumpscareRect{0, 400, 800, 600};
  // Parts of a unit that the game-over reveal and the closing tint have still
  // to take off, so they fall at their rates on every display.
  float GameOverRevealOwed = 0;
  float ClosingTintOwed = 0;
};

// The game's starting values, with the two random draws made at start-up
// (the meal and the first fishing wait), taken from the seeded generator.
GameState InitialGameState();
