// Outdoors: the birds of the morning (and their faint version that stays under
// the whole game), the walk along the forest trail, and the crickets at night.
// All of them are loops, rendered circularly.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"

namespace sound {

namespace {

enum class Call { Whistle, Trill, Warble, TwoNote, Chips };

struct Bird {
  Call call;
  double pitch;     // Hz, the middle of its song
  double pan;       // -1 .. 1
  double distance;  // 0 near .. 3 far
  double songs;     // songs per second
};

// A sine whose frequency follows `hz(x)` for x in [0, 1], in a smooth window.
template <typename F>
Track Glide(double seconds, F&& hz, double harmonic2 = 0.12) {
  Track t(Frames(seconds));
  double phase = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double x = static_cast<double>(i) / t.size();
    const double w = std::sin(Pi * x);
    t[i] = static_cast<float>(w * w * (std::sin(TwoPi * phase) + harmonic2 * std::sin(2 * TwoPi * phase)));
    phase += hz(x) / SampleRate;
    phase -= std::floor(phase);
  }
  return t;
}

Track Song(Rng& rng, const Bird& b) {
  Track song(Frames(2.0), 0.0f);
  auto put = [&](const Track& note, double at, double gain) {
    MixInto(song, note, static_cast<long>(Frames(at)), gain, false);
  };
  const double p = b.pitch * rng.Range(0.96, 1.04);
  switch (b.call) {
    case Call::Whistle: {
      // "tsee-tsee-tsee": a few falling whistles.
      const int n = 1 + rng.Int(4);
      const double len = rng.Range(0.08, 0.15), gap = rng.Range(0.05, 0.1);
      for (int k = 0; k < n; ++k)
        put(Glide(len, [&](double x) { return p * (1.25 - 0.45 * x); }), k * (len + gap), 1.0 - 0.1 * k);
      break;
    }
    case Call::Trill: {
      const int n = 8 + rng.Int(10);
      const double spacing = rng.Range(0.045, 0.065);
      for (int k = 0; k < n; ++k) {
        const double rise = std::sin(Pi * (k + 0.5) / n);
        put(Glide(0.035, [&](double x) { return p * (1.15 - 0.3 * x); }), k * spacing, 0.4 + 0.6 * rise);
      }
      break;
    }
    case Call::Warble: {
      const double len = rng.Range(0.5, 0.9), rate = rng.Range(22, 34), glide = rng.Range(-0.15, 0.15);
      double vib = 0;
      put(Glide(len, [&](double x) {
            vib = std::sin(TwoPi * rate * x * len);
            return p * (1 + 0.13 * vib + glide * x);
          }),
          0, 0.8);
      break;
    }
    case Call::TwoNote: {
      // "fee-bee": a held high note, then a lower one.
      put(Glide(0.24, [&](double x) { return p * (1.12 + 0.02 * x); }, 0.05), 0, 1.0);
      put(Glide(0.28, [&](double x) { return p * (0.9 - 0.03 * x); }, 0.05), 0.3, 0.85);
      break;
    }
    case Call::Chips: {
      const int n = 3 + rng.Int(5);
      for (int k = 0; k < n; ++k)
        put(Glide(0.025, [&](double x) { return p * (1.4 - 0.8 * x); }, 0.3), k * rng.Range(0.09, 0.14),
            rng.Range(0.6, 1.0));
      break;
    }
  }
  return song;
}

// The birds over one loop of `seconds`: each sings its songs at random times,
// placed and muffled by its distance, in one shared open-air reverb.
Sound Dawn(std::uint64_t seed, double seconds, const std::vector<Bird>& birds, double air,
           double wet) {
  Rng rng(seed);
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);
  for (const Bird& b : birds) {
    Track voice(frames, 0.0f);
    const int songs = std::max(1, static_cast<int>(std::lround(b.songs * seconds)));
    // Songs spread over the loop, each nudged off its even place.
    for (int k = 0; k < songs; ++k) {
      const double at = (k + rng.Range(0.0, 0.7)) * seconds / songs;
      MixInto(voice, Song(rng, b), static_cast<long>(Frames(at)), rng.Range(0.6, 1.0), true);
    }
    Biquad::LowPass(9000 / (1 + 0.7 * b.distance), 0.7).RunCircular(voice);
    MixInto(out, voice, 0, 1.0 / (1 + b.distance), b.pan, true);
  }
  // Moving air in the leaves.
  Track swell = LoopLfo(frames, rng, {1, 2, 3});
  for (Track& side : out.channels) {
    Track leaves = PinkNoise(frames, rng, true);
    Band(leaves, 350, 2500, true);
    for (std::size_t i = 0; i < frames; ++i) side[i] += static_cast<float>(air * (0.4 + 0.6 * swell[i]) * leaves[i]);
  }
  RoomSettings open{.size = 0.55, .damping = 0.6, .wet = wet, .dry = 1.0, .width = 1.0, .preDelay = 0.03};
  return Reverb(out, open, true, true);
}

}  // namespace

Sound Birds() {
  return Dawn(0xB1D5, 24.0,
              {{Call::Whistle, 4200, -0.6, 0.4, 0.30},
               {Call::Trill, 3800, 0.5, 0.8, 0.17},
               {Call::TwoNote, 3300, -0.2, 1.2, 0.21},
               {Call::Warble, 2900, 0.75, 1.5, 0.13},
               {Call::Chips, 5000, 0.2, 0.6, 0.25},
               {Call::Whistle, 5200, 0.9, 2.2, 0.17},
               {Call::TwoNote, 2700, -0.85, 2.5, 0.13}},
              0.02, 0.25);
}

