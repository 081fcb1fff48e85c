#pragma once
// The pixel font: which characters have a picture, and where each picture sits
// in its sheet. The asset generator paints the sheets from these same tables, so
// the game and its letters can never disagree.

#include <array>

#include "platform/Geometry.h"

// "A".."Z" and the string's terminating NUL, which takes part in the lookup: the
// NUL cell is drawn at every NUL of the text row (the generator leaves it empty).
inline constexpr std::array<char, 27> LetterTable = {
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N',
    'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', '\0'};

// Cells of "Letters.png", entry j for LetterTable[j]. K and L share column 16.
inline constexpr std::array<FRect, 27> GlyphRects = {{
    {0, 0, 4, 5},   {5, 0, 4, 5},   {10, 0, 4, 5},  {14, 0, 4, 5},  {19, 0, 4, 5},
    {23, 0, 4, 5},  {27, 0, 4, 5},  {0, 6, 4, 5},   {5, 6, 4, 5},   {9, 6, 4, 5},
    {13, 6, 4, 5},  {16, 6, 4, 5},  {21, 6, 5, 5},  {27, 6, 4, 5},  {0, 12, 4, 5},
    {5, 12, 4, 5},  {9, 12, 5, 5},  {14, 12, 4, 5}, {18, 12, 4, 5}, {23, 12, 4, 5},
    {27, 12, 4, 5}, {0, 18, 4, 5},  {4, 18, 5, 5},  {10, 18, 5, 5}, {15, 18, 4, 5},
    {19, 18, 4, 5}, {23, 18, 4, 5},
}};

inline constexpr std::array<char, 4> SymbolTable = {'!', '?', '.', ','};

// Cells of "Symbols.png", one row.
inline constexpr std::array<FRect, 4> SymbolRects = {{
    {0, 0, 4, 5},
    {4, 0, 4, 5},
    {10, 0, 4, 5},
    {15, 0, 4, 5},
}};

// Sheet sizes the generator paints: just large enough for every cell.
inline constexpr int LettersSheetWidth = 32;
inline constexpr int LettersSheetHeight = 23;
inline constexpr int SymbolsSheetWidth = 19;
inline constexpr int SymbolsSheetHeight = 5;
