// The pause menu as a player sees it: the game's last frame under it, the
// items read top to bottom with one lit, each change shown from the next
// frame, applied to the game's platform and kept; Quit ends with status 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
#include "record/Sounds.h"
#include "presentation/CaptionLetters.h"
#include "shell/GameFrame.h"
#include "shell/Program.h"
#include "shell/Settings.h"

namespace {

class MemoryStore final : public SettingsStore {
 public:
  std::optional<std::string> text;
  std::optional<std::string> Read(std::size_t, bool& whole) override { return whole = true, text; }
  bool Write(const std::string& kept, std::string&) override { return text = kept, true; }
  std::string Place() const override { return "memory"; }
  void Say(const std::string&) override {}
};

bool SameCall(const DrawCall& a, const DrawCall& b) {
  return a.kind == b.kind && a.texture == b.texture && a.hasSource == b.hasSource && a.source == b.source &&
         a.dest == b.dest && a.color == b.color && a.alpha == b.alpha;
}

// The rows of words drawn in the sheet's letters, top to bottom, among `calls`.
std::vector<std::string> Rows(const std::vector<DrawCall>& calls) {
  std::map<float, std::vector<DrawCall>> rows;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Kind::Texture && c.texture == CaptionsTexture && c.hasSource) rows[c.dest.y].push_back(c);
  std::vector<std::string> read;
  for (auto& [y, letters] : rows) {
    std::sort(letters.begin(), letters.end(), [](const DrawCall& a, const DrawCall& b) { return a.dest.x < b.dest.x; });
    std::string text;
    float nextX = -1;
    for (const DrawCall& c : letters) {
      char ch = '#';
      for (std::size_t i = 0; i < CaptionCharacters.size(); ++i)
        if (c.source == CaptionGlyphCell(i)) ch = CaptionCharacters[i];
      if (nextX >= 0 && c.dest.x > nextX + 1) text += ' ';
      text += ch;
      nextX = c.dest.x + c.dest.w + c.dest.h / CaptionGlyphHeight;
    }
    read.push_back(text);
  }
  return read;
}

struct PausedProgram {
  FakeSystem system;
  MemoryStore store;
  std::optional<SettingsKeeper> keeper;
  std::optional<ProgramRun> run;
  std::vector<DrawCall> lastGameFrame;

  // The game started with the settings `kept`, as a settings file holds them;
  // `beforeEscape` runs once it has started.
  explicit PausedProgram(std::optional<std::string> kept = {}, const std::function<void(PausedProgram&)>& beforeEscape = {}) {
    store.text = std::move(kept);
    keeper.emplace(store);
    run.emplace(system, keeper->Kept(), nullptr, &*keeper);
    EXPECT_TRUE(run->Start());
    if (beforeEscape) beforeEscape(*this);
    system.rec.input.events = {InputEvent::Pause};
    system.rec.ClearRecords();
    EXPECT_TRUE(run->Step());  // the title frame that takes the Escape, drawn whole
    // The frame from its clear to its present (the title sets a fade's alpha after it).
    const auto& calls = system.rec.drawing.calls;
    const auto clear = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Clear; });
    const auto present = std::find_if(clear, calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Present; });
    lastGameFrame.assign(clear, present);
    EXPECT_TRUE(run->Paused());
  }
  // One menu frame after `event`: the rows under the kept frame.
  std::vector<std::string> After(MenuEvent event) {
    system.rec.input.menuEvents = {event};
    system.rec.ClearRecords();
    run->Step();
    // A change may set a picture's scaling first (the captions' letters); the frame starts at its clear.
    const auto& all = system.rec.drawing.calls;
    const auto clear = std::find_if(all.begin(), all.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Clear; });
    const std::vector<DrawCall> calls(clear, all.end());
    EXPECT_GT(calls.size(), lastGameFrame.size());
    EXPECT_TRUE(std::equal(lastGameFrame.begin(), lastGameFrame.end(), calls.begin(), SameCall))
        << "the last game frame is not drawn again under the menu";
    return Rows(std::vector<DrawCall>(calls.begin() + static_cast<long>(std::min(calls.size(), lastGameFrame.size())),
                                      calls.end()));
  }
};

