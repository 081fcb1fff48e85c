// With speech on, everything the game shows in words is said, and said once:
// every line of each ending in its order (word for word with the record of
// the description's lines), every card, which way each place's exit or thing
// lies, and what each prompt acts on as it comes up (a prompt up for longer
// than a frame: a player who presses at once needs no telling).
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "harness/Playthrough.h"
#include "harness/StoryRoutes.h"
#include "record/CardWords.h"
#include "record/HotspotWindows.h"

namespace {

// The words of a text, in capitals, without its punctuation.
std::string Words(const std::string& text) {
  std::string words;
  bool gap = false;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      if (gap && !words.empty()) words += ' ';
      words += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      gap = false;
    } else {
      gap = true;
    }
  }
  return words;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct Heard {
  int scene;
  std::string words;
};

struct SpokenRun {
  PlaythroughResult result;
  std::vector<Heard> heard;                     // every text said, with the scene it was said in
  std::map<int, std::set<TextureId>> prompts;   // the prompts each scene showed
  int bitesShown = 0;
};

SpokenRun PlayWithSpeech(StoryEnd ending) {
  SpokenRun run;
  PlayerPlan plan;
  plan.standStillInLastWalk = ending == StoryEnd::Jumpscare;
  plan.dieOnceInBedroom = ending == StoryEnd::DeathThenDriveAway;
  std::size_t said = 0;
  int scene = 0;
  std::map<TextureId, int> framesUp;  // how many frames running each prompt has been up in this scene
  run.result = PlayThrough(plan, FixedRate(60), 1, 2400, {.Speech = true}, [&](const GameState* state, FakeSystem& system) {
    // What the frame before drew and said, in the scene it left.
    if (state && state->SceneIndex != scene) framesUp.clear();
    if (state) scene = state->SceneIndex;
    const RecordingDrawing& frame = system.rec.drawing;
    for (const TextureId prompt : {MoveTexture, UseTexture, ClickALotTexture}) {
      framesUp[prompt] = frame.Drew(prompt) ? framesUp[prompt] + 1 : 0;
      // A prompt up for a single frame is gone before a voice could say it.
      if (framesUp[prompt] == 2) {
        run.prompts[scene].insert(prompt);
        if (prompt == ClickALotTexture) ++run.bitesShown;
      }
    }
    const auto& calls = system.rec.speech.calls;
    for (; said < calls.size(); ++said) run.heard.push_back({scene, Words(calls[said].text)});
  });
  return run;
}

class SpokenStory : public testing::TestWithParam<StoryEnd> {};

TEST_P(SpokenStory, EveryLineCardPlaceAndPromptIsSaid) {
  const StoryEnd ending = GetParam();
  const SpokenRun run = PlayWithSpeech(ending);
  ASSERT_TRUE(run.result.finished);

  // Each line once, in the order shown. A line without words is said as a
  // silence, so that the player knows a thought waits for Return.
  std::set<std::string> lineWords;
  std::vector<std::string> expected;
  for (const std::string& line : ExpectedLines(ending)) {
    std::string words = Words(line);
    if (words.empty()) words = "SILENCE";
    expected.push_back(words);
    lineWords.insert(words);
  }
  std::vector<std::string> saidLines;
  for (const Heard& h : run.heard)
    if (lineWords.count(h.words)) saidLines.push_back(h.words);
  EXPECT_EQ(saidLines, expected);

  // The cards, in order.
  std::vector<std::string> cards = {Words(record::cards::Title), Words(record::cards::Tip), Words(record::cards::NextDay),
                                    Words(record::cards::NextDay)};
  if (ending != StoryEnd::DriveAway) cards.insert(cards.end(), Words(record::cards::GameOver));
  cards.push_back(Words(record::cards::Closing));
  std::size_t next = 0;
  for (const Heard& h : run.heard)
    if (next < cards.size() && Has(h.words, cards[next])) ++next;
  EXPECT_EQ(next, cards.size()) << "missing, in order: " << (next < cards.size() ? cards[next] : "");
  ASSERT_FALSE(run.heard.empty());
  for (const char* mention : record::cards::WarningMentions) EXPECT_TRUE(Has(run.heard[0].words, mention)) << mention;

  // Every place walked in says which way its exit or its thing lies, or its
  // prompt says what it acts on as it comes into view.
  std::set<int> placesTold;
  for (const Heard& h : run.heard)
    if (Has(h.words, "AHEAD") || Has(h.words, "TO YOUR LEFT") || Has(h.words, "TO YOUR RIGHT") ||
        h.words.rfind("MOVE ", 0) == 0 || h.words.rfind("USE ", 0) == 0)
      placesTold.insert(h.scene);
  for (const record::hotspots::Window& window : record::hotspots::Windows)
    if (run.prompts.count(window.scene)) {
      EXPECT_TRUE(placesTold.count(window.scene)) << "scene " << window.scene;
    }

  // Each prompt shown is said, naming what it acts on; each bite is said.
  for (const auto& [scene, shown] : run.prompts) {
    const auto said = [&](const char* start) {
      for (const Heard& h : run.heard)
        if (h.scene == scene && h.words.rfind(start, 0) == 0 && h.words.size() > std::string(start).size()) return true;
      return false;
    };
    if (shown.count(MoveTexture)) {
      EXPECT_TRUE(said("MOVE ")) << "the Move prompt in scene " << scene;
    }
    if (shown.count(UseTexture)) {
      EXPECT_TRUE(said("USE ")) << "the Use prompt in scene " << scene;
    }
  }
  int bitesSaid = 0;
  for (const Heard& h : run.heard) bitesSaid += h.words.rfind("BITE", 0) == 0;
  EXPECT_EQ(bitesSaid, run.bitesShown);
  EXPECT_EQ(run.bitesShown, 5) << "a fishing game is five bites";
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, SpokenStory,
                         testing::Values(StoryEnd::DriveAway, StoryEnd::Jumpscare, StoryEnd::DeathThenDriveAway),
                         [](const testing::TestParamInfo<StoryEnd>& info) { return std::string(NameOf(info.param)); });

}  // namespace
