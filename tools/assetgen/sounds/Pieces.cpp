#include "sounds/Pieces.h"

#include <algorithm>

namespace sound {

Track Modes(const std::vector<Mode>& modes, double seconds, double attack) {
  Track t(Frames(seconds), 0.0f);
  for (const Mode& m : modes) {
    if (m.hz <= 0 || m.hz >= SampleRate / 2) continue;
    // A rotating phasor: cheaper than a sine per sample, and exact enough here.
    const double w = TwoPi * m.hz / SampleRate;
    const double decay = std::exp(-1.0 / (m.tau * SampleRate));
    const double cw = std::cos(w), sw = std::sin(w);
    double re = 1, im = 0, amp = m.gain;
    for (std::size_t i = 0; i < t.size(); ++i) {
      const double time = static_cast<double>(i) / SampleRate;
      const double rise = time < attack ? time / attack : 1.0;
      t[i] += static_cast<float>(amp * rise * im);
      const double nre = re * cw - im * sw;
      im = re * sw + im * cw;
      re = nre;
      amp *= decay;
      if (amp < 1e-6 * m.gain && time > attack) break;
    }
  }
  return t;
}

Track NoiseBurst(Rng& rng, double seconds, double attack, double tau) {
  Track t = WhiteNoise(Frames(seconds), rng);
  for (std::size_t i = 0; i < t.size(); ++i) t[i] *= static_cast<float>(Strike(Seconds(i), attack, tau));
  return t;
}

Track Sweep(double f0, double f1, double seconds, double harmonic2) {
  Track t(Frames(seconds));
  double phase = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double x = static_cast<double>(i) / t.size();
    const double hz = f0 * std::pow(f1 / f0, x);
    const double w = 0.5 - 0.5 * std::cos(TwoPi * x);
    t[i] = static_cast<float>(w * (std::sin(TwoPi * phase) + harmonic2 * std::sin(2 * TwoPi * phase)));
    phase += hz / SampleRate;
    phase -= std::floor(phase);
  }
  return t;
}

Track Crackle(Rng& rng, double seconds, double perSecond, double (*shape)(double t, double length),
              double lowHz, double highHz) {
  Track t(Frames(seconds), 0.0f);
  const int count = static_cast<int>(perSecond * seconds);
  for (int k = 0; k < count; ++k) {
    const double at = rng.Uniform() * seconds;
    const double level = shape(at, seconds) * std::pow(rng.Uniform(), 2.0);
    if (level <= 0.001) continue;
    const Track grain = NoiseBurst(rng, rng.Range(0.0008, 0.004), 0.0001, rng.Range(0.0003, 0.0015));
    MixInto(t, grain, static_cast<long>(Frames(at)), level, false);
  }
  Biquad::HighPass(lowHz, 0.7).Run(t);
  Biquad::LowPass(highHz, 0.7).Run(t);
  return t;
}

Track Creak(Rng& rng, double seconds, double minRate, double maxRate, double brightness) {
  Track pulses(Frames(seconds), 0.0f);
  // The rate drifts smoothly: a random walk pulled back into its range.
  double rate = rng.Range(minRate, maxRate), drift = 0, next = 0;
  for (std::size_t i = 0; i < pulses.size(); ++i) {
    const double time = Seconds(i);
    drift += rng.Gauss() * 0.02;
    drift *= 0.999;
    rate = std::clamp(rate + drift * (maxRate - minRate) * 0.01, minRate, maxRate);
    if (time >= next) {
      pulses[i] = static_cast<float>(rng.Range(0.5, 1.0));
      next = time + 1.0 / rate * rng.Range(0.9, 1.1);
    }
  }
  Track out(pulses.size(), 0.0f);
  const std::vector<std::pair<double, double>> board = {
      {rng.Range(380, 480), 1.0}, {rng.Range(820, 980), 0.7}, {rng.Range(1450, 1700), 0.45 * brightness},
      {rng.Range(2500, 2900), 0.25 * brightness}};
  for (const auto& [hz, gain] : board) {
    Track band = pulses;
    Biquad::BandPass(hz, 12).Run(band);
    MixInto(out, band, 0, gain, false);
  }
  return out;
}

