#include <gtest/gtest.h>

#include <cstdlib>

#include "harness/Scenes.h"
#include "core/Views.h"

namespace {

int BrushingSounds(const RecordingAudio& audio) {
  return audio.TimesPlayed(BrushTeethOneFile) + audio.TimesPlayed(BrushTeethTwoFile) +
         audio.TimesPlayed(BrushTeethThreeFile);
}

TEST(Brushing, TwentyStrokesAfterTheReturnThatStarts) {
  FrameDriver driver = StandingIn(5, BathroomSinkTexture, ScreenView);
  driver.state.UseReady = true;
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.BrushingActive);
  EXPECT_EQ(BrushingSounds(driver.rec.audio), 0) << "the starting press is not a stroke";
  EXPECT_EQ(driver.rec.drawing.DrawsOf(UseTexture).size(), 1u);
  float lastY = driver.state.ToothbrushRect.y;
  for (int stroke = 1; stroke <= 20; ++stroke) {
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(BrushingSounds(driver.rec.audio), 1) << stroke;
    EXPECT_EQ(driver.state.BrushStrokes, stroke);
    if (stroke < 20) {
      EXPECT_TRUE(driver.state.BrushingActive);
      EXPECT_NE(driver.state.ToothbrushRect.y, lastY) << "the brush jumps with every stroke";
      EXPECT_TRUE(driver.state.ToothbrushRect.y == 350 || driver.state.ToothbrushRect.y == 400);
      lastY = driver.state.ToothbrushRect.y;
    }
  }
  // The twentieth ends the game in its own frame; the player walks on.
  EXPECT_FALSE(driver.state.BrushingActive);
  EXPECT_TRUE(driver.state.ExitReady);
  EXPECT_FALSE(driver.state.UseActive);
  EXPECT_EQ(driver.state.SceneIndex, 5);
  EXPECT_TRUE(driver.state.BrushUp);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(BrushingSounds(driver.rec.audio), 0);
  EXPECT_TRUE(driver.state.FadingOut);
}

TEST(Brushing, WhileALineIsShownStrokesCountButTheBrushStays) {
  FrameDriver driver = StandingIn(56, CabinSinkTexture, ScreenView);
  driver.state.UseReady = true;
  driver.state.BrushStrokes = 33;  // left from the first morning: reset in the cabin
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.BrushStrokes, 0);
  driver.state.BrushStrokes = 19;
  driver.state.DialogueActive = true;
  driver.state.MessageIndex = 1000;
  driver.Frame();
  const float y = driver.state.ToothbrushRect.y;
  driver.ReleaseReturn();  // reads on to 1001, and is a stroke too
  driver.Frame();
  EXPECT_EQ(driver.state.MessageIndex, 1001);
  EXPECT_EQ(driver.state.BrushStrokes, 20);
  EXPECT_EQ(driver.state.ToothbrushRect.y, y) << "the brush stays while the line is up";
  EXPECT_TRUE(driver.state.BrushingActive) << "cannot end while the line is up";
  driver.ReleaseReturn();  // closes the conversation, and the game with it
  driver.Frame();
  EXPECT_EQ(driver.state.BrushStrokes, 21);
  EXPECT_FALSE(driver.state.DialogueActive);
  EXPECT_FALSE(driver.state.BrushingActive);
  EXPECT_EQ(driver.state.SceneIndex, 57) << "the cabin sink moves on at once";
  EXPECT_TRUE(driver.state.ExitReady);
}

TEST(BookingComputer, TheCursorClicksOnceAndThePageChangesOnTheNextPulse) {
  for (float phase : {0.0f, 0.5f, 0.99f}) {
    FrameDriver driver = StandingIn(10, ComputerOffTexture, ScreenView);
    driver.state.UseReady = true;
    driver.state.RepeatTimer = phase;
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(driver.state.BackgroundTexture, ComputerCabinRentalsTexture);
    EXPECT_EQ(driver.rec.audio.TimesPlayed(ComputerBeepFile), 1);
    EXPECT_EQ(driver.rec.drawing.DrawsOf(CursorTexture).size(), 1u);
    int frames = 0;
    while (!driver.state.CursorClickPlayed) {
      driver.Frame();
      ++frames;
      ASSERT_LT(frames, 1000);
    }
    EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 1);
    EXPECT_NEAR(frames / 60.0, 110 / 40.0, 0.05);
    EXPECT_GE(driver.state.ComputerCursorRect.y, 310);
    EXPECT_LE(driver.state.ComputerCursorRect.x, 340);
    int wait = 0;
    while (!driver.state.ExitReady) {
      driver.Frame();
      ++wait;
      EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 0) << "one click only";
      ASSERT_LT(wait, 200);
    }
    EXPECT_LE(wait / 60.0, 1.05) << "between one frame and about a second";
    EXPECT_EQ(driver.state.BackgroundTexture, ComputerCabinBookedTexture);
    EXPECT_TRUE(driver.state.UseActive) << "left set for the television";
    driver.Frame();
    EXPECT_EQ(driver.rec.drawing.DrawsOf(CursorTexture).size(), 1u) << "still over the booked page";
    EXPECT_EQ(driver.rec.drawing.DrawsOf(MoveTexture).size(), 1u);
  }
}

