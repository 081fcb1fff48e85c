// Voices: babble from a badly tuned television, breathing on the telephone
// line, the giggle in the dark bathroom, moans and groans from the bedroom,
// and the yell.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"
#include "sounds/Voice.h"

namespace sound {

namespace {

const std::vector<Vowel> BabbleVowels = {vowels::A,  vowels::E,  vowels::I,  vowels::O,
                                         vowels::U,  vowels::Ae, vowels::Uh, vowels::Ih};
constexpr char Onsets[] = "bdgptkmnlrwysfhxvz";
constexpr char Codas[] = "nmstkl";

// One phrase of made-up words with a speaker's rise and fall.
void Phrase(Utterance& u, Rng& rng, double basePitch, int syllables) {
  for (int s = 0; s < syllables; ++s) {
    const double progress = static_cast<double>(s) / syllables;
    double pitch = basePitch * (1.15 - 0.3 * progress);
    if (rng.Chance(0.25)) pitch *= 1.2;  // a stressed syllable
    const Vowel& v = BabbleVowels[static_cast<std::size_t>(rng.Int(static_cast<int>(BabbleVowels.size())))];
    if (rng.Chance(0.8)) u.Consonant(Onsets[rng.Int(sizeof(Onsets) - 1)], v, pitch);
    const double length = (s == syllables - 1 ? 0.22 : 0.11) * rng.Range(0.8, 1.3);
    u.Vowel(v, length, pitch, pitch * rng.Range(0.9, 1.02));
    if (rng.Chance(0.3)) u.Consonant(Codas[rng.Int(sizeof(Codas) - 1)], vowels::Uh, pitch * 0.95);
  }
}

// Heard over a telephone line: a narrow band, a little grit, a hiss.
void TelephoneLine(Track& t, Rng& rng, double hiss) {
  Saturate(t, 1.5);
  Band(t, 320, 3300);
  Biquad::LowPass(3300, 0.7).Run(t);
  Biquad::Peak(1800, 1.0, 3).Run(t);
  Track line = WhiteNoise(t.size(), rng);
  Band(line, 300, 3500);
  MixInto(t, line, 0, hiss, false);
}

}  // namespace

Sound Giberish() {
  Rng rng(0x61B3);
  const double seconds = 30.0;
  // Two speakers taking turns, as in a talk show caught between stations.
  Track speech(Frames(seconds + 1), 0.0f);
  double at = 0.3;
  bool his = true;
  while (at < seconds - 2.5) {
    Utterance u(0.0);
    const double pitch = his ? rng.Range(105, 125) : rng.Range(195, 225);
    const int phrases = 1 + rng.Int(3);
    for (int p = 0; p < phrases; ++p) {
      Phrase(u, rng, pitch, 3 + rng.Int(7));
      u.Pause(rng.Range(0.12, 0.35), pitch * 0.8);
    }
    VoiceStyle style;
    style.formantScale = his ? 1.0 : 1.16;
    style.tiltHz = his ? 800 : 1100;
    style.jitter = 0.012;
    const Track voice = Speak(u.Keys(), style, rng);
    MixInto(speech, voice, static_cast<long>(Frames(at)), his ? 1.0 : 0.8, false);
    at += u.Time() + rng.Range(0.1, 0.4);
    his = !his;
  }
  speech.resize(Frames(seconds));

  // Reception comes and goes: the voices sink into the static and come back.
  const std::size_t frames = speech.size();
  Track signal = WhiteNoise(frames, rng);
  Biquad::LowPass(0.4, 0.7).Run(signal);
  Biquad::LowPass(0.4, 0.7).Run(signal);
  double peak = 1e-9;
  for (float x : signal) peak = std::max(peak, static_cast<double>(std::fabs(x)));
  Track noise = WhiteNoise(frames, rng);
  Band(noise, 400, 7000);
  for (std::size_t i = 0; i < frames; ++i) {
    const double clear = std::clamp(0.65 + 0.5 * signal[i] / peak, 0.15, 1.0);
    speech[i] = static_cast<float>(speech[i] * clear + noise[i] * 0.02 * (1.3 - clear));
  }
  // The television's speaker, a hum of the set underneath.
  Saturate(speech, 1.4);
  Band(speech, 250, 4200);
  Biquad::LowPass(4200, 0.7).Run(speech);
  for (std::size_t i = 0; i < frames; ++i)
    speech[i] += static_cast<float>(0.004 * std::sin(TwoPi * 100 * Seconds(i)));
  FadeIn(speech, 0.05);
  FadeOut(speech, 0.6);
  return Sound{{speech}};
}

Sound HeavyBreathing() {
  Rng rng(0xB4EA);
  const double seconds = 30.0;
  std::vector<VoiceKey> keys;
  double t = 0.2;
  const double pitch = 70;
  auto key = [&](double at, Vowel shape, double voice, double breath, double hiss, double hissHz) {
    keys.push_back({at, pitch, shape, voice, breath, hiss, hissHz});
  };
  key(0, vowels::Uh, 0, 0, 0, 2000);
  while (t < seconds - 3.5) {
    // In through the nose and teeth: thin, whistling a little.
    const double in = rng.Range(1.0, 1.4), out = rng.Range(1.3, 1.8);
    const double depth = rng.Range(0.8, 1.1);
    key(t, vowels::I, 0, 0, 0, 1800);
    key(t + in * 0.35, vowels::I, 0, 0.45 * depth, 0.12 * depth, 1800);
    key(t + in * 0.8, vowels::Ih, 0, 0.5 * depth, 0.1 * depth, 2000);
    key(t + in, vowels::Uh, 0, 0.0, 0, 2000);
    t += in + rng.Range(0.1, 0.25);
    // Out through the open mouth: heavy, with a rasp in the throat.
    key(t, vowels::Uh, 0, 0, 0, 2000);
    key(t + 0.15, vowels::A, 0.08 * depth, 0.9 * depth, 0, 2000);
    key(t + out * 0.6, vowels::Uh, 0.06 * depth, 0.7 * depth, 0, 2000);
    key(t + out, vowels::Uh, 0, 0, 0, 2000);
    t += out + rng.Range(0.25, 0.7);
  }
  key(seconds - 0.1, vowels::Uh, 0, 0, 0, 2000);
  VoiceStyle style;
  style.tiltHz = 500;
  style.roughness = 0.5;
  style.bandwidthScale = 1.6;
  style.jitter = 0.04;
  Track breath = Speak(keys, style, rng);
  breath.resize(Frames(seconds));
  TelephoneLine(breath, rng, 0.004);
  FadeIn(breath, 0.05);
  FadeOut(breath, 0.5);
  return Sound{{breath}};
}

Sound Hehe() {
  Rng rng(0x4E4E);
  // "heh-heh", high and breathy, then a breath out.
  using vowels::E;
  std::vector<VoiceKey> keys = {
      {0.00, 330, E, 0, 0, 0, 5000},    {0.02, 330, E, 0, 0.6, 0, 5000},  {0.07, 330, E, 0.2, 0.5, 0, 5000},
      {0.09, 330, E, 1, 0.15, 0, 5000}, {0.19, 285, E, 0.9, 0.2, 0, 5000}, {0.22, 280, E, 0, 0.05, 0, 5000},
      {0.28, 320, E, 0, 0.55, 0, 5000}, {0.33, 320, E, 0.2, 0.5, 0, 5000}, {0.35, 315, E, 1, 0.15, 0, 5000},
      {0.50, 255, E, 0.85, 0.25, 0, 5000}, {0.54, 250, vowels::Uh, 0, 0.3, 0, 5000},
      {0.75, 250, vowels::Uh, 0, 0.12, 0, 5000}, {0.85, 250, vowels::Uh, 0, 0, 0, 5000}};
  VoiceStyle child;
  child.formantScale = 1.3;
  child.tiltHz = 1400;
  child.jitter = 0.02;
  child.roughness = 0.1;
  child.vibratoDepth = 0.01;
  Track voice = Speak(keys, child, rng);
  // The same laugh an octave under it, faintly: not quite a child.
  for (VoiceKey& k : keys) k.pitch /= 2;
  VoiceStyle under = child;
  under.formantScale = 0.95;
  under.roughness = 0.4;
  Track low = Speak(keys, under, rng);
  MixInto(voice, low, 0, 0.3, false);
  voice.resize(Frames(1.6), 0.0f);
  Sound dry{{voice}};
  RoomSettings bathroom{.size = 0.35, .damping = 0.2, .wet = 0.35, .dry = 1.0, .width = 1.0, .preDelay = 0.008};
  Sound s = Reverb(dry, bathroom, false, false);
  TrimTail(s);
  return s;
}

Sound MoansAndGroans() {
  Rng rng(0x3A05);
  using namespace vowels;
  // A long moan, and a deeper groan rising under its end.
  const std::vector<VoiceKey> moan = {
      {0.0, 92, U, 0, 0.1, 0, 2000},     {0.25, 95, U, 0.8, 0.2, 0, 2000},
      {0.9, 108, O, 1.0, 0.2, 0, 2000},  {1.6, 100, A, 1.0, 0.25, 0, 2000},
      {2.3, 84, O, 0.7, 0.2, 0, 2000},   {2.7, 78, U, 0, 0.1, 0, 2000}};
  const std::vector<VoiceKey> groan = {
      {0.0, 66, Uh, 0, 0.1, 0, 2000},    {0.3, 70, Uh, 0.9, 0.3, 0, 2000},
      {1.0, 76, A, 1.0, 0.3, 0, 2000},   {1.9, 64, O, 0.9, 0.3, 0, 2000},
      {2.6, 56, U, 0.5, 0.2, 0, 2000},   {2.9, 54, U, 0, 0.1, 0, 2000}};
  VoiceStyle hollow;
  hollow.formantScale = 0.9;
  hollow.tiltHz = 900;
  hollow.jitter = 0.03;
  hollow.roughness = 0.3;
  hollow.vibratoHz = 4.2;
  hollow.vibratoDepth = 0.015;
  VoiceStyle deep = hollow;
  deep.formantScale = 0.82;
  deep.roughness = 0.55;
  deep.tiltHz = 650;
  Track out(Frames(5.0), 0.0f);
  MixInto(out, Speak(moan, hollow, rng), 0, 1.0, false);
  MixInto(out, Speak(groan, deep, rng), static_cast<long>(Frames(1.7)), 1.1, false);
  // Heard through the closet door.
  Biquad::LowPass(3500, 0.7).Run(out);
  Sound dry{{out}};
  RoomSettings room{.size = 0.5, .damping = 0.5, .wet = 0.3, .dry = 1.0, .width = 1.0, .preDelay = 0.01};
  Sound s = Reverb(dry, room, false, false);
  TrimTail(s);
  return s;
}

Sound CreepyYell() {
  Rng rng(0x7E11);
  const Vowel scream{950, 1500, 2800, 3700};
  const std::vector<VoiceKey> keys = {
      {0.0, 380, scream, 0.3, 0.5, 0, 4000},  {0.04, 450, scream, 1.0, 0.4, 0, 4000},
      {0.18, 640, scream, 1.0, 0.45, 0, 4000}, {0.8, 580, vowels::A, 1.0, 0.5, 0, 4000},
      {1.15, 420, vowels::A, 0.9, 0.5, 0, 4000}, {1.4, 300, vowels::Uh, 0.4, 0.4, 0, 4000},
      {1.55, 260, vowels::Uh, 0, 0.1, 0, 4000}};
  VoiceStyle shriek;
  shriek.formantScale = 1.15;
  shriek.bandwidthScale = 1.4;
  shriek.tiltHz = 1800;
  shriek.jitter = 0.03;
  shriek.roughness = 0.3;
  shriek.vibratoHz = 6.5;
  shriek.vibratoDepth = 0.025;
  Track yell = Speak(keys, shriek, rng);
  // A growl an octave and a fifth beneath: not a human throat.
  std::vector<VoiceKey> low = keys;
  for (VoiceKey& k : low) k.pitch /= 3;
  VoiceStyle growl = shriek;
  growl.formantScale = 0.85;
  growl.roughness = 0.7;
  MixInto(yell, Speak(low, growl, rng), 0, 0.6, false);
  Saturate(yell, 2.5);
  yell.resize(Frames(2.4), 0.0f);
  Sound dry{{yell}};
  RoomSettings room{.size = 0.6, .damping = 0.4, .wet = 0.3, .dry = 1.0, .width = 1.0, .preDelay = 0.015};
  Sound s = Reverb(dry, room, false, false);
  TrimTail(s);
  return s;
}

}  // namespace sound
