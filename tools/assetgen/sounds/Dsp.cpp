#include "sounds/Dsp.h"

#include <algorithm>
#include <array>

namespace sound {

Sound Sound::Mono(std::size_t frames) { return Sound{{Track(frames, 0.0f)}}; }
Sound Sound::Stereo(std::size_t frames) { return Sound{{Track(frames, 0.0f), Track(frames, 0.0f)}}; }

double LoopHz(double hz, double seconds) {
  const double cycles = std::max(1.0, std::round(hz * seconds));
  return cycles / seconds;
}

// ---- Rng ------------------------------------------------------------------

std::uint64_t Rng::Next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Gauss() {
  // Box-Muller with our own uniforms, so the numbers never depend on the library.
  const double u1 = std::max(Uniform(), 1e-300);
  const double u2 = Uniform();
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(TwoPi * u2);
}

// ---- Noise ----------------------------------------------------------------

Track WhiteNoise(std::size_t frames, Rng& rng) {
  Track t(frames);
  for (float& x : t) x = static_cast<float>(rng.Bipolar());
  return t;
}

Track PinkNoise(std::size_t frames, Rng& rng, bool circular) {
  Track t = WhiteNoise(frames, rng);
  double b0 = 0, b1 = 0, b2 = 0;
  auto step = [&](float w) {
    b0 = 0.99765 * b0 + w * 0.0990460;
    b1 = 0.96300 * b1 + w * 0.2965164;
    b2 = 0.57000 * b2 + w * 1.0526913;
    return static_cast<float>((b0 + b1 + b2 + w * 0.1848) * 0.25);
  };
  RunFilter(t, step, circular);
  return t;
}

// ---- Oscillators ----------------------------------------------------------

namespace {
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

double SawAt(double phase, double increment) {
  return 2.0 * phase - 1.0 - PolyBlep(phase, std::max(increment, 1e-9));
}

double SquareAt(double phase, double increment, double duty) {
  const double dt = std::max(increment, 1e-9);
  double v = phase < duty ? 1.0 : -1.0;
  v += PolyBlep(phase, dt);
  double shifted = phase + (1.0 - duty);
  shifted -= std::floor(shifted);
  v -= PolyBlep(shifted, dt);
  return v;
}

Track LoopTone(const std::vector<double>& hz, double (*wave)(double)) {
  double total = 0;
  for (double f : hz) total += f / SampleRate;
  const double scale = total > 0 ? std::max(1.0, std::round(total)) / total : 1.0;
  Track t(hz.size());
  double phase = 0;
  for (std::size_t i = 0; i < hz.size(); ++i) {
    t[i] = static_cast<float>(wave(phase));
    phase += hz[i] * scale / SampleRate;
    phase -= std::floor(phase);
  }
  return t;
}

Track LoopLfo(std::size_t frames, Rng& rng, const std::vector<int>& cycles) {
  Track t(frames, 0.0f);
  for (int c : cycles) {
    const double weight = rng.Range(0.5, 1.0) / std::sqrt(static_cast<double>(c));
    const double phase = rng.Uniform();
    for (std::size_t i = 0; i < frames; ++i)
      t[i] += static_cast<float>(weight * std::sin(TwoPi * (phase + static_cast<double>(c) * i / frames)));
  }
  const auto [lo, hi] = std::minmax_element(t.begin(), t.end());
  const float low = *lo, span = std::max(*hi - *lo, 1e-9f);
  for (float& x : t) x = (x - low) / span;
  return t;
}

// ---- Filters --------------------------------------------------------------

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::LowPass(double hz, double q) {
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}
Biquad Biquad::HighPass(double hz, double q) {
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}
Biquad Biquad::BandPass(double hz, double q) {
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}
Biquad Biquad::Peak(double hz, double q, double db) {
  const double A = std::pow(10.0, db / 40.0);
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Biquad(1 + alpha * A, -2 * c, 1 - alpha * A, 1 + alpha / A, -2 * c, 1 - alpha / A);
}
Biquad Biquad::LowShelf(double hz, double db) {
  const double A = std::pow(10.0, db / 40.0);
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), s = std::sin(w);
  const double alpha = s / 2 * std::sqrt(2.0), sq = 2 * std::sqrt(A) * alpha;
  return Biquad(A * ((A + 1) - (A - 1) * c + sq), 2 * A * ((A - 1) - (A + 1) * c),
                A * ((A + 1) - (A - 1) * c - sq), (A + 1) + (A - 1) * c + sq,
                -2 * ((A - 1) + (A + 1) * c), (A + 1) + (A - 1) * c - sq);
}
Biquad Biquad::HighShelf(double hz, double db) {
  const double A = std::pow(10.0, db / 40.0);
  const double w = TwoPi * hz / SampleRate, c = std::cos(w), s = std::sin(w);
  const double alpha = s / 2 * std::sqrt(2.0), sq = 2 * std::sqrt(A) * alpha;
  return Biquad(A * ((A + 1) + (A - 1) * c + sq), -2 * A * ((A - 1) + (A + 1) * c),
                A * ((A + 1) + (A - 1) * c - sq), (A + 1) - (A - 1) * c + sq,
                2 * ((A - 1) - (A + 1) * c), (A + 1) - (A - 1) * c - sq);
}

void Biquad::Run(Track& t) {
  for (float& x : t) x = Process(x);
}

void Biquad::RunCircular(Track& t) {
  for (float x : t) Process(x);
  for (float& x : t) x = Process(x);
}

OnePole::OnePole(double hz) { Set(hz); }
void OnePole::Set(double hz) { a_ = 1.0 - std::exp(-TwoPi * hz / SampleRate); }

void Svf::Set(double hz, double q) {
  hz = std::clamp(hz, 5.0, SampleRate * 0.45);
  g_ = std::tan(Pi * hz / SampleRate);
  k_ = 1.0 / std::max(q, 0.05);
  a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
  a2_ = g_ * a1_;
  a3_ = g_ * a2_;
}

void Svf::Process(double x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  low = v2;
  band = v1;
  high = x - k_ * v1 - v2;
}

void Resonator::Set(double hz, double bandwidth) {
  const double t = 1.0 / SampleRate;
  c_ = -std::exp(-TwoPi * bandwidth * t);
  b_ = 2.0 * std::exp(-Pi * bandwidth * t) * std::cos(TwoPi * hz * t);
  a_ = 1.0 - b_ - c_;
}

// ---- Envelopes ------------------------------------------------------------

Envelope::Envelope(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

Envelope& Envelope::Add(double t, double level) {
  points_.emplace_back(t, level);
  return *this;
}

double Envelope::At(double t) const {
  if (points_.empty()) return 0;
  if (t <= points_.front().first) return points_.front().second;
  for (std::size_t i = 1; i < points_.size(); ++i) {
    const auto& [t1, v1] = points_[i];
    if (t <= t1) {
      const auto& [t0, v0] = points_[i - 1];
      const double span = t1 - t0;
      return span > 0 ? v0 + (v1 - v0) * (t - t0) / span : v1;
    }
  }
  return points_.back().second;
}

double Window(double t, double length, double rise, double fall) {
  if (t < 0 || t > length) return 0;
  double v = 1;
  if (rise > 0 && t < rise) v = Smooth(t / rise);
  if (fall > 0 && t > length - fall) v = std::min(v, Smooth((length - t) / fall));
  return v;
}

// ---- Mixing ---------------------------------------------------------------

void MixInto(Track& dst, const Track& src, long offset, double gain, bool wrap) {
  const long n = static_cast<long>(dst.size());
  if (n == 0) return;
  const float g = static_cast<float>(gain);
  for (std::size_t i = 0; i < src.size(); ++i) {
    long j = offset + static_cast<long>(i);
    if (wrap) {
      j %= n;
      if (j < 0) j += n;
    } else if (j < 0 || j >= n) {
      continue;
    }
    dst[static_cast<std::size_t>(j)] += g * src[i];
  }
}

void MixInto(Sound& dst, const Track& src, long offset, double gain, double pan, bool wrap) {
  if (dst.ChannelCount() == 1) {
    MixInto(dst.channels[0], src, offset, gain, wrap);
    return;
  }
  const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * Pi / 4.0;
  MixInto(dst.channels[0], src, offset, gain * std::cos(angle) * std::sqrt(2.0), wrap);
  MixInto(dst.channels[1], src, offset, gain * std::sin(angle) * std::sqrt(2.0), wrap);
}

void MixInto(Sound& dst, const Sound& src, long offset, double gain, bool wrap) {
  for (int c = 0; c < dst.ChannelCount(); ++c) {
    const Track& from = src.channels[static_cast<std::size_t>(std::min(c, src.ChannelCount() - 1))];
    MixInto(dst.channels[static_cast<std::size_t>(c)], from, offset, gain, wrap);
  }
}

void Scale(Track& t, double gain) {
  for (float& x : t) x = static_cast<float>(x * gain);
}
void Scale(Sound& s, double gain) {
  for (Track& t : s.channels) Scale(t, gain);
}

void Saturate(Track& t, double drive) {
  const double norm = 1.0 / std::tanh(drive);
  for (float& x : t) x = static_cast<float>(std::tanh(drive * x) * norm);
}

void FadeIn(Track& t, double seconds) {
  const std::size_t n = std::min(t.size(), Frames(seconds));
  for (std::size_t i = 0; i < n; ++i) t[i] *= static_cast<float>(Smooth(static_cast<double>(i) / n));
}
void FadeOut(Track& t, double seconds) {
  const std::size_t n = std::min(t.size(), Frames(seconds));
  for (std::size_t i = 0; i < n; ++i)
    t[t.size() - 1 - i] *= static_cast<float>(Smooth(static_cast<double>(i) / n));
}
void FadeEnds(Sound& s, double in, double out) {
  for (Track& t : s.channels) {
    FadeIn(t, in);
    FadeOut(t, out);
  }
}

void TrimTail(Sound& s, double floorDb, double keep) {
  const float floor = static_cast<float>(DbToGain(floorDb));
  std::size_t last = 0;
  for (const Track& t : s.channels)
    for (std::size_t i = t.size(); i-- > 0;)
      if (std::fabs(t[i]) > floor) {
        last = std::max(last, i);
        break;
      }
  const std::size_t length = std::min(s.Frames(), last + Frames(keep));
  for (Track& t : s.channels) {
    t.resize(length);
    FadeOut(t, keep);
  }
}

// ---- Room -----------------------------------------------------------------

namespace {

class Comb {
 public:
  explicit Comb(std::size_t length) : buffer_(length, 0.0f) {}
  float Process(float x, float feedback, float damp) {
    const float out = buffer_[index_];
    store_ = out * (1 - damp) + store_ * damp;
    buffer_[index_] = x + store_ * feedback;
    if (++index_ == buffer_.size()) index_ = 0;
    return out;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
  float store_ = 0;
};

class AllPass {
 public:
  explicit AllPass(std::size_t length) : buffer_(length, 0.0f) {}
  float Process(float x) {
    const float delayed = buffer_[index_];
    const float out = delayed - x;
    buffer_[index_] = x + delayed * 0.5f;
    if (++index_ == buffer_.size()) index_ = 0;
    return out;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
};

class ReverbSide {
 public:
  ReverbSide(int spread, double size) {
    static constexpr std::array<int, 8> combs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr std::array<int, 4> allPasses = {556, 441, 341, 225};
    // Larger rooms stretch the delays a little as well as lengthening the tail.
    const double stretch = 0.8 + 0.5 * size;
    for (int c : combs) combs_.emplace_back(static_cast<std::size_t>((c + spread) * stretch));
    for (int a : allPasses) allPasses_.emplace_back(static_cast<std::size_t>(a + spread));
  }
  float Process(float x, float feedback, float damp) {
    float sum = 0;
    for (Comb& c : combs_) sum += c.Process(x, feedback, damp);
    for (AllPass& a : allPasses_) sum = a.Process(sum);
    return sum;
  }

 private:
  std::vector<Comb> combs_;
  std::vector<AllPass> allPasses_;
};

}  // namespace

Sound Reverb(const Sound& in, const RoomSettings& room, bool circular, bool stereoOut) {
  const std::size_t frames = in.Frames();
  const int outChannels = stereoOut ? 2 : in.ChannelCount();
  Sound out{std::vector<Track>(static_cast<std::size_t>(outChannels), Track(frames, 0.0f))};
  const float feedback = static_cast<float>(0.7 + 0.28 * std::clamp(room.size, 0.0, 1.0));
  const float damp = static_cast<float>(0.4 * std::clamp(room.damping, 0.0, 1.0));
  const std::size_t pre = std::max<std::size_t>(1, Frames(room.preDelay));

  // The send is mono (both sides summed), as in a room heard from one place.
  Track send(frames, 0.0f);
  for (const Track& t : in.channels)
    for (std::size_t i = 0; i < frames; ++i) send[i] += t[i] * 0.015f / static_cast<float>(in.ChannelCount());

  std::vector<ReverbSide> sides;
  sides.emplace_back(0, room.size);
  sides.emplace_back(23, room.size);
  std::vector<float> delay(pre, 0.0f);
  std::size_t di = 0;
  const int passes = circular ? 2 : 1;
  Track wetL(frames), wetR(frames);
  for (int pass = 0; pass < passes; ++pass) {
    for (std::size_t i = 0; i < frames; ++i) {
      const float x = delay[di];
      delay[di] = send[i];
      if (++di == pre) di = 0;
      wetL[i] = sides[0].Process(x, feedback, damp);
      wetR[i] = sides[1].Process(x, feedback, damp);
    }
  }
  const double w1 = room.wet * (room.width / 2 + 0.5), w2 = room.wet * ((1 - room.width) / 2);
  for (int c = 0; c < outChannels; ++c) {
    const Track& dry = in.channels[static_cast<std::size_t>(std::min(c, in.ChannelCount() - 1))];
    Track& o = out.channels[static_cast<std::size_t>(c)];
    for (std::size_t i = 0; i < frames; ++i) {
      double wet;
      if (outChannels == 1) wet = room.wet * 0.5 * (wetL[i] + wetR[i]);
      else if (c == 0) wet = w1 * wetL[i] + w2 * wetR[i];
      else wet = w1 * wetR[i] + w2 * wetL[i];
      o[i] = static_cast<float>(room.dry * dry[i] + wet);
    }
  }
  return out;
}

// ---- Measuring ------------------------------------------------------------

double Peak(const Sound& s) {
  float peak = 0;
  for (const Track& t : s.channels)
    for (float x : t) peak = std::max(peak, std::fabs(x));
  return peak;
}

double Rms(const Sound& s) {
  double sum = 0;
  std::size_t n = 0;
  for (const Track& t : s.channels) {
    for (float x : t) sum += static_cast<double>(x) * x;
    n += t.size();
  }
  return n ? std::sqrt(sum / n) : 0;
}

double Loudness(const Sound& s) {
  const std::size_t window = Frames(0.4), hop = Frames(0.05), frames = s.Frames();
  if (frames <= window) return Rms(s);
  double best = 0;
  for (std::size_t start = 0; start + window <= frames; start += hop) {
    double sum = 0;
    for (const Track& t : s.channels)
      for (std::size_t i = start; i < start + window; ++i) sum += static_cast<double>(t[i]) * t[i];
    best = std::max(best, std::sqrt(sum / (window * s.channels.size())));
  }
  return best;
}

}  // namespace sound
