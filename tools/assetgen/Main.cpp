// Writes the game's Assets/ folder: every picture and every sound; or the
// web page's own pictures.
#include <cstdio>
#include <filesystem>

#include "Pictures.h"
#include "Sounds.h"

#include <string_view>

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--web-page") {
    PaintWebPagePictures(argv[2]);
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ASSETS_DIR\n       %s --web-page DIR\n", argv[0], argv[0]);
    return 2;
  }
  const std::filesystem::path assetsDir = argv[1];
  PaintPictures(assetsDir);
  MakeSounds(assetsDir);
  return 0;
}
