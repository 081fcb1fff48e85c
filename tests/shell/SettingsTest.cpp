// The kept settings' text: what a player's menu wrote reads back the same, and
// a damaged text keeps every setting it can read, takes the default for the
// rest, and says what it could not read.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/Settings.h"

namespace {

TEST(Settings, WhatIsWrittenReadsBackAndNothingIsADefault) {
  const GameOptions chosen{.Captions = true, .ReduceFlashing = true, .VolumePercent = 30, .FullScreen = false};
  const SettingsReading back = ReadSettingsText(SettingsText(chosen));
  EXPECT_EQ(back.problem, "");
  EXPECT_TRUE(back.options.Captions);
  EXPECT_TRUE(back.options.ReduceFlashing);
  EXPECT_EQ(back.options.VolumePercent, 30);
  EXPECT_FALSE(back.options.FullScreen);
  // Written by hand: spaces anywhere, comments, blank lines, no last newline.
  const SettingsReading hand = ReadSettingsText("# mine\n\n  volume=0 \r\ncaptions =on\n\tfull-screen = off");
  EXPECT_EQ(hand.problem, "");
  EXPECT_EQ(hand.options.VolumePercent, 0);
  EXPECT_TRUE(hand.options.Captions);
  EXPECT_FALSE(hand.options.FullScreen);
  EXPECT_FALSE(hand.options.ReduceFlashing);
  // As Notepad and PowerShell 5 save it on Windows: a byte-order mark first,
  // Windows' line ends.
  const SettingsReading notepad = ReadSettingsText("\xEF\xBB\xBFvolume = 20\r\ncaptions = on\r\n");
  EXPECT_EQ(notepad.problem, "") << "the mark is no character of the first line";
  EXPECT_EQ(notepad.options.VolumePercent, 20);
  EXPECT_TRUE(notepad.options.Captions);
}

TEST(Settings, ADamagedTextKeepsWhatItCanAndTakesTheDefaultsForTheRest) {
  struct Case {
    const char* what;
    std::string text;
    bool whole;
  };
  const Case cases[] = {
      {"garbage", std::string("captions = on\n\x7f" "ELF\x02\x01\x01") + std::string(3, '\0') + "\nvolume = 40\n", true},
      {"a truncated line", "captions = on\nvolume = 40\nreduce-fla", true},
      {"a line without its value", "captions = on\nvolume = 40\nfull-screen =\n", true},
      {"an unknown name", "captions = on\nbrightness = 3\nvolume = 40\n", true},
      {"a value out of range", "captions = on\nvolume = 140\nvolume = 40\nfull-screen = sometimes\n", true},
      {"a volume between the steps", "volume = 45\ncaptions = on\nvolume = 40\nreduce-flashing = 1\n", true},
      {"a huge file, cut off mid-line", "captions = on\nvolume = 40\n" + std::string(5000, '#') + "\nfull-scr", false},
  };
  for (const Case& c : cases) {
    const SettingsReading reading = ReadSettingsText(c.text, c.whole);
    EXPECT_TRUE(reading.options.Captions) << c.what;
    EXPECT_EQ(reading.options.VolumePercent, 40) << c.what;
    EXPECT_FALSE(reading.options.ReduceFlashing) << c.what << ": a default";
    EXPECT_TRUE(reading.options.FullScreen) << c.what << ": a default";
    EXPECT_NE(reading.problem, "") << c.what << " is not reported";
    EXPECT_EQ(reading.problem.find('\n'), std::string::npos) << c.what << ": one line";
  }
  EXPECT_NE(ReadSettingsText("volume = 140\n").problem.find("line 1"), std::string::npos);
  // The volume comes in steps of ten; a line cut off where reading stopped
  // ("volume = 10" of "volume = 100") is no line.
  EXPECT_EQ(ReadSettingsText("volume = 45\n").options.VolumePercent, 100);
  EXPECT_EQ(ReadSettingsText("captions = on\nvolume = 10", false).options.VolumePercent, 100);
  EXPECT_NE(ReadSettingsText("a = b\nb = c\n").problem.find("2 lines"), std::string::npos);
}

// A store in memory that can refuse to write, for the keeper.
class MemoryStore final : public SettingsStore {
 public:
  std::optional<std::string> text;
  bool writable = true;
  int writes = 0;
  std::vector<std::string> said;
  std::optional<std::string> Read(std::size_t limit, bool& whole) override {
    if (!text) return std::nullopt;
    whole = text->size() <= limit;
    return text->substr(0, limit);
  }
  bool Write(const std::string& kept, std::string& error) override {
    ++writes;
    if (!writable) return error = "read-only", false;
    text = kept;
    return true;
  }
  std::string place = "/home/p/.config/tarnwick/settings.conf";
  std::string Place() const override { return place; }
  void Say(const std::string& line) override { said.push_back(line); }
};

TEST(Settings, TheKeeperWritesOnlyWhatThePlayerChangedAndSaysOnceWhenItCannot) {
  MemoryStore store;
  store.text = "volume = 70\nnonsense\n";
  SettingsKeeper keeper(store);
  ASSERT_EQ(store.said.size(), 1u) << "one line for the damaged text";
  EXPECT_NE(store.said[0].find(store.Place()), std::string::npos);
  EXPECT_EQ(store.writes, 0) << "a damaged text is not rewritten until the player changes something";
  EXPECT_EQ(keeper.Kept().VolumePercent, 70);

  // This run plays with captions from the command line; the player turns the volume down.
  GameOptions run = keeper.Kept();
  run.Captions = true;
  run.VolumePercent = 60;
  keeper.Keep(&GameOptions::VolumePercent, run);
  EXPECT_EQ(store.writes, 1);
  const GameOptions kept = ReadSettingsText(*store.text).options;
  EXPECT_EQ(kept.VolumePercent, 60);
  EXPECT_FALSE(kept.Captions) << "the command line holds for its run only";

  store.writable = false;
  keeper.Keep(&GameOptions::Captions, run);
  keeper.Keep(&GameOptions::Captions, run);
  EXPECT_EQ(store.said.size(), 2u) << "a failure to keep is said once";
  EXPECT_EQ(keeper.Kept().Captions, true) << "the choice holds for this run";

  // Nowhere to keep them (no home folder): nothing read, one line at the first change.
  store.text.reset();
  store.place = "";
  SettingsKeeper homeless(store);
  homeless.Keep(&GameOptions::Captions, run);
  homeless.Keep(&GameOptions::VolumePercent, run);
  ASSERT_EQ(store.said.size(), 3u) << "one line, once";
  EXPECT_EQ(store.said[2], "tarnwick: the settings could not be kept (read-only); they hold for this run");
}

}  // namespace
