// Music: the title's slow, sparse minor piece (a loop), and the cheerful
// cartoon song on the television that is not quite right.
#include <algorithm>

#include "sounds/Pieces.h"
#include "sounds/Recipes.h"

namespace sound {

namespace {

struct Note {
  double beat;
  int midi;
  double beats;
  double velocity = 0.6;
};

// A felt piano, a little worn: slightly stretched partials, each dying away
// faster the higher it is, and a soft knock of the hammer.
Track PianoNote(Rng& rng, double hz, double held, double velocity) {
  const double ring = std::clamp(3.2 * std::pow(220.0 / hz, 0.35), 0.8, 6.0);
  const double length = held + 0.35 + std::min(ring, 3.5);
  Track t(Frames(length), 0.0f);
  for (int n = 1; n <= 10; ++n) {
    const double f = n * hz * std::sqrt(1 + 0.0003 * n * n);
    if (f > 16000) break;
    const double amp = std::pow(velocity, 0.5 + 0.12 * n) / std::pow(n, 1.15) * (n == 1 ? 1.0 : 0.8);
    const double slow = ring / (1 + 0.4 * (n - 1)), fast = 0.25 / (1 + 0.2 * (n - 1));
    // A rotating phasor and multiplied decays: no sine or exponential per sample.
    const double phase = TwoPi * rng.Uniform(), w = TwoPi * f / SampleRate;
    const double cw = std::cos(w), sw = std::sin(w);
    const double kFast = std::exp(-1.0 / (fast * SampleRate)), kSlow = std::exp(-1.0 / (slow * SampleRate));
    const double kDamper = std::exp(-1.0 / (0.12 * SampleRate));
    const std::size_t heldFrames = Frames(held), attackFrames = Frames(0.003);
    double re = std::cos(phase), im = std::sin(phase), eFast = 0.55, eSlow = 0.45, damper = 1;
    for (std::size_t i = 0; i < t.size(); ++i) {
      double env = (eFast + eSlow) * damper;
      if (i < attackFrames) env *= static_cast<double>(i) / attackFrames;
      t[i] += static_cast<float>(amp * env * im);
      const double nre = re * cw - im * sw;
      im = re * sw + im * cw;
      re = nre;
      eFast *= kFast;
      eSlow *= kSlow;
      if (i >= heldFrames) damper *= kDamper;  // the damper comes down
    }
  }
  Track hammer = NoiseBurst(rng, 0.05, 0.0005, 0.006);
  Biquad::LowPass(std::min(3000.0, hz * 4), 0.7).Run(hammer);
  MixInto(t, hammer, 0, 0.08 * velocity, false);
  return t;
}

// A small bell, like a music box's comb.
Track BoxNote(double hz, double velocity) {
  return Modes({{hz, velocity, 0.6}, {hz * 3.9, velocity * 0.25, 0.12}, {hz * 7.2, velocity * 0.08, 0.05}},
               1.6, 0.001);
}

// A soft string pad: two detuned saws, dark, swelling in and out.
Track PadNote(Rng& rng, double hz, double seconds) {
  Track t(Frames(seconds + 2.0), 0.0f);
  for (double cents : {-6.0, 6.0}) {
    Phase p(rng.Uniform());
    const double f = hz * std::pow(2.0, cents / 1200);
    for (float& x : t) x += static_cast<float>(SawAt(p.Step(f), f / SampleRate) * 0.5);
  }
  Biquad::LowPass(700, 0.7).Run(t);
  Biquad::LowPass(900, 0.7).Run(t);
  for (std::size_t i = 0; i < t.size(); ++i) t[i] *= static_cast<float>(Window(Seconds(i), seconds + 2.0, 1.5, 2.0));
  return t;
}

}  // namespace

Sound MenuSong() {
  Rng rng(0x3E2B);
  const double beat = 1.0;  // sixty to the minute
  const double seconds = 32 * beat;
  const std::size_t frames = Frames(seconds);
  Sound out = Sound::Stereo(frames);

  // Am Am F F Dm Dm E E, a bar each.
  const std::vector<std::vector<int>> chords = {{45, 57, 60, 64}, {45, 57, 60, 64}, {41, 53, 57, 60},
                                                {41, 53, 57, 60}, {38, 50, 53, 57}, {38, 50, 53, 57},
                                                {40, 52, 56, 59}, {40, 52, 56, 59}};
  const std::vector<Note> melody = {
      {0, 76, 2, 0.6},  {2, 72, 1, 0.5},  {3, 71, 1, 0.45}, {4, 69, 3, 0.55}, {8, 77, 2, 0.6},
      {10, 76, 1, 0.5}, {11, 72, 1, 0.45}, {12, 69, 4, 0.5}, {16, 74, 2, 0.55}, {18, 72, 1, 0.5},
      {19, 69, 1, 0.45}, {20, 65, 3, 0.5}, {23, 69, 1, 0.4}, {24, 68, 2, 0.55}, {26, 71, 1, 0.5},
      {27, 74, 1, 0.5}, {28, 76, 2, 0.6}, {30, 71, 2, 0.45}};

  auto place = [&](const Track& t, double atBeat, double gain, double pan) {
    MixInto(out, t, static_cast<long>(Frames(atBeat * beat)), gain, pan, true);
  };
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const auto& c = chords[bar];
    const double start = bar * 4.0;
    place(PianoNote(rng, NoteHz(c[0] - 12), 3.5 * beat, 0.55), start, 0.9, -0.2);
    // A sparse broken chord.
    place(PianoNote(rng, NoteHz(c[1]), 0.9 * beat, 0.3), start + 1, 0.5, 0.1);
    place(PianoNote(rng, NoteHz(c[2]), 0.9 * beat, 0.28), start + 2.5, 0.45, 0.25);
    if (bar % 2 == 1) place(PianoNote(rng, NoteHz(c[3]), 0.9 * beat, 0.25), start + 3.5, 0.4, 0.3);
    for (std::size_t k = 1; k < c.size(); ++k)
      place(PadNote(rng, NoteHz(c[k] - 12), 4.0 * beat), start - 0.5, 0.06, (k - 2.0) * 0.5);
  }
  for (const Note& n : melody) {
    place(PianoNote(rng, NoteHz(n.midi), n.beats * beat * 0.95, n.velocity), n.beat, 0.8, 0.15);
    // The tune doubled an octave up on a music box, faintly: a child's toy.
    place(BoxNote(NoteHz(n.midi + 12), n.velocity), n.beat + 0.01, 0.12, -0.35);
  }
  RoomSettings hall{.size = 0.85, .damping = 0.5, .wet = 0.4, .dry = 1.0, .width = 1.0, .preDelay = 0.03};
  return Reverb(out, hall, true, true);
}

