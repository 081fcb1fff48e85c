#include "platform/PngPictures.h"

#include <png.h>

#include <array>
#include <cstring>
#include <new>

namespace {

struct PngReadState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngReadState() { png_destroy_read_struct(&png, &info, nullptr); }
};

// A broken picture fails silently: the game logs only its own one line about
// the first picture that did not load.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// One pixel as its four bytes in memory: red, green, blue, alpha.
std::uint32_t Rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  const std::array<std::uint8_t, 4> bytes{r, g, b, a};
  std::uint32_t pixel;
  std::memcpy(&pixel, bytes.data(), sizeof pixel);
  return pixel;
}

}  // namespace

const DecodedPicture* PngPictureReader::Read(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return nullptr;
  bool decoded = false;
  try {
    decoded = Decode(file);
  } catch (const std::bad_alloc&) {
    Release();  // a picture too large for the memory fails like a broken one
  }
  std::fclose(file);
  return decoded ? &picture_ : nullptr;
}

void PngPictureReader::Release() {
  pixels_ = {};
  indexes_ = {};
  rows_ = {};
  picture_ = {};
}

bool PngPictureReader::Decode(std::FILE* file) {
  // PNG only: anything without the signature fails like a missing file.
  std::array<png_byte, 8> signature{};
  if (std::fread(signature.data(), 1, signature.size(), file) != signature.size() ||
      png_sig_cmp(signature.data(), 0, signature.size()) != 0)
    return false;

  PngReadState state;
  state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
  if (!state.png) return false;
  state.info = png_create_info_struct(state.png);
  if (!state.info) return false;
  // libpng reports a broken file by jumping back here. Nothing between here
  // and the jump owns memory of its own: the buffers are members, kept whole.
  if (setjmp(png_jmpbuf(state.png))) return false;

  png_set_user_limits(state.png, MaxSide, MaxSide);
  png_init_io(state.png, file);
  png_set_sig_bytes(state.png, static_cast<int>(signature.size()));
  png_read_info(state.png, state.info);

  const int width = static_cast<int>(png_get_image_width(state.png, state.info));
  const int height = static_cast<int>(png_get_image_height(state.png, state.info));
  const int colorType = png_get_color_type(state.png, state.info);
  const bool transparentEntries = png_get_valid(state.png, state.info, PNG_INFO_tRNS) != 0;
  const bool interlaced = png_get_interlace_type(state.png, state.info) != PNG_INTERLACE_NONE;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  pixels_.resize(count);

  if (colorType == PNG_COLOR_TYPE_PALETTE && !interlaced) {
    // The palette's colours once, then one table look-up a pixel.
    std::array<std::uint32_t, 256> colours{};
    png_colorp palette = nullptr;
    int entries = 0;
    png_get_PLTE(state.png, state.info, &palette, &entries);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    if (transparentEntries) png_get_tRNS(state.png, state.info, &alphas, &alphaCount, nullptr);
    for (int i = 0; i < entries; ++i)
      colours[i] = Rgba(palette[i].red, palette[i].green, palette[i].blue, i < alphaCount ? alphas[i] : 0xFF);
    png_set_packing(state.png);  // indexes of fewer bits, one byte each
    png_read_update_info(state.png, state.info);
    indexes_.resize(static_cast<std::size_t>(width));
    std::uint32_t* out = pixels_.data();
    for (int y = 0; y < height; ++y) {
      png_read_row(state.png, indexes_.data(), nullptr);
      for (int x = 0; x < width; ++x) *out++ = colours[indexes_[x]];
    }
  } else {
    // Any other PNG: libpng's conversions to the same four bytes a pixel.
    png_set_expand(state.png);
    png_set_strip_16(state.png);
    png_set_gray_to_rgb(state.png);
    png_set_add_alpha(state.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(state.png);
    png_read_update_info(state.png, state.info);
    rows_.resize(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
      rows_[y] = reinterpret_cast<std::uint8_t*>(pixels_.data() + static_cast<std::size_t>(y) * width);
    png_read_image(state.png, rows_.data());
  }
  png_read_end(state.png, nullptr);

  picture_.width = width;
  picture_.height = height;
  picture_.pixels = pixels_.data();
  picture_.hasAlpha = transparentEntries || (colorType & PNG_COLOR_MASK_ALPHA) != 0;
  return true;
}
