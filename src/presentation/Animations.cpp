#include "presentation/Animations.h"

#include <array>

#include "core/Fades.h"
#include "core/ScreenRects.h"
#include "core/Sixtieths.h"
#include "core/Views.h"
#include "presentation/GentleLight.h"
#include "world/Walking.h"

namespace {

// The tick rule shared by every animation: the timer runs down, and when it
// is below zero it restarts at its full period (the overshoot is dropped) and
// the animation advances by one.
bool Tick(float& timer, float period, float seconds) {
  timer -= seconds;
  if (timer >= 0) return false;
  timer = period;
  return true;
}

// Frame n of a numbered series shows pictures[n - 1]; any other n leaves the backdrop.
template <std::size_t N>
void ShowFrame(GameState& state, const std::array<TextureId, N>& pictures, int frame) {
  if (frame >= 1 && frame <= static_cast<int>(N)) state.BackgroundTexture = pictures[frame - 1];
}

constexpr std::array GetOutOfBedFrames = {HouseWalkMiddleOneTexture, HouseWalkMiddleTwoTexture,
                                          HouseWalkMiddleThreeTexture};
constexpr std::array CarRideOneFrames = {CarDriveOneTexture, CarDriveTwoTexture, CarDriveThreeTexture,
                                         CarDriveFourTexture, CarDriveFiveTexture};
constexpr std::array CarRideTwoFrames = {CarDriveTwoOneTexture,   CarDriveTwoTwoTexture,  CarDriveTwoThreeTexture,
                                         CarDriveTwoFourTexture,  CarDriveTwoFiveTexture, CarDriveTwoSixTexture,
                                         CarDriveTwoSevenTexture};
constexpr std::array ForestWalkFrames = {
    ForestWalkOneTexture,    ForestWalkTwoTexture,      ForestWalkThreeTexture,   ForestWalkFourTexture,
    ForestWalkFiveTexture,   ForestWalkSixTexture,      ForestWalkSevenTexture,   ForestWalkEightTexture,
    ForestWalkNineTexture,   ForestWalkTenTexture,      ForestWalkElevenTexture,  ForestWalkTwelveTexture,
    ForestWalkThirteenTexture, ForestWalkFourteenTexture, ForestWalkFifteenTexture};
constexpr std::array LeaveCabinFrames = {LeaveCabinOneTexture, LeaveCabinTwoTexture, LeaveCabinThreeTexture,
                                         LeaveCabinFourTexture, LeaveCabinFiveTexture};
constexpr std::array CampfireFrames = {CampfireOneTexture, CampfireTwoTexture, CampfireThreeTexture};
constexpr std::array LakeFrames = {LakeTexture, LakeTwoTexture, LakeTexture, LakeTwoTexture};

// What the player hears along the forest walks, by scene, loop and step.
struct WalkSoundCue {
  int scene;
  int loops;
  int frame;
  const char* file;
  int frameAfter;  // moved on so the cue cannot play twice in a loop
};

constexpr WalkSoundCue ForestWalkSoundCues[] = {
    {42, 4, 7, CreepyNoiseFile, 8},      {42, 2, 4, IdkWhatToNameThisFile, 5},
    {44, 4, 3, ItWalkingOnGrassFile, 5}, {90, 2, 3, ItRunningOnGrassFile, 5},
    {90, 3, 5, WhatEvenIsThisFile, 6},   {90, 5, 5, ItWalkingOnGrassFile, 6},
    {90, 6, 1, ScaryScreechFile, 2},
};

constexpr FRect LakeStripEnd{0, 0, 24000, 600};
constexpr FRect PhoneStripGone{4000, 0, 4800, 600};
constexpr float StripFrameWidth = 800;

// Each step below is one sixtieth of a second (`seconds` long) of its kind.

void GetOutOfBedStep(GameState& state, float seconds) {
  if (Tick(state.BedPanTimer, 0.1f, seconds)) {
    state.BackgroundRect.x += 20;  // the view pans as the player stands up
    state.AnimationFrame += 1;
  }
  ShowFrame(state, GetOutOfBedFrames, state.AnimationFrame);
  if (state.AnimationFrame == 4) {
    state.BackgroundTexture = HouseBedRoomMiddleTexture;
    state.Animating = false;
    state.AnimationFrame = 0;
  }
}

void CarRideOneStep(GameState& state, float seconds) {
  state.WalkSpeed = 0;
  // A black lead-in while the engine starts (drawn once a frame, below).
  if (state.CarLeadInTimer >= 0) {
    state.BackgroundTexture = CarDriveOneTexture;
    state.CarLeadInTimer -= seconds;
    return;
  }
  if (Tick(state.CarOneTimer, 0.1f, seconds)) state.AnimationFrame += 1;
  ShowFrame(state, CarRideOneFrames, state.AnimationFrame);
  if (state.AnimationFrame == 6) {
    // On the road: the looping ride takes over, with its thoughts and one dip to black.
    state.BackgroundTexture = CarDriveSixTexture;
    state.AnimationFrame = 0;
    state.AnimationKind = CarRideTwo;
    state.AnimationLoops = 0;
    state.MessageIndex = 24;
    state.DialogueActive = true;
    StartFadeOut(state);
  }
}

void CarRideTwoStep(GameState& state, float seconds) {
  state.WalkSpeed = 0;
  if (Tick(state.CarTwoTimer, 0.1f, seconds)) state.AnimationFrame += 1;
  ShowFrame(state, CarRideTwoFrames, state.AnimationFrame);
  if (state.AnimationFrame == 8) {
    state.BackgroundTexture = CarDriveTwoEightTexture;
    state.AnimationFrame = 0;
    state.AnimationLoops += 1;
  }
  // At least eight loops, and then until the last line has been read.
  if (state.AnimationLoops > 7 && !state.DialogueActive) {
    StartFadeOut(state);
    state.Animating = false;
  }
}

void WalkToPhoneStep(GameState& state, float seconds) {
  state.BackgroundTexture = TelephoneTexture;
  state.BackgroundRect = ScreenView;
  state.WalkSpeed = 0;
  state.PhoneWalkTimer -= seconds;
  if (state.PhoneWalkTimer < 0 && state.AnimationFrame <= 5) {
    state.StripRect.x -= StripFrameWidth;
    state.PhoneWalkTimer = 0.1f;
    state.AnimationFrame += 1;
  } else if (state.AnimationFrame > 5) {
    StartFadeOut(state);
    state.StripRect = PhoneStripGone;
  }
}

void WalkToLakeStep(GameState& state, const Input& input, float seconds) {
  state.WalkSpeed = 0;
  // Letting go of the key freezes the walk where it is.
  if (!IsForwardHeld(input)) return;
  state.StepTimer -= seconds;
  if (state.StepTimer < 0 && state.AnimationFrame <= 29) {
    state.StripRect.x -= StripFrameWidth;
    state.StepTimer = 0.2f;
    state.AnimationFrame += 1;
  } else if (state.AnimationFrame > 29) {
    StartFadeOut(state);
    state.BackgroundTexture = WalkToLakeTexture;
    state.BackgroundRect = LakeStripEnd;
  }
}

void ForestWalkStep(GameState& state, Platform& platform, float seconds) {
  state.WalkSpeed = 0;
  if (!IsForwardHeld(platform.input)) return;
  state.FadeAlpha = 0;  // walking on cuts a fade that is still running
  if (Tick(state.StepTimer, 0.15f, seconds)) state.AnimationFrame += 1;
  ShowFrame(state, ForestWalkFrames, state.AnimationFrame);
  if (state.AnimationFrame == 16) {
    state.AnimationFrame = 1;  // the fifteenth picture stays until the next step
    state.AnimationLoops += 1;
  }
  for (const WalkSoundCue& cue : ForestWalkSoundCues) {
    if (state.SceneIndex == cue.scene && state.AnimationLoops == cue.loops && state.AnimationFrame == cue.frame) {
      platform.audio.PlayOnce(cue.file);
      state.AnimationFrame = cue.frameAfter;
    }
  }
  if (state.AnimationLoops > 7) {
    const int scene = state.SceneIndex;
    if (scene == 20 || scene == 42 || scene == 44 || scene == 90) {
      state.Animating = false;
      StartFadeOut(state);
    }
    if (scene == 20) state.SceneIndex = 21;
  }
}

void LeaveCabinStep(GameState& state, float seconds) {
  state.WalkSpeed = 0;
  if (Tick(state.LeaveCabinTimer, 0.1f, seconds)) state.AnimationFrame += 1;
  ShowFrame(state, LeaveCabinFrames, state.AnimationFrame);
  if (state.AnimationFrame != 6) return;
  // Out of the door, without a fade.
  state.Animating = false;
  state.AnimationFrame = 0;
  state.BackgroundRect = RoomView;
  state.WalkSpeed = 250;
  if (state.SceneIndex == 75) {
    state.SceneIndex = 76;
    state.BackgroundTexture = CabinPhotoTexture;
    state.FootstepSurface = 1;
  } else {
    state.SceneIndex = 30;
    state.BackgroundTexture = CabinTexture;
  }
}

void CampfireStep(GameState& state, Audio& audio, float seconds) {
  state.WalkSpeed = 0;
  if (Tick(state.CampfireTimer, 0.3f, seconds)) state.AnimationFrame += 1;
  // Someone in the trees takes a photograph: ten sixtieths of a second of
  // white (ten frames at 60 Hz), once in the game, on the fire's third picture
  // once the thoughts have passed line 58.
  state.CampfireFlashShowing = state.AnimationFrame == 3 && state.CampfireFlashPending && state.MessageIndex > 58 &&
                               state.CampfireFlashCount <= 9;
  if (state.CampfireFlashShowing) {
    state.CampfireFlashCount += 1;
    if (state.CampfireFlashCount == 1) audio.PlayOnce(CameraFlashFile);
  }
  if (state.CampfireFlashCount > 9) state.CampfireFlashPending = false;
  ShowFrame(state, CampfireFrames, state.AnimationFrame);
  if (state.AnimationFrame == 4) {
    state.BackgroundTexture = CampfireTwoTexture;
    state.AnimationFrame = 0;
  }
}

void LakeShimmerStep(GameState& state, float seconds) {
  if (Tick(state.LakeTimer, 0.6f, seconds)) state.AnimationFrame += 1;
  ShowFrame(state, LakeFrames, state.AnimationFrame);
  if (state.AnimationFrame == 5) state.AnimationFrame = 0;
}

void DriveAwayStep(GameState& state, Audio& audio, float seconds) {
  state.DriveAwayTimer -= seconds;
  if (state.AnimationFrame == -1) {
    audio.PlayOnce(EngineStartupFile);
    audio.Start(CarDrivingSound);
    state.AnimationFrame = 0;
    audio.PlayOnce(ItRunningOnGrassFile);
  }
  // One second of black with the engine and the running steps, then cut open.
  if (state.DriveAwayTimer <= 0 && !state.DriveAwayStarted) {
    state.FadeAlpha = 0;
    state.DriveAwayStarted = true;
  } else if (state.DriveAwayTimer >= 0 && !state.DriveAwayStarted) {
    state.FadeAlpha = 255;
  }
  state.FadeSpeed = 100;
  if (state.DriveAwayTimer < 0 && state.AnimationFrame <= 13 && state.DriveAwayStarted) {
    state.DriveAwayTimer = 0.07f;
    state.AnimationFrame += 1;
    state.BackgroundRect.x -= StripFrameWidth;
  } else if (state.AnimationFrame > 13) {
    StartFadeOut(state);
    state.SceneIndex = 92;
  }
}

bool Running(const GameState& state, int kind) { return state.Animating && state.AnimationKind == kind; }

// One sixtieth of every animation, in the fixed order of the kinds.
void AdvanceAnimations(GameState& state, Platform& platform, float seconds) {
  if (Running(state, GetOutOfBed)) GetOutOfBedStep(state, seconds);
  if (Running(state, CarRideOne)) CarRideOneStep(state, seconds);
  if (Running(state, CarRideTwo)) CarRideTwoStep(state, seconds);
  if (Running(state, WalkToPhone)) WalkToPhoneStep(state, seconds);
  if (Running(state, WalkToLake)) WalkToLakeStep(state, platform.input, seconds);
  if (Running(state, ForestWalk)) ForestWalkStep(state, platform, seconds);
  if (Running(state, LeaveCabin)) LeaveCabinStep(state, seconds);
  if (Running(state, CampfireFlicker)) CampfireStep(state, platform.audio, seconds);
  if (Running(state, LakeShimmer)) LakeShimmerStep(state, seconds);
  if (Running(state, DriveAway)) DriveAwayStep(state, platform.audio, seconds);
}

}  // namespace

