#pragma once
// A small formant voice: a buzzing glottal source and breath noise through a
// chain of vocal-tract resonances, plus a hiss for the fricatives. Enough for
// babble, a giggle, breathing, moans and a yell; not meant to say words.

#include <vector>

#include "sounds/Dsp.h"

namespace sound {

struct Vowel {
  double f1, f2, f3, f4;
};

namespace vowels {
inline constexpr Vowel A{730, 1090, 2440, 3400};   // father
inline constexpr Vowel E{530, 1840, 2480, 3500};   // bed
inline constexpr Vowel I{270, 2290, 3010, 3700};   // beet
inline constexpr Vowel O{570, 840, 2410, 3400};    // law
inline constexpr Vowel U{300, 870, 2240, 3400};    // boot
inline constexpr Vowel Ae{660, 1720, 2410, 3400};  // cat
inline constexpr Vowel Uh{520, 1190, 2390, 3400};  // but
inline constexpr Vowel Ih{390, 1990, 2550, 3500};  // bit
}  // namespace vowels

// The state of the voice at a moment; between keys everything moves in a
// straight line (pitch in octaves).
struct VoiceKey {
  double time;
  double pitch;       // Hz
  Vowel shape;        // the vocal tract's resonances
  double voice = 1;   // buzz level
  double breath = 0;  // breath noise through the tract
  double hiss = 0;    // fricative noise, outside the tract
  double hissHz = 5000;
};

struct VoiceStyle {
  double formantScale = 1.0;  // 1 a man, about 1.15 a woman, 1.3 a child
  double bandwidthScale = 1.0;
  double tiltHz = 900;        // lower is darker and softer
  double jitter = 0.01;       // random wobble of pitch
  double shimmer = 0.05;      // random wobble of loudness from cycle to cycle
  double roughness = 0;       // every other cycle weakened: a creak or growl
  double vibratoHz = 5.5;
  double vibratoDepth = 0;    // fraction of the pitch
};

Track Speak(const std::vector<VoiceKey>& keys, const VoiceStyle& style, Rng& rng);

// Builds a list of keys phoneme by phoneme, for babble.
class Utterance {
 public:
  explicit Utterance(double start = 0) : time_(start) {}
  void Vowel(const sound::Vowel& v, double seconds, double pitchFrom, double pitchTo, double level = 1);
  // One of: b d g p t k m n l r w y s z f v h x (x is "sh").
  void Consonant(char c, const sound::Vowel& next, double pitch);
  void Pause(double seconds, double pitch);
  double Time() const { return time_; }
  const std::vector<VoiceKey>& Keys() const { return keys_; }

 private:
  void Hold(const VoiceKey& target, double seconds);
  std::vector<VoiceKey> keys_;
  double time_;
};

}  // namespace sound
