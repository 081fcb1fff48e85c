#pragma once
// The record of how a line is drawn, copied by hand from the game's
// description: the grey band, the text row, the fixed advance, and the cell of
// each character on the two sprite sheets. A reader of the screen decodes the
// drawn glyphs with these cells, never with the game's own tables.

namespace record::glyphs {

struct Cell {
  char ch;
  float x, y, w, h;  // in the sheet's pixels
};

inline constexpr const char* LettersSheet = "LettersTexture";
inline constexpr const char* SymbolsSheet = "SymbolsTexture";

inline constexpr Cell Letters[] = {
    {'A', 0, 0, 4, 5},   {'B', 5, 0, 4, 5},   {'C', 10, 0, 4, 5},  {'D', 14, 0, 4, 5},  {'E', 19, 0, 4, 5},
    {'F', 23, 0, 4, 5},  {'G', 27, 0, 4, 5},  {'H', 0, 6, 4, 5},   {'I', 5, 6, 4, 5},   {'J', 9, 6, 4, 5},
    {'K', 13, 6, 4, 5},  {'L', 16, 6, 4, 5},  {'M', 21, 6, 5, 5},  {'N', 27, 6, 4, 5},  {'O', 0, 12, 4, 5},
    {'P', 5, 12, 4, 5},  {'Q', 9, 12, 5, 5},  {'R', 14, 12, 4, 5}, {'S', 18, 12, 4, 5}, {'T', 23, 12, 4, 5},
    {'U', 27, 12, 4, 5}, {'V', 0, 18, 4, 5},  {'W', 4, 18, 5, 5},  {'X', 10, 18, 5, 5}, {'Y', 15, 18, 4, 5},
    {'Z', 19, 18, 4, 5},
};
// Drawn at every NUL of the scanned text; the cursor then goes back to 0.
inline constexpr Cell NulCell{'\0', 23, 18, 4, 5};

inline constexpr Cell Symbols[] = {{'!', 0, 0, 4, 5}, {'?', 4, 0, 4, 5}, {'.', 10, 0, 4, 5}, {',', 15, 0, 4, 5}};

struct Rect {
  float x, y, w, h;
};
struct Colour {
  int r, g, b, a;
};

inline constexpr Rect Band{0, 450, 800, 150};
inline constexpr Colour BandColour{64, 64, 64, 200};
inline constexpr float TextRowY = 500;
inline constexpr float GlyphSize = 15;  // every cell is stretched to 15 by 15
inline constexpr float Advance = 20;    // for every character, drawn or not
inline constexpr int ScannedCharacters = 50;
inline constexpr int VisibleCharacters = 40;  // the 41st lands at x = 800

}  // namespace record::glyphs
