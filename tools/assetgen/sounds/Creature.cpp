// The thing in the woods: heard walking and running through the grass and
// across the cabin's floor, and its calls, which are like nothing the player
// can name.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"
#include "sounds/Voice.h"

namespace sound {

namespace {

// Out among the trees at night: a long, dark, wide tail.
const RoomSettings Woods{.size = 0.75, .damping = 0.65, .wet = 0.45, .dry = 1.0, .width = 1.0, .preDelay = 0.04};
const RoomSettings FarWoods{.size = 0.9, .damping = 0.7, .wet = 0.8, .dry = 0.45, .width = 1.0, .preDelay = 0.07};
const RoomSettings Cabin{.size = 0.4, .damping = 0.45, .wet = 0.22, .dry = 1.0, .width = 1.0, .preDelay = 0.008};

Sound Finish(Sound dry, const RoomSettings& room, bool stereo) {
  Sound s = Reverb(dry, room, false, stereo);
  TrimTail(s);
  return s;
}

// Something dragged through the grass between steps.
Track Swish(Rng& rng, double seconds, double centreHz) {
  Track t = WhiteNoise(Frames(seconds), rng);
  Biquad::BandPass(centreHz, 0.8).Run(t);
  for (std::size_t i = 0; i < t.size(); ++i) t[i] *= static_cast<float>(Window(Seconds(i), seconds, seconds * 0.4, seconds * 0.5));
  return t;
}

}  // namespace

Sound ItWalkingOnGrass() {
  Rng rng(0x17A1);
  const double seconds = 4.0;
  Sound s = Sound::Stereo(Frames(seconds));
  // Slow, heavy, uneven: a long stride and a short one.
  const double steps[] = {0.1, 0.95, 1.7, 2.75};
  for (int k = 0; k < 4; ++k) {
    Track step = GrassStep(rng, rng.Range(1.6, 1.9));
    Biquad::LowPass(3500, 0.7).Run(step);
    const double pan = -0.65 + 0.1 * k;
    MixInto(s, step, static_cast<long>(Frames(steps[k])), 1.0, pan, false);
    MixInto(s, Swish(rng, 0.5, 2200), static_cast<long>(Frames(steps[k] + 0.15)), 0.12, pan, false);
  }
  return Finish(s, Woods, true);
}

Sound ItRunningOnGrass() {
  Rng rng(0x17A2);
  const double seconds = 3.0;
  Sound s = Sound::Stereo(Frames(seconds));
  // Fast and heavy, passing from left to right in front of the player.
  const int steps = 12;
  for (int k = 0; k < steps; ++k) {
    const double x = static_cast<double>(k) / (steps - 1);
    const double at = 0.08 + k * 0.175 + rng.Range(-0.01, 0.01);
    const double near = 0.35 + 0.65 * std::sin(Pi * x);
    Track step = GrassStep(rng, rng.Range(1.2, 1.5));
    Biquad::LowPass(2500 + 4000 * near, 0.7).Run(step);
    MixInto(s, step, static_cast<long>(Frames(at)), near, -0.9 + 1.8 * x, false);
  }
  // Brushing through the tall grass all the way.
  Track rush = Swish(rng, 2.3, 2800);
  for (std::size_t i = 0; i < rush.size(); ++i) {
    const double x = Seconds(i) / 2.3;
    rush[i] *= static_cast<float>(0.5 + 0.5 * std::sin(Pi * x));
  }
  MixInto(s, rush, static_cast<long>(Frames(0.05)), 0.15, 0.0, false);
  return Finish(s, Woods, true);
}

Sound ItWalkingInYourRoom() {
  Rng rng(0x17A3);
  const double seconds = 4.8;
  Track t(Frames(seconds), 0.0f);
  // Heavy steps across the bedroom floor; each board answers with a creak.
  const double steps[] = {0.15, 1.2, 2.3, 3.35};
  for (double at : steps) {
    MixInto(t, WoodStep(rng, rng.Range(1.8, 2.1)), static_cast<long>(Frames(at)), 1.0, false);
    Track creak = Creak(rng, 0.45, 25, 70, 0.7);
    for (std::size_t i = 0; i < creak.size(); ++i) creak[i] *= static_cast<float>(Window(Seconds(i), 0.45, 0.1, 0.2));
    MixInto(t, creak, static_cast<long>(Frames(at + 0.12)), 1.8, false);
  }
  // Heard from inside the closet.
  Biquad::LowPass(2800, 0.7).Run(t);
  return Finish(Sound{{t}}, Cabin, false);
}

Sound WoodRunning() {
  Rng rng(0x17A4);
  const double seconds = 2.6;
  Track t(Frames(seconds), 0.0f);
  // Running across the boards and away, fading into the house.
  const int steps = 10;
  for (int k = 0; k < steps; ++k) {
    const double x = static_cast<double>(k) / (steps - 1);
    Track step = WoodStep(rng, rng.Range(1.5, 1.8));
    Biquad::LowPass(5000 - 3200 * x, 0.7).Run(step);
    MixInto(t, step, static_cast<long>(Frames(0.03 + k * 0.185 + rng.Range(-0.01, 0.01))), 1.0 - 0.65 * x, false);
  }
  return Finish(Sound{{t}}, Cabin, false);
}

Sound IdkWhatToNameThis() {
  Rng rng(0x1D4B);
  // A hollow call from far off: two voices a tritone apart, sliding and
  // wavering, neither owl nor person.
  using namespace vowels;
  const std::vector<VoiceKey> call = {
      {0.0, 300, U, 0, 0.2, 0, 2000},   {0.15, 310, U, 1.0, 0.3, 0, 2000},
      {0.8, 265, O, 1.0, 0.3, 0, 2000}, {1.2, 345, U, 0.9, 0.35, 0, 2000},
      {2.0, 220, O, 0.8, 0.3, 0, 2000}, {2.3, 200, U, 0, 0.1, 0, 2000}};
  VoiceStyle hollow;
  hollow.formantScale = 1.1;
  hollow.tiltHz = 700;
  hollow.jitter = 0.02;
  hollow.vibratoHz = 3.2;
  hollow.vibratoDepth = 0.04;
  Track a = Speak(call, hollow, rng);
  std::vector<VoiceKey> other = call;
  for (VoiceKey& k : other) k.pitch *= std::sqrt(2.0) * 1.01;
  hollow.vibratoHz = 2.7;
  MixInto(a, Speak(other, hollow, rng), static_cast<long>(Frames(0.06)), 0.6, false);
  Biquad::LowPass(2500, 0.7).Run(a);
  a.resize(Frames(3.6), 0.0f);
  Sound s = Sound::Stereo(a.size());
  MixInto(s, a, 0, 1.0, -0.5, false);
  return Finish(s, FarWoods, true);
}

Sound WhatEvenIsThis() {
  Rng rng(0x3E75);
  const double seconds = 3.2;
  Track t(Frames(seconds), 0.0f);
  // Chittering: bursts of hard little clicks, too fast for any bird.
  for (double burst : {0.05, 0.75, 1.6}) {
    const int clicks = 8 + rng.Int(7);
    const double rate = rng.Range(25, 45);
    for (int k = 0; k < clicks; ++k) {
      const double hz = rng.Range(1700, 2600);
      Track click = Modes({{hz, 1.0, 0.003}, {hz * 1.7, 0.6, 0.002}, {hz * 0.5, 0.4, 0.004}}, 0.03, 0.0001);
      MixInto(t, click, static_cast<long>(Frames(burst + k / rate + rng.Range(0, 0.004))), rng.Range(0.5, 1.0), false);
    }
  }
  // Under it a low, wet growl.
  Phase p;
  Track growl(Frames(2.6));
  Track rough = WhiteNoise(growl.size(), rng);
  Biquad::LowPass(30, 0.7).Run(rough);
  for (std::size_t i = 0; i < growl.size(); ++i) {
    const double hz = 52 * (1 + 0.8 * rough[i]);
    growl[i] = static_cast<float>(Window(Seconds(i), 2.6, 0.6, 1.0) * SawAt(p.Step(hz), hz / SampleRate) *
                                  (0.6 + 3 * std::fabs(rough[i])));
  }
  Biquad::LowPass(320, 0.8).Run(growl);
  MixInto(t, growl, static_cast<long>(Frames(0.3)), 0.5, false);
  Sound s = Sound::Stereo(t.size());
  MixInto(s, t, 0, 1.0, 0.45, false);
  return Finish(s, Woods, true);
}

Sound CreepyNoise() {
  Rng rng(0xC4EE);
  const double seconds = 3.4;
  Track t(Frames(seconds), 0.0f);
  // A tree, or a rope, creaking slowly under a weight...
  Track creak = Creak(rng, 2.6, 7, 26, 0.6);
  for (std::size_t i = 0; i < creak.size(); ++i) creak[i] *= static_cast<float>(Window(Seconds(i), 2.6, 0.8, 0.6));
  MixInto(t, creak, static_cast<long>(Frames(0.1)), 1.0, false);
  // ...and a breath of whispering that swells and is cut off.
  std::vector<VoiceKey> whisper;
  for (int k = 0; k <= 12; ++k) {
    const double at = 0.2 + k * 0.2;
    const Vowel& v = (k % 3 == 0) ? vowels::I : (k % 3 == 1) ? vowels::Uh : vowels::E;
    const double swell = std::min(1.0, at / 2.4);
    whisper.push_back({at, 100, v, 0, (k % 2 ? 0.9 : 0.4) * swell, k % 4 == 1 ? 0.3 * swell : 0.0, 6000});
  }
  whisper.push_back({2.75, 100, vowels::Uh, 0, 0, 0, 6000});
  VoiceStyle style;
  style.formantScale = 1.1;
  MixInto(t, Speak(whisper, style, rng), 0, 0.5, false);
  Sound s = Sound::Stereo(t.size());
  MixInto(s, t, 0, 1.0, -0.2, false);
  return Finish(s, Woods, true);
}

Sound ScaryScreech() {
  Rng rng(0x5C4E);
  const double seconds = 2.0;
  Track t(Frames(seconds), 0.0f);
  // A piercing, tearing cry: a bright tone ripped apart by fast modulation.
  Phase carrier, modulator, upper;
  Track rasp = WhiteNoise(t.size(), rng);
  Biquad::BandPass(3000, 1.2).Run(rasp);
  const double length = 1.5;
  for (std::size_t i = 0; i < Frames(length); ++i) {
    const double time = Seconds(i);
    const double x = time / length;
    const double hz = 1900 * (1 + 0.35 * std::sin(Pi * std::min(1.0, x * 1.6))) * (1 + 0.02 * std::sin(TwoPi * 9 * time));
    const double index = 2.0 + 2.5 * x;
    const double mod = std::sin(TwoPi * modulator.Step(185));
    const double tone = std::sin(TwoPi * carrier.Step(hz) + index * mod) + 0.5 * std::sin(TwoPi * upper.Step(hz * 1.5) + index * mod);
    const double env = Window(time, length, 0.03, 0.9);
    t[i] = static_cast<float>(env * (tone + 0.8 * rasp[i]));
  }
  Saturate(t, 2.5);
  Biquad::HighPass(400, 0.7).Run(t);
  Sound s = Sound::Stereo(t.size());
  MixInto(s, t, 0, 1.0, 0.2, false);
  return Finish(s, Woods, true);
}

}  // namespace sound
