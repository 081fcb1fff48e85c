#pragma once
// Sounds whose files are still on their way (the web page streams most of
// them in while the game plays): the game's calls on such a sound are kept
// until its file arrives, and the frames wait while the game wants one now.
//
// A persistent sound whose file is coming is made when it arrives, looping if
// the game asked for that meanwhile, and started if the game started it and
// has not stopped it since. A file played once while it is coming plays when
// it arrives. Until then the game stands still (Waiting), so that no sound is
// lost or late in the story's time: it goes on where it was, with the sound.
// A file that is not coming is the engine's business at once, as without this
// layer (a missing one is silence).

#include <functional>
#include <string>
#include <vector>

#include "platform/MiniaudioAudio.h"

class ArrivingSounds final : public Audio {
 public:
  // `coming(path)`: whether that file is still to arrive; `seconds(path)`:
  // how long it will play, as its sender says (0 if it does not know).
  ArrivingSounds(MiniaudioAudio& audio, std::function<bool(const char*)> coming,
                 std::function<float(const char*)> seconds = {})
      : audio_(audio), coming_(std::move(coming)), seconds_(std::move(seconds)) {}

  void CreateSound(SoundId sound, const char* path);
  // Some files have arrived: does what was kept for them.
  void FilesArrived();
  // The game asked for a sound whose file has not arrived.
  bool Waiting() const;

  void Start(SoundId sound) override;
  void Stop(SoundId sound) override;
  void SetLooping(SoundId sound) override;
  void PlayOnce(const char* path) override;
  // A kept sound plays from the game's point of view once started.
  bool IsPlaying(SoundId sound) override;
  // Of a file still coming, what its sender says.
  float FileSeconds(const char* path) override;

 private:
  struct Kept {
    std::string path;
    bool looping = false;
    bool started = false;
  };
  Kept* KeptFor(SoundId sound);

  MiniaudioAudio& audio_;
  std::function<bool(const char*)> coming_;
  std::function<float(const char*)> seconds_;
  std::vector<std::pair<SoundId, Kept>> kept_;
  std::vector<std::string> oncePending_;
};
