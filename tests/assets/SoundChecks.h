#pragma once
// Measurements on the sound files as the game's audio engine decodes them.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/SoundCatalog.h"
#include "platform/AudioDecoding.h"
#include "sounds/Dsp.h"

namespace soundcheck {

// A catalog path ("Assets/Audio/Birds.mp3") in the built assets folder.
inline std::string BuiltPath(const std::string& catalogPath) {
  const std::string prefix = "Assets/";
  return std::string(TARNWICK_ASSETS_DIR) + "/" + catalogPath.substr(prefix.size());
}

inline std::string FileName(const std::string& catalogPath) {
  return catalogPath.substr(catalogPath.rfind('/') + 1);
}

// The decoded samples as one track per channel.
inline sound::Sound ToSound(const DecodedAudio& d) {
  sound::Sound s{std::vector<sound::Track>(static_cast<std::size_t>(d.channels), sound::Track(d.Frames()))};
  for (std::size_t i = 0; i < d.Frames(); ++i)
    for (int c = 0; c < d.channels; ++c) s.channels[static_cast<std::size_t>(c)][i] = d.At(i, c);
  return s;
}

inline double Db(double gain) { return sound::GainToDb(gain); }

// How a loop's end meets its start, on one channel.
struct Join {
  double step;         // |first sample - last sample|
  double typicalHigh;  // the 99.9th percentile of the channel's own sample-to-sample steps
  double headDb;       // RMS of the first 10 ms, dBFS
  double tailDb;       // RMS of the last 10 ms, dBFS
};

inline Join MeasureJoin(const sound::Track& t) {
  Join j{};
  const std::size_t n = t.size();
  std::vector<float> steps;
  steps.reserve(n);
  for (std::size_t i = 0; i + 1 < n; ++i) steps.push_back(std::fabs(t[i + 1] - t[i]));
  const std::size_t k = std::min(steps.size() - 1, static_cast<std::size_t>(0.999 * steps.size()));
  std::nth_element(steps.begin(), steps.begin() + static_cast<long>(k), steps.end());
  j.typicalHigh = steps[k];
  j.step = std::fabs(t.front() - t.back());
  const std::size_t edge = std::min<std::size_t>(n, 441);
  double head = 0, tail = 0;
  for (std::size_t i = 0; i < edge; ++i) {
    head += static_cast<double>(t[i]) * t[i];
    tail += static_cast<double>(t[n - 1 - i]) * t[n - 1 - i];
  }
  j.headDb = Db(std::sqrt(head / edge));
  j.tailDb = Db(std::sqrt(tail / edge));
  return j;
}

// A level below which the end of a loop counts as a silent gap: what an
// encoder's delay or padding would leave there.
inline constexpr double SilenceDb = -70.0;

inline bool JoinsCleanly(const Join& j) {
  return j.step <= j.typicalHigh && j.headDb > SilenceDb && j.tailDb > SilenceDb;
}

}  // namespace soundcheck
