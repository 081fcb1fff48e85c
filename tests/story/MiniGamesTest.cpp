// The three small games: the strokes and sounds of brushing, the booking
// computer's cursor and page on their frames, and fishing with its waits over
// their whole range and its windows on their frames.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "harness/FakeSystem.h"
#include "harness/Scenes.h"
#include "record/ScreenPlaces.h"
#include "record/Sounds.h"
#include "record/Timelines.h"
#include "shell/Program.h"

namespace {

const std::set<std::string> BrushingSounds = {record::played::BrushTeethOne, record::played::BrushTeethTwo,
                                              record::played::BrushTeethThree};

TEST(Brushing, TwentyStrokesAfterTheReturnThatStartsEachWithOneOfTheThreeSounds) {
  std::srand(5);
  FrameDriver driver = StandingIn(5, BathroomSinkTexture, Rect(record::ScreenView));
  driver.state.UseReady = true;
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.BrushingActive);
  EXPECT_TRUE(driver.rec.audio.PlayedOnce().empty()) << "the starting press is not a stroke";
  EXPECT_EQ(driver.rec.drawing.DrawsOf(UseTexture).size(), 1u);
  std::set<std::string> heard;
  for (int stroke = 1; stroke <= record::BrushStrokes; ++stroke) {
    driver.ReleaseReturn();
    driver.Frame();
    const auto sounds = driver.rec.audio.PlayedOnce();
    ASSERT_EQ(sounds.size(), 1u) << stroke;
    EXPECT_EQ(BrushingSounds.count(sounds[0]), 1u) << sounds[0];
    heard.insert(sounds[0]);
    EXPECT_EQ(driver.state.BrushStrokes, stroke);
    if (stroke == record::BrushStrokes) break;
    EXPECT_TRUE(driver.state.BrushingActive);
    // The brush jumps between its two heights with every stroke: down after an odd one.
    const auto brush = driver.rec.drawing.DrawsOf(ToothBrushTexture);
    ASSERT_EQ(brush.size(), 1u);
    EXPECT_EQ(brush[0].dest, Rect(stroke % 2 ? record::ToothbrushDown : record::ToothbrushUp)) << stroke;
  }
  EXPECT_EQ(heard, BrushingSounds) << "any of the three";
  // The twentieth ends the game in its own frame; the player walks on.
  EXPECT_FALSE(driver.state.BrushingActive);
  EXPECT_TRUE(driver.state.ExitReady);
  EXPECT_FALSE(driver.state.UseActive);
  EXPECT_EQ(driver.state.SceneIndex, 5);
  EXPECT_TRUE(driver.state.BrushUp);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), std::vector<std::string>{record::played::FootstepsWood});
  EXPECT_TRUE(driver.state.FadingOut);
}

TEST(Brushing, WhileALineIsShownStrokesCountButTheBrushStays) {
  FrameDriver driver = StandingIn(56, CabinSinkTexture, Rect(record::ScreenView));
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

TEST(BookingComputer, TheCursorClicksOnItsFrameAndThePageChangesOnTheNextPulse) {
  for (float phase : {0.0f, 0.5f, 0.99f}) {
    FrameDriver driver = StandingIn(10, ComputerOffTexture, Rect(record::ScreenView));
    driver.state.UseReady = true;
    driver.state.RepeatTimer = phase;
    driver.ReleaseReturn();
    // The cursor and the once-a-second pulse as described, from the frame of the press.
    const record::Place& start = record::CursorAtStart;
    float x = start.x, y = start.y, pulse = phase;
    bool clicked = false, booked = false;
    for (int f = 1; f < 60 * 6 && !booked; ++f) {
      const float dt = StepTimed(driver);
      pulse = 1.0f >= pulse ? pulse + dt : 0;
      if (y < record::CursorTargetY) y += record::CursorSpeed * dt;
      if (x > record::CursorTargetX) x -= record::CursorSpeed * dt;
      const bool clicksNow = !clicked && y >= record::CursorTargetY && x <= record::CursorTargetX;
      clicked = clicked || clicksNow;
      booked = clicked && pulse >= 1.0f;
      if (f == 1) {
        EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ComputerCabinRentalsTexture");
        EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::ComputerBeep), 1);
      }
      EXPECT_EQ(driver.rec.audio.TimesPlayed(record::played::Click), clicksNow ? 1 : 0) << "frame " << f;
      ASSERT_EQ(driver.state.ExitReady, booked) << "phase " << phase << ", frame " << f;
      const auto cursor = driver.rec.drawing.DrawsOf(CursorTexture);
      ASSERT_EQ(cursor.size(), 1u);
      EXPECT_EQ(cursor[0].dest, (FRect{x, y, start.w, start.h})) << "frame " << f;
    }
    ASSERT_TRUE(booked);
    EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ComputerCabinBookedTexture");
    EXPECT_TRUE(driver.state.UseActive) << "left set for the television";
    // A backdrop that changes before the drawing is drawn once as it was set
    // up, and made nearest-neighbour from the next frame on.
    const auto& calls = driver.rec.drawing.calls;
    EXPECT_EQ(NameOf(calls[0].texture), "ComputerCabinRentalsTexture");
    EXPECT_EQ(NameOf(driver.rec.drawing.calls[2].texture), "ComputerCabinBookedTexture");
    driver.Frame();
    EXPECT_EQ(driver.rec.drawing.calls[0].kind, DrawCall::Kind::Nearest);
    EXPECT_EQ(NameOf(driver.rec.drawing.calls[0].texture), "ComputerCabinBookedTexture");
    EXPECT_EQ(driver.rec.drawing.DrawsOf(CursorTexture).size(), 1u) << "still over the booked page";
    EXPECT_EQ(driver.rec.drawing.DrawsOf(MoveTexture).size(), 1u);
  }
}

