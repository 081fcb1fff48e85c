#include "platform/OffscreenSystem.h"

#include "platform/PictureUpload.h"

OffscreenSystem::~OffscreenSystem() {
  for (int id = 0; id < TextureCapacity; ++id) DestroyTexture(static_cast<TextureId>(id));
  DestroyRenderer();
  DestroyWindow();
}

void OffscreenSystem::InitSubsystems() {
  // At full size, as in the window: smooth scaling unless the game asks for
  // nearest. Smaller, each pixel is one pixel of the full-size picture: a
  // smooth scale would average neighbours as stored, in sRGB, which gives
  // less light than they do (the scanlines would darken every frame).
  const bool fullSize = width_ >= 800 && height_ >= 600;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, fullSize ? "linear" : "nearest");
}

bool OffscreenSystem::CreateWindow() {
  surface_ = SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_RGBA32);
  return surface_ != nullptr;
}

bool OffscreenSystem::CreateRenderer() {
  if (surface_) renderer_ = SDL_CreateSoftwareRenderer(surface_);
  drawing_.AttachRenderer(renderer_);
  return renderer_ != nullptr;
}

void OffscreenSystem::ConfigureDisplay() {
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  SDL_RenderSetLogicalSize(renderer_, 800, 600);
}

void OffscreenSystem::LoadTexture(TextureId id, const char* path) {
  drawing_.SetTexture(id, UploadPicture(renderer_, pictures_, path));
}

void OffscreenSystem::Log(const char* message) {
  SDL_LogMessage(SDL_LOG_CATEGORY_APPLICATION, SDL_LOG_PRIORITY_INFO, "%s", message);
}

void OffscreenSystem::DestroyTexture(TextureId id) {
  if (SDL_Texture* texture = drawing_.Texture(id)) {
    SDL_DestroyTexture(texture);
    drawing_.SetTexture(id, nullptr);
  }
}

void OffscreenSystem::DestroyRenderer() {
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  drawing_.AttachRenderer(nullptr);
}

void OffscreenSystem::DestroyWindow() {
  if (surface_) SDL_FreeSurface(surface_);
  surface_ = nullptr;
}

void OffscreenSystem::Quit() { pictures_.Release(); }

const std::uint32_t* OffscreenSystem::Pixels() const {
  return surface_ ? static_cast<const std::uint32_t*>(surface_->pixels) : nullptr;
}
