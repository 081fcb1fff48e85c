#pragma once
// The pictures the generator wrote for the build, read back for the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/TextureCatalog.h"
#include "pictures/PngFile.h"

inline const std::filesystem::path AssetsDir = TARNWICK_ASSETS_DIR;

// Where the generator put a catalog entry: the catalog's path without its
// leading "Assets/", under the Assets folder.
inline std::filesystem::path Generated(const std::filesystem::path& assetsDir, const TextureEntry& entry) {
  std::string path = entry.path;
  const std::string prefix = "Assets/";
  EXPECT_EQ(path.rfind(prefix, 0), 0u) << path;
  return assetsDir / path.substr(prefix.size());
}

inline art::RgbaImage Load(TextureId id) {
  const auto image = art::ReadPng(Generated(AssetsDir, TextureCatalog[id]));
  if (!image) ADD_FAILURE() << "cannot read " << TextureCatalog[id].path;
  return image.value_or(art::RgbaImage{});
}
