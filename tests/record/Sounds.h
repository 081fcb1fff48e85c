#pragma once
// The game's 46 sounds as its description lists them: the 14 persistent sounds
// in the order they are created, with whether any part of the game sets them
// looping, and the 32 played once by their path. Written out by hand from the
// description, never from the game's own catalog.

namespace record {

// Everything plays through the engine's master volume of 1.5, louder than unity;
// no sound has a volume of its own.
inline constexpr float MasterVolume = 1.5f;

struct PersistentSound {
  const char* name;
  const char* path;
  bool looped;
};

inline constexpr PersistentSound PersistentSounds[14] = {
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
};

// The sounds played once, by path, named after their files.
namespace played {
inline constexpr const char Click[] = "Assets/Audio/Click.mp3";
inline constexpr const char IdkWhatToNameThis[] = "Assets/Audio/IdkWhatToNameThis.mp3";
inline constexpr const char ItWalkingOnGrass[] = "Assets/Audio/ItWalkingOnGrass.mp3";
inline constexpr const char ItRunningOnGrass[] = "Assets/Audio/ItRunningOnGrass.mp3";
inline constexpr const char KnockKnock[] = "Assets/Audio/KnockKnock.mp3";
inline constexpr const char KnockKnockKnock[] = "Assets/Audio/KnockKnockKnock.mp3";
inline constexpr const char GlassShatter[] = "Assets/Audio/GlassShatter.mp3";
inline constexpr const char BrushTeethOne[] = "Assets/Audio/BrushTeethOne.mp3";
inline constexpr const char BrushTeethTwo[] = "Assets/Audio/BrushTeethTwo.mp3";
inline constexpr const char BrushTeethThree[] = "Assets/Audio/BrushTeethThree.mp3";
inline constexpr const char Eating[] = "Assets/Audio/Eating.mp3";
inline constexpr const char ComputerBeep[] = "Assets/Audio/Computer_Beep.mp3";
inline constexpr const char Lighter[] = "Assets/Audio/Lighter.mp3";
inline constexpr const char Drinking[] = "Assets/Audio/Drinking.mp3";
inline constexpr const char FootstepsWood[] = "Assets/Audio/Footsteps_Wood.mp3";
inline constexpr const char FootstepsGrass[] = "Assets/Audio/Footsteps_Grass.mp3";
inline constexpr const char EngineStartup[] = "Assets/Audio/Engine_Startup.mp3";
inline constexpr const char HorrorDeath[] = "Assets/Audio/HorrorDeath.mp3";
inline constexpr const char DoorOpen[] = "Assets/Audio/DoorOpen.mp3";
inline constexpr const char ItWalkingInYourRoom[] = "Assets/Audio/ItWalkingInYourRoom.mp3";
inline constexpr const char MoansAndGroans[] = "Assets/Audio/MoansAndGroans.mp3";
inline constexpr const char CreepyYell[] = "Assets/Audio/CreepyYell.mp3";
inline constexpr const char WoodRunning[] = "Assets/Audio/WoodRunning.mp3";
inline constexpr const char Hehe[] = "Assets/Audio/Hehe.mp3";
inline constexpr const char CaughtFish[] = "Assets/Audio/CaughtFish.mp3";
inline constexpr const char Error[] = "Assets/Audio/Error.mp3";
inline constexpr const char CreepyNoise[] = "Assets/Audio/CreepyNoise.mp3";
inline constexpr const char WhatEvenIsThis[] = "Assets/Audio/WhatEvenIsThis.mp3";
inline constexpr const char ScaryScreech[] = "Assets/Audio/ScaryScreech.mp3";
inline constexpr const char CameraFlash[] = "Assets/Audio/CameraFlash.mp3";
inline constexpr const char ItGettingAwayScare[] = "Assets/Audio/ItGettingAwayScare.mp3";
inline constexpr const char Jumpscare[] = "Assets/Audio/Jumpscare.mp3";
}  // namespace played

inline constexpr const char* PlayedByPath[32] = {
    played::Click,
    played::IdkWhatToNameThis,
    played::ItWalkingOnGrass,
    played::ItRunningOnGrass,
    played::KnockKnock,
    played::KnockKnockKnock,
    played::GlassShatter,
    played::BrushTeethOne,
    played::BrushTeethTwo,
    played::BrushTeethThree,
    played::Eating,
    played::ComputerBeep,
    played::Lighter,
    played::Drinking,
    played::FootstepsWood,
    played::FootstepsGrass,
    played::EngineStartup,
    played::HorrorDeath,
    played::DoorOpen,
    played::ItWalkingInYourRoom,
    played::MoansAndGroans,
    played::CreepyYell,
    played::WoodRunning,
    played::Hehe,
    played::CaughtFish,
    played::Error,
    played::CreepyNoise,
    played::WhatEvenIsThis,
    played::ScaryScreech,
    played::CameraFlash,
    played::ItGettingAwayScare,
    played::Jumpscare,
};

}  // namespace record
