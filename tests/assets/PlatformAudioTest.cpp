// The sound side of the platform on miniaudio's engine: it starts without a
// sound card, and a persistent sound whose file will not load stays silent
// without the engine ever being called on it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <unistd.h>

#include "core/SoundCatalog.h"
#include "platform/MiniaudioAudio.h"

namespace {

namespace fs = std::filesystem;
using State = MiniaudioAudio::SoundState;

// A short mono 16-bit tone, as a WAV file (the engine reads any format it knows).
void WriteTone(const fs::path& path, float seconds) {
  const std::uint32_t rate = 44100;
  const std::uint32_t frames = static_cast<std::uint32_t>(seconds * rate);
  const std::uint32_t dataBytes = frames * 2;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(dataBytes);
  for (std::uint32_t i = 0; i < frames; ++i)
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 0.0627f))));
}

class PlatformAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tarnwick-audio-" + std::to_string(::getpid()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    ASSERT_TRUE(audio_.InitEngine()) << "the engine must start even without a sound card";
  }
  void TearDown() override {
    audio_.UninitEngine();
    fs::remove_all(dir_);
  }
  std::string File(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
  MiniaudioAudio audio_;
};

TEST_F(PlatformAudio, EngineStartsOnAMachineWithoutASoundCard) {
  EXPECT_TRUE(audio_.EngineReady());
  audio_.SetMasterVolume(1.5f);
  // Starting twice is harmless.
  EXPECT_TRUE(audio_.InitEngine());
}

TEST_F(PlatformAudio, SoundThatLoadsCanBeStartedLoopedAndStopped) {
  WriteTone(dir_ / "tone.wav", 2.0f);
  audio_.CreateSound(CricketsSound, File("tone.wav").c_str());
  ASSERT_EQ(audio_.State(CricketsSound), State::Ready);

  EXPECT_FALSE(audio_.IsPlaying(CricketsSound));
  audio_.Start(CricketsSound);
  audio_.Start(CricketsSound);  // a second start leaves one copy playing
  EXPECT_TRUE(audio_.IsPlaying(CricketsSound));
  EXPECT_FALSE(audio_.IsLooping(CricketsSound));
  audio_.SetLooping(CricketsSound);
  EXPECT_TRUE(audio_.IsLooping(CricketsSound));
  audio_.Stop(CricketsSound);
  EXPECT_FALSE(audio_.IsPlaying(CricketsSound));
  audio_.Stop(CricketsSound);  // stopping a stopped sound changes nothing
  EXPECT_FALSE(audio_.IsPlaying(CricketsSound));
  EXPECT_TRUE(audio_.IsLooping(CricketsSound)) << "looping stays set";
}

TEST_F(PlatformAudio, MissingFileLeavesTheSoundFailedAndSilent) {
  audio_.CreateSound(MenuSongSound, File("NoSuchSong.mp3").c_str());
  EXPECT_EQ(audio_.State(MenuSongSound), State::Failed);
  audio_.Start(MenuSongSound);
  audio_.SetLooping(MenuSongSound);
  audio_.Stop(MenuSongSound);
  audio_.Start(MenuSongSound);
  EXPECT_FALSE(audio_.IsPlaying(MenuSongSound));
  EXPECT_FALSE(audio_.IsLooping(MenuSongSound));
  EXPECT_EQ(audio_.State(MenuSongSound), State::Failed);
}

TEST_F(PlatformAudio, FileThatIsNotASoundLeavesTheSoundFailed) {
  {
    std::ofstream text(dir_ / "Birds.mp3");
    text << "these are not birds, only words\n";
  }
  { std::ofstream empty(dir_ / "Empty.mp3"); }
  audio_.CreateSound(BirdsSound, File("Birds.mp3").c_str());
  audio_.CreateSound(BirdsQuietSound, File("Empty.mp3").c_str());
  EXPECT_EQ(audio_.State(BirdsSound), State::Failed);
  EXPECT_EQ(audio_.State(BirdsQuietSound), State::Failed);
  for (SoundId sound : {BirdsSound, BirdsQuietSound}) {
    audio_.SetLooping(sound);
    audio_.Start(sound);
    audio_.Stop(sound);
    EXPECT_FALSE(audio_.IsPlaying(sound));
  }
}

TEST_F(PlatformAudio, FailedSoundDoesNotDisturbTheOthers) {
  WriteTone(dir_ / "tone.wav", 2.0f);
  audio_.CreateSound(CreepyAmbienceSound, File("tone.wav").c_str());
  audio_.CreateSound(BirdsQuietSound, File("missing.mp3").c_str());
  audio_.CreateSound(MenuSongSound, File("tone.wav").c_str());
  // As the title screen does.
  for (SoundId sound : {CreepyAmbienceSound, BirdsQuietSound, MenuSongSound}) {
    audio_.Start(sound);
    audio_.SetLooping(sound);
  }
  EXPECT_TRUE(audio_.IsPlaying(CreepyAmbienceSound));
  EXPECT_FALSE(audio_.IsPlaying(BirdsQuietSound));
  EXPECT_TRUE(audio_.IsPlaying(MenuSongSound));
  EXPECT_TRUE(audio_.IsLooping(MenuSongSound));
}

