#pragma once
// Beside the described game, for a player who cannot see it: words said aloud
// through the player's own speech service or screen reader, with the voice,
// rate and language the player chose there. A call hands its text on and
// returns at once: a service that is missing, dies or hangs is silence, never
// a stalled frame.

#include <string_view>

class Speech {
 public:
  virtual ~Speech() = default;
  // Says `text` (UTF-8, plain words and punctuation). With `interrupt`, what
  // is being said and whatever waits is dropped first; without, it is said
  // after them.
  virtual void Say(std::string_view text, bool interrupt) = 0;
  // Stops what is being said and drops whatever waits.
  virtual void Silence() = 0;
  // The player turned speech on or off. Where the words reach the player with
  // speech off as well (below), it says whether a voice of the system's own
  // speaks them too (a browser's speech synthesis).
  virtual void SetOn(bool /*on*/) {}
  // Whether the words reach the player even with speech off: a web page's
  // live region, which the player's own screen reader reads. The game then
  // tells it everything, always.
  virtual bool HeardWithSpeechOff() const { return false; }
};

// Where no speech service is built in: says nothing.
class SilentSpeech final : public Speech {
 public:
  void Say(std::string_view /*text*/, bool /*interrupt*/) override {}
  void Silence() override {}
};
