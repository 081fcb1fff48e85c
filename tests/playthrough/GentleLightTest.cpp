// --reduce-flashing changes only the light laid over the screen, and only
// where the game would make it jump: the whole story to each ending, at 60 Hz
// and on slower and faster displays, with the option and without.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "harness/Playthrough.h"

namespace {

// --- The light laid over the screen, whatever the pictures ---

// What the whole-screen fills of a frame (the night tint, the fade, the
// blacks of the lead-in and of the card, the camera's white) leave of a mid
// grey, in sRGB from 0 to 1, at a point of the upper half (clear of the band
// of thoughts). Pictures are not looked at: they change as the story goes,
// this is the light that the game lays over them. Nothing for a frame of the
// title, or one that presented nothing.
std::optional<float> LightOver(const RecordingDrawing& frame) {
  float v = 0.5f;
  bool presented = false;
  for (const DrawCall& call : frame.calls) {
    if (call.kind == DrawCall::Kind::Present) presented = true;
    if (call.kind != DrawCall::Kind::Fill || call.dest.y > 150 || call.dest.y + call.dest.h <= 150) continue;
    const float colour = (call.color.r + call.color.g + call.color.b) / 765.0f;
    v += (colour - v) * call.color.a / 255.0f;
  }
  if (!presented || frame.Drew(MenuTexture)) return std::nullopt;
  return v;
}

// The most a fade moves in one frame of a display: 1000 alpha units a
// second, in the longest frame's whole milliseconds (17 at 60 Hz).
int FadeUnits(int hz) { return (1000 + hz - 1) / hz; }

// ... and what that does to the light over the mid grey, with one unit more
// for a black laid in two fills that round apart.
float FadeStep(int hz) { return 0.5f * static_cast<float>(FadeUnits(hz) + 1) / 255; }

struct LightOfAPlay {
  std::vector<float> light;       // each game frame's
  std::vector<float> step;        // ... and its change from the frame before (0 where not looked at)
  std::vector<int> scene;         // ... and the scene it showed
  std::vector<int> faceAlphas;    // the jump scare's alpha in each frame that drew it
  bool finished = false;