// Fishing as described, a frame at a time: a Return counts while a window is
// open; the wait runs down, then the window; six presses catch, the window's
// end misses; after five bites, a pause, then the thoughts at the lake.
struct FishingModel {
  float wait;
  float window = record::FirstWindow;
  Timer end{record::FishingEndPause};
  int presses = 0;
  int bites = 0;
  bool open = false;  // the click-a-lot prompt shows
  bool over = false;
  bool counted = false;
  const char* sound = nullptr;

  void Frame(float dt, bool pressed, float nextWait) {
    sound = nullptr;
    counted = false;
    if (over) return;
    if (pressed && wait < 0) presses += 1, counted = true;
    if (bites < record::Bites) Bite(dt, nextWait);
    // Also in the frame the last bite ended.
    if (bites >= record::Bites) {
      open = false;
      over = end.BelowZeroAfter(dt);
    }
  }

  void Bite(float dt, float nextWait) {
    wait -= dt;
    if (wait >= 0) return;
    window -= dt;
    if (presses >= record::PressesToCatch || window < 0) {
      const bool caught = presses >= record::PressesToCatch;
      sound = caught ? record::played::CaughtFish : record::played::Error;
      window = caught ? record::WindowAfterCatch : record::WindowAfterMiss;
      wait = nextWait;
      presses = 0;
      bites += 1;
      open = false;
    } else {
      open = true;
    }
  }
};

// A whole game at the lake; Return is pressed on the frames `press` picks.
// Returns the waits the game drew.
std::vector<float> PlayFishing(FrameDriver& driver, const std::function<bool(int, int)>& press) {
  driver.state.UseReady = true;
  driver.state.RodVisible = true;
  driver.ReleaseReturn();
  driver.Frame();  // the press that starts it
  EXPECT_TRUE(driver.state.FishingActive);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(FishingRodUsingTexture).size(), 1u);
  FishingModel model{driver.state.ClickWaitTimer};
  std::vector<float> waits{driver.state.ClickWaitTimer};
  for (int f = 1; f < 60 * 120 && !model.over; ++f) {
    const bool pressed = press(f, model.bites);
    if (pressed) driver.ReleaseReturn();
    const float dt = StepTimed(driver);
    model.Frame(dt, pressed, driver.state.ClickWaitTimer);  // the game's draw is the model's next wait
    if (model.sound) waits.push_back(driver.state.ClickWaitTimer);
    std::vector<std::string> expected;
    if (model.counted) expected.push_back(record::played::Click);
    if (model.sound) expected.push_back(model.sound);
    EXPECT_EQ(driver.rec.audio.PlayedOnce(), expected) << "frame " << f;
    EXPECT_EQ(driver.rec.drawing.DrawsOf(ClickALotTexture).size(), model.open ? 1u : 0u) << "frame " << f;
    EXPECT_EQ(driver.state.ClickCount, model.presses) << "frame " << f;
    EXPECT_EQ(driver.state.FishingActive, !model.over) << "frame " << f;
  }
  EXPECT_TRUE(model.over);
  EXPECT_EQ(driver.state.SceneIndex, 62);
  EXPECT_EQ(driver.state.MessageIndex, 97);
  EXPECT_TRUE(driver.state.DialogueActive);
  return waits;
}

