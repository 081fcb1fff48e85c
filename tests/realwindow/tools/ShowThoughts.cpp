// The real game, with its real window, renderer and pictures, played through
// by the harness's Player on a clock that moves 50 ms a frame (as fast as its
// frames draw), stopping on every line that speaks of something in view: it
// prints "thought <index> <thing>" and waits for a line on its standard input
// (the test has taken its screenshot) before it goes on. Prints "done" once the
// Player has left the closing screen. Run it from a folder holding Assets/.
// With --captions it plays with captions on and stops instead, once, on the
// first frame that shows a caption over the night with a line in the band:
// it prints "caption <x> <y> <w> <h>" (the top caption's box).
// Only the frames it stops on are drawn in the window, each from the calls the
// game made for it: drawing the thousands of frames in between took the
// software renderer a minute and a half.

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "harness/PlayedSystem.h"
#include "harness/Player.h"
#include "harness/Playthrough.h"
#include "harness/ScreenReader.h"
#include "pictures/Placements.h"
#include "platform/RealSystem.h"
#include "shell/Program.h"
#include "story/DialogueScript.h"

namespace {

constexpr double GameRateHz = 20;
constexpr long FrameLimit = 100000;

// The thing's name as one word for a file name: "the photo" -> "the-photo".
std::string Slug(std::string_view thing) {
  std::string slug(thing);
  for (char& ch : slug)
    if (ch == ' ') ch = '-';
  return slug;
}

class Stopper final : public FrameObserver {
 public:
  Stopper(PlayedSystem& system, bool captions) : system_(system), schedule_(FixedRate(GameRateHz)), captions_(captions) {
    for (const art::Referent& r : art::Referents())
      for (int line : r.lines) thingOf_[AsDrawn(FindDialogueEntry(line)->text)] = {line, Slug(r.thing)};
  }

  void BeforeFrame(const GameState& state) override {
    // The frame just presented is on the screen: if it shows a line that
    // speaks of something, let the test look at it once any fade has lifted
    // (the player waits for that, as a person reading would).
    bool waiting = false;
    const auto captions = DrawnCaptions(system_.recording);
    if (captions_ && shown_.empty() && !captions.empty() && state.NightTint > 100 && DialogueBandShown(system_.recording)) {
      shown_.insert(0);
      system_.RedrawRecorded();
      const FRect& b = captions.front().box;
      std::cout << "caption " << b.x << " " << b.y << " " << b.w << " " << b.h << std::endl;
      std::string answer;
      if (!std::getline(std::cin, answer)) system_.playerInput.events.push_front(InputEvent::Quit);
    } else if (DialogueBandShown(system_.recording) && !captions_) {
      const auto found = thingOf_.find(DrawnDialogueText(system_.recording));
      if (found != thingOf_.end() && !shown_.count(found->second.first)) {
        if (state.FadeAlpha <= 0 && !state.FadingIn && !state.FadingOut) {
          shown_.insert(found->second.first);
          system_.RedrawRecorded();
          std::cout << "thought " << found->second.first << " " << found->second.second << std::endl;
          std::string answer;
          if (!std::getline(std::cin, answer)) system_.playerInput.events.push_front(InputEvent::Quit);
        } else {
          waiting = true;
        }
      }
    }
    if (waiting) {
      system_.playerInput.events.clear();
      system_.playerInput.ReleaseAll();
    } else {
      player_.Decide(state, system_.recording, system_.playerInput, nowMs_);
    }
    system_.recording.calls.clear();
    if (frames_ >= FrameLimit) system_.playerInput.events.push_front(InputEvent::Quit);
    const int ms = schedule_(frames_);
    system_.clock.step = static_cast<std::uint64_t>(ms);
    nowMs_ += ms;
    ++frames_;
  }

  std::size_t Shown() const { return shown_.size(); }

 private:
  PlayedSystem& system_;
  Player player_;
  FrameSchedule schedule_;
  std::map<std::string, std::pair<int, std::string>> thingOf_;
  std::set<int> shown_;
  bool captions_;
  double nowMs_ = 0;
  long frames_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool captions = argc > 1 && std::string(argv[1]) == "--captions";
  const std::unique_ptr<System> real = MakeRealSystem();
  PlayedSystem played(*real);
  played.DrawOnlyWhenAsked();
  Stopper stopper(played, captions);
  const int status = RunProgram(played, &stopper, GameOptions{.Captions = captions});
  std::cout << "done " << status << " " << stopper.Shown() << std::endl;
  return status;
}