Sound KittySong() {
  Rng rng(0x1777);
  const double beat = 60.0 / 132;
  const double seconds = 24 * beat + 1.4;
  const std::size_t frames = Frames(seconds);
  Track song(frames, 0.0f);

  // The tape wobbles, and in the last bars it slows and sags.
  auto pitch = [&](double time) {
    double cents = 22 * std::sin(TwoPi * 0.55 * time) + 8 * std::sin(TwoPi * 3.1 * time);
    const double sag = std::max(0.0, time - (seconds - 2.6));
    cents -= 60 * sag * sag;
    return std::pow(2.0, cents / 1200);
  };
  // The lead is out of tune with the band, and two notes are simply wrong
  // (a B flat and an E flat in a tune in C).
  const std::vector<Note> lead = {
      {0, 72, .5},  {.5, 76, .5},  {1, 79, 1},   {2, 76, .5},  {2.5, 72, .5}, {3, 74, 1},
      {4, 77, .5},  {4.5, 76, .5}, {5, 74, .5},  {5.5, 70, .5}, {6, 72, 1},   {7, 67, 1},
      {8, 69, .5},  {8.5, 72, .5}, {9, 77, 1},   {10, 76, .5}, {10.5, 74, .5}, {11, 72, 1},
      {12, 74, .5}, {12.5, 76, .5}, {13, 77, .5}, {13.5, 81, .5}, {14, 79, 2},
      {16, 84, .5}, {16.5, 83, .5}, {17, 81, .5}, {17.5, 79, .5}, {18, 77, .5}, {18.5, 75, .5},
      {19, 74, 1},  {20, 76, .5}, {20.5, 67, .5}, {21, 71, .5}, {21.5, 74, .5}, {22, 72, 2}};
  const double leadCents = 30;
  for (const Note& n : lead) {
    const double start = n.beat * beat, len = n.beats * beat * 0.85;
    Track t(Frames(len + 0.05));
    Phase p;
    for (std::size_t i = 0; i < t.size(); ++i) {
      const double time = Seconds(i);
      const double hz = NoteHz(n.midi) * std::pow(2.0, leadCents / 1200) * pitch(start + time) *
                        (1 + 0.006 * std::sin(TwoPi * 6 * time));
      const double env = Window(time, len + 0.05, 0.005, 0.06) * (0.75 + 0.25 * std::exp(-time / 0.08));
      t[i] = static_cast<float>(env * SquareAt(p.Step(hz), hz / SampleRate, 0.25));
    }
    MixInto(song, t, static_cast<long>(Frames(start)), 0.3, false);
  }
  // Oom-pah: the root on the beat, a chord stab between.
  const std::vector<std::vector<int>> bars = {{48, 60, 64, 67}, {43, 59, 62, 67}, {41, 57, 60, 65},
                                              {43, 59, 62, 65}, {41, 57, 60, 65}, {48, 60, 64, 67}};
  for (std::size_t b = 0; b < bars.size(); ++b)
    for (int k = 0; k < 4; ++k) {
      const double start = (b * 4 + k) * beat;
      if (k % 2 == 0) {
        const int root = bars[b][0] + (k == 2 ? 7 : 0) - 12;
        Track t(Frames(beat * 0.8));
        Phase p;
        for (std::size_t i = 0; i < t.size(); ++i) {
          const double hz = NoteHz(root) * pitch(start + Seconds(i));
          t[i] = static_cast<float>(Window(Seconds(i), beat * 0.8, 0.004, 0.05) * TriangleAt(p.Step(hz)));
        }
        MixInto(song, t, static_cast<long>(Frames(start)), 0.45, false);
      } else {
        Track t(Frames(beat * 0.35), 0.0f);
        for (std::size_t v = 1; v < 4; ++v) {
          Phase p;
          for (std::size_t i = 0; i < t.size(); ++i) {
            const double hz = NoteHz(bars[b][v]) * pitch(start + Seconds(i));
            t[i] += static_cast<float>(Window(Seconds(i), beat * 0.35, 0.003, 0.04) *
                                       SquareAt(p.Step(hz), hz / SampleRate, 0.5) / 3);
          }
        }
        MixInto(song, t, static_cast<long>(Frames(start)), 0.16, false);
      }
      // A little tick on every off-beat.
      Track tick = NoiseBurst(rng, 0.05, 0.0005, 0.012);
      Biquad::HighPass(6000, 0.7).Run(tick);
      MixInto(song, tick, static_cast<long>(Frames(start + beat / 2)), 0.25, false);
    }

  // Heard through the television's small speaker.
  Saturate(song, 1.6);
  Band(song, 280, 4500);
  Biquad::Peak(2000, 1.0, 4).Run(song);
  Track hiss = WhiteNoise(frames, rng);
  Band(hiss, 2000, 9000);
  MixInto(song, hiss, 0, 0.01, false);
  FadeIn(song, 0.01);
  FadeOut(song, 0.8);
  return Sound{{song}};
}

}  // namespace sound
