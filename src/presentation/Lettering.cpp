#include "presentation/Lettering.h"

#include "core/TextureCatalog.h"
#include "presentation/CaptionLetters.h"

float LetteringWidth(std::string_view words, float scale) {
  float width = 0;
  for (const char c : words) {
    const std::size_t index = CaptionCharacters.find(c);
    width += index == std::string_view::npos ? 3 * scale : static_cast<float>(CaptionGlyphWidths[index] + 1) * scale;
  }
  return width > 0 ? width - scale : 0;  // no gap after the last letter
}

void DrawLettering(Drawing& drawing, std::string_view words, float x, float y, float scale) {
  for (const char c : words) {
    const std::size_t index = CaptionCharacters.find(c);
    if (index == std::string_view::npos) {
      x += 3 * scale;
      continue;
    }
    const FRect cell = CaptionGlyphCell(index);
    drawing.DrawTexture(CaptionsTexture, &cell, FRect{x, y, cell.w * scale, cell.h * scale});
    x += (cell.w + 1) * scale;
  }
}
