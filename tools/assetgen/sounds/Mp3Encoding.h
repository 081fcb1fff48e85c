#pragma once
// MP3 encoding with LAME, constant bit rate, with the Info (LAME) tag that tells
// a gapless decoder how many samples of encoder delay and padding to drop.
//
// A loop is encoded with a little of its own end before its start and a
// little of its start after its end, so the encoder hears the loop as the
// endless signal it is; the Info tag is then told to drop those extra samples
// too. A gapless decoder gives back exactly the loop, with no silence of
// encoder delay at the front or padding at the back, and the two ends match.

#include <cstdint>
#include <vector>

#include "sounds/Dsp.h"

namespace sound {

using Bytes = std::vector<std::uint8_t>;

struct Mp3Settings {
  int kilobitsPerSecond = 64;
  bool seamlessLoop = false;
};

Bytes EncodeMp3(const Sound& sound, const Mp3Settings& settings);

// What LAME's own decoder makes of an MP3 stream, with the delay and padding
// of its Info tag removed: used to check the encoded levels.
Sound DecodeMp3Stream(const Bytes& mp3);

// The encoder delay and padding written in the stream's Info tag (-1 when the
// stream has none).
struct GaplessInfo {
  int delay = -1;
  int padding = -1;
};
GaplessInfo ReadGaplessInfo(const Bytes& mp3);
// Whether the stream's LAME tag is there and its checksum matches its bytes
// (decoders that check it ignore a tag that does not).
bool LameTagIntact(const Bytes& mp3);

}  // namespace sound
