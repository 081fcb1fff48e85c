#pragma once
// The little synthesiser every sound of the game is made with: a seeded random
// source, oscillators, noise, filters, envelopes, a reverb and mixing helpers.
//
// Two ways of rendering run through all of it:
//  - plain, for sounds played once: a buffer that starts and ends in silence;
//  - circular, for the beds that loop: an event that runs past the end of the
//    buffer wraps round to its start, oscillators complete whole cycles over
//    the loop, and filters and the reverb are run over the loop twice so that
//    their state at the start is the state they have at the end. What comes
//    out is one period of an endless signal, so its end joins its start.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace sound {

inline constexpr int SampleRate = 44100;
inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TwoPi = 2 * Pi;

using Track = std::vector<float>;

// A sound: one track (mono) or two (left, right), all of one length.
struct Sound {
  std::vector<Track> channels;

  static Sound Mono(std::size_t frames);
  static Sound Stereo(std::size_t frames);
  std::size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
  int ChannelCount() const { return static_cast<int>(channels.size()); }
};

inline std::size_t Frames(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}
inline double Seconds(std::size_t frames) { return static_cast<double>(frames) / SampleRate; }
inline double DbToGain(double db) { return std::pow(10.0, db / 20.0); }
inline double GainToDb(double gain) { return gain > 1e-12 ? 20.0 * std::log10(gain) : -240.0; }
// Frequency of a note by MIDI number (A4 = 69 = 440 Hz).
inline double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

// The nearest frequency that makes a whole number of cycles in `seconds`, so a
// tone of it joins up when the loop comes round.
double LoopHz(double hz, double seconds);

// A small, fast generator with a fixed seed; every sound owns its own, so the
// sounds do not depend on the order they are made in.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  int Int(int n) { return static_cast<int>(Uniform() * n); }  // 0 .. n-1
  bool Chance(double p) { return Uniform() < p; }
  double Bipolar() { return 2.0 * Uniform() - 1.0; }
  double Gauss();

 private:
  std::uint64_t state_;
};

// ---- Noise ----------------------------------------------------------------

Track WhiteNoise(std::size_t frames, Rng& rng);
// Pink (-3 dB per octave), by Paul Kellet's economy filter; about unit loudness.
// Circular: the filter runs over the noise twice, so the end leads into the start.
Track PinkNoise(std::size_t frames, Rng& rng, bool circular = false);

// ---- Oscillators ----------------------------------------------------------

// Phase in cycles, advanced by a frequency each sample.
class Phase {
 public:
  explicit Phase(double start = 0) : phase_(start) {}
  double Value() const { return phase_; }
  // Returns the phase for this sample, then advances it.
  double Step(double hz) {
    const double p = phase_;
    phase_ += hz / SampleRate;
    phase_ -= std::floor(phase_);
    return p;
  }

 private:
  double phase_;
};

inline double SineAt(double phase) { return std::sin(TwoPi * phase); }
inline double TriangleAt(double phase) {
  return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
}
// Band-limited saw and square (PolyBLEP), for the buzzy sources.
double SawAt(double phase, double increment);
double SquareAt(double phase, double increment, double duty = 0.5);

// A tone whose frequency follows a curve, with its total phase rounded to a
// whole number of cycles: rendered over a loop it joins end to start.
Track LoopTone(const std::vector<double>& hz, double (*wave)(double));

// A slow modulation over a loop of `frames` samples, from 0 to 1: a sum of
// sines that each make a whole number of cycles over the loop (given in
// `cycles`), at random phases and weights, so it joins up too.
Track LoopLfo(std::size_t frames, Rng& rng, const std::vector<int>& cycles);

// ---- Filters --------------------------------------------------------------

// RBJ biquad.
class Biquad {
 public:
  static Biquad LowPass(double hz, double q = 0.7071);
  static Biquad HighPass(double hz, double q = 0.7071);
  static Biquad BandPass(double hz, double q);  // 0 dB at the centre
  static Biquad Peak(double hz, double q, double db);
  static Biquad LowShelf(double hz, double db);
  static Biquad HighShelf(double hz, double db);

