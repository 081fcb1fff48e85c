#pragma once
// The game drawn with SDL's software renderer into pixels in memory: no
// window, no display, no sound and no keys of its own. The drawing is the real
// one (SdlDrawing, the game's PNG pictures, blended fills, linear scaling
// unless a picture is set to nearest) on an 800 by 600 logical screen scaled
// to the size asked for, so the frames the game presents can be looked at,
// measured or saved. Sound calls go nowhere, the event queue is always empty, and the
// clock stands still unless moved; whoever drives the game brings its own.

#include <SDL.h>

#include <cstdint>

#include "platform/PngPictures.h"
#include "platform/SdlDrawing.h"
#include "platform/System.h"

class OffscreenSystem final : public System {
 public:
  // The pixels are `width` by `height`; the game's 800 by 600 is scaled to them.
  OffscreenSystem(int width = 800, int height = 600) : width_(width), height_(height) {}
  ~OffscreenSystem() override;
  OffscreenSystem(const OffscreenSystem&) = delete;
  OffscreenSystem& operator=(const OffscreenSystem&) = delete;

  void InitSubsystems() override;
  bool CreateWindow() override;
  bool CreateRenderer() override;
  bool InitAudioEngine() override { return true; }
  void ConfigureDisplay() override;
  void SetMasterVolume(float) override {}
  void LoadTexture(TextureId texture, const char* path) override;
  void FreeSurfaces() override { pictures_.Release(); }
  bool TextureLoaded(TextureId texture) override { return drawing_.Texture(texture) != nullptr; }
  void Log(const char* message) override;
  void CreateSound(SoundId, const char*) override {}
  void UninitAudioEngine() override {}
  void DestroyTexture(TextureId texture) override;
  void DestroyRenderer() override;
  void DestroyWindow() override;
  void Quit() override;
  Platform& GamePlatform() override { return platform_; }

  // What has been drawn so far: rows top to bottom, each pixel the bytes red,
  // green, blue, alpha. Complete after the game's present.
  const std::uint32_t* Pixels() const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  class Silence final : public Audio {
   public:
    void Start(SoundId) override {}
    void Stop(SoundId) override {}
    void SetLooping(SoundId) override {}
    void PlayOnce(const char*) override {}
    bool IsPlaying(SoundId) override { return false; }
    float FileSeconds(const char*) override { return 0; }
  };
  class NoKeys final : public Input {
   public:
    InputEvent PollEvent() override { return InputEvent::None; }
    void PumpEvents() override {}
    bool IsHeld(Scancode) const override { return false; }
  };
  class StillClock final : public Clock {
   public:
    std::uint64_t TicksMs() override { return 0; }
  };

  int width_;
  int height_;
  SDL_Surface* surface_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  PngPictureReader pictures_;

  SdlDrawing drawing_;
  Silence audio_;
  NoKeys input_;
  StillClock clock_;
  Platform platform_{drawing_, audio_, input_, clock_};
};
