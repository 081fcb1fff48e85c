#include "RecordingPlatform.h"

#include <algorithm>

void RecordingDrawing::Clear() { calls.push_back({DrawCall::Kind::Clear}); }
void RecordingDrawing::Present() { calls.push_back({DrawCall::Kind::Present}); }

void RecordingDrawing::SetDrawColor(Rgba c) {
  color = c;
  DrawCall call{DrawCall::Kind::SetColor};
  call.color = c;
  calls.push_back(call);
}

void RecordingDrawing::FillRect(const FRect& dest) {
  DrawCall call{DrawCall::Kind::Fill};
  call.dest = dest;
  call.color = color;
  calls.push_back(call);
}

void RecordingDrawing::DrawTexture(TextureId texture, const FRect* source, const FRect& dest) {
  DrawCall call{DrawCall::Kind::Texture};
  call.texture = texture;
  call.hasSource = source != nullptr;
  if (source) call.source = *source;
  call.dest = dest;
  calls.push_back(call);
}

void RecordingDrawing::SetTextureBlend(TextureId texture) {
  DrawCall call{DrawCall::Kind::Blend};
  call.texture = texture;
  calls.push_back(call);
}

void RecordingDrawing::SetTextureAlpha(TextureId texture, std::uint8_t alpha) {
  DrawCall call{DrawCall::Kind::Alpha};
  call.texture = texture;
  call.alpha = alpha;
  calls.push_back(call);
}

void RecordingDrawing::SetTextureNearest(TextureId texture) {
  DrawCall call{DrawCall::Kind::Nearest};
  call.texture = texture;
  calls.push_back(call);
}

std::vector<DrawCall> RecordingDrawing::DrawsOf(TextureId texture) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls)
    if (call.kind == DrawCall::Kind::Texture && call.texture == texture) found.push_back(call);
  return found;
}

std::vector<DrawCall> RecordingDrawing::Fills() const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls)
    if (call.kind == DrawCall::Kind::Fill) found.push_back(call);
  return found;
}

void RecordingAudio::Start(SoundId sound) {
  calls.push_back({SoundCall::Kind::Start, sound, {}});
  playing[sound] = true;
}

void RecordingAudio::Stop(SoundId sound) {
  calls.push_back({SoundCall::Kind::Stop, sound, {}});
  playing[sound] = false;
}

void RecordingAudio::SetLooping(SoundId sound) {
  calls.push_back({SoundCall::Kind::Loop, sound, {}});
  looping[sound] = true;
}

void RecordingAudio::PlayOnce(const char* path) {
  calls.push_back({SoundCall::Kind::PlayOnce, SoundCount, path});
}

bool RecordingAudio::IsPlaying(SoundId sound) {
  calls.push_back({SoundCall::Kind::AskPlaying, sound, {}});
  return playing[sound];
}

float RecordingAudio::FileSeconds(const char* path) {
  calls.push_back({SoundCall::Kind::AskFileSeconds, SoundCount, path});
  const auto known = fileSeconds.find(path);
  return known != fileSeconds.end() ? known->second : otherFileSeconds;
}

std::vector<std::string> RecordingAudio::PlayedOnce() const {
  std::vector<std::string> paths;
  for (const SoundCall& call : calls)
    if (call.kind == SoundCall::Kind::PlayOnce) paths.push_back(call.path);
  return paths;
}

int RecordingAudio::TimesPlayed(const std::string& path) const {
  const auto paths = PlayedOnce();
  return static_cast<int>(std::count(paths.begin(), paths.end(), path));
}

InputEvent ScriptedInput::PollEvent() {
  if (pauseWhenIdle && events.empty()) {
    pauseWhenIdle = false;
    return InputEvent::Pause;
  }
  if (events.empty()) return InputEvent::None;
  const InputEvent event = events.front();
  events.pop_front();
  return event;
}

std::vector<std::string> RecordingSpeech::Texts() const {
  std::vector<std::string> texts;
  for (const SpeechCall& call : calls)
    if (!call.text.empty()) texts.push_back(call.text);
  return texts;
}
