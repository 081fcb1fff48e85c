// Every kind of PNG the game might be given becomes a texture with the same
// pixels, read back from SDL's software renderer (the display-less video
// driver): the palette pictures the generator writes, palettes of fewer bits,
// grey, grey with alpha, RGB, RGBA, 16 bits a channel and interlaced rows.
// Transparent parts blend over what is behind; opaque pictures cover it.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/TextureCatalog.h"
#include "platform/SdlSystem.h"

namespace {

namespace fs = std::filesystem;

struct Pixel {
  int r, g, b, a;
};

// A picture as the test knows it: its pixels, and how to store them.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;
};

// The test's own picture: a few colours, one fully transparent pixel, one half.
Picture Sample() {
  Picture p{5, 3, {}};
  const Pixel colours[] = {{200, 30, 40, 255}, {10, 220, 90, 255}, {0, 0, 0, 255}, {255, 255, 255, 255}};
  for (int i = 0; i < p.width * p.height; ++i) p.pixels.push_back(colours[i % 4]);
  p.pixels[6] = {0, 0, 0, 0};
  p.pixels[13] = {40, 60, 250, 128};
  return p;
}

Picture Grey(bool alpha) {
  Picture p{4, 2, {}};
  for (int i = 0; i < 8; ++i) {
    const int v = i * 36;
    p.pixels.push_back({v, v, v, alpha && i == 3 ? 0 : 255});
  }
  return p;
}

// Writes `picture` as a PNG of the given colour type and bit depth through libpng.
void Write(const fs::path& path, const Picture& picture, int colourType, int depth, bool interlaced = false) {
  fs::create_directories(path.parent_path());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ASSERT_EQ(setjmp(png_jmpbuf(png)), 0);
  png_init_io(png, file);
  png_set_IHDR(png, info, picture.width, picture.height, depth, colourType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  std::vector<int> indexes;
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    // One entry per distinct pixel, in order of first use.
    for (const Pixel& p : picture.pixels) {
      int found = -1;
      for (std::size_t i = 0; i < palette.size(); ++i)
        if (palette[i].red == p.r && palette[i].green == p.g && palette[i].blue == p.b && alphas[i] == p.a)
          found = static_cast<int>(i);
      if (found < 0) {
        found = static_cast<int>(palette.size());
        palette.push_back({static_cast<png_byte>(p.r), static_cast<png_byte>(p.g), static_cast<png_byte>(p.b)});
        alphas.push_back(static_cast<png_byte>(p.a));
      }
      indexes.push_back(found);
    }
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  png_write_info(png, info);
  if (depth == 16) png_set_swap(png);  // the rows below are written in the machine's order
  const int channels = colourType == PNG_COLOR_TYPE_PALETTE || colourType == PNG_COLOR_TYPE_GRAY ? 1
                       : colourType == PNG_COLOR_TYPE_GRAY_ALPHA                                  ? 2
                       : colourType == PNG_COLOR_TYPE_RGB                                         ? 3
                                                                                                  : 4;
  const int passes = interlaced ? png_set_interlace_handling(png) : 1;
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < picture.height; ++y) {
      std::vector<png_uint_16> row16;
      std::vector<png_byte> row;
      for (int x = 0; x < picture.width; ++x) {
        const Pixel& p = picture.pixels[y * picture.width + x];
        const int values[4] = {p.r, p.g, p.b, p.a};
        if (colourType == PNG_COLOR_TYPE_PALETTE) {
          row.push_back(static_cast<png_byte>(indexes[y * picture.width + x]));
          continue;
        }
        for (int c = 0; c < channels; ++c) {
          const int v = channels <= 2 && c == 1 ? p.a : values[c];
          if (depth == 16)
            row16.push_back(static_cast<png_uint_16>(v * 257));
          else
            row.push_back(static_cast<png_byte>(v));
        }
      }
      if (colourType == PNG_COLOR_TYPE_PALETTE && depth < 8) {
        // Pack the indexes, high bits first.
        std::vector<png_byte> packed((picture.width * depth + 7) / 8);
        for (int x = 0; x < picture.width; ++x)
          packed[x * depth / 8] |= static_cast<png_byte>(row[x] << (8 - depth - (x * depth) % 8));
        row = packed;
      }
      png_write_row(png, depth == 16 ? reinterpret_cast<png_bytep>(row16.data()) : row.data());
    }
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

class PlatformPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("tarnwick-pictures-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    fs::current_path(dir_);
    system_ = std::make_unique<SdlSystem>();
    system_->InitSubsystems();
    ASSERT_TRUE(system_->CreateWindow()) << SDL_GetError();
    ASSERT_TRUE(system_->CreateRenderer()) << SDL_GetError();
    renderer_ = SDL_GetRenderer(SDL_GL_GetCurrentWindow() ? SDL_GL_GetCurrentWindow() : FirstWindow());
    ASSERT_NE(renderer_, nullptr);
  }
  void TearDown() override {
    system_.reset();
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static SDL_Window* FirstWindow() {
    for (Uint32 id = 1; id < 16; ++id)
      if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
    return nullptr;
  }

  // Loads the file as MenuTexture, draws it at its own size over a red
  // background, and reads back what is on the screen.
  std::vector<Pixel> LoadAndShow(const fs::path& path, int width, int height) {
    system_->LoadTexture(MenuTexture, path.c_str());
    system_->FreeSurfaces();
    EXPECT_TRUE(system_->TextureLoaded(MenuTexture));
    Drawing& drawing = system_->GamePlatform().drawing;
    drawing.SetDrawColor({255, 0, 0, 255});
    drawing.Clear();
    drawing.DrawTexture(MenuTexture, nullptr, {0, 0, static_cast<float>(width), static_cast<float>(height)});
    std::vector<Uint8> bytes(static_cast<std::size_t>(width) * height * 4);
    const SDL_Rect area{0, 0, width, height};
    EXPECT_EQ(SDL_RenderReadPixels(renderer_, &area, SDL_PIXELFORMAT_RGBA32, bytes.data(), width * 4), 0)
        << SDL_GetError();
    std::vector<Pixel> shown;
    for (std::size_t i = 0; i < bytes.size(); i += 4) shown.push_back({bytes[i], bytes[i + 1], bytes[i + 2], 255});
    return shown;
  }

  // What a picture looks like over red: each pixel blended by its alpha.
  static std::vector<Pixel> OverRed(const Picture& picture) {
    std::vector<Pixel> seen;
    for (const Pixel& p : picture.pixels) {
      const auto mix = [&](int c, int back) { return (c * p.a + back * (255 - p.a)) / 255; };
      seen.push_back({mix(p.r, 255), mix(p.g, 0), mix(p.b, 0), 255});
    }
    return seen;
  }

  static void ExpectNear(const std::vector<Pixel>& shown, const std::vector<Pixel>& expected, const char* what) {
    ASSERT_EQ(shown.size(), expected.size()) << what;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      // Blending rounds; a step of one either way is the same colour.
      EXPECT_NEAR(shown[i].r, expected[i].r, 1) << what << ", pixel " << i;
      EXPECT_NEAR(shown[i].g, expected[i].g, 1) << what << ", pixel " << i;
      EXPECT_NEAR(shown[i].b, expected[i].b, 1) << what << ", pixel " << i;
    }
  }

  fs::path previous_;
  fs::path dir_;
  std::unique_ptr<SdlSystem> system_;
  SDL_Renderer* renderer_ = nullptr;
};