Sound BirdsQuiet() {
  // Fewer birds, further off: under the title and, faintly, the whole game.
  return Dawn(0xB1D0, 32.0,
              {{Call::TwoNote, 3300, -0.5, 2.0, 0.09},
               {Call::Whistle, 4400, 0.6, 2.4, 0.12},
               {Call::Trill, 3700, 0.1, 2.8, 0.06},
               {Call::Warble, 3000, -0.8, 3.0, 0.06}},
              0.03, 0.35);
}

Sound Crickets() {
  Rng rng(0xC41C);
  const double seconds = 20.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);

  struct Cricket {
    double hz, pulseRate, period, pan, gain;
    int pulses;
  };
  const std::vector<Cricket> crickets = {
      {4300, 38, 0.55, -0.6, 1.0, 3}, {4650, 44, 0.42, 0.45, 0.8, 4}, {4100, 34, 0.8, 0.1, 0.55, 3},
      {4900, 50, 0.37, 0.85, 0.4, 5}, {4450, 40, 0.65, -0.9, 0.35, 4}};
  for (const Cricket& c : crickets) {
    // One pulse: a sine with a small downward slide.
    Track pulse = Glide(0.014, [&](double x) { return c.hz * (1.0 - 0.03 * x); }, 0.15);
    Track cricket(frames, 0.0f);
    const int chirps = static_cast<int>(std::lround(seconds / c.period));
    for (int k = 0; k < chirps; ++k) {
      if (rng.Chance(0.08)) continue;  // now and then one pauses
      const double at = k * seconds / chirps + rng.Range(0, 0.006);
      const double level = rng.Range(0.75, 1.0);
      for (int p = 0; p < c.pulses; ++p)
        MixInto(cricket, pulse, static_cast<long>(Frames(at + p / c.pulseRate)), level * (p == 0 ? 0.7 : 1.0),
                true);
    }
    MixInto(out, cricket, 0, c.gain, c.pan, true);
  }

  // The far chorus: a high buzzing trill from everywhere and nowhere.
  for (Track& side : out.channels) {
    Track chorus = WhiteNoise(frames, rng);
    Biquad::BandPass(5600, 6).RunCircular(chorus);
    const double rate = LoopHz(47, seconds);
    for (std::size_t i = 0; i < frames; ++i) {
      const double pulse = 0.5 + 0.5 * std::sin(TwoPi * rate * Seconds(i));
      chorus[i] *= static_cast<float>(0.6 * pulse * pulse * pulse);
    }
    MixInto(side, chorus, 0, 1.0, true);
    // Still night air.
    Track air = PinkNoise(frames, rng, true);
    Band(air, 60, 500, true);
    MixInto(side, air, 0, 0.05, true);
  }
  RoomSettings night{.size = 0.6, .damping = 0.5, .wet = 0.3, .dry = 1.0, .width = 1.0, .preDelay = 0.02};
  return Reverb(out, night, true, true);
}

Sound ForestWalk() {
  Rng rng(0xF04E);
  const double seconds = 16.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);

  // Wind through leaves, in gusts that come round with the loop.
  const Track gust = LoopLfo(frames, rng, {1, 2, 3, 5});
  for (Track& side : out.channels) {
    Track wind = PinkNoise(frames, rng, true);
    Svf sweep;
    Track swept(frames);
    for (int pass = 0; pass < 2; ++pass)
      for (std::size_t i = 0; i < frames; ++i) {
        if (i % 32 == 0) sweep.Set(300 + 600 * gust[i], 0.9);
        sweep.Process(wind[i]);
        swept[i] = static_cast<float>(sweep.band);
      }
    Track leaves = WhiteNoise(frames, rng);
    Band(leaves, 2500, 8000, true);
    // The leaves flutter: a fast, uneven wobble on their loudness.
    Track flutter = WhiteNoise(frames, rng);
    for (float& x : flutter) x = std::fabs(x);
    Biquad::LowPass(12, 0.7).RunCircular(flutter);
    for (std::size_t i = 0; i < frames; ++i) {
      const double g = gust[i];
      side[i] += static_cast<float>((0.3 + 0.7 * g) * swept[i] * 0.5 +
                                    g * g * (0.3 + 2.5 * flutter[i]) * leaves[i] * 0.12);
    }
  }

  // Steps along the trail, a little under two a second.
  const int steps = 28;
  for (int k = 0; k < steps; ++k) {
    const double at = k * seconds / steps + rng.Range(-0.015, 0.015);
    const Track step = TrailStep(rng, rng.Range(0.8, 1.1));
    MixInto(out, step, static_cast<long>(Frames(at)), rng.Range(0.8, 1.0), k % 2 ? 0.12 : -0.12, true);
  }
  // Twigs snapping under foot now and then.
  for (double at : {3.3, 11.8}) {
    Track twig = Crackle(rng, 0.08, 2500, [](double t, double) { return Strike(t, 0.002, 0.015); }, 1200, 7000);
    MixInto(out, twig, static_cast<long>(Frames(at)), 0.8, 0.1, true);
  }
  RoomSettings trees{.size = 0.4, .damping = 0.6, .wet = 0.15, .dry = 1.0, .width = 1.0, .preDelay = 0.02};
  return Reverb(out, trees, true, true);
}

}  // namespace sound
