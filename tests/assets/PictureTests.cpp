// The generated pictures: every file the game loads is there, the font sheets
// hold their glyphs in exactly the cells the dialogue reads, the doors and
// objects stand where the hotspot windows send the player, and the whole set
// comes out byte for byte the same on every run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "GeneratedPictures.h"
#include "Pictures.h"
#include "core/TextureCatalog.h"
#include "pictures/Placements.h"
#include "pictures/PngFile.h"
#include "presentation/Glyphs.h"
#include "world/Hotspots.h"
#include "core/Views.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Alpha(const art::RgbaImage& image, int x, int y) {
  return image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4 + 3];
}

bool CellHasInk(const art::RgbaImage& sheet, const FRect& cell) {
  for (int y = static_cast<int>(cell.y); y < static_cast<int>(cell.y + cell.h); ++y)
    for (int x = static_cast<int>(cell.x); x < static_cast<int>(cell.x + cell.w); ++x)
      if (Alpha(sheet, x, y) > 0) return true;
  return false;
}

// ---- Every picture is there ---------------------------------------------------------

TEST(GeneratedPictures, EveryCataloguedFileIsAReadablePng) {
  for (const TextureEntry& entry : TextureCatalog) {
    const fs::path path = Generated(AssetsDir, entry);
    ASSERT_TRUE(fs::exists(path)) << entry.name << " missing at " << path;
    const auto image = art::ReadPng(path);
    ASSERT_TRUE(image) << entry.name << " is not a readable PNG";
    EXPECT_GT(image->width, 0);
    EXPECT_GT(image->height, 0);
  }
}

TEST(GeneratedPictures, SheetsAndStripsHoldWholeFrames) {
  // The game slides these by whole frames of the drawn width; the art is a
  // quarter of it (the get-away views are backdrops, 500 wide).
  struct Expected {
    TextureId id;
    int frames, frameWidth, height;
  };
  for (const Expected& e : {Expected{WalkToLakeTexture, 30, 200, 150}, Expected{WalkToPhoneTexture, 6, 200, 150},
                            Expected{DriveAwaySheetTexture, 15, 200, 150}, Expected{ClosetInsideTexture, 3, 200, 150},
                            Expected{ItGetsAwaySheetTexture, 7, 500, 250}, Expected{StaticTexture, 4, 128, 128}}) {
    const art::RgbaImage image = Load(e.id);
    EXPECT_EQ(image.width, e.frames * e.frameWidth) << TextureCatalog[e.id].name;
    EXPECT_EQ(image.height, e.height) << TextureCatalog[e.id].name;
  }
  const art::RgbaImage scanlines = Load(ScanlinesTexture);
  EXPECT_EQ(scanlines.width, 800);
  EXPECT_EQ(scanlines.height, 600);
}

TEST(GeneratedPictures, BackdropsAreAQuarterOfTheirDrawnSize) {
  for (TextureId id : {HouseBedRoomBedTexture, CabinInsideTexture, CabinKitchenTexture, ForestCarTexture, LakeTexture,
                       CampfireThreeTexture, HouseWalkMiddleTwoTexture, NoPhoneCabinTexture}) {
    const art::RgbaImage image = Load(id);
    EXPECT_EQ(image.width, RoomView.w / 4) << TextureCatalog[id].name;
    EXPECT_EQ(image.height, RoomView.h / 4) << TextureCatalog[id].name;
  }
  const art::RgbaImage wide = Load(LivingRoomTwoTexture);
  EXPECT_EQ(wide.width, 2100 / 4);
  for (TextureId id : {ForestWalkOneTexture, CarDriveTwoEightTexture, LeaveCabinFiveTexture, JumpscareTexture, MenuTexture}) {
    const art::RgbaImage image = Load(id);
    EXPECT_EQ(image.width, ScreenView.w / 4) << TextureCatalog[id].name;
    EXPECT_EQ(image.height, ScreenView.h / 4) << TextureCatalog[id].name;
  }
}

