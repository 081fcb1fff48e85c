// Every conversation of the record played through the real dialogue box:
// each line read back from the glyphs drawn (decoded with the recorded glyph
// layout), the exact draws of the text row, the tint a line holds, the sounds
// of each press, and what each closing entry hands back.

#include <gtest/gtest.h>

#include <cstring>

#include "harness/FrameDriver.h"
#include "harness/RecordFields.h"
#include "harness/ScreenReader.h"
#include "record/DialogueGlyphs.h"
#include "record/DialogueLines.h"

namespace record::dialogue {
void PrintTo(const Conversation& c, std::ostream* os) { *os << "conversation " << c.first << " to " << c.closing; }
}  // namespace record::dialogue

namespace {

namespace glyphs = record::glyphs;
using record::dialogue::Conversation;

struct Glyph {
  std::string sheet;
  float sx, sy, sw, sh;
  FRect dest;
  friend bool operator==(const Glyph&, const Glyph&) = default;
};

std::ostream& operator<<(std::ostream& os, const Glyph& g) {
  return os << g.sheet << " (" << g.sx << "," << g.sy << ") at x " << g.dest.x;
}

// What the box must draw on the text row for a line, worked out from the
// record alone: the text written after the recorded blanking, scanned over 50
// characters with a fixed advance, a NUL cell at every NUL and the cursor home.
std::vector<Glyph> ExpectedGlyphs(int index, const std::string& text) {
  std::string message(glyphs::ScannedCharacters, '\0');
  if (index != 0)
    for (int i = 0; i < record::dialogue::BlankEnd(index); ++i) message[i] = ' ';
  std::copy(text.begin(), text.end(), message.begin());
  message[text.size()] = '\0';

  std::vector<Glyph> drawn;
  float x = 0;
  auto draw = [&](const char* sheet, const glyphs::Cell& cell) {
    drawn.push_back({sheet, cell.x, cell.y, cell.w, cell.h, {x, glyphs::TextRowY, glyphs::GlyphSize, glyphs::GlyphSize}});
  };
  for (char ch : message) {
    for (const auto& cell : glyphs::Letters)
      if (ch == cell.ch) draw(glyphs::LettersSheet, cell);
    for (const auto& cell : glyphs::Symbols)
      if (ch == cell.ch) draw(glyphs::SymbolsSheet, cell);
    if (ch == '\0') {
      draw(glyphs::LettersSheet, glyphs::NulCell);
      x = 0;
    } else {
      x += glyphs::Advance;
    }
  }
  return drawn;
}

std::vector<Glyph> DrawnGlyphs(const RecordingDrawing& frame) {
  std::vector<Glyph> drawn;
  for (const DrawCall& call : frame.calls) {
    const std::string sheet = NameOf(call.texture);
    if (call.kind == DrawCall::Kind::Texture && (sheet == glyphs::LettersSheet || sheet == glyphs::SymbolsSheet))
      drawn.push_back({sheet, call.source.x, call.source.y, call.source.w, call.source.h, call.dest});
  }
  return drawn;
}

std::vector<std::string> SoundsOfPress(int index) {
  std::vector<std::string> sounds = {record::dialogue::Click};
  for (const auto& cue : record::dialogue::SoundCues)
    if (cue.index == index) sounds.push_back(cue.sound);
  return sounds;
}

constexpr int OtherTint = 3;  // what the tint holds before each frame, unless a line sets it

class Conversations : public testing::TestWithParam<Conversation> {};

TEST_P(Conversations, ReadLineByLineThroughTheBox) {
  const Conversation& conversation = GetParam();
  FrameDriver driver;
  if (conversation.first != 0) {
    driver.Frame();
    driver.state.SceneIndex = conversation.scene;
    driver.state.LightsOutTimer = 100;
    driver.state.ClosetTimer = -200;
    driver.state.GetAwaySoundPending = false;
    driver.state.MessageIndex = conversation.first;
    driver.state.DialogueActive = true;
    driver.Frame();  // the box opens with the blank left by the last conversation
  }
  const GameState opened = driver.state;

  for (int index = conversation.first; index <= conversation.closing; ++index) {
    SCOPED_TRACE("line " + std::to_string(index));
    const auto* entry = record::dialogue::Find(index);
    ASSERT_NE(entry, nullptr) << "the record has no entry here";
    if (index != conversation.first) {
      driver.ReleaseReturn();
    }
    driver.state.NightTint = OtherTint;
    driver.Frame();
    EXPECT_EQ(driver.state.MessageIndex, index);
    if (index != conversation.first) {
      EXPECT_EQ(driver.rec.audio.PlayedOnce(), SoundsOfPress(index)) << "the press's click and cue";
    }

    if (entry->text) {
      EXPECT_TRUE(DialogueBandShown(driver.rec.drawing));
      EXPECT_EQ(DrawnDialogueText(driver.rec.drawing), AsDrawn(entry->text));
      EXPECT_EQ(DrawnGlyphs(driver.rec.drawing), ExpectedGlyphs(index, entry->text));
      EXPECT_EQ(driver.state.NightTint, entry->nightTint >= 0 ? entry->nightTint : OtherTint);
      EXPECT_TRUE(driver.state.DialogueActive);
      continue;
    }
    // The closing entry: never seen, and it hands back what the record says.
    EXPECT_EQ(index, conversation.closing);
    EXPECT_FALSE(DialogueBandShown(driver.rec.drawing));
    EXPECT_FALSE(driver.state.DialogueActive);
    EXPECT_EQ(driver.state.ExitReady, entry->exitReady || opened.ExitReady);
    EXPECT_EQ(driver.state.UseReady, entry->useReady || opened.UseReady);
    EXPECT_EQ(driver.state.ThreatActive, entry->threatActive);
    EXPECT_EQ(driver.state.SceneIndex, entry->scene >= 0 ? entry->scene : conversation.scene);
    EXPECT_EQ(driver.state.NightTint, OtherTint);
    EXPECT_FALSE(driver.state.FadingOut) << "no fade";
  }
}

INSTANTIATE_TEST_SUITE_P(Record, Conversations, testing::ValuesIn(record::dialogue::Conversations),
                         [](const testing::TestParamInfo<Conversation>& info) {
                           return "From" + std::to_string(info.param.first);
                         });

// The record's conversations cover every entry it has, each exactly once.
TEST(Conversations, CoverTheWholeScript) {
  std::vector<int> covered;
  for (const Conversation& c : record::dialogue::Conversations)
    for (int index = c.first; index <= c.closing; ++index) covered.push_back(index);
  std::sort(covered.begin(), covered.end());
  std::vector<int> indices;
  for (const auto& entry : record::dialogue::Script) indices.push_back(entry.index);
  EXPECT_EQ(covered, indices);
  EXPECT_EQ(indices.size(), 174u);
}

}  // namespace
