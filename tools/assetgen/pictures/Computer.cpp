// The computer on the bedroom desk: switched off, showing the cabin-rental
// page, and the page after booking; and the arrow cursor that moves over it.
// The cursor stops with its tip at screen (340, 310), art (85, 77.5): the
// booking button is painted under that spot.
#include <cmath>

#include "Library.h"
#include "PixelFont.h"

namespace art {

namespace {

// The glass of the monitor in the picture.
constexpr int GlassX0 = 12, GlassY0 = 9, GlassX1 = 188, GlassY1 = 119;
// Where the cursor comes to rest, in art pixels.
constexpr float CursorStopX = 340.0f / 4, CursorStopY = 310.0f / 4;

// The monitor and the desk around its glass.
Canvas Monitor() {
  Canvas c(ScreenWidth, ScreenHeight);
  ShadeRect(c, 0, 0, 200, 150, [](int x, int y) { return RampAt(GreyRamp, 0.3f + 0.1f * Fbm(x * 0.05f, y * 0.05f, 8, 2), x, y); });
  // The desk top and the keyboard in front.
  ShadeRect(c, 0, 128, 200, 150, [](int x, int y) {
    return RampAt(WoodRamp, 0.5f + (Fbm(x * 0.03f, y * 0.4f, 9, 3) - 0.5f) * 0.3f + (y - 128) * 0.01f, x, y);
  });
  FillPolygon(c, {{40, 138}, {160, 138}, {170, 150}, {30, 150}}, Dusk);
  for (int row = 0; row < 3; ++row)
    for (int k = 0; k < 16; ++k) {
      const float x = 42 + k * 7.4f - row * 2 + (row == 2 ? 0 : 0), y = 140 + row * 3.5f;
      FillRect(c, static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + 5), static_cast<int>(y + 2), Slate);
    }
  // The bezel and its stand.
  FillRect(c, 88, 122, 112, 132, Night);
  FillRect(c, 70, 129, 130, 133, Dusk);
  FillRect(c, 5, 3, 195, 125, Night);
  FillRect(c, 6, 4, 194, 124, Dusk);
  FillRect(c, 6, 4, 194, 5, Slate);
  FillRect(c, GlassX0 - 1, GlassY0 - 1, GlassX1 + 1, GlassY1 + 1, Ink);
  return c;
}

// The Move prompt covers the top of the screen from row 5 to 20 (screen y 20
// to 80) between columns 80 and 125 once the page is booked: the browser's
// address bar lies below it, under a window bar with a tab.
constexpr int AddressTop = 20;
constexpr int PageTop = AddressTop + 8;  // where the site itself begins

// The browser around the page: a window bar with a tab, then the address.
void Browser(Canvas& c, const char* address) {
  FillRect(c, GlassX0, GlassY0, GlassX1, GlassY1, Bone);
  FillRect(c, GlassX0, GlassY0, GlassX1, AddressTop, Cold);
  for (int k = 0; k < 3; ++k) FillRect(c, GlassX0 + 3 + k * 4, GlassY0 + 3, GlassX0 + 5 + k * 4, GlassY0 + 5, k == 0 ? Red : Slate);
  FillRect(c, GlassX0 + 18, GlassY0 + 3, GlassX0 + 70, AddressTop, Dawn);  // the tab
  FillRect(c, GlassX0 + 22, GlassY0 + 6, GlassX0 + 27, GlassY0 + 10, PineDeep);
  FillRect(c, GlassX0, AddressTop, GlassX1, PageTop, Dawn);
  FillRect(c, GlassX0 + 3, AddressTop + 1, GlassX1 - 3, PageTop - 1, Bone);
  DrawText(c, GlassX0 + 6, AddressTop + 2, address, Slate);
}

// The site's header: a band of forest green with the site name.
void SiteHeader(Canvas& c) {
  ShadeRect(c, GlassX0, PageTop, GlassX1, PageTop + 14, [](int x, int y) {
    const float ridge = 10 + 3 * std::sin(x * 0.3f) + 2 * Hash(x, 0, 5);
    return y > ridge + PageTop ? RampAt(ForestRamp, 0.35f, x, y) : RampAt(ForestRamp, 0.55f, x, y);
  });
  DrawText(c, GlassX0 + 5, PageTop + 3, "WOODLAND CABIN RENTALS", Bone, 1, PineDeep);
}

// A little photograph of a cabin among pines, for a listing.
void CabinSnapshot(Canvas& c, int x0, int y0, int w, int h, std::uint32_t seed, bool gloomy) {
  ShadeRect(c, x0, y0, x0 + w, y0 + h, [&](int x, int y) {
    const float t = static_cast<float>(y - y0) / h;
    if (t > 0.72f) return RampAt(ForestRamp, 0.45f + 0.1f * Hash(x, y, seed), x, y);
    const float crowns = 0.35f + 0.25f * std::fabs(std::sin((x - x0) * 0.7f + seed)) + 0.1f * Hash(x, 0, seed);
    if (t > crowns) return RampAt(ForestRamp, gloomy ? 0.2f : 0.3f, x, y);
    return RampAt(gloomy ? Ramp(SkyRamp) : Ramp(WaterRamp), gloomy ? 0.5f : 0.85f - t * 0.3f, x, y);
  });
  const int cx = x0 + w / 2, base = y0 + h * 78 / 100;
  FillRect(c, cx - w / 5, base - h / 4, cx + w / 5, base, WoodLight);
  FillPolygon(c, {{cx - w / 5.0f - 2, base - h / 4.0f}, {static_cast<float>(cx), base - h / 2.2f}, {cx + w / 5.0f + 2, base - h / 4.0f}}, WoodDeep);
  FillRect(c, cx - 1, base - h / 7, cx + 2, base, WoodDeep);
  FillRect(c, cx + w / 10, base - h / 6, cx + w / 10 + 3, base - h / 12, gloomy ? Slate : Amber);
  Outline(c, x0, y0, x0 + w, y0 + h, Cold);
}

Canvas PaintComputerOff() {
  Canvas c = Monitor();
  // Dark glass with the grey window of the room reflected in it.
  ShadeRect(c, GlassX0, GlassY0, GlassX1, GlassY1, [](int x, int y) {
    const float streak = std::max(0.0f, 1 - std::fabs((x - 60) - (y - 20) * 0.6f) / 18.0f);
    return RampAt(GreyRamp, 0.06f + 0.1f * streak + 0.04f * (y - GlassY0) / 110.0f, x, y);
  });
  FillRect(c, 180, 120, 183, 122, Night);  // the power light, off
  return c;
}

Canvas PaintRentals() {
  Canvas c = Monitor();
  Browser(c, "WOODLANDCABINS.COM/RENT");
  SiteHeader(c);
  // The one cabin still free, with its booking button under the cursor's stop.
  const int top = PageTop + 18;
  CabinSnapshot(c, GlassX0 + 5, top, 44, 36, 3, true);
  DrawText(c, GlassX0 + 54, top, "LAKESIDE CABIN", Night);
  DrawText(c, GlassX0 + 54, top + 7, "QUIET. NO NEIGHBOURS.", Slate);
  DrawText(c, GlassX0 + 54, top + 15, "$45 / NIGHT", Ember);
  const int bx0 = static_cast<int>(CursorStopX) - 18, by0 = static_cast<int>(CursorStopY) - 5;
  FillRect(c, bx0, by0, bx0 + 42, by0 + 11, PineDeep);
  FillRect(c, bx0, by0, bx0 + 41, by0 + 10, Moss);
  FillRect(c, bx0 + 1, by0 + 1, bx0 + 40, by0 + 2, Leaf);
  DrawTextCentered(c, bx0 + 21, by0 + 3, "BOOK NOW", Bone);
  // Two more listings below, both taken.
  for (int k = 0; k < 2; ++k) {
    const int x0 = GlassX0 + 5 + k * 88, y0 = GlassY1 - 26;
    CabinSnapshot(c, x0, y0, 26, 20, 7 + k, false);
    DrawText(c, x0 + 30, y0 + 2, k == 0 ? "PINE LODGE" : "RIVER HUT", Night);
    DrawText(c, x0 + 30, y0 + 10, "BOOKED", Red);
  }
  return c;
}

Canvas PaintBooked() {
  Canvas c = Monitor();
  Browser(c, "WOODLANDCABINS.COM/DONE");
  SiteHeader(c);
  const int mid = (GlassX0 + GlassX1) / 2;
  DrawTextCentered(c, mid, PageTop + 20, "BOOKED!", Leaf, 3, PineDeep);
  DrawTextCentered(c, mid, PageTop + 41, "LAKESIDE CABIN", Night);
  DrawTextCentered(c, mid, PageTop + 50, "ARRIVAL: FRI 13 OCT", Ember);
  FillRect(c, mid - 40, PageTop + 59, mid + 40, PageTop + 60, Cold);
  DrawTextCentered(c, mid, PageTop + 64, "THE KEY IS UNDER THE MAT.", Slate);
  DrawTextCentered(c, mid, PageTop + 72, "ENJOY THE QUIET.", Slate);
  return c;
}

// The arrow cursor, drawn 10 by 15: one art pixel per screen pixel.
Canvas PaintCursor() {
  static constexpr const char* Rows[15] = {
      "X.........", "XX........", "XWX.......", "XWWX......", "XWWWX.....", "XWWWWX....", "XWWWWWX...", "XWWWWWWX..",
      "XWWWWWWWX.", "XWWWWWXXXX", "XWWXWWX...", "XWX.XWWX..", "XX..XWWX..", "X....XWWX.", ".....XXX..",
  };
  Canvas c(10, 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 10; ++x) {
      if (Rows[y][x] == 'X') c.Set(x, y, Ink);
      if (Rows[y][x] == 'W') c.Set(x, y, Bone);
    }
  return c;
}

}  // namespace

void AddComputerPictures(Painters& p) {
  p[ComputerOffTexture] = PaintComputerOff;
  p[ComputerCabinRentalsTexture] = PaintRentals;
  p[ComputerCabinBookedTexture] = PaintBooked;
  p[CursorTexture] = PaintCursor;
}

}  // namespace art
