// The letter and symbol sheets the dialogue is drawn from: each glyph in its
// cell of the game's own glyph tables, light on a transparent sheet; and the
// captions' sheet, the same letters in the cells of the captions' table.
#include <stdexcept>
#include <string>

#include "Library.h"
#include "PixelFont.h"
#include "presentation/CaptionLetters.h"
#include "presentation/Glyphs.h"

namespace art {

namespace {

constexpr Color GlyphColor = Bone;

// Puts a glyph into its cell. Glyphs narrower than the cell sit at its left,
// except L: its cell shares its first column with K's last, so L moves one
// column right and that column stays empty for both.
void PutGlyph(Canvas& sheet, char ch, const FRect& cell) {
  const Glyph* glyph = FindGlyph(ch);
  if (!glyph) throw std::logic_error(std::string("no glyph for ") + ch);
  const int cellWidth = static_cast<int>(cell.w);
  int offset = ch == 'L' ? 1 : 0;
  if (ch == '!' || ch == '.' || ch == ',') offset = (cellWidth - glyph->Width()) / 2;
  if (glyph->Width() + offset > cellWidth || static_cast<int>(cell.h) != GlyphHeight)
    throw std::logic_error(std::string("glyph does not fit its cell: ") + ch);
  DrawGlyph(sheet, *glyph, static_cast<int>(cell.x) + offset, static_cast<int>(cell.y), GlyphColor);
}

Canvas PaintLetters() {
  Canvas sheet(LettersSheetWidth, LettersSheetHeight);
  for (std::size_t j = 0; j < LetterTable.size(); ++j)
    if (LetterTable[j] != '\0') PutGlyph(sheet, LetterTable[j], GlyphRects[j]);
  return sheet;  // the NUL cell is left transparent
}

Canvas PaintSymbols() {
  Canvas sheet(SymbolsSheetWidth, SymbolsSheetHeight);
  for (std::size_t k = 0; k < SymbolTable.size(); ++k) PutGlyph(sheet, SymbolTable[k], SymbolRects[k]);
  return sheet;
}

}  // namespace

Canvas PaintCaptionLetters() {
  Canvas sheet(CaptionsSheetWidth, CaptionsSheetHeight);
  for (std::size_t i = 0; i < CaptionCharacters.size(); ++i) {
    const char ch = CaptionCharacters[i];
    const Glyph* glyph = FindGlyph(ch);
    const FRect cell = CaptionGlyphCell(i);
    if (!glyph || glyph->Width() != static_cast<int>(cell.w))
      throw std::logic_error(std::string("the captions' cell does not fit the glyph of ") + ch);
    DrawGlyph(sheet, *glyph, static_cast<int>(cell.x), static_cast<int>(cell.y), GlyphColor);
  }
  const FRect& block = CaptionBackingBlock;
  FillRect(sheet, static_cast<int>(block.x), static_cast<int>(block.y), static_cast<int>(block.x + block.w),
           static_cast<int>(block.y + block.h), Ink);
  return sheet;
}

void AddFontSheets(Painters& p) {
  p[LettersTexture] = PaintLetters;
  p[SymbolsTexture] = PaintSymbols;
}

}  // namespace art
