// The options over three whole playthroughs at 60 Hz (the drive away, the
// jumpscare, a death before the drive away), from start-up to teardown. With
// every option off, all the calls to the platform fold into the digest the
// build before the options made (commit c26645a; x86-64, any optimisation).
// With captions on, every frame makes the calls it makes without them, once
// the captions' own are left out, and draws the words of each captioned
// sound that starts in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "harness/Playthrough.h"
#include "harness/ScreenReader.h"
#include "presentation/Captions.h"

namespace {

// FNV-1a, 64 bits, over the exact bytes of each call (floats by their bits).
struct Digest {
  std::uint64_t value = 14695981039346656037ull;
  void Bytes(const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) value = (value ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
  }
  template <typename T>
  void Add(const T& field) { Bytes(&field, sizeof field); }
  void Add(const std::string& text) { Bytes(text.c_str(), text.size() + 1); }
  void Add(const DrawCall& c) {
    Add(c.kind), Add(c.texture), Add(c.hasSource);
    if (c.hasSource) Add(c.source);
    Add(c.dest), Add(c.color), Add(c.alpha);
  }
  void Add(const SoundCall& c) { Add(c.kind), Add(c.sound), Add(c.path); }
};

bool CaptionsOwn(const DrawCall& c) {
  return c.texture == CaptionsTexture && (c.kind == DrawCall::Kind::Texture || c.kind == DrawCall::Kind::Nearest);
}
bool CaptionsOwn(const SoundCall& c) {
  return c.kind == SoundCall::Kind::AskPlaying || c.kind == SoundCall::Kind::AskFileSeconds;
}

struct PlayedRun {
  std::vector<std::uint64_t> frames;  // each frame's calls but the captions' own
  std::vector<std::string> steps;     // start-up's and teardown's, but the captions' sheet's
  std::uint64_t whole = 0;            // everything, in order
  long captionCalls = 0;
  std::set<std::string> captionsShown;
};

PlayedRun Play(PlayerPlan plan, const GameOptions& options) {
  PlayedRun run;
  Digest whole;
  const auto look = [&](const GameState* state, const FakeSystem& system) {
    Digest frame;
    const auto take = [&](const auto& calls) {
      for (const auto& call : calls) {
        whole.Add(call);
        CaptionsOwn(call) ? static_cast<void>(++run.captionCalls) : frame.Add(call);
      }
    };
    take(system.rec.drawing.calls);
    take(system.rec.audio.calls);
    run.frames.push_back(frame.value);
    std::set<std::string> drawn;
    for (const DrawnCaption& caption : DrawnCaptions(system.rec.drawing)) drawn.insert(caption.words);
    run.captionsShown.insert(drawn.begin(), drawn.end());
    for (const SoundCall& call : system.rec.audio.calls)
      for (const CaptionEntry& entry : CaptionTable) {
        const bool starts = entry.file ? call.kind == SoundCall::Kind::PlayOnce && call.path == entry.file
                                       : call.kind == SoundCall::Kind::Start && call.sound == entry.sound;
        if (options.Captions && starts) {
          EXPECT_TRUE(drawn.count(entry.words)) << entry.words << " is not drawn in the frame its sound starts";
        }
      }
    if (state) return;
    for (const std::string& step : system.steps) whole.Add(step);
    for (const std::string& path : system.paths) whole.Add(path);
    // The sheet's loading and check, the freeing of its decoded picture, its destruction.
    for (std::size_t i = 0; i < system.steps.size(); ++i)
      if (!system.steps[i].ends_with(" CaptionsTexture") && !(i && system.steps[i - 1] == "load CaptionsTexture"))
        run.steps.push_back(system.steps[i]);
  };
  EXPECT_TRUE(PlayThrough(plan, FixedRate(60), 1, 2400, options, look).finished);
  run.whole = whole.value;
  return run;
}

struct Ending {
  const char* name;
  PlayerPlan plan;
  std::uint64_t digestBeforeTheOptions;
};
const Ending Endings[] = {
    {"drive away", {}, 0xa8967872c0b7421f},
    {"jumpscare", {.standStillInLastWalk = true}, 0xe13bd4964209820e},
    {"death, then the drive away", {.dieOnceInBedroom = true}, 0x7a4f53a1326209bb},
};

TEST(Options, OffEveryCallToThePlatformIsAsBeforeThereWereOptions) {
  for (const Ending& ending : Endings) {
    const PlayedRun run = Play(ending.plan, GameOptions{});
    EXPECT_EQ(run.whole, ending.digestBeforeTheOptions) << ending.name;
    EXPECT_EQ(run.captionCalls, 0) << ending.name;
  }
}

TEST(Options, CaptionsOnTheSameCallsFrameByFrameAndEachCaptionInTheFrameItsSoundStarts) {
  std::set<std::string> shown;
  for (const Ending& ending : Endings) {
    const PlayedRun off = Play(ending.plan, GameOptions{});
    const PlayedRun on = Play(ending.plan, GameOptions{.Captions = true});
    ASSERT_EQ(on.frames.size(), off.frames.size()) << ending.name << ": the story took another course";
    const auto differs = std::mismatch(on.frames.begin(), on.frames.end(), off.frames.begin()).first;
    EXPECT_EQ(differs, on.frames.end()) << ending.name << ": frame " << differs - on.frames.begin() << " differs";
    EXPECT_EQ(on.steps, off.steps) << ending.name;
    shown.insert(on.captionsShown.begin(), on.captionsShown.end());
  }
  // All but the fishing game's miss, which these plays never make.
  for (const CaptionEntry& entry : CaptionTable)
    EXPECT_TRUE(shown.count(entry.words) || entry.file == ErrorFile) << entry.words << " never shown";
}

}  // namespace
