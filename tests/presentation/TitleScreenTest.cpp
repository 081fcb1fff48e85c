// The title screen frame by frame beside a model of its description: the
// intro picture's fade, Return counted once the intro has gone, the darkening,
// the tip picture, the lifting and the hold, each on its frame; the music.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "record/ScreenPlaces.h"
#include "record/Sounds.h"
#include "record/Timelines.h"
#include "shell/Program.h"
#include "shell/TitleScreen.h"

namespace {

struct Title {
  RecordingPlatform rec;
  GameState state = InitialGameState();
  double exactMs = 0;
  double frameMs = 1000.0 / 60;

  Title() { StartTitleMusic(rec.audio); }  // as the title loop does before its first frame
  // One title frame; returns its DeltaTime as described.
  float Frame(FrameResult* result = nullptr) {
    rec.ClearRecords();
    const std::uint64_t before = rec.clock.now;
    exactMs += frameMs;
    rec.clock.now = static_cast<std::uint64_t>(exactMs);
    const FrameResult r = RunTitleFrame(state, rec.platform);
    if (result) *result = r;
    return DescribedDelta(before, rec.clock.now);
  }
  void Seconds(double s) {
    for (int i = 0; i < static_cast<int>(s * 1000 / frameMs); ++i) Frame();
  }
  bool TipDrawn() const { return rec.drawing.Drew(TipTexture); }
  int Stops(const char* name) const {
    int n = 0;
    for (const SoundCall& call : rec.audio.calls)
      n += call.kind == SoundCall::Kind::Stop && call.sound == SoundNamed(name);
    return n;
  }
};

// The title as described, with the fade keeping its fraction from frame to
// frame so that it moves at 150 a second on every display.
struct TitleModel {
  Timer intro{record::IntroTime};
  bool introFading = false;
  float introAlpha = 255;
  int introModulation = -1;  // set in this frame, or -1
  bool startPressed = false;
  int startedOn = -1;
  bool lifting = false;
  bool turnedNow = false;
  float black = 0;  // the exact alpha of the black
  Timer hold{record::TipHold};
  bool running = true;

