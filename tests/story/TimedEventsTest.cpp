// The moments that move on by themselves, each on the frame its countdown
// runs out, the countdown run beside the game as the description gives it.
#include <gtest/gtest.h>

#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "harness/Scenes.h"
#include "harness/ScreenReader.h"
#include "record/Sounds.h"
#include "record/Timelines.h"
#include "story/TimedEvents.h"

namespace {

int StopsOf(const RecordingAudio& audio, const char* name) {
  int n = 0;
  for (const SoundCall& call : audio.calls) n += call.kind == SoundCall::Kind::Stop && call.sound == SoundNamed(name);
  return n;
}

TEST(TelevisionEvening, FiveSecondsThenTheCardForSixThenMorning) {
  FrameDriver driver = ArrivedIn(13);
  driver.state.UseActive = true;  // from the meal and the computer
  EXPECT_TRUE(driver.rec.audio.playing[SoundNamed("KittySongSound")]);
  Timer tv{record::TelevisionTime};
  Timer nextDay{record::NextDayTime};
  bool held = false;
  int fadeOn = -1, morningOn = -1;
  for (int f = 1; f < 60 * 20 && morningOn < 0; ++f) {
    const float dt = StepTimed(driver);
    const bool fades = !held && tv.BelowZeroAfter(dt);
    held = held || fades;  // the hold starts lowering its own timer in the same frame
    const bool morning = held && nextDay.BelowZeroAfter(dt);
    ASSERT_EQ(driver.state.FadingOut || driver.state.FadingIn, held) << "frame " << f;
    // Stopped from then on in every frame of scene 13, to no further effect.
    EXPECT_EQ(StopsOf(driver.rec.audio, "KittySongSound"), held ? 1 : 0) << "frame " << f;
    if (fades) fadeOn = f;
    if (morning) morningOn = f;
    ASSERT_EQ(driver.state.SceneIndex, morning ? 14 : 13) << "frame " << f;
  }
  ASSERT_GT(fadeOn, 0);
  ASSERT_GT(morningOn, 0);
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "HouseBedRoomBedTexture");
  EXPECT_EQ(driver.state.BackgroundRect, Rect(record::RoomView));
  EXPECT_EQ(driver.state.MessageIndex, 16);
  EXPECT_TRUE(DialogueBandShown(driver.rec.drawing));
  EXPECT_NE(DrawnDialogueText(driver.rec.drawing), "MORNING AGAIN.") << "the line shows from the next frame";
  driver.RunUntil([](const GameState& s) { return !s.FadingIn; });
  EXPECT_EQ(driver.state.SceneIndex, 14) << "row 14 waits for the line and the card";
  EXPECT_EQ(DrawnDialogueText(driver.rec.drawing), "MORNING AGAIN.");
}

TEST(FirstCabinNight, TheCardFromTheRowForSixSecondsThenTheCabinBed) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = 48;
  driver.state.DialogueActive = false;
  driver.state.FadingOut = true;
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 49; });
  Timer nextDay{record::NextDayTime};  // lowered from the frame after the row
  for (int f = 1; f < 60 * 10; ++f) {
    const bool wakes = nextDay.BelowZeroAfter(StepTimed(driver));
    ASSERT_EQ(driver.state.SceneIndex, wakes ? 50 : 49) << "frame " << f;
    if (wakes) break;
    ASSERT_TRUE(driver.rec.drawing.Drew(NextDayTexture)) << "frame " << f;
    const auto card = driver.rec.drawing.DrawsOf(NextDayTexture);
    EXPECT_EQ(card[0].dest, Rect(record::NextDayCard));
  }
  EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "CabinBedTexture");
  EXPECT_EQ(driver.state.BackgroundRect, Rect(record::RoomView));
  EXPECT_EQ(driver.state.MessageIndex, 84);
  EXPECT_TRUE(driver.state.DialogueActive);
}

