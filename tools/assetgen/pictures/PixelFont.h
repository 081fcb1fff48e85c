#pragma once
// The game's pixel letters: 5 pixels high, mostly 4 wide (M, Q, W, X 5 wide;
// I, K, L, T, V, Y 3 wide). The same shapes fill the letter and symbol sheets
// the dialogue is drawn from and every text picture, scaled by whole numbers.

#include <string_view>

#include "Canvas.h"

namespace art {

struct Glyph {
  char ch;
  const char* rows[5];  // '#' is ink; every row as wide as the glyph
  int Width() const;
  bool Ink(int x, int y) const { return rows[y][x] == '#'; }
};

inline constexpr int GlyphHeight = 5;

// The glyph for a character (upper-case letters, digits and a few signs), or
// null: lower case is drawn as upper case, anything unknown as a gap.
const Glyph* FindGlyph(char c);

// Draws one glyph with its top left at (x, y).
void DrawGlyph(Canvas& c, const Glyph& glyph, int x, int y, Color color, int scale = 1);

// The width of a line of text in pixels: each glyph and a one-pixel gap,
// three pixels for a space, all times scale.
int TextWidth(std::string_view text, int scale = 1);

// Draws a line with its top left at (x, y); a shadow colour other than Clear
// is drawn one pixel down and to the right first.
void DrawText(Canvas& c, int x, int y, std::string_view text, Color color, int scale = 1, Color shadow = Clear);
// The same, centred on column cx.
void DrawTextCentered(Canvas& c, int cx, int y, std::string_view text, Color color, int scale = 1,
                      Color shadow = Clear);

}  // namespace art
