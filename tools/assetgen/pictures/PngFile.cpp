#include "PngFile.h"

#include <png.h>

#include <array>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace art {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

RgbaImage ToRgba(const Canvas& canvas) {
  RgbaImage image{canvas.Width(), canvas.Height(), {}};
  image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  std::size_t i = 0;
  for (Color c : canvas.Pixels()) {
    const Rgba& p = Palette[c];
    image.rgba[i++] = p.r;
    image.rgba[i++] = p.g;
    image.rgba[i++] = p.b;
    image.rgba[i++] = p.a;
  }
  return image;
}

namespace {

// How a PNG's rows are filtered and deflated.
struct Packing {
  int filters;
  int level;
};

// The game's pictures: the game inflates all of them before its first frame,
// and unfiltered rows at the strongest deflate inflate fastest of all the
// choices measured (a third faster than rows filtered per row at level 6,
// and smaller too: flat pixel art gains nothing from the filters).
constexpr Packing PicturePacking{PNG_FILTER_NONE, 9};
// Other images (the contact sheet, the icon's source): smaller with filters,
// and quick to make at a middling level.
constexpr Packing ImagePacking{PNG_FILTER_NONE | PNG_FILTER_SUB | PNG_FILTER_UP, 6};

// Writes a PNG of `height` rows: `describe` sets its header (and palette),
// `row(y)` gives each row's bytes.
template <typename Describe, typename Row>
void WriteRows(const std::filesystem::path& path, int height, Packing packing, Describe describe, Row row) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot write " + path.string());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng could not start");
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng failed on " + path.string());
  }
  png_init_io(png, file.get());
  describe(png, info);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, packing.filters);
  png_set_compression_level(png, packing.level);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) png_write_row(png, row(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot finish " + path.string());
}

}  // namespace

void WritePng(const std::filesystem::path& path, const RgbaImage& image) {
  WriteRows(
      path, image.height, ImagePacking,
      [&](png_structp png, png_infop info) {
        png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
      },
      [&](int y) { return image.rgba.data() + static_cast<std::size_t>(y) * image.width * 4; });
}

void WritePng(const std::filesystem::path& path, const Canvas& canvas) {
  // Every picture is painted in the one palette, so it is stored as indexes
  // into it: a quarter of the pixels to inflate when the game loads, which
  // shortens its start-up. The first entry is the one transparent colour.
  static_assert(Palette[Clear].a == 0 && Clear == 0, "the transparent colour comes first");
  const std::vector<Color>& pixels = canvas.Pixels();
  WriteRows(
      path, canvas.Height(), PicturePacking,
      [&](png_structp png, png_infop info) {
        png_set_IHDR(png, info, canvas.Width(), canvas.Height(), 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        std::array<png_color, ColorCount> colours{};
        for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = {Palette[i].r, Palette[i].g, Palette[i].b};
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
        png_byte transparent = 0;
        png_set_tRNS(png, info, &transparent, 1, nullptr);
      },
      [&](int y) {
        return reinterpret_cast<png_const_bytep>(pixels.data() + static_cast<std::size_t>(y) * canvas.Width());
      });
}

std::optional<RgbaImage> ReadPng(const std::filesystem::path& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_read_struct(&png, &info, nullptr);
    return std::nullopt;
  }
  RgbaImage image;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return std::nullopt;
  }
  png_init_io(png, file.get());
  png_read_info(png, info);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  const int colorType = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_PALETTE)
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  rows.resize(image.height);
  for (int y = 0; y < image.height; ++y) rows[y] = image.rgba.data() + static_cast<std::size_t>(y) * image.width * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return image;
}

}  // namespace art
