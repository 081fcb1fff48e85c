// The black held with the next-day card, to the frame at 60 Hz, worked out from
// the record's timings and the clock alone: at home after five seconds of
// television, and in the cabin after the first night's fade. Each of the three
// phases of the 16, 17, 17 ms frames.

#include <gtest/gtest.h>

#include "harness/Countdown.h"
#include "harness/FrameDriver.h"
#include "harness/RecordFields.h"
#include "record/NextDayHold.h"
#include "record/SceneRows.h"

namespace {

namespace nextday = record::nextday;

bool CardDrawn(const RecordingDrawing& frame) {
  const auto draws = frame.DrawsOf(TextureNamed(nextday::Card));
  if (draws.empty()) return false;
  const auto& r = nextday::CardRect;
  EXPECT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].dest, (FRect{r.x, r.y, r.w, r.h}));
  bool black = false;
  for (const DrawCall& fill : frame.Fills())
    black = black || (fill.dest == FRect{0, 0, 800, 600} && fill.color == Rgba{0, 0, 0, 255});
  EXPECT_TRUE(black) << "the card lies on opaque black";
  return true;
}

void ExpectMorning(const GameState& state, const nextday::Morning& morning) {
  EXPECT_EQ(state.SceneIndex, morning.to);
  EXPECT_EQ(NameOf(state.BackgroundTexture), morning.bed);
  const auto& v = nextday::RoomView;
  EXPECT_EQ(state.BackgroundRect, (FRect{v.x, v.y, v.w, v.h}));
  EXPECT_TRUE(state.DialogueActive);
  EXPECT_EQ(state.MessageIndex, morning.firstLine);
  EXPECT_FALSE(state.NextDayHold);
}

// Runs the hold on from a frame where `hold` has been counted and checks every
// frame: the card while it should show, then the morning on the frame the six
// seconds run out, and the fade back over on the frame the black, pinned at
// 255 by the last card and moving one unit a millisecond since, reaches 0.
// `cardFrom` is the clock reading after which the black is dark enough for
// the card; `fadingOut` says whether the hold came during a fade-out.
void ExpectHold(FrameDriver& driver, Countdown hold, std::uint64_t cardFrom, const nextday::Morning& morning,
                bool fadingOut) {
  int black = 0;
  for (int frame = 1;; ++frame) {
    const std::uint64_t before = driver.rec.clock.now;
    driver.Step();
    const int ms = static_cast<int>(driver.rec.clock.now - before);
    const bool morningCome = hold.Lower(ms);
    ASSERT_EQ(driver.state.SceneIndex, morningCome ? morning.to : morning.from) << "frame " << frame;
    ASSERT_EQ(CardDrawn(driver.rec.drawing), !morningCome && before > cardFrom) << "frame " << frame;
    // A fade-out that the hold kept from turning turns in the morning's frame
    // and comes straight back down by the same step.
    if (!morningCome) black = nextday::Pinned + (fadingOut ? ms : -ms);
    if (morningCome && !fadingOut) black -= ms;
    if (morningCome) break;
    ASSERT_LT(frame, 1000);
  }
  ExpectMorning(driver.state, morning);
  for (int frame = 1; black > 0; ++frame) {
    ASSERT_TRUE(driver.state.FadingIn) << "frame " << frame << " after the morning";
    const std::uint64_t before = driver.rec.clock.now;
    driver.Step();
    black -= static_cast<int>(driver.rec.clock.now - before);
    EXPECT_FALSE(CardDrawn(driver.rec.drawing));
  }
  EXPECT_FALSE(driver.state.FadingIn || driver.state.FadingOut) << "the fade back ends with the black";
}

TEST(NextDayHold, AtHomeFiveSecondsOfTelevisionThenSixOfTheCard) {
  for (int phase = 0; phase < 3; ++phase) {
    SCOPED_TRACE("phase " + std::to_string(phase));
    FrameDriver driver;
    for (int i = 0; i <= phase; ++i) driver.Step();
    driver.state.SceneIndex = 13;  // as the row of scene 12 leaves it, the fade over
    driver.state.BackgroundTexture = HouseTelevisionTexture;
    driver.state.DialogueActive = false;
    driver.state.UseActive = true;  // since the booking computer
    const SoundId music = SoundNamed("KittySongSound");
    driver.rec.audio.Start(music);

    // The television's countdown is lowered from the first frame in the scene.
    Countdown television{nextday::TelevisionSeconds};
    std::uint64_t before = driver.rec.clock.now;
    for (int frame = 1; !driver.state.FadingOut; ++frame) {
      before = driver.rec.clock.now;
      driver.Step();
      ASSERT_EQ(driver.state.FadingOut, television.Lower(driver.rec.clock.now - before)) << "frame " << frame;
      ASSERT_LT(frame, 1000);
    }
    EXPECT_FALSE(driver.rec.audio.playing[music]) << "the music stops as the fade begins";
    EXPECT_TRUE(driver.state.NextDayHold);
    EXPECT_FALSE(CardDrawn(driver.rec.drawing));
    // The hold is counted from that very frame; the fade-out's black rises one
    // unit a millisecond, so the card shows once more than 229 ms of it have passed.
    Countdown hold{nextday::HoldSeconds};
    hold.Lower(driver.rec.clock.now - before);
    ExpectHold(driver, hold, before + nextday::CardAbove, nextday::AtHome, true);
  }
}

TEST(NextDayHold, InTheCabinTheCardShowsAtOnceThroughTheFadeBack) {
  for (int phase = 0; phase < 3; ++phase) {
    SCOPED_TRACE("phase " + std::to_string(phase));
    FrameDriver driver;
    for (int i = 0; i <= phase; ++i) driver.Step();
    driver.state.SceneIndex = 48;
    driver.state.BackgroundTexture = CabinBedRoomTexture;
    driver.state.DialogueActive = false;
    driver.state.BackgroundRect.x = -400;  // at the bedroom's way on
    driver.state.ExitReady = true;
    driver.ReleaseReturn();
    while (driver.state.SceneIndex == 48) {
      driver.Step();
      ASSERT_FALSE(CardDrawn(driver.rec.drawing));
      ASSERT_LT(driver.frames, 1000u);
    }
    // Row 48 sets the hold at the end of this frame; the count starts with the next.
    ASSERT_TRUE(driver.state.FadingIn);
    ASSERT_GT(driver.state.FadeAlpha, record::rows::CardShown);
    ExpectHold(driver, Countdown{nextday::HoldSeconds}, 0, nextday::InTheCabin, false);
  }
}

// Six seconds that land exactly on 0 keep the card up for one more frame.
TEST(NextDayHold, LandingOnZeroHoldsOneFrameMore) {
  FrameDriver driver;
  driver.Frame(16);
  driver.state.SceneIndex = 49;
  driver.state.DialogueActive = false;
  driver.state.FadingIn = true;
  driver.state.FadeAlpha = 255;
  driver.state.NextDayHold = true;
  driver.state.NextDayTimer = 16 / 1000.0f;
  driver.Frame(16);
  EXPECT_EQ(driver.state.SceneIndex, nextday::InTheCabin.from);
  EXPECT_TRUE(CardDrawn(driver.rec.drawing));
  driver.Frame(16);
  ExpectMorning(driver.state, nextday::InTheCabin);
}

}  // namespace
