#include "presentation/SpokenLayer.h"

#include <cctype>
#include <cstring>
#include <string>

#include "presentation/WhichWay.h"
#include "story/SpokenScript.h"

namespace {

// Without a voice the layer only keeps up, and makes no words at all: the
// words are made only when there is a voice to say them.
template <typename Words>
void Say(Speech* speech, Words&& words, bool interrupt) {
  if (!speech) return;
  const std::string text = words();
  if (!text.empty()) speech->Say(text, interrupt);
}
void Say(Speech* speech, const char* text, bool interrupt) {
  if (speech && text && *text) speech->Say(text, interrupt);
}

std::string Capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

// Whether a line is in the band: looked at every frame, so it makes nothing.
bool LineUp(const GameState& state) {
  if (!state.DialogueActive) return false;
  for (const char c : state.MessageText) {
    if (c == '\0') return false;
    if (c != ' ') return true;
  }
  return false;
}

// The line in the band, as drawn: empty while the box is closed or blank.
std::string ShownLine(const GameState& state) {
  if (!state.DialogueActive) return {};
  std::string line(state.MessageText.data(), strnlen(state.MessageText.data(), state.MessageText.size()));
  const auto end = line.find_last_not_of(' ');
  return end == std::string::npos ? std::string{} : line.substr(0, end + 1);
}

// The view has come to rest: getting out of bed and opening the cabin's door
// pan and swap the picture, and the creature's run through the main room
// ends on the room without its telephone.
bool Settled(const GameState& state) {
  if (state.Animating && (state.AnimationKind == GetOutOfBed || state.AnimationKind == LeaveCabin)) return false;
  return !(state.SceneIndex == 86 && state.AnimationFrame < 7);
}

// "The bedroom door: to your left." where the scene has a window to turn to.
std::string BearingWords(const GameState& state) {
  const Bearing bearing = WhichWay(state);
  if (!bearing.known) return {};
  const SpokenPlace& place = SpokenPlaceOf(state.SceneIndex);
  const char* thing = bearing.isExit ? place.exit : place.use;
  if (!thing) return {};
  return Capitalised(thing) + ": " + bearing.words + ".";
}

std::string Joined(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + " " + b;
}

std::string PromptWords(const GameState& state, Prompt prompt) {
  const SpokenPlace& place = SpokenPlaceOf(state.SceneIndex);
  std::string words;
  switch (prompt) {
    case Prompt::Move:
      if (place.exit) words = std::string(MovePromptWords) + place.exit + ".";
      break;
    case Prompt::Use:
      if (place.use) words = std::string(UsePromptWords) + place.use + ".";
      break;
    case Prompt::ClickALot:
      return BitePromptWords;
    case Prompt::Walk:  // the walk's instruction was said as it began
    case Prompt::None:
      return {};
  }
  return place.hint ? Joined(words, place.hint) : words;
}

std::string CaptionWords(const char* caption) {
  std::string words(caption);
  if (!words.empty() && words.front() == '[') words.erase(0, 1);
  if (!words.empty() && words.back() == ']') words.pop_back();
  return ForTheEar(words);
}

std::string MenuValueWords(MenuItem item, const GameOptions& options) {
  if (item == MenuItem::Volume) return std::to_string(options.VolumePercent) + " percent";
  const std::string value = MenuItemValue(item, options);
  return value == "ON" ? "on" : value == "OFF" ? "off" : "";
}

std::string MenuItemWords(MenuItem item, const GameOptions& options) {
  const std::string value = MenuValueWords(item, options);
  return ForTheEar(MenuItemLabel(item)) + (value.empty() ? "." : ": " + value + ".");
}

}  // namespace

void SpokenLayer::AfterTitleFrame(const GameState& state, Speech* speech) {
  if (title_ == TitleStage::None) {
    Say(speech, [] { return CardForTheEar(WarningCard); }, true);
    title_ = TitleStage::Warning;
  }
  // Return is taken from the moment the warning starts to fade.
  if (title_ == TitleStage::Warning && state.IntroTimer <= 0) {
    Say(speech, [] { return CardForTheEar(TitleCard); }, false);
    title_ = TitleStage::Title;
  }
  if (title_ != TitleStage::Tip && state.FadingIn) {
    Say(speech, [] { return CardForTheEar(TipCard); }, true);
    Say(speech, SpeechKeysWords, false);
    title_ = TitleStage::Tip;
  }
}

void SpokenLayer::AfterGameFrame(const GameState& state, const CaptionBoard* captions, Speech* speech) {
  SayCards(state, speech);
  SayArrival(state, speech);
  SayMoments(state, speech);
  SayLine(state, speech);
  SayPrompt(state, speech);
  SayCaptions(captions, speech);
  lastX_ = state.BackgroundRect.x;
}

