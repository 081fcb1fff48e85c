#pragma once
// Beside the described game, for a player who cannot see it: the spoken
// layer. After every frame it reads the state the drawn layers read and says
// what has come into view since the frame before: the cards, each place as it
// appears (and which way its exit or its thing lies), each line of thought
// once, what a prompt acts on, the moments that are only a picture and a
// sound, what to do as a timed moment starts, and the captions' words. A
// Return that moves on before a line is said stops it, and the next is said.
//
// It only reads; it never changes the game, and without a voice to speak to
// it only keeps up with what is on screen, so that turning speech on later
// does not say the past.

#include <array>

#include "core/GameOptions.h"
#include "core/GameState.h"
#include "platform/Speech.h"
#include "presentation/Captions.h"
#include "presentation/Overlays.h"
#include "presentation/PauseMenu.h"

class SpokenLayer {
 public:
  // After a title or a game frame; `speech` null: keep up, say nothing.
  void AfterTitleFrame(const GameState& state, Speech* speech);
  void AfterGameFrame(const GameState& state, const CaptionBoard* captions, Speech* speech);

  // "What is here, and which way" (Space): the place, its exit or thing and
  // which way it lies, the prompt and the line up now; on a card, its words.
  void Describe(const GameState& state, Speech& speech) const;

  // The pause menu: opened (its lit item), and after each of its events (a
  // newly lit item, or a new value).
  void MenuOpened(const PauseMenu& menu, const GameOptions& options, Speech& speech);
  void AfterMenuEvent(const PauseMenu& menu, const GameOptions& options, Speech& speech);

 private:
  // What was last said of each thing on screen, or last seen of it.
  enum class TitleStage { None, Warning, Title, Tip };
  TitleStage title_ = TitleStage::None;
  int scene_ = -1;             // the scene whose arrival was said
  bool bearingOwed_ = false;   // its exit's way, once its animation has settled
  int lineIndex_ = -1;
  bool lineUp_ = false;
  struct ShownPromptIn {
    Prompt prompt = Prompt::None;
    int scene = -1;
    friend bool operator==(const ShownPromptIn&, const ShownPromptIn&) = default;
  };
  ShownPromptIn promptSaid_;  // the prompt said, while it stays up
  ShownPromptIn promptLastFrame_;
  int hidingFrom_ = -1;  // where the warning to hide was said
  float lastX_ = 0;
  struct Edges {
    bool nextDay = false, gameOver = false, closing = false, eating = false, brushing = false, bookingPage = false,
         booked = false, lighting = false, flash = false, drinking = false, fishing = false, ringing = false,
         receiver = false, photo = false, hiding = false, found = false, figure = false, jumpscare = false;
  } edges_;
  std::array<int, CaptionRows> captionEntries_{-1, -1, -1};
  std::array<float, CaptionRows> captionSeconds_{};
  MenuItem menuLit_ = MenuItem::Resume;
  GameOptions menuOptions_;

  void SayCards(const GameState& state, Speech* speech);
  void SayArrival(const GameState& state, Speech* speech);
  void SayMoments(const GameState& state, Speech* speech);
  void SayLine(const GameState& state, Speech* speech);
  void SayPrompt(const GameState& state, Speech* speech);
  void SayCaptions(const CaptionBoard* captions, Speech* speech);
};
