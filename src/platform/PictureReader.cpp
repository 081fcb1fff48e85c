#include "platform/PictureReader.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>

namespace {

// libpng reports errors by a long jump back into the function that set it up,
// so everything here is plain data, released by hand.
bool DecodeOpenFile(std::FILE* file, RgbaPicture& picture) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  unsigned char* volatile pixels = nullptr;
  png_bytep* volatile rows = nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    delete[] pixels;
    delete[] rows;
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  if (depth != 8 || colorType != PNG_COLOR_TYPE_RGBA || interlace != PNG_INTERLACE_NONE ||
      png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  // A picture too big for the memory is left to SDL_image, which fails on it.
  pixels = new (std::nothrow) unsigned char[static_cast<std::size_t>(width) * height * 4];
  rows = new (std::nothrow) png_bytep[height];
  if (!pixels || !rows) {
    delete[] pixels;
    delete[] rows;
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = pixels + static_cast<std::size_t>(y) * width * 4;
  // As SDL_image does it: the image, and nothing after it.
  png_read_image(png, rows);
  png_destroy_read_struct(&png, &info, nullptr);
  delete[] rows;
  picture.pixels.reset(pixels);
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  return true;
}

}  // namespace

bool DecodeRgbaPng(const char* path, RgbaPicture& picture) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  const bool decoded = DecodeOpenFile(file, picture);
  std::fclose(file);
  return decoded;
}

void PictureReader::Start(int workers) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (started_) return;
    for (RgbaPicture& picture : pictures_) picture = {};
    done_.fill(false);
    usable_.fill(false);
    taken_.fill(false);
    next_ = 0;
    started_ = true;
  }
  for (int i = 0; i < (workers > 0 ? workers : 1); ++i) workers_.emplace_back([this] { Work(); });
}

void PictureReader::Work() {
  for (;;) {
    int id = 0;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (next_ >= TextureCount) return;
      id = next_++;
    }
    RgbaPicture picture;
    const bool usable = DecodeRgbaPng(TextureCatalog[id].path, picture);
    const std::lock_guard<std::mutex> lock(mutex_);
    pictures_[id] = std::move(picture);
    usable_[id] = usable;
    done_[id] = true;
    decoded_.notify_all();
  }
}

SDL_Surface* PictureReader::Take(TextureId id) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!started_ || taken_[id]) return nullptr;
  decoded_.wait(lock, [&] { return done_[id]; });
  taken_[id] = true;
  if (!usable_[id]) return nullptr;
  const RgbaPicture& picture = pictures_[id];
  return SDL_CreateRGBSurfaceWithFormatFrom(picture.pixels.get(), picture.width, picture.height, 32,
                                            picture.width * 4, SDL_PIXELFORMAT_RGBA32);
}

void PictureReader::Release(TextureId id) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (taken_[id]) pictures_[id] = {};
}

void PictureReader::Stop() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    next_ = TextureCount;  // the workers finish the picture in hand and stop
  }
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
  const std::lock_guard<std::mutex> lock(mutex_);
  for (RgbaPicture& picture : pictures_) picture = {};
  started_ = false;
}
