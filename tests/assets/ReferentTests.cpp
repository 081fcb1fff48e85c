// What a thought speaks of is in view while it is shown: every line that
// points at something in the scene has that thing painted inside the screen
// and above the dialogue band, in every picture and view the game shows with
// the line; no caption ever stands over any of them; and the booked page
// keeps its address clear of the Move prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GeneratedPictures.h"
#include "core/ScreenRects.h"
#include "harness/FrameDriver.h"
#include "harness/Scenes.h"
#include "harness/Player.h"
#include "harness/ScreenReader.h"
#include "pictures/Palette.h"
#include "pictures/Placements.h"
#include "presentation/Captions.h"
#include "story/DialogueScript.h"

namespace {

// The lines of the script that point at something in the scene where they
// are shown (read from the script: "SO THIS MUST BE THE CABIN?", "THE FIRE
// IS STARTING TO DIE.", "UHM... IS THAT A PHOTO?"...). Lines about things
// elsewhere ("I SAW A FISHING ROD IN THE KITCHEN." at the campfire) or
// about a sound ("UH... THAT WAS AN ANIMAL... RIGHT?") are not among them.
const std::set<int> PointingLines = {31,  32,  33,  41,  55,  56,  57,  58,  64,  65,  68,  72,  73,
                                     75,  76,  77,  89,  92,  93,  94,  95,  97,  98,  101, 104, 109,
                                     111, 116, 127, 139, 140, 141, 154, 160, 168, 169, 1001};

int Pixel(const art::RgbaImage& image, int x, int y, int channel) {
  return image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4 + channel];
}

bool IsColour(const art::RgbaImage& image, int x, int y, art::Color colour) {
  const Rgba& c = art::Palette[colour];
  return Pixel(image, x, y, 0) == c.r && Pixel(image, x, y, 1) == c.g && Pixel(image, x, y, 2) == c.b &&
         Pixel(image, x, y, 3) == c.a;
}

TEST(Referents, EveryLineThatPointsAtSomethingHasItAndNoOtherDoes) {
  std::set<int> covered;
  for (const art::Referent& r : art::Referents())
    for (int line : r.lines) {
      const DialogueEntry* entry = FindDialogueEntry(line);
      ASSERT_NE(entry, nullptr) << r.thing << ": no line " << line;
      EXPECT_NE(entry->text, nullptr) << r.thing << ": " << line << " is a closing entry";
      EXPECT_TRUE(covered.insert(line).second) << "line " << line << " speaks of two things";
    }
  EXPECT_EQ(covered, PointingLines);
}

