#include "EarPlayer.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr double PressIntervalMs = 80;   // a dozen presses a second at most
constexpr double BrushIntervalMs = 120;
constexpr double ReadPauseMs = 200;      // heard out, a breath, then Return
constexpr double IdleBeforeAskingMs = 2000;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// How long at most to hold an arrow for a bearing's words: until the prompt
// is heard, or this long.
double TurnMs(const std::string& bearing) {
  if (StartsWith(bearing, "a little")) return 700;
  if (StartsWith(bearing, "far")) return 6000;
  return 3000;
}

}  // namespace

void Listener::Send(const SpeechCall& call, double nowMs) {
  if (call.interrupt) {
    pending_.clear();
    endMs_ = std::min(endMs_, nowMs);
  }
  if (call.text.empty()) return;
  double at = std::max(endMs_, nowMs) + StartMs;
  std::size_t start = 0;
  const std::string& text = call.text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool end = i + 1 == text.size() || text[i + 1] == ' ';
    if (!(end && (c == '.' || c == '!' || c == '?' || c == ':')) && i + 1 != text.size()) continue;
    std::string clause = text.substr(start, i + 1 - start);
    clause.erase(0, clause.find_first_not_of(' '));
    at += static_cast<double>(clause.size()) * 1000.0 / CharactersPerSecond;
    if (!clause.empty()) pending_.push_back({at, clause});
    start = i + 1;
  }
  endMs_ = at;
}

std::vector<std::string> Listener::HeardBy(double nowMs) {
  std::vector<std::string> heard;
  while (!pending_.empty() && pending_.front().endMs <= nowMs) {
    heard.push_back(pending_.front().words);
    pending_.pop_front();
  }
  return heard;
}

void EarPlayer::Hear(const std::string& clause, double nowMs) {
  lastHeardMs_ = nowMs;
  const std::string words = Lower(clause);
  if (quitting_) return;
  if (StartsWith(words, "hold shift to quit")) {
    quitting_ = true;
    return;
  }
  if (waitingToDie_) {
    if (words == "game over.") waitingToDie_ = false;  // back in the cabin before long
    return;
  }
  if (StartsWith(words, "hide!")) {
    if (plan_.dieOnceInBed && !died_) {
      waitingToDie_ = died_ = true;
      returnsOwed_ = 0;
      readOwed_ = brushing_ = false;
      turnUntilMs_ = -1;
      return;
    }
    turnUntilMs_ = -1;
    returnsOwed_ = 1;
    return;
  }
  if (StartsWith(words, "bite!")) {
    returnsOwed_ = 7;
    return;
  }
  if (words == "move:" || words == "use:") {
    turnUntilMs_ = -1;
    if (words == "move:") brushing_ = false;
    returnsOwed_ = std::max(returnsOwed_, 1);
    readOwed_ = false;
    return;
  }
  if (StartsWith(words, "press enter again and again")) {
    brushing_ = true;
    return;
  }
  if (StartsWith(words, "run!")) return;
  if (StartsWith(words, "hold w or up")) {
    holdingW_ = !(plan_.standStillInLastRun && words.find("do not stop") != std::string::npos);
    return;
  }
  for (const char* side : {"left.", "right."}) {
    const std::string toSide = std::string("to your ") + side;
    if (words.size() >= toSide.size() && words.compare(words.size() - toSide.size(), toSide.size(), toSide) == 0) {
      turnKey_ = side[0] == 'l' ? ScancodeLeft : ScancodeRight;
      turnUntilMs_ = nowMs + TurnMs(words);
      readOwed_ = false;
      return;
    }
  }
  if (words == "ahead.") return;  // its prompt is said too
  // A thought, a place, a moment or a card: heard out, then Return.
  holdingW_ = brushing_ = false;
  turnUntilMs_ = -1;
  readOwed_ = true;
}

void EarPlayer::Press(ScriptedInput& input, InputEvent event, double nowMs) {
  input.events.push_back(event);
  lastPressMs_ = nowMs;
}

void EarPlayer::Act(ScriptedInput& input, double nowMs, bool quiet) {
  input.ReleaseAll();
  if (quitting_) {
    input.Hold(ScancodeLeftShift);
    return;
  }
  if (waitingToDie_) return;
  if (holdingW_) input.Hold(ScancodeW);
  const bool turning = nowMs < turnUntilMs_;
  if (turning) input.Hold(turnKey_);
  if (!input.events.empty()) return;  // one press at a time
  const double sincePress = nowMs - lastPressMs_;
  if (returnsOwed_ > 0) {
    if (sincePress >= PressIntervalMs) {
      Press(input, InputEvent::ReturnReleased, nowMs);
      --returnsOwed_;
    }
    return;
  }
  if (brushing_) {
    if (sincePress >= BrushIntervalMs) Press(input, InputEvent::ReturnReleased, nowMs);
    return;
  }
  if (readOwed_ && quiet && nowMs - lastHeardMs_ >= ReadPauseMs) {
    readOwed_ = false;
    Press(input, InputEvent::ReturnReleased, nowMs);
    return;
  }
  // All quiet, nothing to do: ask where things are.
  const double idle = nowMs - std::max({lastHeardMs_, lastPressMs_, turnUntilMs_});
  if (quiet && !turning && !holdingW_ && idle >= IdleBeforeAskingMs && nowMs - lastDescribeMs_ >= IdleBeforeAskingMs) {
    lastDescribeMs_ = nowMs;
    ++describes_;
    Press(input, InputEvent::Describe, nowMs);
  }
}
