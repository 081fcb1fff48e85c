// The generator's side: it has a recipe for exactly the catalog's sounds,
// makes the same bytes every time, and writes a gapless tag that decoders
// will believe.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "SoundChecks.h"
#include "sounds/SoundBook.h"

namespace {

using namespace soundcheck;

sound::Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return sound::Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(SoundBook, HasOneRecipeForEachCatalogFileAndNoMore) {
  std::set<std::string> files;
  for (const SoundEntry& e : SoundCatalog) {
    const sound::Recipe* r = sound::FindRecipe(FileName(e.path));
    ASSERT_NE(r, nullptr) << e.path;
    EXPECT_NE(r->role, sound::Role::Effect) << e.path << " is a bed or a song";
    // A sound the game loops must be made as a loop.
    if (e.looped) {
      EXPECT_TRUE(r->seamless) << e.path;
    }
    files.insert(FileName(e.path));
  }
  for (const char* p : PlayOnceSoundFiles) {
    const sound::Recipe* r = sound::FindRecipe(FileName(p));
    ASSERT_NE(r, nullptr) << p;
    EXPECT_NE(r->role, sound::Role::Bed) << p << " is played once";
    files.insert(FileName(p));
  }
  EXPECT_EQ(files.size(), 46u);
  EXPECT_EQ(sound::SoundRecipes().size(), 46u);
}

// Made again here, a sound comes out byte for byte as the build wrote it.
class MadeAgain : public testing::TestWithParam<const char*> {};

TEST_P(MadeAgain, GivesTheSameBytes) {
  const std::string path = GetParam();
  bool looped = false;
  for (const SoundEntry& e : SoundCatalog)
    if (path == e.path) looped = e.looped;
  const sound::Recipe* r = sound::FindRecipe(FileName(path));
  ASSERT_NE(r, nullptr);
  const sound::MadeSound first = sound::MakeSound(*r, looped);
  const sound::MadeSound second = sound::MakeSound(*r, looped);
  EXPECT_EQ(first.mp3, second.mp3);
  EXPECT_EQ(first.mp3, ReadFile(BuiltPath(path))) << path << " differs from the built file";
}

INSTANTIATE_TEST_SUITE_P(Some, MadeAgain,
                         testing::Values(ClickFile, KnockKnockFile, GlassShatterFile, "Assets/Audio/Telephone.mp3",
                                         "Assets/Audio/CarDriving.mp3"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = FileName(info.param);
                           return name.substr(0, name.find('.'));
                         });

TEST(GaplessTag, EveryFileCarriesAnIntactLameTag) {
  auto check = [](const char* path) {
    const sound::Bytes mp3 = ReadFile(BuiltPath(path));
    EXPECT_TRUE(sound::LameTagIntact(mp3)) << path;
    const sound::GaplessInfo info = sound::ReadGaplessInfo(mp3);
    EXPECT_GE(info.delay, 576) << path;
    EXPECT_GE(info.padding, 0) << path;
  };
  for (const SoundEntry& e : SoundCatalog) check(e.path);
  for (const char* p : PlayOnceSoundFiles) check(p);
}

TEST(GaplessTag, LameAndTheGamesDecoderAgreeOnEveryLength) {
  // LAME's own decoder, trimmed by the tag, and miniaudio's, which trims by
  // itself, must give the same number of samples.
  for (const SoundEntry& e : SoundCatalog) {
    const sound::Sound lame = sound::DecodeMp3Stream(ReadFile(BuiltPath(e.path)));
    const DecodedAudio game = DecodeMp3(BuiltPath(e.path));
    EXPECT_EQ(lame.Frames(), game.Frames()) << e.path;
  }
}

}  // namespace
