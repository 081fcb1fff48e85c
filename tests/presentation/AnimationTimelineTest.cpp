// Each animation, frame by frame at 60 Hz, against the record's pictures and
// periods: the game runs beside a model of the description's tick rule, and
// the backdrop it draws, the strips, the sounds and the ends must fall on the
// model's frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "harness/ByName.h"
#include "harness/DescribedTime.h"
#include "harness/Scenes.h"
#include "record/Animations.h"
#include "record/Sounds.h"

namespace record {
void PrintTo(const PictureSwap& kind, std::ostream* out) { *out << kind.name; }
}  // namespace record

namespace {

// The first picture drawn in the frame: the backdrop.
std::string DrawnBackdrop(const RecordingDrawing& frame) {
  for (const DrawCall& call : frame.calls)
    if (call.kind == DrawCall::Kind::Texture) return NameOf(call.texture);
  return "nothing";
}

int Fills(const RecordingDrawing& frame, Rgba colour) {
  int n = 0;
  for (const DrawCall& fill : frame.Fills()) n += fill.color == colour && fill.dest == Rect(record::Screen);
  return n;
}

// The description's picture swapping for one kind, a sixtieth of a second at
// a time (a frame at 60 Hz).
struct SwapModel {
  SwapModel(const record::PictureSwap& k, int s) : kind(k), scene(s) {}
  const record::PictureSwap& kind;
  int scene;
  Timer timer{kind.timerAtStart};
  Timer leadIn{record::CarLeadIn};
  int frame = 0;
  int loops = 0;
  int ticks = 0;
  bool running = true;
  bool black = false;
  std::string picture;             // what the next frame draws as the backdrop
  std::vector<std::string> heard;  // the cues of this frame

  // A frame: the lead-in's black is drawn over it while it is still due at
  // the frame's start.
  void Frame(const std::vector<float>& sixtieths) {
    heard.clear();
    black = running && kind.kind == 1 && leadIn.left >= 0;
    for (float dt : sixtieths) Sixtieth(dt);
  }

