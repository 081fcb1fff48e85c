// The texts the game says beside the story's lines, counted, and the lines
// said at the start of each timed moment, one a line, for scripts/bench to
// time with a voice: the seconds the player has there, the seconds the
// player's own part takes once the line's first word is heard, the moment and
// the text ("budget<TAB>needs<TAB>moment<TAB>text"; 0 0 where no clock runs).
// The counts go to stderr.

#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "story/SpokenScript.h"

namespace {

int Words(std::string_view text) {
  int words = 0;
  bool inWord = false;
  for (const char c : text) {
    const bool letter = c != ' ';
    if (letter && !inWord) ++words;
    inWord = letter;
  }
  return words;
}

}  // namespace

int main() {
  int places = 0, placeWords = 0, hints = 0, hintWords = 0, momentWords = 0;
  std::set<std::string> things;
  for (int scene = 0; scene < SpokenSceneCount; ++scene) {
    const SpokenPlace& place = SpokenPlaceOf(scene);
    if (place.arrival) ++places, placeWords += Words(place.arrival);
    if (place.place) placeWords += Words(place.place);
    for (const char* thing : {place.exit, place.use})
      if (thing) things.insert(thing);
    if (place.hint) ++hints, hintWords += Words(place.hint);
  }
  int thingWords = 0;
  for (const std::string& thing : things) thingWords += Words(thing);
  for (int m = 0; m < static_cast<int>(Moment::Count); ++m) momentWords += Words(MomentWords(static_cast<Moment>(m)));
  int lineHints = 0;
  for (int index = 0; index < 1003; ++index)
    if (const char* hint = HintAfterLine(index)) ++lineHints, hintWords += Words(hint);
  std::fprintf(stderr,
               "texts beside the story's lines: %d places (%d words with their short names), %zu things to walk "
               "through or use (%d words), %d moments and instructions (%d words), %d hints (%d words)\n",
               places, placeWords, things.size(), thingWords, static_cast<int>(Moment::Count), momentWords,
               hints + lineHints, hintWords);

  // The timed moments, with the seconds the description gives the player
  // and what the player must do in them.
  const SpokenPlace& run = SpokenPlaceOf(90);
  // Two presses a twelfth of a second apart, the fade to the closet's side of
  // the room (a quarter of a second) and the closet's prompt's first word.
  std::printf("7\t1.0\thiding: from the warning to the death\t%s\n", MomentWords(Moment::Hide));
  // Six presses at eight a second.
  std::printf("1.8\t0.75\tfishing: the shortest bite window\t%s\n", BitePromptWords);
  // Eight loops of fifteen pictures at 0.15 s, W held.
  std::printf("40\t18\tthe last run\t%s\n", run.arrival);
  std::printf("0\t0\tbrushing (no clock)\t%s\n", MomentWords(Moment::BrushTeeth));
  std::printf("0\t0\tbooking (no clock)\t%s\n", MomentWords(Moment::BookingPage));
  std::printf("0\t0\tthe forest walks (no clock)\t%s\n", SpokenPlaceOf(20).arrival);
  std::printf("0\t0\tthe walk to the lake (no clock)\t%s\n", SpokenPlaceOf(61).arrival);
  std::printf("0\t0\tbefore the hiding (said before its clock)\t%s\n", HintAfterLine(160));
  std::printf("0\t0\tbefore the fishing (said before its clock)\t%s\n", SpokenPlaceOf(61).hint);
  return 0;
}
