// The pause menu as a player sees it: the game's last frame under it, the
// items read top to bottom with one lit, each change shown from the next
// frame, applied to the game's platform and kept; Quit ends with status 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "harness/FakeSystem.h"
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
  SettingsKeeper keeper{store};
  ProgramRun run{system, GameOptions{}, nullptr, &keeper};
  std::vector<DrawCall> lastGameFrame;

  PausedProgram() {
    EXPECT_TRUE(run.Start());
    system.rec.input.events = {InputEvent::Pause};
    system.rec.ClearRecords();
    EXPECT_TRUE(run.Step());  // the title frame that takes the Escape, drawn whole
    // The frame from its clear to its present (the title sets a fade's alpha after it).
    const auto& calls = system.rec.drawing.calls;
    const auto clear = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Clear; });
    const auto present = std::find_if(clear, calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Present; });
    lastGameFrame.assign(clear, present);
    EXPECT_TRUE(run.Paused());
  }
  // One menu frame after `event`: the rows under the kept frame.
  std::vector<std::string> After(MenuEvent event) {
    system.rec.input.menuEvents = {event};
    system.rec.ClearRecords();
    run.Step();
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
  EXPECT_EQ(p.run.Options().VolumePercent, 0);

  // Resume: the kept frame, no menu, and the game goes on.
  p.system.rec.input.menuEvents = {{Kind::Choose}};
  p.system.rec.ClearRecords();
  p.run.Step();
  EXPECT_FALSE(p.run.Paused());
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
  EXPECT_FALSE(p.run.Step());
  EXPECT_EQ(p.run.ExitStatus(), 0);
  EXPECT_EQ(p.system.steps.back(), "quit");
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
