#include "platform/AudioDecoding.h"

#include <miniaudio.h>

DecodedAudio DecodeMp3(const std::string& path) {
  DecodedAudio out;
  ma_decoder_config config = ma_decoder_config_init(ma_format_f32, 0, 0);
  ma_decoder decoder;
  if (ma_decoder_init_file(path.c_str(), &config, &decoder) != MA_SUCCESS) return out;

  out.channels = static_cast<int>(decoder.outputChannels);
  out.sampleRate = static_cast<int>(decoder.outputSampleRate);
  std::vector<float> chunk(4096 * static_cast<std::size_t>(out.channels));
  for (;;) {
    ma_uint64 read = 0;
    const ma_result result = ma_decoder_read_pcm_frames(&decoder, chunk.data(), 4096, &read);
    out.samples.insert(out.samples.end(), chunk.begin(),
                       chunk.begin() + static_cast<long>(read * static_cast<ma_uint64>(out.channels)));
    if (result != MA_SUCCESS || read == 0) break;
  }
  ma_decoder_uninit(&decoder);
  out.ok = out.channels > 0 && !out.samples.empty();
  return out;
}
