#include "platform/SdlSystem.h"

#include <SDL_image.h>

#include <malloc.h>

#include <algorithm>
#include <thread>

#include "platform/RealSystem.h"

std::unique_ptr<System> MakeRealSystem() { return std::make_unique<SdlSystem>(); }

namespace {

constexpr int LogicalWidth = 800;
constexpr int LogicalHeight = 600;

// Each picture is decoded into memory of its own and freed as soon as its
// texture is made, and a texture takes as much memory as its picture. With
// the whole process on one heap, big blocks included, each new texture takes
// the memory that the last decoded picture has just left, already mapped in,
// instead of fresh pages faulted in one at a time on the game's thread; and
// the decoding threads leave no heaps of their own behind, half full of freed
// pictures. Start-up is faster and its peak memory lower. Set before any
// thread starts.
void ShareOneHeap() {
#ifdef __GLIBC__
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the most glibc allows: no picture is mapped on its own
  mallopt(M_TRIM_THRESHOLD, 64 << 20);  // nor is the heap given back between a picture and a texture
#endif
}

}  // namespace

SdlSystem::~SdlSystem() {
  audio_.UninitEngine();
  if (!sdlStarted_) return;
  FreeSurfaces();
  for (int id = 0; id < TextureCount; ++id) DestroyTexture(static_cast<TextureId>(id));
  DestroyRenderer();
  DestroyWindow();
  Quit();
}

void SdlSystem::InitSubsystems() {
  ShareOneHeap();
  // Pictures are scaled smoothly unless the game asks for nearest-neighbour on
  // one of them. SDL 2 reads this when each texture is created.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_Init(SDL_INIT_VIDEO);
  SDL_Init(SDL_INIT_AUDIO);
  sdlStarted_ = true;
  // SDL 2 turns text input on with the video, which would queue a text event
  // after many key presses; the game takes one event a frame and wants only keys.
  SDL_StopTextInput();
}

bool SdlSystem::CreateWindow() {
  window_ = SDL_CreateWindow("Tarnwick", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             LogicalWidth, LogicalHeight, SDL_WINDOW_RESIZABLE);
  return window_ != nullptr;
}

bool SdlSystem::CreateRenderer() {
  if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  drawing_.AttachRenderer(renderer_);
  return renderer_ != nullptr;
}

bool SdlSystem::InitAudioEngine() { return audio_.InitEngine(); }

void SdlSystem::ConfigureDisplay() {
  // The pictures are loaded next. Their decoding starts now, beside the game's
  // thread, while the switch to full screen waits on the window system (on
  // X11 it can wait a tenth of a second); LoadTexture then mostly uploads.
  // Nothing is decoded before the window, renderer and sound engine exist.
  // One processor is left to the game's thread and the display server, which
  // are busy with the window meanwhile.
  const unsigned cores = std::thread::hardware_concurrency();
  pictures_.Start(static_cast<int>(std::clamp(cores, 2u, 5u)) - 1);
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  // An 800 by 600 screen, scaled to the display with black bars.
  SDL_RenderSetLogicalSize(renderer_, LogicalWidth, LogicalHeight);
  SDL_RenderSetVSync(renderer_, 1);
}

void SdlSystem::SetMasterVolume(float volume) { audio_.SetMasterVolume(volume); }

void SdlSystem::LoadTexture(TextureId id) {
  SDL_Surface* surface = pictures_.Take(id);
  // Not decoded ahead: SDL_image reads it here. PNG only: a file that is
  // empty or not a PNG fails like a missing one.
  if (!surface) {
    if (SDL_RWops* file = SDL_RWFromFile(TextureCatalog[id].path, "rb")) {
      surface = IMG_LoadPNG_RW(file);
      SDL_RWclose(file);
    }
  }
  SDL_Texture* texture =
      surface && renderer_ ? SDL_CreateTextureFromSurface(renderer_, surface) : nullptr;
  drawing_.SetTexture(id, texture);
  // The texture has its own copy of the pixels. The decoded picture goes now
  // rather than with all the others after the last load, so that the pictures
  // are never held twice over: that would all but double start-up's peak memory.
  SDL_FreeSurface(surface);
  pictures_.Release(id);
}

void SdlSystem::FreeSurfaces() {
  // Each picture's surface went as soon as its texture was made; what is left
  // is the decoding ahead, and any picture it decoded that was never loaded.
  pictures_.Stop();
}

bool SdlSystem::TextureLoaded(TextureId id) { return drawing_.Texture(id) != nullptr; }

void SdlSystem::Log(const char* message) {
  // The message is the format text itself; the game's messages hold no '%'.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
  SDL_Log(message);
#pragma GCC diagnostic pop
}

void SdlSystem::CreateSound(SoundId sound) { audio_.CreateSound(sound); }

void SdlSystem::UninitAudioEngine() { audio_.UninitEngine(); }

void SdlSystem::DestroyTexture(TextureId id) {
  if (SDL_Texture* texture = drawing_.Texture(id)) {
    SDL_DestroyTexture(texture);
    drawing_.SetTexture(id, nullptr);
  }
}

void SdlSystem::DestroyRenderer() {
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  drawing_.AttachRenderer(nullptr);
}

void SdlSystem::DestroyWindow() {
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
}

void SdlSystem::Quit() {
  FreeSurfaces();
  SDL_Quit();
  sdlStarted_ = false;
  // SDL has let go of the window and everything drawn with it.
  window_ = nullptr;
  renderer_ = nullptr;
  drawing_.ForgetAll();
}
