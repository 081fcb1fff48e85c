// The scene chain against the record: each row's effects and sounds, its
// guards and darkness test, and each scene entered the way the story enters it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "harness/FrameDriver.h"
#include "harness/RecordFields.h"
#include "record/HotspotWindows.h"
#include "record/SceneRows.h"
#include "world/SceneTable.h"

namespace record::rows {
void PrintTo(const Row& row, std::ostream* os) { *os << "row " << row.scene; }
}  // namespace record::rows

namespace {

using record::rows::Row;

FRect ToFRect(const record::rows::Rect& r) { return {r.x, r.y, r.w, r.h}; }

std::string RowName(const testing::TestParamInfo<Row>& info) { return "Row" + std::to_string(info.param.scene); }

const record::rows::Set* SetOf(const Row& row, const std::string& field) {
  for (const auto& set : row.sets) {
    if (field == set.field) return &set;
    if (set.field == std::string("Dialogue") && (field == "DialogueActive" || field == "MessageIndex")) return &set;
  }
  return nullptr;
}

double Expected(const record::rows::Set& set, const std::string& field) {
  if (set.field == std::string("Dialogue")) return field == "DialogueActive" ? 1 : set.value;
  return set.value;
}

// A state where every field the rows may set holds a value that no row sets,
// so both a missing effect and an extra one show. `high` picks one of two
// poisons, so an extra "set to false" shows as well as an extra "set to true".
GameState Poisoned(const Row& row, bool high) {
  GameState state = GameStartState();
  for (const std::string& field : RecordedFieldNames()) {
    const bool flag = IsFlagField(field);
    const auto* set = SetOf(row, field);
    double value = flag ? (high ? 1 : 0) : (high ? 77 : -3);
    if (set) value = flag ? 1 - Expected(*set, field) : Expected(*set, field) + 7;
    SetFieldValue(state, field, value);
  }
  state.SceneIndex = row.scene;
  state.BackgroundTexture = JumpscareTexture;
  state.BackgroundRect = {-1, -2, 3, 4};
  state.StripRect = {5, 6, 7, 8};
  // The guards must hold for the row to be looked at all.
  if (row.guard == record::rows::Guard::NoDialogueNoHold) state.DialogueActive = state.NextDayHold = false;
  if (row.guard == record::rows::Guard::NotAnimating) state.Animating = false;
  return state;
}

std::map<SoundId, std::vector<SoundCall::Kind>> ExpectedCalls(const Row& row) {
  std::map<SoundId, std::vector<SoundCall::Kind>> bySound;
  for (const auto& sound : row.sounds) {
    auto& calls = bySound[SoundNamed(sound.sound)];
    const std::string command = sound.command;
    if (command == "loop") calls.insert(calls.end(), {SoundCall::Kind::Loop, SoundCall::Kind::Start});
    if (command == "start") calls.push_back(SoundCall::Kind::Start);
    if (command == "stop") calls.push_back(SoundCall::Kind::Stop);
  }
  return bySound;
}

void ExpectRowApplied(const Row& row, const GameState& before, const GameState& after) {
  EXPECT_EQ(after.SceneIndex, row.next);
  const TextureId backdrop = row.backdrop ? TextureNamed(row.backdrop) : before.BackgroundTexture;
  EXPECT_EQ(NameOf(after.BackgroundTexture), NameOf(backdrop));
  EXPECT_EQ(after.BackgroundRect, row.view ? ToFRect(*row.view) : before.BackgroundRect);
  for (const std::string& field : RecordedFieldNames()) {
    if (field == "SceneIndex") continue;
    const auto* set = SetOf(row, field);
    EXPECT_FLOAT_EQ(FieldValue(after, field), set ? Expected(*set, field) : FieldValue(before, field)) << field;
  }
  const auto* strip = SetOf(row, "StripRect");
  EXPECT_EQ(after.StripRect, strip ? ToFRect(strip->rect) : before.StripRect);
}

class SceneRows : public testing::TestWithParam<Row> {};

TEST_P(SceneRows, ApplyTheRecordedEffectsAndNothingElse) {
  const Row& row = GetParam();
  for (bool high : {true, false}) {
    SCOPED_TRACE(high ? "high poison" : "low poison");
    const GameState before = Poisoned(row, high);
    GameState after = before;
    RecordingAudio audio;
    ApplySceneRow(after, audio, record::rows::RowDarkness + 1);
    ExpectRowApplied(row, before, after);
    EXPECT_EQ(PersistentCallsBySound(audio.calls), ExpectedCalls(row));
  }
}

TEST_P(SceneRows, WaitForTheDarknessAndTheirGuards) {
  const Row& row = GetParam();
  struct Blocker {
    const char* what;
    int darkness;
    std::function<void(GameState&)> change;
    bool blocks;
  };
  const bool dialogueGuard = row.guard == record::rows::Guard::NoDialogueNoHold;
  const Blocker blockers[] = {
      {"not dark enough", record::rows::RowDarkness, [](GameState&) {}, row.darknessTest},
      {"hardly dark", 0, [](GameState&) {}, row.darknessTest},
      {"a line shown", 255, [](GameState& s) { s.DialogueActive = true; }, dialogueGuard},
      {"the card held", 255, [](GameState& s) { s.NextDayHold = true; }, dialogueGuard},
      {"an animation running", 255, [](GameState& s) { s.Animating = true; },
       row.guard == record::rows::Guard::NotAnimating},
  };
  for (const Blocker& blocker : blockers) {
    SCOPED_TRACE(blocker.what);
    GameState before = Poisoned(row, true);
    blocker.change(before);
    GameState after = before;
    RecordingAudio audio;
    ApplySceneRow(after, audio, blocker.darkness);
    if (blocker.blocks) {
      EXPECT_EQ(after.SceneIndex, row.scene);
      EXPECT_EQ(after.BackgroundTexture, before.BackgroundTexture);
      EXPECT_TRUE(audio.calls.empty());
    } else {
      EXPECT_EQ(after.SceneIndex, row.next);
    }
  }
}

// ---- Entering each scene as the story does --------------------------------------------------

// The backdrop and view that scene `scene` shows when the story leaves it:
// those its own row's predecessor set, or, where the story comes in another
// way, what that way sets.
std::pair<TextureId, FRect> ShownIn(int scene) {
  switch (scene) {
    case 1: case 15: return {HouseBedRoomMiddleTexture, ToFRect(record::rows::RoomView)};
    case 21: return {ForestWalkOneTexture, ToFRect(record::rows::ScreenView)};  // the walk's last step
    case 30: return {CabinTexture, ToFRect(record::rows::RoomView)};
    case 50: return {CabinBedTexture, ToFRect(record::rows::RoomView)};
    case 57: return {CabinSinkTexture, ToFRect(record::rows::ScreenView)};
    case 73: return {TelephoneTexture, ToFRect(record::rows::ScreenView)};
    case 76: case 80: return {CabinPhotoTexture, ToFRect(record::rows::RoomView)};
    case 78: return {CampfireTexture, ToFRect(record::rows::RoomView)};
    case 88: return {NoPhoneCabinTexture, ToFRect(record::rows::RoomView)};
    default: break;
  }
  for (const Row& row : record::rows::Rows)
    if (row.next == scene && row.scene != scene && row.backdrop)
      return {TextureNamed(row.backdrop), row.view ? ToFRect(*row.view) : ToFRect(record::rows::RoomView)};
  const Row* earlier = nullptr;
  for (const Row& row : record::rows::Rows)
    if (row.next == scene) earlier = &row;
  if (earlier) {
    auto [texture, view] = ShownIn(earlier->scene);
    return {texture, earlier->view ? ToFRect(*earlier->view) : view};
  }
  ADD_FAILURE() << "no way into scene " << scene;
  return {HouseBedRoomBedTexture, ToFRect(record::rows::RoomView)};
}

// The footstep surface the story has reached by `scene`: the rows that set it,
// and the end of the walk out to the photo (scene 75 into 76) on grass.
int SurfaceIn(int scene) {
  int surface = 0;
  for (const Row& row : record::rows::Rows)
    if (row.next <= scene && row.scene < scene)
      if (const auto* set = SetOf(row, "FootstepSurface")) surface = static_cast<int>(set->value);
  if (scene >= 76 && scene <= 80) surface = 1;
  return surface;
}

const record::hotspots::Window* WindowOf(int scene) {
  for (const auto& window : record::hotspots::Windows)
    if (window.scene == scene) return &window;
  return nullptr;
}

float InsideOf(const record::hotspots::Window& window) {
  const bool low = std::isfinite(window.lower), high = std::isfinite(window.upper);
  if (low && high) return (window.lower + window.upper) / 2;
  if (low) return window.lower + 10;
  if (high) return window.upper - 10;
  return -650;
}

// Standing in `scene`, ready to leave it as the story does.
FrameDriver ReadyToLeave(const Row& row) {
  FrameDriver driver;
  driver.Frame();
  GameState& s = driver.state;
  s.SceneIndex = row.scene;
  std::tie(s.BackgroundTexture, s.BackgroundRect) = ShownIn(row.scene);
  s.DialogueActive = false;
  s.FootstepSurface = SurfaceIn(row.scene);
  s.MessageIndex = 999;  // no line: the last conversation is over
  const auto* window = WindowOf(row.scene);
  if (window && window->rule != record::hotspots::Rule::Always) s.BackgroundRect.x = InsideOf(*window);
  switch (record::rows::HowLeft(row.scene)) {
    case record::rows::LeftBy::Exit:
      s.ExitReady = true;  // as the window, or the scene's activity, left it on the frame before
      if (row.scene == 7) s.UseActive = true, s.EatTimer = -1;
      if (row.scene == 43) s.DrinkTimer = -1;
      if (row.scene == 69) s.PhoneRinging = true, s.PhoneTimer = 1, s.MessageIndex = 117;
      if (row.scene == 85) s.ClosetTimer = -200;  // the night in the closet is over
      driver.ReleaseReturn();
      break;
    case record::rows::LeftBy::Use:
      s.UseReady = true;
      driver.ReleaseReturn();
      break;
    case record::rows::LeftBy::Fade:
      if (row.scene == 36) {
        s.LightsOutTimer = 0.001f;  // the lights come back on this frame
      } else {
        s.FadingOut = true;
        if (row.scene == 92) s.FadeSpeed = 100;
      }
      break;
    case record::rows::LeftBy::Never: break;
  }
  return driver;
}

std::vector<Row> RowsThePlayerReaches() {
  std::vector<Row> rows;
  for (const Row& row : record::rows::Rows)
    if (record::rows::HowLeft(row.scene) != record::rows::LeftBy::Never) rows.push_back(row);
  return rows;
}

class EnteringScenes : public testing::TestWithParam<Row> {};

TEST_P(EnteringScenes, ThroughTheFadeWithTheRecordedBackdropAndSounds) {
  const Row& row = GetParam();
  FrameDriver driver = ReadyToLeave(row);
  const GameState standing = driver.state;
  const auto how = record::rows::HowLeft(row.scene);

  driver.Frame();
  if (how == record::rows::LeftBy::Exit) {
    std::vector<std::string> expected = {standing.FootstepSurface == 0 ? record::hotspots::WoodFootstep
                                                                       : record::hotspots::GrassFootstep};
    if (row.scene == 17) expected.push_back(record::hotspots::EngineStart);
    EXPECT_EQ(driver.rec.audio.PlayedOnce(), expected) << "the exit's footstep";
  }
  ASSERT_TRUE(driver.state.FadingOut || driver.state.FadingIn) << "leaving scene " << row.scene << " fades";

  // Run to the first frame of the fade back, where the row applies.
  for (int i = 0; i < 200 && !(driver.state.FadingIn && !driver.state.SceneChangePending); ++i) driver.Frame();
  ASSERT_TRUE(driver.state.FadingIn && !driver.state.SceneChangePending);
  EXPECT_EQ(driver.state.SceneIndex, row.next);
  EXPECT_GT(driver.state.FadeAlpha, record::rows::RowDarkness) << "the row applies under the black";
  EXPECT_EQ(PersistentCallsBySound(driver.rec.audio.calls), ExpectedCalls(row));

  // The next frame shows the new scene first of all, where the row put it.
  driver.Frame();
  const DrawCall* first = nullptr;
  for (const DrawCall& call : driver.rec.drawing.calls)
    if (!first && call.kind == DrawCall::Kind::Texture) first = &call;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(NameOf(first->texture), row.backdrop ? row.backdrop : NameOf(standing.BackgroundTexture));
  EXPECT_FALSE(first->hasSource) << "the whole picture";
  EXPECT_EQ(first->dest, row.view ? ToFRect(*row.view) : standing.BackgroundRect);
}

INSTANTIATE_TEST_SUITE_P(Record, SceneRows, testing::ValuesIn(record::rows::Rows), RowName);
INSTANTIATE_TEST_SUITE_P(Record, EnteringScenes, testing::ValuesIn(RowsThePlayerReaches()), RowName);

// The fade to the frame, at several display rates, worked out from the
// record's thresholds: at 1000 units a second and whole-millisecond frames the
// black rises one unit a millisecond from the frame of the press; the row
// applies on the first frame it passes 254, which also takes the first step
// back down, and the fade is over on the first frame it is 0 or less.
TEST(SceneRows, TheFadeTurnsAndEndsOnTheFrameItsThresholdsSay) {
  for (double hz : {60.0, 144.0, 240.0}) {
    SCOPED_TRACE(std::to_string(hz) + " Hz");
    FrameDriver driver;
    driver.SetRate(hz);
    driver.Step();
    driver.state.SceneIndex = 2;
    driver.state.DialogueActive = false;
    driver.state.BackgroundRect.x = -300;
    driver.state.ExitReady = true;
    driver.ReleaseReturn();
    int black = 0;
    bool turned = false;
    for (int frame = 1; frame < 400; ++frame) {
      const auto before = driver.rec.clock.now;
      driver.Step();
      const int ms = static_cast<int>(driver.rec.clock.now - before);
      if (turned) {
        black -= ms;
      } else if (black + ms > record::rows::FullyBlack) {
        turned = true;  // up and straight back down in the same frame
      } else {
        black += ms;
      }
      ASSERT_EQ(driver.state.SceneIndex, turned ? 3 : 2) << "frame " << frame;
      const bool over = turned && black <= 0;
      ASSERT_EQ(driver.state.FadingIn || driver.state.FadingOut, !over) << "frame " << frame;
      if (over) {
        EXPECT_EQ(driver.state.WalkSpeed, record::rows::WalkSpeedAfterFade);
        break;
      }
    }
  }
}

TEST(SceneRows, ScenesWithoutARowStayPut) {
  for (int scene : record::rows::ScenesWithoutRow) {
    GameState state = GameStartState();
    state.SceneIndex = scene;
    state.DialogueActive = false;
    state.BackgroundTexture = JumpscareTexture;
    RecordingAudio audio;
    ApplySceneRow(state, audio, 255);
    EXPECT_EQ(state.SceneIndex, scene);
    EXPECT_EQ(state.BackgroundTexture, JumpscareTexture);
    EXPECT_TRUE(audio.calls.empty()) << scene;
  }
}

TEST(SceneRows, TheRecordCoversEveryStoryScene) {
  std::vector<int> scenes;
  for (const Row& row : record::rows::Rows) scenes.push_back(row.scene);
  scenes.insert(scenes.end(), record::rows::ScenesWithoutRow.begin(), record::rows::ScenesWithoutRow.end());
  std::sort(scenes.begin(), scenes.end());
  std::vector<int> all(94);
  for (int i = 0; i < 94; ++i) all[i] = i;
  EXPECT_EQ(scenes, all);
}

}  // namespace