  void Sixtieth(float dt) {
    if (!running) return;
    if (kind.kind == 1 && leadIn.left >= 0) {
      picture = "CarDriveOneTexture";
      leadIn.left -= dt;
      return;
    }
    if (timer.Tick(dt, kind.period)) ++frame, ++ticks;
    if (frame >= 1 && frame <= kind.count) picture = kind.pictures[frame - 1];
    if (frame == kind.wrapAt) {
      if (kind.wrapPicture) picture = kind.wrapPicture;
      frame = kind.frameAfterWrap;
      loops += kind.countsLoop;
      running = !kind.endsAtWrap;
    }
    for (const record::WalkCue& cue : record::ForestWalkCues) {
      if (kind.kind == 3 && cue.scene == scene && cue.loops == loops && cue.frame == frame) {
        heard.push_back(cue.path);
        frame = cue.frameAfter;
      }
    }
    if (kind.countsLoop && loops >= record::LeastLoops) running = false;
  }
};

// The game with one kind just started, as the story starts it. (One named
// result: the recording platform must not be copied.)
FrameDriver Started(int kind, int scene) {
  const bool byRow = kind != 2 && kind != 5;
  FrameDriver driver = byRow ? ArrivedIn(scene) : StandingIn(scene, CampfireTexture);
  driver.state.DialogueActive = false;
  if (!byRow) {
    driver.state.Animating = true;
    driver.state.AnimationKind = kind;
    driver.state.AnimationFrame = 0;
    driver.state.AnimationLoops = 0;
  }
  return driver;
}

int SceneFor(int kind) {
  switch (kind) {
    case 0:
      return 15;
    case 1:
    case 2:
      return 18;
    case 3:
      return 20;
    case 4:
      return 30;
    case 5:
      return 31;
    default:
      return 62;
  }
}

// At 60 Hz; at 240 Hz, where a period moved by a little shows too and most
// frames hold no sixtieth; and at 30 Hz, where every frame holds two.
class PictureSwapping : public testing::TestWithParam<std::tuple<record::PictureSwap, double>> {};

TEST_P(PictureSwapping, PicturesInTheirOrderOnTheFramesOfTheirTicks) {
  const record::PictureSwap& kind = std::get<0>(GetParam());
  const double hz = std::get<1>(GetParam());
  const int scene = SceneFor(kind.kind);
  FrameDriver driver = Started(kind.kind, scene);
  driver.SetRate(hz);
  if (kind.kind == 3) driver.Hold(ScancodeW);
  SwapModel model{kind, scene};
  SixtiethClock sixtieths{driver.rec.clock.now};
  model.picture = NameOf(driver.state.BackgroundTexture);
  const float startX = driver.state.BackgroundRect.x;
  // Two whole cycles, or the whole of an animation that ends.
  const int cycles = kind.countsLoop ? record::LeastLoops + 1 : 2;
  const int frames = static_cast<int>((cycles * kind.wrapAt * kind.period + 2.2) * hz);
  int endedOn = -1;
  bool begun = false;  // a sixtieth of it has run
  for (int f = 1; f <= frames && model.running; ++f) {
    const std::string expected = model.picture;
    const TimedFrame frame = StepTimed(driver, sixtieths);
    model.Frame(frame.sixtieths);
    begun = begun || !frame.sixtieths.empty();
    const RecordingDrawing& drawn = driver.rec.drawing;
    ASSERT_EQ(DrawnBackdrop(drawn), expected) << kind.name << ", frame " << f;
    ASSERT_EQ(drawn.calls[0].kind, DrawCall::Kind::Nearest);
    EXPECT_EQ(NameOf(drawn.calls[0].texture), expected) << "every backdrop is scaled nearest-neighbour";
    EXPECT_EQ(Fills(drawn, Colour(record::CarLeadInCover, 255)), model.black ? 1 : 0) << "frame " << f;
    if (begun && model.running && kind.kind != 0 && kind.kind != 6) {
      EXPECT_EQ(driver.state.WalkSpeed, 0) << "no walking";
    }
    if (kind.kind == 0) {
      EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, startX + record::BedPanPerTick * model.ticks);
    }
    if (kind.kind == 3 && model.running) {
      ASSERT_EQ(drawn.DrawsOf(WalkTexture).size(), 1u) << "hold W";
      EXPECT_EQ(drawn.DrawsOf(WalkTexture)[0].dest, Rect(record::WalkPrompt));
    }
    if (!model.running) endedOn = f;
  }
  if (!kind.endsAtWrap && !kind.countsLoop) return;  // the fire and the lake go on until a scene stops them
  ASSERT_GT(endedOn, 0) << kind.name;
  // On the model's last frame the game has ended it (or handed over) too.
  if (kind.kind == 1) {
    EXPECT_EQ(driver.state.AnimationKind, 2);
    EXPECT_EQ(driver.state.MessageIndex, 24);
    EXPECT_TRUE(driver.state.DialogueActive && driver.state.FadingOut);
  } else {
    EXPECT_FALSE(driver.state.Animating) << kind.name;
  }
  if (kind.kind == 0) {
    EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, startX + 4 * record::BedPanPerTick);
  }
  if (kind.kind == 3) {
    EXPECT_TRUE(driver.state.FadingOut);
    EXPECT_EQ(driver.state.SceneIndex, 21) << "the first walk moves the story on itself";
  }
}

INSTANTIATE_TEST_SUITE_P(Animations, PictureSwapping,
                         testing::Combine(testing::ValuesIn(record::PictureSwaps), testing::Values(30.0, 60.0, 240.0)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "At" +
                                  std::to_string(static_cast<int>(std::get<1>(info.param))) + "Hz";
                         });

TEST(PictureSwapping, LeavingTheCabinEndsByDayOnTheCabinAndByNightOnThePhoto) {
  for (const record::LeaveCabinEnd& end : record::LeaveCabinEnds) {
    FrameDriver driver = ArrivedIn(end.from);
    const int surface = driver.state.FootstepSurface;
    SwapModel model{record::PictureSwaps[4], end.from};
    SixtiethClock sixtieths{driver.rec.clock.now};
    int f = 0;
    while (model.running && f < 100) {
      model.Frame(StepTimed(driver, sixtieths).sixtieths);
      ++f;
      EXPECT_EQ(driver.state.Animating, model.running) << "frame " << f;
    }
    EXPECT_EQ(driver.state.SceneIndex, end.to);
    EXPECT_EQ(NameOf(driver.state.BackgroundTexture), end.backdrop);
    EXPECT_EQ(driver.state.BackgroundRect, Rect(record::RoomView));
    EXPECT_EQ(driver.state.WalkSpeed, 250);
    EXPECT_EQ(driver.state.FootstepSurface, end.footstepSurface < 0 ? surface : end.footstepSurface);
    EXPECT_FALSE(driver.state.FadingOut) << "no fade";
  }
}