TEST(GeneratedPictures, OnlySpritesAndOverlaysHaveTransparentParts) {
  // Everything drawn as a backdrop or over the whole screen covers what is under it.
  const std::set<TextureId> seeThrough = {MoveTexture,       UseTexture,         ToothBrushTexture, LettersTexture,
                                          PizzaTexture,      SymbolsTexture,     NextDayTexture,    SoupTexture,
                                          LighterTexture,    ScanlinesTexture,   WaterBottleTexture, WalkTexture,
                                          FishingRodTexture, FishingRodUsingTexture, ClickALotTexture, CursorTexture};
  for (int id = 0; id < TextureCount; ++id) {
    if (seeThrough.count(static_cast<TextureId>(id))) continue;
    const art::RgbaImage image = Load(static_cast<TextureId>(id));
    int clear = 0;
    for (std::size_t i = 3; i < image.rgba.size(); i += 4) clear += image.rgba[i] != 255;
    EXPECT_EQ(clear, 0) << TextureCatalog[id].name << " has pixels that are not opaque";
  }
}

// ---- The font sheets ------------------------------------------------------------------

TEST(FontSheets, EveryLetterCellHoldsAGlyphAndTheNulCellNothing) {
  const art::RgbaImage sheet = Load(LettersTexture);
  ASSERT_EQ(sheet.width, LettersSheetWidth);
  ASSERT_EQ(sheet.height, LettersSheetHeight);
  for (std::size_t j = 0; j < LetterTable.size(); ++j) {
    if (LetterTable[j] == '\0') {
      EXPECT_FALSE(CellHasInk(sheet, GlyphRects[j])) << "the NUL cell is drawn at every NUL and must stay clear";
    } else {
      EXPECT_TRUE(CellHasInk(sheet, GlyphRects[j])) << "no glyph for " << LetterTable[j];
    }
  }
}

TEST(FontSheets, TheColumnSharedByKAndLStaysEmpty) {
  const art::RgbaImage sheet = Load(LettersTexture);
  ASSERT_EQ(sheet.width, LettersSheetWidth);
  for (int y = 6; y < 11; ++y) EXPECT_EQ(Alpha(sheet, 16, y), 0) << "row " << y;
}

TEST(FontSheets, NoInkOutsideTheCells) {
  auto inSomeCell = [](const auto& cells, int x, int y) {
    return std::any_of(cells.begin(), cells.end(), [&](const FRect& r) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; });
  };
  const art::RgbaImage letters = Load(LettersTexture), symbols = Load(SymbolsTexture);
  for (int y = 0; y < letters.height; ++y)
    for (int x = 0; x < letters.width; ++x) {
      if (Alpha(letters, x, y) > 0) {
        EXPECT_TRUE(inSomeCell(GlyphRects, x, y)) << x << "," << y;
      }
    }
  for (int y = 0; y < symbols.height; ++y)
    for (int x = 0; x < symbols.width; ++x) {
      if (Alpha(symbols, x, y) > 0) {
        EXPECT_TRUE(inSomeCell(SymbolRects, x, y)) << x << "," << y;
      }
    }
}

TEST(FontSheets, EverySymbolCellHoldsAGlyph) {
  const art::RgbaImage sheet = Load(SymbolsTexture);
  ASSERT_EQ(sheet.width, SymbolsSheetWidth);
  ASSERT_EQ(sheet.height, SymbolsSheetHeight);
  for (std::size_t k = 0; k < SymbolTable.size(); ++k) EXPECT_TRUE(CellHasInk(sheet, SymbolRects[k])) << SymbolTable[k];
}

TEST(FontSheets, GlyphsAreLightForTheGreyBand) {
  const art::RgbaImage sheet = Load(LettersTexture);
  for (std::size_t i = 0; i + 3 < sheet.rgba.size(); i += 4) {
    if (sheet.rgba[i + 3] > 0) {
      EXPECT_GT(sheet.rgba[i] + sheet.rgba[i + 1] + sheet.rgba[i + 2], 3 * 160);
    }
  }
}

// ---- Doors and objects where the windows are -------------------------------------------------

// Scene 21 has a window but only ever exists under the black of a fade.
bool ShownWithAWindow(int scene) { return scene != 21; }

TEST(Placements, EveryWindowHasSomethingToWalkToOrUse) {
  std::set<int> placed;
  for (const art::Placement& p : art::Placements()) placed.insert(p.scene);
  for (const HotspotWindow& w : HotspotWindows) {
    if (ShownWithAWindow(w.scene)) {
      EXPECT_TRUE(placed.count(w.scene)) << "nothing placed for scene " << w.scene;
    }
  }
}

