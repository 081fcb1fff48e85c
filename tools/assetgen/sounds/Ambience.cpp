// The dread under the story: the title's low beating drone, the darker bed of
// the forest with its distant knocks, and the dissonant swells of the closet
// and the chase. All loops, rendered circularly.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"

namespace sound {

namespace {

struct Partial {
  double hz;
  double gain;
};

// Sines that each complete whole cycles over the loop, at random phases.
Track LoopChord(std::size_t frames, Rng& rng, const std::vector<Partial>& partials) {
  const double seconds = Seconds(frames);
  Track t(frames, 0.0f);
  for (const Partial& p : partials) {
    const double hz = LoopHz(p.hz, seconds);
    const double phase = rng.Uniform();
    for (std::size_t i = 0; i < frames; ++i)
      t[i] += static_cast<float>(p.gain * std::sin(TwoPi * (phase + hz * Seconds(i))));
  }
  return t;
}

// Noise through a band that wanders with a loop modulation.
Track WanderingBand(std::size_t frames, Rng& rng, const Track& lfo, double lowHz, double highHz,
                    double q) {
  const Track noise = PinkNoise(frames, rng, true);
  Track out(frames);
  Svf f;
  for (int pass = 0; pass < 2; ++pass)
    for (std::size_t i = 0; i < frames; ++i) {
      if (i % 32 == 0) f.Set(lowHz * std::pow(highHz / lowHz, lfo[i]), q);
      f.Process(noise[i]);
      out[i] = static_cast<float>(f.band);
    }
  return out;
}

}  // namespace

Sound CreepyAmbience() {
  Rng rng(0xC5EE);
  const double seconds = 24.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);
  const Track swell = LoopLfo(frames, rng, {1, 2});
  const Track whistle = LoopLfo(frames, rng, {2, 3});
  for (int side = 0; side < 2; ++side) {
    Track& t = out.channels[static_cast<std::size_t>(side)];
    // Two low tones a hair apart beat slowly against each other; each side
    // beats at its own rate, so the beating drifts across the room.
    const double beat = side == 0 ? 0.25 : 1.0 / 6.0;
    Track drone = LoopChord(frames, rng,
                            {{55.0, 1.0}, {55.0 + beat, 0.9}, {82.5, 0.3}, {82.5 + beat * 1.5, 0.25},
                             {110.0, 0.15}, {116.5, 0.05}});
    Saturate(drone, 1.6);
    MixInto(t, drone, 0, 0.5, true);
    // A thin cold tone that comes and goes high above.
    Track high = LoopChord(frames, rng, {{1318.5, 1.0}, {1396.9, 0.4}});
    for (std::size_t i = 0; i < frames; ++i) high[i] *= static_cast<float>(std::pow(whistle[i], 4.0));
    MixInto(t, high, 0, 0.012, true);
    // Air moving in a large dark space.
    Track wind = WanderingBand(frames, rng, swell, 140, 520, 1.4);
    for (std::size_t i = 0; i < frames; ++i) wind[i] *= static_cast<float>(0.3 + 0.7 * swell[i]);
    MixInto(t, wind, 0, 0.35, true);
    Track rumble = WhiteNoise(frames, rng);
    Biquad::LowPass(60, 0.7).RunCircular(rumble);
    Biquad::LowPass(60, 0.7).RunCircular(rumble);
    MixInto(t, rumble, 0, 1.2, true);
  }
  RoomSettings hall{.size = 0.85, .damping = 0.5, .wet = 0.35, .dry = 1.0, .width = 1.0, .preDelay = 0.04};
  return Reverb(out, hall, true, true);
}

