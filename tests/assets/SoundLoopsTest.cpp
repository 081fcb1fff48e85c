// The looping beds and music must come round with no click and no gap, as
// the game's audio engine plays them: decoded by miniaudio, which drops the
// encoder delay and padding that the MP3's Info tag declares, and then played
// from its last sample straight back into its first.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "SoundChecks.h"
#include "sounds/Mp3Encoding.h"

// Failures name the sound, not its address.
void PrintTo(const SoundEntry* entry, std::ostream* os) { *os << entry->name; }

namespace {

using namespace soundcheck;

std::vector<const SoundEntry*> LoopedSounds() {
  std::vector<const SoundEntry*> loops;
  for (const SoundEntry& e : SoundCatalog)
    if (e.looped) loops.push_back(&e);
  return loops;
}

class LoopedSound : public testing::TestWithParam<const SoundEntry*> {};

TEST_P(LoopedSound, EndRunsIntoStartWithoutAClickOrAGap) {
  const SoundEntry& entry = *GetParam();
  const DecodedAudio d = DecodeMp3(BuiltPath(entry.path));
  ASSERT_TRUE(d.ok) << entry.path;
  const sound::Sound s = ToSound(d);
  for (int c = 0; c < s.ChannelCount(); ++c) {
    const Join j = MeasureJoin(s.channels[static_cast<std::size_t>(c)]);
    std::printf("%-22s ch%d  join step %.5f  (99.9%% of its steps below %.5f)  first 10 ms %6.1f dB  last 10 ms %6.1f dB\n",
                FileName(entry.path).c_str(), c, j.step, j.typicalHigh, j.headDb, j.tailDb);
    EXPECT_LE(j.step, j.typicalHigh) << entry.path << " clicks where it comes round (channel " << c << ")";
    EXPECT_GT(j.headDb, SilenceDb) << entry.path << " starts with a silent gap";
    EXPECT_GT(j.tailDb, SilenceDb) << entry.path << " ends with a silent gap";
  }
}

TEST_P(LoopedSound, LastsTheWholeSecondsItWasMadeFor) {
  // Every loop is made a whole number of seconds long; encoder delay or
  // padding left in by the decoder would show as a ragged length.
  const DecodedAudio d = DecodeMp3(BuiltPath(GetParam()->path));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.sampleRate, 44100);
  EXPECT_EQ(d.Frames() % 44100, 0u) << GetParam()->path << " decodes to " << d.Frames() << " frames";
  EXPECT_GE(d.Frames(), 8u * 44100) << "a loop this short would be heard repeating";
}

INSTANTIATE_TEST_SUITE_P(Catalog, LoopedSound, testing::ValuesIn(LoopedSounds()),
                         [](const testing::TestParamInfo<const SoundEntry*>& info) {
                           return std::string(info.param->name);
                         });

// The same checks on loops made to be faulty, through the same encoder and
// decoder: they must catch a loop that does not fit its length and one with
// a gap in front.
class FaultyLoops : public testing::Test {
 protected:
  static constexpr double Seconds = 2.0;

  // Encodes, optionally hides the Info tag from the decoder (as an MP3 made
  // without one would be), and decodes the way the game does.
  DecodedAudio Through(const sound::Sound& s, bool hideTag = false) {
    auto mp3 = sound::EncodeMp3(s, {96, true});
    if (hideTag)
      for (std::size_t i = 0; i + 4 <= 200; ++i)
        if (mp3[i] == 'I' && mp3[i + 1] == 'n' && mp3[i + 2] == 'f' && mp3[i + 3] == 'o') mp3[i] = 'J';
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tarnwick-loop-" + std::to_string(::getpid()) + ".mp3");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(mp3.data(), 1, mp3.size(), f);
    std::fclose(f);
    const DecodedAudio d = DecodeMp3(path.string());
    std::filesystem::remove(path);
    EXPECT_TRUE(d.ok);
    return d;
  }

  static sound::Sound Tone(double hz, std::size_t silentLead = 0) {
    sound::Sound s = sound::Sound::Mono(sound::Frames(Seconds));
    for (std::size_t i = silentLead; i < s.Frames(); ++i)
      s.channels[0][i] = static_cast<float>(0.3 * std::sin(sound::TwoPi * (0.3 + hz * i / sound::SampleRate)));
    return s;
  }
};

TEST_F(FaultyLoops, ATonePeriodicOverTheLoopPasses) {
  const DecodedAudio d = Through(Tone(441.0));
  const Join j = MeasureJoin(ToSound(d).channels[0]);
  EXPECT_TRUE(JoinsCleanly(j)) << j.step << " vs " << j.typicalHigh;
  EXPECT_EQ(d.Frames(), sound::Frames(Seconds));
}

TEST_F(FaultyLoops, AToneCutOffMidCycleClicks) {
  const Join j = MeasureJoin(ToSound(Through(Tone(441.125))).channels[0]);
  EXPECT_FALSE(JoinsCleanly(j)) << j.step << " vs " << j.typicalHigh;
}

TEST_F(FaultyLoops, ALoopWhoseGaplessTagIsNotReadKeepsItsEncoderGaps) {
  const DecodedAudio d = Through(Tone(441.0), true);
  const Join j = MeasureJoin(ToSound(d).channels[0]);
  EXPECT_FALSE(JoinsCleanly(j));
  EXPECT_LT(j.headDb, SilenceDb);
  EXPECT_NE(d.Frames() % 44100, 0u);
}

}  // namespace
