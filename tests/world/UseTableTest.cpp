// Return on a scene's object against the record: what each use sets and plays,
// that scenes without a use ignore it, and how long the meals last, to the frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "harness/Countdown.h"
#include "harness/FrameDriver.h"
#include "harness/RecordFields.h"
#include "record/UseTable.h"

namespace record::uses {
void PrintTo(const Use& use, std::ostream* os) { *os << "use in scene " << use.scene; }
}  // namespace record::uses

namespace {

using record::uses::Condition;
using record::uses::Use;

FRect ToFRect(const record::uses::Rect& r) { return {r.x, r.y, r.w, r.h}; }

const record::uses::Set* SetOf(const Use& use, const std::string& field) {
  for (const auto& set : use.sets) {
    if (field == set.field) return &set;
    if (set.field == std::string("Dialogue") && (field == "DialogueActive" || field == "MessageIndex")) return &set;
  }
  return nullptr;
}

int Expected(const record::uses::Set& set, const std::string& field) {
  if (set.field == std::string("Dialogue")) return field == "DialogueActive" ? 1 : set.value;
  return set.value;
}

// In the scene with its object usable, every field the use sets holding
// something else first, so that a use that forgets one shows.
FrameDriver ReadyToUse(const Use& use) {
  FrameDriver driver;
  driver.Frame();
  GameState& s = driver.state;
  s.SceneIndex = use.scene;
  s.DialogueActive = false;
  s.MessageIndex = 999;
  s.ClosetTimer = -200;
  for (const auto& set : use.sets) {
    const std::string field = set.field;
    if (field == "BackgroundTexture") {
      s.BackgroundTexture = JumpscareTexture;
    } else if (field == "BackgroundRect") {
      s.BackgroundRect = {-100, -50, 2000, 1000};
    } else if (field == "Dialogue") {
      s.DialogueActive = false;
      s.MessageIndex = 999;
    } else if (field != "SceneIndex") {
      const double v = Expected(set, field);
      SetFieldValue(s, field, IsFlagField(field) ? 1 - v : v + 7);
    }
  }
  s.UseReady = true;
  s.ExitReady = false;
  s.Drinking = false;
  s.PhotoShown = use.condition == Condition::PhotoShown;
  if (use.scene == 43 || use.scene == 58 || use.scene == 66) s.BackgroundRect.x = -500 + (use.scene == 58) * 420;
  for (const auto& sound : use.sounds)
    if (sound.command == std::string("stop")) driver.rec.audio.Start(SoundNamed(sound.sound));
  return driver;
}

class UseTable : public testing::TestWithParam<Use> {};

TEST_P(UseTable, ReturnDoesWhatTheRecordSays) {
  const Use& use = GetParam();
  FrameDriver driver = ReadyToUse(use);
  driver.ReleaseReturn();
  driver.Frame();
  const GameState& after = driver.state;

  for (const auto& set : use.sets) {
    const std::string field = set.field;
    if (field == "BackgroundTexture") {
      EXPECT_EQ(NameOf(after.BackgroundTexture), set.picture);
    } else if (field == "BackgroundRect") {
      EXPECT_EQ(after.BackgroundRect, ToFRect(set.rect));
    } else if (field == "Dialogue") {
      EXPECT_TRUE(after.DialogueActive);
      EXPECT_EQ(after.MessageIndex, set.value);
    } else {
      EXPECT_EQ(FieldValue(after, field), set.value) << field;
    }
  }
  if (!SetOf(use, "SceneIndex")) {
    EXPECT_EQ(after.SceneIndex, use.scene);
  }
  if (!SetOf(use, "FadingOut")) {
    EXPECT_FALSE(after.FadingOut) << "no fade";
  }
  std::vector<std::string> once(use.playedOnce.begin(), use.playedOnce.end());
  EXPECT_EQ(driver.rec.audio.PlayedOnce(), once);
  std::map<SoundId, std::vector<SoundCall::Kind>> expected;
  for (const auto& sound : use.sounds)
    expected[SoundNamed(sound.sound)].push_back(sound.command == std::string("stop") ? SoundCall::Kind::Stop
                                                                                    : SoundCall::Kind::Start);
  EXPECT_EQ(PersistentCallsBySound(driver.rec.audio.calls), expected);
}

INSTANTIATE_TEST_SUITE_P(Record, UseTable, testing::ValuesIn(record::uses::Uses),
                         [](const testing::TestParamInfo<Use>& info) {
                           return "Scene" + std::to_string(info.param.scene) + "_" + std::to_string(info.index);
                         });

TEST(UseTable, ScenesWithoutAUseIgnoreReturnOnAnObject) {
  for (int scene = 0; scene <= 93; ++scene) {
    const bool hasUse = std::any_of(record::uses::Uses.begin(), record::uses::Uses.end(),
                                    [&](const Use& use) { return use.scene == scene; });
    if (hasUse) continue;
    FrameDriver driver;
    driver.Frame();
    driver.state.SceneIndex = scene;
    driver.state.DialogueActive = false;
    driver.state.LightsOutTimer = 100;
    driver.state.ClosetTimer = -200;
    driver.state.GetAwaySoundPending = false;
    driver.state.BackgroundTexture = JumpscareTexture;
    driver.state.UseReady = true;
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_TRUE(driver.rec.audio.PlayedOnce().empty()) << "scene " << scene;
    EXPECT_EQ(driver.state.SceneIndex, scene);
    EXPECT_FALSE(driver.state.FadingOut) << "scene " << scene;
    EXPECT_EQ(driver.state.BackgroundTexture, JumpscareTexture) << "scene " << scene;
    EXPECT_FALSE(driver.state.DialogueActive) << "scene " << scene;
  }
}

}  // namespace

