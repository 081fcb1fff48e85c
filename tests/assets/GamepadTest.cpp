// A gamepad on SDL's virtual joystick, played through the real input under the
// display-less video driver: its south button and Back let go are Return and
// Shift, its stick and D-pad are held arrow keys, beside the keyboard, and it
// still plays once unplugged and plugged in again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "harness/FrameDriver.h"
#include "platform/SdlSystem.h"
#include "shell/TitleScreen.h"

namespace {

constexpr float Step = 250 * 0.05f;  // a walk at 250 px/s over one 50 ms frame

class Gamepad : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // SDL hears pads only while a window of the program has the keyboard, as
    // the game's has when played; the display-less driver's never has it.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    system_ = std::make_unique<SdlSystem>();
    system_->InitSubsystems();
    ASSERT_TRUE(system_->CreateWindow()) << SDL_GetError();
    platform_.reset(new Platform{rec_.drawing, rec_.audio, system_->GamePlatform().input, rec_.clock});
    state_.LastTicks = rec_.clock.now = 0;
    ASSERT_NO_FATAL_FAILURE(PlugIn());
    Frame();  // the pad is taken up once SDL announces it
  }

  // A pad SDL knows: the virtual joystick's own mapping numbers its buttons
  // and axes as the game-controller names do.
  void PlugIn() {
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    device_ = SDL_JoystickAttachVirtualEx(&pad);
    ASSERT_TRUE(device_ >= 0 && SDL_IsGameController(device_)) << SDL_GetError();
    hand_ = SDL_JoystickOpen(device_);  // the test's hand on its buttons
  }
  void Unplug() {
    SDL_JoystickClose(hand_);
    SDL_JoystickDetachVirtual(device_);
  }
  void Button(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(hand_, button, down); }
  void Stick(Sint16 x, Sint16 y) {
    SDL_JoystickSetVirtualAxis(hand_, SDL_CONTROLLER_AXIS_LEFTX, x);
    SDL_JoystickSetVirtualAxis(hand_, SDL_CONTROLLER_AXIS_LEFTY, y);
  }
  void Click(SDL_GameControllerButton button) {
    for (bool down : {true, false}) {
      Button(button, down);
      Frame();
    }
  }

  FrameResult Frame() {
    rec_.clock.now += 50;
    return state_.TitleRunning ? RunTitleFrame(state_, *platform_) : RunGameFrame(state_, *platform_);
  }
  // How far two frames with the pad as it is slide the view from the middle
  // of the bedroom: x below 0 shows more of the right.
  FRect Walk() {
    state_.DialogueActive = false;
    state_.BackgroundRect = {-650, -200, 2000, 1000};
    Frame();
    Frame();
    return {state_.BackgroundRect.x + 650, state_.BackgroundRect.y + 200};
  }

  // SDL, shut down with the system, lets go of the pads with it.
  std::unique_ptr<SdlSystem> system_;
  RecordingPlatform rec_;
  std::unique_ptr<Platform> platform_;  // the recording drawing and sound, SDL's own input
  GameState state_ = GameStartState();
  int device_ = -1;
  SDL_Joystick* hand_ = nullptr;
};

TEST_F(Gamepad, TheSouthButtonLetGoAdvancesTheLineAndNoOtherButtonDoes) {
  Button(SDL_CONTROLLER_BUTTON_A, true);
  Frame();
  EXPECT_EQ(state_.MessageIndex, 0) << "the south button acts on release, as Return does";
  Button(SDL_CONTROLLER_BUTTON_A, false);
  Frame();
  EXPECT_EQ(state_.MessageIndex, 1);
  for (auto other : {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y,
                     SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_DPAD_DOWN})
    Click(other);
  EXPECT_EQ(state_.MessageIndex, 1);
}

TEST_F(Gamepad, TheStickBeyondItsDeadZoneAndTheDPadWalkAsTheArrowKeys) {
  Stick(32767, 0);  // held right: the view slides as Right slides it
  EXPECT_EQ(Walk(), (FRect{-2 * Step, 0}));
  Stick(-32768, -32768);  // up and to the left
  EXPECT_EQ(Walk(), (FRect{2 * Step, 2 * Step}));
  Stick(5000, -5000);  // a worn stick resting a little off the middle
  EXPECT_EQ(Walk(), (FRect{0, 0}));
  Stick(0, 0);
  Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  EXPECT_EQ(Walk(), (FRect{-2 * Step, -2 * Step}));
}