  // The frames whose light moved by more than `size`.
  std::vector<int> JumpsOver(float size) const {
    std::vector<int> frames;
    for (std::size_t f = 0; f < step.size(); ++f)
      if (std::fabs(step[f]) > size) frames.push_back(static_cast<int>(f));
    return frames;
  }
};

LightOfAPlay PlayAndWatchTheLight(const Ending& ending, int hz, bool reduceFlashing) {
  LightOfAPlay seen;
  std::optional<float> last;
  int faceAlpha = 255;
  const FrameLook watch = [&](const GameState* state, const FakeSystem& system) {
    if (!state) return;  // the teardown after the last frame
    const RecordingDrawing& frame = system.rec.drawing;
    for (const DrawCall& call : frame.calls) {
      if (call.kind == DrawCall::Kind::Alpha && call.texture == JumpscareTexture) faceAlpha = call.alpha;
      if (call.kind == DrawCall::Kind::Texture && call.texture == JumpscareTexture) seen.faceAlphas.push_back(faceAlpha);
    }
    const std::optional<float> light = LightOver(frame);
    if (light) {
      // Steps between two screens nine tenths black or more are not looked
      // at, nor the next-day card's, laid on opaque black once the fade is
      // past 229: they only deepen an almost black screen, with the option or
      // without.
      const bool nearlyBlack = last && std::max(*light, *last) < 0.05f;
      const bool looked = last && !nearlyBlack && !frame.Drew(NextDayTexture);
      seen.light.push_back(*light);
      seen.step.push_back(looked ? *light - *last : 0);
      seen.scene.push_back(state->SceneIndex);
    }
    if (light || frame.calls.empty()) last = light;
  };
  GameOptions options;
  options.ReduceFlashing = reduceFlashing;
  seen.finished = PlayThrough(ending.plan, FixedRate(hz), 1, 2400, options, watch).finished;
  return seen;
}

struct Play {
  Ending ending;
  int hz;
};

void PrintTo(const Play& play, std::ostream* out) { *out << play.ending.name << " at " << play.hz << " Hz"; }

class LightOverTheScreen : public testing::TestWithParam<Play> {};

TEST_P(LightOverTheScreen, JumpsInTheGameAsDescribedAndMovesAtAFadesPaceWithTheOption) {
  const Ending& ending = GetParam().ending;
  const int hz = GetParam().hz;
  const LightOfAPlay described = PlayAndWatchTheLight(ending, hz, false);
  const LightOfAPlay gentle = PlayAndWatchTheLight(ending, hz, true);
  ASSERT_TRUE(described.finished && gentle.finished);

  // As described, jumps past a 60 Hz fade's step: the camera's white (scene
  // 31), the black lead-in of the first car ride lifted at once (18), and the
  // last cut: the drive away's black second cut open (92, reached as 91 is
  // left), or the jump scare cut to black (the game-over state 5486); a death
  // cuts the bedroom to black.
  const std::vector<int> jumps = described.JumpsOver(FadeStep(60));
  std::set<int> scenes;
  for (int f : jumps) scenes.insert(described.scene[f]);
  for (int scene : {18, 31}) EXPECT_TRUE(scenes.count(scene)) << "no jump in scene " << scene;
  EXPECT_TRUE(scenes.count(ending.plan.standStillInLastWalk ? JumpscareGameOverScene : 92));
  if (ending.plan.dieOnceInBedroom) {
    EXPECT_TRUE(scenes.count(83));
  }

  // With the option, no step is larger than a fade's on this display.
  for (int f : gentle.JumpsOver(FadeStep(hz)))
    ADD_FAILURE() << "with the option, scene " << gentle.scene[f] << " jumps by " << gentle.step[f];

  // Elsewhere the light is the game's own (within a unit): it differs only
  // within a ramp's length (255 units at a fade's pace) of a step of the game
  // as described larger than a fade's (on this display, or at 60 Hz), before
  // the cuts that are eased ahead, after the others. The first game frame is
  // one: it cuts from the title's last picture.
  ASSERT_EQ(gentle.light.size(), described.light.size()) << "the same play, frame for frame";
  const int ramp = 255 * hz / 1000 + 2;
  std::vector<bool> nearAJump(described.light.size());
  for (int at : described.JumpsOver(std::min(FadeStep(hz), FadeStep(60))))
    for (int f = std::max(0, at - ramp); f < std::min<int>(nearAJump.size(), at + ramp + 1); ++f) nearAJump[f] = true;
  for (int f = 0; f <= ramp; ++f) nearAJump[f] = true;
  int differing = 0;
  for (std::size_t f = 0; f < nearAJump.size(); ++f)
    differing += !nearAJump[f] && std::fabs(gentle.light[f] - described.light[f]) > 1.5f / 255;
  EXPECT_EQ(differing, 0) << "frames whose light the option changed away from any jump";

  // The face of the jump scare comes in at a fade's pace with the option, at once without.
  if (ending.plan.standStillInLastWalk) {
    ASSERT_FALSE(described.faceAlphas.empty());
    EXPECT_EQ(described.faceAlphas.front(), 255);
    ASSERT_FALSE(gentle.faceAlphas.empty());
    int previous = 0;
    for (int alpha : gentle.faceAlphas) {
      EXPECT_LE(alpha - previous, FadeUnits(hz));
      previous = alpha;
    }
    EXPECT_EQ(gentle.faceAlphas.back(), 255) << "the face is seen whole before it goes";
  }
}

std::vector<Play> Plays() {
  std::vector<Play> plays;
  for (const Ending& ending : Endings)
    for (int hz : {20, 60, 144}) plays.push_back({ending, hz});
  return plays;
}

INSTANTIATE_TEST_SUITE_P(EveryEndingAtSeveralRates, LightOverTheScreen, testing::ValuesIn(Plays()),
                         [](const testing::TestParamInfo<Play>& info) {
                           return std::string(info.param.ending.name) + "_" + std::to_string(info.param.hz) + "Hz";
                         });

// --- Switched on in the pause menu ---

// The light of the first frame presented among `calls` (the frame that asked
// for the menu, before the menu's own frames).
std::optional<float> LightOfFirstFrame(const RecordingDrawing& calls) {
  RecordingDrawing first;
  for (const DrawCall& call : calls.calls) {
    first.calls.push_back(call);
    if (call.kind == DrawCall::Kind::Present) break;
  }
  return LightOver(first);
}

// Switched on in the menu where the game lays its own light over the screen
// (the night's tint, a fade's black, the first car ride's black lead-in), the
// gentle light starts from that light: the first frame after the menu is lit
// as the last before it, within a fade's step. (The camera's white: see
// PauseTest.) Each is switched off again before the next.
TEST(GentleLightFromTheMenu, StartsFromTheLightOnTheScreenAtNightInAFadeAndInTheLeadIn) {
  using Kind = MenuEvent::Kind;
  struct Moment {
    const char* name;
    std::function<bool(const GameState&)> holds;
    bool done = false;
  };
  std::vector<Moment> moments = {
      {"the night", [](const GameState& s) { return s.NightTint >= 150 && s.FadeAlpha == 0 && !s.Animating; }},
      {"a fade", [](const GameState& s) { return !s.TitleRunning && s.FadeAlpha >= 80 && s.FadeAlpha <= 200; }},
      {"the lead-in", [](const GameState& s) { return s.Animating && s.AnimationKind == CarRideOne && s.CarLeadInTimer > 0.2f; }},
  };
  enum class Step { Looking, SwitchingOn, Measuring, SwitchingOff } step = Step::Looking;
  Moment* now = nullptr;
  std::optional<float> before;
  int resumes = 0;
  const auto switchGentle = [](FakeSystem& system) {
    system.rec.input.pauseWhenIdle = true;
    system.rec.input.menuEvents = {{Kind::Down}, {Kind::Down}, {Kind::Choose}, {Kind::Resume}};
  };
  const FrameLook look = [&](const GameState* state, FakeSystem& system) {
    if (!state) return;
    const int resumed = system.CountStepsStartingWith("resume sound");
    const bool menuRan = resumed != resumes;
    resumes = resumed;
    switch (step) {
      case Step::Looking:
        for (Moment& m : moments)
          if (!m.done && system.rec.input.events.empty() && m.holds(*state)) {
            now = &m;
            switchGentle(system);
            step = Step::SwitchingOn;
            break;
          }
        break;
      case Step::SwitchingOn:
        if (menuRan) {
          before = LightOfFirstFrame(system.rec.drawing);
          step = Step::Measuring;
        }
        break;
      case Step::Measuring: {
        const std::optional<float> after = LightOver(system.rec.drawing);
        EXPECT_TRUE(before && after) << now->name;
        if (before && after) {
          EXPECT_LE(std::fabs(*after - *before), FadeStep(60)) << now->name << ": the light jumps from " << *before
                                                                << " to " << *after;
        }
        now->done = true;
        switchGentle(system);
        step = Step::SwitchingOff;
        break;
      }
      case Step::SwitchingOff:
        if (menuRan) step = Step::Looking;
        break;
    }
  };
  ASSERT_TRUE(PlayThrough({}, FixedRate(60), 1, 2400, GameOptions{}, look).finished);
  for (const Moment& m : moments) EXPECT_TRUE(m.done) << m.name << " never came";
}

// --- Without the option, the game as it was ---

// FNV-1a over every draw and sound call of a play-through.
class CallDigest {
 public:
  void Add(const RecordingPlatform& rec) {
    for (const DrawCall& c : rec.drawing.calls) {
      Mix(static_cast<int>(c.kind), c.texture, c.hasSource, c.alpha, c.color.r, c.color.g, c.color.b, c.color.a);
      for (const FRect* r : {&c.source, &c.dest}) Mix(Bits(r->x), Bits(r->y), Bits(r->w), Bits(r->h));
    }
    for (const SoundCall& c : rec.audio.calls) {
      Mix(static_cast<int>(c.kind), c.sound);
      for (char ch : c.path) Mix(ch);
    }
  }
  std::uint64_t value = 14695981039346656037ull;

 private:
  static std::uint32_t Bits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
  }
  template <typename... T>
  void Mix(T... values) {
    for (std::uint64_t v : {static_cast<std::uint64_t>(values)...}) value = (value ^ v) * 1099511628211ull;
  }
};

// The digests of the three endings played at 60 Hz by the game as it was
// before --reduce-flashing existed (commit c26645a). A deliberate change to
// what the described game draws or sounds must renew them.
constexpr std::uint64_t DigestsBeforeTheOption[] = {0xbedeecd371683a62, 0x52794565e320abe1, 0x147d1f1fe5a25d70};

TEST(WithoutTheOption, EveryEndingDrawsAndSoundsCallForCallAsBeforeTheOptionExisted) {
  for (std::size_t i = 0; i < std::size(Endings); ++i) {
    CallDigest digest;
    const FrameLook watch = [&](const GameState* state, const FakeSystem& system) {
      if (state) digest.Add(system.rec);
    };
    ASSERT_TRUE(PlayThrough(Endings[i].plan, FixedRate(60), 1, 2400, {}, watch).finished);
    EXPECT_EQ(digest.value, DigestsBeforeTheOption[i]) << Endings[i].name << ": 0x" << std::hex << digest.value;
  }
}

}  // namespace
