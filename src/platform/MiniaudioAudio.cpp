#include "platform/MiniaudioAudio.h"

#include <miniaudio.h>

#include <array>

struct MiniaudioAudio::Engine {
  ma_engine engine;
  bool engineReady = false;
  std::array<ma_sound, SoundCapacity> sounds;
  std::array<SoundState, SoundCapacity> states;

  Engine() { states.fill(SoundState::NotCreated); }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  ma_sound* Ready(SoundId id) {
    if (id < 0 || id >= SoundCapacity || states[id] != SoundState::Ready) return nullptr;
    return &sounds[id];
  }
};

MiniaudioAudio::MiniaudioAudio() : engine_(std::make_unique<Engine>()) {}

MiniaudioAudio::~MiniaudioAudio() { UninitEngine(); }

bool MiniaudioAudio::InitEngine() {
  if (engine_->engineReady) return true;
  engine_->engineReady = ma_engine_init(nullptr, &engine_->engine) == MA_SUCCESS;
  return engine_->engineReady;
}

bool MiniaudioAudio::EngineReady() const { return engine_->engineReady; }

void MiniaudioAudio::SetMasterVolume(float volume) {
  if (engine_->engineReady) ma_engine_set_volume(&engine_->engine, volume);
}

void MiniaudioAudio::CreateSound(SoundId id, const char* path) {
  if (id < 0 || id >= SoundCapacity || engine_->states[id] == SoundState::Ready) return;
  // No flags: the file is read whole now and decoded as it plays.
  const bool ready =
      engine_->engineReady &&
      ma_sound_init_from_file(&engine_->engine, path, 0, nullptr, nullptr, &engine_->sounds[id]) ==
          MA_SUCCESS;
  engine_->states[id] = ready ? SoundState::Ready : SoundState::Failed;
}

MiniaudioAudio::SoundState MiniaudioAudio::State(SoundId id) const {
  if (id < 0 || id >= SoundCapacity) return SoundState::NotCreated;
  return engine_->states[id];
}

void MiniaudioAudio::UninitEngine() {
  if (!engine_->engineReady) return;
  // Silence first, so the mixer is not running while the sounds come apart;
  // the sounds belong to the engine's node graph and must go before it.
  ma_engine_stop(&engine_->engine);
  for (int id = 0; id < SoundCapacity; ++id) {
    if (engine_->states[id] != SoundState::Ready) continue;
    ma_sound_uninit(&engine_->sounds[id]);
    engine_->states[id] = SoundState::NotCreated;
  }
  ma_engine_uninit(&engine_->engine);
  engine_->engineReady = false;
  pauses_ = 0;
  engine_->states.fill(SoundState::NotCreated);
}

// The mix stands still, not the device: a device stopped keeps what it had
// mixed before (a sound server corks the stream with it), and would play it
// on resuming at the volume it was mixed at, whatever the volume is by then.
// Running on, it plays out what it had and then silence, and from the resume
// every sample is mixed at the volume set then.
void MiniaudioAudio::Pause() {
  if (engine_->engineReady && pauses_++ == 0)
    ma_node_set_state(ma_engine_get_endpoint(&engine_->engine), ma_node_state_stopped);
}

void MiniaudioAudio::Resume() {
  if (engine_->engineReady && pauses_ > 0 && --pauses_ == 0)
    ma_node_set_state(ma_engine_get_endpoint(&engine_->engine), ma_node_state_started);
}

void MiniaudioAudio::StopDevice() {
  if (engine_->engineReady) ma_engine_stop(&engine_->engine);
}

void MiniaudioAudio::StartDevice() {
  if (engine_->engineReady) ma_engine_start(&engine_->engine);
}

void MiniaudioAudio::Start(SoundId id) {
  if (ma_sound* sound = engine_->Ready(id)) ma_sound_start(sound);
}

void MiniaudioAudio::Stop(SoundId id) {
  if (ma_sound* sound = engine_->Ready(id)) ma_sound_stop(sound);
}

void MiniaudioAudio::SetLooping(SoundId id) {
  if (ma_sound* sound = engine_->Ready(id)) ma_sound_set_looping(sound, MA_TRUE);
}

void MiniaudioAudio::PlayOnce(const char* path) {
  if (engine_->engineReady) ma_engine_play_sound(&engine_->engine, path, nullptr);
}

bool MiniaudioAudio::IsPlaying(SoundId id) {
  ma_sound* sound = engine_->Ready(id);
  return sound && ma_sound_is_playing(sound);
}

float MiniaudioAudio::FileSeconds(const char* path) {
  ma_decoder decoder;
  if (ma_decoder_init_file(path, nullptr, &decoder) != MA_SUCCESS) return 0;
  ma_uint64 frames = 0;
  const bool counted = ma_decoder_get_length_in_pcm_frames(&decoder, &frames) == MA_SUCCESS;
  const ma_uint32 rate = decoder.outputSampleRate;
  ma_decoder_uninit(&decoder);
  return counted && rate > 0 ? static_cast<float>(static_cast<double>(frames) / rate) : 0;
}

bool MiniaudioAudio::IsLooping(SoundId id) const {
  ma_sound* sound = engine_->Ready(id);
  return sound && ma_sound_is_looping(sound);
}