using Kind = MenuEvent::Kind;

TEST(PauseMenu, EachItemSaysItsNewValueFromTheNextFrameAndTheChangeIsMadeAndKept) {
  PausedProgram p;
  EXPECT_EQ(p.After({}), (std::vector<std::string>{"PAUSED", "> RESUME", "CAPTIONS OFF", "GENTLER FLASHES OFF",
                                                   "VOLUME < 100% >", "FULL SCREEN ON", "SPEECH OFF", "QUIT"}));
  EXPECT_EQ(p.After({Kind::Down})[2], "> CAPTIONS OFF");
  EXPECT_EQ(p.After({Kind::Choose})[2], "> CAPTIONS ON");
  EXPECT_TRUE(ReadSettingsText(*p.store.text).options.Captions);
  EXPECT_EQ(p.After({Kind::Down})[3], "> GENTLER FLASHES OFF");
  EXPECT_EQ(p.After({Kind::Right})[3], "> GENTLER FLASHES ON");
  EXPECT_EQ(p.After({Kind::Down})[4], "> VOLUME < 100% >");
  EXPECT_EQ(p.After({Kind::Right})[4], "> VOLUME < 100% >") << "100 % is the most";
  EXPECT_EQ(p.After({Kind::Left})[4], "> VOLUME < 90% >");
  EXPECT_FLOAT_EQ(p.system.masterVolume, 1.35f) << "90 % of the game's 1.5";
  EXPECT_EQ(p.After({Kind::Choose})[4], "> VOLUME < 100% >") << "Return raises it";
  EXPECT_EQ(p.After({Kind::Choose})[4], "> VOLUME < 0% >") << "and goes round";
  EXPECT_EQ(p.After({Kind::Right})[4], "> VOLUME < 10% >");
  for (int i = 0; i < 12; ++i) p.After({Kind::Left});
  EXPECT_EQ(p.After({})[4], "> VOLUME < 0% >");
  EXPECT_FLOAT_EQ(p.system.masterVolume, 0);
  EXPECT_EQ(ReadSettingsText(*p.store.text).options.VolumePercent, 0);
  EXPECT_EQ(p.After({Kind::Down})[5], "> FULL SCREEN ON");
  EXPECT_EQ(p.After({Kind::Choose})[5], "> FULL SCREEN OFF");
  EXPECT_FALSE(p.system.fullScreen);
  EXPECT_FALSE(ReadSettingsText(*p.store.text).speechChosen) << "speech is kept only once the player chooses it";
  EXPECT_EQ(p.After({Kind::Down})[6], "> SPEECH OFF");
  EXPECT_EQ(p.After({Kind::Left})[6], "> SPEECH OFF") << "Left chooses off; it does not switch";
  EXPECT_EQ(p.After({Kind::Right})[6], "> SPEECH ON");
  EXPECT_EQ(p.After({Kind::SpeechSwitch})[6], "> SPEECH OFF") << "V switches it in the menu too";
  EXPECT_EQ(p.After({Kind::Down})[7], "> QUIT");
  EXPECT_EQ(p.After({Kind::Down})[1], "> RESUME") << "Down from the last goes round to the first";
  const SettingsReading kept = ReadSettingsText(*p.store.text);
  EXPECT_TRUE(kept.options.Captions && kept.options.ReduceFlashing && !kept.options.FullScreen);
  EXPECT_TRUE(kept.speechChosen && !kept.options.Speech);
  EXPECT_EQ(p.run->Options().VolumePercent, 0);

  // Resume: the kept frame, no menu, and the game goes on.
  p.system.rec.input.menuEvents = {{Kind::Choose}};
  p.system.rec.ClearRecords();
  p.run->Step();
  EXPECT_FALSE(p.run->Paused());
  EXPECT_TRUE(Rows(p.system.rec.drawing.calls).empty());
  EXPECT_EQ(p.system.CountStepsStartingWith("resume sound"), 1);
}

