#include "ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Library.h"
#include "PixelFont.h"

namespace art {

namespace {

constexpr int Columns = 8;
constexpr int CellWidth = 250, CellHeight = 176;
constexpr int BoxWidth = 236, BoxHeight = 150;

// A texture's name without its "Texture" ending, upper case for the pixel font.
std::string Label(const char* name) {
  std::string s = name;
  if (s.size() > 7 && s.ends_with("Texture")) s.resize(s.size() - 7);
  for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return s;
}

// The picture laid out for its thumbnail: sheets and strips are wrapped into
// rows of frames so that each frame can still be made out.
RgbaImage Wrapped(const RgbaImage& image, int frameWidth) {
  const int frames = std::max(1, image.width / frameWidth);
  if (frames == 1) return image;
  int columns = 1;
  while (columns * columns * frameWidth * 2 < frames * image.height * 3 && columns < frames) ++columns;
  const int rows = (frames + columns - 1) / columns;
  RgbaImage out{columns * frameWidth, rows * image.height, {}};
  out.rgba.assign(static_cast<std::size_t>(out.width) * out.height * 4, 0);
  for (int f = 0; f < frames; ++f) {
    const int ox = (f % columns) * frameWidth, oy = (f / columns) * image.height;
    for (int y = 0; y < image.height; ++y)
      std::copy_n(&image.rgba[(static_cast<std::size_t>(y) * image.width + f * frameWidth) * 4], frameWidth * 4,
                  &out.rgba[(static_cast<std::size_t>(oy + y) * out.width + ox) * 4]);
  }
  return out;
}

}  // namespace

RgbaImage MakeContactSheet(const std::vector<RgbaImage>& images) {
  const int count = static_cast<int>(images.size());
  const int rows = (count + Columns - 1) / Columns;
  Canvas labels(Columns * CellWidth, rows * CellHeight, Ink);
  for (int id = 0; id < count; ++id) {
    const int x = (id % Columns) * CellWidth, y = (id / Columns) * CellHeight;
    DrawText(labels, x + 7, y + BoxHeight + 12, Label(TextureCatalog[id].name), PaleCold);
  }
  RgbaImage sheet = ToRgba(labels);
  for (int id = 0; id < count; ++id) {
    const RgbaImage& src = images[id];
    if (src.width == 0) continue;
    const RgbaImage image = Wrapped(src, FrameWidth(static_cast<TextureId>(id), src.width));
    const float scale = std::min(static_cast<float>(BoxWidth) / image.width, static_cast<float>(BoxHeight) / image.height);
    const int w = std::max(1, static_cast<int>(image.width * scale)), h = std::max(1, static_cast<int>(image.height * scale));
    const int ox = (id % Columns) * CellWidth + 7 + (BoxWidth - w) / 2;
    const int oy = (id / Columns) * CellHeight + 6 + (BoxHeight - h) / 2;
    for (int ty = 0; ty < h; ++ty)
      for (int tx = 0; tx < w; ++tx) {
        // Average the source pixels under this thumbnail pixel, over a checkerboard.
        const int sx0 = tx * image.width / w, sx1 = std::max(sx0 + 1, (tx + 1) * image.width / w);
        const int sy0 = ty * image.height / h, sy1 = std::max(sy0 + 1, (ty + 1) * image.height / h);
        const int checker = ((tx / 6 + ty / 6) & 1) ? 70 : 50;
        float sum[3] = {0, 0, 0};
        int n = 0;
        for (int sy = sy0; sy < sy1; ++sy)
          for (int sx = sx0; sx < sx1; ++sx) {
            const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(sy) * image.width + sx) * 4];
            const float a = p[3] / 255.0f;
            for (int k = 0; k < 3; ++k) sum[k] += p[k] * a + checker * (1 - a);
            ++n;
          }
        std::uint8_t* d = &sheet.rgba[(static_cast<std::size_t>(oy + ty) * sheet.width + ox + tx) * 4];
        for (int k = 0; k < 3; ++k) d[k] = static_cast<std::uint8_t>(sum[k] / n + 0.5f);
        d[3] = 255;
      }
  }
  return sheet;
}

}  // namespace art
