#pragma once
// Sound on miniaudio's high-level engine: the persistent sounds by catalog id,
// and files played once by path.
//
// miniaudio's engine and sounds are structures that its mixing thread points
// into, not handles: they live in one block allocated when this object is made
// and stay at that address until they are uninitialised. The object itself can
// be neither copied nor moved.

#include <memory>

#include "platform/Platform.h"

class MiniaudioAudio final : public Audio {
 public:
  enum class SoundState { NotCreated, Ready, Failed };

  MiniaudioAudio();
  ~MiniaudioAudio() override;
  MiniaudioAudio(const MiniaudioAudio&) = delete;
  MiniaudioAudio& operator=(const MiniaudioAudio&) = delete;
  MiniaudioAudio(MiniaudioAudio&&) = delete;
  MiniaudioAudio& operator=(MiniaudioAudio&&) = delete;

  // The engine's defaults: the default playback device and its own resource
  // manager. Without a sound card miniaudio plays into its null device.
  bool InitEngine();
  bool EngineReady() const;
  void SetMasterVolume(float volume);

  // Loads the sound from `path`. A file that is missing or cannot be decoded
  // leaves the sound failed: it stays silent and every later call on it is skipped.
  void CreateSound(SoundId sound, const char* path);
  SoundState State(SoundId sound) const;

  // Silences the whole engine and brings it back where it was: every sound
  // keeps its place. For a browser tab that is hidden and shown again, and the
  // pause menu: each Pause is undone by its own Resume, and the sound comes
  // back when the last reason for silence has gone. The device plays on
  // (silence) meanwhile: from a Resume every sample is mixed as things stand
  // then, at the volume set while paused.
  void Pause();
  void Resume();
  // A hidden browser tab stops the device as well, to spare the machine.
  void StopDevice();
  void StartDevice();

  // The sounds, then the engine; all audio stops. Safe to call more than once.
  void UninitEngine();

  void Start(SoundId sound) override;
  void Stop(SoundId sound) override;
  void SetLooping(SoundId sound) override;
  void PlayOnce(const char* path) override;
  // False for a sound that is not ready.
  bool IsPlaying(SoundId sound) override;
  // Needs no engine: the file is opened by a decoder of its own, which reads
  // only the frame headers to count its length.
  float FileSeconds(const char* path) override;

  // What the engine reports, for checks; false for a sound that is not ready.
  bool IsLooping(SoundId sound) const;

 private:
  struct Engine;
  const std::unique_ptr<Engine> engine_;
  int pauses_ = 0;
};
