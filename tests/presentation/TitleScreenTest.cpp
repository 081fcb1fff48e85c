#include <gtest/gtest.h>

#include "harness/RecordingPlatform.h"
#include "shell/TitleScreen.h"

namespace {

struct Title {
  RecordingPlatform rec;
  GameState state = InitialGameState();
  double exactMs = 0;
  double frameMs = 1000.0 / 60;

  FrameResult Frame() {
    rec.ClearRecords();
    exactMs += frameMs;
    rec.clock.now = static_cast<std::uint64_t>(exactMs);
    return RunTitleFrame(state, rec.platform);
  }
  void Seconds(double s) {
    for (int i = 0; i < static_cast<int>(s * 1000 / frameMs); ++i) Frame();
  }
  bool TipDrawn() const { return rec.drawing.Drew(TipTexture); }
};

TEST(Title, MusicAndAmbienceLoopFromTheStart) {
  RecordingAudio audio;
  StartTitleMusic(audio);
  for (SoundId sound : {CreepyAmbienceSound, BirdsQuietSound, MenuSongSound}) {
    EXPECT_TRUE(audio.playing[sound]);
    EXPECT_TRUE(audio.looping[sound]);
  }
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
  title.rec.input.events.push_back(InputEvent::ReturnReleased);
  title.Frame();
  EXPECT_TRUE(title.state.TitleStartPressed);
}

TEST(Title, TheWholeTimelineFromIntroToTheGame) {
  Title title;
  int frames = 0;
  while (title.state.IntroTimer > 0) {
    title.Frame();
    ++frames;
    EXPECT_FALSE(title.TipDrawn());
  }
  EXPECT_NEAR(frames / 60.0, 3.5, 0.05);
  title.Seconds(0.5);
  EXPECT_TRUE(title.state.IntroFading);
  EXPECT_LT(title.state.IntroAlpha, 255);
  title.rec.input.events.push_back(InputEvent::ReturnReleased);
  title.Frame();
  // Darkening: a second Return changes nothing.
  int darkening = 0;
  while (!title.state.FadingIn) {
    if (darkening == 10) title.rec.input.events.push_back(InputEvent::ReturnReleased);
    title.Frame();
    ++darkening;
    if (!title.state.FadingIn) {
      EXPECT_FALSE(title.TipDrawn()) << "the tip never shows before black";
    }
  }
  EXPECT_NEAR(darkening / 60.0, 250 / 150.0, 0.05);
  EXPECT_FALSE(title.rec.audio.playing[MenuSongSound]);
  EXPECT_FALSE(title.rec.audio.playing[CreepyAmbienceSound]);
  EXPECT_TRUE(title.TipDrawn());
  int lifting = 0;
  while (title.state.FadeAlpha > 0) {
    title.Frame();
    ++lifting;
  }
  EXPECT_NEAR(lifting / 60.0, 250 / 150.0, 0.05);
  int holding = 0;
  while (title.state.TitleRunning) {
    title.Frame();
    ++holding;
  }
  EXPECT_NEAR(holding / 60.0, 1.0, 0.05);
  EXPECT_TRUE(title.state.FadingIn) << "handed over to the game loop";
  EXPECT_EQ(title.state.FadeAlpha, 0);
}

TEST(Title, TheFadeFinishesOnFastDisplaysToo) {
  for (double hz : {144.0, 240.0, 360.0}) {
    Title title;
    title.frameMs = 1000.0 / hz;
    title.Seconds(3.6);
    title.rec.input.events.push_back(InputEvent::ReturnReleased);
    int frames = 0;
    while (title.state.TitleRunning && frames < 100000) {
      title.Frame();
      ++frames;
    }
    EXPECT_NEAR(frames / hz, 2 * 250 / 150.0 + 1.0, 0.1) << hz << " Hz";
  }
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
      EXPECT_EQ(title.Frame(), FrameResult::Quit);
      EXPECT_TRUE(title.state.TitleRunning);
    }
  }
}

TEST(Title, IntroAndStaticAreDrawnOverTheTitle) {
  Title title;
  title.Frame();
  const auto& calls = title.rec.drawing.calls;
  std::vector<TextureId> order;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Kind::Texture) order.push_back(c.texture);
  EXPECT_EQ(order, (std::vector<TextureId>{MenuTexture, IntroTexture, StaticTexture, ScanlinesTexture}));
  // After the present, the tip's alpha is set again for the next frame.
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2].kind, DrawCall::Kind::Present);
  EXPECT_EQ(calls.back().kind, DrawCall::Kind::Alpha);
  EXPECT_EQ(calls.back().texture, TipTexture);
}

}  // namespace
