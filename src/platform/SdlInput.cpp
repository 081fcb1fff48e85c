#include "platform/SdlInput.h"

#include <algorithm>

#include "platform/WindowPlacement.h"

InputEvent TranslateEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      return InputEvent::Quit;
    case SDL_KEYUP:
      switch (event.key.keysym.sym) {
        case SDLK_RETURN:
          return InputEvent::ReturnReleased;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
          return InputEvent::ShiftReleased;
        case SDLK_ESCAPE:
          return InputEvent::Pause;
        case SDLK_v:
          return InputEvent::SpeechSwitch;
        case SDLK_SPACE:
          return InputEvent::Describe;
        default:
          return InputEvent::Other;
      }
    case SDL_CONTROLLERBUTTONUP:
      // The pad's buttons by position: south (A, cross) is Return, Back (Select) is Shift.
      switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_A:
          return InputEvent::ReturnReleased;
        case SDL_CONTROLLER_BUTTON_BACK:
          return InputEvent::ShiftReleased;
        case SDL_CONTROLLER_BUTTON_START:
          return InputEvent::Pause;
        case SDL_CONTROLLER_BUTTON_X:
          return InputEvent::SpeechSwitch;
        case SDL_CONTROLLER_BUTTON_Y:
          return InputEvent::Describe;
        default:
          return InputEvent::Other;
      }
    case SDL_WINDOWEVENT:
      // A player who turns to another window comes back to a paused game.
      return event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ? InputEvent::Pause : InputEvent::Other;
    default:
      return InputEvent::Other;
  }
}

namespace {

// The left stick past this much of its travel is a move in the menu; back
// inside half of it, it may move again.
constexpr Sint16 StickMove = 16000;
constexpr Sint16 StickRest = 8000;

}  // namespace

MenuEvent SdlInput::TranslateMenuEvent(const SDL_Event& event) {
  using Kind = MenuEvent::Kind;
  switch (event.type) {
    case SDL_QUIT:
      return {Kind::Quit};
    case SDL_KEYDOWN:
      switch (event.key.keysym.scancode) {
        case SDL_SCANCODE_UP: case SDL_SCANCODE_W: return {Kind::Up};
        case SDL_SCANCODE_DOWN: case SDL_SCANCODE_S: return {Kind::Down};
        case SDL_SCANCODE_LEFT: case SDL_SCANCODE_A: return {Kind::Left};
        case SDL_SCANCODE_RIGHT: case SDL_SCANCODE_D: return {Kind::Right};
        default: return {};
      }
    case SDL_KEYUP:
      // Let go, as the game takes Return: its release never reaches the game.
      if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) return {Kind::Choose};
      if (event.key.keysym.sym == SDLK_ESCAPE) return {Kind::Resume};
      if (event.key.keysym.sym == SDLK_v) return {Kind::SpeechSwitch};
      if (event.key.keysym.sym == SDLK_SPACE) return {Kind::Describe};
      return {};
    case SDL_CONTROLLERBUTTONDOWN:
      switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return {Kind::Up};
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return {Kind::Down};
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return {Kind::Left};
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return {Kind::Right};
        default: return {};
      }
    case SDL_CONTROLLERBUTTONUP:
      if (!pads_.Attached(event.cbutton.which)) return {};
      switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_A: return {Kind::Choose};
        case SDL_CONTROLLER_BUTTON_B:
        case SDL_CONTROLLER_BUTTON_START: return {Kind::Resume};
        case SDL_CONTROLLER_BUTTON_X: return {Kind::SpeechSwitch};
        case SDL_CONTROLLER_BUTTON_Y: return {Kind::Describe};
        default: return {};
      }
    case SDL_CONTROLLERAXISMOTION: {
      const bool vertical = event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY;
      if (!vertical && event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX) return {};
      int& pushed = vertical ? stickY_ : stickX_;
      const Sint16 value = event.caxis.value;
      if (value > -StickRest && value < StickRest) pushed = 0;
      if (value > -StickMove && value < StickMove) return {};
      const int direction = value < 0 ? -1 : 1;
      if (pushed == direction) return {};  // still the same push
      pushed = direction;
      if (vertical) return {pushed < 0 ? Kind::Up : Kind::Down};
      return {pushed < 0 ? Kind::Left : Kind::Right};
    }
    case SDL_MOUSEMOTION: {
      // Only where the pointer is now: the moves queued behind this one go.
      SDL_Event later;
      float x = static_cast<float>(event.motion.x), y = static_cast<float>(event.motion.y);
      while (SDL_PeepEvents(&later, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) == 1)
        x = static_cast<float>(later.motion.x), y = static_cast<float>(later.motion.y);
      // A window switched to full screen or back moves the picture under a
      // pointer that stays where it is: only a pointer that moved lights a row.
      const bool moved = PointerMoved();
      if (!pointerMoved_ && !moved) return {};
      return {Kind::Point, x, y};
    }
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT) return {};
      // SDL makes a touch a left button of its own mouse.
      return {event.button.which == SDL_TOUCH_MOUSEID ? Kind::Tap : Kind::Click, static_cast<float>(event.button.x),
              static_cast<float>(event.button.y)};
    default:
      return {};
  }
}

