#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "harness/FakeSystem.h"
#include "core/SoundCatalog.h"
#include "core/TextureCatalog.h"
#include "shell/Program.h"

namespace {

int CountPrefix(const std::vector<std::string>& steps, const std::string& prefix) {
  int count = 0;
  for (const auto& s : steps)
    if (s.rfind(prefix, 0) == 0) ++count;
  return count;
}

TEST(StartUp, ClosingTheWindowOnTheTitleEndsWithStatusZeroWithoutAGameFrame) {
  FakeSystem system;
  system.rec.input.events = {InputEvent::Quit};
  EXPECT_EQ(RunProgram(system), 0);
  // The game loop draws the backdrop first in each frame; the title never does.
  EXPECT_FALSE(system.rec.drawing.Drew(HouseBedRoomBedTexture));
  EXPECT_TRUE(system.logs.empty());
}

TEST(StartUp, RunsItsStepsInOrderAndTearsDownInOrder) {
  FakeSystem system;
  system.rec.input.events = {InputEvent::ShiftReleased};
  ASSERT_EQ(RunProgram(system), 0);
  const auto& steps = system.steps;
  ASSERT_GE(steps.size(), 8u);
  EXPECT_EQ(steps[0], "init");
  EXPECT_EQ(steps[1], "window");
  EXPECT_EQ(steps[2], "renderer");
  EXPECT_EQ(steps[3], "audio");
  EXPECT_EQ(steps[4], "display");
  EXPECT_EQ(steps[5], "volume 1.500000");
  EXPECT_EQ(steps[6], "load HouseBedRoomBedTexture");
  // Every picture is loaded before the surfaces are freed and any is checked.
  EXPECT_EQ(system.StepIndex("free surfaces"), 6 + TextureCount);
  EXPECT_LT(system.StepIndex("check JumpscareTexture"), system.StepIndex("sound BirdsSound"));
  EXPECT_EQ(CountPrefix(steps, "sound "), SoundCount);
  // Teardown: audio first, each texture once, renderer, window, quit last.
  const int uninit = system.StepIndex("uninit audio");
  ASSERT_GT(uninit, 0);
  EXPECT_EQ(CountPrefix(steps, "destroy ") , TextureCount + 2);
  EXPECT_EQ(steps[uninit + 1], "destroy HouseBedRoomBedTexture");
  EXPECT_EQ(steps[steps.size() - 3], "destroy renderer");
  EXPECT_EQ(steps[steps.size() - 2], "destroy window");
  EXPECT_EQ(steps.back(), "quit");
}

TEST(StartUp, AudioEngineThatCannotStartReturnsOneBeforeAnyPictureWithoutALogLine) {
  FakeSystem system;
  system.audioFails = true;
  EXPECT_EQ(RunProgram(system), 1);
  EXPECT_EQ(CountPrefix(system.steps, "load "), 0);
  EXPECT_TRUE(system.logs.empty());
  EXPECT_EQ(system.steps.back(), "quit");
}

TEST(StartUp, AllThreeCreationsAreAttemptedBeforeTheOneTest) {
  FakeSystem system;
  system.windowFails = true;
  EXPECT_EQ(RunProgram(system), 1);
  EXPECT_NE(system.StepIndex("renderer"), -1);
  EXPECT_NE(system.StepIndex("audio"), -1);
  EXPECT_EQ(system.StepIndex("display"), -1);
  EXPECT_TRUE(system.logs.empty());
}

TEST(TextureCheck, MissingTipIsLoggedAfterEveryLoadWasAttempted) {
  FakeSystem system;
  system.missingTextures = {TipTexture};
  EXPECT_EQ(RunProgram(system), 1);
  EXPECT_EQ(CountPrefix(system.steps, "load "), TextureCount);
  ASSERT_EQ(system.logs.size(), 1u);
  EXPECT_EQ(system.logs[0], "Texture: TipTexture Failed");
  // Shut down without touching the audio engine or creating any sound.
  EXPECT_EQ(system.steps.back(), "quit");
  EXPECT_EQ(system.StepIndex("uninit audio"), -1);
  EXPECT_EQ(CountPrefix(system.steps, "sound "), 0);
}

TEST(TextureCheck, OnlyTheFirstMissingPictureInCatalogOrderIsReported) {
  FakeSystem system;
  system.missingTextures = {TipTexture, CursorTexture};
  EXPECT_EQ(RunProgram(system), 1);
  ASSERT_EQ(system.logs.size(), 1u);
  EXPECT_EQ(system.logs[0], "Texture: CursorTexture Failed");
}

TEST(TextureCheck, PicturesInFoldersAreReportedByTheirWordNames) {
  FakeSystem system;
  system.missingTextures = {CarDriveTwoThreeTexture};
  EXPECT_EQ(RunProgram(system), 1);
  ASSERT_EQ(system.logs.size(), 1u);
  EXPECT_EQ(system.logs[0], "Texture: CarDriveTwoThreeTexture Failed");
}

// With captions on, start-up itself (not a test's own call) makes the caption
// letters crisp and reads how long each captioned file plays, all before the
// title's first frame; without them it asks neither.
TEST(StartUp, WithCaptionsReadsEveryCaptionedFilesLengthAndMakesTheLettersCrispBeforeTheTitle) {
  const char* const captionedFiles[] = {IdkWhatToNameThisFile, ItWalkingOnGrassFile, ItRunningOnGrassFile,
      CreepyNoiseFile, WhatEvenIsThisFile, ScaryScreechFile, CameraFlashFile, HeheFile, KnockKnockFile,
      KnockKnockKnockFile, GlassShatterFile, DoorOpenFile, ItWalkingInYourRoomFile, MoansAndGroansFile,
      CreepyYellFile, WoodRunningFile, ItGettingAwayScareFile, JumpscareFile, HorrorDeathFile, EngineStartupFile,
      CaughtFishFile, ErrorFile};
  for (const bool captions : {true, false}) {
    FakeSystem system;
    ProgramRun run(system, GameOptions{.Captions = captions});
    ASSERT_TRUE(run.Start());
    int asked = 0;
    for (const SoundCall& call : system.rec.audio.calls)
      if (call.kind == SoundCall::Kind::AskFileSeconds) {
        ++asked;
        EXPECT_TRUE(std::find(std::begin(captionedFiles), std::end(captionedFiles), call.path) !=
                    std::end(captionedFiles)) << call.path;
      }
    for (const char* file : captionedFiles)
      EXPECT_EQ(std::count_if(system.rec.audio.calls.begin(), system.rec.audio.calls.end(),
                              [&](const SoundCall& c) { return c.kind == SoundCall::Kind::AskFileSeconds && c.path == file; }),
                captions ? 1 : 0) << file;
    EXPECT_EQ(asked, captions ? 22 : 0);
    const auto& draws = system.rec.drawing.calls;
    const bool crisp = std::any_of(draws.begin(), draws.end(), [](const DrawCall& c) {
      return c.kind == DrawCall::Kind::Nearest && c.texture == CaptionsTexture;
    });
    EXPECT_EQ(crisp, captions);
    EXPECT_FALSE(system.rec.drawing.Drew(MenuTexture)) << "no title frame has been drawn yet";
  }
}

}  // namespace
