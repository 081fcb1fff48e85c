#include "presentation/KeptFrame.h"

void KeptFrame::Keep(const Call& call) { calls_.push_back(call); }

void KeptFrame::Clear() {
  calls_.clear();
  Keep({Call::Kind::Clear, {}, false, {}, {}, {}, 0});
  screen_.Clear();
}

void KeptFrame::Present() {
  last_.swap(calls_);  // both keep their room: no allocation once warmed up
  calls_.clear();
  screen_.Present();
}

void KeptFrame::SetDrawColor(Rgba color) {
  Keep({Call::Kind::SetColor, {}, false, {}, {}, color, 0});
  screen_.SetDrawColor(color);
}

void KeptFrame::FillRect(const FRect& dest) {
  Keep({Call::Kind::Fill, {}, false, {}, dest, {}, 0});
  screen_.FillRect(dest);
}

void KeptFrame::DrawTexture(TextureId texture, const FRect* source, const FRect& dest) {
  Keep({Call::Kind::Texture, texture, source != nullptr, source ? *source : FRect{}, dest, {}, 0});
  screen_.DrawTexture(texture, source, dest);
}

void KeptFrame::SetTextureBlend(TextureId texture) {
  Keep({Call::Kind::Blend, texture, false, {}, {}, {}, 0});
  screen_.SetTextureBlend(texture);
}

void KeptFrame::SetTextureAlpha(TextureId texture, std::uint8_t alpha) {
  Keep({Call::Kind::Alpha, texture, false, {}, {}, {}, alpha});
  screen_.SetTextureAlpha(texture, alpha);
}

void KeptFrame::SetTextureNearest(TextureId texture) {
  Keep({Call::Kind::Nearest, texture, false, {}, {}, {}, 0});
  screen_.SetTextureNearest(texture);
}

void KeptFrame::Redraw() {
  for (const Call& call : last_) {
    switch (call.kind) {
      case Call::Kind::Clear: screen_.Clear(); break;
      case Call::Kind::SetColor: screen_.SetDrawColor(call.color); break;
      case Call::Kind::Fill: screen_.FillRect(call.dest); break;
      case Call::Kind::Texture: screen_.DrawTexture(call.texture, call.hasSource ? &call.source : nullptr, call.dest); break;
      case Call::Kind::Blend: screen_.SetTextureBlend(call.texture); break;
      case Call::Kind::Alpha: screen_.SetTextureAlpha(call.texture, call.alpha); break;
      case Call::Kind::Nearest: screen_.SetTextureNearest(call.texture); break;
    }
  }
}
