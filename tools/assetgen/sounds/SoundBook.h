#pragma once
// Every sound of the game: how it is made, how loud it is meant to be, and how
// it is stored. The files are named by the game's sound catalog; this table
// only adds the making.

#include <string>
#include <string_view>
#include <vector>

#include "sounds/Dsp.h"
#include "sounds/Mp3Encoding.h"

namespace sound {

enum class Role {
  Bed,     // ambience and music under a scene: the quietest
  Effect,  // one-off sounds of things happening
  Scare,   // the few sounds meant to make the player jump: the loudest
};

struct Recipe {
  const char* file;    // under Audio/
  Role role;
  bool seamless;       // rendered as one period of an endless loop
  double loudnessDb;   // target for the loudest 400 ms, dBFS
  int kilobitsPerSecond;
  Sound (*render)();
};

// All 46, in no particular order.
const std::vector<Recipe>& SoundRecipes();
// The recipe for a file name under Audio/ ("Birds.mp3"), or null.
const Recipe* FindRecipe(std::string_view file);

// The highest decoded peak any sound may have, in dBFS: the game plays them
// at a master volume of 1.5 and mixes several at once.
inline constexpr double PeakCeilingDb = -1.5;

struct MadeSound {
  std::string file;
  Bytes mp3;
  double seconds = 0;
  int channels = 0;
  // Measured on the MP3 as decoded.
  double peakDb = 0;
  double rmsDb = 0;
  double loudnessDb = 0;
  double makingSeconds = 0;  // time taken to render, encode and check it
};

// Renders, levels, encodes and checks one sound. `looped` says whether the
// game loops it, so whether the MP3 must join end to start.
MadeSound MakeSound(const Recipe& recipe, bool looped);

}  // namespace sound
