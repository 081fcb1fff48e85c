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
    default:
      return InputEvent::Other;
  }
}

InputEvent SdlInput::PollEvent() {
  SDL_Event event;
  if (!SDL_PollEvent(&event)) return InputEvent::None;
  return TranslateEvent(event);
}

void SdlInput::PumpEvents() {
  SDL_PumpEvents();
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  held_.fill(0);
  if (state) std::copy_n(state, std::min<int>(count, static_cast<int>(held_.size())), held_.begin());
}

bool SdlInput::IsHeld(Scancode key) const {
  const int index = static_cast<int>(key);
  return index >= 0 && index < static_cast<int>(held_.size()) && held_[index] != 0;
}
