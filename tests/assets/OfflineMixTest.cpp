// What the player hears, mixed again: each ending is played through from the
// title to the exit at 60 Hz by the harness's Player, reading each line for
// half a second (a quick reader: the knocks and the glass of the last night
// come as close together as a reader brings them) and pressing as fast as a
// person can in the brushing and the fishing. Every start, stop, loop and
// play-once the game makes is kept with the moment it was made, and the whole
// timeline is replayed offline through miniaudio's own engine (an engine
// without a device, read with ma_engine_read_pcm_frames) at the master volume
// the game sets. A sample beyond full scale is a click or a crackle the player
// would hear: none may be. The loudest moment of each ending is printed.
#include <gtest/gtest.h>

#include <miniaudio.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SoundChecks.h"
#include "harness/Playthrough.h"
#include "record/Sounds.h"

namespace {

using namespace soundcheck;

constexpr int Channels = 2;
constexpr int Rate = 44100;

std::string Clock(double ms) {
  char text[32];
  const int minutes = static_cast<int>(ms / 60000);
  std::snprintf(text, sizeof text, "%d:%06.3f", minutes, (ms - minutes * 60000.0) / 1000);
  return text;
}

// The game's engine, without a device: the persistent sounds made as the game
// makes them, files played once as the game plays them. The resource manager
// has no threads of its own; the files that playing once loads in the
// background are loaded at once, so every mix of a timeline is the same.
class OfflineEngine {
 public:
  explicit OfflineEngine(float masterVolume) {
    ma_resource_manager_config managerConfig = ma_resource_manager_config_init();
    managerConfig.jobThreadCount = 0;
    managerConfig.flags = MA_RESOURCE_MANAGER_FLAG_NON_BLOCKING;
    managerReady_ = ma_resource_manager_init(&managerConfig, &block_->manager) == MA_SUCCESS;
    ma_engine_config engineConfig = ma_engine_config_init();
    engineConfig.pResourceManager = &block_->manager;
    engineConfig.noDevice = MA_TRUE;
    engineConfig.channels = Channels;
    engineConfig.sampleRate = Rate;
    engineReady_ = managerReady_ && ma_engine_init(&engineConfig, &block_->engine) == MA_SUCCESS;
    if (!engineReady_) return;
    ma_engine_set_volume(&block_->engine, masterVolume);
    for (int id = 0; id < 14; ++id) {
      const std::string path = BuiltPath(record::PersistentSounds[id].path);
      ma_sound* sound = &block_->sounds[id];
      const ma_result made = ma_sound_init_from_file(&block_->engine, path.c_str(), 0, nullptr, nullptr, sound);
      soundReady_[id] = made == MA_SUCCESS;
    }
  }

  ~OfflineEngine() {
    if (engineReady_) {
      for (int id = 0; id < 14; ++id)
        if (soundReady_[id]) ma_sound_uninit(&block_->sounds[id]);
      ma_engine_uninit(&block_->engine);
    }
    if (managerReady_) ma_resource_manager_uninit(&block_->manager);
  }

  OfflineEngine(const OfflineEngine&) = delete;
  OfflineEngine& operator=(const OfflineEngine&) = delete;

  bool Ready() const {
    return engineReady_ && std::all_of(std::begin(soundReady_), std::end(soundReady_), [](bool b) { return b; });
  }

  void Apply(const SoundCall& call) {
    if (call.kind == SoundCall::Kind::PlayOnce) {
      ma_engine_play_sound(&block_->engine, BuiltPath(call.path).c_str(), nullptr);
      while (ma_resource_manager_process_next_job(&block_->manager) == MA_SUCCESS) {
      }
      return;
    }
    const int id = static_cast<int>(call.sound);
    if (id < 0 || id >= 14 || !soundReady_[id]) return;
    ma_sound* sound = &block_->sounds[id];
    if (call.kind == SoundCall::Kind::Start) ma_sound_start(sound);
    if (call.kind == SoundCall::Kind::Stop) ma_sound_stop(sound);
    if (call.kind == SoundCall::Kind::Loop) ma_sound_set_looping(sound, MA_TRUE);
  }

  // The next `frames` frames of the mix, interleaved.
  const std::vector<float>& Read(std::size_t frames) {
    buffer_.assign(frames * Channels, 0.0f);
    ma_engine_read_pcm_frames(&block_->engine, buffer_.data(), frames, nullptr);
    return buffer_;
  }

  bool Playing(int id) { return soundReady_[id] && ma_sound_is_playing(&block_->sounds[id]); }

 private:
  // miniaudio's engine and sounds are pointed into by its mixer: one block
  // that never moves.
  struct Block {
    ma_resource_manager manager;
    ma_engine engine;
    ma_sound sounds[14];
  };
  std::unique_ptr<Block> block_ = std::make_unique<Block>();
  bool managerReady_ = false;
  bool engineReady_ = false;
  bool soundReady_[14] = {};
  std::vector<float> buffer_;
};

// The loudest sample of a stretch of the mix, and what was sounding then.
struct Moment {
  float level = 0;  // absolute value
  double ms = 0;
  int scene = 0;
  std::string sounding;