TEST_F(PlatformPictures, EveryKindOfPngShowsItsOwnPixels) {
  const Picture sample = Sample();
  struct Kind {
    const char* name;
    int colourType;
    int depth;
    bool interlaced;
  };
  const Kind kinds[] = {
      {"palette, 8 bits", PNG_COLOR_TYPE_PALETTE, 8, false},
      {"palette, 4 bits", PNG_COLOR_TYPE_PALETTE, 4, false},
      {"palette, interlaced", PNG_COLOR_TYPE_PALETTE, 8, true},
      {"RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
      {"RGBA, 16 bits", PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
      {"RGBA, interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true},
  };
  for (const Kind& kind : kinds) {
    const fs::path path = dir_ / (std::string(kind.name) + ".png");
    Write(path, sample, kind.colourType, kind.depth, kind.interlaced);
    ExpectNear(LoadAndShow(path, sample.width, sample.height), OverRed(sample), kind.name);
  }
}

TEST_F(PlatformPictures, OpaqueKindsCoverWhatIsBehind) {
  Picture opaque = Sample();
  for (Pixel& p : opaque.pixels) p.a = 255;
  Write(dir_ / "rgb.png", opaque, PNG_COLOR_TYPE_RGB, 8);
  ExpectNear(LoadAndShow(dir_ / "rgb.png", opaque.width, opaque.height), opaque.pixels, "RGB");
  const Picture grey = Grey(false);
  Write(dir_ / "grey.png", grey, PNG_COLOR_TYPE_GRAY, 8);
  ExpectNear(LoadAndShow(dir_ / "grey.png", grey.width, grey.height), grey.pixels, "grey");
  const Picture greyAlpha = Grey(true);
  Write(dir_ / "grey-alpha.png", greyAlpha, PNG_COLOR_TYPE_GRAY_ALPHA, 8);
  ExpectNear(LoadAndShow(dir_ / "grey-alpha.png", greyAlpha.width, greyAlpha.height), OverRed(greyAlpha),
             "grey with alpha");
}

TEST_F(PlatformPictures, BrokenAndOversizedFilesLoadNothing) {
  const Picture sample = Sample();
  Write(dir_ / "good.png", sample, PNG_COLOR_TYPE_PALETTE, 8);
  // Cut short inside its image data.
  const auto size = fs::file_size(dir_ / "good.png");
  fs::copy_file(dir_ / "good.png", dir_ / "short.png");
  fs::resize_file(dir_ / "short.png", size - 20);
  testing::internal::CaptureStderr();
  system_->LoadTexture(MenuTexture, (dir_ / "short.png").c_str());
  EXPECT_FALSE(system_->TextureLoaded(MenuTexture));
  // The game logs only its own line about a missing picture, nothing of libpng's.
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  // Wider than any texture: refused from its header, before any memory is taken.
  Picture wide{PngPictureReader::MaxSide + 1, 1, {}};
  wide.pixels.assign(wide.width, {1, 2, 3, 255});
  Write(dir_ / "wide.png", wide, PNG_COLOR_TYPE_RGB, 8);
  system_->LoadTexture(MenuTexture, (dir_ / "wide.png").c_str());
  EXPECT_FALSE(system_->TextureLoaded(MenuTexture));
  // And a good one after them still loads.
  ExpectNear(LoadAndShow(dir_ / "good.png", sample.width, sample.height), OverRed(sample), "after broken ones");
}

}  // namespace
