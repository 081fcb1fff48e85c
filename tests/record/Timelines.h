#pragma once
// The moments of the game that move on by themselves, with their times, as the
// game's description gives them. Every timer is a float in seconds lowered by
// the frame's DeltaTime, except where the description counts frames of 60 Hz
// (the static here, the closet sequence, the creature getting away, and the
// animations): those run in sixtieths of a second and are lowered by each
// one's length. The note beside each says when it runs out. Written out by
// hand from the description.

namespace record {

// --- The title ---
inline constexpr float IntroTime = 3.5f;      // lowered while above 0; Return counts once it is at or below 0
inline constexpr float TitleFadeRate = 150;   // alpha units per second, down and up, and for the intro picture
inline constexpr int TitleBlackAbove = 249;   // the darkening turns to lifting once the alpha is above this
inline constexpr float TipHold = 1.0f;        // at or below 0: the game begins
inline constexpr float StaticFirstChange = 0.002f;  // below 0: a new static frame, and the timer back to...
inline constexpr float StaticPeriod = 0.3f;

// --- Timed scene events ---
inline constexpr float TelevisionTime = 5.0f;  // scene 13; below 0
inline constexpr float NextDayTime = 6.0f;     // below 0
inline constexpr float LightsOutTime = 2.0f;   // scene 36; below 0
inline constexpr float PhoneRingsAfter = 5.0f; // scene 69; tested before it is lowered
inline constexpr float PhoneNoticedAfter = 4.0f;

// --- Mini-games ---
inline constexpr int FirstWaitRange = 10;  // whole seconds 0..9, drawn at start-up
inline constexpr int LaterWaitRange = 13;  // whole seconds 0..12
inline constexpr float FirstWindow = 3.0f;
inline constexpr float WindowAfterCatch = 2.0f;
inline constexpr float WindowAfterMiss = 1.8f;
inline constexpr int PressesToCatch = 6;
inline constexpr int Bites = 5;
inline constexpr float FishingEndPause = 1.0f;  // below 0
inline constexpr float CursorSpeed = 40;        // px/s down and left together
inline constexpr float CursorTargetY = 310;     // at or beyond
inline constexpr float CursorTargetX = 340;
inline constexpr int BrushStrokes = 20;

// --- The last night ---
inline constexpr int DeathSceneNumber = 5485;          // the death or the jumpscare on screen
inline constexpr int JumpscareGameOverSceneNumber = 5486;
inline constexpr int JumpscareClosingSceneNumber = 1326;
inline constexpr float HidingTime = 7.0f;     // at or below 0: death (black and its sound)
inline constexpr float GameOverShowsAt = -4;  // at or below: the picture fades in at 50 a second
inline constexpr int GameOverFadeSpeed = 50;
inline constexpr float BackToBedAt = -12;     // at or below: fade (1000 a second) back to the bedroom
inline constexpr float ClosetTime = 9.0f;     // the closet sequence counts sixtieths from at or below 0
inline constexpr float ClosetFootstepsAt = 5.0f;  // at or below: walking and moans
struct ClosetView {
  int firstFrame, lastFrame;
  float x;
};
inline constexpr ClosetView ClosetViews[] = {{0, 5, -800}, {6, 80, -1600}, {81, 85, -800}, {86, 90, 0}};
struct ClosetSound {
  int frame;
  const char* path;
};
inline constexpr ClosetSound ClosetSounds[] = {{150, "Assets/Audio/ItWalkingInYourRoom.mp3"},
                                               {450, "Assets/Audio/CreepyYell.mp3"},
                                               {500, "Assets/Audio/WoodRunning.mp3"}};
inline constexpr int ClosetDialogueFrame = 800;
inline constexpr int ClosetFirstLine = 162;
inline constexpr float GetAwayFirstView = 0.5f;  // at or below 0: a step of 2000 to the left
inline constexpr float GetAwayPeriod = 0.1f;
inline constexpr int GetAwaySteps = 5;
inline constexpr float ChaseTime = 40.0f;        // scene 90; tested before it is lowered
inline constexpr float FaceShown = 0.6f;         // the jumpscare face while at or above 0
inline constexpr float FaceSlideSpeed = 1600;    // px/s up from y 400, then held at 0
inline constexpr float ClosingScreenAt = -5;     // at or below
inline constexpr float GameOverRevealRate = 900; // alpha units per second
inline constexpr float ClosingTintFadeRate = 80;

}  // namespace record
