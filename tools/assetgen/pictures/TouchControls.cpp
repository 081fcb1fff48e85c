// The web page's touch controls and its card for a phone held upright, in the
// game's palette and pixel letters: dark keys with a pale sign, as the keys
// the game names on its title ("PRESS ENTER", "SHIFT TO QUIT").
#include <utility>
#include <vector>

#include "Library.h"
#include "PixelFont.h"

namespace art {

namespace {

// A key cap: dark, a lighter rim, a shadow along its lower edge.
Canvas KeyCap(int width, int height) {
  Canvas c(width, height, Clear);
  FillRect(c, 1, 1, width - 1, height - 1, Night);
  FillRect(c, 1, height - 3, width - 1, height - 1, NightDeep);
  Outline(c, 0, 0, width, height, Slate);
  return c;
}

// An arrow key: a solid triangle pointing along (dx, dy).
Canvas ArrowKey(int dx, int dy) {
  constexpr int Size = 16;
  Canvas c = KeyCap(Size, Size);
  // On the key's face (rows 1 to 12): the tip, then three wider rows to the base.
  for (int i = 0; i < 4; ++i)
    for (int j = -i; j <= i; ++j) {
      const int along = 6 + i;
      const int x = dx > 0 ? Size - 1 - along : dx < 0 ? along : 7 + j;
      const int y = dy > 0 ? Size - 2 - along : dy < 0 ? along - 1 : 6 + j;
      c.Set(x, y, Dawn);
    }
  return c;
}

// ENTER: the word over a return arrow, on a cap near enough square that a
// key as wide as a phone's narrow band beside the picture is still a thumb
// high (30 by 24: 64 CSS pixels wide, 51 high).
Canvas EnterKey() {
  Canvas c = KeyCap(30, 24);
  DrawTextCentered(c, c.Width() / 2, 4, "ENTER", Dawn, 1, Ink);
  // The arrow, down from the right, then back to the left, to its head;
  // shadowed as the letters are.
  for (const auto& [shift, color] : {std::pair{1, Ink}, std::pair{0, Dawn}}) {
    for (int y = 11; y <= 16; ++y) c.Set(20 + shift, y + shift, color);
    for (int x = 9; x <= 20; ++x) c.Set(x + shift, 16 + shift, color);
    for (int d = 1; d <= 2; ++d) {
      c.Set(9 + d + shift, 16 - d + shift, color);
      c.Set(9 + d + shift, 16 + d + shift, color);
    }
  }
  return c;
}

// SHIFT: the word alone, on a smaller cap than ENTER's (the page shows it
// smaller too, and well apart from it: it quits).
Canvas ShiftKey() {
  Canvas c = KeyCap(26, 20);
  DrawTextCentered(c, c.Width() / 2, 6, "SHIFT", Dawn, 1, Ink);
  return c;
}

// "What is here, and which way" (the Space key, for a player who plays by
// ear): a question mark, on an arrow key's cap.
Canvas HereKey() {
  Canvas c = KeyCap(16, 16);
  DrawTextCentered(c, 8, 2, "?", Dawn, 2, Ink);
  return c;
}

// A phone on its side beside the words.
Canvas TurnCard() {
  Canvas c(96, 24, Clear);
  FillRect(c, 0, 0, 96, 24, NightDeep);
  Outline(c, 0, 0, 96, 24, Slate);
  FillRect(c, 5, 7, 21, 17, Slate);      // the phone, lying down
  FillRect(c, 7, 8, 19, 16, Dusk);       // its screen
  c.Set(20, 12, Cold);                   // its button
  DrawText(c, 26, 6, "TURN YOUR", Dawn, 1, Ink);
  DrawText(c, 26, 13, "PHONE", Amber, 1, Ink);
  return c;
}

}  // namespace

void AddTouchControlPictures(std::vector<std::pair<const char*, Canvas>>& pictures) {
  pictures.emplace_back("key-left.png", ArrowKey(-1, 0));
  pictures.emplace_back("key-right.png", ArrowKey(1, 0));
  pictures.emplace_back("key-up.png", ArrowKey(0, -1));
  pictures.emplace_back("key-down.png", ArrowKey(0, 1));
  pictures.emplace_back("key-enter.png", EnterKey());
  pictures.emplace_back("key-shift.png", ShiftKey());
  pictures.emplace_back("key-here.png", HereKey());
  pictures.emplace_back("turn.png", TurnCard());
}

}  // namespace art
