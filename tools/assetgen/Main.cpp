// Writes the game's Assets/ folder: every picture and every sound.
#include <cstdio>
#include <filesystem>

#include "Pictures.h"
#include "Sounds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path assetsDir = argv[1];
  PaintPictures(assetsDir);
  MakeSounds(assetsDir);
  return 0;
}