// Brute force, independent of the generator's own arithmetic: step the
// backdrop's x through the window (as far as walking can take it) and look at
// which art columns and rows the 800 by 600 screen shows.
TEST(Placements, EachThingIsOnScreenWheneverItsWindowHolds) {
  for (const art::Placement& p : art::Placements()) {
    const art::SceneBackdrop* backdrop = art::FindSceneBackdrop(p.scene);
    ASSERT_NE(backdrop, nullptr) << p.scene;
    EXPECT_EQ(backdrop->texture, p.texture) << p.thing << " in scene " << p.scene;
    const HotspotWindow* window = nullptr;
    for (const HotspotWindow& w : HotspotWindows)
      if (w.scene == p.scene) window = &w;
    ASSERT_NE(window, nullptr) << p.scene;

    const art::RgbaImage image = Load(p.texture);
    const float scaleX = backdrop->view.w / image.width, scaleY = backdrop->view.h / image.height;
    EXPECT_FLOAT_EQ(scaleX, 4.0f) << TextureCatalog[p.texture].name;

    std::vector<float> xs;
    if (!backdrop->walks) {
      xs.push_back(backdrop->view.x);
    } else {
      const float lo = std::max(window->lower, -1150.0f), hi = std::min(window->upper, 0.0f);
      for (float x = std::ceil(lo + 0.01f); x < hi; x += 1) xs.push_back(x);
      xs.push_back(hi);
    }
    ASSERT_FALSE(xs.empty());
    bool alwaysInView = true, everInView = false;
    for (float x : xs) {
      const float left = std::max(0.0f, -x / scaleX), right = std::min<float>(image.width, (800 - x) / scaleX);
      const bool inView = p.columns.lo >= left - 0.01f && p.columns.hi <= right + 0.01f;
      alwaysInView = alwaysInView && inView;
      everInView = everInView || inView;
    }
    const bool wholeWalk = window->lower == -Unbounded && window->upper == Unbounded;
    if (wholeWalk) {
      EXPECT_TRUE(everInView) << p.thing << " (scene " << p.scene << ") is never on screen";
    } else {
      EXPECT_TRUE(alwaysInView) << p.thing << " (scene " << p.scene << ") leaves the screen inside its window, columns "
                                << p.columns.lo << ".." << p.columns.hi;
    }

    // Vertically: inside what is seen while the backdrop's y rests where the scene puts it.
    const float top = -backdrop->view.y / scaleY, bottom = (600 - backdrop->view.y) / scaleY;
    EXPECT_GE(p.rows.lo, top - 0.01f) << p.thing << " in scene " << p.scene;
    EXPECT_LE(p.rows.hi, bottom + 0.01f) << p.thing << " in scene " << p.scene;
  }
}

TEST(Placements, TheCabinsMainRoomShowsADoorForEachOfItsFiveExits) {
  std::set<int> scenes;
  std::set<std::string_view> doors;
  for (const art::Placement& p : art::Placements())
    if (p.texture == CabinInsideTexture) {
      scenes.insert(p.scene);
      doors.insert(p.thing);
    }
  EXPECT_EQ(scenes, (std::set<int>{24, 33, 47, 65, 81}));
  EXPECT_EQ(doors.size(), 2u);  // the kitchen door and the bedroom door
}

TEST(Placements, ThingsInOneBackdropDoNotOverlap) {
  const auto& all = art::Placements();
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      const art::Placement &a = all[i], &b = all[j];
      if (a.texture != b.texture || a.thing == b.thing) continue;
      const bool apart = a.columns.hi <= b.columns.lo || b.columns.hi <= a.columns.lo;
      EXPECT_TRUE(apart) << a.thing << " and " << b.thing << " overlap in " << TextureCatalog[a.texture].name;
    }
}

// ---- The same bytes every time --------------------------------------------------------

TEST(Generation, IsDeterministic) {
  const fs::path root = fs::temp_directory_path() / ("tarnwick-pictures-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path first = root / "one" / "Assets", second = root / "two" / "Assets";
  PaintPictures(first);
  PaintPictures(second);
  for (const TextureEntry& entry : TextureCatalog) {
    const std::vector<char> a = Bytes(Generated(first, entry)), b = Bytes(Generated(second, entry));
    ASSERT_FALSE(a.empty()) << entry.name;
    EXPECT_TRUE(a == b) << entry.name << " differs between two runs";
  }
  EXPECT_TRUE(Bytes(root / "one" / "contact-sheet.png") == Bytes(root / "two" / "contact-sheet.png"));
  EXPECT_FALSE(Bytes(root / "one" / "contact-sheet.png").empty());
  fs::remove_all(root);
}

}  // namespace
