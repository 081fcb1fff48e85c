// Paints every picture of the texture catalog and writes it where the game
// loads it from, then a contact sheet of them all beside the Assets folder.
#include "Pictures.h"

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ContactSheet.h"
#include "Library.h"
#include "PngFile.h"

namespace art {

const Painters& AllPainters() {
  static const Painters painters = [] {
    Painters p;
    AddHousePictures(p);
    AddComputerPictures(p);
    AddRoadPictures(p);
    AddForestPictures(p);
    AddCabinPictures(p);
    AddCabinKitchenPictures(p);
    AddCabinBedroomPictures(p);
    AddCabinCloseUps(p);
    AddCabinOutsidePictures(p);
    AddCreaturePictures(p);
    AddTextPictures(p);
    AddSpritePictures(p);
    AddFontSheets(p);
    AddOverlays(p);
    for (int id = 0; id < TextureCount; ++id)
      if (!p[id]) throw std::logic_error(std::string("no painter for ") + TextureCatalog[id].name);
    return p;
  }();
  return painters;
}

int FrameWidth(TextureId id, int pictureWidth) {
  switch (id) {
    case WalkToLakeTexture:
    case WalkToPhoneTexture:
    case DriveAwaySheetTexture:
    case ClosetInsideTexture: return ScreenWidth;
    case ItGetsAwaySheetTexture: return RoomWidth;
    case StaticTexture: return 128;
    default: return pictureWidth;
  }
}

Canvas JoinFrames(const std::vector<Canvas>& frames) {
  int width = 0, height = 0;
  for (const Canvas& f : frames) {
    width += f.Width();
    height = std::max(height, f.Height());
  }
  Canvas strip(width, height);
  int x = 0;
  for (const Canvas& f : frames) {
    strip.Blit(f, x, 0);
    x += f.Width();
  }
  return strip;
}

}  // namespace art

namespace {

// The catalog's paths start at the game's working directory; the generator
// writes into the Assets folder itself.
std::filesystem::path OutputPath(const std::filesystem::path& assetsDir, std::string_view catalogPath) {
  constexpr std::string_view prefix = "Assets/";
  if (catalogPath.substr(0, prefix.size()) == prefix) catalogPath.remove_prefix(prefix.size());
  return assetsDir / std::filesystem::path(std::string(catalogPath));
}

}  // namespace

void PaintPictures(const std::filesystem::path& assetsDir) {
  using namespace art;
  const Painters& painters = AllPainters();
  std::vector<RgbaImage> images(TextureCount);
  for (const TextureEntry& entry : TextureCatalog)
    std::filesystem::create_directories(OutputPath(assetsDir, entry.path).parent_path());

  // The pictures do not depend on each other: paint and write them on every core.
  std::atomic<int> next{0};
  std::vector<std::string> errors(TextureCount);
  auto work = [&] {
    for (int id = next++; id < TextureCount; id = next++) {
      try {
        const Canvas picture = painters[id]();
        WritePng(OutputPath(assetsDir, TextureCatalog[id].path), picture);
        images[id] = ToRgba(picture);
      } catch (const std::exception& e) {
        errors[id] = std::string(TextureCatalog[id].name) + ": " + e.what();
      }
    }
  };
  const unsigned cores = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
  std::vector<std::thread> threads;
  for (unsigned i = 1; i < cores; ++i) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  for (const std::string& e : errors)
    if (!e.empty()) throw std::runtime_error(e);
  WritePng(OutputPath(assetsDir, CaptionsTextureEntry.path), PaintCaptionLetters());

  std::filesystem::path dir = assetsDir.lexically_normal();
  if (dir.filename().empty()) dir = dir.parent_path();
  WritePng(dir.parent_path() / "contact-sheet.png", MakeContactSheet(images));
}

void PaintWebPagePictures(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  for (const auto& [name, picture] : art::PaintWebPagePictures()) art::WritePng(dir / name, picture);
}