TEST(LightsOut, TwoSecondsOfDarkThenALaughAndTheBathroom) {
  FrameDriver driver = ArrivedIn(36);
  EXPECT_EQ(driver.state.NightTint, 255);
  Timer dark{record::LightsOutTime};
  const Moment m = Race(
      driver, [&](float dt) { return dark.BelowZeroAfter(dt); },
      [&] { return driver.rec.audio.TimesPlayed(record::played::Hehe) == 1; });
  EXPECT_EQ(m.observed, m.expected);
  // Back from full black: the fade is drawn opaque in that frame, then lifts.
  const auto fills = driver.rec.drawing.Fills();
  ASSERT_GE(fills.size(), 2u);
  EXPECT_EQ(fills[1].color, Colour(record::FadeColour, 255));
  EXPECT_EQ(driver.state.SceneIndex, 37) << "the fade's first step in the same frame applies row 36";
  EXPECT_EQ(driver.state.NightTint, 0);
  EXPECT_TRUE(driver.state.FadingIn);
  int laughs = 0;
  for (int f = 0; f < 180; ++f) driver.Step(), laughs += driver.rec.audio.TimesPlayed(record::played::Hehe);
  EXPECT_EQ(laughs, 0);
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
  EXPECT_EQ(audio.TimesPlayed(record::played::Hehe), 0);
  UpdateLightsOut(state, audio);
  EXPECT_EQ(audio.TimesPlayed(record::played::Hehe), 1);

  // The television counts only while its use is under way and nothing can be used.
  state.SceneIndex = 13;
  state.UseActive = true;
  state.UseReady = true;
  state.TelevisionTimer = 0.125f;
  UpdateTimedEvents(state, audio);
  EXPECT_EQ(state.TelevisionTimer, 0.125f);
  state.UseActive = false;
  state.UseReady = false;
  UpdateTimedEvents(state, audio);
  EXPECT_EQ(state.TelevisionTimer, 0.125f);
  // It and the card compare after lowering too.
  state.UseActive = true;
  UpdateTimedEvents(state, audio);
  EXPECT_FALSE(state.NextDayHold);
  UpdateTimedEvents(state, audio);
  EXPECT_TRUE(state.NextDayHold);
  state.NextDayTimer = 0.125f;
  UpdateTimedEvents(state, audio);
  EXPECT_EQ(state.SceneIndex, 13);
  UpdateTimedEvents(state, audio);
  EXPECT_EQ(state.SceneIndex, 14);

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
  EXPECT_TRUE(driver.rec.audio.playing[SoundNamed("GiberishSound")]);
  // Both steps each frame: the ringing, then (in the same frame too) the wait
  // until the player notices; each tests its timer before lowering it.
  Timer phone{record::PhoneRingsAfter};
  bool ringing = false;
  auto rings = [&](float dt) {
    if (!ringing && phone.TestedFirst(dt)) ringing = true, phone.left = record::PhoneNoticedAfter;
    return ringing;
  };
  Moment ring = Race(driver, rings, [&] { return driver.state.PhoneRinging; });
  EXPECT_EQ(ring.observed, ring.expected);
  const SoundId telephone = SoundNamed("TelephoneSound");
  EXPECT_TRUE(driver.rec.audio.playing[telephone] && driver.rec.audio.looping[telephone]);
  EXPECT_EQ(driver.state.MessageIndex, 111);
  EXPECT_FALSE(driver.state.DialogueActive) << "the box stays closed for now";
  phone.left -= ring.lastDelta;  // lowered in the frame the ringing started too
  Moment noticed = Race(
      driver, [&](float dt) { return phone.TestedFirst(dt); }, [&] { return driver.state.DialogueActive; });
  EXPECT_EQ(noticed.observed, noticed.expected);
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
  EXPECT_TRUE(driver.rec.audio.playing[telephone]) << "it rings until answered";
}

}  // namespace
