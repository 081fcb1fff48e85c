#include "platform/WindowPlacement.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#define TARNWICK_X11 1
#endif

namespace {

#ifdef TARNWICK_X11
// The window as it was before it went full screen (the game has one window).
SDL_Rect windowed{0, 0, 0, 0};

// Where no window manager runs on an X display, the window is moved and sized
// as SDL believes it is: over the whole display, or back to its own size.
void PlaceWhereNoWindowManagerDoes(SDL_Window* window, bool full) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  XWindowAttributes root;
  // A window manager is the one client that redirects the root's children.
  if (!XGetWindowAttributes(display, DefaultRootWindow(display), &root) ||
      (root.all_event_masks & SubstructureRedirectMask) != 0)
    return;
  SDL_Rect place = windowed;
  if (full && SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &place) != 0) return;
  if (place.w <= 0 || place.h <= 0) return;
  XMoveResizeWindow(display, info.info.x11.window, place.x, place.y, static_cast<unsigned>(place.w),
                    static_cast<unsigned>(place.h));
  XRaiseWindow(display, info.info.x11.window);
  XSync(display, False);
  // SDL reads the window's new size from the server's answer.
  SDL_PumpEvents();
}
#endif

}  // namespace

void SetWindowFullScreen(SDL_Window* window, bool full) {
#ifdef __EMSCRIPTEN__
  // A page may go full screen only from a click or key handler of its own,
  // which the game's frames never run in. There F11 is the browser's own key
  // (the canvas fills the page), and the page's button takes the canvas full screen.
  (void)window;
  (void)full;
#else
  if (!window) return;
#ifdef TARNWICK_X11
  if (full && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0) {
    SDL_GetWindowPosition(window, &windowed.x, &windowed.y);
    SDL_GetWindowSize(window, &windowed.w, &windowed.h);
  }
#endif
  SDL_SetWindowFullscreen(window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
#ifdef TARNWICK_X11
  PlaceWhereNoWindowManagerDoes(window, full);
#endif
#endif
}