  int Alpha() const { return std::clamp(static_cast<int>(black), 0, 255); }
  void Frame(float dt, bool returnReleased, int frame) {
    if (returnReleased && intro.left <= 0 && !startPressed) startPressed = true, startedOn = frame;
    if (startPressed && !lifting) black += record::TitleFadeRate * dt;
    turnedNow = static_cast<int>(black) > record::TitleBlackAbove;
    if (turnedNow) lifting = true;
    if (lifting) {
      black -= record::TitleFadeRate * dt;
      if (static_cast<int>(black) <= 0) black = 0;
    }
    if (lifting && Alpha() == 0 && hold.AtOrBelowZeroAfter(dt)) running = false;
    introModulation = -1;
    if (intro.left > 0)
      intro.left -= dt;
    else
      introFading = true;
    if (introFading && introAlpha >= 0) {
      introModulation = static_cast<int>(introAlpha);
      introAlpha -= record::TitleFadeRate * dt;
    }
  }
};

TEST(Title, MusicAndAmbienceStartLoopingBeforeTheFirstFrame) {
  // Closing the window at once: the title loop started its music, ran no frame further.
  struct CloseAtOnce : FrameObserver {
    RecordingPlatform* rec;
    void BeforeFrame(const GameState&) override { rec->input.events.push_back(InputEvent::Quit); }
  } closer;
  RecordingPlatform rec;
  closer.rec = &rec;
  GameState state = InitialGameState();
  RunTitle(state, rec.platform, &closer);
  std::vector<SoundCall> expected;
  for (const char* name : {"CreepyAmbienceSound", "BirdsQuietSound", "MenuSongSound"}) {
    expected.push_back({SoundCall::Kind::Start, SoundNamed(name), {}});
    expected.push_back({SoundCall::Kind::Loop, SoundNamed(name), {}});
  }
  EXPECT_EQ(rec.audio.calls, expected);
  EXPECT_TRUE(rec.drawing.calls.empty());
  EXPECT_TRUE(state.TitleRunning) << "a quit, not the game";
}

class TitleTimeline : public testing::TestWithParam<double> {};

TEST_P(TitleTimeline, EveryStepOnItsFrame) {
  std::srand(7);
  Title title;
  title.frameMs = 1000.0 / GetParam();
  TitleModel model;
  std::set<int> staticFrames;
  int lastStaticFrame = title.state.StaticFrame;
  Timer staticTimer{record::StaticFirstChange};  // counted in sixtieths of a second
  SixtiethClock sixtieths;
  std::vector<int> turned, stopped;
  int frame = 0;
  while (model.running && frame < 20000) {
    ++frame;
    title.rec.input.events.push_back(InputEvent::ReturnReleased);  // held down and let go, over and over
    FrameResult result;
    const float dt = title.Frame(&result);
    model.Frame(dt, true, frame);
    ASSERT_EQ(result, FrameResult::Continue);
    const RecordingDrawing& drawn = title.rec.drawing;
    // The black over everything, the tip under it once it has been black.
    const std::vector<DrawCall> fills = drawn.Fills();
    ASSERT_EQ(fills.size(), 1u);
    ASSERT_EQ(fills[0].color, Colour(record::FadeColour, model.Alpha())) << "frame " << frame;
    EXPECT_EQ(fills[0].dest, Rect(record::Screen));
    ASSERT_EQ(title.TipDrawn(), model.lifting) << "frame " << frame;
    EXPECT_EQ(title.state.TitleStartPressed, model.startPressed) << "frame " << frame;
    if (model.turnedNow) turned.push_back(frame);
    if (title.Stops("MenuSongSound") == 1 && title.Stops("CreepyAmbienceSound") == 1) stopped.push_back(frame);
    EXPECT_EQ(title.Stops("BirdsQuietSound"), 0) << "the birds play on into the game";
    // The intro picture fades at 150 a second once its time is up.
    std::vector<int> introAlphas;
    for (const DrawCall& call : drawn.calls)
      if (call.kind == DrawCall::Kind::Alpha && NameOf(call.texture) == "IntroTexture")
        introAlphas.push_back(call.alpha);
    EXPECT_EQ(introAlphas, model.introModulation < 0 ? std::vector<int>{} : std::vector<int>{model.introModulation})
        << "frame " << frame;
    // The static: the frame chosen before is drawn; a new one is chosen when its timer runs out.
    const auto statics = drawn.DrawsOf(StaticTexture);
    ASSERT_EQ(statics.size(), 1u);
    const record::Place& source = record::StaticFrames[lastStaticFrame];
    EXPECT_EQ(statics[0].source, (FRect{source.x, source.y, source.w, source.h}));
    const bool changes = staticTimer.TickInSixtieths(sixtieths.Frame(dt), record::StaticPeriod);
    if (!changes) {
      EXPECT_EQ(title.state.StaticFrame, lastStaticFrame) << "frame " << frame;
    }
    lastStaticFrame = title.state.StaticFrame;
    staticFrames.insert(lastStaticFrame);
  }
  EXPECT_EQ(staticFrames.size(), 4u) << "any of the four static frames may come";
  EXPECT_FALSE(model.running);
  EXPECT_FALSE(title.state.TitleRunning) << "on the model's last frame";
  EXPECT_GT(model.startedOn, record::IntroTime * GetParam()) << "not before the intro's time is up";
  EXPECT_EQ(stopped, turned) << "the music and the ambience stop as the screen turns black";
  ASSERT_FALSE(turned.empty());
  EXPECT_TRUE(title.state.FadingIn && title.state.FadeAlpha == 0) << "handed over to the game loop";
}

INSTANTIATE_TEST_SUITE_P(Rates, TitleTimeline, testing::Values(20.0, 30.0, 60.0, 144.0, 240.0, 360.0),
                         [](const auto& info) { return std::to_string(static_cast<int>(info.param)) + "Hz"; });

TEST(Title, TheHoldEndsOnTheFrameItsTimeIsExactlyUsedUp) {
  Title title;
  title.state.TitleStartPressed = true;
  title.state.FadingIn = true;
  title.state.IntroTimer = 0;
  title.state.TitleExitTimer = 0.05f;
  title.frameMs = 50;  // a DeltaTime of exactly 0.05f: the hold lands on 0
  title.Frame();
  EXPECT_FALSE(title.state.TitleRunning);
}

TEST(Title, AnIntroTimeUsedUpExactlyLetsReturnIn) {
  Title title;
  title.state.IntroTimer = 0.05f;
  title.frameMs = 50;  // lands on 0, where the intro timer stops
  title.Frame();
  ASSERT_EQ(title.state.IntroTimer, 0.0f);
  title.rec.input.events.push_back(InputEvent::ReturnReleased);
  title.Frame();
  EXPECT_TRUE(title.state.TitleStartPressed);
}

TEST(Title, ReturnDuringTheIntroIsIgnoredAndNotRemembered) {
  Title title;
  title.Seconds(1);
  title.rec.input.events.push_back(InputEvent::ReturnReleased);
  title.Frame();
  EXPECT_FALSE(title.state.TitleStartPressed);
  title.Seconds(4);
  EXPECT_FALSE(title.state.TitleStartPressed);
  EXPECT_EQ(title.state.FadeAlpha, 0);
  EXPECT_FALSE(title.TipDrawn());
  title.rec.input.events.push_back(InputEvent::ReturnReleased);
  title.Frame();
  EXPECT_TRUE(title.state.TitleStartPressed);
}

TEST(Title, ShiftOrClosingTheWindowLeavesFromAnywhere) {
  for (InputEvent quit : {InputEvent::ShiftReleased, InputEvent::Quit}) {
    for (double at : {0.5, 4.0, 6.5}) {
      Title title;
      title.Seconds(3.6);
      title.rec.input.events.push_back(InputEvent::ReturnReleased);
      title.Frame();
      title.Seconds(at - 3.6 > 0 ? at - 3.6 : 0);
      title.rec.input.events.push_back(quit);
      FrameResult result;
      title.Frame(&result);
      EXPECT_EQ(result, FrameResult::Quit);
      EXPECT_TRUE(title.rec.drawing.calls.empty()) << "nothing more of that frame";
      EXPECT_TRUE(title.state.TitleRunning);
    }
  }
}

TEST(Title, IntroAndStaticAreDrawnOverTheTitle) {
  Title title;
  title.Frame();
  const auto& calls = title.rec.drawing.calls;
  std::vector<std::string> order;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Kind::Texture) {
      order.push_back(NameOf(c.texture));
      EXPECT_EQ(c.dest, Rect(record::Screen));
    }
  EXPECT_EQ(order, (std::vector<std::string>{"MenuTexture", "IntroTexture", "StaticTexture", "ScanlinesTexture"}));
  // After the present, the tip's alpha is set again for the next frame.
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2].kind, DrawCall::Kind::Present);
  EXPECT_EQ(calls.back().kind, DrawCall::Kind::Alpha);
  EXPECT_EQ(NameOf(calls.back().texture), "TipTexture");
  EXPECT_EQ(calls.back().alpha, 255);
}

}  // namespace
