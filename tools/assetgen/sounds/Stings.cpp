// The stings: the thing getting away with the telephone, the face in the
// forest, and the end when the player is caught.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"
#include "sounds/Voice.h"

namespace sound {

namespace {

// A drum hit far below: a sine that drops in pitch as it dies.
Track Boom(double fromHz, double toHz, double drop, double tau, double seconds) {
  Track t(Frames(seconds));
  Phase p;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double time = Seconds(i);
    const double hz = toHz + (fromHz - toHz) * std::exp(-time / drop);
    t[i] = static_cast<float>(Strike(time, 0.002, tau) * std::sin(TwoPi * p.Step(hz)));
  }
  return t;
}

// A held note of detuned saws whose brightness follows its loudness: brass
// when struck hard, strings when bowed.
Track Section(Rng& rng, double hz, double seconds, const Envelope& env, double darkHz, double brightHz,
              double tremoloHz = 0) {
  Track t(Frames(seconds), 0.0f);
  for (double cents : {-9.0, 0.0, 8.0}) {
    Phase p(rng.Uniform());
    const double f = hz * std::pow(2.0, cents / 1200);
    for (float& x : t) x += static_cast<float>(SawAt(p.Step(f), f / SampleRate) / 3);
  }
  Svf filter;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double time = Seconds(i);
    double e = env.At(time);
    if (tremoloHz > 0) e *= 0.55 + 0.45 * std::sin(TwoPi * tremoloHz * time);
    if (i % 32 == 0) filter.Set(darkHz + (brightHz - darkHz) * std::min(1.0, e), 0.8);
    filter.Process(t[i]);
    t[i] = static_cast<float>(filter.low * e);
  }
  return t;
}

}  // namespace

Sound ItGettingAwayScare() {
  Rng rng(0x6E7A);
  const double seconds = 3.2;
  Sound s = Sound::Stereo(Frames(seconds));
  // A blow at the bottom and a crash across the top.
  MixInto(s, Boom(110, 42, 0.12, 0.5, 2.0), 0, 1.0, 0.0, false);
  Track crash = NoiseBurst(rng, 1.5, 0.001, 0.3);
  Band(crash, 120, 6000);
  MixInto(s, crash, 0, 0.5, 0.0, false);
  // Brass, struck hard on a cluster that will not resolve.
  const Envelope stab{{0.0, 0.0}, {0.012, 1.0}, {0.35, 0.5}, {1.6, 0.4}, {2.8, 0.0}};
  const int brass[] = {48, 49, 54, 55, 60};
  for (int k = 0; k < 5; ++k)
    MixInto(s, Section(rng, NoteHz(brass[k]), seconds, stab, 500, 4500), 0, 0.35, -0.6 + 0.3 * k, false);
  // Strings high above, trembling.
  const Envelope bow{{0.0, 0.0}, {0.08, 1.0}, {1.8, 0.7}, {3.0, 0.0}};
  for (int note : {78, 79, 84})
    MixInto(s, Section(rng, NoteHz(note), seconds, bow, 1500, 6000, 13), 0, 0.18, (note - 80) * 0.15, false);
  for (Track& t : s.channels) Saturate(t, 1.8);
  RoomSettings hall{.size = 0.7, .damping = 0.5, .wet = 0.3, .dry = 1.0, .width = 1.0, .preDelay = 0.02};
  Sound out = Reverb(s, hall, false, true);
  TrimTail(out);
  return out;
}