Track Knock(Rng& rng, double force) {
  auto j = [&](double x) { return x * rng.Range(0.95, 1.05); };
  Track t = Modes({{j(120), 1.0, 0.06},
                   {j(205), 0.9, 0.05},
                   {j(330), 0.6, 0.035},
                   {j(560), 0.4, 0.025},
                   {j(930), 0.25, 0.015},
                   {j(1500), 0.12, 0.008}},
                  0.4, 0.0008);
  Track click = NoiseBurst(rng, 0.03, 0.0002, 0.003);
  Biquad::HighPass(1200, 0.7).Run(click);
  MixInto(t, click, 0, 0.6 + 0.3 * force, false);
  Track thump = Modes({{j(70), 1.0, 0.04}}, 0.25, 0.002);
  MixInto(t, thump, 0, 0.5 * force, false);
  Scale(t, force);
  return t;
}

Track WoodStep(Rng& rng, double weight) {
  auto j = [&](double x) { return x * rng.Range(0.92, 1.08); };
  Track heel = Modes({{j(85), 1.0, 0.05 * weight},
                      {j(140), 0.7, 0.04 * weight},
                      {j(250), 0.45, 0.03},
                      {j(470), 0.3, 0.018},
                      {j(880), 0.15, 0.01}},
                     0.45, 0.002);
  Track scuff = NoiseBurst(rng, 0.06, 0.001, 0.008);
  Biquad::BandPass(1800, 0.8).Run(scuff);
  MixInto(heel, scuff, 0, 0.5, false);
  // The toe lands a moment after the heel, lighter.
  Track toe = Modes({{j(160), 0.6, 0.03}, {j(320), 0.4, 0.02}, {j(700), 0.25, 0.01}}, 0.2, 0.001);
  Track toeScuff = NoiseBurst(rng, 0.04, 0.0005, 0.005);
  Biquad::BandPass(2500, 0.8).Run(toeScuff);
  MixInto(toe, toeScuff, 0, 0.35, false);
  MixInto(heel, toe, static_cast<long>(Frames(rng.Range(0.05, 0.09))), 0.45, false);
  Scale(heel, std::sqrt(weight));
  return heel;
}

Track GrassStep(Rng& rng, double weight) {
  const double length = 0.4;
  Track t = Crackle(rng, length, 700, [](double at, double) { return Strike(at - 0.01, 0.02, 0.05); },
                    1500, 5500);
  Biquad::LowPass(6000, 0.7).Run(t);
  Track swish = WhiteNoise(Frames(length), rng);
  Biquad::BandPass(2500, 0.7).Run(swish);
  for (std::size_t i = 0; i < swish.size(); ++i)
    swish[i] *= static_cast<float>(Strike(Seconds(i), 0.025, 0.07));
  MixInto(t, swish, 0, 0.35, false);
  Track thump = NoiseBurst(rng, length, 0.004, 0.03);
  Biquad::LowPass(180, 0.7).Run(thump);
  Biquad::LowPass(180, 0.7).Run(thump);
  MixInto(t, thump, 0, 3.0 * weight, false);
  return t;
}

Track TrailStep(Rng& rng, double weight) {
  const double length = 0.4;
  Track t = Crackle(rng, length, 500, [](double at, double) { return Strike(at - 0.005, 0.015, 0.05); },
                    900, 5500);
  Track grit = Crackle(rng, length, 250, [](double at, double) { return Strike(at - 0.02, 0.02, 0.08); },
                       2500, 9000);
  MixInto(t, grit, 0, 0.4, false);
  Track thump = NoiseBurst(rng, length, 0.003, 0.035);
  Biquad::LowPass(220, 0.7).Run(thump);
  Biquad::LowPass(220, 0.7).Run(thump);
  MixInto(t, thump, 0, 3.5 * weight, false);
  return t;
}

void Band(Track& t, double lowCut, double highCut, bool circular) {
  Biquad hp = Biquad::HighPass(lowCut), lp = Biquad::LowPass(highCut);
  if (circular) {
    hp.RunCircular(t);
    lp.RunCircular(t);
  } else {
    hp.Run(t);
    lp.Run(t);
  }
}

}  // namespace sound
