// Speech for a player who cannot see: turned on and off without sight (V,
// the menu, the command line, a screen reader running), kept like the other
// settings, and the menu said as it is lit and changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "harness/MemoryStore.h"
#include "shell/Program.h"
#include "shell/Settings.h"

namespace {

struct Played {
  FakeSystem system;
  MemoryStore store;
  std::optional<SettingsKeeper> keeper;
  std::optional<ProgramRun> run;

  explicit Played(GameOptions options = {}, std::optional<std::string> kept = std::nullopt) {
    store.text = kept;
    keeper.emplace(store);
    run.emplace(system, options, nullptr, &*keeper);
    EXPECT_TRUE(run->Start());
  }
  // The texts said in `frames` frames after `events`.
  std::vector<std::string> After(std::vector<InputEvent> events, int frames = 1) {
    system.rec.speech.calls.clear();
    for (InputEvent e : events) system.rec.input.events.push_back(e);
    for (int i = 0; i < frames; ++i) run->Step();
    return system.rec.speech.Texts();
  }
  std::vector<std::string> AfterMenu(MenuEvent event) {
    system.rec.speech.calls.clear();
    system.rec.input.menuEvents = {event};
    run->Step();
    return system.rec.speech.Texts();
  }
};

using Texts = std::vector<std::string>;

TEST(Speech, VTurnsItOnAndOffAtAnyMomentAndTheChoiceIsKept) {
  Played r;
  EXPECT_TRUE(r.After({}, 30).empty()) << "off by default: the title says nothing";
  EXPECT_FALSE(r.system.rec.speech.on);
  EXPECT_TRUE(r.After({InputEvent::Describe}).empty()) << "Space says nothing while speech is off";

  // Turned on by a player who cannot see the title: it says so, and what is on screen.
  const Texts on = r.After({InputEvent::SpeechSwitch});
  ASSERT_EQ(on.size(), 2u);
  EXPECT_EQ(on[0], "Speech on.");
  EXPECT_NE(on[1].find("Warning"), std::string::npos) << on[1];
  EXPECT_TRUE(r.system.rec.speech.on);
  const SettingsReading kept = ReadSettingsText(*r.store.text);
  EXPECT_TRUE(kept.speechChosen && kept.options.Speech);

  // The title's words follow as the warning fades, without a key.
  const Texts title = r.After({}, 300);
  ASSERT_FALSE(title.empty());
  EXPECT_NE(title[0].find("Press Enter"), std::string::npos) << title[0];

  EXPECT_EQ(r.After({InputEvent::SpeechSwitch}), Texts{"Speech off."});
  EXPECT_FALSE(ReadSettingsText(*r.store.text).options.Speech);
  EXPECT_TRUE(r.After({InputEvent::ReturnReleased}, 200).empty()) << "nothing more once it is off: not the tip";
}

TEST(Speech, TheMenuSaysItsLitItemAndEachNewValue) {
  Played r({.Speech = true});
  r.After({}, 5);
  EXPECT_EQ(r.After({InputEvent::Pause}).back(), "Paused. Resume.");
  using Kind = MenuEvent::Kind;
  EXPECT_EQ(r.AfterMenu({Kind::Down}), Texts{"Captions: off."});
  EXPECT_EQ(r.AfterMenu({Kind::Right}), Texts{"On."});
  EXPECT_EQ(r.AfterMenu({Kind::Right}), Texts{}) << "already on: nothing changed, nothing said";
  EXPECT_EQ(r.AfterMenu({Kind::Down}), Texts{"Gentler flashes: off."});
  EXPECT_EQ(r.AfterMenu({Kind::Down}), Texts{"Volume: 100 percent."});
  EXPECT_EQ(r.AfterMenu({Kind::Left}), Texts{"90 percent."});
  EXPECT_EQ(r.AfterMenu({Kind::Describe}), Texts{"Paused. Volume: 90 percent."});
  EXPECT_EQ(r.AfterMenu({Kind::Up}).back(), "Gentler flashes: off.");
  // V in the menu turns speech off whichever item is lit, and says so.
  EXPECT_EQ(r.AfterMenu({Kind::SpeechSwitch}), Texts{"Speech: off."});
  EXPECT_EQ(r.AfterMenu({Kind::Down}), Texts{}) << "and then the menu is silent";
}

TEST(Speech, ItStartsOnWithAScreenReaderUnlessThePlayerChoseOtherwise) {
  MemoryStore none, keptOff, keptOn;
  keptOff.text = "speech = off\n";
  keptOn.text = "speech = on\n";
  const SettingsKeeper fresh(none), off(keptOff), on(keptOn);
  int asked = 0;
  const auto reader = [&] { return ++asked, true; };
  const auto noReader = [&] { return ++asked, false; };
  EXPECT_TRUE(SpeechAtStart(std::nullopt, fresh, reader)) << "a screen reader runs: speech comes on by itself";
  EXPECT_FALSE(SpeechAtStart(std::nullopt, fresh, noReader));
  EXPECT_FALSE(SpeechAtStart(std::nullopt, off, reader)) << "the player turned it off before";
  EXPECT_TRUE(SpeechAtStart(std::nullopt, on, noReader));
  asked = 0;
  EXPECT_FALSE(SpeechAtStart(false, on, reader)) << "--no-speech wins for its run";
  EXPECT_TRUE(SpeechAtStart(true, off, noReader)) << "--speech wins for its run";
  EXPECT_EQ(asked, 0) << "the system is asked only when nothing else decides";
}

TEST(Speech, WordsThatReachThePlayerAnywayAreAlwaysSaid) {
  // A web page's live region, read by the player's own screen reader.
  FakeSystem system;
  system.rec.speech.heardWithSpeechOff = true;
  ProgramRun run(system);
  ASSERT_TRUE(run.Start());
  run.Step();
  EXPECT_FALSE(system.rec.speech.on) << "the browser's own voice stays off";
  ASSERT_FALSE(system.rec.speech.Texts().empty());
  EXPECT_NE(system.rec.speech.Texts()[0].find("Warning"), std::string::npos);
}

}  // namespace