bool Overlap(const FRect& a, const FRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Every caption in every row, as the caption layer draws it: on the screen,
// above the band, beside the prompts, and clear of every thing a thought
// speaks of in every picture and view it is shown in, whatever line is up.
TEST(Referents, NoCaptionEverStandsOverAnyOfThemNorOverThePromptsOrTheBand) {
  std::vector<DrawnCaption> places;
  for (std::size_t first = 0; first < CaptionTable.size(); ++first) {
    RecordingPlatform rec;
    CaptionBoard board;
    CaptionedAudio audio(rec.audio, board);
    Platform platform{rec.drawing, audio, rec.input, rec.clock};
    for (std::size_t row = 0; row < CaptionRows; ++row) {
      const CaptionEntry& entry = CaptionTable[(first + row) % CaptionTable.size()];
      entry.file ? audio.PlayOnce(entry.file) : audio.Start(entry.sound);
    }
    DrawCaptions(board, 0, platform);
    const auto drawn = DrawnCaptions(rec.drawing);
    ASSERT_EQ(drawn.size(), std::size_t{CaptionRows});
    places.insert(places.end(), drawn.begin(), drawn.end());
  }
  std::vector<std::pair<std::string, FRect>> clear = {{"the prompt", PromptRect}, {"the band", DialogueBoxRect}};
  for (const art::Referent& r : art::Referents())
    for (TextureId texture : r.textures) {
      const art::RgbaImage image = Load(texture);
      for (const FRect& v : r.views)
        clear.push_back({std::string(r.thing), {v.x + r.columns.lo * v.w / image.width, v.y + r.rows.lo * v.h / image.height,
                                                r.columns.Width() * v.w / image.width, r.rows.Width() * v.h / image.height}});
    }
  for (const DrawnCaption& c : places) {
    EXPECT_TRUE(c.box.x >= 0 && c.box.y >= 0 && c.box.x + c.box.w <= 800) << c.words << " leaves the screen";
    for (const auto& [what, box] : clear) EXPECT_FALSE(Overlap(c.box, box)) << c.words << " at y " << c.box.y << " over " << what;
  }
}

// Brute force, independent of the generator's arithmetic: where each corner of
// the thing's box lands on the 800 by 600 screen.
TEST(Referents, EachThingIsOnScreenAboveTheBandWheneverItsLinesShow) {
  for (const art::Referent& r : art::Referents()) {
    ASSERT_FALSE(r.textures.empty()) << r.thing;
    ASSERT_FALSE(r.views.empty()) << r.thing;
    for (TextureId texture : r.textures) {
      const art::RgbaImage image = Load(texture);
      ASSERT_GT(image.width, 0);
      for (const FRect& view : r.views) {
        const float scaleX = view.w / image.width, scaleY = view.h / image.height;
        const float left = view.x + r.columns.lo * scaleX, right = view.x + r.columns.hi * scaleX;
        const float top = view.y + r.rows.lo * scaleY, bottom = view.y + r.rows.hi * scaleY;
        const std::string where = std::string(r.thing) + " in " + TextureCatalog[texture].name + " at x " +
                                  std::to_string(view.x) + ": screen " + std::to_string(left) + ".." +
                                  std::to_string(right) + " x " + std::to_string(top) + ".." + std::to_string(bottom);
        EXPECT_GE(left, 0) << where;
        EXPECT_LE(right, 800) << where;
        EXPECT_GE(top, 0) << where;
        EXPECT_LE(bottom, DialogueBoxRect.y) << where << " goes behind the band";
        EXPECT_LT(left, right) << where;
        EXPECT_LT(top, bottom) << where;
      }
    }
  }
}

TEST(Referents, EachThingIsPaintedInsideItsBox) {
  for (const art::Referent& r : art::Referents())
    for (TextureId texture : r.textures) {
      const art::RgbaImage image = Load(texture);
      int inside = 0;
      for (int y = static_cast<int>(r.rows.lo); y < static_cast<int>(r.rows.hi); ++y)
        for (int x = static_cast<int>(r.columns.lo); x < static_cast<int>(r.columns.hi); ++x)
          for (art::Color mark : r.marks) inside += IsColour(image, x, y, mark);
      EXPECT_GE(inside, 4) << r.thing << " is not painted in its box in " << TextureCatalog[texture].name;
    }
}

// The table's pictures and views are what the game shows with the lines: the
// story is played through at 60 Hz and every frame that shows a pointing line
// is checked against the table.
TEST(Referents, TheirPicturesAndViewsAreWhatTheGameShowsWithTheLines) {
  std::map<std::string, int> lineOfText;
  for (int index = 0; index <= 1002; ++index)
    if (const DialogueEntry* entry = FindDialogueEntry(index); entry && entry->text)
      lineOfText[AsDrawn(entry->text)] = index;
  std::map<int, const art::Referent*> referentOf;
  for (const art::Referent& r : art::Referents())
    for (int line : r.lines) referentOf[line] = &r;

  std::srand(1);
  FrameDriver driver;
  Player player;
  std::set<int> seen;
  double now = 0;
  for (long frame = 0; frame < 60L * 1200 && !driver.quit; ++frame) {
    player.Decide(driver.state, driver.rec.drawing, driver.rec.input, now);
    driver.Frame();
    now += 1000.0 / 60;
    if (!DialogueBandShown(driver.rec.drawing)) continue;
    const auto text = lineOfText.find(DrawnDialogueText(driver.rec.drawing));
    if (text == lineOfText.end() || !referentOf.count(text->second)) continue;
    const art::Referent& r = *referentOf[text->second];
    seen.insert(text->second);
    bool shown = false;
    for (const DrawCall& call : driver.rec.drawing.calls) {
      if (call.kind != DrawCall::Kind::Texture || call.hasSource) continue;
      if (std::find(r.textures.begin(), r.textures.end(), call.texture) == r.textures.end()) continue;
      // A view of the table, or (when it gives a first and a last) between them.
      const float firstX = r.views.front().x, lastX = r.views.back().x;
      const FRect& d = call.dest;
      const FRect& v = r.views.front();
      shown = shown || (d.y == v.y && d.w == v.w && d.h == v.h && d.x >= std::min(firstX, lastX) &&
                        d.x <= std::max(firstX, lastX));
    }
    EXPECT_TRUE(shown) << "line " << text->second << " (" << r.thing << ") shown in scene " << driver.state.SceneIndex
                       << " over " << TextureCatalog[driver.state.BackgroundTexture].name << " at x "
                       << driver.state.BackgroundRect.x;
  }
  ASSERT_TRUE(driver.quit) << "the story did not reach its end";
  std::printf("[ referents ] %ld frames\n", driver.frames);
  EXPECT_EQ(seen, PointingLines);
}

// The brightest things in the close view of the counter, while the sink's
// thoughts are shown, are the sink's: it is the subject of the view, and
// nothing draws the eye away from it (a lamp's glow, say). The only other
// bright thing there is the plate of the meal eaten at that counter.
TEST(Referents, TheBrokenSinkIsTheBrightestThingInItsView) {
  const art::Referent& sink = art::FindReferent("the broken sink");
  const art::Referent& meal = art::FindReferent("the first meal");
  const auto inside = [](const art::Referent& r, int x, int y) {
    return x >= r.columns.lo && x < r.columns.hi && y >= r.rows.lo && y < r.rows.hi;
  };
  for (TextureId texture : sink.textures) {
    const art::RgbaImage image = Load(texture);
    for (const FRect& view : sink.views) {
      const art::Span columns = art::ColumnsOnScreen(view, image.width), rows = art::RowsAboveBand(view, image.height);
      int inSink = 0, onPlate = 0, elsewhere = 0;
      for (int y = static_cast<int>(rows.lo); y < static_cast<int>(rows.hi); ++y)
        for (int x = static_cast<int>(columns.lo); x < static_cast<int>(columns.hi); ++x) {
          const int luma = (299 * Pixel(image, x, y, 0) + 587 * Pixel(image, x, y, 1) + 114 * Pixel(image, x, y, 2)) / 1000;
          if (luma < 180) continue;
          if (inside(sink, x, y)) ++inSink;
          else if (inside(meal, x, y)) ++onPlate;
          else ++elsewhere;
        }
      const std::string where = TextureCatalog[texture].name;
      EXPECT_GT(inSink, onPlate) << "the plate outshines the sink in " << where;
      EXPECT_LE(elsewhere * 20, inSink) << elsewhere << " bright pixels elsewhere in the view, " << inSink
                                        << " in the sink, in " << where;
    }
  }
}

// The colours that make a food picture what it is: every colour other than
// the greys of plates, bowls and spoons that paints at least a twentieth of it.
std::set<art::Color> FoodColours(TextureId food) {
  const art::RgbaImage image = Load(food);
  std::map<art::Color, int> counts;
  int total = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      for (int k = art::WoodDeep; k < art::ColorCount; ++k)  // after the greys, Ink to Bone
        if (IsColour(image, x, y, static_cast<art::Color>(k))) {
          ++counts[static_cast<art::Color>(k)];
          ++total;
        }
  std::set<art::Color> colours;
  for (const auto& [colour, count] : counts)
    if (count * 20 >= total) colours.insert(colour);
  return colours;
}

// The meal seen after eating is the food that was eaten: on every day (the
// breakfast at home and the two meals at the cabin's counter) and for every
// draw of the meals' random choice, the plate the player looks at then holds
// the colours of the food the game drew while it was eaten.
TEST(Meals, ThePlateShowsTheFoodThatWasEaten) {
  struct Meal {
    int scene;
    art::Span columns, rows;  // where the meal is painted in the picture seen after it
  };
  const art::Referent& first = art::FindReferent("the first meal");
  const art::Referent& second = art::FindReferent("the second meal");
  const Meal meals[] = {
      {7, art::PlacedColumns("house breakfast plate"), art::PlacedRows("house breakfast plate")},
      {26, first.columns, first.rows},
      {53, second.columns, second.rows},
  };
  for (const Meal& meal : meals)
    for (int choice : {0, 1, 2}) {
      SCOPED_TRACE("scene " + std::to_string(meal.scene) + ", food choice " + std::to_string(choice));
      FrameDriver driver = ArrivedIn(meal.scene);
      driver.state.FoodChoice = choice;
      driver.Frame();
      ASSERT_TRUE(driver.state.UseReady);
      driver.ReleaseReturn();
      std::set<TextureId> eaten;
      for (int frame = 0; frame < 400 && !driver.state.ExitReady && !driver.state.DialogueActive; ++frame) {
        driver.Frame();
        for (TextureId food : {PizzaTexture, SoupTexture})
          if (driver.rec.drawing.Drew(food)) eaten.insert(food);
      }
      ASSERT_EQ(eaten.size(), 1u) << "one food drawn while eating";
      driver.Frame();  // the meal's thoughts, if it has any, are on screen
      const TextureId seen = driver.state.BackgroundTexture;
      ASSERT_TRUE(driver.rec.drawing.Drew(seen));
      const art::RgbaImage image = Load(seen);
      for (art::Color colour : FoodColours(*eaten.begin())) {
        int painted = 0;
        for (int y = static_cast<int>(meal.rows.lo); y < static_cast<int>(meal.rows.hi); ++y)
          for (int x = static_cast<int>(meal.columns.lo); x < static_cast<int>(meal.columns.hi); ++x)
            painted += IsColour(image, x, y, colour);
        EXPECT_GE(painted, 2) << TextureCatalog[*eaten.begin()].name << " was eaten, but its colour "
                              << static_cast<int>(colour) << " is not on the plate in " << TextureCatalog[seen].name;
      }
    }
}

TEST(BookedPage, ItsAddressIsClearOfTheMovePrompt) {
  // The Move prompt shows over the booked page once the booking is done.
  const art::RgbaImage page = Load(ComputerCabinBookedTexture);
  ASSERT_EQ(page.width * 4, 800);
  const int x0 = static_cast<int>(PromptRect.x / 4), x1 = static_cast<int>((PromptRect.x + PromptRect.w) / 4);
  const int y0 = static_cast<int>(PromptRect.y / 4), y1 = static_cast<int>((PromptRect.y + PromptRect.h) / 4);
  // The address is written in the page's dark letters on its light field: none
  // of either lies under the prompt, and the address is there below it.
  int underPrompt = 0, belowPrompt = 0;
  for (int y = 0; y < page.height / 3; ++y)
    for (int x = 0; x < page.width; ++x) {
      const bool address = IsColour(page, x, y, art::Slate) || IsColour(page, x, y, art::Bone);
      if (!address) continue;
      if (x >= x0 && x < x1 && y >= y0 && y < y1) ++underPrompt;
      if (y >= y1 && y < y1 + 8) ++belowPrompt;
    }
  EXPECT_EQ(underPrompt, 0);
  EXPECT_GT(belowPrompt, 100) << "no address bar under the prompt";
}

}  // namespace
