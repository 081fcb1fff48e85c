#pragma once
// The keyboard, the window's close button and the tick count, from SDL 2.

#include <SDL.h>

#include <array>

#include "platform/Platform.h"

// What the game makes of one queued event: the window closing (or the process
// being asked to end), Return or a Shift key let go, or anything else.
InputEvent TranslateEvent(const SDL_Event& event);

class SdlInput final : public Input {
 public:
  // At most one event the game acts on; the others before it are dropped.
  InputEvent PollEvent() override;
  void PumpEvents() override;
  bool IsHeld(Scancode key) const override;

 private:
  std::array<Uint8, SDL_NUM_SCANCODES> held_{};
};

class SdlClock final : public Clock {
 public:
  std::uint64_t TicksMs() override { return SDL_GetTicks64(); }
};
