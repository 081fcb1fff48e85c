#include "sounds/Voice.h"

#include <algorithm>

namespace sound {

namespace {

VoiceKey Mix(const VoiceKey& a, const VoiceKey& b, double x) {
  auto lerp = [x](double p, double q) { return p + (q - p) * x; };
  VoiceKey k;
  k.time = lerp(a.time, b.time);
  k.pitch = a.pitch * std::pow(b.pitch / a.pitch, x);
  k.shape = {lerp(a.shape.f1, b.shape.f1), lerp(a.shape.f2, b.shape.f2), lerp(a.shape.f3, b.shape.f3),
             lerp(a.shape.f4, b.shape.f4)};
  k.voice = lerp(a.voice, b.voice);
  k.breath = lerp(a.breath, b.breath);
  k.hiss = lerp(a.hiss, b.hiss);
  k.hissHz = lerp(a.hissHz, b.hissHz);
  return k;
}

}  // namespace

Track Speak(const std::vector<VoiceKey>& keys, const VoiceStyle& style, Rng& rng) {
  if (keys.empty()) return {};
  const double seconds = keys.back().time + 0.05;
  Track out(Frames(seconds), 0.0f);
  Resonator tract[5];
  Svf fricative;
  OnePole tilt(style.tiltHz), jitterSmooth(30);
  double phase = 0, cycleGain = 1;
  bool oddCycle = false;
  std::size_t key = 0;
  VoiceKey now = keys.front();
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double time = Seconds(i);
    if (i % 32 == 0) {
      while (key + 1 < keys.size() && keys[key + 1].time <= time) ++key;
      if (key + 1 < keys.size()) {
        const double span = keys[key + 1].time - keys[key].time;
        now = Mix(keys[key], keys[key + 1], span > 0 ? (time - keys[key].time) / span : 1.0);
      } else {
        now = keys.back();
      }
      const double s = style.formantScale, b = style.bandwidthScale;
      tract[0].Set(now.shape.f1 * s, 80 * b);
      tract[1].Set(now.shape.f2 * s, 100 * b);
      tract[2].Set(now.shape.f3 * s, 150 * b);
      tract[3].Set(now.shape.f4 * s, 250 * b);
      tract[4].Set(4500 * s, 300 * b);
      fricative.Set(now.hissHz, 1.8);
    }
    const double wobble = 1 + style.jitter * jitterSmooth.LowPass(static_cast<float>(rng.Gauss())) * 3 +
                          style.vibratoDepth * std::sin(TwoPi * style.vibratoHz * time);
    const double hz = now.pitch * wobble;
    const double before = phase;
    phase += hz / SampleRate;
    if (phase >= 1) {
      phase -= 1;
      oddCycle = !oddCycle;
      cycleGain = (1 + style.shimmer * rng.Gauss()) * (oddCycle ? 1 - style.roughness : 1.0);
    }
    const double buzz = tilt.LowPass(static_cast<float>(SawAt(before, hz / SampleRate))) * cycleGain;
    const double noise = rng.Bipolar();
    // Breath is louder in the open part of each cycle, as in a real throat.
    const double breath = noise * now.breath * (0.6 + 0.4 * (before < 0.5 ? 1.0 : 0.0));
    float x = static_cast<float>(buzz * now.voice * 3.0 + breath * 0.5);
    for (Resonator& r : tract) x = r.Process(x);
    fricative.Process(noise);
    out[i] = static_cast<float>(x + fricative.band * now.hiss);
  }
  Biquad::HighPass(60, 0.7).Run(out);
  return out;
}

void Utterance::Hold(const VoiceKey& target, double seconds) {
  const double edge = std::min(0.025, seconds / 4);
  VoiceKey k = target;
  k.time = time_ + edge;
  keys_.push_back(k);
  k.time = time_ + seconds - edge;
  keys_.push_back(k);
  time_ += seconds;
}

void Utterance::Vowel(const sound::Vowel& v, double seconds, double pitchFrom, double pitchTo, double level) {
  const double edge = std::min(0.025, seconds / 4);
  keys_.push_back({time_ + edge, pitchFrom, v, level, 0.03 * level, 0, 5000});
  keys_.push_back({time_ + seconds - edge, pitchTo, v, level, 0.03 * level, 0, 5000});
  time_ += seconds;
}

void Utterance::Pause(double seconds, double pitch) {
  Hold({0, pitch, vowels::Uh, 0, 0, 0, 5000}, seconds);
}

void Utterance::Consonant(char c, const sound::Vowel& next, double pitch) {
  using namespace vowels;
  auto key = [&](sound::Vowel shape, double voice, double breath, double hiss, double hissHz) {
    return VoiceKey{0, pitch, shape, voice, breath, hiss, hissHz};
  };
  switch (c) {
    case 'm': Hold(key({250, 1100, 2300, 3300}, 0.35, 0, 0, 5000), 0.07); break;
    case 'n': Hold(key({250, 1600, 2500, 3400}, 0.35, 0, 0, 5000), 0.065); break;
    case 'l': Hold(key({360, 1300, 2700, 3400}, 0.7, 0, 0, 5000), 0.06); break;
    case 'r': Hold(key({420, 1250, 1650, 3300}, 0.7, 0, 0, 5000), 0.06); break;
    case 'w': Hold(key({300, 700, 2200, 3300}, 0.6, 0, 0, 5000), 0.055); break;
    case 'y': Hold(key({280, 2200, 3000, 3600}, 0.6, 0, 0, 5000), 0.05); break;
    case 's': Hold(key(Uh, 0, 0, 0.55, 6200), 0.09); break;
    case 'z': Hold(key(Uh, 0.3, 0, 0.4, 6000), 0.08); break;
    case 'x': Hold(key(Uh, 0, 0, 0.6, 2900), 0.09); break;
    case 'f': Hold(key(Uh, 0, 0.05, 0.18, 4500), 0.08); break;
    case 'v': Hold(key(Uh, 0.35, 0.05, 0.15, 4000), 0.06); break;
    case 'h': Hold(key(next, 0, 0.55, 0, 5000), 0.07); break;
    default: {
      // A stop: the mouth shuts, then opens with a small burst.
      const bool voiced = c == 'b' || c == 'd' || c == 'g';
      const double burstHz = (c == 'p' || c == 'b') ? 1200 : (c == 't' || c == 'd') ? 4500 : 2200;
      Hold(key(Uh, voiced ? 0.12 : 0, 0, 0, burstHz), 0.05);
      Hold(key(next, 0, 0.1, 0.7, burstHz), 0.015);
      if (!voiced) Hold(key(next, 0, 0.45, 0.1, burstHz), 0.03);
      break;
    }
  }
}

}  // namespace sound
