// The pause menu stops the game's time: paused for ten minutes of the clock
// in the hiding countdown and in the run through the forest, then resumed,
// the story ends the same way, on the same frame, with every sound at the
// same moment, as when nobody paused; nothing is heard or started while it is
// open, and the sound is resumed as often as it was paused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "harness/Playthrough.h"
#include "harness/ScreenReader.h"
#include "presentation/Captions.h"

namespace {

struct PausedPlay {
  PlaythroughResult result;
  int pauses = 0, resumes = 0;
};

// The Player's play, paused where each of `when` first holds (in a frame in
// which the player presses nothing else), for ten minutes, with the menu
// moved about before Resume.
PausedPlay Play(PlayerPlan plan, const std::vector<std::function<bool(const GameState&)>>& when) {
  PausedPlay play;
  std::vector<bool> done(when.size(), false);
  const FrameLook look = [&](const GameState* state, FakeSystem& system) {
    if (!state) {
      play.pauses = system.CountStepsStartingWith("pause sound");
      play.resumes = system.CountStepsStartingWith("resume sound");
      return;
    }
    system.msWhilePaused = 10 * 60 * 1000;
    for (std::size_t i = 0; i < when.size(); ++i) {
      if (done[i] || !when[i](*state)) continue;
      done[i] = true;
      system.rec.input.pauseWhenIdle = true;
      using Kind = MenuEvent::Kind;
      for (const Kind kind : {Kind::Down, Kind::Point, Kind::Up, Kind::None, Kind::Down, Kind::Up})
        system.rec.input.menuEvents.push_back({kind, 5, 5});
      system.rec.input.menuEvents.push_back({Kind::Resume});
    }
  };
  play.result = PlayThrough(plan, FixedRate(60), 1, 2400, GameOptions{}, look);
  return play;
}

bool SameSounds(const std::vector<HeardSound>& a, const std::vector<HeardSound>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].ms != b[i].ms || a[i].scene != b[i].scene || !(a[i].call == b[i].call)) return false;
  return true;
}

TEST(Pause, TenMinutesInTheHidingCountdownAndTheForestRunChangeNothingOfTheStory) {
  const auto hiding = [](const GameState& s) { return s.ThreatActive; };
  const auto running = [](const GameState& s) { return s.SceneIndex == 90 && s.ChaseTimer < 30; };
  for (const Ending& ending : Endings) {
    const PausedPlay plain = Play(ending.plan, {});
    const PausedPlay paused = Play(ending.plan, {hiding, running});
    ASSERT_TRUE(plain.result.finished) << ending.name;
    EXPECT_EQ(plain.pauses, 0) << ending.name;
    EXPECT_EQ(paused.pauses, 2) << ending.name << ": paused in the countdown and the forest";
    EXPECT_EQ(paused.resumes, paused.pauses) << ending.name;
    EXPECT_EQ(paused.result.exitStatus, plain.result.exitStatus) << ending.name;
    EXPECT_EQ(paused.result.scenes, plain.result.scenes) << ending.name;
    EXPECT_EQ(paused.result.lines, plain.result.lines) << ending.name;
    EXPECT_EQ(paused.result.frames, plain.result.frames) << ending.name << ": the same frame count to the end";
    EXPECT_FLOAT_EQ(static_cast<float>(paused.result.storySeconds), static_cast<float>(plain.result.storySeconds))
        << ending.name;
    EXPECT_TRUE(SameSounds(paused.result.sounds, plain.result.sounds))
        << ending.name << ": a sound was played, started or stopped while paused, or at another moment";
  }
}

// Options switched in the menu during play: the captions show from the next
// captioned sound, their letters loaded then; the gentler light switched on
// while the camera's white is up takes it over and eases it down, without a
// jump of its own.
TEST(Pause, CaptionsAndGentlerLightTurnedOnInTheMenuTakeOverFromTheNextFrame) {
  using Kind = MenuEvent::Kind;
  bool captionsOn = false, gentleOn = false, switchedInFlash = false;
  std::set<std::string> captions;
  int whiteBefore = -1, biggestStep = 0, framesAfter = 0;
  const FrameLook look = [&](const GameState* state, FakeSystem& system) {
    if (!state) return;
    for (const DrawnCaption& caption : DrawnCaptions(system.rec.drawing)) captions.insert(caption.words);
    int white = 0;
    for (const DrawCall& fill : system.rec.drawing.Fills())
      if (fill.color.r == 255 && fill.color.g == 255 && fill.color.b == 255) white = std::max<int>(white, fill.color.a);
    if (gentleOn && framesAfter++ < 60) {
      biggestStep = std::max(biggestStep, std::abs(white - whiteBefore));
      whiteBefore = white;
    }
    if (!captionsOn && state->SceneIndex == 2) {  // the living room, on the first morning
      captionsOn = true;
      system.rec.input.pauseWhenIdle = true;
      system.rec.input.menuEvents = {{Kind::Down}, {Kind::Choose}, {Kind::Resume}};
    }
    if (!gentleOn && state->CampfireFlashShowing && white == 255 && system.rec.input.events.empty()) {
      gentleOn = switchedInFlash = true;
      whiteBefore = white;
      system.rec.input.pauseWhenIdle = true;
      system.rec.input.menuEvents = {{Kind::Down}, {Kind::Down}, {Kind::Right}, {Kind::Resume}};
    }
  };
  int letterLoads = -1;
  const PlaythroughResult result =
      PlayThrough({}, FixedRate(60), 1, 2400, GameOptions{}, [&](const GameState* state, FakeSystem& system) {
        look(state, system);
        if (!state) letterLoads = system.CountStepsStartingWith("load CaptionsTexture");
      });
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(letterLoads, 1) << "the letters are loaded once, when first wanted";
  EXPECT_TRUE(captions.count("[GARBLED TV VOICES]")) << "captions turned on in the menu never showed";
  EXPECT_TRUE(captions.count("[CAMERA SHUTTER]"));
  ASSERT_TRUE(switchedInFlash) << "the camera's white was never seen";
  EXPECT_LE(biggestStep, 17) << "a step of the white larger than a fade's after the gentler light took over";
}