// At the lake, fishing started, the first bite window opening after `wait` s.
FrameDriver Fishing(float wait) {
  FrameDriver driver = StandingIn(61, LakeTexture, RoomView);
  driver.state.UseReady = true;
  driver.state.RodVisible = true;
  driver.state.ClickWaitTimer = wait;
  driver.ReleaseReturn();
  driver.Frame();
  return driver;
}

TEST(Fishing, APressInTheFrameTheWaitEndsIsNotCounted) {
  FrameDriver driver = Fishing(0.02f);
  EXPECT_TRUE(driver.state.FishingActive);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(FishingRodUsingTexture).size(), 1u);
  driver.ReleaseReturn();
  driver.Frame();  // the wait drops below 0 in this frame, after the press was handled
  EXPECT_LT(driver.state.ClickWaitTimer, 0);
  EXPECT_EQ(driver.state.ClickCount, 0);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 0);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(ClickALotTexture).size(), 1u) << "the prompt shows once it bites";
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.ClickCount, 1);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(ClickFile), 1);
}

TEST(Fishing, SixPressesCatchAndFiveAndALateOneMiss) {
  std::srand(3);
  FrameDriver driver = Fishing(0);
  driver.Frame();
  for (int i = 0; i < 6; ++i) {
    driver.ReleaseReturn();
    driver.Frame();
  }
  EXPECT_EQ(driver.rec.audio.TimesPlayed(CaughtFishFile), 1) << "caught in the frame of the sixth press";
  EXPECT_EQ(driver.state.BitesPlayed, 1);
  EXPECT_FLOAT_EQ(driver.state.ClickWindowTimer, 2.0f);

  FrameDriver slow = Fishing(0);
  slow.Frame();
  for (int i = 0; i < 5; ++i) {
    slow.ReleaseReturn();
    slow.Frame();
  }
  int frames = 0;
  while (slow.state.BitesPlayed == 0) {
    slow.Frame();
    ++frames;
  }
  EXPECT_EQ(slow.rec.audio.TimesPlayed(ErrorFile), 1);
  EXPECT_NEAR((frames + 6) / 60.0, 3.0, 0.05) << "the first window lasts 3 s";
  EXPECT_FLOAT_EQ(slow.state.ClickWindowTimer, 1.8f);
  slow.ReleaseReturn();  // just after the window closed
  slow.Frame();
  EXPECT_EQ(slow.state.ClickCount, 0);
}

TEST(Fishing, AWaitOfZeroOpensTheNextWindowInTheNextFrame) {
  FrameDriver driver = Fishing(0);
  driver.Frame();
  driver.state.ClickCount = 6;
  driver.Frame();  // caught; the next wait is drawn
  ASSERT_EQ(driver.state.BitesPlayed, 1);
  driver.state.ClickWaitTimer = 0;
  driver.Frame();
  EXPECT_TRUE(driver.state.UseReady);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(ClickALotTexture).size(), 1u);
}

TEST(Fishing, TheSecondAfterTheFifthBiteCountsFromTheFrameItEnds) {
  // Frames of 30 ms: the fifth bite ends in one frame, and the pause that
  // frame starts runs out in the 34th frame's time, 33 frames later.
  FrameDriver driver = Fishing(0);
  driver.state.BitesPlayed = 4;
  driver.state.ClickWaitTimer = -1;      // a window is open
  driver.state.ClickWindowTimer = 0.01f;  // and closes in the next frame
  driver.Frame(30);
  ASSERT_EQ(driver.rec.audio.TimesPlayed(ErrorFile), 1) << "the fifth bite is missed in this frame";
  int frames = 0;
  while (driver.state.FishingActive && frames < 100) {
    driver.Frame(30);
    ++frames;
  }
  EXPECT_EQ(frames, 33);
  EXPECT_EQ(driver.state.SceneIndex, 62);
  EXPECT_EQ(driver.state.MessageIndex, 97);
}

TEST(Fishing, AlwaysExactlyFiveBitesThenThoughtsBackAtTheLake) {
  for (bool pressing : {false, true}) {
    std::srand(11);
    FrameDriver driver = Fishing(4);
    int catches = 0, misses = 0;
    for (int frame = 0; frame < 60 * 120 && driver.state.FishingActive; ++frame) {
      if (pressing && frame % 4 == 0) driver.ReleaseReturn();
      driver.Frame();
      catches += driver.rec.audio.TimesPlayed(CaughtFishFile);
      misses += driver.rec.audio.TimesPlayed(ErrorFile);
    }
    EXPECT_EQ(catches + misses, 5);
    EXPECT_EQ(pressing ? catches : misses, 5);
    EXPECT_FALSE(driver.state.FishingActive);
    EXPECT_EQ(driver.state.SceneIndex, 62);
    EXPECT_EQ(driver.state.MessageIndex, 97);
    EXPECT_TRUE(driver.state.DialogueActive);
  }
}

}  // namespace
