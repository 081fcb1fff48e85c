#pragma once
// A stand-in for the platform that records every draw and sound call and plays
// back scripted input, so any frame of the game can be run and inspected.

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/SoundCatalog.h"
#include "core/TextureCatalog.h"
#include "platform/Platform.h"
#include "platform/Speech.h"

struct DrawCall {
  enum class Kind { Clear, Present, SetColor, Fill, Texture, Blend, Alpha, Nearest } kind;
  TextureId texture = TextureCount;
  bool hasSource = false;
  FRect source{};
  FRect dest{};
  Rgba color{};        // the draw colour in force, for fills
  std::uint8_t alpha = 0;  // for Alpha
};

struct SoundCall {
  // The two questions are asked only by the captions.
  enum class Kind { Start, Stop, Loop, PlayOnce, AskPlaying, AskFileSeconds } kind;
  SoundId sound = SoundCount;
  std::string path;
  friend bool operator==(const SoundCall&, const SoundCall&) = default;
};

class RecordingDrawing : public Drawing {
 public:
  std::vector<DrawCall> calls;
  Rgba color{};

  void Clear() override;
  void Present() override;
  void SetDrawColor(Rgba c) override;
  void FillRect(const FRect& dest) override;
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override;
  void SetTextureBlend(TextureId texture) override;
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override;
  void SetTextureNearest(TextureId texture) override;

  // Draws of this texture since the calls were last cleared.
  std::vector<DrawCall> DrawsOf(TextureId texture) const;
  std::vector<DrawCall> Fills() const;
  bool Drew(TextureId texture) const { return !DrawsOf(texture).empty(); }
};

class RecordingAudio : public Audio {
 public:
  std::vector<SoundCall> calls;
  // What a real engine would report, following the catalog's rules (a sound
  // that is not looping plays on until a test says it has reached its end).
  bool playing[SoundCount] = {};
  bool looping[SoundCount] = {};
  // How long each file plays, by path; any other file plays this long.
  std::map<std::string, float> fileSeconds;
  float otherFileSeconds = 3;

  void Start(SoundId sound) override;
  void Stop(SoundId sound) override;
  void SetLooping(SoundId sound) override;
  void PlayOnce(const char* path) override;
  bool IsPlaying(SoundId sound) override;
  float FileSeconds(const char* path) override;

  std::vector<std::string> PlayedOnce() const;
  int TimesPlayed(const std::string& path) const;
};

class ScriptedInput : public Input {
 public:
  std::deque<InputEvent> events;
  std::deque<MenuEvent> menuEvents;  // taken only while the pause menu is open
  // The player presses Escape in the next frame in which nothing else is queued.
  bool pauseWhenIdle = false;
  std::set<int> held;  // scancodes held now

  InputEvent PollEvent() override;
  MenuEvent PollMenuEvent() override {
    if (menuEvents.empty()) return {};
    const MenuEvent event = menuEvents.front();
    menuEvents.pop_front();
    return event;
  }
  void PumpEvents() override {}
  bool IsHeld(Scancode key) const override { return held.count(key) != 0; }

  void Hold(Scancode key) { held.insert(key); }
  void Release(Scancode key) { held.erase(key); }
  void ReleaseAll() { held.clear(); }
};

// What the game said, as a speech service would be sent it.
struct SpeechCall {
  std::string text;  // empty for a Silence
  bool interrupt = false;
};

class RecordingSpeech : public Speech {
 public:
  std::vector<SpeechCall> calls;  // never cleared by ClearRecords: a listener takes them as it goes
  bool on = false;                // as the game last set it
  bool heardWithSpeechOff = false;  // stands in for a web page's live region

  void Say(std::string_view text, bool interrupt) override { calls.push_back({std::string(text), interrupt}); }
  void Silence() override { calls.push_back({"", true}); }
  void SetOn(bool now) override { on = now; }
  bool HeardWithSpeechOff() const override { return heardWithSpeechOff; }
  // The texts said, in order.
  std::vector<std::string> Texts() const;
};

class ManualClock : public Clock {
 public:
  std::uint64_t now = 0;
  std::uint64_t TicksMs() override { return now; }
};

struct RecordingPlatform {
  RecordingDrawing drawing;
  RecordingAudio audio;
  ScriptedInput input;
  ManualClock clock;
  RecordingSpeech speech;
  Platform platform{drawing, audio, input, clock};

  void ClearRecords() {
    drawing.calls.clear();
    audio.calls.clear();
  }
};