// Captions turned on in the menu while a sound plays: it is captioned from
// the first frame after, for the time it has left. A file played once (3 s
// long here) is up from its start for its length, though captions came on
// half a second in; the telephone, already ringing, until it is answered.
TEST(Pause, CaptionsTurnedOnInTheMenuShowTheSoundsPlayingThenForTheTimeTheyHaveLeft) {
  using Kind = MenuEvent::Kind;
  enum class Phase { WaitForAFile, FileUp, WaitForThePhone, PhoneUp, Done } phase = Phase::WaitForAFile;
  int frame = 0, fileStart = -1, fileLastUp = -1, phoneStart = -1, resumes = 0, frameAfterResume = -1;
  std::string fileWords;
  bool phoneUpAfterResume = false, phoneEverMissing = false;
  const auto pauseAndSwitchCaptions = [](FakeSystem& system) {
    system.rec.input.pauseWhenIdle = true;
    system.rec.input.menuEvents = {{Kind::Down}, {Kind::Choose}, {Kind::Resume}};
  };
  const FrameLook look = [&](const GameState* state, FakeSystem& system) {
    if (!state) return;
    ++frame;  // the frame whose calls are recorded
    std::set<std::string> up;
    for (const DrawnCaption& caption : DrawnCaptions(system.rec.drawing)) up.insert(caption.words);
    const int resumed = system.CountStepsStartingWith("resume sound");
    const bool firstAfterResume = frame == frameAfterResume;
    if (resumed != resumes) frameAfterResume = frame + 1;
    resumes = resumed;
    for (const SoundCall& call : system.rec.audio.calls) {
      if (phase == Phase::WaitForAFile && call.kind == SoundCall::Kind::PlayOnce)
        for (const CaptionEntry& entry : CaptionTable)
          if (entry.file && call.path == entry.file) fileWords = entry.words, fileStart = frame, phase = Phase::FileUp;
      if (phase == Phase::WaitForThePhone && call.kind == SoundCall::Kind::Start && call.sound == TelephoneSound)
        phoneStart = frame, phase = Phase::PhoneUp;
      if (phase == Phase::PhoneUp && call.kind == SoundCall::Kind::Stop && call.sound == TelephoneSound) phase = Phase::Done;
    }
    if (phase == Phase::FileUp) {
      if (frame == fileStart + 30) pauseAndSwitchCaptions(system);  // on
      if (up.count(fileWords)) fileLastUp = frame;
      if (fileLastUp > 0 && !up.count(fileWords)) {
        phase = Phase::WaitForThePhone;
        pauseAndSwitchCaptions(system);  // off again
      }
    }
    if (phase == Phase::PhoneUp) {
      if (frame == phoneStart + 30) pauseAndSwitchCaptions(system);  // on
      if (firstAfterResume && frame > phoneStart) phoneUpAfterResume = up.count("[TELEPHONE RINGING]") > 0;
      if (phoneUpAfterResume && !up.count("[TELEPHONE RINGING]")) phoneEverMissing = true;
    }
  };
  ASSERT_TRUE(PlayThrough({}, FixedRate(60), 1, 2400, GameOptions{}, look).finished);
  ASSERT_GT(fileStart, 0) << "no captioned file was played";
  EXPECT_NEAR(fileLastUp - fileStart + 1, 180, 2) << fileWords << ": up for other than its 3 s from its start";
  EXPECT_EQ(phase, Phase::Done) << "the telephone never rang, or was never answered, after the file's caption";
  EXPECT_TRUE(phoneUpAfterResume) << "the ringing telephone was not captioned from the first frame after the menu";
  EXPECT_FALSE(phoneEverMissing) << "the telephone's caption went before it was answered";
}

}  // namespace