MenuEvent SdlInput::PollMenuEvent() {
  pauseRequested_ = false;  // paused already
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    Notice(event);
    const MenuEvent menu = TranslateMenuEvent(event);
    if (menu.kind != MenuEvent::Kind::None) return menu;
  }
  return {};
}

void SdlInput::Notice(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      pads_.Open(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads_.Close(event.cdevice.which);
      break;
    case SDL_MOUSEMOTION:
      pointerMoved_ = PointerMoved();
      break;
    case SDL_KEYDOWN:
      // F11 belongs to the player's screen, not to the game, which never sees it.
      if (event.key.keysym.sym == SDLK_F11 && !event.key.repeat && window_) {
        SetWindowFullScreen(window_, (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0);
        WindowSwitched();
      }
      break;
    default:
      break;
  }
}

void SdlInput::WindowSwitched() {
  SDL_PumpEvents();
  SDL_FlushEvent(SDL_MOUSEMOTION);
  PointerMoved();
  pointerMoved_ = false;
}

bool SdlInput::PointerMoved() {
  int x = 0, y = 0;
  // Where the pointer is on the desktop, whatever the window does (in a
  // browser, SDL knows it only within the page).
  SDL_GetGlobalMouseState(&x, &y);
  const bool moved = x != pointerX_ || y != pointerY_;
  pointerX_ = x;
  pointerY_ = y;
  return moved;
}

InputEvent SdlInput::PollEvent() {
  // The frame's one turn goes to an event the game acts on. Everything else
  // queued before it (mouse, key-downs and the auto-repeats of a held key,
  // window events) is dropped here: a held key repeats faster than a slow
  // display draws, and would otherwise queue up ahead of Return. The held-key
  // snapshot does not depend on the queue, so walking still sees every key.
  // A pad's stick motion goes the same way; its button-ups are the keys'.
  if (pauseRequested_) {
    pauseRequested_ = false;
    return InputEvent::Pause;
  }
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    Notice(event);
    const InputEvent translated = TranslateEvent(event);
    if (translated == InputEvent::Other) continue;
    // A pad pulled out lets go of every button it held on its way out; the
    // player let go of none.
    if (event.type == SDL_CONTROLLERBUTTONUP && !pads_.Attached(event.cbutton.which)) continue;
    return translated;
  }
  return InputEvent::None;
}

void SdlInput::PumpEvents() {
  SDL_PumpEvents();
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  held_.fill(0);
  if (state) std::copy_n(state, std::min<int>(count, static_cast<int>(held_.size())), held_.begin());
  pads_.AddHeldKeys(held_);
  for (std::size_t key = 0; key < held_.size(); ++key) held_[key] |= heldFromPage_[key];
}

void SdlInput::PressFromPage(int scancode, bool down) {
  if (scancode <= SDL_SCANCODE_UNKNOWN || scancode >= SDL_NUM_SCANCODES) return;
  heldFromPage_[static_cast<std::size_t>(scancode)] = down ? 1 : 0;
  // Queued as the keyboard's press and release would be (the pause menu moves
  // on a press; the game takes the release).
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  SDL_PushEvent(&event);
}

bool SdlInput::IsHeld(Scancode key) const {
  const int index = static_cast<int>(key);
  return index >= 0 && index < static_cast<int>(held_.size()) && held_[index] != 0;
}
