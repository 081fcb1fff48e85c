#pragma once
// Drawing on an SDL 2 renderer, behaving as the game expects of a modern SDL:
// float destinations, source rectangles clipped to the texture, per-texture
// blend, alpha and scale settings.

#include <SDL.h>

#include <array>
#include <optional>

#include "platform/Platform.h"

// The part of `source` that lies on a texture of the given size, as whole
// texture pixels; nothing when the source misses the texture entirely. The
// clipped part is what gets stretched over the whole destination.
std::optional<SDL_Rect> ClipSourceRect(const FRect& source, int textureWidth, int textureHeight);

class SdlDrawing final : public Drawing {
 public:
  SdlDrawing() = default;
  SdlDrawing(const SdlDrawing&) = delete;
  SdlDrawing& operator=(const SdlDrawing&) = delete;

  void AttachRenderer(SDL_Renderer* renderer) { renderer_ = renderer; }
  // The drawing does not own the textures; whoever made them destroys them.
  void SetTexture(TextureId id, SDL_Texture* texture);
  SDL_Texture* Texture(TextureId id) const { return textures_[id]; }
  void ForgetAll();

  void Clear() override;
  void Present() override;
  void SetDrawColor(Rgba color) override;
  void FillRect(const FRect& dest) override;
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override;
  void SetTextureBlend(TextureId texture) override;
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override;
  void SetTextureNearest(TextureId texture) override;

 private:
  struct Size {
    int w = 0;
    int h = 0;
  };
  SDL_Renderer* renderer_ = nullptr;
  std::array<SDL_Texture*, TextureCapacity> textures_{};
  std::array<Size, TextureCapacity> sizes_{};
};