Sound Jumpscare() {
  Rng rng(0x1055);
  const double seconds = 2.2;
  const std::size_t frames = Frames(seconds);
  // Everything at once, from the very first moment: a shriek in the face, a
  // burst of noise, a blow in the chest and a screech tearing over the top.
  const Vowel scream{1000, 1600, 2900, 3800};
  const std::vector<VoiceKey> keys = {
      {0.0, 720, scream, 1.0, 0.8, 0, 4000},  {0.15, 900, scream, 1.0, 0.8, 0, 4000},
      {0.9, 820, scream, 1.0, 0.9, 0, 4000},  {1.5, 520, vowels::A, 0.8, 0.7, 0, 4000},
      {1.9, 400, vowels::A, 0, 0.2, 0, 4000}};
  VoiceStyle shriek;
  shriek.formantScale = 1.1;
  shriek.bandwidthScale = 1.5;
  shriek.tiltHz = 2500;
  shriek.jitter = 0.04;
  shriek.roughness = 0.45;
  shriek.vibratoHz = 11;
  shriek.vibratoDepth = 0.03;
  Track t = Speak(keys, shriek, rng);
  std::vector<VoiceKey> low = keys;
  for (VoiceKey& k : low) k.pitch /= 4;
  VoiceStyle growl = shriek;
  growl.formantScale = 0.8;
  growl.roughness = 0.8;
  MixInto(t, Speak(low, growl, rng), 0, 0.7, false);
  t.resize(frames, 0.0f);
  Track burst = NoiseBurst(rng, seconds, 0.0005, 0.45);
  Biquad::LowPass(8000, 0.7).Run(burst);
  MixInto(t, burst, 0, 0.5, false);
  MixInto(t, Boom(130, 38, 0.1, 0.45, 1.6), 0, 0.9, false);
  Phase c, m;
  for (std::size_t i = 0; i < frames; ++i) {
    const double time = Seconds(i);
    const double screech = std::sin(TwoPi * c.Step(2600 + 300 * std::sin(TwoPi * 7 * time)) +
                                    3 * std::sin(TwoPi * m.Step(233)));
    t[i] += static_cast<float>(0.25 * Window(time, 1.7, 0.003, 0.8) * screech);
  }
  // Held at full height, then let go.
  for (std::size_t i = 0; i < frames; ++i) t[i] *= static_cast<float>(Window(Seconds(i), seconds, 0.001, 1.0));
  Saturate(t, 3.0);
  Sound s = Sound::Stereo(frames);
  MixInto(s, t, 0, 1.0, 0.0, false);
  RoomSettings close{.size = 0.4, .damping = 0.5, .wet = 0.15, .dry = 1.0, .width = 1.0, .preDelay = 0.005};
  Sound out = Reverb(s, close, false, true);
  TrimTail(out);
  return out;
}

Sound HorrorDeath() {
  Rng rng(0xDEAD);
  const double seconds = 5.5;
  const std::size_t frames = Frames(seconds);
  Sound s = Sound::Stereo(frames);
  // The blow.
  MixInto(s, Boom(90, 33, 0.25, 1.0, 4.0), 0, 1.0, 0.0, false);
  Track thud = NoiseBurst(rng, 0.5, 0.002, 0.08);
  Biquad::LowPass(400, 0.7).Run(thud);
  MixInto(s, thud, 0, 1.2, 0.0, false);
  // A choir of dissonant voices sinking a fifth as the light goes out.
  const int voices[] = {57, 58, 63, 64};
  for (int k = 0; k < 4; ++k) {
    Track v(frames, 0.0f);
    Phase p(rng.Uniform());
    const double start = NoteHz(voices[k]);
    for (std::size_t i = 0; i < frames; ++i) {
      const double time = Seconds(i);
      const double hz = start * std::pow(2.0, -7.0 / 12 * Smooth(time / 3.8)) * (1 + 0.004 * std::sin(TwoPi * 5 * time));
      v[i] = static_cast<float>(SawAt(p.Step(hz), hz / SampleRate) * Window(time, 5.0, 0.3, 2.0));
    }
    // Sung on "ah".
    Resonator f1, f2, f3;
    f1.Set(730, 90);
    f2.Set(1090, 110);
    f3.Set(2440, 160);
    for (float& x : v) x = f3.Process(f2.Process(f1.Process(x)));
    MixInto(s, v, static_cast<long>(Frames(0.05)), 0.25, -0.6 + 0.4 * k, false);
  }
  Track sub(frames);
  for (std::size_t i = 0; i < frames; ++i)
    sub[i] = static_cast<float>(Window(Seconds(i), 5.0, 0.5, 2.5) * std::sin(TwoPi * 36.7 * Seconds(i)));
  MixInto(s, sub, 0, 0.4, 0.0, false);
  RoomSettings hall{.size = 0.9, .damping = 0.5, .wet = 0.45, .dry = 1.0, .width = 1.0, .preDelay = 0.03};
  Sound out = Reverb(s, hall, false, true);
  TrimTail(out);
  return out;
}

}  // namespace sound
