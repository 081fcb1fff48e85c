#include <gtest/gtest.h>

#include <cstring>

#include "harness/FrameDriver.h"
#include "harness/ScreenReader.h"
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
    EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 0) << blocker;
  }
}

TEST(Dialogue, ClosingEntryHidesTheBoxInTheSameFrameAndHandsBackControl) {
  FrameDriver driver = Reading(2, 0);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 3);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 1);
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
  EXPECT_TRUE(driver.rec.audio.TimesPlayed(FootstepsWoodFile) == 0);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingOut) << "the next press walks on";
}

TEST(Dialogue, SoundCuesPlayWithTheClick) {
  int cues = 0;
  for (int index = 0; index < 1003; ++index) cues += DialogueSoundCue(index) != nullptr;
  EXPECT_EQ(cues, 6);
  EXPECT_STREQ(DialogueSoundCue(61), ItWalkingOnGrassFile);
  EXPECT_STREQ(DialogueSoundCue(152), KnockKnockFile);
  EXPECT_STREQ(DialogueSoundCue(155), KnockKnockKnockFile);
  EXPECT_STREQ(DialogueSoundCue(157), GlassShatterFile);
  FrameDriver driver = Reading(56, 31);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), (std::vector<std::string>{ClickFile, IdkWhatToNameThisFile}));
  FrameDriver second = Reading(129, 78);
  second.ReleaseReturn();
  second.Frame();
  EXPECT_EQ(second.rec.audio.PlayedOnce(), (std::vector<std::string>{ClickFile, ItRunningOnGrassFile}));
  FrameDriver plain = Reading(58, 31);
  plain.ReleaseReturn();
  plain.Frame();
  EXPECT_EQ(plain.rec.audio.PlayedOnce(), std::vector<std::string>{ClickFile});
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

TEST(DialogueScript, EveryLineFitsTheScreenAndEveryConversationCloses) {
  int lines = 0;
  for (int index = 0; index < 1003; ++index) {
    const DialogueEntry* entry = FindDialogueEntry(index);
    if (!entry || !entry->text) continue;
    ++lines;
    const std::string text = entry->text;
    EXPECT_LE(AsDrawn(text).size(), 40u) << index;
    EXPECT_LT(text.size(), 47u) << index;
    for (char ch : text) EXPECT_FALSE(ch >= 'a' && ch <= 'z') << index;
    // Every run of lines ends in a closing entry.
    int next = index + 1;
    while (FindDialogueEntry(next) && FindDialogueEntry(next)->text) ++next;
    ASSERT_NE(FindDialogueEntry(next), nullptr) << "the conversation of line " << index << " never closes";
  }
  EXPECT_EQ(lines, 145);  // 143 that play, and the two unreached lines 4 and 5
  EXPECT_EQ(FindDialogueEntry(173)->scene, 88);
  EXPECT_EQ(FindDialogueEntry(174), nullptr);
  EXPECT_EQ(FindDialogueEntry(999), nullptr);
  EXPECT_STREQ(FindDialogueEntry(11)->text, "I THINK I CAN RENT A CABIN ON MY PC.     //");
}

}  // namespace
