#pragma once
// The record of the words the game's cards show, copied by hand from the
// direction for its pictures: the title, the tip, the next-day card, the
// game-over and the closing screen; for the warning before the title, the
// words it must carry. Nothing here is taken from the game's code.

namespace record::cards {

inline constexpr const char* Title = "TARNWICK PRESS ENTER SHIFT TO QUIT";
inline constexpr const char* Tip = "ARROW KEYS OR WASD TO LOOK AROUND, ENTER TO INTERACT";
inline constexpr const char* NextDay = "NEXT DAY";
inline constexpr const char* GameOver = "GAME OVER";
inline constexpr const char* Closing = "THANKS FOR PLAYING HOLD SHIFT TO QUIT";
// "A warning that the game has flashing light and jump scares."
inline constexpr const char* WarningMentions[] = {"WARNING", "FLASHING LIGHT", "JUMP SCARES"};

}  // namespace record::cards