Sound ScaryAmbience() {
  Rng rng(0x5CA7);
  const double seconds = 30.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);
  const Track breath = LoopLfo(frames, rng, {2, 3, 5});
  const Track shimmer = LoopLfo(frames, rng, {1, 4});
  for (int side = 0; side < 2; ++side) {
    Track& t = out.channels[static_cast<std::size_t>(side)];
    // A growl at the bottom: E and F a semitone apart, rubbing, and a buzzing
    // low saw whose filter opens and closes like slow breathing.
    Track sub = LoopChord(frames, rng, {{41.2, 1.0}, {43.65, 0.7}, {58.27, 0.25}});
    Saturate(sub, 2.0);
    MixInto(t, sub, 0, 0.4, true);
    std::vector<double> hz(frames, LoopHz(side == 0 ? 41.2 : 41.25, seconds));
    Track saw = LoopTone(hz, [](double p) { return 2.0 * p - 1.0; });
    Svf f;
    for (int pass = 0; pass < 2; ++pass)
      for (std::size_t i = 0; i < frames; ++i) {
        if (i % 32 == 0) f.Set(90 + 260 * breath[i], 1.2);
        f.Process(saw[i]);
        if (pass == 1) saw[i] = static_cast<float>(f.low);
      }
    MixInto(t, saw, 0, 0.25, true);
    Track rumble = WanderingBand(frames, rng, breath, 40, 140, 0.8);
    MixInto(t, rumble, 0, 0.6, true);
    // Something metal, far off, singing faintly.
    Track metal = WhiteNoise(frames, rng);
    Track ring = metal;
    Biquad::BandPass(2300, 40).RunCircular(metal);
    Biquad::BandPass(3430, 40).RunCircular(ring);
    for (std::size_t i = 0; i < frames; ++i)
      t[i] += static_cast<float>(0.05 * std::pow(shimmer[i], 3.0) * (metal[i] + 0.6 * ring[i]));
  }

  // Knocks from somewhere out in the dark, and a slow creak.
  Sound far = Sound::Stereo(frames);
  const std::vector<std::pair<double, int>> knocks = {{6.5, 3}, {19.2, 2}};
  for (const auto& [at, count] : knocks)
    for (int k = 0; k < count; ++k) {
      Track knock = Knock(rng, 1.2);
      Biquad::LowPass(700, 0.7).Run(knock);
      MixInto(far, knock, static_cast<long>(Frames(at + k * 0.5)), 0.5, at < 10 ? -0.5 : 0.4, true);
    }
  Track creak = Creak(rng, 2.2, 14, 40, 0.5);
  for (std::size_t i = 0; i < creak.size(); ++i) creak[i] *= static_cast<float>(Window(Seconds(i), 2.2, 0.6, 0.9));
  Biquad::LowPass(1500, 0.7).Run(creak);
  MixInto(far, creak, static_cast<long>(Frames(13.0)), 0.25, 0.7, true);
  RoomSettings distance{.size = 0.9, .damping = 0.7, .wet = 0.9, .dry = 0.35, .width = 1.0, .preDelay = 0.06};
  MixInto(out, Reverb(far, distance, true, true), 0, 1.0, true);

  RoomSettings dark{.size = 0.8, .damping = 0.6, .wet = 0.3, .dry = 1.0, .width = 1.0, .preDelay = 0.03};
  return Reverb(out, dark, true, true);
}

Sound CreepyChords() {
  Rng rng(0xC40D);
  const double seconds = 24.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);
  // Four clusters, each swelling up out of the last and dying away.
  const std::vector<std::vector<int>> chords = {
      {45, 46, 52, 63}, {41, 47, 48, 54}, {44, 50, 57, 63}, {40, 41, 47, 60}};
  const double every = seconds / chords.size(), length = 9.0;
  for (std::size_t c = 0; c < chords.size(); ++c) {
    for (std::size_t n = 0; n < chords[c].size(); ++n) {
      const double base = NoteHz(chords[c][n]);
      Track voice(Frames(length), 0.0f);
      // Three slightly detuned saws: a small, uneasy string section.
      for (double cents : {-8.0, 0.0, 7.0}) {
        Phase phase(rng.Uniform());
        const double hz = base * std::pow(2.0, cents / 1200.0);
        const double vibRate = rng.Range(4.5, 5.5);
        for (std::size_t i = 0; i < voice.size(); ++i) {
          const double time = Seconds(i);
          const double vib = 1 + 0.003 * std::min(1.0, time / 2) * std::sin(TwoPi * vibRate * time);
          const double inc = hz * vib / SampleRate;
          voice[i] += static_cast<float>(SawAt(phase.Step(hz * vib), inc) / 3);
        }
      }
      Svf f;
      for (std::size_t i = 0; i < voice.size(); ++i) {
        const double env = Window(Seconds(i), length, 4.0, 4.5);
        if (i % 32 == 0) f.Set(220 + 1600 * std::pow(env, 1.5), 0.9);
        f.Process(voice[i]);
        voice[i] = static_cast<float>(f.low * env);
      }
      const double pan = (static_cast<double>(n) / (chords[c].size() - 1)) * 1.2 - 0.6;
      MixInto(out, voice, static_cast<long>(Frames(c * every)), 0.5, pan, true);
    }
    // A low root under each swell.
    Track root(Frames(length));
    const double rootHz = NoteHz(chords[c][0] - 12);
    for (std::size_t i = 0; i < root.size(); ++i)
      root[i] = static_cast<float>(Window(Seconds(i), length, 4.5, 4.0) * std::sin(TwoPi * rootHz * Seconds(i)));
    MixInto(out, root, static_cast<long>(Frames(c * every)), 0.35, 0.0, true);
  }
  RoomSettings hall{.size = 0.9, .damping = 0.45, .wet = 0.4, .dry = 1.0, .width = 1.0, .preDelay = 0.03};
  return Reverb(out, hall, true, true);
}

}  // namespace sound
