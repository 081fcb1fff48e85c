// The two overlays laid over every frame: faint television static and
// scanlines, as on an old screen.
#include <cmath>

#include "Library.h"

namespace art {

namespace {

// Four 128 by 128 frames of grey snow side by side. The game shows them very
// faintly and stretches some of them, so each is plain noise with a few
// brighter rolling bands.
Canvas PaintStatic() {
  Canvas c(512, 128);
  for (int frame = 0; frame < 4; ++frame) {
    const float band = 20.0f + 29.0f * frame;
    for (int y = 0; y < 128; ++y) {
      const float roll = std::exp(-std::pow((y - band) / 6.0f, 2.0f)) * 0.35f;
      const float rowShift = Hash(frame, y, 991) * 0.15f;
      for (int x = 0; x < 128; ++x) {
        const float v = Hash(x + frame * 128, y, 77) * 0.8f + roll + rowShift;
        c.Set(frame * 128 + x, y, RampAt(GreyRamp, v, x, y));
      }
    }
  }
  return c;
}

// Full size: a dark line on every third row, clear between. The game lays it
// over everything at 100 of 255.
Canvas PaintScanlines() {
  Canvas c(800, 600);
  for (int y = 2; y < 600; y += 3) FillRect(c, 0, y, 800, y + 1, Ink);
  return c;
}

}  // namespace

void AddOverlays(Painters& p) {
  p[StaticTexture] = PaintStatic;
  p[ScanlinesTexture] = PaintScanlines;
}

}  // namespace art
