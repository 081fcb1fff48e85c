// --reduce-flashing changes only the light laid over the screen, and only
// where the game would make it jump: the whole story at 60 Hz to each ending,
// with the option and without.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "harness/Playthrough.h"

namespace {

struct Ending {
  const char* name;
  PlayerPlan plan;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

const Ending Endings[] = {
    {"DriveAway", {}},
    {"Jumpscare", {.standStillInLastWalk = true}},
    {"DeathThenDriveAway", {.dieOnceInBedroom = true}},
};

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

// The most a fade changes that light in one 60 Hz frame: a fade moves 1000
// alpha units a second, 17 in the longest frame, over the mid grey; and one
// unit more, for a black laid in two fills that round apart.
const float FadeStep = 0.5f * 18 / 255;

struct Jump {
  int scene;
  float size;
};

struct LightOfAPlay {
  std::vector<float> light;       // each game frame's
  std::vector<int> jumpFrames;    // the frames (counted in `light`) that jumped
  std::vector<Jump> jumps;        // ... and where, by how much
  std::vector<int> faceAlphas;    // the jump scare's alpha in each frame that drew it
  bool finished = false;
};

LightOfAPlay PlayAndWatchTheLight(const Ending& ending, bool reduceFlashing) {
  LightOfAPlay seen;
  std::optional<float> last;
  int faceAlpha = 255;
  const FrameWatch watch = [&](const GameState& state, const RecordingPlatform& rec) {
    const RecordingDrawing& frame = rec.drawing;
    for (const DrawCall& call : frame.calls) {
      if (call.kind == DrawCall::Kind::Alpha && call.texture == JumpscareTexture) faceAlpha = call.alpha;
      if (call.kind == DrawCall::Kind::Texture && call.texture == JumpscareTexture) seen.faceAlphas.push_back(faceAlpha);
    }
    const std::optional<float> light = LightOver(frame);
    // Steps between two screens nine tenths black or more are not looked at,
    // nor the next-day card's, laid on opaque black once the fade is past 229:
    // they only deepen an almost black screen, with the option or without.
    const bool nearlyBlack = light && last && std::max(*light, *last) < 0.05f;
    if (light && last && !nearlyBlack && !frame.Drew(NextDayTexture) && std::fabs(*light - *last) > FadeStep) {
      seen.jumps.push_back({state.SceneIndex, *light - *last});
      seen.jumpFrames.push_back(static_cast<int>(seen.light.size()));
    }
    if (light) seen.light.push_back(*light);
    if (light || frame.calls.empty()) last = light;
  };
  GameOptions options;
  options.ReduceFlashing = reduceFlashing;
  seen.finished = PlayThrough(ending.plan, FixedRate(60), 1, 2400, options, watch).finished;
  return seen;
}

std::set<int> ScenesOf(const std::vector<Jump>& jumps) {
  std::set<int> scenes;
  for (const Jump& j : jumps) scenes.insert(j.scene);
  return scenes;
}

class LightOverTheScreen : public testing::TestWithParam<Ending> {};

TEST_P(LightOverTheScreen, JumpsInTheGameAsDescribedAndMovesAtAFadesPaceWithTheOption) {
  const Ending& ending = GetParam();
  const LightOfAPlay described = PlayAndWatchTheLight(ending, false);
  const LightOfAPlay gentle = PlayAndWatchTheLight(ending, true);
  ASSERT_TRUE(described.finished && gentle.finished);

  // As described: the camera's white (scene 31), the black lead-in of the
  // first car ride lifted at once (18), and the last cut: the drive away's
  // black second cut open (92, reached as 91 is left), or the jump scare cut to
  // black (the game-over state 5486); a death cuts the bedroom to black.
  const std::set<int> scenes = ScenesOf(described.jumps);
  for (int scene : {18, 31}) EXPECT_TRUE(scenes.count(scene)) << "no jump in scene " << scene;
  EXPECT_TRUE(scenes.count(ending.plan.standStillInLastWalk ? JumpscareGameOverScene : 92));
  if (ending.plan.dieOnceInBedroom) {
    EXPECT_TRUE(scenes.count(83));
  }

  for (const Jump& j : gentle.jumps) ADD_FAILURE() << "with the option, scene " << j.scene << " jumps by " << j.size;

  // Elsewhere the light is the game's own (within a unit): it differs only
  // within a ramp's length (255 units at 17 a frame) of a jump of the game as
  // described, before the cuts that are eased ahead, after the others. The
  // first game frame is one: it cuts from the title's last picture.
  ASSERT_EQ(gentle.light.size(), described.light.size()) << "the same play, frame for frame";
  std::vector<bool> nearAJump(described.light.size());
  std::vector<int> jumps = described.jumpFrames;
  jumps.push_back(0);
  for (int at : jumps)
    for (int f = std::max(0, at - 16); f < std::min<int>(nearAJump.size(), at + 17); ++f) nearAJump[f] = true;
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
      EXPECT_LE(alpha - previous, 17);
      previous = alpha;
    }
    EXPECT_EQ(gentle.faceAlphas.back(), 255) << "the face is seen whole before it goes";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, LightOverTheScreen, testing::ValuesIn(Endings),
                         [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

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
    const FrameWatch watch = [&](const GameState&, const RecordingPlatform& rec) { digest.Add(rec); };
    ASSERT_TRUE(PlayThrough(Endings[i].plan, FixedRate(60), 1, 2400, {}, watch).finished);
    EXPECT_EQ(digest.value, DigestsBeforeTheOption[i]) << Endings[i].name << ": 0x" << std::hex << digest.value;
  }
}

}  // namespace
