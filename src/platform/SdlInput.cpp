#include "platform/SdlInput.h"

#include <algorithm>

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
        default:
          return InputEvent::Other;
      }
    default:
      return InputEvent::Other;
  }
}

namespace {

// Full screen on the desktop's mode, or the window it was before; the
// renderer letterboxes the 800 by 600 picture to either.
void SwitchFullScreen(SDL_Window* window) {
#ifdef __EMSCRIPTEN__
  // A page may go full screen only from a click or key handler of its own,
  // which the game's frames never run in. There F11 is the browser's own key
  // (the canvas fills the page), and the page's button takes the canvas full screen.
  (void)window;
#else
  if (!window) return;
  const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
  SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
#endif
}

}  // namespace

void SdlInput::Notice(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      pads_.Open(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads_.Close(event.cdevice.which);
      break;
    case SDL_KEYDOWN:
      // F11 belongs to the player's screen, not to the game, which never sees it.
      if (event.key.keysym.sym == SDLK_F11 && !event.key.repeat) SwitchFullScreen(window_);
      break;
    default:
      break;
  }
}

InputEvent SdlInput::PollEvent() {
  // The frame's one turn goes to an event the game acts on. Everything else
  // queued before it (mouse, key-downs and the auto-repeats of a held key,
  // window events) is dropped here: a held key repeats faster than a slow
  // display draws, and would otherwise queue up ahead of Return. The held-key
  // snapshot does not depend on the queue, so walking still sees every key.
  // A pad's stick motion goes the same way; its button-ups are the keys'.
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
  if (down) return;
  SDL_Event event{};
  event.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  event.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  SDL_PushEvent(&event);
}

bool SdlInput::IsHeld(Scancode key) const {
  const int index = static_cast<int>(key);
  return index >= 0 && index < static_cast<int>(held_.size()) && held_[index] != 0;
}