TEST(ForestWalk, EachCueOnItsLoopAndStepOnlyWhileForwardIsHeld) {
  for (int scene : {42, 44, 90}) {
    FrameDriver driver = ArrivedIn(scene);
    driver.state.DialogueActive = false;
    driver.state.ChaseTimer = 1000;  // the last walk without the creature catching up
    SwapModel model{record::PictureSwaps[3], scene};
    SixtiethClock sixtieths{driver.rec.clock.now};
    std::vector<std::pair<int, std::string>> expected, heard;
    for (int f = 1; f < 60 * 40 && model.running; ++f) {
      // Let go of the key now and then: the walk freezes where it is.
      const bool held = f % 200 < 150;
      if (held)
        driver.Hold(ScancodeUp);
      else
        driver.Release(ScancodeUp);
      const TimedFrame frame = StepTimed(driver, sixtieths);
      const std::string shown = model.picture;
      if (held) model.Frame(frame.sixtieths);
      for (const std::string& cue : model.heard) expected.push_back({f, cue});
      for (const std::string& sound : driver.rec.audio.PlayedOnce()) heard.push_back({f, sound});
      ASSERT_EQ(driver.state.Animating, model.running) << "scene " << scene << ", frame " << f;
      if (!held) {
        EXPECT_EQ(NameOf(driver.state.BackgroundTexture), shown) << "frozen";
      }
    }
    EXPECT_FALSE(model.running);
    EXPECT_TRUE(driver.state.FadingOut);
    EXPECT_EQ(heard, expected) << "scene " << scene;
    EXPECT_FALSE(expected.empty());
  }
}

TEST(CarRides, TheLoopingRideLastsEightLoopsAndThenUntilTheThoughtsAreRead) {
  // Reading fast: the ride ends with its eighth loop. Reading slowly: on the
  // frame the last line is closed.
  for (int closeAfterLoop : {0, 10}) {
    FrameDriver driver = ArrivedIn(18);
    driver.state.DialogueActive = false;
    SwapModel first{record::PictureSwaps[1], 18};
    SwapModel looping{record::PictureSwaps[2], 18};
    SixtiethClock sixtieths{driver.rec.clock.now};
    int f = 0;
    TimedFrame frame{};
    while (first.running) first.Frame((frame = StepTimed(driver, sixtieths)).sixtieths), ++f;
    ASSERT_EQ(driver.state.AnimationKind, 2) << "handed over on the model's frame";
    // The second ride's block runs in the sixtieth of the hand-over too (one a frame at 60 Hz).
    looping.Frame(frame.sixtieths);
    int lines = 0;
    int endedOn = -1;
    while (f < 60 * 60 && endedOn < 0) {
      const bool press = driver.state.DialogueActive && driver.state.AnimationLoops >= closeAfterLoop && f % 2 == 0;
      if (press) driver.ReleaseReturn();
      frame = StepTimed(driver, sixtieths);
      ++f;
      lines += press;
      looping.Frame(frame.sixtieths);
      const bool shouldEnd = looping.loops >= record::LeastLoops && !driver.state.DialogueActive;
      ASSERT_EQ(driver.state.Animating, !shouldEnd) << "frame " << f << ", loop " << looping.loops;
      if (shouldEnd) endedOn = f;
    }
    ASSERT_GT(endedOn, 0);
    EXPECT_TRUE(driver.state.FadingOut);
    EXPECT_GT(lines, 3);
    EXPECT_EQ(driver.state.AnimationLoops, std::max(record::LeastLoops, closeAfterLoop)) << "waited for the thoughts";
    driver.RunUntil([](const GameState& s) { return s.SceneIndex == 19; }, 120);
    EXPECT_EQ(driver.state.SceneIndex, 19);
  }
}

// The strips: where each frame draws the strip, and the frame the walk ends.
struct StripCase {
  int scene;
  const record::Strip* strip;
  int startFrame;  // AnimationFrame as the story leaves it
  int steps;
};

