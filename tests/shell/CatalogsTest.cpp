// Start-up asks for every picture and persistent sound by the file the record
// gives, in the record's order, and sets the pictures up as the record says.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/ByName.h"
#include "harness/FakeSystem.h"
#include "record/Sounds.h"
#include "record/Textures.h"
#include "shell/Program.h"

namespace {

// The program started and closed on its title screen.
struct StartedAndClosed {
  FakeSystem system;
  StartedAndClosed() {
    system.rec.input.events = {InputEvent::Quit};
    EXPECT_EQ(RunProgram(system), 0);
  }
  std::vector<std::string> StepsAfter(const std::string& prefix) const {
    std::vector<std::string> names;
    for (const std::string& step : system.steps)
      if (step.rfind(prefix, 0) == 0) names.push_back(step.substr(prefix.size()));
    return names;
  }
  // The drawing settings made before the title's first frame, of one kind.
  std::vector<DrawCall> Settings(DrawCall::Kind kind) const {
    std::vector<DrawCall> found;
    for (const DrawCall& call : system.rec.drawing.calls) {
      if (call.kind == DrawCall::Kind::Clear) break;
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }
};

TEST(Catalogs, EveryPictureIsLoadedCheckedAndFreedFromItsFileInOrder) {
  StartedAndClosed run;
  const auto loaded = run.StepsAfter("load ");
  const auto checked = run.StepsAfter("check ");
  const auto destroyed = run.StepsAfter("destroy ");
  ASSERT_EQ(loaded.size(), 110u);
  ASSERT_EQ(checked.size(), 110u);
  ASSERT_GE(run.system.paths.size(), 110u);
  std::vector<std::string> names;
  for (int i = 0; i < 110; ++i) {
    const record::Picture& picture = record::Pictures[i];
    names.push_back(picture.name);
    EXPECT_EQ(loaded[i], picture.name) << "entry " << i + 1;
    EXPECT_EQ(checked[i], picture.name) << "entry " << i + 1;
    EXPECT_EQ(run.system.paths[i], std::string(record::SpritesFolder) + picture.file) << picture.name;
  }
  // Each destroyed once, in any order, besides the renderer and the window.
  std::vector<std::string> textures(destroyed.begin(), destroyed.end());
  std::erase(textures, "renderer");
  std::erase(textures, "window");
  std::sort(textures.begin(), textures.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(textures, names);
}

TEST(Catalogs, TheFourteenPersistentSoundsAreMadeFromTheirFilesInOrder) {
  StartedAndClosed run;
  const auto made = run.StepsAfter("sound ");
  ASSERT_EQ(made.size(), 14u);
  ASSERT_EQ(run.system.paths.size(), 110u + 14u) << "nothing else is read at start-up";
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(made[i], record::PersistentSounds[i].name);
    EXPECT_EQ(run.system.paths[110 + i], record::PersistentSounds[i].path);
  }
}

TEST(Catalogs, SoundsSetLoopingAreTheOnesTheGeneratorMakesSeamless) {
  // The pictures and sounds are made from the catalogs; a sound the game loops
  // must be made to loop without a seam.
  for (int i = 0; i < 14; ++i) {
    const SoundId id = SoundNamed(record::PersistentSounds[i].name);
    ASSERT_NE(id, SoundCount) << record::PersistentSounds[i].name;
    EXPECT_EQ(SoundCatalog[id].looped, record::PersistentSounds[i].looped) << record::PersistentSounds[i].name;
  }
}

TEST(Catalogs, TheThirtyTwoSoundsPlayedByPathAreTheRecordsFiles) {
  std::vector<std::string> game(PlayOnceSoundFiles.begin(), PlayOnceSoundFiles.end());
  std::vector<std::string> described(std::begin(record::PlayedByPath), std::end(record::PlayedByPath));
  std::sort(game.begin(), game.end());
  std::sort(described.begin(), described.end());
  EXPECT_EQ(game, described);
}

TEST(TextureSettings, BlendAlphaAndNearestGoToTheRecordsPicturesInOrder) {
  StartedAndClosed run;
  const auto blended = run.Settings(DrawCall::Kind::Blend);
  ASSERT_EQ(blended.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(NameOf(blended[i].texture), record::BlendedAtStart[i]);

  const auto alphas = run.Settings(DrawCall::Kind::Alpha);
  ASSERT_EQ(alphas.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(NameOf(alphas[i].texture), record::AlphaAtStart[i].name);
    EXPECT_EQ(alphas[i].alpha, record::AlphaAtStart[i].alpha) << record::AlphaAtStart[i].name;
  }

  const auto nearest = run.Settings(DrawCall::Kind::Nearest);
  ASSERT_EQ(nearest.size(), 23u);
  for (int i = 0; i < 23; ++i) EXPECT_EQ(NameOf(nearest[i].texture), record::NearestAtStart[i]) << "setting " << i;

  // Blending first, then the alphas, then the scaling.
  const auto& calls = run.system.rec.drawing.calls;
  ASSERT_GE(calls.size(), 29u);
  for (int i = 0; i < 29; ++i) {
    const DrawCall::Kind kind = i < 3 ? DrawCall::Kind::Blend : i < 6 ? DrawCall::Kind::Alpha : DrawCall::Kind::Nearest;
    EXPECT_EQ(calls[i].kind, kind) << "setting " << i;
  }
}

}  // namespace