  std::string Describe() const {
    char text[64];
    std::snprintf(text, sizeof text, "%+.2f dBFS at %s in scene %d: ", Db(level), Clock(ms).c_str(), scene);
    return text + sounding;
  }
};

struct Mixed {
  long samplesOverFullScale = 0;
  Moment loudest;
  std::map<int, Moment> loudestByScene;
  double seconds = 0;
};

std::string Sounding(OfflineEngine& engine, const std::vector<HeardSound>& heard, std::size_t upTo, double ms) {
  std::string text;
  for (int id = 0; id < 14; ++id)
    if (engine.Playing(id)) text += std::string(text.empty() ? "" : ", ") + record::PersistentSounds[id].name;
  // Effects last at most a few seconds: those begun shortly before.
  for (std::size_t i = upTo; i-- > 0 && heard[i].ms > ms - 4000;)
    if (heard[i].call.kind == SoundCall::Kind::PlayOnce) {
      char begun[96];
      std::snprintf(begun, sizeof begun, "%s (%.2f s before)", FileName(heard[i].call.path).c_str(),
                    (ms - heard[i].ms) / 1000);
      text += std::string(text.empty() ? "" : ", ") + begun;
    }
  return text;
}

Mixed Mix(const std::vector<HeardSound>& heard, float masterVolume) {
  OfflineEngine engine(masterVolume);
  EXPECT_TRUE(engine.Ready()) << "the engine or a persistent sound did not start";
  Mixed mixed;
  long long position = 0;  // frames mixed so far
  std::size_t next = 0;
  const double endMs = heard.empty() ? 0 : heard.back().ms + 1000;
  while (true) {
    const double nowMs = static_cast<double>(position) * 1000.0 / Rate;
    while (next < heard.size() && heard[next].ms <= nowMs) engine.Apply(heard[next++].call);
    if (nowMs >= endMs) break;
    // Up to the next call (or a block of the mix at most).
    const double untilMs = next < heard.size() ? heard[next].ms : endMs;
    long long frames = std::llround(untilMs * Rate / 1000.0) - position;
    frames = std::clamp<long long>(frames, 1, 4096);
    const std::vector<float>& block = engine.Read(static_cast<std::size_t>(frames));
    const int scene = next > 0 ? heard[next - 1].scene : 0;
    Moment& sceneLoudest = mixed.loudestByScene[scene];
    for (std::size_t i = 0; i < block.size(); ++i) {
      const float a = std::fabs(block[i]);
      if (a > 1.0f) ++mixed.samplesOverFullScale;
      if (a > sceneLoudest.level) {
        const double ms = static_cast<double>(position + static_cast<long long>(i / Channels)) * 1000.0 / Rate;
        sceneLoudest = {a, ms, scene, Sounding(engine, heard, next, ms)};
      }
    }
    if (sceneLoudest.level > mixed.loudest.level) mixed.loudest = sceneLoudest;
    position += frames;
  }
  mixed.seconds = static_cast<double>(position) / Rate;
  return mixed;
}

struct Ending {
  const char* name;
  PlayerPlan plan;
};

constexpr double ReadingMs = 500;

const Ending Endings[] = {
    {"DriveAway", {.readingMs = ReadingMs}},
    {"Jumpscare", {.standStillInLastWalk = true, .readingMs = ReadingMs}},
    {"DeathThenDriveAway", {.dieOnceInBedroom = true, .readingMs = ReadingMs}},
};

class EndingHeard : public testing::TestWithParam<Ending> {};

void PrintTo(const Ending& ending, std::ostream* os) { *os << ending.name; }

TEST_P(EndingHeard, MixedAtTheGameVolumeNoSampleGoesPastFullScale) {
  const Ending& ending = GetParam();
  const PlaythroughResult run = PlayThrough(ending.plan, FixedRate(60));
  ASSERT_TRUE(run.finished) << "stuck in scene " << run.scenes.back();
  EXPECT_FLOAT_EQ(run.masterVolume, record::MasterVolume) << "the game plays at its described master volume";

  // Every file the game played is there, so that a silent mix is not mistaken for a clean one.
  int playedOnce = 0;
  for (const HeardSound& h : run.sounds)
    if (h.call.kind == SoundCall::Kind::PlayOnce) {
      ++playedOnce;
      ASSERT_TRUE(std::filesystem::exists(BuiltPath(h.call.path))) << h.call.path;
    }
  ASSERT_GT(playedOnce, 100) << "the story plays its clicks, steps and scares";

  const Mixed mixed = Mix(run.sounds, run.masterVolume);
  std::printf("[ mix ] %s: %.0f s mixed at master %.2f, %ld samples past full scale; the loudest moment %s\n",
              ending.name, mixed.seconds, run.masterVolume, mixed.samplesOverFullScale,
              mixed.loudest.Describe().c_str());
  std::string clipping;
  for (const auto& [scene, moment] : mixed.loudestByScene)
    if (moment.level > 1.0f) clipping += "\n  " + moment.Describe();
  EXPECT_EQ(mixed.samplesOverFullScale, 0) << ending.name << " goes past full scale in these scenes:" << clipping;
  // And the story is heard: its loudest moments come near full scale (a
  // silent mix would pass the check above).
  EXPECT_GT(Db(mixed.loudest.level), -6.0) << ending.name << ": nothing in the whole story comes near full scale";
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingHeard, testing::ValuesIn(Endings),
                         [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
