#pragma once
// What the game says aloud for a player who cannot see it, beside the story's
// own lines: each place as it comes into view, what a prompt acts on, the
// moments that are only a picture and a sound, and what to do at the start of
// each timed moment. Written for the ear, in the voice of the thoughts.

#include <string>
#include <string_view>

#include "story/CardWords.h"

struct SpokenPlace {
  const char* place = nullptr;    // where you are, for "what is here" (Space)
  const char* arrival = nullptr;  // said as the scene comes into view; null: nothing new to say
  const char* exit = nullptr;     // what Return walks on through ("move: the bedroom door")
  const char* use = nullptr;      // what Return uses ("use: the toothbrush")
  const char* hint = nullptr;     // said after the prompt, before a clock that follows it starts
};

inline constexpr int SpokenSceneCount = 93;

// The words for a scene; blank for the game-over states.
const SpokenPlace& SpokenPlaceOf(int scene);

// The moments that are only a picture and a sound, and the timed moments'
// instructions (each said once, as it starts).
enum class Moment {
  EatPizza,
  EatSoup,
  BrushTeeth,
  BookingPage,
  Booked,
  LightFire,
  CameraFlash,
  Drink,
  CastLine,
  PhoneRings,
  LiftReceiver,
  PhotoUp,
  Hide,
  Found,
  ClosetFigure,
  Jumpscare,
  Count,
};
const char* MomentWords(Moment moment);

// A thought that follows the line of `index`, before a clock that the
// conversation's end starts (the hiding countdown); null for most lines.
const char* HintAfterLine(int index);

// Spoken prompts: "move: ...", "use: ...", and the fishing game's bite.
inline constexpr const char* MovePromptWords = "move: ";
inline constexpr const char* UsePromptWords = "use: ";
inline constexpr const char* BitePromptWords = "Bite! Press Enter fast!";

// Said for a line that has no words ("..."), so that the player knows a
// thought waits for Return.
inline constexpr const char* WordlessLineWords = "Silence.";

// The keys for speech, said once after the tip card.
inline constexpr const char* SpeechKeysWords = "Space says what is here, and which way. V turns speech off.";

// A line as the ear should have it: the shown words in sentence case (all
// capitals read as letters on some voices), without what draws nothing.
std::string ForTheEar(std::string_view shown);

// A card's words, its picture lines joined into sentences.
template <std::size_t N>
std::string CardForTheEar(const CardLine (&lines)[N]) {
  std::string shown;
  for (const CardLine& line : lines) {
    if (!shown.empty()) shown += ' ';
    shown += line.text;
    const char last = shown.back();
    if (line.endsSentence && last != '.' && last != '!' && last != '?') shown += '.';
  }
  return ForTheEar(shown);
}
