#pragma once
// The render function of each sound, by family. Each makes its sound from its
// own fixed seed, at no particular level (the sound book levels them).

#include "sounds/Dsp.h"

namespace sound {

// Nature.cpp: outdoors, day and night.
Sound Birds();
Sound BirdsQuiet();
Sound ForestWalk();
Sound Crickets();

// Ambience.cpp: the dread under the story.
Sound CreepyAmbience();
Sound ScaryAmbience();
Sound CreepyChords();

// Music.cpp
Sound MenuSong();
Sound KittySong();

// Machines.cpp: the car, the telephone, the screens and the camera.
Sound CarDriving();
Sound EngineStartup();
Sound Telephone();
Sound Static();
Sound ComputerBeep();
Sound Error();
Sound CameraFlash();

// Voices.cpp: breathing, babble, laughter, moans and the yell.
Sound Giberish();
Sound HeavyBreathing();
Sound Hehe();
Sound MoansAndGroans();
Sound CreepyYell();

// Foley.cpp: the player's own doings and the house.
Sound Click();
Sound FootstepsWood();
Sound FootstepsGrass();
Sound BrushTeethOne();
Sound BrushTeethTwo();
Sound BrushTeethThree();
Sound Eating();
Sound Lighter();
Sound Drinking();
Sound DoorOpen();
Sound KnockKnock();
Sound KnockKnockKnock();
Sound GlassShatter();
Sound CaughtFish();

// Creature.cpp: the thing in the woods.
Sound ItWalkingOnGrass();
Sound ItRunningOnGrass();
Sound ItWalkingInYourRoom();
Sound WoodRunning();
Sound IdkWhatToNameThis();
Sound WhatEvenIsThis();
Sound CreepyNoise();
Sound ScaryScreech();

// Stings.cpp: the scares and the end.
Sound ItGettingAwayScare();
Sound Jumpscare();
Sound HorrorDeath();

}  // namespace sound