TEST(PauseMenu, PointingLightsAnItemAndAClickChoosesItQuitEndsTheProgramWithStatusZero) {
  PausedProgram p;
  // The rows stand one under another; a click on a row is Return on it.
  const std::vector<std::string> rows = p.After({});
  ASSERT_EQ(rows.size(), 8u);
  const FRect quit = MenuItemRow(MenuItem::Quit), captions = MenuItemRow(MenuItem::Captions);
  EXPECT_EQ(p.After({Kind::Point, captions.x + 20, captions.y + captions.h / 2})[2], "> CAPTIONS OFF");
  EXPECT_EQ(p.After({Kind::Click, captions.x + 20, captions.y + captions.h / 2})[2], "> CAPTIONS ON");
  // A finger on the word VOLUME only lights it; on the value's left arrow it lowers it.
  const FRect volume = MenuItemRow(MenuItem::Volume);
  EXPECT_EQ(p.After({Kind::Tap, volume.x + 40, volume.y + volume.h / 2})[4], "> VOLUME < 100% >");
  EXPECT_EQ(p.After({Kind::Tap, volume.x + volume.w * 0.7f, volume.y + volume.h / 2})[4], "> VOLUME < 90% >");
  EXPECT_EQ(p.After({Kind::Tap, captions.x + 20, captions.y + captions.h / 2})[2], "> CAPTIONS OFF");
  p.system.rec.input.menuEvents = {{Kind::Click, quit.x + 20, quit.y + quit.h / 2}};
  EXPECT_FALSE(p.run->Step());
  EXPECT_EQ(p.run->ExitStatus(), 0);
  EXPECT_EQ(p.system.steps.back(), "quit");
}

// The rows as drawn, and where each letter of the row `row` stands.
struct DrawnRow {
  std::string text;
  std::vector<FRect> letters;
};
DrawnRow RowOfLetters(const std::vector<DrawCall>& calls, std::size_t row) {
  std::map<float, std::vector<FRect>> rows;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Kind::Texture && c.texture == CaptionsTexture && c.hasSource) rows[c.dest.y].push_back(c.dest);
  auto at = rows.begin();
  std::advance(at, static_cast<long>(std::min(row, rows.size() - 1)));
  std::sort(at->second.begin(), at->second.end(), [](const FRect& a, const FRect& b) { return a.x < b.x; });
  return {Rows(calls).at(row), at->second};
}

// What the menu shows is what holds: the kept volume is the game's from its
// first sound, and the full screen is the window's, whatever F11 did before
// the menu opened or while it is open.
TEST(PauseMenu, ShowsWhatHoldsTheKeptVolumeFromTheStartAndTheWindowAfterF11) {
  PausedProgram p("volume = 30\n", [](PausedProgram& q) {
    EXPECT_FLOAT_EQ(q.system.masterVolume, 0.3f * record::MasterVolume) << "the kept volume is not the game's";
    q.system.fullScreen = false;  // F11 in the game
  });
  std::vector<std::string> rows = p.After({});
  EXPECT_EQ(rows[4], "VOLUME < 30% >");
  EXPECT_EQ(rows[5], "FULL SCREEN OFF");
  p.system.fullScreen = true;  // F11 with the menu open
  EXPECT_EQ(p.After({})[5], "FULL SCREEN ON");
  EXPECT_EQ(p.After({Kind::Up})[7], "> QUIT") << "the game goes on taking the menu's keys";
}

