// The web version waits only for the sounds the title plays and streams the
// rest in the order of web/sounds.txt while the player plays. That order must
// be the story's: in every ending, and whatever the random draws, each sound is
// first heard after every sound listed before it that the play uses, so the
// stream never holds back a sound the story needs behind one it needs later.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness/Playthrough.h"
#include "record/Sounds.h"

namespace {

struct SoundList {
  std::vector<std::string> files;  // "Assets/Audio/Birds.mp3", in the list's order
  std::set<std::string> waited;    // those marked "wait"
};

SoundList ReadList() {
  SoundList list;
  std::ifstream in(TARNWICK_WEB_DIR "/sounds.txt");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string first, second;
    if (!(words >> first) || first[0] == '#') continue;
    const bool wait = first == "wait" && (words >> second);
    const std::string file = "Assets/Audio/" + (wait ? second : first);
    list.files.push_back(file);
    if (wait) list.waited.insert(file);
  }
  return list;
}

// Each file the play heard, with the time it was first heard.
std::vector<std::pair<double, std::string>> FirstHeard(const PlaythroughResult& result) {
  std::vector<std::pair<double, std::string>> first;
  std::set<std::string> seen;
  for (const HeardSound& heard : result.sounds) {
    std::string file;
    if (heard.call.kind == SoundCall::Kind::Start) file = record::PersistentSounds[heard.call.sound].path;
    if (heard.call.kind == SoundCall::Kind::PlayOnce) file = heard.call.path;
    if (!file.empty() && seen.insert(file).second) first.emplace_back(heard.ms, file);
  }
  return first;
}

TEST(WebSoundOrder, ListsEverySoundOnceAndWaitsOnlyForTheTitlesThree) {
  const SoundList list = ReadList();
  std::multiset<std::string> listed(list.files.begin(), list.files.end());
  std::multiset<std::string> all;
  for (const auto& sound : record::PersistentSounds) all.insert(sound.path);
  for (const char* path : record::PlayedByPath) all.insert(path);
  EXPECT_EQ(listed, all);
  EXPECT_EQ(list.waited, (std::set<std::string>{"Assets/Audio/CreepyAmbience.mp3", "Assets/Audio/BirdsQuiet.mp3",
                                                 "Assets/Audio/MenuSong.mp3"}));
}

TEST(WebSoundOrder, EachSoundIsFirstHeardInTheListsOrderInEveryEnding) {
  const SoundList list = ReadList();
  std::map<std::string, std::size_t> place;
  for (std::size_t i = 0; i < list.files.size(); ++i) place[list.files[i]] = i;
  for (const Ending& ending : Endings)
    for (unsigned seed : {1u, 2u, 3u}) {
      const PlaythroughResult result = PlayThrough(ending.plan, FixedRate(60), seed);
      ASSERT_TRUE(result.finished) << ending.name;
      // The three brushing strokes are drawn at random, stroke by stroke:
      // among themselves they may come in any order.
      const auto stroke = [](const std::string& file) { return file.find("/BrushTeeth") != std::string::npos; };
      const auto heard = FirstHeard(result);
      for (const auto& [laterMs, later] : heard)
        for (const auto& [earlierMs, earlier] : heard)
          if (earlierMs < laterMs && !(stroke(earlier) && stroke(later))) {
            EXPECT_LT(place.at(earlier), place.at(later))
                << ending.name << " seed " << seed << ": " << later << " is first heard after " << earlier;
          }
    }
}

}  // namespace