namespace {

// A meal lasts three seconds of frame time, to the frame at 60 Hz: the food
// is drawn on every frame, from the press's on, until the one in which its
// countdown runs out, and that frame ends it. Each of the three phases of the
// 16, 17, 17 ms frames.
TEST(Meals, LastThreeSecondsToTheFrameAndEndAsRecorded) {
  for (const auto& end : record::uses::MealEnds) {
    for (int phase = 0; phase < 3; ++phase) {
      SCOPED_TRACE("scene " + std::to_string(end.scene) + ", phase " + std::to_string(phase));
      FrameDriver driver;
      for (int i = 0; i <= phase; ++i) driver.Step();
      driver.state.SceneIndex = end.scene;
      driver.state.DialogueActive = false;
      driver.state.UseReady = true;
      driver.state.EatTimer = record::uses::MealSeconds;
      driver.state.MessageIndex = 41;  // as row 25 leaves it
      driver.state.FoodChoice = phase;
      driver.ReleaseReturn();
      Countdown meal{record::uses::MealSeconds};
      const TextureId food = TextureNamed(phase == 1 ? "SoupTexture" : "PizzaTexture");
      for (int frame = 1; frame < 400; ++frame) {
        const auto before = driver.rec.clock.now;
        driver.Step();
        const bool over = meal.Lower(driver.rec.clock.now - before);
        ASSERT_EQ(driver.rec.drawing.Drew(food), !over) << "frame " << frame;
        if (over) break;
      }
      EXPECT_EQ(driver.state.ExitReady, end.exitReady);
      EXPECT_EQ(driver.state.DialogueActive, end.dialogue);
      EXPECT_FALSE(driver.state.UseReady);
      EXPECT_EQ(driver.state.UseActive, end.scene == 7) << "only the first meal keeps UseActive";
      EXPECT_EQ(driver.state.MessageIndex, end.line < 0 ? 41 : end.line);
    }
  }
}

// The drink begins with the press and its countdown is lowered from the next
// frame on, at the head of each frame; the bottle is in hand and the walk
// frozen until it runs out.
TEST(Drink, LastsThreeSecondsToTheFrame) {
  for (int phase = 0; phase < 3; ++phase) {
    FrameDriver driver;
    for (int i = 0; i <= phase; ++i) driver.Step();
    driver.state.SceneIndex = 43;
    driver.state.DialogueActive = false;
    driver.state.BackgroundRect.x = -570;
    driver.state.UseReady = true;
    driver.ReleaseReturn();
    driver.Step();
    Countdown drink{record::uses::DrinkSeconds};
    const TextureId bottle = TextureNamed("WaterBottleTexture");
    ASSERT_TRUE(driver.rec.drawing.Drew(bottle));
    driver.Hold(ScancodeLeft);
    for (int frame = 1; frame < 400; ++frame) {
      const float x = driver.state.BackgroundRect.x;
      const auto before = driver.rec.clock.now;
      driver.Step();
      const bool over = drink.Lower(driver.rec.clock.now - before);
      ASSERT_EQ(driver.rec.drawing.Drew(bottle), !over) << "phase " << phase << ", frame " << frame;
      ASSERT_EQ(driver.state.BackgroundRect.x == x, !over) << "the walk is frozen while drinking";
      if (over) break;
    }
    EXPECT_EQ(driver.state.WalkSpeed, record::uses::WalkSpeedAfterDrink);
  }
}

// A countdown that lands exactly on 0 has not run out: it ends one frame later.
TEST(Meals, ATimerLandingOnZeroEndsAFrameLater) {
  FrameDriver driver;
  driver.Frame(16);
  driver.state.SceneIndex = 7;
  driver.state.DialogueActive = false;
  driver.state.UseActive = true;
  driver.state.EatTimer = 16 / 1000.0f;  // exactly the next frame's time
  driver.state.Drinking = true;
  driver.state.DrinkTimer = 2 * 16 / 1000.0f;
  driver.Frame(16);
  EXPECT_TRUE(driver.rec.drawing.Drew(TextureNamed("PizzaTexture")) || driver.rec.drawing.Drew(TextureNamed("SoupTexture")));
  EXPECT_FALSE(driver.state.ExitReady) << "the meal at 0 goes on";
  driver.Frame(16);
  EXPECT_TRUE(driver.state.ExitReady) << "and is over below 0";
  EXPECT_TRUE(driver.state.Drinking) << "the drink at 0 goes on";
  driver.Frame(16);
  EXPECT_FALSE(driver.state.Drinking);
}

}  // namespace
