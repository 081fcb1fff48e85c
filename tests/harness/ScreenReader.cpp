#include "ScreenReader.h"

#include <cmath>

#include "RecordFields.h"
#include "presentation/CaptionLetters.h"
#include "record/DialogueGlyphs.h"

namespace {

namespace glyphs = record::glyphs;

bool SameCell(const FRect& source, const glyphs::Cell& cell) {
  return source.x == cell.x && source.y == cell.y && source.w == cell.w && source.h == cell.h;
}

// The character a glyph draw shows, '\0' for the NUL cell (which a reader
// does not see), or '#' for anything the record does not know.
char GlyphAt(const std::string& sheet, const FRect& source) {
  if (sheet == glyphs::LettersSheet) {
    for (const glyphs::Cell& cell : glyphs::Letters)
      if (SameCell(source, cell)) return cell.ch;
    if (SameCell(source, glyphs::NulCell)) return '\0';
  }
  if (sheet == glyphs::SymbolsSheet) {
    for (const glyphs::Cell& cell : glyphs::Symbols)
      if (SameCell(source, cell)) return cell.ch;
  }
  return '#';
}

bool IsSheet(const std::string& name) { return name == glyphs::LettersSheet || name == glyphs::SymbolsSheet; }

void TrimRight(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

bool DialogueBandShown(const RecordingDrawing& frame) {
  const glyphs::Rect& band = glyphs::Band;
  const glyphs::Colour& colour = glyphs::BandColour;
  for (const DrawCall& call : frame.calls)
    if (call.kind == DrawCall::Kind::Fill && call.dest == FRect{band.x, band.y, band.w, band.h} &&
        call.color == Rgba{std::uint8_t(colour.r), std::uint8_t(colour.g), std::uint8_t(colour.b),
                           std::uint8_t(colour.a)})
      return true;
  return false;
}

std::string DrawnDialogueText(const RecordingDrawing& frame) {
  std::string text(glyphs::VisibleCharacters, ' ');
  for (const DrawCall& call : frame.calls) {
    if (call.kind != DrawCall::Kind::Texture || !call.hasSource || !IsSheet(NameOf(call.texture))) continue;
    char ch = GlyphAt(NameOf(call.texture), call.source);
    if (ch == '\0') continue;
    const float column = call.dest.x / glyphs::Advance;
    const bool onTheRow = call.dest.y == glyphs::TextRowY && call.dest.w == glyphs::GlyphSize &&
                          call.dest.h == glyphs::GlyphSize && column == std::floor(column);
    if (!onTheRow) ch = '#';
    const int position = static_cast<int>(std::floor(column));
    if (position < 0) return "#";
    if (position >= glyphs::VisibleCharacters) continue;  // off the right edge
    text[position] = text[position] == ' ' ? ch : '#';   // two glyphs in one place
  }
  TrimRight(text);
  return text;
}

std::string AsDrawn(const std::string& line) {
  std::string text;
  for (char ch : line) {
    bool drawn = ch >= 'A' && ch <= 'Z';
    for (const glyphs::Cell& symbol : glyphs::Symbols) drawn = drawn || ch == symbol.ch;
    text += drawn ? ch : ' ';
  }
  TrimRight(text);
  return text;
}

std::vector<DrawnCaption> DrawnCaptions(const RecordingDrawing& frame) {
  std::vector<DrawnCaption> captions;
  float nextX = 0;  // where the next letter starts when no space comes between
  for (const DrawCall& call : frame.calls) {
    if (call.kind != DrawCall::Kind::Texture || call.texture != CaptionsTexture || !call.hasSource) continue;
    if (call.source == CaptionBackingPixel) {
      captions.push_back({call.dest, ""});
      nextX = 0;
      continue;
    }
    if (captions.empty()) return {{FRect{}, "#"}};  // letters on no box
    std::string& words = captions.back().words;
    char ch = '#';
    for (std::size_t i = 0; i < CaptionCharacters.size(); ++i)
      if (call.source == CaptionGlyphCell(i)) ch = CaptionCharacters[i];
    if (!words.empty() && call.dest.x > nextX + 1) words += ' ';
    words += ch;
    nextX = call.dest.x + call.dest.w + call.dest.h / CaptionGlyphHeight;  // a sheet pixel after it
  }
  return captions;
}
