// Machines: the car on the road and starting up, the old telephone's bell,
// radio static, the computer's beep, the fishing game's error buzz and the
// camera's flash.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"

namespace sound {

namespace {

// An engine's voice from its crankshaft phase (in cycles of half the firing
// rate): a stack of orders, the firing order strongest, plus the rasp of
// combustion on each firing. Circular for a loop whose phase comes round.
Track EngineVoice(Rng& rng, const std::vector<double>& halfPhase, const std::vector<double>& level,
                  double mufflerHz, bool circular) {
  static constexpr double orders[] = {0.3, 1.0, 0.25, 0.55, 0.12, 0.3, 0.08, 0.15, 0.05, 0.1, 0.04, 0.06};
  double offsets[12];
  for (double& o : offsets) o = rng.Uniform();
  Track t(halfPhase.size(), 0.0f);
  Track rasp = WhiteNoise(halfPhase.size(), rng);
  Biquad lowRasp = Biquad::LowPass(500, 0.7);
  circular ? lowRasp.RunCircular(rasp) : lowRasp.Run(rasp);
  for (std::size_t i = 0; i < t.size(); ++i) {
    double sum = 0;
    for (int k = 0; k < 12; ++k) sum += orders[k] * std::sin(TwoPi * ((k + 1) * halfPhase[i] + offsets[k]));
    const double fire = 0.5 + 0.5 * std::sin(TwoPi * 2 * halfPhase[i]);
    t[i] = static_cast<float>(level[i] * (sum * 0.3 + 1.2 * rasp[i] * fire * fire * fire));
  }
  Biquad muffler = Biquad::LowPass(mufflerHz, 0.7);
  circular ? muffler.RunCircular(t) : muffler.Run(t);
  return t;
}

}  // namespace

Sound CarDriving() {
  Rng rng(0xCA4D);
  const double seconds = 12.0;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);

  // The engine pulls steadily at about 1550 rpm, its speed breathing a little
  // with the road; the phase comes round to whole cycles at the loop's end.
  const Track wobble = LoopLfo(frames, rng, {1, 2, 3});
  std::vector<double> hz(frames);
  for (std::size_t i = 0; i < frames; ++i) hz[i] = 26.0 * (1 + 0.03 * (wobble[i] - 0.5));
  double total = 0;
  for (double f : hz) total += f / SampleRate;
  const double scale = std::round(total) / total;
  std::vector<double> phase(frames), level(frames, 1.0);
  double p = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    phase[i] = p;
    p += hz[i] * scale / SampleRate;
  }
  // Heard from inside the car: muffled.
  const Track engine = EngineVoice(rng, phase, level, 900, true);

  for (int side = 0; side < 2; ++side) {
    Track& t = out.channels[static_cast<std::size_t>(side)];
    MixInto(t, engine, 0, 0.8, true);
    // Tyres on the road: a deep rumble and a hiss.
    Track rumble = PinkNoise(frames, rng, true);
    Biquad::LowPass(140, 0.7).RunCircular(rumble);
    Biquad::LowPass(140, 0.7).RunCircular(rumble);
    MixInto(t, rumble, 0, 2.2, true);
    Track hiss = WhiteNoise(frames, rng);
    Biquad::BandPass(900, 0.5).RunCircular(hiss);
    MixInto(t, hiss, 0, 0.05, true);
    // Air over the body.
    Track wind = WhiteNoise(frames, rng);
    Biquad::BandPass(2200, 0.4).RunCircular(wind);
    for (std::size_t i = 0; i < frames; ++i) wind[i] *= static_cast<float>(0.5 + wobble[i]);
    MixInto(t, wind, 0, 0.02, true);
  }
  // Seams in the road under the front wheels, then the back.
  for (double at : {1.7, 5.9, 9.4}) {
    for (double wheel : {0.0, 0.11}) {
      Track thump = Modes({{58, 1.0, 0.07}, {105, 0.5, 0.05}, {210, 0.2, 0.02}}, 0.5, 0.003);
      MixInto(out, thump, static_cast<long>(Frames(at + wheel)), 0.35, 0.0, true);
    }
  }
  RoomSettings cabin{.size = 0.15, .damping = 0.6, .wet = 0.1, .dry = 1.0, .width = 1.0, .preDelay = 0.003};
  return Reverb(out, cabin, true, true);
}

