#include "platform/SdlSystem.h"

#include <SDL_image.h>

#include "platform/RealSystem.h"

std::unique_ptr<System> MakeRealSystem() { return std::make_unique<SdlSystem>(); }

namespace {

constexpr int LogicalWidth = 800;
constexpr int LogicalHeight = 600;

}  // namespace

SdlSystem::~SdlSystem() {
  audio_.UninitEngine();
  if (!sdlStarted_) return;
  FreeSurfaces();
  for (int id = 0; id < TextureCapacity; ++id) DestroyTexture(static_cast<TextureId>(id));
  DestroyRenderer();
  DestroyWindow();
  Quit();
}

void SdlSystem::InitSubsystems() {
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
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  // An 800 by 600 screen, scaled to the display with black bars.
  SDL_RenderSetLogicalSize(renderer_, LogicalWidth, LogicalHeight);
  SDL_RenderSetVSync(renderer_, 1);
}

void SdlSystem::SetMasterVolume(float volume) { audio_.SetMasterVolume(volume); }

void SdlSystem::LoadTexture(TextureId id, const char* path) {
  // PNG only: a file that is empty or not a PNG fails like a missing one. Its
  // signature is checked first, so the PNG decoder never sees it (it would
  // print an error of its own beside the game's one log line).
  SDL_Surface* surface = nullptr;
  if (SDL_RWops* file = SDL_RWFromFile(path, "rb")) {
    if (IMG_isPNG(file)) surface = IMG_LoadPNG_RW(file);
    SDL_RWclose(file);
  }
  surfaces_[id] = surface;
  SDL_Texture* texture =
      surface && renderer_ ? SDL_CreateTextureFromSurface(renderer_, surface) : nullptr;
  drawing_.SetTexture(id, texture);
}

void SdlSystem::FreeSurfaces() {
  for (SDL_Surface*& surface : surfaces_) {
    SDL_FreeSurface(surface);
    surface = nullptr;
  }
}

bool SdlSystem::TextureLoaded(TextureId id) { return drawing_.Texture(id) != nullptr; }

void SdlSystem::Log(const char* message) {
  // The message is the format text itself; the game's messages hold no '%'.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
  SDL_Log(message);
#pragma GCC diagnostic pop
}

void SdlSystem::CreateSound(SoundId sound, const char* path) { audio_.CreateSound(sound, path); }

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
