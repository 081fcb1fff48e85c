#pragma once
// The words on the game's cards, a picture line at a time, as the pictures
// show them: the picture generator draws these very lines, and the spoken
// layer says them, so what is heard is what is seen.

#include <span>

struct CardLine {
  const char* text;
  bool endsSentence = false;  // said with a stop after it, where the card breaks the words
};

inline constexpr CardLine WarningCard[] = {
    {"WARNING", true}, {"THIS GAME HAS"}, {"FLASHING LIGHT"}, {"AND JUMP SCARES.", true}};
inline constexpr CardLine TitleCard[] = {{"TARNWICK", true}, {"PRESS ENTER", true}, {"SHIFT TO QUIT", true}};
inline constexpr CardLine TipCard[] = {{"ARROW KEYS OR WASD"}, {"TO LOOK AROUND,"}, {"ENTER TO INTERACT", true}};
inline constexpr CardLine NextDayCard[] = {{"NEXT DAY", true}};
inline constexpr CardLine GameOverCard[] = {{"GAME OVER", true}};
inline constexpr CardLine ClosingCard[] = {{"THANKS FOR PLAYING", true}, {"HOLD SHIFT TO QUIT", true}};