TEST_F(PlatformAudio, SoundsNeverCreatedAreSkipped) {
  EXPECT_EQ(audio_.State(TelephoneSound), State::NotCreated);
  audio_.Start(TelephoneSound);
  audio_.SetLooping(TelephoneSound);
  audio_.Stop(TelephoneSound);
  EXPECT_FALSE(audio_.IsPlaying(TelephoneSound));
}

TEST_F(PlatformAudio, PlayingAMissingFileOnceIsSilence) {
  WriteTone(dir_ / "click.wav", 0.1f);
  audio_.PlayOnce(File("NoSuchClick.mp3").c_str());
  // The same file several times over, overlapping.
  for (int i = 0; i < 3; ++i) audio_.PlayOnce(File("click.wav").c_str());
  EXPECT_TRUE(audio_.EngineReady());
}

TEST_F(PlatformAudio, EverythingIsSkippedOnceTheEngineIsGone) {
  WriteTone(dir_ / "tone.wav", 1.0f);
  audio_.CreateSound(KittySongSound, File("tone.wav").c_str());
  audio_.Start(KittySongSound);
  audio_.UninitEngine();
  audio_.UninitEngine();  // teardown and the destructor may both get here
  EXPECT_FALSE(audio_.EngineReady());
  EXPECT_NE(audio_.State(KittySongSound), State::Ready);
  audio_.Start(KittySongSound);
  audio_.Stop(KittySongSound);
  audio_.PlayOnce(File("tone.wav").c_str());
  audio_.SetMasterVolume(1.5f);
  EXPECT_FALSE(audio_.IsPlaying(KittySongSound));
}

// What the captions ask: how long a file plays, read from the file (0 for
// none); and a sound that is not looping stops playing at its end.
TEST_F(PlatformAudio, AFilesLengthAndASoundsEndComeFromTheSoundItself) {
  WriteTone(dir_ / "tone.wav", 0.25f);
  EXPECT_NEAR(audio_.FileSeconds(File("tone.wav").c_str()), 0.25f, 1e-4);
  EXPECT_EQ(audio_.FileSeconds(File("NoSuchFile.mp3").c_str()), 0);
  audio_.CreateSound(HeavyBreathingSound, File("tone.wav").c_str());
  audio_.Start(HeavyBreathingSound);
  EXPECT_TRUE(audio_.IsPlaying(HeavyBreathingSound));
  // Even the null device plays in real time: polled until a generous deadline.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (audio_.IsPlaying(HeavyBreathingSound) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(audio_.IsPlaying(HeavyBreathingSound));
}

// Two reasons for silence at once (the pause menu open in a tab then
// hidden): the sound stands still until both have gone, and then plays on to
// its end.
TEST_F(PlatformAudio, SoundStandsStillUntilEveryPauseIsUndone) {
  WriteTone(dir_ / "tone.wav", 0.1f);
  audio_.CreateSound(HeavyBreathingSound, File("tone.wav").c_str());
  audio_.Start(HeavyBreathingSound);
  audio_.Pause();
  audio_.Pause();
  audio_.Resume();
  // Ten times the tone's length: a device that played on would have ended it.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(audio_.IsPlaying(HeavyBreathingSound)) << "the first resume brought the sound back";
  audio_.Resume();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (audio_.IsPlaying(HeavyBreathingSound) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(audio_.IsPlaying(HeavyBreathingSound)) << "the sound never went on";
}

TEST(PlatformAudioWithoutEngine, SoundsMadeBeforeTheEngineFail) {
  MiniaudioAudio audio;
  audio.CreateSound(BirdsSound, "Assets/Audio/Birds.mp3");
  EXPECT_EQ(audio.State(BirdsSound), State::Failed);
  audio.Start(BirdsSound);
  audio.PlayOnce("Assets/Audio/Click.mp3");
  EXPECT_FALSE(audio.IsPlaying(BirdsSound));
}

#ifdef TARNWICK_ASSETS_DIR
// The game's own sound files, as built, all decode with the game's engine.
TEST(PlatformAudioAssets, EveryPersistentSoundOfTheGameLoads) {
  MiniaudioAudio audio;
  ASSERT_TRUE(audio.InitEngine());
  const fs::path assets = TARNWICK_ASSETS_DIR;
  for (int id = 0; id < SoundCount; ++id) {
    const std::string relative = std::string(SoundCatalog[id].path).substr(std::string("Assets/").size());
    audio.CreateSound(static_cast<SoundId>(id), (assets / relative).string().c_str());
    EXPECT_EQ(audio.State(static_cast<SoundId>(id)), State::Ready) << SoundCatalog[id].path;
  }
}
#endif

}  // namespace
