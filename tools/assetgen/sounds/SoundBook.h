#pragma once
// Every sound of the game: how it is made, how loud it is meant to be, and how
// it is stored. The files are named by the game's sound catalog; this table
// only adds the making.

#include <string>
#include <string_view>
#include <vector>

#include "core/SoundCatalog.h"
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
  // The highest peak as the player hears it, through the game's master
  // volume, dBFS: at most HeardCeilingDb, and lower where the sound must leave
  // room for what plays with it (the beds under every effect, a stroke or a
  // click over the copies of itself that quick presses stack up).
  double heardPeakDb;
  int kilobitsPerSecond;
  Sound (*render)();

  // The same ceiling on the decoded file, before the master volume.
  double FilePeakDb() const;
};

// All 46, in no particular order.
const std::vector<Recipe>& SoundRecipes();
// The recipe for a file name under Audio/ ("Birds.mp3"), or null.
const Recipe* FindRecipe(std::string_view file);

// The game plays every sound through its master volume of 1.5 (+3.5 dB). No
// sound, alone, may be heard closer to full scale than this, in dBFS.
inline constexpr double HeardCeilingDb = -1.0;
// The room left for the differences between MP3 decoders: the files are
// measured with LAME's, the game decodes them with miniaudio's.
inline constexpr double DecoderMarginDb = 0.2;
// (So the highest decoded peak any file may have is HeardCeilingDb less the
// master volume's 3.5 dB and this margin: -4.7 dBFS.)

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
