// Makes the game's desktop icon from its title picture: the middle square of
// the picture, scaled down to size by averaging (weighted by alpha, so clear
// pixels lend no colour), written as an RGBA PNG.
//
//   tarnwick_icon <title picture.png> <icon.png> <size>

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // rows packed, top first
};

bool ReadPng(const char* path, Image& image) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  png_image reader{};
  reader.version = PNG_IMAGE_VERSION;
  bool ok = false;
  if (png_image_begin_read_from_stdio(&reader, file)) {
    reader.format = PNG_FORMAT_RGBA;
    image.width = static_cast<int>(reader.width);
    image.height = static_cast<int>(reader.height);
    image.rgba.resize(PNG_IMAGE_SIZE(reader));
    ok = png_image_finish_read(&reader, nullptr, image.rgba.data(), 0, nullptr) != 0;
  }
  png_image_free(&reader);
  std::fclose(file);
  return ok;
}

bool WritePng(const char* path, const Image& image) {
  png_image writer{};
  writer.version = PNG_IMAGE_VERSION;
  writer.width = static_cast<png_uint_32>(image.width);
  writer.height = static_cast<png_uint_32>(image.height);
  writer.format = PNG_FORMAT_RGBA;
  const bool ok = png_image_write_to_file(&writer, path, 0, image.rgba.data(), 0, nullptr) != 0;
  png_image_free(&writer);
  return ok;
}

// The middle square of `source`, `size` pixels a side. Each icon pixel is the
// average of the source area it covers, partly covered pixels counting by the
// part covered.
Image SquareIcon(const Image& source, int size) {
  const int side = source.width < source.height ? source.width : source.height;
  const double left = (source.width - side) / 2.0;
  const double top = (source.height - side) / 2.0;
  const double step = static_cast<double>(side) / size;
  Image icon;
  icon.width = icon.height = size;
  icon.rgba.resize(static_cast<std::size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double x0 = left + x * step, x1 = x0 + step;
      const double y0 = top + y * step, y1 = y0 + step;
      double sum[4] = {0, 0, 0, 0};
      double area = 0;
      for (int sy = static_cast<int>(y0); sy < y1 && sy < source.height; ++sy) {
        const double h = (sy + 1 < y1 ? sy + 1 : y1) - (sy > y0 ? sy : y0);
        for (int sx = static_cast<int>(x0); sx < x1 && sx < source.width; ++sx) {
          const double w = (sx + 1 < x1 ? sx + 1 : x1) - (sx > x0 ? sx : x0);
          const unsigned char* p = &source.rgba[(static_cast<std::size_t>(sy) * source.width + sx) * 4];
          const double alpha = p[3] / 255.0;
          for (int c = 0; c < 3; ++c) sum[c] += w * h * alpha * p[c];
          sum[3] += w * h * p[3];
          area += w * h;
        }
      }
      unsigned char* out = &icon.rgba[(static_cast<std::size_t>(y) * size + x) * 4];
      const double coverage = sum[3] / 255.0;  // area-weighted alpha
      for (int c = 0; c < 3; ++c) out[c] = static_cast<unsigned char>(coverage > 0 ? sum[c] / coverage + 0.5 : 0);
      out[3] = static_cast<unsigned char>(area > 0 ? sum[3] / area + 0.5 : 0);
    }
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[3]) < 1) {
    std::fprintf(stderr, "usage: %s TITLE_PICTURE.png ICON.png SIZE\n", argv[0]);
    return 2;
  }
  Image title;
  if (!ReadPng(argv[1], title) || title.width < 1 || title.height < 1) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  if (!WritePng(argv[2], SquareIcon(title, std::atoi(argv[3])))) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
