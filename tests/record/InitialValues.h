#pragma once
// The values the game starts with, for the shell, the title, the overlays, the
// animations, the timed events, the mini-games and the last night, as the
// game's description gives them (true and false as 1 and 0). Written out by
// hand from the description.

namespace record {

struct StartValue {
  const char* field;
  double value;
};

inline constexpr StartValue StartValues[] = {
    // The shell and what every part shares
    {"DeltaTime", 0}, {"RepeatTimer", 0}, {"RepeatPeriod", 1.0}, {"TitleRunning", 1}, {"ShiftQuitAllowed", 0},
    {"SceneIndex", 0}, {"MessageIndex", 0}, {"DialogueActive", 1}, {"FadeAlpha", 0}, {"FadeSpeed", 1000},
    {"FadingOut", 0}, {"FadingIn", 0}, {"SceneChangePending", 1}, {"ExitReady", 0}, {"UseReady", 0},
    {"UseActive", 0}, {"WalkSpeed", 255}, {"FootstepSurface", 0},
    // The title
    {"TitleStartPressed", 0}, {"IntroTimer", 3.5}, {"IntroFading", 0}, {"IntroAlpha", 255}, {"TitleExitTimer", 1.0},
    {"TipAlpha", 255}, {"StaticTimer", 0.002}, {"StaticFrame", 0},
    // The overlays
    {"NightTint", 0},
    // The animations
    {"Animating", 0}, {"AnimationKind", 8}, {"AnimationFrame", 0}, {"AnimationLoops", 0}, {"BedPanTimer", 0.1},
    {"CarLeadInTimer", 1.8}, {"CarOneTimer", 0.1}, {"CarTwoTimer", 0.1}, {"StepTimer", 0.1},
    {"LeaveCabinTimer", 0.1}, {"CampfireTimer", 0.3}, {"LakeTimer", 0.6}, {"PhoneWalkTimer", 0.1},
    {"DriveAwayTimer", 0.1}, {"CampfireFlashPending", 1}, {"CampfireFlashCount", 0}, {"DriveAwayStarted", 0},
    // The timed events
    {"TelevisionTimer", 5.0}, {"NextDayHold", 0}, {"NextDayTimer", 6.0}, {"LightsOutTimer", 2.0},
    {"PhoneTimer", 5.0}, {"PhoneRinging", 0},
    // The mini-games (the first fishing wait is drawn at start-up)
    {"BrushingActive", 0}, {"BrushStrokes", 0}, {"BrushUp", 1}, {"CursorClickPlayed", 0}, {"FishingActive", 0},
    {"ClickCount", 0}, {"BitesPlayed", 0}, {"ClickWindowTimer", 3.0}, {"ClickEndTimer", 1.0}, {"RodVisible", 0},
    // The last night
    {"ThreatActive", 0}, {"ThreatTimer", 7.0}, {"DeathSoundPending", 1}, {"GameOverShown", 0},
    {"ClosetTimer", 9.0}, {"GetAwayTimer", 0.5}, {"GetAwaySoundPending", 1}, {"ChaseTimer", 40.0},
    {"JumpscareActive", 0}, {"JumpscareTimer", 0.6}, {"JumpscareSoundPending", 1},
};

struct StartPlace {
  const char* field;
  float x, y, w, h;
};

inline constexpr StartPlace StartPlaces[] = {
    {"BackgroundRect", -650, -200, 2000, 1000}, {"StripRect", 0, 0, 24000, 600},
    {"ToothbrushRect", 400, 350, 250, 30},      {"ComputerCursorRect", 450, 200, 10, 15},
    {"JumpscareRect", 0, 400, 800, 600},
};

inline constexpr const char StartBackdrop[] = "HouseBedRoomBedTexture";

}  // namespace record