void UpdateAnimation(GameState& state, Platform& platform, const GameOptions& options) {
  Drawing& drawing = platform.drawing;
  // The walking strips are drawn where the last step left them; a step taken
  // now shows from the next frame, like a new backdrop picture.
  if (Running(state, WalkToPhone)) drawing.DrawTexture(WalkToPhoneTexture, nullptr, state.StripRect);
  if (Running(state, WalkToLake)) drawing.DrawTexture(WalkToLakeTexture, nullptr, state.StripRect);
  const bool leadIn = Running(state, CarRideOne) && state.CarLeadInTimer >= 0;

  // The set pieces are written in frames of a 60 Hz display: they advance once
  // per sixtieth of a second of game time, several in one frame of a slow
  // display and none in some frames of a fast one.
  for (int i = 0; i < state.SixtiethsThisFrame; ++i) AdvanceAnimations(state, platform, SixtiethSeconds(state, i));

  // What stays on screen between sixtieths: the black lead-in of the first
  // car ride, the white of the camera flash, and the black second before the
  // drive away, which a fade in progress must not lift in between.
  if (options.ReduceFlashing) {
    DrawGentleLeadIn(state, drawing, leadIn);
    DrawGentleFlash(state, drawing);
  } else {
    if (leadIn) {
      drawing.SetDrawColor({0, 0, 0, 255});
      drawing.FillRect(ScreenRect);
    }
    if (Running(state, CampfireFlicker) && state.CampfireFlashShowing) {
      drawing.SetDrawColor({255, 255, 255, 255});
      drawing.FillRect(ScreenRect);
    }
  }
  if (Running(state, DriveAway) && !state.DriveAwayStarted) {
    state.FadeAlpha = 255;
    state.FadeSpeed = 100;
  }
}