TEST(Strips, EachStepOnTheFrameOfItsTickAndTheEndOnTheNext) {
  const StripCase cases[] = {
      {70, &record::WalkToPhoneStrip, 0, 6},
      {63, &record::WalkToLakeStrip, 0, 30},
      {61, &record::WalkToLakeStrip, 1, 29},  // after the forest walk of scene 44
  };
  for (const double hz : {30.0, 60.0, 240.0})
    for (const StripCase& c : cases) {
      FrameDriver driver = ArrivedIn(c.scene);
      driver.SetRate(hz);
      driver.state.DialogueActive = false;
      driver.state.AnimationFrame = c.startFrame;
      const bool lake = c.strip->kind == 8;
      SixtiethClock sixtieths{driver.rec.clock.now};
      Timer timer{c.strip->timerAtStart};
      int steps = 0;
      int endedOn = -1;
      bool begun = false;  // a sixtieth has run: the walk has taken over the screen
      for (int f = 1; f < hz * 20 && endedOn < 0; ++f) {
        const bool held = !lake || f % 90 < 60;  // the lake walk only moves while forward is held
        if (held)
          driver.Hold(ScancodeW);
        else
          driver.Release(ScancodeW);
        const TimedFrame frame = StepTimed(driver, sixtieths);
        const auto strips = driver.rec.drawing.DrawsOf(TextureNamed(c.strip->picture));
        ASSERT_FALSE(strips.empty()) << "scene " << c.scene << ", frame " << f;
        const FRect drawn = strips.back().dest;
        FRect at = Rect(c.strip->start);
        at.x -= record::StripFrameWidth * steps;
        EXPECT_EQ(drawn, at) << "scene " << c.scene << ", frame " << f;
        if (!lake && begun) {  // the telephone behind the strip, whole, from the step's first frame on
          EXPECT_EQ(DrawnBackdrop(driver.rec.drawing), record::WalkToPhoneBackdrop);
          EXPECT_EQ(driver.rec.drawing.calls[2].dest, Rect(record::ScreenView));
        }
        bool endDue = false;
        if (held)
          for (float dt : frame.sixtieths) {
            if (steps < c.steps)
              steps += timer.Tick(dt, c.strip->period);
            else
              endDue = true;
          }
        if (endDue && !driver.state.FadingOut) ADD_FAILURE() << "scene " << c.scene << ": no end on frame " << f;
        if (driver.state.FadingOut) endedOn = f;
        begun = begun || !frame.sixtieths.empty();
        if (begun) {
          EXPECT_EQ(driver.state.WalkSpeed, 0);
        }
      }
      EXPECT_EQ(steps, c.steps) << "scene " << c.scene;
      if (lake) {
        EXPECT_EQ(NameOf(driver.state.BackgroundTexture), c.strip->picture);
        EXPECT_EQ(driver.state.BackgroundRect, Rect(record::WalkToLakeEndView));
      } else {
        EXPECT_EQ(driver.state.StripRect, Rect(record::WalkToPhoneStripGone));
        EXPECT_EQ(NameOf(driver.state.BackgroundTexture), record::WalkToPhoneBackdrop);
        EXPECT_EQ(driver.state.BackgroundRect, Rect(record::ScreenView));
      }
    }
}