  float Process(float x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }
  void Run(Track& t);
  void RunCircular(Track& t);
  void Reset() { z1_ = z2_ = 0; }

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_, b1_, b2_, a1_, a2_;
  double z1_ = 0, z2_ = 0;
};

// One-pole smoothing filter.
class OnePole {
 public:
  explicit OnePole(double hz);
  float LowPass(float x) {
    y_ += a_ * (x - y_);
    return static_cast<float>(y_);
  }
  float HighPass(float x) { return x - LowPass(x); }
  void Set(double hz);

 private:
  double a_ = 0, y_ = 0;
};

// A state-variable filter that can be swept every sample (Simper's form).
class Svf {
 public:
  void Set(double hz, double q);
  // Runs one sample; read the outputs after.
  void Process(double x);
  double low = 0, band = 0, high = 0;

 private:
  double g_ = 0, k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

// A two-pole resonance of given centre and bandwidth, unity gain at 0 Hz; in a
// chain they shape a voice (one per formant).
class Resonator {
 public:
  void Set(double hz, double bandwidth);
  float Process(float x) {
    const double y = a_ * x + b_ * y1_ + c_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
  }

 private:
  double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

// Runs a filter over a track; circular runs it over the loop twice, keeping
// the second pass, so the filter's memory carries across the join.
template <typename F>
void RunFilter(Track& t, F&& step, bool circular) {
  if (circular)
    for (float x : t) step(x);
  for (float& x : t) x = step(x);
}

// ---- Envelopes ------------------------------------------------------------

// Straight lines between (time, level) points; flat before the first and
// after the last.
class Envelope {
 public:
  Envelope(std::initializer_list<std::pair<double, double>> points);
  Envelope& Add(double t, double level);
  double At(double t) const;

 private:
  std::vector<std::pair<double, double>> points_;
};

// A strike: a short linear attack then an exponential decay with time
// constant `tau` (seconds). Zero before 0.
inline double Strike(double t, double attack, double tau) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / tau);
}
// A raised-cosine swell from 0 to 1 over [0, 1].
inline double Smooth(double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  return 0.5 - 0.5 * std::cos(Pi * x);
}
// Up over `rise`, held, down over `fall`: a window of total length `length`.
double Window(double t, double length, double rise, double fall);

// ---- Mixing ---------------------------------------------------------------

// Adds src into dst at a frame offset (which may be negative); with wrap the
// part past either end comes round to the other.
void MixInto(Track& dst, const Track& src, long offset, double gain, bool wrap);
// The same into a sound, placed by an equal-power pan (-1 left .. 1 right).
void MixInto(Sound& dst, const Track& src, long offset, double gain, double pan, bool wrap);
void MixInto(Sound& dst, const Sound& src, long offset, double gain, bool wrap);

void Scale(Track& t, double gain);
void Scale(Sound& s, double gain);
// Gentle saturation: tanh(drive * x) / tanh(drive).
void Saturate(Track& t, double drive);
void FadeIn(Track& t, double seconds);
void FadeOut(Track& t, double seconds);
void FadeEnds(Sound& s, double in, double out);
// Cuts a plain sound's trailing near-silence (below `floorDb`), leaving `keep`
// seconds of tail, then fades the last of it.
void TrimTail(Sound& s, double floorDb = -75.0, double keep = 0.05);

// ---- Room -----------------------------------------------------------------

struct RoomSettings {
  double size = 0.6;     // 0..1: longer comb feedback
  double damping = 0.4;  // 0..1: darker tail
  double wet = 0.25;
  double dry = 1.0;
  double width = 1.0;    // stereo spread of the tail
  double preDelay = 0.01;
};
// A Schroeder/Moorer reverb (eight combs, four all-passes per side). A mono
// input is returned as stereo when `stereoOut`.
Sound Reverb(const Sound& in, const RoomSettings& room, bool circular, bool stereoOut);

// ---- Measuring ------------------------------------------------------------

double Peak(const Sound& s);
double Rms(const Sound& s);
// The loudest 400 ms stretch, as RMS: how loud the sound seems at its height.
double Loudness(const Sound& s);

}  // namespace sound