Sound EngineStartup() {
  Rng rng(0xE61E);
  const double seconds = 3.6;
  const std::size_t frames = Frames(seconds);
  Track t(frames, 0.0f);
  // The key turns.
  MixInto(t, Modes({{2100, 1.0, 0.01}, {3700, 0.5, 0.006}}, 0.08, 0.0003), 0, 0.2, false);

  // The starter motor whirs and the engine turns over against compression.
  const double crankStart = 0.2, crankEnd = 1.35;
  Phase motor;
  Track crank(frames, 0.0f);
  for (std::size_t i = 0; i < frames; ++i) {
    const double time = Seconds(i);
    if (time < crankStart || time > crankEnd + 0.05) continue;
    const double env = Window(time - crankStart, crankEnd + 0.05 - crankStart, 0.04, 0.05);
    const double compression = 0.55 + 0.45 * std::sin(TwoPi * 8.5 * (time - crankStart));
    const double hz = 150 * (0.85 + 0.15 * compression);
    crank[i] = static_cast<float>(env * compression * SawAt(motor.Step(hz), hz / SampleRate));
  }
  Biquad::LowPass(1400, 0.7).Run(crank);
  MixInto(t, crank, 0, 0.25, false);

  // It catches: revs up, then settles to idle.
  std::vector<double> phase(frames), level(frames, 0.0);
  double p = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    const double time = Seconds(i);
    double rate = 0;
    if (time >= crankEnd) {
      const double s = time - crankEnd;
      const double rev = s < 0.35 ? 10 + 55 * Smooth(s / 0.35) : 65 - 38 * Smooth((s - 0.35) / 0.9);
      rate = rev / 2;
      level[i] = Window(s, seconds - crankEnd, 0.03, 0.5) * (s < 0.35 ? 0.6 + 0.6 * s / 0.35 : 1.2 - 0.4 * Smooth((s - 0.35) / 0.9));
    }
    phase[i] = p;
    p += rate / SampleRate;
  }
  MixInto(t, EngineVoice(rng, phase, level, 1800, false), 0, 2.2, false);
  Sound s{{t}};
  RoomSettings street{.size = 0.3, .damping = 0.6, .wet = 0.12, .dry = 1.0, .width = 1.0, .preDelay = 0.01};
  return Reverb(s, street, false, false);
}

Sound Telephone() {
  Rng rng(0x7E1E);
  const double cycle = 3.0;  // ring-ring, pause
  const int cycles = 4;
  const double seconds = cycle * cycles;
  const std::size_t frames = Frames(seconds);
  Track t(frames, 0.0f);
  // Two small gongs, hit in turn by a clapper twenty-five times a second.
  const std::vector<Mode> gongA = {{1240, 1.0, 0.45}, {2877, 0.45, 0.2}, {5270, 0.2, 0.08}};
  const std::vector<Mode> gongB = {{1590, 0.9, 0.4}, {3690, 0.4, 0.18}, {6100, 0.15, 0.07}};
  const Track ringA = Modes(gongA, 2.0, 0.0003), ringB = Modes(gongB, 2.0, 0.0003);
  for (int c = 0; c < cycles; ++c)
    for (double burst : {0.0, 0.6}) {
      const double start = c * cycle + burst;
      for (int k = 0; k < 10; ++k) {
        const double at = start + k * 0.04 + rng.Range(0, 0.002);
        const double force = rng.Range(0.75, 1.0) * (k == 0 ? 0.7 : 1.0);
        MixInto(t, k % 2 ? ringB : ringA, static_cast<long>(Frames(at)), force * 0.3, true);
        Track clap = NoiseBurst(rng, 0.01, 0.0001, 0.0008);
        Biquad::HighPass(2500, 0.7).Run(clap);
        MixInto(t, clap, static_cast<long>(Frames(at)), 0.25 * force, true);
      }
    }
  // The air of the room around it.
  Track air = PinkNoise(frames, rng, true);
  Band(air, 60, 400, true);
  MixInto(t, air, 0, 0.015, true);
  Sound s{{t}};
  RoomSettings room{.size = 0.35, .damping = 0.4, .wet = 0.2, .dry = 1.0, .width = 1.0, .preDelay = 0.006};
  return Reverb(s, room, true, false);
}

