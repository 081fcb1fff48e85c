#include <gtest/gtest.h>

#include "harness/Scenes.h"
#include "harness/ScreenReader.h"
#include "story/TimedEvents.h"
#include "world/SceneTable.h"
#include "core/Views.h"

namespace {

TEST(TelevisionEvening, FiveSecondsThenTheCardForSixThenMorning) {
  FrameDriver driver = ArrivedIn(13);
  driver.state.UseActive = true;  // from the meal and the computer
  EXPECT_TRUE(driver.rec.audio.playing[KittySongSound]);
  int tv = 0;
  while (!driver.state.FadingOut) {
    driver.Step();
    ++tv;
    ASSERT_LT(tv, 1000);
  }
  EXPECT_NEAR(tv / 60.0, 5.0, 0.05);
  EXPECT_TRUE(driver.state.NextDayHold);
  EXPECT_FALSE(driver.rec.audio.playing[KittySongSound]);
  int held = 0;
  while (driver.state.SceneIndex == 13) {
    driver.Step();
    ++held;
    ASSERT_LT(held, 1000);
  }
  EXPECT_NEAR(held / 60.0, 6.0, 0.05) << "counted from the start of the fade";
  EXPECT_EQ(driver.state.BackgroundTexture, HouseBedRoomBedTexture);
  EXPECT_EQ(driver.state.BackgroundRect, RoomView);
  EXPECT_EQ(driver.state.MessageIndex, 16);
  EXPECT_TRUE(DialogueBandShown(driver.rec.drawing));
  EXPECT_NE(DrawnDialogueText(driver.rec.drawing), "MORNING AGAIN.") << "the line shows from the next frame";
  driver.RunUntil([](const GameState& s) { return !s.FadingIn; });
  EXPECT_EQ(driver.state.SceneIndex, 14) << "row 14 waits for the line and the card";
  EXPECT_EQ(DrawnDialogueText(driver.rec.drawing), "MORNING AGAIN.");
}

TEST(FirstCabinNight, TheCardThenTheCabinBed) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 48;
  driver.state.DialogueActive = false;
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 49; });
  int card = 0;
  while (driver.state.SceneIndex == 49) {
    driver.Step();
    card += driver.rec.drawing.Drew(NextDayTexture);
    ASSERT_LT(driver.frames, 2000u);
  }
  EXPECT_NEAR(card / 60.0, 6.0, 0.05);
  EXPECT_EQ(driver.state.SceneIndex, 50);
  EXPECT_EQ(driver.state.BackgroundTexture, CabinBedTexture);
  EXPECT_EQ(driver.state.MessageIndex, 84);
}

TEST(LightsOut, TwoSecondsOfDarkThenALaughAndTheBathroom) {
  FrameDriver driver = ArrivedIn(36);
  EXPECT_EQ(driver.state.NightTint, 255);
  int dark = 0;
  while (driver.state.SceneIndex == 36) {
    driver.Step();
    ++dark;
    ASSERT_LT(dark, 1000);
  }
  EXPECT_NEAR(dark / 60.0, 2.0, 0.05);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(HeheFile), 1);
  EXPECT_EQ(driver.state.SceneIndex, 37);
  EXPECT_EQ(driver.state.NightTint, 0);
  EXPECT_TRUE(driver.state.FadingIn);
  driver.RunSeconds(3);
  EXPECT_EQ(driver.state.SceneIndex, 37) << "once only";
}

TEST(Countdowns, ATimerLandingExactlyOnZeroFiresOneFrameLater) {
  GameState state = GameStartState();
  state.SceneIndex = 36;
  state.LightsOutTimer = 0.25f;
  state.DeltaTime = 0.125f;  // exact in binary
  RecordingAudio audio;
  UpdateLightsOut(state, audio);
  UpdateLightsOut(state, audio);
  EXPECT_EQ(state.LightsOutTimer, 0.0f);
  EXPECT_EQ(audio.TimesPlayed(HeheFile), 0);
  UpdateLightsOut(state, audio);
  EXPECT_EQ(audio.TimesPlayed(HeheFile), 1);

  // The telephone tests before it subtracts: ringing starts the frame after it reaches 0.
  state.SceneIndex = 69;
  state.PhoneTimer = 0.25f;
  UpdateTimedEvents(state, audio);
  UpdateTimedEvents(state, audio);
  EXPECT_EQ(state.PhoneTimer, 0.0f);
  EXPECT_FALSE(state.PhoneRinging);
  UpdateTimedEvents(state, audio);
  EXPECT_TRUE(state.PhoneRinging);
}

TEST(Telephone, RingsAfterFiveSecondsAndThePlayerNoticesFourLater) {
  FrameDriver driver = ArrivedIn(69);
  EXPECT_TRUE(driver.rec.audio.playing[GiberishSound]);
  int frames = 0;
  while (!driver.state.PhoneRinging) {
    driver.Step();
    ++frames;
    ASSERT_LT(frames, 1000);
  }
  EXPECT_NEAR(frames / 60.0, 5.0, 0.05);
  EXPECT_TRUE(driver.rec.audio.playing[TelephoneSound]);
  EXPECT_TRUE(driver.rec.audio.looping[TelephoneSound]);
  EXPECT_EQ(driver.state.MessageIndex, 111);
  EXPECT_FALSE(driver.state.DialogueActive);
  frames = 0;
  while (!driver.state.DialogueActive) {
    driver.Step();
    ++frames;
  }
  EXPECT_NEAR(frames / 60.0, 4.0, 0.05);
  driver.Step();  // the first line is on screen
  for (int line = 111; line < 117; ++line) {
    driver.ReleaseReturn();
    driver.Step();
    driver.Step();
  }
  EXPECT_FALSE(driver.state.DialogueActive);
  EXPECT_TRUE(driver.state.ExitReady);
  driver.RunSeconds(5);
  EXPECT_FALSE(driver.state.DialogueActive) << "the thoughts do not come back";
  EXPECT_TRUE(driver.rec.audio.playing[TelephoneSound]) << "it rings until answered";
}

}  // namespace
