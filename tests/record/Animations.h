#pragma once
// The scripted animations as the game's description gives them: what each kind
// shows, in which order, how fast, and what it does at the end of a cycle.
// Written out by hand from the description. The description's frames are
// those of 60 Hz: every tick and step here runs once per sixtieth of a second
// of game time, its timer lowered by that sixtieth's length.

#include "ScreenPlaces.h"

namespace record {

// Picture swapping: AnimationFrame n (1..count) shows pictures[n - 1]; each tick
// of the kind's timer (below zero, then back to its full period) moves n on by
// one. When n reaches wrapAt, wrapPicture (if any) is shown and n becomes
// frameAfterWrap; a looping kind counts a loop there, the others end (the first
// car ride by handing over to the second).
struct PictureSwap {
  int kind;
  const char* name;
  float period;        // s
  float timerAtStart;  // the tick timer's value when a game begins
  int count;
  const char* pictures[15];
  int wrapAt;
  const char* wrapPicture;
  int frameAfterWrap;
  bool countsLoop;
  bool endsAtWrap;
};

inline constexpr PictureSwap PictureSwaps[] = {
    {0, "GetOutOfBed", 0.1f, 0.1f, 3,
     {"HouseWalkMiddleOneTexture", "HouseWalkMiddleTwoTexture", "HouseWalkMiddleThreeTexture"},
     4, "HouseBedRoomMiddleTexture", 0, false, true},
    {1, "CarRideOne", 0.1f, 0.1f, 5,
     {"CarDriveOneTexture", "CarDriveTwoTexture", "CarDriveThreeTexture", "CarDriveFourTexture", "CarDriveFiveTexture"},
     6, "CarDriveSixTexture", 0, false, true},
    {2, "CarRideTwo", 0.1f, 0.1f, 7,
     {"CarDriveTwoOneTexture", "CarDriveTwoTwoTexture", "CarDriveTwoThreeTexture", "CarDriveTwoFourTexture",
      "CarDriveTwoFiveTexture", "CarDriveTwoSixTexture", "CarDriveTwoSevenTexture"},
     8, "CarDriveTwoEightTexture", 0, true, false},
    {3, "ForestWalk", 0.15f, 0.1f, 15,
     {"ForestWalkOneTexture", "ForestWalkTwoTexture", "ForestWalkThreeTexture", "ForestWalkFourTexture",
      "ForestWalkFiveTexture", "ForestWalkSixTexture", "ForestWalkSevenTexture", "ForestWalkEightTexture",
      "ForestWalkNineTexture", "ForestWalkTenTexture", "ForestWalkElevenTexture", "ForestWalkTwelveTexture",
      "ForestWalkThirteenTexture", "ForestWalkFourteenTexture", "ForestWalkFifteenTexture"},
     16, nullptr, 1, true, false},
    {4, "LeaveCabin", 0.1f, 0.1f, 5,
     {"LeaveCabinOneTexture", "LeaveCabinTwoTexture", "LeaveCabinThreeTexture", "LeaveCabinFourTexture",
      "LeaveCabinFiveTexture"},
     6, nullptr, 0, false, true},
    {5, "CampfireFlicker", 0.3f, 0.3f, 3, {"CampfireOneTexture", "CampfireTwoTexture", "CampfireThreeTexture"},
     4, "CampfireTwoTexture", 0, false, false},
    {6, "LakeShimmer", 0.6f, 0.6f, 4, {"LakeTexture", "LakeTwoTexture", "LakeTexture", "LakeTwoTexture"},
     5, nullptr, 0, false, false},
};

// Leaving the cabin ends without a fade: at night (scene 75) on the path with
// the photo, in scene 76 on grass; in any other scene on the cabin in scene 30.
struct LeaveCabinEnd {
  int from, to;
  const char* backdrop;
  int footstepSurface;  // -1: left as it was
};
inline constexpr LeaveCabinEnd LeaveCabinEnds[] = {{75, 76, "CabinPhotoTexture", 1}, {30, 30, "CabinTexture", -1}};

// Getting out of bed pans the view 20 pixels right per tick (80 in all).
inline constexpr float BedPanPerTick = 20;
// The first car ride starts with 1.8 s of opaque black while the timer is at or above 0.
inline constexpr float CarLeadIn = 1.8f;
// The looping car ride and the forest walks last at least eight loops.
inline constexpr int LeastLoops = 8;

// Strip drawing: a strip of frames 800 wide drawn over the backdrop, moved one
// frame to the left per tick.
struct Strip {
  int kind;
  const char* picture;
  float period;
  float timerAtStart;
  int steps;  // ticks while AnimationFrame is at most steps - 1
  Place start;
};
inline constexpr float StripFrameWidth = 800;
inline constexpr Strip WalkToPhoneStrip{9, "WalkToPhoneTexture", 0.1f, 0.1f, 6, {0, 0, 4800, 600}};
inline constexpr Place WalkToPhoneStripGone{4000, 0, 4800, 600};
inline constexpr const char WalkToPhoneBackdrop[] = "TelephoneTexture";
inline constexpr Strip WalkToLakeStrip{8, "WalkToLakeTexture", 0.2f, 0.1f, 30, {0, 0, 24000, 600}};
inline constexpr Place WalkToLakeEndView{0, 0, 24000, 600};

// The drive away: one black second (FadeAlpha held at 255 while its timer is
// at or above 0), then the sheet slides 800 to the left every 0.07 s, 14 times,
// then a fade to black at 100 units per second.
inline constexpr float DriveAwayBlack = 1.0f;
inline constexpr float DriveAwayPeriod = 0.07f;
inline constexpr int DriveAwaySlides = 14;
inline constexpr int DriveAwayFadeSpeed = 100;

// What the player hears along the forest walks.
struct WalkCue {
  int scene;
  int loops;
  int frame;
  const char* path;
  int frameAfter;
};
inline constexpr WalkCue ForestWalkCues[] = {
    {42, 4, 7, "Assets/Audio/CreepyNoise.mp3", 8},      {42, 2, 4, "Assets/Audio/IdkWhatToNameThis.mp3", 5},
    {44, 4, 3, "Assets/Audio/ItWalkingOnGrass.mp3", 5}, {90, 2, 3, "Assets/Audio/ItRunningOnGrass.mp3", 5},
    {90, 3, 5, "Assets/Audio/WhatEvenIsThis.mp3", 6},   {90, 5, 5, "Assets/Audio/ItWalkingOnGrass.mp3", 6},
    {90, 6, 1, "Assets/Audio/ScaryScreech.mp3", 2},
};

// The camera flash at the first campfire: while the fire is on its third
// picture, the flash is still pending, the thoughts have passed line 58 and
// fewer than ten white frames (sixtieths of a second) have been drawn. The
// sound goes with the first.
inline constexpr int FlashOnFirePicture = 3;
inline constexpr int FlashAfterLine = 58;
inline constexpr int FlashFrames = 10;
inline constexpr const char FlashSound[] = "Assets/Audio/CameraFlash.mp3";

}  // namespace record
