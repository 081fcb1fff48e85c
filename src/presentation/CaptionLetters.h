#pragma once
// The captions' and the pause menu's lettering: the game's own 5-pixel
// letters, and the few signs they need beyond the dialogue's (the brackets,
// the digits and the per cent of the volume, the arrows that change it), each
// in a cell of "Captions.png", with a block of the dark backing each caption
// and the menu sit on. The generator paints the sheet from these same tables,
// so the two cannot differ.

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/Geometry.h"

inline constexpr std::string_view CaptionCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?.,[]'-0123456789%<>";

// How wide each character's glyph is, in pixels of the sheet; all are 5 high.
inline constexpr std::array<int, CaptionCharacters.size()> CaptionGlyphWidths = {
    4, 4, 4, 4, 4, 4, 4, 4, 3, 4, 3, 3, 5, 4, 4, 4, 5, 4, 4, 3, 4, 3, 5, 5, 3, 4,  // A..Z
    1, 4, 1, 2, 2, 2, 1, 3,                                                          // ! ? . , [ ] ' -
    4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3,                                           // 0..9 % < >
};
inline constexpr int CaptionGlyphHeight = 5;

// Twelve cells a row, six pixels apart: a clear column and row between glyphs.
inline constexpr int CaptionCellsPerRow = 12;
inline constexpr int CaptionCellPitch = 6;

// The cell of the character at `index` in CaptionCharacters, glyph-wide.
constexpr FRect CaptionGlyphCell(std::size_t index) {
  return FRect{static_cast<float>(index % CaptionCellsPerRow * CaptionCellPitch),
               static_cast<float>(index / CaptionCellsPerRow * CaptionCellPitch),
               static_cast<float>(CaptionGlyphWidths[index]), static_cast<float>(CaptionGlyphHeight)};
}

// The backing: an opaque dark block under the cells; the middle pixel of it is
// stretched over a caption's box (the sheet is drawn nearest-neighbour, so no
// neighbour bleeds in).
inline constexpr FRect CaptionBackingBlock{0, 24, 3, 3};
inline constexpr FRect CaptionBackingPixel{1, 25, 1, 1};

inline constexpr int CaptionsSheetWidth = CaptionCellsPerRow * CaptionCellPitch;
inline constexpr int CaptionsSheetHeight = 27;
