#pragma once
// PNG files in and out, through libpng: the pictures as 8-bit indexes into the
// palette, other images as 8-bit RGBA; no time stamps or other chunks that
// would change from run to run.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "Canvas.h"

namespace art {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes, rows top to bottom
};

RgbaImage ToRgba(const Canvas& canvas);

// Writes the image; throws std::runtime_error when the file cannot be written.
void WritePng(const std::filesystem::path& path, const RgbaImage& image);
// A picture in the palette, written as an indexed PNG (the first entry transparent).
void WritePng(const std::filesystem::path& path, const Canvas& canvas);

// Reads any PNG into 8-bit RGBA; nothing when the file is missing or broken.
std::optional<RgbaImage> ReadPng(const std::filesystem::path& path);

}  // namespace art
