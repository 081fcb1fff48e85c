#pragma once
// Small sound pieces that several families share: things struck, things that
// creak, crackle and rustle, and feet on wood, grass and a forest trail.

#include <vector>

#include "sounds/Dsp.h"

namespace sound {

// A decaying sine: one resonance of something struck.
struct Mode {
  double hz;
  double gain;
  double tau;  // seconds to fall by 1/e
};
// The struck resonances, summed, over `seconds`.
Track Modes(const std::vector<Mode>& modes, double seconds, double attack = 0.0005);

// White noise under a strike envelope.
Track NoiseBurst(Rng& rng, double seconds, double attack, double tau);

// A sine swept from f0 to f1 (exponentially), in a raised-cosine window.
Track Sweep(double f0, double f1, double seconds, double harmonic2 = 0.0);

// Random tiny clicks, `perSecond` of them on average, under an envelope
// given as a function of time; bright by default.
Track Crackle(Rng& rng, double seconds, double perSecond, double (*shape)(double t, double length),
              double lowHz = 1500, double highHz = 9000);

// Wood under strain: a stick-slip pulse train whose rate wanders between
// `minRate` and `maxRate`, through the resonances of a board.
Track Creak(Rng& rng, double seconds, double minRate, double maxRate, double brightness = 1.0);

// A knuckle or fist on a wooden door.
Track Knock(Rng& rng, double force);

// One footfall; `weight` 0.5 (light) .. 2 (heavy).
Track WoodStep(Rng& rng, double weight);
Track GrassStep(Rng& rng, double weight);
Track TrailStep(Rng& rng, double weight);

// A lowpass and highpass pass over a track, in one go.
void Band(Track& t, double lowCut, double highCut, bool circular = false);

}  // namespace sound
