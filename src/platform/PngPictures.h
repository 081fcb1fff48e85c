#pragma once
// Reading the game's PNG pictures straight into the pixel format the renderer
// takes, the bytes red, green, blue, alpha (what Mesa's software renderer
// stores: uploading them is a plain copy, while blue-first bytes are swapped
// pixel by pixel, which took three times as long here), into one buffer that
// every picture reuses, so that start-up neither converts a surface nor
// allocates one per picture. Pictures stored as indexes into a
// palette (the game's own are) are expanded row by row through a table of the
// palette's colours; every other kind of PNG goes through libpng's conversions.

#include <cstdint>
#include <cstdio>
#include <vector>

struct DecodedPicture {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;  // width * height, rows top to bottom, bytes R G B A
  bool hasAlpha = false;                   // an alpha channel or a transparent palette entry
};

class PngPictureReader {
 public:
  // The picture's pixels, valid until the next call; nothing for a missing
  // file, a file that is not a PNG, a broken one or one too large for a texture.
  const DecodedPicture* Read(const char* path);
  // Gives the buffer's memory back (it grows to the largest picture read).
  void Release();

  // Wider or taller pictures than this are refused: no renderer takes them.
  static constexpr int MaxSide = 16384;

 private:
  bool Decode(std::FILE* file);

  std::vector<std::uint32_t> pixels_;
  std::vector<std::uint8_t> indexes_;  // one row of palette indexes
  std::vector<std::uint8_t*> rows_;    // row starts, for libpng's own conversions
  DecodedPicture picture_;
};
