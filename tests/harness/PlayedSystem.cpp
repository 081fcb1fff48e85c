#include "PlayedSystem.h"

void TeeDrawing::Clear() {
  if (drawEveryFrame) real_.Clear();
  record_.Clear();
}
void TeeDrawing::Present() {
  if (drawEveryFrame) real_.Present();
  record_.Present();
}
void TeeDrawing::SetDrawColor(Rgba color) {
  if (drawEveryFrame) real_.SetDrawColor(color);
  record_.SetDrawColor(color);
}
void TeeDrawing::FillRect(const FRect& dest) {
  if (drawEveryFrame) real_.FillRect(dest);
  record_.FillRect(dest);
}
void TeeDrawing::DrawTexture(TextureId texture, const FRect* source, const FRect& dest) {
  if (drawEveryFrame) real_.DrawTexture(texture, source, dest);
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

void TeeDrawing::Redraw(const std::vector<DrawCall>& calls) {
  bool presented = false;
  for (const DrawCall& call : calls) {
    switch (call.kind) {
      case DrawCall::Kind::Clear: real_.Clear(); break;
      case DrawCall::Kind::Present: real_.Present(), presented = true; break;
      case DrawCall::Kind::SetColor: real_.SetDrawColor(call.color); break;
      case DrawCall::Kind::Fill: real_.FillRect(call.dest); break;
      case DrawCall::Kind::Texture: real_.DrawTexture(call.texture, call.hasSource ? &call.source : nullptr, call.dest); break;
      case DrawCall::Kind::Blend: real_.SetTextureBlend(call.texture); break;
      case DrawCall::Kind::Alpha: real_.SetTextureAlpha(call.texture, call.alpha); break;
      case DrawCall::Kind::Nearest: real_.SetTextureNearest(call.texture); break;
    }
  }
  if (!presented) real_.Present();
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

void PlayedSystem::DrawOnlyWhenAsked() {
  GamePlatform();
  drawing_->drawEveryFrame = false;
}

void PlayedSystem::RedrawRecorded() {
  GamePlatform();
  drawing_->Redraw(recording.calls);
}
