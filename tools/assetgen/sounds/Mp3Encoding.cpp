#include "sounds/Mp3Encoding.h"

#include <lame/lame.h>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

namespace sound {

namespace {

// Every MP3 decoder in the MPEG reference line (and miniaudio's) lags its
// input by 528 + 1 samples; the Info tag's delay counts only the encoder's.
constexpr int DecoderDelay = 529;
// How much of the loop's other end is given to the encoder on each side.
constexpr int LoopContext = 1152;

// LAME and its decoder keep tables in globals that they (re)build as they
// start, so two threads must never be inside them at once. The sounds are
// rendered in parallel; their encoding and checking take turns.
std::mutex LameLock;

struct LameDeleter {
  void operator()(lame_global_flags* f) const { lame_close(f); }
};
using Lame = std::unique_ptr<lame_global_flags, LameDeleter>;

// Where the Info tag's LAME extension sits in the first frame.
struct TagLayout {
  std::size_t lameExtension = 0;  // offset of "LAME3.100"
};

bool FindTag(const Bytes& mp3, TagLayout& layout) {
  if (mp3.size() < 4 || mp3[0] != 0xFF || (mp3[1] & 0xE0) != 0xE0) return false;
  const bool mpeg1 = ((mp3[1] >> 3) & 3) == 3;
  const bool crc = (mp3[1] & 1) == 0;
  const bool mono = ((mp3[3] >> 6) & 3) == 3;
  const std::size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
  std::size_t at = 4 + (crc ? 2 : 0) + sideInfo;
  if (mp3.size() < at + 8) return false;
  const std::string id(reinterpret_cast<const char*>(&mp3[at]), 4);
  if (id != "Info" && id != "Xing") return false;
  const unsigned flags = mp3[at + 7];
  at += 8;
  if (flags & 1) at += 4;
  if (flags & 2) at += 4;
  if (flags & 4) at += 100;
  if (flags & 8) at += 4;
  if (mp3.size() < at + 36 || mp3[at] != 'L' || mp3[at + 1] != 'A' || mp3[at + 2] != 'M' ||
      mp3[at + 3] != 'E')
    return false;
  layout.lameExtension = at;
  return true;
}

// The CRC-16 (polynomial 0x8005, reflected) that guards the LAME tag.
std::uint16_t TagCrc(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::uint16_t, 256> table = [] {
    std::array<std::uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
      unsigned c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001u : c >> 1;
      t[i] = static_cast<std::uint16_t>(c);
    }
    return t;
  }();
  std::uint16_t crc = 0;
  for (std::size_t i = 0; i < size; ++i)
    crc = static_cast<std::uint16_t>((crc >> 8) ^ table[(crc ^ data[i]) & 0xFF]);
  return crc;
}

void WriteGapless(Bytes& mp3, const TagLayout& layout, int delay, int padding) {
  if (delay < 0 || delay > 4095 || padding < 0 || padding > 4095)
    throw std::runtime_error("encoder delay or padding out of the Info tag's range");
  const std::size_t at = layout.lameExtension + 21;
  mp3[at] = static_cast<std::uint8_t>(delay >> 4);
  mp3[at + 1] = static_cast<std::uint8_t>(((delay & 15) << 4) | (padding >> 8));
  mp3[at + 2] = static_cast<std::uint8_t>(padding & 0xFF);
  const std::size_t crcAt = layout.lameExtension + 34;
  const std::uint16_t crc = TagCrc(mp3.data(), crcAt);
  mp3[crcAt] = static_cast<std::uint8_t>(crc >> 8);
  mp3[crcAt + 1] = static_cast<std::uint8_t>(crc & 0xFF);
}

}  // namespace

GaplessInfo ReadGaplessInfo(const Bytes& mp3) {
  TagLayout layout;
  if (!FindTag(mp3, layout)) return {};
  const std::size_t at = layout.lameExtension + 21;
  return {(mp3[at] << 4) | (mp3[at + 1] >> 4), ((mp3[at + 1] & 15) << 8) | mp3[at + 2]};
}

bool LameTagIntact(const Bytes& mp3) {
  TagLayout layout;
  if (!FindTag(mp3, layout)) return false;
  const std::size_t at = layout.lameExtension + 34;
  return TagCrc(mp3.data(), at) == ((mp3[at] << 8) | mp3[at + 1]);
}

