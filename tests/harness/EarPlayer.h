#pragma once
// A player who cannot see the screen: it hears what the game says, at a
// voice's pace, and decides from that alone (never from the game's state or
// the picture). It turns toward what it heard of, presses Return when a
// prompt is said or a thought has been heard out, holds W when told to walk,
// presses fast at a bite, and asks "what is here" (Space) when all is quiet.

#include <deque>
#include <string>
#include <vector>

#include "RecordingPlatform.h"

// A voice speaking the texts sent to it: each clause (up to a stop, a colon,
// a question or an exclamation mark) is heard when the voice has said it.
// An interrupting text cuts short what is said and drops what waits.
class Listener {
 public:
  static constexpr double CharactersPerSecond = 14;  // about 170 words a minute, a screen reader's default
  static constexpr double StartMs = 150;             // from a text sent to its first sound

  void Send(const SpeechCall& call, double nowMs);
  // The clauses said by `nowMs`, in order, each once.
  std::vector<std::string> HeardBy(double nowMs);
  bool Quiet(double nowMs) const { return pending_.empty() && nowMs >= endMs_; }

 private:
  struct Clause {
    double endMs;
    std::string words;
  };
  std::deque<Clause> pending_;
  double endMs_ = 0;  // when the voice falls silent
};

struct EarPlan {
  bool standStillInLastRun = false;  // let the creature catch up in the forest
  bool dieOnceInBed = false;         // lie still at the first warning
};

class EarPlayer {
 public:
  explicit EarPlayer(EarPlan plan = {}) : plan_(plan) {}

  void Hear(const std::string& clause, double nowMs);
  // Sets the input for the coming frame.
  void Act(ScriptedInput& input, double nowMs, bool quiet);

  bool diedOnce() const { return died_; }
  int describesAsked() const { return describes_; }

 private:
  void Press(ScriptedInput& input, InputEvent event, double nowMs);

  EarPlan plan_;
  int returnsOwed_ = 0;      // Returns to press now, one a press-interval apart
  bool readOwed_ = false;    // something was heard out: Return once all is quiet
  bool brushing_ = false;
  bool holdingW_ = false;
  bool quitting_ = false;
  bool waitingToDie_ = false;
  bool died_ = false;
  Scancode turnKey_ = ScancodeLeft;
  double turnUntilMs_ = -1;
  double lastHeardMs_ = 0;
  double lastPressMs_ = -1e9;
  double lastDescribeMs_ = -1e9;
  int describes_ = 0;
};
