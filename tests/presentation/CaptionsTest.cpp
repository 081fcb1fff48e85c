// Captions stay while their sound plays and at least two seconds, on every
// display, stack, rise into the row of one that goes, and are drawn over the
// fade's black and under the old screen's static.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "harness/FrameDriver.h"
#include "harness/ScreenReader.h"
#include "presentation/CaptionLetters.h"
#include "presentation/Captions.h"

namespace {

// The game on a display of `hz` with captions on; a frame gives the words it drew.
struct CaptionedGame {
  explicit CaptionedGame(double hz = 60) : hz(hz) {}
  double hz;
  FrameDriver driver;
  CaptionBoard board;
  CaptionedAudio audio{driver.rec.audio, board};
  Platform platform{driver.rec.drawing, audio, driver.rec.input, driver.rec.clock};
  long frames = 0;

  std::vector<DrawnCaption> Drawn() {
    driver.rec.ClearRecords();
    driver.rec.clock.now = static_cast<std::uint64_t>(static_cast<double>(++frames) * 1000.0 / hz);
    RunGameFrame(driver.state, platform, GameOptions{.Captions = true}, &board);
    return DrawnCaptions(driver.rec.drawing);
  }
  std::vector<std::string> Frame() {
    std::vector<std::string> words;
    for (const DrawnCaption& caption : Drawn()) words.push_back(caption.words);
    return words;
  }
  // How long `words` stays up from now, to within a frame.
  float SecondsUp(const std::string& words) {
    int up = 0;
    for (auto now = Frame(); std::count(now.begin(), now.end(), words) && up < 100000; now = Frame()) ++up;
    return static_cast<float>(up / hz);
  }
  void RunSeconds(double seconds) {
    for (int i = 0; i < static_cast<int>(seconds * hz + 0.5); ++i) Frame();
  }
};

TEST(Captions, StayWhileTheirSoundPlaysAndAtLeastTwoSeconds) {
  CaptionedGame game;
  game.driver.rec.audio.fileSeconds = {{KnockKnockFile, 0.5f}, {GlassShatterFile, 3.5f}};
  StartCaptions(game.board, game.platform);
  game.audio.PlayOnce(KnockKnockFile);
  EXPECT_NEAR(game.SecondsUp("[KNOCK, KNOCK]"), 2.0f, 0.02f);
  game.audio.PlayOnce(GlassShatterFile);
  EXPECT_NEAR(game.SecondsUp("[GLASS SHATTERS]"), 3.5f, 0.02f);
  game.audio.Start(TelephoneSound);  // looping: up until it is stopped
  for (int i = 0; i < 600; ++i) ASSERT_EQ(game.Frame(), std::vector<std::string>{"[TELEPHONE RINGING]"});
  game.audio.Stop(TelephoneSound);
  EXPECT_TRUE(game.Frame().empty());
  game.audio.Start(HeavyBreathingSound);
  game.audio.Stop(HeavyBreathingSound);
  EXPECT_NEAR(game.SecondsUp("[HEAVY BREATHING]"), 2.0f, 0.02f);
  game.audio.Start(GiberishSound);
  for (int i = 0; i < 300; ++i) game.Frame();
  game.driver.rec.audio.playing[GiberishSound] = false;  // played to its end
  EXPECT_TRUE(game.Frame().empty());
}

TEST(Captions, ThreeStackAndAFourthTakesTheOldestsPlaceOverTheFadeUnderTheStatic) {
  CaptionedGame game;
  game.driver.state.FadeAlpha = 255;
  game.driver.state.FadingOut = true;
  for (const char* file : {ItWalkingInYourRoomFile, MoansAndGroansFile, CreepyYellFile, WoodRunningFile})
    game.audio.PlayOnce(file);
  EXPECT_EQ(game.Frame(), (std::vector<std::string>{"[MOANS AND GROANS]", "[AN INHUMAN YELL]", "[RUNNING ON WOOD]"}));
  const auto& calls = game.driver.rec.drawing.calls;
  const auto first = [&](auto is) { return std::find_if(calls.begin(), calls.end(), is); };
  const auto fade = first([](const DrawCall& c) { return c.kind == DrawCall::Kind::Fill && c.color.a == 255; });
  const auto caption = first([](const DrawCall& c) { return c.kind == DrawCall::Kind::Texture && c.texture == CaptionsTexture; });
  const auto noise = first([](const DrawCall& c) { return c.kind == DrawCall::Kind::Texture && c.texture == StaticTexture; });
  EXPECT_TRUE(fade < caption && caption < noise);
}

TEST(Captions, KeepTheirTimeOnEveryDisplayAndStartItOverWhenTheirSoundStartsAgain) {
  for (const double hz : {20.0, 144.0, 360.0}) {
    CaptionedGame game(hz);
    game.driver.rec.audio.fileSeconds = {{KnockKnockFile, 0.5f}, {GlassShatterFile, 3.5f}};
    StartCaptions(game.board, game.platform);
    const float frame = static_cast<float>(1 / hz) + 0.001f;
    game.audio.PlayOnce(GlassShatterFile);
    EXPECT_NEAR(game.SecondsUp("[GLASS SHATTERS]"), 3.5f, frame) << hz << " Hz";
    game.audio.PlayOnce(KnockKnockFile);
    game.RunSeconds(1.5);
    game.audio.PlayOnce(KnockKnockFile);  // knocked again: two seconds from here
    EXPECT_NEAR(game.SecondsUp("[KNOCK, KNOCK]"), 2.0f, frame) << hz << " Hz";
  }
}

TEST(Captions, OneThatGoesLeavesTheOthersOnceEachAndThoseBelowRiseIntoItsRowInAFifthOfASecond) {
  for (const double hz : {20.0, 60.0, 144.0}) {
    CaptionedGame game(hz);
    game.driver.rec.audio.fileSeconds = {{CreepyYellFile, 9}, {KnockKnockFile, 0.5f}, {GlassShatterFile, 9}};
    StartCaptions(game.board, game.platform);
    for (const char* file : {CreepyYellFile, KnockKnockFile, GlassShatterFile}) game.audio.PlayOnce(file);
    std::vector<DrawnCaption> drawn = game.Drawn();
    ASSERT_EQ(drawn.size(), 3u);
    const float firstRow = drawn[0].box.y, secondRow = drawn[1].box.y, thirdRow = drawn[2].box.y;
    while (drawn.size() == 3 && game.frames < 10 * hz) drawn = game.Drawn();  // the knock goes after two seconds
    ASSERT_EQ(drawn.size(), 2u) << hz << " Hz";
    const double goneAt = static_cast<double>(game.frames) / hz;
    float last = thirdRow;
    for (; std::abs(drawn.back().box.y - secondRow) > 0.01f; drawn = game.Drawn()) {
      ASSERT_EQ(drawn.size(), 2u) << hz << " Hz";
      EXPECT_EQ(drawn[0].words, "[AN INHUMAN YELL]");
      EXPECT_EQ(drawn[0].box.y, firstRow) << hz << " Hz: the one above stays";
      EXPECT_EQ(drawn[1].words, "[GLASS SHATTERS]") << hz << " Hz: a row drawn twice, or the wrong one";
      EXPECT_LE(drawn[1].box.y, last) << hz << " Hz: rising, never falling";
      EXPECT_GT(drawn[1].box.y, secondRow) << hz << " Hz: not at once";
      last = drawn[1].box.y;
      ASSERT_LT(game.frames, 100000);
    }
    const double risen = static_cast<double>(game.frames) / hz - goneAt;
    EXPECT_NEAR(risen, 0.2, 1 / hz + 0.001) << hz << " Hz";
  }
}

// One that comes while another still rises into the row of one that went
// takes a row of its own at once: no two boxes ever overlap, on any display.
TEST(Captions, OneThatComesWhileAnotherRisesNeverOverlapsIt) {
  for (const double hz : {20.0, 60.0, 144.0}) {
    CaptionedGame game(hz);
    game.driver.rec.audio.fileSeconds = {
        {CreepyYellFile, 9}, {KnockKnockFile, 0.5f}, {GlassShatterFile, 9}, {WoodRunningFile, 9}};
    StartCaptions(game.board, game.platform);
    for (const char* file : {CreepyYellFile, KnockKnockFile, GlassShatterFile}) game.audio.PlayOnce(file);
    while (game.Drawn().size() == 3 && game.frames < 10 * hz) {
    }
    game.audio.PlayOnce(WoodRunningFile);  // the glass still below its new row
    for (int frame = 0; frame < hz; ++frame) {
      const std::vector<DrawnCaption> drawn = game.Drawn();
      ASSERT_EQ(drawn.size(), 3u) << hz << " Hz";
      for (std::size_t i = 1; i < drawn.size(); ++i)
        EXPECT_LE(drawn[i - 1].box.y + drawn[i - 1].box.h, drawn[i].box.y)
            << hz << " Hz, frame " << frame << ": " << drawn[i - 1].words << " over " << drawn[i].words;
    }
  }
}

TEST(Captions, LettersStandOneSheetPixelApartAndSpacesWider) {
  CaptionedGame game;
  game.audio.PlayOnce(KnockKnockKnockFile);
  game.Frame();
  std::vector<FRect> letters;
  for (const DrawCall& call : game.driver.rec.drawing.calls)
    if (call.kind == DrawCall::Kind::Texture && call.texture == CaptionsTexture && call.hasSource &&
        !(call.source == CaptionBackingPixel))
      letters.push_back(call.dest);
  const std::string words = "[KNOCK, KNOCK, KNOCK]";
  ASSERT_EQ(letters.size(), words.size() - 2);  // every character but the two spaces
  std::size_t letter = 0;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] == ' ') continue;
    const FRect& before = letters[letter];
    const FRect& here = letters[++letter];
    const float sheetPixel = here.h / CaptionGlyphHeight;
    const float gap = here.x - (before.x + before.w);
    if (words[i - 1] == ' ')
      EXPECT_GT(gap, 2 * sheetPixel) << "the space before letter " << i;
    else
      EXPECT_FLOAT_EQ(gap, sheetPixel) << "between letters " << i - 1 << " and " << i;
    EXPECT_EQ(here.y, before.y);
  }
}

}  // namespace
