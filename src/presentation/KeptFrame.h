#pragma once
// The last frame the game drew, kept so that it can be drawn again under the
// pause menu while the game stands still (running the frame again would move
// the game on). Every call is passed on unchanged as it comes, so the game
// draws exactly as it would without it.

#include <vector>

#include "platform/Platform.h"

class KeptFrame final : public Drawing {
 public:
  explicit KeptFrame(Drawing& screen) : screen_(screen) { calls_.reserve(512); }

  void Clear() override;
  void Present() override;
  void SetDrawColor(Rgba color) override;
  void FillRect(const FRect& dest) override;
  void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) override;
  void SetTextureBlend(TextureId texture) override;
  void SetTextureAlpha(TextureId texture, std::uint8_t alpha) override;
  void SetTextureNearest(TextureId texture) override;

  // Draws the last whole frame again onto the screen, from its clear to just
  // before its present. (A picture's alpha changed after the picture was drawn
  // shows at its new alpha: a frame's step of a fade at most.)
  void Redraw();

 private:
  struct Call {
    enum class Kind { Clear, SetColor, Fill, Texture, Blend, Alpha, Nearest } kind;
    TextureId texture;
    bool hasSource;
    FRect source, dest;
    Rgba color;
    std::uint8_t alpha;
  };
  void Keep(const Call& call);

  Drawing& screen_;
  std::vector<Call> calls_;  // the frame being drawn
  std::vector<Call> last_;   // the last one presented
};
