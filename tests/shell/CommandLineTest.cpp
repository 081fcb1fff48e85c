// The command line over the kept settings: every option and its --no- form is
// taken, does what it says whatever was kept, and the last given wins; and
// --help speaks of the system it runs on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/CommandLine.h"

namespace {

GameOptions ForRun(const GameOptions& kept, std::vector<const char*> words) {
  words.insert(words.begin(), "tarnwick");
  const LaunchRequest request = ReadCommandLine(static_cast<int>(words.size()), words.data());
  EXPECT_EQ(request.action, LaunchAction::Play) << words[1] << ": " << request.error;
  return OptionsForRun(kept, request);
}

TEST(CommandLine, EachOptionAndItsNoFormWinOverTheKeptSettingsForTheRun) {
  const GameOptions allOn{.Captions = true, .ReduceFlashing = true, .VolumePercent = 40, .FullScreen = true, .Speech = true};
  const GameOptions allOff{.Captions = false, .ReduceFlashing = false, .VolumePercent = 40, .FullScreen = true, .Speech = false};
  EXPECT_FALSE(ForRun(allOn, {"--no-captions"}).Captions);
  EXPECT_FALSE(ForRun(allOn, {"--no-reduce-flashing"}).ReduceFlashing);
  EXPECT_FALSE(ForRun(allOn, {"--no-speech"}).Speech);
  EXPECT_TRUE(ForRun(allOff, {"--captions"}).Captions);
  EXPECT_TRUE(ForRun(allOff, {"--reduce-flashing"}).ReduceFlashing);
  EXPECT_TRUE(ForRun(allOff, {"--speech"}).Speech);
  EXPECT_FALSE(ForRun(allOn, {"--windowed"}).FullScreen);
  EXPECT_TRUE(ForRun(allOff, {"--no-captions", "--captions"}).Captions) << "the last given wins";
  EXPECT_FALSE(ForRun(allOff, {"--reduce-flashing", "--no-reduce-flashing"}).ReduceFlashing) << "the last given wins";

  // What the line does not name stays as it was kept.
  const GameOptions only = ForRun(allOn, {"--no-captions"});
  EXPECT_TRUE(only.ReduceFlashing);
  EXPECT_TRUE(only.Speech);
  EXPECT_TRUE(only.FullScreen);
  EXPECT_EQ(only.VolumePercent, 40);
  const GameOptions none = ForRun(allOff, {});
  EXPECT_FALSE(none.Captions);
  EXPECT_FALSE(none.ReduceFlashing);
}

TEST(CommandLine, HelpSpeaksOfTheSystemItRunsOnAndOfASettingsPlaceOrNone) {
  const std::string linux = UsageText("/home/p/.config/tarnwick/settings.conf", UsageSystem::Linux);
  const std::string windows = UsageText("C:\\Users\\p\\AppData\\Roaming\\Tarnwick\\settings.conf", UsageSystem::Windows);
  EXPECT_NE(linux.find("launcher"), std::string::npos);
  EXPECT_EQ(windows.find("launcher"), std::string::npos) << "Windows has no launcher";
  EXPECT_NE(windows.find("beside Tarnwick.exe"), std::string::npos);
  EXPECT_NE(windows.find("\n  C:\\Users\\p\\AppData\\Roaming\\Tarnwick\\settings.conf\n"), std::string::npos);
  const std::string nowhere = UsageText("", UsageSystem::Linux);
  EXPECT_EQ(nowhere.find("kept for the next time"), std::string::npos);
  EXPECT_NE(nowhere.find("holds for the run only"), std::string::npos);
}

}  // namespace
