#include "sounds/SoundBook.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "sounds/Recipes.h"

namespace sound {

namespace {

// Loudness targets are for the loudest 400 ms of each sound. The beds sit
// well under the effects, so that a footstep or a knock stands out of any of
// them; the four scares are pushed to the top.
const std::vector<Recipe> Book = {
    // file                      role          loop   dB    kbps  render
    {"Birds.mp3",                Role::Bed,    true,  -27,   96, Birds},
    {"BirdsQuiet.mp3",           Role::Bed,    true,  -34,   96, BirdsQuiet},
    {"ForestWalk.mp3",           Role::Bed,    true,  -25,   96, ForestWalk},
    {"CarDriving.mp3",           Role::Bed,    true,  -24,   96, CarDriving},
    {"Crickets.mp3",             Role::Bed,    true,  -28,   96, Crickets},
    {"CreepyAmbience.mp3",       Role::Bed,    true,  -25,   96, CreepyAmbience},
    {"ScaryAmbience.mp3",        Role::Bed,    true,  -24,   96, ScaryAmbience},
    {"CreepyChords.mp3",         Role::Bed,    true,  -23,   96, CreepyChords},
    {"MenuSong.mp3",             Role::Bed,    true,  -22,   96, MenuSong},
    {"KittySong.mp3",            Role::Bed,    false, -23,   64, KittySong},
    {"Giberish.mp3",             Role::Bed,    false, -24,   64, Giberish},
    {"Telephone.mp3",            Role::Bed,    true,  -21,   64, Telephone},
    {"Heavy_Breathing.mp3",      Role::Bed,    false, -23,   64, HeavyBreathing},
    {"Static.mp3",               Role::Bed,    false, -27,   64, Static},

    {"Click.mp3",                Role::Effect, false, -26,   64, Click},
    {"Footsteps_Wood.mp3",       Role::Effect, false, -17,   64, FootstepsWood},
    {"Footsteps_Grass.mp3",      Role::Effect, false, -18,   64, FootstepsGrass},
    {"Engine_Startup.mp3",       Role::Effect, false, -16,   64, EngineStartup},
    {"BrushTeethOne.mp3",        Role::Effect, false, -20,   64, BrushTeethOne},
    {"BrushTeethTwo.mp3",        Role::Effect, false, -20,   64, BrushTeethTwo},
    {"BrushTeethThree.mp3",      Role::Effect, false, -20,   64, BrushTeethThree},
    {"Eating.mp3",               Role::Effect, false, -19,   64, Eating},
    {"Computer_Beep.mp3",        Role::Effect, false, -20,   64, ComputerBeep},
    {"Lighter.mp3",              Role::Effect, false, -19,   64, Lighter},
    {"Drinking.mp3",             Role::Effect, false, -19,   64, Drinking},
    {"CameraFlash.mp3",          Role::Effect, false, -17,   64, CameraFlash},
    {"DoorOpen.mp3",             Role::Effect, false, -16,   64, DoorOpen},
    {"KnockKnock.mp3",           Role::Effect, false, -14,   64, KnockKnock},
    {"KnockKnockKnock.mp3",      Role::Effect, false, -13,   64, KnockKnockKnock},
    {"CaughtFish.mp3",           Role::Effect, false, -16,   64, CaughtFish},
    {"Error.mp3",                Role::Effect, false, -19,   64, Error},
    {"ItWalkingOnGrass.mp3",     Role::Effect, false, -18,   96, ItWalkingOnGrass},
    {"ItRunningOnGrass.mp3",     Role::Effect, false, -16,   96, ItRunningOnGrass},
    {"ItWalkingInYourRoom.mp3",  Role::Effect, false, -16,   64, ItWalkingInYourRoom},
    {"WoodRunning.mp3",          Role::Effect, false, -15,   64, WoodRunning},
    {"IdkWhatToNameThis.mp3",    Role::Effect, false, -16,   96, IdkWhatToNameThis},
    {"WhatEvenIsThis.mp3",       Role::Effect, false, -16,   96, WhatEvenIsThis},
    {"CreepyNoise.mp3",          Role::Effect, false, -16,   96, CreepyNoise},
    {"ScaryScreech.mp3",         Role::Effect, false, -14,   64, ScaryScreech},
    {"MoansAndGroans.mp3",       Role::Effect, false, -15,   64, MoansAndGroans},
    {"Hehe.mp3",                 Role::Effect, false, -16,   64, Hehe},
    {"HorrorDeath.mp3",          Role::Effect, false, -14,   96, HorrorDeath},

    {"GlassShatter.mp3",         Role::Scare,  false,  -9,   96, GlassShatter},
    {"CreepyYell.mp3",           Role::Scare,  false,  -8,   96, CreepyYell},
    {"ItGettingAwayScare.mp3",   Role::Scare,  false,  -7,   96, ItGettingAwayScare},
    {"Jumpscare.mp3",            Role::Scare,  false,  -6,   96, Jumpscare},
};

// Soft clipping at a ceiling: quiet parts pass untouched, peaks are rounded
// off below it. Used to let the scares be loud without going over.
void SoftLimit(Sound& s, double ceiling) {
  const double knee = 0.6 * ceiling;
  for (Track& t : s.channels)
    for (float& x : t) {
      const double a = std::fabs(x);
      if (a <= knee) continue;
      const double over = (a - knee) / (ceiling - knee);
      const double y = knee + (ceiling - knee) * std::tanh(over);
      x = static_cast<float>(x < 0 ? -y : y);
    }
}

// Brings a sound to its loudness target under the peak ceiling. Beds are only
// scaled; an effect may have its sharpest peaks rounded off by a few dB to get
// there (a knock is all peak); the scares as much as it takes.
void Level(Sound& s, const Recipe& recipe) {
  const double ceiling = DbToGain(PeakCeilingDb - 0.5);
  const double target = DbToGain(recipe.loudnessDb);
  const double squeeze = DbToGain(recipe.role == Role::Bed ? 0.0 : recipe.role == Role::Effect ? 4.0 : 20.0);
  for (int pass = 0; pass < (recipe.role == Role::Scare ? 4 : 1); ++pass) {
    Scale(s, target / std::max(Loudness(s), 1e-9));
    const double peak = Peak(s);
    if (peak > ceiling * squeeze) Scale(s, ceiling * squeeze / peak);
    if (Peak(s) > ceiling) SoftLimit(s, ceiling);
  }
}

}  // namespace

const std::vector<Recipe>& SoundRecipes() { return Book; }

const Recipe* FindRecipe(std::string_view file) {
  for (const Recipe& r : Book)
    if (file == r.file) return &r;
  return nullptr;
}

MadeSound MakeSound(const Recipe& recipe, bool looped) {
  if (looped && !recipe.seamless)
    throw std::runtime_error(std::string(recipe.file) + " is looped but not made as a loop");
  const auto started = std::chrono::steady_clock::now();
  Sound s = recipe.render();
  Level(s, recipe);

  MadeSound made;
  made.file = recipe.file;
  made.channels = s.ChannelCount();
  made.seconds = Seconds(s.Frames());
  const Mp3Settings settings{recipe.kilobitsPerSecond, looped};
  // The encoder can overshoot the source's peaks a little; if it goes past
  // the ceiling, take the level down by the excess and encode again.
  for (int attempt = 0;; ++attempt) {
    made.mp3 = EncodeMp3(s, settings);
    const Sound decoded = DecodeMp3Stream(made.mp3);
    // With the Info tag honoured, what comes out is exactly what went in:
    // no encoder delay in front, no padding behind.
    if (decoded.Frames() != s.Frames() || decoded.ChannelCount() != s.ChannelCount())
      throw std::runtime_error(std::string(recipe.file) + " does not decode to its own length");
    made.peakDb = GainToDb(Peak(decoded));
    made.rmsDb = GainToDb(Rms(decoded));
    made.loudnessDb = GainToDb(Loudness(decoded));
    if (made.peakDb <= PeakCeilingDb) break;
    if (attempt == 4) throw std::runtime_error(std::string(recipe.file) + " stays above the ceiling");
    Scale(s, DbToGain(PeakCeilingDb - made.peakDb - 0.1));
  }
  made.makingSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return made;
}

}  // namespace sound