Sound Static() {
  Rng rng(0x57A7);
  const double seconds = 10.0;
  const std::size_t frames = Frames(seconds);
  Track t = WhiteNoise(frames, rng);
  Band(t, 200, 6500);
  // The hiss swells and sinks as the signal drifts.
  Track drift = WhiteNoise(frames, rng);
  Biquad::LowPass(6, 0.7).Run(drift);
  for (std::size_t i = 0; i < frames; ++i) t[i] *= static_cast<float>(0.35 * (1 + 6 * drift[i]));
  // Crackle and pops.
  Track crackle = Crackle(rng, seconds, 60, [](double, double) { return 1.0; }, 300, 9000);
  MixInto(t, crackle, 0, 1.2, false);
  // A faint whistle of a far station wandering through.
  Phase whistle;
  for (std::size_t i = 0; i < frames; ++i) {
    const double time = Seconds(i);
    const double hz = 900 + 500 * std::sin(TwoPi * 0.07 * time);
    t[i] += static_cast<float>(0.02 * std::sin(TwoPi * whistle.Step(hz)) * (0.5 + 0.5 * std::sin(TwoPi * 0.13 * time)));
  }
  FadeIn(t, 0.05);
  FadeOut(t, 0.4);
  return Sound{{t}};
}

Sound ComputerBeep() {
  // The machine's one clean beep as it comes on.
  const double length = 0.2;
  Track t(Frames(0.3), 0.0f);
  Phase p;
  for (std::size_t i = 0; i < Frames(length); ++i)
    t[i] = static_cast<float>(Window(Seconds(i), length, 0.004, 0.015) * SquareAt(p.Step(988), 988.0 / SampleRate));
  Biquad::LowPass(3000, 0.7).Run(t);
  Biquad::LowPass(3000, 0.7).Run(t);
  Sound s{{t}};
  RoomSettings room{.size = 0.25, .damping = 0.5, .wet = 0.12, .dry = 1.0, .width = 1.0, .preDelay = 0.005};
  return Reverb(s, room, false, false);
}

Sound Error() {
  // Two short low buzzes: "no".
  Track t(Frames(0.55), 0.0f);
  for (double start : {0.0, 0.22}) {
    Phase a, b;
    const double length = 0.16;
    Track buzz(Frames(length));
    for (std::size_t i = 0; i < buzz.size(); ++i)
      buzz[i] = static_cast<float>(Window(Seconds(i), length, 0.005, 0.01) *
                                   (SawAt(a.Step(110), 110.0 / SampleRate) + 0.7 * SquareAt(b.Step(116.5), 116.5 / SampleRate)));
    MixInto(t, buzz, static_cast<long>(Frames(start)), 0.5, false);
  }
  Biquad::LowPass(2500, 0.7).Run(t);
  Saturate(t, 1.8);
  return Sound{{t}};
}

Sound CameraFlash() {
  Rng rng(0xF1A5);
  const double seconds = 1.8;
  Track t(Frames(seconds), 0.0f);
  // The shutter: click-clack.
  MixInto(t, Modes({{3000, 1.0, 0.006}, {5600, 0.6, 0.004}, {1200, 0.5, 0.008}}, 0.05, 0.0002), 0, 0.6, false);
  MixInto(t, Modes({{1800, 1.0, 0.008}, {900, 0.6, 0.012}, {4200, 0.3, 0.005}}, 0.06, 0.0002),
          static_cast<long>(Frames(0.07)), 0.5, false);
  // The flash fires: a sharp pop.
  Track pop = NoiseBurst(rng, 0.05, 0.0002, 0.004);
  Biquad::HighPass(900, 0.7).Run(pop);
  MixInto(t, pop, static_cast<long>(Frames(0.01)), 0.9, false);
  // And charges again with a thin rising whine.
  Phase whine;
  const std::size_t from = Frames(0.15), until = Frames(1.7);
  for (std::size_t i = from; i < until; ++i) {
    const double x = static_cast<double>(i - from) / (until - from);
    const double hz = 1800 * std::pow(7500.0 / 1800, x);
    const double ph = whine.Step(hz);
    t[i] += static_cast<float>(0.12 * Window(x, 1.0, 0.2, 0.25) * (std::sin(TwoPi * ph) + 0.2 * std::sin(2 * TwoPi * ph)));
  }
  Sound s{{t}};
  RoomSettings night{.size = 0.4, .damping = 0.6, .wet = 0.1, .dry = 1.0, .width = 1.0, .preDelay = 0.02};
  return Reverb(s, night, false, false);
}

}  // namespace sound