// A click on the volume's `<` lowers it and one on its `>` raises it; Left
// and Right choose off and on, whatever the switch was; the letters are whole
// again once the menu has closed.
TEST(PauseMenu, TheVolumesArrowsLowerAndRaiseLeftAndRightChooseAndTheLettersAreWholeAfter) {
  PausedProgram p("volume = 50\n");
  p.After({Kind::Down});
  const DrawnRow volume = RowOfLetters(
      std::vector<DrawCall>(p.system.rec.drawing.calls.begin(), p.system.rec.drawing.calls.end()), 4);
  ASSERT_EQ(volume.text, "VOLUME < 50% >");
  const FRect less = volume.letters[volume.letters.size() - 5], more = volume.letters.back();
  EXPECT_EQ(p.After({Kind::Click, less.x + less.w / 2, less.y + less.h / 2})[4], "> VOLUME < 40% >");
  EXPECT_EQ(p.After({Kind::Click, more.x + more.w / 2, more.y + more.h / 2})[4], "> VOLUME < 50% >");
  EXPECT_EQ(p.After({Kind::Click, more.x + more.w / 2, more.y + more.h / 2})[4], "> VOLUME < 60% >");
  p.After({Kind::Up});
  EXPECT_EQ(p.After({Kind::Up})[2], "> CAPTIONS OFF");
  for (const Kind twice : {Kind::Right, Kind::Right}) EXPECT_EQ(p.After({twice})[2], "> CAPTIONS ON");
  for (const Kind twice : {Kind::Left, Kind::Left}) EXPECT_EQ(p.After({twice})[2], "> CAPTIONS OFF");
  p.After({Kind::Down});
  for (const Kind twice : {Kind::Right, Kind::Right}) EXPECT_EQ(p.After({twice})[3], "> GENTLER FLASHES ON");
  for (const Kind twice : {Kind::Left, Kind::Left}) EXPECT_EQ(p.After({twice})[3], "> GENTLER FLASHES OFF");
  // What the last frame of the menu leaves in force for the captions drawn after it.
  int alpha = -1;
  for (const DrawCall& c : p.system.rec.drawing.calls)
    if (c.kind == DrawCall::Kind::Alpha && c.texture == CaptionsTexture) alpha = c.alpha;
  EXPECT_EQ(alpha, 255) << "the captions' letters are left as the menu's unlit rows";
}

TEST(PauseMenu, TheClosingScreenOpensNoMenu) {
  FakeSystem system;
  GameState state = InitialGameState();
  state.TitleRunning = false;
  state.ShiftQuitAllowed = true;
  system.rec.input.events = {InputEvent::Pause};
  EXPECT_EQ(RunGameFrame(state, system.GamePlatform()), FrameResult::Continue);
  state.ShiftQuitAllowed = false;
  system.rec.input.events = {InputEvent::Pause};
  EXPECT_EQ(RunGameFrame(state, system.GamePlatform()), FrameResult::Pause);
}

TEST(PauseMenu, TheKeptFrameIsDrawnAgainCallForCall) {
  RecordingDrawing screen;
  KeptFrame kept(screen);
  const FRect source{1, 2, 3, 4}, dest{5, 6, 7, 8};
  kept.SetTextureNearest(TipTexture);  // before the frame: not part of it
  kept.Clear();
  kept.DrawTexture(TipTexture, &source, dest);
  kept.SetTextureAlpha(TipTexture, 77);
  kept.SetTextureBlend(TipTexture);
  kept.DrawTexture(MenuTexture, nullptr, dest);
  kept.SetDrawColor({1, 2, 3, 4});
  kept.FillRect(dest);
  kept.SetTextureNearest(MenuTexture);
  kept.Present();
  std::vector<DrawCall> frame(screen.calls.begin() + 1, screen.calls.end() - 1);
  kept.SetTextureAlpha(TipTexture, 9);  // after it: not part of it either
  screen.calls.clear();
  kept.Redraw();
  ASSERT_EQ(screen.calls.size(), frame.size());
  EXPECT_TRUE(std::equal(frame.begin(), frame.end(), screen.calls.begin(), SameCall));
}

}  // namespace
