// The real settings file: a new text replaces the old in one step, whenever
// the game is killed in the write; a file longer than a settings file can be
// is read as cut off; and without a home folder nothing is kept anywhere.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/SettingsStore.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A settings folder of the test's own, named by the environment as a player's is.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarnwick-settings-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
      if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    file_ = dir_ / "tarnwick" / "settings.conf";
  }
  void TearDown() override {
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    fs::remove_all(dir_);
  }
  fs::path dir_, file_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(SettingsFileTest, ANewTextReplacesTheOldWholeEvenWhenTheGameIsKilledInTheWrite) {
  auto store = MakeSettingsStore();
  EXPECT_EQ(store->Place(), file_.string());
  const std::string a = "volume = 40\n", b = "captions = on\n" + std::string(3000, '#') + "\n";
  std::string error;
  ASSERT_TRUE(store->Write(a, error)) << error;

  // A reader that has the old file open still reads it whole: the new text is
  // another file, renamed over it, never the old one written again.
  std::ifstream old(file_, std::ios::binary);
  ASSERT_TRUE(store->Write(b, error)) << error;
  std::ostringstream held;
  held << old.rdbuf();
  EXPECT_EQ(held.str(), a) << "the settings were written into the kept file itself";
  EXPECT_EQ(Slurp(file_), b);

  // Killed at any moment of writing one text over the other: the file holds
  // one of them, whole.
  std::mt19937 random(7);
  for (int kill = 0; kill < 150; ++kill) {
    const pid_t writer = fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
      for (int i = 0;; ++i) store->Write(i % 2 ? a : b, error);
    }
    usleep(std::uniform_int_distribution<int>(100, 3000)(random));
    ::kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    const std::string kept = Slurp(file_);
    ASSERT_TRUE(kept == a || kept == b) << "killed in a write, the file holds " << kept.size() << " bytes of neither text";
  }
}

TEST_F(SettingsFileTest, AFileLongerThanTheLimitIsReadCutOffAndSaysSo) {
  auto store = MakeSettingsStore();
  bool whole = false;
  EXPECT_FALSE(store->Read(4096, whole)) << "no file, nothing kept";
  fs::create_directories(file_.parent_path());
  for (const std::size_t size : {4095u, 4096u, 4097u, 100000u}) {
    std::ofstream(file_, std::ios::binary) << std::string(size, '#');
    const auto text = store->Read(4096, whole);
    ASSERT_TRUE(text);
    EXPECT_EQ(whole, size <= 4096) << size << " bytes";
    EXPECT_EQ(text->size(), std::min<std::size_t>(size, 4096)) << size << " bytes";
  }
}

TEST_F(SettingsFileTest, WithoutAHomeFolderNothingIsKeptAndNoFolderIsMadeWhereTheGameStarted) {
  unsetenv("HOME");
  unsetenv("XDG_CONFIG_HOME");
  const fs::path started = fs::current_path();
  fs::current_path(dir_);
  auto store = MakeSettingsStore();
  bool whole = true;
  std::string error;
  EXPECT_EQ(store->Place(), "");
  EXPECT_FALSE(store->Read(4096, whole));
  EXPECT_FALSE(store->Write("volume = 40\n", error));
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(dir_)) << "something was made in the working folder";
  fs::current_path(started);
}

}  // namespace