void SpokenLayer::SayCards(const GameState& state, Speech* speech) {
  // Drawn from the next frame while the hold keeps the black above 229; once
  // a hold, since the card stays up until it ends.
  const bool nextDay = state.NextDayHold && (edges_.nextDay || state.FadeAlpha > 229);
  if (nextDay && !edges_.nextDay) Say(speech, [] { return CardForTheEar(NextDayCard); }, true);
  edges_.nextDay = nextDay;
  if (state.GameOverShown && !edges_.gameOver) Say(speech, [] { return CardForTheEar(GameOverCard); }, true);
  edges_.gameOver = state.GameOverShown;
  if (state.ShiftQuitAllowed && !edges_.closing) Say(speech, [] { return CardForTheEar(ClosingCard); }, false);
  edges_.closing = state.ShiftQuitAllowed;
}

void SpokenLayer::SayArrival(const GameState& state, Speech* speech) {
  // A scene set while the screen is going black is not seen: the next one is.
  const bool changed = state.SceneIndex != scene_ && !state.FadingOut;
  // Back at the lake after its first thoughts (the story steps from 62 to
  // 61 and back): the fishing rod's prompt speaks there.
  const bool lakeAgain = state.SceneIndex == 61 && state.AnimationKind != WalkToLake;
  if (changed && !lakeAgain) {
    const bool first = scene_ < 0;
    scene_ = state.SceneIndex;
    const SpokenPlace& place = SpokenPlaceOf(scene_);
    // While the hiding countdown runs there is no time for the room: the
    // prompt says where to go.
    if (place.arrival && !state.ThreatActive && speech) {
      std::string words = place.arrival;
      bearingOwed_ = !Settled(state);
      if (!bearingOwed_) words = Joined(words, BearingWords(state));
      Say(speech, [&] { return words; }, !first);
    } else {
      bearingOwed_ = false;
    }
  }
  if (bearingOwed_ && Settled(state) && !state.DialogueActive) {
    Say(speech, [&] { return BearingWords(state); }, false);
    bearingOwed_ = false;
  }
}

void SpokenLayer::SayMoments(const GameState& state, Speech* speech) {
  const auto edge = [&](bool& was, bool now, Moment moment, bool interrupt) {
    if (now && !was) Say(speech, MomentWords(moment), interrupt);
    was = now;
  };
  const int scene = state.SceneIndex;
  const bool eating = (scene == 7 || scene == 26 || scene == 53) && state.UseActive && !state.UseReady &&
                      state.EatTimer >= 0 && !state.DialogueActive;
  edge(edges_.eating, eating, state.FoodChoice == 1 ? Moment::EatSoup : Moment::EatPizza, false);
  edge(edges_.brushing, state.BrushingActive, Moment::BrushTeeth, true);
  edge(edges_.bookingPage, scene == 10 && state.BackgroundTexture == ComputerCabinRentalsTexture,
       Moment::BookingPage, false);
  edge(edges_.booked, state.BackgroundTexture == ComputerCabinBookedTexture, Moment::Booked, false);
  edge(edges_.lighting, scene == 31 && state.Animating && state.AnimationKind == CampfireFlicker, Moment::LightFire,
       false);
  edge(edges_.flash, state.CampfireFlashCount > 0, Moment::CameraFlash, false);
  edge(edges_.drinking, state.Drinking, Moment::Drink, false);
  edge(edges_.fishing, state.FishingActive, Moment::CastLine, false);
  edge(edges_.ringing, state.PhoneRinging, Moment::PhoneRings, false);
  edge(edges_.receiver, state.BackgroundTexture == TelephoneUseTexture, Moment::LiftReceiver, false);
  edge(edges_.photo, state.PhotoShown, Moment::PhotoUp, false);
  if (state.ThreatActive && !edges_.hiding) hidingFrom_ = scene;
  edge(edges_.hiding, state.ThreatActive, Moment::Hide, true);
  edge(edges_.found, state.ThreatActive && state.ThreatTimer <= 0, Moment::Found, true);
  // Once a stay in the closet: the second glimpse is the same figure.
  edge(edges_.figure, scene == 85 && (edges_.figure || state.BackgroundRect.x == -800), Moment::ClosetFigure, true);
  edge(edges_.jumpscare, state.JumpscareActive, Moment::Jumpscare, true);
}

void SpokenLayer::SayLine(const GameState& state, Speech* speech) {
  const bool up = LineUp(state);
  if (up && (state.MessageIndex != lineIndex_ || !lineUp_)) {
    // A line that follows a line was moved on to with Return: it cuts the last short.
    Say(speech, [&] { return ForTheEar(ShownLine(state)); }, lineUp_);
    if (const char* hint = HintAfterLine(state.MessageIndex)) Say(speech, hint, false);
    lineIndex_ = state.MessageIndex;
  }
  lineUp_ = up;
}