TEST_F(Gamepad, BackLetGoQuitsTheTitleAndBackHeldQuitsOnlyTheClosingScreen) {
  Button(SDL_CONTROLLER_BUTTON_BACK, true);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Frame(), FrameResult::Continue) << "before the closing screen";
  Button(SDL_CONTROLLER_BUTTON_BACK, false);
  EXPECT_EQ(Frame(), FrameResult::Continue);
  state_.ShiftQuitAllowed = true;
  Button(SDL_CONTROLLER_BUTTON_BACK, true);
  EXPECT_EQ(Frame(), FrameResult::Quit) << "the first frame Back is held on the closing screen";

  state_ = InitialGameState();  // the title
  state_.LastTicks = rec_.clock.now;
  Button(SDL_CONTROLLER_BUTTON_BACK, false);
  EXPECT_EQ(Frame(), FrameResult::Quit);
}

TEST_F(Gamepad, APadUnpluggedAndPluggedInAgainStillPlaysBesideTheKeyboard) {
  Button(SDL_CONTROLLER_BUTTON_A, true);
  Frame();
  Unplug();  // the south button still down: pulled out, not let go
  Frame();
  EXPECT_EQ(state_.MessageIndex, 0);

  ASSERT_NO_FATAL_FAILURE(PlugIn());
  Frame();
  Click(SDL_CONTROLLER_BUTTON_A);
  EXPECT_EQ(state_.MessageIndex, 1);
  SDL_Event returnUp{};
  returnUp.type = SDL_KEYUP;
  returnUp.key.keysym.sym = SDLK_RETURN;
  SDL_PushEvent(&returnUp);
  Frame();
  Frame();  // SDL hands out what came after a frame's first look at the queue on the next
  EXPECT_EQ(state_.MessageIndex, 2);
  Stick(32767, 0);
  EXPECT_EQ(Walk().x, -2 * Step);
}

}  // namespace

namespace {

// The pause menu from the pad alone: Start pauses; then the D-pad and the
// stick (once a push) move, the south button chooses, the east button and
// Start resume.
TEST_F(Gamepad, StartPausesAndThePadAloneWorksTheMenu) {
  Button(SDL_CONTROLLER_BUTTON_START, true);
  Frame();
  Button(SDL_CONTROLLER_BUTTON_START, false);
  EXPECT_EQ(Frame(), FrameResult::Pause);
  Input& input = system_->GamePlatform().input;
  using Kind = MenuEvent::Kind;
  // SDL turns a pad's change into events over a pump or two.
  const auto next = [&] {
    for (int poll = 0; poll < 5; ++poll)
      if (const Kind kind = input.PollMenuEvent().kind; kind != Kind::None) return kind;
    return Kind::None;
  };
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  EXPECT_EQ(next(), Kind::Down);
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
  Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(next(), Kind::Left);
  Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  EXPECT_EQ(next(), Kind::None);
  Stick(0, 32767);
  EXPECT_EQ(next(), Kind::Down);
  Stick(0, 30000);
  EXPECT_EQ(next(), Kind::None) << "one push of the stick is one move";
  Stick(0, 0);
  Stick(0, -32768);
  EXPECT_EQ(next(), Kind::Up);
  Stick(32767, 0);
  EXPECT_EQ(next(), Kind::Right);
  Stick(0, 0);
  EXPECT_EQ(next(), Kind::None);
  for (const auto& [button, kind] : {std::pair{SDL_CONTROLLER_BUTTON_A, Kind::Choose},
                                     {SDL_CONTROLLER_BUTTON_B, Kind::Resume}, {SDL_CONTROLLER_BUTTON_START, Kind::Resume}}) {
    Button(button, true);
    EXPECT_EQ(next(), Kind::None) << "on the release, not the press";
    Button(button, false);
    EXPECT_EQ(next(), kind);
  }
}

}  // namespace