Bytes EncodeMp3(const Sound& sound, const Mp3Settings& settings) {
  const int channels = sound.ChannelCount();
  if (channels < 1 || channels > 2) throw std::runtime_error("an MP3 holds one or two channels");
  const std::size_t frames = sound.Frames();
  if (settings.seamlessLoop && frames < static_cast<std::size_t>(LoopContext))
    throw std::runtime_error("a loop shorter than its encoding context");

  // What the encoder is given: for a loop, its last `LoopContext` samples, the
  // loop, then its first `LoopContext` samples.
  const std::size_t context = settings.seamlessLoop ? LoopContext : 0;
  std::vector<Track> input(static_cast<std::size_t>(channels));
  for (int c = 0; c < channels; ++c) {
    const Track& t = sound.channels[static_cast<std::size_t>(c)];
    Track& in = input[static_cast<std::size_t>(c)];
    in.reserve(frames + 2 * context);
    in.insert(in.end(), t.end() - static_cast<long>(context), t.end());
    in.insert(in.end(), t.begin(), t.end());
    in.insert(in.end(), t.begin(), t.begin() + static_cast<long>(context));
    for (float& x : in) x = std::clamp(x, -1.0f, 1.0f);
  }

  const std::lock_guard<std::mutex> turn(LameLock);
  Lame lame(lame_init());
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_in_samplerate(lame.get(), SampleRate);
  lame_set_out_samplerate(lame.get(), SampleRate);
  lame_set_num_channels(lame.get(), channels);
  lame_set_mode(lame.get(), channels == 1 ? MONO : JOINT_STEREO);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_brate(lame.get(), settings.kilobitsPerSecond);
  lame_set_quality(lame.get(), 3);
  lame_set_bWriteVbrTag(lame.get(), 1);
  lame_set_write_id3tag_automatic(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");

  const std::size_t inFrames = input[0].size();
  Bytes out(inFrames * 5 / 4 + 7200 + 16384);
  const int written = lame_encode_buffer_ieee_float(
      lame.get(), input[0].data(), channels == 2 ? input[1].data() : input[0].data(),
      static_cast<int>(inFrames), out.data(), static_cast<int>(out.size()));
  if (written < 0) throw std::runtime_error("lame_encode_buffer failed");
  const int flushed = lame_encode_flush(lame.get(), out.data() + written,
                                        static_cast<int>(out.size()) - written);
  if (flushed < 0) throw std::runtime_error("lame_encode_flush failed");
  out.resize(static_cast<std::size_t>(written + flushed));

  // The stream began with a blank Info frame; LAME fills it in now that it
  // knows the whole stream.
  std::array<std::uint8_t, 4096> tag{};
  const std::size_t tagSize = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
  if (tagSize == 0 || tagSize > out.size()) throw std::runtime_error("no LAME tag frame");
  std::copy(tag.begin(), tag.begin() + static_cast<long>(tagSize), out.begin());

  TagLayout layout;
  if (!FindTag(out, layout)) throw std::runtime_error("LAME tag not where it belongs");
  if (!LameTagIntact(out)) throw std::runtime_error("LAME tag checksum not as expected");
  if (context > 0) {
    const GaplessInfo info = ReadGaplessInfo(out);
    WriteGapless(out, layout, info.delay + static_cast<int>(context),
                 info.padding + static_cast<int>(context));
  }
  return out;
}

Sound DecodeMp3Stream(const Bytes& mp3) {
  std::unique_lock<std::mutex> turn(LameLock);
  hip_t hip = hip_decode_init();
  if (!hip) throw std::runtime_error("hip_decode_init failed");
  std::vector<short> left, right;
  std::vector<short> bufL(1152 * 4), bufR(1152 * 4);
  mp3data_struct data{};
  int encDelay = -1, encPadding = -1, channels = 0;
  // Hand over the whole stream, then take out frame after frame. Some calls
  // give no samples (the Info frame gives none, and the decoder takes a call
  // or two to find its feet), so only a run of empty answers means the end.
  unsigned char* in = const_cast<unsigned char*>(mp3.data());
  int n = hip_decode1_headersB(hip, in, mp3.size(), bufL.data(), bufR.data(), &data, &encDelay, &encPadding);
  for (int empty = 0; empty < 8;) {
    if (n < 0) {
      hip_decode_exit(hip);
      throw std::runtime_error("MP3 stream does not decode");
    }
    if (n == 0) {
      ++empty;
    } else {
      empty = 0;
      if (data.header_parsed) channels = data.stereo;
      left.insert(left.end(), bufL.begin(), bufL.begin() + n);
      right.insert(right.end(), bufR.begin(), bufR.begin() + n);
    }
    n = hip_decode1_headersB(hip, nullptr, 0, bufL.data(), bufR.data(), &data, &encDelay, &encPadding);
  }
  hip_decode_exit(hip);
  turn.unlock();

  const GaplessInfo info = ReadGaplessInfo(mp3);
  std::size_t skip = 0, drop = 0;
  if (info.delay >= 0) {
    skip = static_cast<std::size_t>(info.delay + DecoderDelay);
    drop = static_cast<std::size_t>(std::max(0, info.padding - DecoderDelay));
  }
  const std::size_t total = left.size();
  const std::size_t keep = total > skip + drop ? total - skip - drop : 0;
  Sound out = channels == 2 ? Sound::Stereo(keep) : Sound::Mono(keep);
  for (std::size_t i = 0; i < keep; ++i) {
    out.channels[0][i] = left[skip + i] / 32768.0f;
    if (channels == 2) out.channels[1][i] = right[skip + i] / 32768.0f;
  }
  return out;
}

}  // namespace sound
