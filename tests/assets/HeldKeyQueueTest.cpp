// The game's frames read SDL's real event queue (under the display-less video
// driver) while a held key auto-repeats and the mouse moves, far faster than
// a slow display takes one event a frame. Return must still be taken at once,
// and a burst of Returns must still show every line it passes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "harness/FrameDriver.h"
#include "harness/ScreenReader.h"
#include "platform/SdlSystem.h"

namespace {

// The first thoughts of the game, in order, as the player reads them.
const std::vector<std::string> FirstLines = {
    "MORNING ALREADY...?",
    "I SHOULD GET READY FOR THE DAY.",
    "I WILL GO BRUSH MY TEETH.",
};

constexpr double RepeatsPerSecond = 33;  // a held key's auto-repeat, at its quickest
constexpr double MouseMovesPerSecond = 200;
constexpr double HoldSeconds = 18;       // a forest walk

SDL_Event Key(Uint32 type, SDL_Keycode key, bool repeat = false) {
  SDL_Event event{};
  event.type = type;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  return event;
}

SDL_Event MouseMove(int step) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = 100 + step % 400;
  event.motion.y = 300;
  event.motion.xrel = 1;
  return event;
}

void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

void PressReturn() {
  Push(Key(SDL_KEYDOWN, SDLK_RETURN));
  Push(Key(SDL_KEYUP, SDLK_RETURN));
}

class HeldKeyQueue : public testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    system_ = std::make_unique<SdlSystem>();
    system_->InitSubsystems();
    ASSERT_TRUE(system_->CreateWindow()) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // what the window's creation queued
    platform_.reset(new Platform{rec_.drawing, rec_.audio, system_->GamePlatform().input, rec_.clock});
    state_.LastTicks = 0;
    rec_.clock.now = 0;
  }
  void TearDown() override {
    platform_.reset();
    system_.reset();
  }

  // One frame at the display's rate. The noise that arrived since the last
  // frame is queued first, as SDL would have queued it while the frame waited.
  void Frame() {
    const double from = nowMs_;
    nowMs_ += 1000.0 / GetParam();
    if (holding_) {
      for (; nextRepeatMs_ <= nowMs_; nextRepeatMs_ += 1000.0 / RepeatsPerSecond)
        if (nextRepeatMs_ > from) Push(Key(SDL_KEYDOWN, SDLK_w, true));
      for (; nextMouseMs_ <= nowMs_; nextMouseMs_ += 1000.0 / MouseMovesPerSecond)
        if (nextMouseMs_ > from) Push(MouseMove(++mouseSteps_));
    }
    rec_.ClearRecords();
    rec_.clock.now = static_cast<std::uint64_t>(std::floor(nowMs_));
    ASSERT_EQ(RunGameFrame(state_, *platform_), FrameResult::Continue);
    const std::string line = DialogueBandShown(rec_.drawing) ? DrawnDialogueText(rec_.drawing) : "";
    if (seen_.empty() || seen_.back() != line) seen_.push_back(line);
  }

  void StartHolding() {
    Push(Key(SDL_KEYDOWN, SDLK_w));
    holding_ = true;
    nextRepeatMs_ = nowMs_ + 500;  // the repeat starts after the usual delay
    nextMouseMs_ = nowMs_;
  }

  std::unique_ptr<SdlSystem> system_;
  RecordingPlatform rec_;
  std::unique_ptr<Platform> platform_;  // the recording drawing and sound, SDL's own queue
  GameState state_ = GameStartState();
  std::vector<std::string> seen_;  // the lines on screen, consecutive repeats folded
  double nowMs_ = 0;
  bool holding_ = false;
  double nextRepeatMs_ = 0;
  double nextMouseMs_ = 0;
  int mouseSteps_ = 0;
};

TEST_P(HeldKeyQueue, ReturnAfterALongHoldIsTakenAtOnceAndNoLineGoesByUnseen) {
  Frame();
  ASSERT_EQ(seen_, std::vector<std::string>{FirstLines[0]});

  StartHolding();
  const int holdFrames = static_cast<int>(HoldSeconds * GetParam());
  for (int i = 0; i < holdFrames; ++i) Frame();
  ASSERT_EQ(state_.MessageIndex, 0);

  // One press after the hold: on screen within two frames.
  PressReturn();
  int frames = 0;
  while (state_.MessageIndex == 0 && frames < 10 * GetParam()) {
    Frame();
    ++frames;
  }
  EXPECT_LE(frames, 2) << "Return waited " << frames << " frames behind the held key";

  // Two presses together, the key still held: each line is shown in turn.
  PressReturn();
  PressReturn();
  for (int i = 0; i < 6; ++i) Frame();
  EXPECT_EQ(seen_, (std::vector<std::string>{FirstLines[0], FirstLines[1], FirstLines[2], ""}));
  EXPECT_EQ(state_.MessageIndex, 3);
}

INSTANTIATE_TEST_SUITE_P(Displays, HeldKeyQueue, testing::Values(20, 60, 144),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "Hz"; });

}  // namespace
