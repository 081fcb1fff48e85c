#include "platform/ArrivingSounds.h"

#include <algorithm>

ArrivingSounds::Kept* ArrivingSounds::KeptFor(SoundId sound) {
  for (auto& [id, kept] : kept_)
    if (id == sound) return &kept;
  return nullptr;
}

void ArrivingSounds::CreateSound(SoundId sound, const char* path) {
  if (coming_(path))
    kept_.push_back({sound, Kept{path}});
  else
    audio_.CreateSound(sound, path);
}

void ArrivingSounds::FilesArrived() {
  // In the order the game asked, so that what it made first is made first.
  for (auto it = kept_.begin(); it != kept_.end();) {
    const auto& [sound, kept] = *it;
    if (coming_(kept.path.c_str())) {
      ++it;
      continue;
    }
    audio_.CreateSound(sound, kept.path.c_str());
    if (kept.looping) audio_.SetLooping(sound);
    if (kept.started) audio_.Start(sound);
    it = kept_.erase(it);
  }
  for (auto it = oncePending_.begin(); it != oncePending_.end();) {
    if (coming_(it->c_str())) {
      ++it;
      continue;
    }
    audio_.PlayOnce(it->c_str());
    it = oncePending_.erase(it);
  }
}

bool ArrivingSounds::Waiting() const {
  return !oncePending_.empty() ||
         std::any_of(kept_.begin(), kept_.end(), [](const auto& entry) { return entry.second.started; });
}

void ArrivingSounds::Start(SoundId sound) {
  if (Kept* kept = KeptFor(sound))
    kept->started = true;
  else
    audio_.Start(sound);
}

void ArrivingSounds::Stop(SoundId sound) {
  if (Kept* kept = KeptFor(sound))
    kept->started = false;
  else
    audio_.Stop(sound);
}

void ArrivingSounds::SetLooping(SoundId sound) {
  if (Kept* kept = KeptFor(sound))
    kept->looping = true;
  else
    audio_.SetLooping(sound);
}

void ArrivingSounds::PlayOnce(const char* path) {
  if (coming_(path))
    oncePending_.emplace_back(path);
  else
    audio_.PlayOnce(path);
}

bool ArrivingSounds::IsPlaying(SoundId sound) {
  if (Kept* kept = KeptFor(sound)) return kept->started;
  return audio_.IsPlaying(sound);
}

float ArrivingSounds::FileSeconds(const char* path) {
  if (coming_(path)) return seconds_ ? seconds_(path) : 0;
  return audio_.FileSeconds(path);
}
