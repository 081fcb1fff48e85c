// The same timetable of play at every display rate, scene by scene from the
// same start: whatever the player's presses do not decide (scenes that follow
// timers and animations, sounds started and stopped, the closet's views,
// fades, the camera flash, lines that open by themselves) comes when it comes
// at 60 Hz, measured from the event before it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "harness/Timeline.h"

namespace {

struct Display {
  const char* name;
  std::function<FrameSchedule(std::size_t scene)> schedule;
  double longestFrame;  // seconds of game time
};

std::vector<Display> Displays() {
  std::vector<Display> displays;
  for (int hz : {20, 30, 120, 144, 240, 360})
    displays.push_back({nullptr, [hz](std::size_t) { return FixedRate(hz); }, 1.0 / hz});
  displays.push_back({"jittering", [](std::size_t scene) { return Jittering(5, 60, 7 + static_cast<unsigned>(scene)); }, 0.05});
  return displays;
}

using Key = std::pair<std::string, int>;

std::string Describe(const TimelineEvent& e) {
  return e.what + (e.occurrence > 1 ? " #" + std::to_string(e.occurrence) : "");
}

// Every event of `reference` that input did not decide, against the event
// seen last before it (in an earlier frame): the gap between the two must be
// the same in `other` within the tolerance.
std::vector<std::string> Differences(const std::vector<TimelineEvent>& reference,
                                     const std::vector<TimelineEvent>& other, double tolerance) {
  std::map<Key, double> at;
  for (const TimelineEvent& e : other) at[{e.what, e.occurrence}] = e.seconds;
  std::map<Key, bool> inReference;
  for (const TimelineEvent& e : reference) inReference[{e.what, e.occurrence}] = true;

  std::vector<std::string> problems;
  for (const TimelineEvent& e : other)
    if (!inReference.count({e.what, e.occurrence})) problems.push_back("only here: " + Describe(e));
  std::size_t anchor = 0;  // the last event of an earlier frame; the first is the scene's start
  for (std::size_t i = 1; i < reference.size(); ++i) {
    const TimelineEvent& e = reference[i];
    while (anchor + 1 < i && reference[anchor + 1].seconds < e.seconds - 1e-9) ++anchor;
    const auto found = at.find({e.what, e.occurrence});
    if (found == at.end()) {
      problems.push_back("missing: " + Describe(e));
      continue;
    }
    if (e.byInput) continue;
    const TimelineEvent& a = reference[anchor];
    const auto foundAnchor = at.find({a.what, a.occurrence});
    if (foundAnchor == at.end()) continue;  // reported as missing itself
    const double expected = e.seconds - a.seconds;
    const double got = found->second - foundAnchor->second;
    if (std::fabs(got - expected) > tolerance) {
      char text[300];
      std::snprintf(text, sizeof text, "%s: %.3f s after %s, %.3f s at 60 Hz", Describe(e).c_str(), got,
                    Describe(a).c_str(), expected);
      problems.push_back(text);
    }
  }
  return problems;
}

class Timelines : public testing::TestWithParam<int> {};

TEST_P(Timelines, EveryTimingIsTheSameOnEveryDisplay) {
  const Ending& ending = Endings[GetParam()];
  const std::vector<SceneStart> scenes = PlayAndSaveEachScene(ending.plan);
  ASSERT_GT(scenes.size(), 90u) << ending.name << ": the story did not reach a closing screen at 60 Hz";
  for (const Display& display : Displays()) {
    const std::string name = display.name ? display.name : std::to_string(std::lround(1 / display.longestFrame)) + " Hz";
    // Each of two events within a display frame and a sixtieth of a second of
    // its 60 Hz time, and a sixtieth more for the 60 Hz frame the reference
    // itself takes where a countdown or a line waits a frame.
    const double tolerance = 2 * (display.longestFrame + 1.0 / 60) + 1.0 / 60 + 0.002;
    int events = 0;
    std::string shown;
    int differences = 0;
    for (std::size_t i = 0; i < scenes.size(); ++i) {
      const unsigned seed = 100 + static_cast<unsigned>(i);
      const auto reference = RecordScene(scenes[i], FixedRate(60), seed);
      const auto other = RecordScene(scenes[i], display.schedule(i), seed);
      events += static_cast<int>(other.size());
      for (const std::string& problem : Differences(reference, other, tolerance)) {
        if (++differences <= 25) shown += "\n  scene " + std::to_string(scenes[i].scene) + ": " + problem;
      }
    }
    EXPECT_EQ(differences, 0) << ending.name << " at " << name << shown;
    std::printf("[ timeline ] %s at %s: %d events in %zu scenes\n", ending.name, name.c_str(), events, scenes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Endings, Timelines, testing::Values(0, 1, 2),
                         [](const testing::TestParamInfo<int>& info) { return std::string(Endings[info.param].name); });

}  // namespace
