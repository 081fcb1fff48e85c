#include <gtest/gtest.h>

#include <cstring>

#include "harness/FrameDriver.h"
#include "harness/ScreenReader.h"
#include "record/DialogueLines.h"
#include "story/DialogueScript.h"

namespace {

// In a scene with no window, with a conversation open at `index` and its line on screen.
FrameDriver Reading(int index, int scene = 18) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = scene;
  driver.state.MessageIndex = index;
  driver.state.DialogueActive = true;
  driver.Frame();
  return driver;
}

TEST(Dialogue, TheGameOpensOnItsFirstLine) {
  FrameDriver driver;
  driver.Frame();
  EXPECT_TRUE(DialogueBandShown(driver.rec.drawing));
  EXPECT_EQ(DrawnDialogueText(driver.rec.drawing), "MORNING ALREADY...?");
}

TEST(Dialogue, ReturnDoesNotAdvanceWhileAPromptIsUpOrTheBoxIsClosed) {
  for (int blocker = 0; blocker < 3; ++blocker) {
    FrameDriver driver = Reading(24);
    if (blocker == 0) driver.state.UseReady = true;
    if (blocker == 1) driver.state.ExitReady = true;
    if (blocker == 2) driver.state.DialogueActive = false;
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(driver.state.MessageIndex, 24) << blocker;
    EXPECT_EQ(driver.rec.audio.TimesPlayed(record::dialogue::Click), 0) << blocker;
  }
}

TEST(Dialogue, ClosingEntryHidesTheBoxInTheSameFrameAndHandsBackControl) {
  FrameDriver driver = Reading(2, 0);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 3);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::dialogue::Click), 1);
  EXPECT_FALSE(driver.state.DialogueActive);
  EXPECT_FALSE(DialogueBandShown(driver.rec.drawing)) << "a closing entry is never seen";

  FrameDriver lake = Reading(95, 62);
  lake.ReleaseReturn();
  lake.Frame();
  EXPECT_EQ(lake.state.SceneIndex, 61);
  EXPECT_TRUE(lake.state.UseReady);
  EXPECT_FALSE(lake.state.FadingOut) << "no fade: the lake stays on screen";

  FrameDriver bed = Reading(160, 83);
  bed.ReleaseReturn();
  bed.Frame();
  EXPECT_TRUE(bed.state.ExitReady);
  EXPECT_TRUE(bed.state.ThreatActive);
}

TEST(Dialogue, APressThatClosesAConversationNeverWalksOn) {
  FrameDriver driver = Reading(49, 26);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.ExitReady);  // closing entry 50
  EXPECT_FALSE(driver.state.FadingOut);
  EXPECT_TRUE(driver.rec.audio.TimesPlayed("Assets/Audio/Footsteps_Wood.mp3") == 0);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingOut) << "the next press walks on";
}

TEST(Dialogue, SoundCuesPlayWithTheClick) {
  int cues = 0;
  for (int index = 0; index < 1003; ++index) cues += DialogueSoundCue(index) != nullptr;
  EXPECT_EQ(cues, static_cast<int>(record::dialogue::SoundCues.size()));
  for (const auto& cue : record::dialogue::SoundCues) EXPECT_STREQ(DialogueSoundCue(cue.index), cue.sound);
  FrameDriver driver = Reading(56, 31);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.PlayedOnce(),
            (std::vector<std::string>{record::dialogue::Click, "Assets/Audio/IdkWhatToNameThis.mp3"}));
  FrameDriver plain = Reading(58, 31);
  plain.ReleaseReturn();
  plain.Frame();
  EXPECT_EQ(plain.rec.audio.PlayedOnce(), std::vector<std::string>{record::dialogue::Click});
}

TEST(Dialogue, ALineWithATintHoldsItEveryFrameItIsShown) {
  FrameDriver driver = Reading(56, 31);
  for (int i = 0; i < 5; ++i) {
    driver.state.NightTint = 3;  // changed by something else in between
    driver.Frame();
    EXPECT_EQ(driver.state.NightTint, 50);
  }
  FrameDriver after = Reading(65, 31);
  after.ReleaseReturn();
  after.Frame();
  after.Frame();
  EXPECT_EQ(after.state.NightTint, 90) << "kept once the line has gone";
}

TEST(Dialogue, ALineMustHaveBeenOnScreenBeforeReturnMovesOn) {
  // A press queued in the frame a conversation opens (hammering Return at an
  // exit, say) does not skip the first line unseen.
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 18;
  driver.state.DialogueActive = false;
  driver.Frame();
  driver.state.MessageIndex = 31;
  driver.state.DialogueActive = true;  // opened after the frame's script step
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 31);
  EXPECT_EQ(DrawnDialogueText(driver.rec.drawing), "SO THIS MUST BE THE CABIN?");
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 32);
}

TEST(DialogueScript, BlanksTheTextAsWritten) {
  GameState state;
  state.MessageText.fill('\0');
  state.DialogueActive = true;
  state.MessageIndex = 0;
  RunDialogueScript(state);
  EXPECT_STREQ(state.MessageText.data(), "MORNING ALREADY...?");
  EXPECT_EQ(state.MessageText[20], '\0') << "line 0 is not blanked";

  state.MessageIndex = 1;
  RunDialogueScript(state);
  EXPECT_EQ(state.MessageText[47], ' ');
  EXPECT_EQ(state.MessageText[48], '\0');

  state.MessageIndex = 10;
  RunDialogueScript(state);
  EXPECT_EQ(state.MessageText[46], ' ');
  EXPECT_EQ(state.MessageText[47], '\0');
  EXPECT_EQ(state.MessageText[49], '\0');
  EXPECT_EQ(std::strlen(state.MessageText.data()), std::strlen("I COULD GET SOME PEACE AND QUIET."));
}

// The game's script is the record, entry by entry; beyond it the game may keep
// only the three entries that nothing reaches (4 to 6).
TEST(DialogueScript, IsTheRecordEntryByEntry) {
  for (const auto& entry : record::dialogue::Script) {
    const DialogueEntry* game = FindDialogueEntry(entry.index);
    ASSERT_NE(game, nullptr) << entry.index;
    EXPECT_EQ(game->text ? std::string(game->text) : "(closing)", entry.text ? entry.text : "(closing)") << entry.index;
    EXPECT_EQ(game->nightTint, entry.nightTint) << entry.index;
    EXPECT_EQ(game->exitReady, entry.exitReady) << entry.index;
    EXPECT_EQ(game->useReady, entry.useReady) << entry.index;
    EXPECT_EQ(game->threatActive, entry.threatActive) << entry.index;
    EXPECT_EQ(game->scene, entry.scene) << entry.index;
    if (entry.text) {
      EXPECT_LE(AsDrawn(entry.text).size(), 40u) << "fits the screen: " << entry.index;
    }
  }
  for (int index = -1; index < 1100; ++index) {
    if (!record::dialogue::Find(index) && (index < 4 || index > 6)) {
      EXPECT_EQ(FindDialogueEntry(index), nullptr) << index;
    }
  }
}

}  // namespace
