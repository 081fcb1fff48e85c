// Watches a region of the X screen as fast as the server answers and, when
// told to stop (SIGTERM or SIGINT), prints the darkest mean brightness it saw
// there (0 black, 1 white) and how many looks it took. For the tests that must
// see a fade to black that lasts only a few frames. Once it has taken its
// first look it writes "watching" to stderr, so a test knows when to act.
//   tarnwick_watch_darkness <x> <y> <width> <height>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

double MeanBrightness(XImage* image) {
  double sum = 0;
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      const double r = static_cast<double>((pixel & image->red_mask) >> 16) / 255.0;
      const double g = static_cast<double>((pixel & image->green_mask) >> 8) / 255.0;
      const double b = static_cast<double>(pixel & image->blue_mask) / 255.0;
      sum += 0.2126 * r + 0.7152 * g + 0.0722 * b;
    }
  }
  return sum / (static_cast<double>(image->width) * image->height);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT\n", argv[0]);
    return 2;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
  const unsigned width = std::strtoul(argv[3], nullptr, 10), height = std::strtoul(argv[4], nullptr, 10);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  std::signal(SIGTERM, RequestStop);
  std::signal(SIGINT, RequestStop);
  const Window root = DefaultRootWindow(display);
  double darkest = 1;
  long looks = 0;
  while (!stopRequested) {
    XImage* image = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) break;
    const double mean = MeanBrightness(image);
    if (mean < darkest) darkest = mean;
    if (++looks == 1) {
      std::fputs("watching\n", stderr);
      std::fflush(stderr);
    }
    XDestroyImage(image);
  }
  XCloseDisplay(display);
  std::printf("%.4f %ld\n", darkest, looks);
  return 0;
}
