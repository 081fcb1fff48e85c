#pragma once
// Decodes a sound file the way the game's audio engine does (miniaudio's
// decoder, which drops the encoder delay and padding an MP3's Info tag
// declares), for checking the sound files from outside the engine.

#include <string>
#include <vector>

struct DecodedAudio {
  bool ok = false;
  int channels = 0;
  int sampleRate = 0;
  std::vector<float> samples;  // interleaved, channels per frame

  std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
  float At(std::size_t frame, int channel) const {
    return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
  }
};

// Decodes the whole file at its own channel count and sample rate, as 32-bit
// floats; `ok` is false when the file is missing or does not decode.
DecodedAudio DecodeMp3(const std::string& path);
