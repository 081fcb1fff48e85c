// Captions stay while their sound plays and at least two seconds, stack, and
// are drawn over the fade's black and under the old screen's static.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/FrameDriver.h"
#include "harness/ScreenReader.h"
#include "presentation/Captions.h"

namespace {

// The game at 60 Hz with captions on; a frame gives the words it drew.
struct CaptionedGame {
  FrameDriver driver;
  CaptionBoard board;
  CaptionedAudio audio{driver.rec.audio, board};
  Platform platform{driver.rec.drawing, audio, driver.rec.input, driver.rec.clock};
  double ms = 0;

  std::vector<std::string> Frame() {
    driver.rec.ClearRecords();
    driver.rec.clock.now = static_cast<std::uint64_t>(ms += 1000.0 / 60);
    RunGameFrame(driver.state, platform, GameOptions{.Captions = true}, &board);
    std::vector<std::string> words;
    for (const DrawnCaption& caption : DrawnCaptions(driver.rec.drawing)) words.push_back(caption.words);
    return words;
  }
  float SecondsUp(const std::string& words) {
    int frames = 0;
    for (auto now = Frame(); std::count(now.begin(), now.end(), words) && frames < 6000; now = Frame()) ++frames;
    return frames / 60.0f;
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

}  // namespace
