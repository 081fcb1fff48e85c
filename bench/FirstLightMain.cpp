// Start-up as a player sees it, whatever the program is built for: the time
// from spawning a command to the first frame on the X screen that is not all
// black, measured from outside (so a Linux build and a Windows build under
// Wine are timed alike). The screen must be black before; the command is
// ended once its first light is seen, and the screen is waited on to go
// black again. With --exit it times the command's own run to its end
// instead, for a program that shows nothing.
//   tarnwick_bench_first_light [--exit] <command> [args...]
// Prints "ms=<milliseconds>" on stdout; status 1 when nothing came within a minute.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "BenchClock.h"

extern char** environ;

namespace {

// Something other than black anywhere on a grid of the screen's pixels.
bool ScreenLit(Display* display) {
  const Window root = DefaultRootWindow(display);
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, root, &attributes);
  XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
  if (!image) return false;
  bool lit = false;
  for (int y = 0; y < image->height && !lit; y += 4)
    for (int x = 0; x < image->width && !lit; x += 4) lit = (XGetPixel(image, x, y) & 0xffffff) > 0x080808;
  XDestroyImage(image);
  return lit;
}

bool Exited(pid_t pid, bool wait) {
  int status = 0;
  return waitpid(pid, &status, wait ? 0 : WNOHANG) == pid;
}

}  // namespace

int main(int argc, char** argv) {
  const bool untilExit = argc > 1 && std::strcmp(argv[1], "--exit") == 0;
  char** command = argv + (untilExit ? 2 : 1);
  if (!*command) {
    std::fprintf(stderr, "usage: %s [--exit] COMMAND [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  if (!untilExit && ScreenLit(display)) {
    std::fprintf(stderr, "the screen is not black before the start\n");
    return 1;
  }
  pid_t pid = 0;
  const std::int64_t start = MonotonicNs();
  if (posix_spawnp(&pid, command[0], nullptr, nullptr, command, environ) != 0) {
    std::fprintf(stderr, "could not start %s\n", command[0]);
    return 1;
  }
  const std::int64_t deadline = start + 60'000'000'000LL;
  bool seen = false;
  while (MonotonicNs() < deadline) {
    if (untilExit ? Exited(pid, true) : ScreenLit(display)) {
      seen = true;
      break;
    }
  }
  const std::int64_t end = MonotonicNs();
  if (!untilExit) {
    kill(pid, SIGKILL);
    Exited(pid, true);
    while (ScreenLit(display) && MonotonicNs() < end + 30'000'000'000LL) usleep(10'000);
  }
  XCloseDisplay(display);
  if (!seen) {
    std::fprintf(stderr, "%s showed nothing within a minute\n", command[0]);
    return 1;
  }
  std::printf("ms=%.1f\n", NsToMs(end - start));
  return 0;
}
