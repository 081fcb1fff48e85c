#pragma once
// The pause menu, beside the described game: what it offers, which item is
// lit, what a key, a pad or a pointer does to it, and how it is drawn over
// the game's last frame, dimmed (in the letters of "Captions.png", on a dark
// panel in the middle of the screen).

#include <string>

#include "core/GameOptions.h"
#include "platform/Platform.h"

enum class MenuItem { Resume, Captions, GentlerFlashes, Volume, FullScreen, Speech, Quit };
inline constexpr int MenuItemCount = 7;

struct PauseMenu {
  bool open = false;
  MenuItem lit = MenuItem::Resume;
};

// What one event did: nothing the game must know of, a setting changed, or
// the menu left by resuming or quitting.
enum class MenuOutcome { Stay, Changed, Resume, Quit };

struct MenuResult {
  MenuOutcome outcome = MenuOutcome::Stay;
  MenuItem item = MenuItem::Resume;  // for Changed: whose value
};

// Moves the lit item (Up and Down go round), changes a value (Left and
// Right; Return turns a switch and raises the volume, from 100 % round to
// 0), chooses; a pointer lights the item under it, and a click there is
// Return on it (on the volume's arrows, Left or Right). A finger's tap is a
// click, but on the volume only its arrows change it: a thumb that meant to
// light the word never mutes the game. Changes `options`.
MenuResult TakeMenuEvent(PauseMenu& menu, GameOptions& options, const MenuEvent& event);

// The dim over the kept frame, the panel and the items, the lit one bright.
void DrawPauseMenu(const PauseMenu& menu, const GameOptions& options, Drawing& drawing);

// Where an item's row stands on the 800 by 600 screen (for pointers, and tests).
FRect MenuItemRow(MenuItem item);

// An item's words as drawn ("GENTLER FLASHES"), and its value ("ON", "< 80% >"; empty for
// Resume and Quit), for the menu's spoken layer as well.
const char* MenuItemLabel(MenuItem item);
std::string MenuItemValue(MenuItem item, const GameOptions& options);