TEST(Fishing, TheSecondAfterTheFifthBiteCountsFromTheFrameItEnds) {
  // Frames of 30 ms: the fifth bite ends in one frame, and the pause that
  // frame starts runs out in the 34th frame's time, 33 frames later.
  FrameDriver driver = StandingIn(61, LakeTexture, Rect(record::RoomView));
  driver.state.UseReady = true;
  driver.state.RodVisible = true;
  driver.ReleaseReturn();
  driver.Frame();  // the press that starts it
  ASSERT_TRUE(driver.state.FishingActive);
  driver.state.BitesPlayed = 4;
  driver.state.ClickWaitTimer = -1;       // a window is open
  driver.state.ClickWindowTimer = 0.01f;  // and closes in the next frame
  driver.Frame(30);
  ASSERT_EQ(driver.rec.audio.TimesPlayed(record::played::Error), 1) << "the fifth bite is missed in this frame";
  int frames = 0;
  while (driver.state.FishingActive && frames < 100) {
    driver.Frame(30);
    ++frames;
  }
  EXPECT_EQ(frames, 33);
  EXPECT_EQ(driver.state.SceneIndex, 62);
  EXPECT_EQ(driver.state.MessageIndex, 97);
}

TEST(Fishing, EveryWindowOpensAndClosesOnItsFrameWhateverThePresses) {
  struct Presses {
    const char* name;
    std::function<bool(int, int)> press;
  };
  const Presses plans[] = {
      {"never", [](int, int) { return false; }},
      {"every frame", [](int, int) { return true; }},
      {"every fourth frame", [](int f, int) { return f % 4 == 0; }},
      {"in bursts", [](int f, int) { return f % 50 < 7; }},
      {"for every other fish", [](int, int bites) { return bites % 2 == 0; }},  // misses after catches
  };
  for (const Presses& plan : plans) {
    std::srand(11);
    FrameDriver driver = StandingIn(61, LakeTexture, Rect(record::RoomView));
    PlayFishing(driver, plan.press);
  }
}

TEST(Fishing, TheWaitsRunOverTheirWholeRangeInWholeSeconds) {
  // The first, drawn at start-up after the generator is seeded (after the meal's draw).
  std::set<int> first, meals;
  for (unsigned seed = 1; seed <= 100; ++seed) {
    struct Look : FrameObserver {
      GameState seen;
      RecordingPlatform* rec;
      void BeforeFrame(const GameState& state) override {
        seen = state;
        rec->input.events.push_back(InputEvent::Quit);
      }
    } look;
    FakeSystem system;
    system.seed = seed;
    look.rec = &system.rec;
    RunProgram(system, &look);
    EXPECT_EQ(look.seen.ClickWaitTimer, std::floor(look.seen.ClickWaitTimer));
    first.insert(static_cast<int>(look.seen.ClickWaitTimer));
    meals.insert(look.seen.FoodChoice);
  }
  std::set<int> zeroToNine, zeroToTwelve;
  for (int s = 0; s < record::FirstWaitRange; ++s) zeroToNine.insert(s);
  for (int s = 0; s < record::LaterWaitRange; ++s) zeroToTwelve.insert(s);
  EXPECT_EQ(first, zeroToNine);
  EXPECT_EQ(meals, (std::set<int>{0, 1, 2}));
  // The later ones, drawn as each bite ends.
  std::set<int> later;
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::srand(seed);
    FrameDriver driver = StandingIn(61, LakeTexture, Rect(record::RoomView));
    const std::vector<float> waits = PlayFishing(driver, [](int f, int) { return f % 3 == 0; });
    ASSERT_EQ(waits.size(), 1u + record::Bites);
    for (std::size_t i = 1; i < waits.size(); ++i) {
      EXPECT_EQ(waits[i], std::floor(waits[i]));
      later.insert(static_cast<int>(waits[i]));
    }
  }
  EXPECT_EQ(later, zeroToTwelve);
}

}  // namespace