TEST(DriveAway, ABlackSecondWithItsSoundsThenFourteenSlidesThenTheSlowFade) {
  for (const double hz : {30.0, 60.0, 240.0}) {
    FrameDriver driver = ArrivedIn(92);
    driver.SetRate(hz);
    SixtiethClock sixtieths{driver.rec.clock.now};
    Timer timer{record::DriveAwayBlack};
    bool started = false;
    bool begun = false;  // its first sixtieth has run
    int slides = 0;
    int fadeFrom = -1;
    float fadeDelta = 0;
    for (int f = 1; f < hz * 5 && fadeFrom < 0; ++f) {
      const TimedFrame frame = StepTimed(driver, sixtieths);
      if (!begun && !frame.sixtieths.empty()) {
        EXPECT_EQ(driver.rec.audio.PlayedOnce(),
                  (std::vector<std::string>{record::played::EngineStartup, record::played::ItRunningOnGrass}));
        EXPECT_TRUE(driver.rec.audio.playing[SoundNamed("CarDrivingSound")]);
        begun = true;
      } else {
        EXPECT_TRUE(driver.rec.audio.calls.empty()) << "frame " << f;
      }
      for (float dt : frame.sixtieths) {
        timer.left -= dt;
        if (!started && timer.left <= 0) started = true;
        if (started && timer.left < 0 && slides < record::DriveAwaySlides) {
          ++slides;
          timer.left = record::DriveAwayPeriod;
        } else if (slides == record::DriveAwaySlides && fadeFrom < 0) {
          fadeFrom = f;
          fadeDelta = frame.dt;  // the fade itself moves by the frame's time
        }
      }
      const bool black = !started;
      EXPECT_EQ(driver.state.DriveAwayStarted, started) << "frame " << f;
      if (fadeFrom < 0) {
        EXPECT_EQ(driver.state.FadeAlpha, black ? 255 : 0) << "frame " << f;
      }
      EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -record::StripFrameWidth * slides) << "frame " << f;
      EXPECT_EQ(driver.state.FadingOut, fadeFrom > 0) << "frame " << f;
      EXPECT_EQ(driver.state.FadeSpeed, record::DriveAwayFadeSpeed);
    }
    ASSERT_GT(fadeFrom, 0);
    EXPECT_EQ(driver.state.SceneIndex, 92);
    // The slow fade at 100 a second, begun in the frame the sheet ended: black
    // once 255 units have passed, when the closing screen's row applies, then
    // back from the black at the same rate. A whole-unit fade that carries its
    // fraction may land exactly on a unit, where rounding decides between two
    // frames (and a turn one frame later starts the lift a frame later too).
    double black = record::DriveAwayFadeSpeed * fadeDelta;
    bool lifting = false;
    int closingOn = -1, clearOn = -1, seenClosing = -1, seenClear = -1;
    for (int k = 1; k < hz * 8 && (clearOn < 0 || seenClear < 0); ++k) {
      const float dt = StepTimed(driver);
      if (!lifting && static_cast<int>(black += record::DriveAwayFadeSpeed * dt) > 254) {
        lifting = true, closingOn = k;  // and the first step back in the same frame
        black -= record::DriveAwayFadeSpeed * dt;
      } else if (lifting && (black -= record::DriveAwayFadeSpeed * dt) < 1 && clearOn < 0) {
        clearOn = k;
      }
      if (seenClosing < 0 && driver.state.ShiftQuitAllowed) seenClosing = k;
      if (seenClosing > 0 && seenClear < 0 && !driver.state.FadingIn) seenClear = k;
    }
    EXPECT_NEAR(seenClosing, closingOn, 1);
    EXPECT_NEAR(seenClear, clearOn, 2);
    EXPECT_EQ(NameOf(driver.state.BackgroundTexture), "ThxForPlayTexture");
  }
}

// The camera flash: white frames while the fire shows its third picture, the
// flash is pending, line 58 has been passed and fewer than ten have been drawn.
struct FlashCase {
  int message;
  bool pending;
  int alreadyDrawn;
  int whiteFrames;
};

TEST(Campfire, TheCameraFlashUnderEachOfItsConditions) {
  const FlashCase cases[] = {
      {record::FlashAfterLine + 1, true, 0, record::FlashFrames},
      {record::FlashAfterLine, true, 0, 0},
      {record::FlashAfterLine + 1, false, 0, 0},
      {record::FlashAfterLine + 1, true, record::FlashFrames, 0},
      {record::FlashAfterLine + 1, true, 4, record::FlashFrames - 4},
  };
  for (const FlashCase& c : cases) {
    FrameDriver driver = Started(5, 31);
    driver.state.MessageIndex = c.message;
    driver.state.CampfireFlashPending = c.pending;
    driver.state.CampfireFlashCount = c.alreadyDrawn;
    SwapModel model{record::PictureSwaps[5], 31};
    SixtiethClock sixtieths{driver.rec.clock.now};
    std::vector<int> expected, white;
    int sounds = 0;
    for (int f = 1; f <= 60 * 4; ++f) {
      model.Frame(StepTimed(driver, sixtieths).sixtieths);
      const bool flashes =
          model.frame == record::FlashOnFirePicture && static_cast<int>(expected.size()) < c.whiteFrames;
      if (flashes) expected.push_back(f);
      if (Fills(driver.rec.drawing, Colour(record::CameraFlashColour, 255)) == 1) white.push_back(f);
      const int played = driver.rec.audio.TimesPlayed(record::FlashSound);
      if (played) {
        EXPECT_EQ(f, expected.empty() ? -1 : expected.front()) << "with the first white frame";
      }
      sounds += played;
    }
    EXPECT_EQ(white, expected) << "line " << c.message << ", drawn before " << c.alreadyDrawn;
    EXPECT_EQ(sounds, c.alreadyDrawn == 0 && c.whiteFrames > 0 ? 1 : 0);
  }
}

}  // namespace
