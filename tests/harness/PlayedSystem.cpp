#include "PlayedSystem.h"

void TeeDrawing::Clear() { real_.Clear(), record_.Clear(); }
void TeeDrawing::Present() { real_.Present(), record_.Present(); }
void TeeDrawing::SetDrawColor(Rgba color) { real_.SetDrawColor(color), record_.SetDrawColor(color); }
void TeeDrawing::FillRect(const FRect& dest) { real_.FillRect(dest), record_.FillRect(dest); }
void TeeDrawing::DrawTexture(TextureId texture, const FRect* source, const FRect& dest) {
  real_.DrawTexture(texture, source, dest);
  record_.DrawTexture(texture, source, dest);
}
void TeeDrawing::SetTextureBlend(TextureId texture) { real_.SetTextureBlend(texture), record_.SetTextureBlend(texture); }
void TeeDrawing::SetTextureAlpha(TextureId texture, std::uint8_t alpha) {
  real_.SetTextureAlpha(texture, alpha);
  record_.SetTextureAlpha(texture, alpha);
}
void TeeDrawing::SetTextureNearest(TextureId texture) {
  real_.SetTextureNearest(texture);
  record_.SetTextureNearest(texture);
}

InputEvent PlayerInput::PollEvent() {
  for (InputEvent event; (event = real_.PollEvent()) != InputEvent::None;)
    if (event == InputEvent::Quit) return event;
  return player_.PollEvent();
}

Platform& PlayedSystem::GamePlatform() {
  if (!platform_) {
    Platform& real = real_.GamePlatform();
    drawing_ = std::make_unique<TeeDrawing>(real.drawing, recording);
    input_ = std::make_unique<PlayerInput>(real.input, playerInput);
    platform_ = std::make_unique<Platform>(Platform{*drawing_, real.audio, *input_, clock});
  }
  return *platform_;
}
