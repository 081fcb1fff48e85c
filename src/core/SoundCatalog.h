#pragma once
// All sound is MP3 under "Assets/Audio/". Fourteen persistent sounds (the beds and
// the music) are created once at start-up and started, stopped and looped by name;
// every other sound is played once by its path at the moment of an event.

#include <array>

// Everything plays through the engine at this master volume, louder than
// unity; no sound has a volume of its own. The sound files leave room for it.
inline constexpr float MasterVolume = 1.5f;

enum SoundId : int {
  BirdsSound,
  ForestWalkSound,
  CarDrivingSound,
  CricketsSound,
  CreepyAmbienceSound,
  StaticSound,
  TelephoneSound,
  GiberishSound,
  HeavyBreathingSound,
  CreepyChordsSound,
  BirdsQuietSound,
  MenuSongSound,
  KittySongSound,
  ScaryAmbienceSound,
  SoundCount
};

struct SoundEntry {
  const char* name;
  const char* path;  // relative to the working directory
  bool looped;       // some part of the game sets it looping
};

// In creation order.
inline constexpr std::array<SoundEntry, SoundCount> SoundCatalog = {{
    {"BirdsSound", "Assets/Audio/Birds.mp3", true},
    {"ForestWalkSound", "Assets/Audio/ForestWalk.mp3", true},
    {"CarDrivingSound", "Assets/Audio/CarDriving.mp3", true},
    {"CricketsSound", "Assets/Audio/Crickets.mp3", true},
    {"CreepyAmbienceSound", "Assets/Audio/CreepyAmbience.mp3", true},
    {"StaticSound", "Assets/Audio/Static.mp3", false},
    {"TelephoneSound", "Assets/Audio/Telephone.mp3", true},
    {"GiberishSound", "Assets/Audio/Giberish.mp3", false},
    {"HeavyBreathingSound", "Assets/Audio/Heavy_Breathing.mp3", false},
    {"CreepyChordsSound", "Assets/Audio/CreepyChords.mp3", true},
    {"BirdsQuietSound", "Assets/Audio/BirdsQuiet.mp3", true},
    {"MenuSongSound", "Assets/Audio/MenuSong.mp3", true},
    {"KittySongSound", "Assets/Audio/KittySong.mp3", false},
    {"ScaryAmbienceSound", "Assets/Audio/ScaryAmbience.mp3", true},
}};

// The fire-and-forget sounds, by file.
inline constexpr const char ClickFile[] = "Assets/Audio/Click.mp3";
inline constexpr const char IdkWhatToNameThisFile[] = "Assets/Audio/IdkWhatToNameThis.mp3";
inline constexpr const char ItWalkingOnGrassFile[] = "Assets/Audio/ItWalkingOnGrass.mp3";
inline constexpr const char ItRunningOnGrassFile[] = "Assets/Audio/ItRunningOnGrass.mp3";
inline constexpr const char KnockKnockFile[] = "Assets/Audio/KnockKnock.mp3";
inline constexpr const char KnockKnockKnockFile[] = "Assets/Audio/KnockKnockKnock.mp3";
inline constexpr const char GlassShatterFile[] = "Assets/Audio/GlassShatter.mp3";
inline constexpr const char BrushTeethOneFile[] = "Assets/Audio/BrushTeethOne.mp3";
inline constexpr const char BrushTeethTwoFile[] = "Assets/Audio/BrushTeethTwo.mp3";
inline constexpr const char BrushTeethThreeFile[] = "Assets/Audio/BrushTeethThree.mp3";
inline constexpr const char EatingFile[] = "Assets/Audio/Eating.mp3";
inline constexpr const char ComputerBeepFile[] = "Assets/Audio/Computer_Beep.mp3";
inline constexpr const char LighterFile[] = "Assets/Audio/Lighter.mp3";
inline constexpr const char DrinkingFile[] = "Assets/Audio/Drinking.mp3";
inline constexpr const char FootstepsWoodFile[] = "Assets/Audio/Footsteps_Wood.mp3";
inline constexpr const char FootstepsGrassFile[] = "Assets/Audio/Footsteps_Grass.mp3";
inline constexpr const char EngineStartupFile[] = "Assets/Audio/Engine_Startup.mp3";
inline constexpr const char HorrorDeathFile[] = "Assets/Audio/HorrorDeath.mp3";
inline constexpr const char DoorOpenFile[] = "Assets/Audio/DoorOpen.mp3";
inline constexpr const char ItWalkingInYourRoomFile[] = "Assets/Audio/ItWalkingInYourRoom.mp3";
inline constexpr const char MoansAndGroansFile[] = "Assets/Audio/MoansAndGroans.mp3";
inline constexpr const char CreepyYellFile[] = "Assets/Audio/CreepyYell.mp3";
inline constexpr const char WoodRunningFile[] = "Assets/Audio/WoodRunning.mp3";
inline constexpr const char HeheFile[] = "Assets/Audio/Hehe.mp3";
inline constexpr const char CaughtFishFile[] = "Assets/Audio/CaughtFish.mp3";
inline constexpr const char ErrorFile[] = "Assets/Audio/Error.mp3";
inline constexpr const char CreepyNoiseFile[] = "Assets/Audio/CreepyNoise.mp3";
inline constexpr const char WhatEvenIsThisFile[] = "Assets/Audio/WhatEvenIsThis.mp3";
inline constexpr const char ScaryScreechFile[] = "Assets/Audio/ScaryScreech.mp3";
inline constexpr const char CameraFlashFile[] = "Assets/Audio/CameraFlash.mp3";
inline constexpr const char ItGettingAwayScareFile[] = "Assets/Audio/ItGettingAwayScare.mp3";
inline constexpr const char JumpscareFile[] = "Assets/Audio/Jumpscare.mp3";

inline constexpr std::array<const char*, 32> PlayOnceSoundFiles = {{
    ClickFile,
    IdkWhatToNameThisFile,
    ItWalkingOnGrassFile,
    ItRunningOnGrassFile,
    KnockKnockFile,
    KnockKnockKnockFile,
    GlassShatterFile,
    BrushTeethOneFile,
    BrushTeethTwoFile,
    BrushTeethThreeFile,
    EatingFile,
    ComputerBeepFile,
    LighterFile,
    DrinkingFile,
    FootstepsWoodFile,
    FootstepsGrassFile,
    EngineStartupFile,
    HorrorDeathFile,
    DoorOpenFile,
    ItWalkingInYourRoomFile,
    MoansAndGroansFile,
    CreepyYellFile,
    WoodRunningFile,
    HeheFile,
    CaughtFishFile,
    ErrorFile,
    CreepyNoiseFile,
    WhatEvenIsThisFile,
    ScaryScreechFile,
    CameraFlashFile,
    ItGettingAwayScareFile,
    JumpscareFile,
}};
