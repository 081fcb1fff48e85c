#include "ScreenReader.h"

#include <cmath>

#include "presentation/Glyphs.h"
#include "core/ScreenRects.h"

namespace {

char GlyphAt(TextureId sheet, const FRect& source) {
  if (sheet == LettersTexture) {
    // The last cell is the NUL cell: it draws nothing a reader would see.
    for (std::size_t j = 0; j + 1 < GlyphRects.size(); ++j)
      if (GlyphRects[j] == source) return LetterTable[j];
  }
  if (sheet == SymbolsTexture) {
    for (std::size_t k = 0; k < SymbolRects.size(); ++k)
      if (SymbolRects[k] == source) return SymbolTable[k];
  }
  return '\0';
}

void TrimRight(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

bool DialogueBandShown(const RecordingDrawing& frame) {
  for (const DrawCall& call : frame.calls)
    if (call.kind == DrawCall::Kind::Fill && call.dest == DialogueBoxRect && call.color == Rgba{64, 64, 64, 200})
      return true;
  return false;
}

std::string DrawnDialogueText(const RecordingDrawing& frame) {
  std::string text(40, ' ');
  for (const DrawCall& call : frame.calls) {
    if (call.kind != DrawCall::Kind::Texture || !call.hasSource || call.dest.y != 500) continue;
    const char ch = GlyphAt(call.texture, call.source);
    if (ch == '\0') continue;
    const int position = static_cast<int>(std::lround(call.dest.x / 20));
    if (position >= 0 && position < 40) text[position] = ch;
  }
  TrimRight(text);
  return text;
}

std::string AsDrawn(const std::string& line) {
  std::string text;
  for (char ch : line) {
    bool drawn = ch >= 'A' && ch <= 'Z';
    for (char symbol : SymbolTable) drawn = drawn || ch == symbol;
    text += drawn ? ch : ' ';
  }
  TrimRight(text);
  return text;
}