void SpokenLayer::SayPrompt(const GameState& state, Speech* speech) {
  // A prompt up for a single frame (a closing line's exit that the window
  // takes back at once) is no prompt to the player: it must hold a frame. A
  // prompt that stays up as the scene changes acts on something new.
  const ShownPromptIn now{ShownPrompt(state), state.SceneIndex};
  if (now.prompt == Prompt::None) {
    promptSaid_ = {};
  } else if (now == promptLastFrame_ && now != promptSaid_) {
    promptSaid_ = now;
    // Walking into it, or hiding (past the bed, where the warning was said):
    // the player should act now, so it cuts in.
    const bool walking = state.BackgroundRect.x != lastX_;
    const bool hiding = state.ThreatActive && state.SceneIndex != hidingFrom_;
    Say(speech, [&] { return PromptWords(state, now.prompt); }, walking || hiding || now.prompt == Prompt::ClickALot);
  }
  promptLastFrame_ = now;
}

void SpokenLayer::SayCaptions(const CaptionBoard* captions, Speech* speech) {
  std::array<int, CaptionRows> entries{-1, -1, -1};
  std::array<float, CaptionRows> seconds{};
  if (captions)
    for (int row = 0; row < CaptionRows; ++row) {
      entries[row] = captions->shown[row].entry;
      seconds[row] = captions->shown[row].seconds;
    }
  for (int row = 0; row < CaptionRows; ++row) {
    if (entries[row] < 0) continue;
    bool seen = false;
    for (int before = 0; before < CaptionRows; ++before)
      if (captionEntries_[before] == entries[row] && captionSeconds_[before] <= seconds[row]) seen = true;
    if (!seen) Say(speech, [&] { return CaptionWords(CaptionTable[static_cast<std::size_t>(entries[row])].words); }, false);
  }
  captionEntries_ = entries;
  captionSeconds_ = seconds;
}

void SpokenLayer::Describe(const GameState& state, Speech& speech) const {
  if (state.TitleRunning) {
    if (state.FadingIn)
      speech.Say(Joined(CardForTheEar(TipCard), SpeechKeysWords), true);
    else if (state.IntroTimer > 0)
      speech.Say(CardForTheEar(WarningCard), true);
    else
      speech.Say(CardForTheEar(TitleCard), true);
    return;
  }
  if (state.ShiftQuitAllowed) return speech.Say(CardForTheEar(ClosingCard), true);
  if (state.GameOverShown) return speech.Say(CardForTheEar(GameOverCard), true);
  if (state.NextDayHold) return speech.Say(CardForTheEar(NextDayCard), true);
  // Scene 61 is also the lake itself, where the fishing is done.
  const bool atLake = state.SceneIndex == 61 && state.AnimationKind != WalkToLake;
  const SpokenPlace& place = SpokenPlaceOf(atLake ? 62 : state.SceneIndex);
  std::string words = place.place ? place.place : "";
  if (Settled(state)) words = Joined(words, BearingWords(state));
  const Prompt prompt = ShownPrompt(state);
  if (prompt == Prompt::Walk)
    words = Joined(words, place.arrival ? place.arrival : "");
  else
    words = Joined(words, PromptWords(state, prompt));
  const std::string line = ShownLine(state);
  if (!line.empty()) words = Joined(words, ForTheEar(line));
  speech.Say(words, true);
}

void SpokenLayer::MenuOpened(const PauseMenu& menu, const GameOptions& options, Speech& speech) {
  menuLit_ = menu.lit;
  menuOptions_ = options;
  speech.Say("Paused. " + MenuItemWords(menu.lit, options), true);
}

void SpokenLayer::AfterMenuEvent(const PauseMenu& menu, const GameOptions& options, Speech& speech) {
  if (menu.lit != menuLit_) {
    speech.Say(MenuItemWords(menu.lit, options), true);
  } else if (options.Speech != menuOptions_.Speech) {
    speech.Say(MenuItemWords(MenuItem::Speech, options), true);
  } else if (MenuValueWords(menu.lit, options) != MenuValueWords(menu.lit, menuOptions_)) {
    speech.Say(Capitalised(MenuValueWords(menu.lit, options)) + ".", true);
  } else if (options.FullScreen != menuOptions_.FullScreen) {
    speech.Say(MenuItemWords(MenuItem::FullScreen, options), true);  // F11, whichever item is lit
  }
  menuLit_ = menu.lit;
  menuOptions_ = options;
}
