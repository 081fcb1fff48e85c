#include "sounds/SoundBook.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "sounds/Recipes.h"

namespace sound {

namespace {

// Loudness targets are for the loudest 400 ms of each sound. The beds sit
// well under the effects, so that a footstep or a knock stands out of any of
// them; the four scares are pushed to the top, by their loudness: their peaks
// are held under the same ceiling as everything else. The heard peaks leave
// room for what plays together: a bed's peaks are small, so that an effect
// over two or three beds stays under full scale; a brushing stroke and a
// click are lower still, since quick presses lay several copies over one another.
const std::vector<Recipe> Book = {
    //                                                loud   heard
    // file                      role          loop    dB   peak  kbps  render
    {"Birds.mp3",                Role::Bed,    true,   -27,  -16.0,   96, Birds},
    {"BirdsQuiet.mp3",           Role::Bed,    true,   -34,  -16.0,   96, BirdsQuiet},
    {"ForestWalk.mp3",           Role::Bed,    true,   -25,  -16.0,   96, ForestWalk},
    {"CarDriving.mp3",           Role::Bed,    true,   -24,  -16.0,   96, CarDriving},
    {"Crickets.mp3",             Role::Bed,    true,   -28,  -16.0,   96, Crickets},
    {"CreepyAmbience.mp3",       Role::Bed,    true,   -25,  -18.0,   96, CreepyAmbience},    // all the last night
    {"ScaryAmbience.mp3",        Role::Bed,    true,   -24,  -16.0,   96, ScaryAmbience},
    {"CreepyChords.mp3",         Role::Bed,    true,   -23,  -18.0,   96, CreepyChords},      // closet, get-away, chase
    {"MenuSong.mp3",             Role::Bed,    true,   -22,  -12.0,   96, MenuSong},
    {"KittySong.mp3",            Role::Bed,    false,  -23,  -12.0,   64, KittySong},
    {"Giberish.mp3",             Role::Bed,    false,  -24,  -12.0,   64, Giberish},
    {"Telephone.mp3",            Role::Bed,    true,   -21,  -12.0,   64, Telephone},
    {"Heavy_Breathing.mp3",      Role::Bed,    false,  -23,  -12.0,   64, HeavyBreathing},
    {"Static.mp3",               Role::Bed,    false,  -27,  -12.0,   64, Static},

    {"Click.mp3",                Role::Effect, false,  -26,  -12.0,   64, Click},             // quick presses stack it
    {"Footsteps_Wood.mp3",       Role::Effect, false,  -17,   -9.0,   64, FootstepsWood},     // under meals and scares
    {"Footsteps_Grass.mp3",      Role::Effect, false,  -18,   -9.0,   64, FootstepsGrass},    // under every arrival
    {"Engine_Startup.mp3",       Role::Effect, false,  -16,   -7.0,   64, EngineStartup},
    {"BrushTeethOne.mp3",        Role::Effect, false,  -20,  -15.0,   64, BrushTeethOne},     // stacked when brushing
    {"BrushTeethTwo.mp3",        Role::Effect, false,  -20,  -15.0,   64, BrushTeethTwo},
    {"BrushTeethThree.mp3",      Role::Effect, false,  -20,  -15.0,   64, BrushTeethThree},
    {"Eating.mp3",               Role::Effect, false,  -19,   -7.0,   64, Eating},
    {"Computer_Beep.mp3",        Role::Effect, false,  -20,   -7.0,   64, ComputerBeep},
    {"Lighter.mp3",              Role::Effect, false,  -19,   -7.0,   64, Lighter},
    {"Drinking.mp3",             Role::Effect, false,  -19,   -7.0,   64, Drinking},
    {"CameraFlash.mp3",          Role::Effect, false,  -17,   -7.0,   64, CameraFlash},
    {"DoorOpen.mp3",             Role::Effect, false,  -16,   -7.0,   64, DoorOpen},
    {"KnockKnock.mp3",           Role::Effect, false,  -14,   -7.0,   64, KnockKnock},
    {"KnockKnockKnock.mp3",      Role::Effect, false,  -13,   -7.0,   64, KnockKnockKnock},
    {"CaughtFish.mp3",           Role::Effect, false,  -16,   -7.0,   64, CaughtFish},
    {"Error.mp3",                Role::Effect, false,  -19,   -7.0,   64, Error},
    {"ItWalkingOnGrass.mp3",     Role::Effect, false,  -18,   -7.0,   96, ItWalkingOnGrass},
    {"ItRunningOnGrass.mp3",     Role::Effect, false,  -16,   -7.0,   96, ItRunningOnGrass},
    {"ItWalkingInYourRoom.mp3",  Role::Effect, false,  -16,   -9.0,   64, ItWalkingInYourRoom},  // with the moans
    {"WoodRunning.mp3",          Role::Effect, false,  -15,  -13.0,   64, WoodRunning},       // under the yell
    {"IdkWhatToNameThis.mp3",    Role::Effect, false,  -16,   -7.0,   96, IdkWhatToNameThis},
    {"WhatEvenIsThis.mp3",       Role::Effect, false,  -16,   -7.0,   96, WhatEvenIsThis},
    {"CreepyNoise.mp3",          Role::Effect, false,  -16,   -7.0,   96, CreepyNoise},
    {"ScaryScreech.mp3",         Role::Effect, false,  -14,   -7.0,   64, ScaryScreech},
    {"MoansAndGroans.mp3",       Role::Effect, false,  -15,   -9.0,   64, MoansAndGroans},    // with the steps
    {"Hehe.mp3",                 Role::Effect, false,  -16,   -7.0,   64, Hehe},
    {"HorrorDeath.mp3",          Role::Effect, false,  -14,   -7.0,   96, HorrorDeath},

    {"GlassShatter.mp3",         Role::Scare,  false,   -9,   -3.0,   96, GlassShatter},
    {"CreepyYell.mp3",           Role::Scare,  false,   -8,   -4.5,   96, CreepyYell},        // over the running
    {"ItGettingAwayScare.mp3",   Role::Scare,  false,   -7,   -7.0,   96, ItGettingAwayScare},  // over the steps in
    {"Jumpscare.mp3",            Role::Scare,  false,   -6,   -2.0,   96, Jumpscare},
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

// Brings a sound to its loudness target under its peak ceiling. A bed may
// have its few sharpest peaks (a chirp, a step) rounded off by a few dB, an
// effect a little more (a knock is all peak), and a scare as much as it
// takes to be loud: it is squeezed again towards its target.
void Level(Sound& s, const Recipe& recipe) {
  // A little under the ceiling: the encoder overshoots the source's peaks.
  const double ceiling = DbToGain(recipe.FilePeakDb() - 0.5);
  const double target = DbToGain(recipe.loudnessDb);
  const double squeeze = DbToGain(recipe.role == Role::Bed ? 6.0 : recipe.role == Role::Effect ? 8.0 : 24.0);
  for (int pass = 0; pass < (recipe.role == Role::Scare ? 3 : 1); ++pass) {
    Scale(s, target / std::max(Loudness(s), 1e-9));
    const double peak = Peak(s);
    if (peak > ceiling * squeeze) Scale(s, ceiling * squeeze / peak);
    if (Peak(s) > ceiling) SoftLimit(s, ceiling);
  }
}

// MP3 coding adds noise in proportion to the signal, so a loud, squeezed
// sound comes out of the decoder with peaks several dB above the ones that
// went in. Where the decoded sound goes over `ceiling`, the source is turned
// down just there (by what it went over, held for half an MP3 frame either
// side and eased back over a frame), so the rest keeps its loudness. A loop
// is eased round its join.
void TurnDownWhereOver(Sound& s, const Sound& decoded, double ceiling, bool looped) {
  constexpr long Hold = 576, Ease = 1152;
  const long n = static_cast<long>(s.Frames());
  std::vector<float> gain(static_cast<std::size_t>(n), 1.0f);
  for (long i = 0; i < n; ++i) {
    double level = 0;
    for (const Track& t : decoded.channels)
      level = std::max(level, static_cast<double>(std::fabs(t[static_cast<std::size_t>(i)])));
    if (level <= ceiling) continue;
    const double needed = ceiling / level * 0.97;
    for (long j = i - Hold - Ease; j <= i + Hold + Ease; ++j) {
      long at = j;
      if (looped) at = ((j % n) + n) % n;
      if (at < 0 || at >= n) continue;
      const long distance = std::labs(j - i);
      const double eased =
          distance <= Hold ? 0.0 : 0.5 - 0.5 * std::cos(Pi * static_cast<double>(distance - Hold) / Ease);
      float& g = gain[static_cast<std::size_t>(at)];
      g = std::min(g, static_cast<float>(needed + (1 - needed) * eased));
    }
  }
  for (Track& t : s.channels)
    for (long i = 0; i < n; ++i) t[static_cast<std::size_t>(i)] *= gain[static_cast<std::size_t>(i)];
}

}  // namespace

double Recipe::FilePeakDb() const {
  return std::min(heardPeakDb, HeardCeilingDb) - GainToDb(MasterVolume) - DecoderMarginDb;
}

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
  // The encoder overshoots the source's peaks; where it goes past the
  // ceiling, turn those moments down and encode again.
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
    if (made.peakDb <= recipe.FilePeakDb()) break;
    if (attempt == 12) throw std::runtime_error(std::string(recipe.file) + " stays above its ceiling");
    TurnDownWhereOver(s, decoded, DbToGain(recipe.FilePeakDb()), looped);
  }
  made.makingSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return made;
}

}  // namespace sound
