#include "platform/SdlDrawing.h"

#include <algorithm>
#include <cmath>

std::optional<SDL_Rect> ClipSourceRect(const FRect& source, int textureWidth, int textureHeight) {
  const float left = std::max(source.x, 0.0f);
  const float top = std::max(source.y, 0.0f);
  const float right = std::min(source.x + source.w, static_cast<float>(textureWidth));
  const float bottom = std::min(source.y + source.h, static_cast<float>(textureHeight));
  if (!(right > left) || !(bottom > top)) return std::nullopt;

  // The renderer takes whole pixels; round each edge, keeping at least one pixel.
  SDL_Rect clipped;
  clipped.x = std::min(static_cast<int>(std::lround(left)), textureWidth - 1);
  clipped.y = std::min(static_cast<int>(std::lround(top)), textureHeight - 1);
  clipped.w = std::max(static_cast<int>(std::lround(right)) - clipped.x, 1);
  clipped.h = std::max(static_cast<int>(std::lround(bottom)) - clipped.y, 1);
  return clipped;
}

void SdlDrawing::SetTexture(TextureId id, SDL_Texture* texture) {
  textures_[id] = texture;
  sizes_[id] = {};
  if (texture) SDL_QueryTexture(texture, nullptr, nullptr, &sizes_[id].w, &sizes_[id].h);
}

void SdlDrawing::ForgetAll() {
  renderer_ = nullptr;
  textures_.fill(nullptr);
  sizes_.fill({});
}

void SdlDrawing::Clear() { SDL_RenderClear(renderer_); }

void SdlDrawing::Present() { SDL_RenderPresent(renderer_); }

void SdlDrawing::SetDrawColor(Rgba color) {
  SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, color.a);
}

void SdlDrawing::FillRect(const FRect& dest) {
  const SDL_FRect rect{dest.x, dest.y, dest.w, dest.h};
  SDL_RenderFillRectF(renderer_, &rect);
}

void SdlDrawing::DrawTexture(TextureId id, const FRect* source, const FRect& dest) {
  SDL_Texture* texture = textures_[id];
  if (!texture) return;
  const SDL_FRect destination{dest.x, dest.y, dest.w, dest.h};
  if (!source) {
    SDL_RenderCopyF(renderer_, texture, nullptr, &destination);
    return;
  }
  // A source reaching past the edge of the picture (the static frames do) is
  // cut to the picture, and what is left fills the whole destination.
  const std::optional<SDL_Rect> clipped = ClipSourceRect(*source, sizes_[id].w, sizes_[id].h);
  if (!clipped) return;
  SDL_RenderCopyF(renderer_, texture, &*clipped, &destination);
}

void SdlDrawing::SetTextureBlend(TextureId id) {
  if (textures_[id]) SDL_SetTextureBlendMode(textures_[id], SDL_BLENDMODE_BLEND);
}

void SdlDrawing::SetTextureAlpha(TextureId id, std::uint8_t alpha) {
  if (textures_[id]) SDL_SetTextureAlphaMod(textures_[id], alpha);
}

void SdlDrawing::SetTextureNearest(TextureId id) {
  if (textures_[id]) SDL_SetTextureScaleMode(textures_[id], SDL_ScaleModeNearest);
}
