// Sounds whose files arrive while the game plays (the web page streams them):
// a call on one that has not come is kept, the game waits only while it wants
// one now, and on arrival the sound is made looping and playing as the game
// left it; a file that is not coming is the engine's at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstdio>
#include <set>
#include <string>

#include <unistd.h>

#include "core/SoundCatalog.h"
#include "platform/ArrivingSounds.h"

namespace {

namespace fs = std::filesystem;
using State = MiniaudioAudio::SoundState;

class ArrivingSoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tarnwick-arriving-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    ASSERT_TRUE(engine_.InitEngine());
    // Whatever is already in the folder has been shipped; the test sends more.
    fs::copy_file(TARNWICK_ASSETS_DIR "/Audio/Birds.mp3", dir_ / "here.mp3");
  }
  void TearDown() override {
    engine_.UninitEngine();
    fs::remove_all(dir_);
  }
  std::string File(const char* name) const { return (dir_ / name).string(); }
  // The page sends a file: it is written, then no longer coming.
  void Arrive(const char* name) {
    fs::copy_file(TARNWICK_ASSETS_DIR "/Audio/Crickets.mp3", dir_ / name);
    coming_.erase(File(name));
    sounds_.FilesArrived();
  }

  fs::path dir_;
  MiniaudioAudio engine_;
  std::set<std::string> coming_;
  ArrivingSounds sounds_{engine_, [this](const char* path) { return coming_.count(path) > 0; }};
};

TEST_F(ArrivingSoundsTest, APersistentSoundIsMadeOnArrivalLoopingAndPlayingAsTheGameLeftIt) {
  coming_ = {File("late.mp3"), File("stopped.mp3")};
  sounds_.CreateSound(CricketsSound, File("late.mp3").c_str());
  sounds_.CreateSound(TelephoneSound, File("stopped.mp3").c_str());
  sounds_.CreateSound(BirdsSound, File("here.mp3").c_str());
  EXPECT_EQ(engine_.State(BirdsSound), State::Ready);
  EXPECT_EQ(engine_.State(CricketsSound), State::NotCreated) << "a file still coming must not be failed for good";
  EXPECT_FALSE(sounds_.Waiting()) << "made but never started: nothing to wait for";

  sounds_.SetLooping(CricketsSound);
  sounds_.Start(CricketsSound);
  sounds_.Start(TelephoneSound);
  sounds_.Stop(TelephoneSound);
  EXPECT_TRUE(sounds_.Waiting());
  EXPECT_TRUE(sounds_.IsPlaying(CricketsSound));
  EXPECT_FALSE(sounds_.IsPlaying(TelephoneSound));

  Arrive("late.mp3");
  EXPECT_FALSE(sounds_.Waiting());
  ASSERT_EQ(engine_.State(CricketsSound), State::Ready);
  EXPECT_TRUE(engine_.IsLooping(CricketsSound));
  EXPECT_TRUE(engine_.IsPlaying(CricketsSound));

  Arrive("stopped.mp3");
  ASSERT_EQ(engine_.State(TelephoneSound), State::Ready);
  EXPECT_FALSE(engine_.IsPlaying(TelephoneSound)) << "stopped before it came: it must not start";
}

TEST_F(ArrivingSoundsTest, AFilePlayedOnceWhileComingIsWaitedForAndPlayedOnArrival) {
  coming_ = {File("knock.mp3"), File("later.mp3")};
  sounds_.PlayOnce(File("knock.mp3").c_str());
  EXPECT_TRUE(sounds_.Waiting());
  Arrive("later.mp3");
  EXPECT_TRUE(sounds_.Waiting()) << "another file's arrival does not end the wait";
  Arrive("knock.mp3");
  EXPECT_FALSE(sounds_.Waiting());
  // A file that is neither here nor coming is silence, as on the desktop.
  sounds_.PlayOnce(File("missing.mp3").c_str());
  sounds_.CreateSound(KittySongSound, File("missing.mp3").c_str());
  EXPECT_FALSE(sounds_.Waiting());
  EXPECT_EQ(engine_.State(KittySongSound), State::Failed);
}

}  // namespace

namespace {

// The page answers for the files it has still to send: their lengths are
// read from each MP3's own header as the site is packed (web/pack.py), and
// must be what the game's decoder counts once the file is here.
TEST(ArrivingSoundLengths, ThePackersReadingOfEverySoundIsTheDecodersCount) {
  MiniaudioAudio engine;
  std::string command = "python3 " TARNWICK_WEB_DIR "/pack.py --seconds " TARNWICK_ASSETS_DIR "/Audio/*.mp3";
  FILE* out = ::popen(command.c_str(), "r");
  ASSERT_NE(out, nullptr);
  char name[256];
  char seconds[64];
  int read = 0;
  while (std::fscanf(out, "%255s %63s", name, seconds) == 2) {
    ++read;
    const float decoded = engine.FileSeconds((std::string(TARNWICK_ASSETS_DIR "/Audio/") + name).c_str());
    EXPECT_NEAR(std::stod(seconds), decoded, 1e-4) << name;
  }
  EXPECT_EQ(::pclose(out), 0);
  EXPECT_EQ(read, 46);

  // What the game asks of a file still coming is the sender's answer.
  ArrivingSounds sounds(engine, [](const char*) { return true; }, [](const char*) { return 4.5f; });
  EXPECT_FLOAT_EQ(sounds.FileSeconds("Assets/Audio/Late.mp3"), 4.5f);
}

}  // namespace
