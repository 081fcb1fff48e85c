// The player's own doings and the sounds of the house and cabin: clicks, feet,
// brushing, eating, the lighter, drinking, the door, knocks, breaking glass
// and the fish coming out of the lake.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"

namespace sound {

namespace {

// A small room with hard walls: the house and the cabin.
const RoomSettings Indoors{.size = 0.3, .damping = 0.45, .wet = 0.18, .dry = 1.0, .width = 1.0, .preDelay = 0.006};
const RoomSettings Outdoors{.size = 0.45, .damping = 0.6, .wet = 0.12, .dry = 1.0, .width = 1.0, .preDelay = 0.02};

Sound InRoom(Track dry, const RoomSettings& room, double seconds) {
  dry.resize(Frames(seconds), 0.0f);
  Sound s = Reverb(Sound{{std::move(dry)}}, room, false, false);
  TrimTail(s);
  return s;
}

// One stroke of a toothbrush or several quick ones: bristles scratching,
// a little foam.
Track Brushing(Rng& rng, double seconds, const std::vector<std::pair<double, double>>& strokes,
               double centreHz) {
  const std::size_t frames = Frames(seconds);
  Track bristles = WhiteNoise(frames, rng);
  Biquad::BandPass(centreHz, 1.1).Run(bristles);
  Biquad::HighPass(1500, 0.7).Run(bristles);
  // Bristles catch and let go: a rough flutter on the loudness.
  Track catchy = WhiteNoise(frames, rng);
  for (float& x : catchy) x = std::fabs(x);
  Biquad::LowPass(160, 0.7).Run(catchy);
  Track foam = WhiteNoise(frames, rng);
  Biquad::LowPass(900, 0.7).Run(foam);
  Track out(frames, 0.0f);
  for (std::size_t i = 0; i < frames; ++i) {
    const double time = Seconds(i);
    double env = 0;
    for (const auto& [start, length] : strokes) env = std::max(env, Window(time - start, length, 0.04, 0.07));
    out[i] = static_cast<float>(env * ((0.4 + 3.0 * catchy[i]) * bristles[i] + 0.25 * foam[i]));
  }
  return out;
}

}  // namespace

Sound Click() {
  Rng rng(0xC11C);
  // A soft tick: a small plastic resonance and a breath of noise.
  Track t = Modes({{1900, 1.0, 0.004}, {3100, 0.5, 0.003}, {820, 0.4, 0.006}}, 0.06, 0.0003);
  Track tick = NoiseBurst(rng, 0.02, 0.0002, 0.0015);
  Biquad::BandPass(2500, 1.0).Run(tick);
  MixInto(t, tick, 0, 0.6, false);
  Biquad::LowPass(6000, 0.7).Run(t);
  return InRoom(t, Indoors, 0.12);
}

Sound FootstepsWood() {
  Rng rng(0xF00D);
  Track t(Frames(1.5), 0.0f);
  for (int k = 0; k < 3; ++k)
    MixInto(t, WoodStep(rng, rng.Range(0.9, 1.1)), static_cast<long>(Frames(0.03 + k * 0.42)),
            k == 2 ? 0.8 : 1.0, false);
  return InRoom(t, Indoors, 1.5);
}

Sound FootstepsGrass() {
  Rng rng(0x62A5);
  Track t(Frames(1.5), 0.0f);
  for (int k = 0; k < 3; ++k)
    MixInto(t, GrassStep(rng, rng.Range(0.9, 1.1)), static_cast<long>(Frames(0.02 + k * 0.45)),
            k == 2 ? 0.8 : 1.0, false);
  return InRoom(t, Outdoors, 1.5);
}

Sound BrushTeethOne() {
  Rng rng(0xB001);
  return InRoom(Brushing(rng, 0.45, {{0.02, 0.32}}, 4200), Indoors, 0.6);
}

Sound BrushTeethTwo() {
  Rng rng(0xB002);
  return InRoom(Brushing(rng, 0.5, {{0.02, 0.17}, {0.21, 0.2}}, 3700), Indoors, 0.65);
}

Sound BrushTeethThree() {
  Rng rng(0xB003);
  return InRoom(Brushing(rng, 0.6, {{0.02, 0.12}, {0.13, 0.12}, {0.24, 0.12}, {0.35, 0.15}}, 3300),
                Indoors, 0.75);
}

Sound Eating() {
  Rng rng(0xEA7E);
  const double seconds = 3.0;
  Track t(Frames(seconds), 0.0f);
  // A bite: a crisp crunch.
  for (double at : {0.05, 1.55}) {
    Track bite = Crackle(rng, 0.25, 3000, [](double x, double) { return Strike(x, 0.01, 0.05); }, 1200, 7000);
    MixInto(t, bite, static_cast<long>(Frames(at)), 1.0, false);
  }
  // Chewing: soft wet squelches with a little crunch left in them.
  for (double at = 0.4; at < seconds - 0.3; at += rng.Range(0.33, 0.42)) {
    if (at > 1.45 && at < 1.8) continue;
    Track chew = NoiseBurst(rng, 0.2, 0.02, 0.04);
    Biquad::BandPass(rng.Range(350, 700), 2.0).Run(chew);
    MixInto(t, chew, static_cast<long>(Frames(at)), 1.8, false);
    Track grit = Crackle(rng, 0.12, 700, [](double x, double) { return Strike(x, 0.01, 0.03); }, 1500, 6000);
    MixInto(t, grit, static_cast<long>(Frames(at)), 0.35 * std::exp(-(at - 0.4)), false);
    Track jaw = Modes({{rng.Range(90, 120), 1.0, 0.03}}, 0.15, 0.005);
    MixInto(t, jaw, static_cast<long>(Frames(at + 0.05)), 0.3, false);
  }
  FadeOut(t, 0.2);
  return InRoom(t, Indoors, seconds);
}

Sound Lighter() {
  Rng rng(0x1167);
  const double seconds = 1.6;
  Track t(Frames(seconds), 0.0f);
  // The lid flips open: a bright metal clink.
  MixInto(t, Modes({{3150, 1.0, 0.05}, {5320, 0.6, 0.03}, {7900, 0.35, 0.02}, {1800, 0.3, 0.04}}, 0.3, 0.0002),
          static_cast<long>(Frames(0.02)), 0.5, false);
  // The thumb drives the wheel over the flint: a rasp full of sparks.
  Track wheel = Crackle(rng, 0.09, 6000, [](double x, double len) { return Window(x, len, 0.01, 0.04); },
                        2500, 10000);
  MixInto(t, wheel, static_cast<long>(Frames(0.3)), 1.2, false);
  // The flame catches with a soft whoomp and burns, flickering.
  const std::size_t flameStart = Frames(0.36), flameFrames = Frames(1.2);
  Track flame = WhiteNoise(flameFrames, rng);
  Svf f;
  Track flicker = WhiteNoise(flameFrames, rng);
  Biquad::LowPass(9, 0.7).Run(flicker);
  for (std::size_t i = 0; i < flameFrames; ++i) {
    const double time = Seconds(i);
    if (i % 32 == 0) f.Set(300 + 1200 * Strike(time, 0.03, 0.25), 0.7);
    f.Process(flame[i]);
    const double env = Window(time, 1.2, 0.015, 0.5) * (0.35 + 0.65 * Strike(time, 0.02, 0.12));
    flame[i] = static_cast<float>(env * f.low * (1 + 4 * flicker[i]));
  }
  MixInto(t, flame, static_cast<long>(flameStart), 0.9, false);
  return InRoom(t, Outdoors, seconds);
}

Sound Drinking() {
  Rng rng(0xD41C);
  const double seconds = 3.0;
  Track t(Frames(seconds), 0.0f);
  int gulp = 0;
  for (double at = 0.15; at < seconds - 0.5; at += rng.Range(0.55, 0.7), ++gulp) {
    // Water running from the bottle: a bubbling glug, the bubbles rising in pitch.
    for (int b = 0; b < 4; ++b) {
      const double hz = rng.Range(280, 520);
      MixInto(t, Sweep(hz, hz * rng.Range(1.4, 1.9), rng.Range(0.03, 0.05)),
              static_cast<long>(Frames(at + b * rng.Range(0.03, 0.05))), rng.Range(0.25, 0.45), false);
    }
    // The swallow: a low wet knock in the throat.
    Track swallow = NoiseBurst(rng, 0.2, 0.01, 0.035);
    Biquad::LowPass(400, 1.2).Run(swallow);
    MixInto(t, swallow, static_cast<long>(Frames(at + 0.22)), 2.5, false);
    MixInto(t, Modes({{rng.Range(110, 140), 1.0, 0.04}}, 0.2, 0.004), static_cast<long>(Frames(at + 0.22)), 0.4,
            false);
    // Slosh in the bottle.
    Track slosh = NoiseBurst(rng, 0.3, 0.05, 0.08);
    Biquad::BandPass(rng.Range(700, 1000), 3).Run(slosh);
    MixInto(t, slosh, static_cast<long>(Frames(at)), 0.6, false);
  }
  // A breath out at the end: "ah".
  Track breath = WhiteNoise(Frames(0.4), rng);
  Biquad::BandPass(1100, 1.2).Run(breath);
  for (std::size_t i = 0; i < breath.size(); ++i) breath[i] *= static_cast<float>(Window(Seconds(i), 0.4, 0.05, 0.25));
  MixInto(t, breath, static_cast<long>(Frames(seconds - 0.5)), 0.25, false);
  return InRoom(t, Outdoors, seconds);
}

Sound DoorOpen() {
  Rng rng(0xD004);
  const double seconds = 2.6;
  Track t(Frames(seconds), 0.0f);
  // The handle and the latch.
  MixInto(t, Modes({{2400, 1.0, 0.015}, {4100, 0.6, 0.01}, {1300, 0.5, 0.02}}, 0.1, 0.0003), 0, 0.4, false);
  MixInto(t, Modes({{1900, 1.0, 0.02}, {3600, 0.5, 0.012}, {900, 0.6, 0.03}}, 0.1, 0.0003),
          static_cast<long>(Frames(0.14)), 0.5, false);
  // A long creak of the hinge, slow then quicker then slow.
  Track creak = Creak(rng, 1.9, 18, 70, 1.0);
  for (std::size_t i = 0; i < creak.size(); ++i)
    creak[i] *= static_cast<float>(Window(Seconds(i), 1.9, 0.25, 0.5) * (0.6 + 0.4 * std::sin(Pi * Seconds(i) / 1.9)));
  MixInto(t, creak, static_cast<long>(Frames(0.25)), 1.2, false);
  // The door swings to rest against the wall.
  Track bump = Knock(rng, 0.5);
  Biquad::LowPass(600, 0.7).Run(bump);
  MixInto(t, bump, static_cast<long>(Frames(2.15)), 0.5, false);
  return InRoom(t, Indoors, seconds);
}

Sound KnockKnock() {
  Rng rng(0x0C0C);
  Track t(Frames(1.4), 0.0f);
  MixInto(t, Knock(rng, 1.0), static_cast<long>(Frames(0.02)), 1.0, false);
  MixInto(t, Knock(rng, 1.05), static_cast<long>(Frames(0.5)), 1.0, false);
  return InRoom(t, Indoors, 1.4);
}

Sound KnockKnockKnock() {
  Rng rng(0x0C0D);
  // Harder, and closer together.
  Track t(Frames(1.5), 0.0f);
  for (int k = 0; k < 3; ++k)
    MixInto(t, Knock(rng, 1.4 + 0.1 * k), static_cast<long>(Frames(0.02 + k * 0.33)), 1.0, false);
  return InRoom(t, Indoors, 1.5);
}

Sound GlassShatter() {
  Rng rng(0x6A55);
  const double seconds = 3.0;
  Track t(Frames(seconds), 0.0f);
  // The blow: a crack through the whole band and a thud in the frame.
  Track crash = NoiseBurst(rng, 0.9, 0.001, 0.16);
  Biquad::HighPass(700, 0.7).Run(crash);
  MixInto(t, crash, 0, 1.0, false);
  MixInto(t, Modes({{75, 1.0, 0.08}, {130, 0.6, 0.05}}, 0.5, 0.001), 0, 0.8, false);
  // Shards: hundreds of small bright rings, thick at first, thinning out, and
  // later pieces bouncing on the floor.
  for (int k = 0; k < 700; ++k) {
    const double at = k < 560 ? 0.7 * std::pow(rng.Uniform(), 1.8) : rng.Range(0.35, 1.6);
    const double base = rng.Range(2200, 8500);
    const double level = (k < 560 ? 0.6 : 0.35) * rng.Range(0.2, 1.0) * (at < 0.1 ? 1.0 : std::exp(-(at - 0.1) * 1.2));
    Track shard = Modes({{base, 1.0, rng.Range(0.008, 0.06)},
                         {base * rng.Range(1.6, 2.3), 0.5, rng.Range(0.005, 0.03)},
                         {base * rng.Range(2.7, 3.6), 0.25, rng.Range(0.004, 0.02)}},
                        0.25, 0.0002);
    MixInto(t, shard, static_cast<long>(Frames(at)), level, false);
  }
  // The glassy hiss of the pieces settling.
  Track settle = Crackle(rng, 1.8, 1500, [](double x, double) { return Strike(x, 0.05, 0.5); }, 3000, 12000);
  MixInto(t, settle, static_cast<long>(Frames(0.05)), 1.2, false);
  return InRoom(t, Indoors, seconds);
}

Sound CaughtFish() {
  Rng rng(0xF154);
  const double seconds = 2.0;
  Track t(Frames(seconds), 0.0f);
  // The fish breaks the surface: a slap and a splash.
  Track slap = NoiseBurst(rng, 0.2, 0.002, 0.03);
  Biquad::LowPass(900, 0.8).Run(slap);
  MixInto(t, slap, 0, 2.0, false);
  Track splash = WhiteNoise(Frames(0.7), rng);
  Band(splash, 800, 6000);
  for (std::size_t i = 0; i < splash.size(); ++i)
    splash[i] *= static_cast<float>(Strike(Seconds(i), 0.02, 0.15));
  MixInto(t, splash, static_cast<long>(Frames(0.01)), 0.9, false);
  // Bubbles, and drops falling back into the water.
  for (int k = 0; k < 28; ++k) {
    const double at = k < 14 ? rng.Range(0.02, 0.35) : rng.Range(0.3, 1.3);
    const double hz = rng.Range(500, 1600);
    MixInto(t, Sweep(hz, hz * rng.Range(1.5, 2.2), rng.Range(0.012, 0.035)), static_cast<long>(Frames(at)),
            rng.Range(0.15, 0.4) * (k < 14 ? 1.0 : 0.6), false);
  }
  // A little reel clicking the line in.
  for (int k = 0; k < 10; ++k)
    MixInto(t, Modes({{3500, 1.0, 0.004}, {5200, 0.5, 0.003}}, 0.03, 0.0002),
            static_cast<long>(Frames(0.9 + k * 0.06)), 0.12, false);
  return InRoom(t, Outdoors, seconds);
}

}  // namespace sound
