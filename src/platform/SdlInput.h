#pragma once
// The keyboard, gamepads, the window's close button and the tick count, from SDL 2.

#include <SDL.h>

#include <array>

#include "platform/Platform.h"
#include "platform/SdlGamepads.h"

// What the game makes of one queued event: the window closing (or the process
// being asked to end), Return or a Shift key let go (or a pad's south button
// or Back, their stand-ins), or anything else.
InputEvent TranslateEvent(const SDL_Event& event);

class SdlInput final : public Input {
 public:
  // The window that F11 switches between full screen and a window.
  void AttachWindow(SDL_Window* window) {
    window_ = window;
    if (window) PointerMoved();  // where it rests now is no move
  }
  // Lets go of every pad, before SDL itself is shut down.
  void ClosePads() { pads_.CloseAll(); }
  // A key held or let go by something other than the keyboard (a web page's
  // touch controls): held, it is in the snapshot; let go, it is queued as the
  // keyboard's key-up would be.
  void PressFromPage(int scancode, bool down);
  // The game is to pause at its next frame (the window went out of sight).
  void RequestPause() { pauseRequested_ = true; }
  // The window has just gone full screen or back. SDL puts the pointer back
  // where it was in the window, which moves it on the screen, and the moves
  // this makes are no player's: they are let go, and where the pointer is
  // now is where it rests.
  void WindowSwitched();

  // At most one event the game acts on; the others before it are dropped.
  InputEvent PollEvent() override;
  void PumpEvents() override;
  bool IsHeld(Scancode key) const override;
  MenuEvent PollMenuEvent() override;

 private:
  // What the platform does itself with an event on its way past: pads plugged
  // in or out, F11.
  void Notice(const SDL_Event& event);
  // Whether the pointer stands elsewhere on the screen than when last asked.
  bool PointerMoved();
  // What the pause menu makes of one event; None for anything else.
  MenuEvent TranslateMenuEvent(const SDL_Event& event);

  std::array<Uint8, SDL_NUM_SCANCODES> held_{};
  std::array<Uint8, SDL_NUM_SCANCODES> heldFromPage_{};
  bool pauseRequested_ = false;
  SdlGamepads pads_;
  SDL_Window* window_ = nullptr;
  int pointerX_ = 0, pointerY_ = 0;  // on the screen, when last asked
  bool pointerMoved_ = false;        // by the last motion event noticed
  int stickX_ = 0, stickY_ = 0;  // the left stick's last move in the menu: -1, 0 or 1
};

class SdlClock final : public Clock {
 public:
  std::uint64_t TicksMs() override { return SDL_GetTicks64(); }
};
