// Drawing on SDL 2's software renderer, which needs no display: source
// rectangles that reach past a picture are cut to it and the part left is
// stretched over the whole destination (the static overlay's frames rely on it).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextureCatalog.h"
#include "platform/SdlDrawing.h"

namespace {

constexpr Uint32 Red = 0xFF0000FF;
constexpr Uint32 Green = 0x00FF00FF;
constexpr Uint32 Blue = 0x0000FFFF;
constexpr Uint32 White = 0xFFFFFFFF;
constexpr Uint32 Black = 0x000000FF;

class PlatformDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    target_ = SDL_CreateRGBSurfaceWithFormat(0, 8, 2, 32, SDL_PIXELFORMAT_RGBA8888);
    ASSERT_NE(target_, nullptr) << SDL_GetError();
    renderer_ = SDL_CreateSoftwareRenderer(target_);
    ASSERT_NE(renderer_, nullptr) << SDL_GetError();
    drawing_.AttachRenderer(renderer_);
    drawing_.SetDrawColor({0, 0, 0, 255});
    drawing_.Clear();
  }
  void TearDown() override {
    for (SDL_Texture* texture : made_) SDL_DestroyTexture(texture);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (target_) SDL_FreeSurface(target_);
  }

  // A picture of the given pixels (RGBA8888), one row, as catalog entry `id`.
  void MakeRow(TextureId id, const std::vector<Uint32>& pixels) {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA8888,
                                             SDL_TEXTUREACCESS_STATIC, static_cast<int>(pixels.size()), 1);
    ASSERT_NE(texture, nullptr) << SDL_GetError();
    SDL_UpdateTexture(texture, nullptr, pixels.data(), static_cast<int>(pixels.size() * 4));
    made_.push_back(texture);
    drawing_.SetTexture(id, texture);
    drawing_.SetTextureNearest(id);
  }

  // The top row of the target, as colour names, for readable failures.
  std::string TopRow() const {
    std::string row;
    const Uint32* pixels = static_cast<const Uint32*>(target_->pixels);
    for (int x = 0; x < target_->w; ++x) {
      switch (pixels[x]) {
        case Red: row += 'R'; break;
        case Green: row += 'G'; break;
        case Blue: row += 'B'; break;
        case White: row += 'W'; break;
        case Black: row += '.'; break;
        default: row += '?'; break;
      }
    }
    return row;
  }

  SDL_Surface* target_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::vector<SDL_Texture*> made_;
  SdlDrawing drawing_;
};

TEST_F(PlatformDrawing, WholePictureFillsTheDestination) {
  MakeRow(LettersTexture, {Red, Green, Blue, White});
  drawing_.DrawTexture(LettersTexture, nullptr, {0, 0, 8, 1});
  EXPECT_EQ(TopRow(), "RRGGBBWW");
}

TEST_F(PlatformDrawing, SourceWiderThanThePictureIsCutToIt) {
  MakeRow(LettersTexture, {Red, Green, Blue, White});
  const FRect source{0, 0, 8, 1};
  drawing_.DrawTexture(LettersTexture, &source, {0, 0, 8, 1});
  // Not "RGBW" then nothing: the four real pixels cover all eight.
  EXPECT_EQ(TopRow(), "RRGGBBWW");
}

TEST_F(PlatformDrawing, SourceRunningOffTheRightEdgeStretchesWhatIsLeft) {
  MakeRow(LettersTexture, {Red, Green, Blue, White});
  const FRect source{2, 0, 4, 1};  // only Blue and White are on the picture
  drawing_.DrawTexture(LettersTexture, &source, {0, 0, 8, 1});
  EXPECT_EQ(TopRow(), "BBBBWWWW");
}

TEST_F(PlatformDrawing, SourceStartingLeftOfThePictureIsCutToo) {
  MakeRow(LettersTexture, {Red, Green, Blue, White});
  const FRect source{-2, 0, 4, 1};  // only Red and Green are on the picture
  drawing_.DrawTexture(LettersTexture, &source, {0, 0, 8, 1});
  EXPECT_EQ(TopRow(), "RRRRGGGG");
}

TEST_F(PlatformDrawing, SourceEntirelyOffThePictureDrawsNothing) {
  MakeRow(LettersTexture, {Red, Green, Blue, White});
  const FRect source{4, 0, 4, 1};
  drawing_.DrawTexture(LettersTexture, &source, {0, 0, 8, 1});
  EXPECT_EQ(TopRow(), "........");
}

TEST_F(PlatformDrawing, StaticFramesShowTheRestOfTheSheet) {
  // The static sheet's four frames are listed 128 apart but 128, 256, 384 and
  // 512 wide; here one pixel stands for 128.
  MakeRow(StaticTexture, {Red, Green, Blue, White});
  const FRect frames[4] = {{0, 0, 1, 1}, {1, 0, 2, 1}, {2, 0, 3, 1}, {3, 0, 4, 1}};
  const char* expected[4] = {"RRRRRRRR", "GGGGBBBB", "BBBBWWWW", "WWWWWWWW"};
  for (int frame = 0; frame < 4; ++frame) {
    drawing_.Clear();
    drawing_.DrawTexture(StaticTexture, &frames[frame], {0, 0, 8, 1});
    EXPECT_EQ(TopRow(), expected[frame]) << "frame " << frame;
  }
}

TEST_F(PlatformDrawing, FloatDestinationsAndBlendedFills) {
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  MakeRow(LettersTexture, {White});
  drawing_.DrawTexture(LettersTexture, nullptr, {2, 0, 4, 1});
  EXPECT_EQ(TopRow(), "..WWWW..");
  drawing_.SetDrawColor({0, 0, 0, 0});  // a fully transparent fade leaves the picture
  drawing_.FillRect({0, 0, 8, 2});
  EXPECT_EQ(TopRow(), "..WWWW..");
  drawing_.SetDrawColor({255, 0, 0, 255});
  drawing_.FillRect({0, 0, 3, 1});
  EXPECT_EQ(TopRow(), "RRRWWW..");
}

TEST_F(PlatformDrawing, PicturesThatFailedToLoadAreNotDrawn) {
  // A null entry (never loaded, or destroyed) is skipped quietly.
  const FRect source{0, 0, 1, 1};
  drawing_.DrawTexture(TipTexture, nullptr, {0, 0, 8, 2});
  drawing_.DrawTexture(TipTexture, &source, {0, 0, 8, 2});
  drawing_.SetTextureAlpha(TipTexture, 255);
  drawing_.SetTextureBlend(TipTexture);
  drawing_.SetTextureNearest(TipTexture);
  EXPECT_EQ(TopRow(), "........");
}

TEST(PlatformClipSource, KeepsWholePixelsInsideThePicture) {
  const auto inside = ClipSourceRect({1, 2, 3, 4}, 10, 10);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->x, 1);
  EXPECT_EQ(inside->y, 2);
  EXPECT_EQ(inside->w, 3);
  EXPECT_EQ(inside->h, 4);

  const auto cut = ClipSourceRect({384, 0, 512, 128}, 512, 128);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->x, 384);
  EXPECT_EQ(cut->w, 128);
  EXPECT_EQ(cut->h, 128);

  EXPECT_FALSE(ClipSourceRect({512, 0, 128, 128}, 512, 128));
  EXPECT_FALSE(ClipSourceRect({0, 128, 128, 128}, 512, 128));
  EXPECT_FALSE(ClipSourceRect({0, 0, 0, 5}, 512, 128));
}

}  // namespace
