#include <gtest/gtest.h>

#include <cstring>

#include "harness/RecordingPlatform.h"
#include "harness/ScreenReader.h"
#include "presentation/DialogueBox.h"
#include "record/DialogueGlyphs.h"

namespace {

GameState Showing(const char* text) {
  GameState state;
  state.DialogueActive = true;
  state.MessageText.fill('\0');
  std::memset(state.MessageText.data(), ' ', 47);
  std::memcpy(state.MessageText.data(), text, std::strlen(text));
  state.MessageText[std::strlen(text)] = '\0';
  return state;
}

FRect Source(const record::glyphs::Cell& cell) { return {cell.x, cell.y, cell.w, cell.h}; }
const FRect NulCell = Source(record::glyphs::NulCell);
const FRect H = Source(record::glyphs::Letters['H' - 'A']);
const FRect M = Source(record::glyphs::Letters['M' - 'A']);
const FRect FullStop = Source(record::glyphs::Symbols[2]);
const FRect QuestionMark = Source(record::glyphs::Symbols[1]);

std::vector<DrawCall> Glyphs(const RecordingDrawing& drawing) {
  std::vector<DrawCall> glyphs;
  for (const DrawCall& call : drawing.calls)
    if (call.kind == DrawCall::Kind::Texture && !(call.texture == LettersTexture && call.source == NulCell))
      glyphs.push_back(call);
  return glyphs;
}

TEST(DialogueBox, LettersAndSignsDrawnWithGapsAtSpaces) {
  GameState state = Showing("HM... WHAT IF I WENT CAMPING?");
  RecordingDrawing drawing;
  DrawDialogue(state, drawing);
  ASSERT_GE(drawing.calls.size(), 2u);
  EXPECT_EQ(drawing.calls[0].color, (Rgba{64, 64, 64, 200}));
  EXPECT_EQ(drawing.calls[1].dest, (FRect{0, 450, 800, 150}));
  const auto glyphs = Glyphs(drawing);
  ASSERT_EQ(glyphs.size(), 24u);
  // "H" at 0, "M" at 20, the three full stops from the symbol sheet, then a
  // 20-pixel gap for the space before "W" at 120.
  EXPECT_EQ(glyphs[0].source, H);
  EXPECT_EQ(glyphs[0].dest, (FRect{0, 500, 15, 15}));
  EXPECT_EQ(glyphs[1].source, M);
  EXPECT_FLOAT_EQ(glyphs[1].dest.x, 20);
  EXPECT_EQ(glyphs[2].texture, SymbolsTexture);
  EXPECT_EQ(glyphs[2].source, FullStop);
  EXPECT_FLOAT_EQ(glyphs[5].dest.x, 120);
  EXPECT_EQ(glyphs.back().source, QuestionMark);
  EXPECT_FLOAT_EQ(glyphs.back().dest.x, 28 * 20);
  EXPECT_EQ(state.TextCursorRect.x, 0) << "the cursor is home after every drawn frame";
}

TEST(DialogueBox, FortyCharactersReachTheRightEdgeAndNoFurther) {
  const char* line = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUV";  // 48
  GameState state = Showing(line);
  RecordingDrawing drawing;
  DrawDialogue(state, drawing);
  const auto glyphs = Glyphs(drawing);
  ASSERT_EQ(glyphs.size(), 48u);
  EXPECT_FLOAT_EQ(glyphs[39].dest.x, 780);
  EXPECT_GE(glyphs[40].dest.x, 800) << "the 41st character lies off screen";
  EXPECT_EQ(DrawnDialogueText(drawing), std::string(line).substr(0, 40));
}

TEST(DialogueBox, UndrawnCharactersLeaveAGapLikeASpace) {
  GameState state = Showing("PC.     //X");
  RecordingDrawing drawing;
  DrawDialogue(state, drawing);
  const auto glyphs = Glyphs(drawing);
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_FLOAT_EQ(glyphs[3].dest.x, 10 * 20);
}

TEST(DialogueBox, NulCellIsDrawnAtEveryNulAndSendsTheCursorHome) {
  GameState state = Showing("AB");
  RecordingDrawing drawing;
  DrawDialogue(state, drawing);
  int nulCells = 0;
  for (const DrawCall& call : drawing.calls)
    if (call.kind == DrawCall::Kind::Texture && call.source == NulCell) ++nulCells;
  // Positions 2, 47, 48 and 49 hold NULs.
  EXPECT_EQ(nulCells, 4);
}

TEST(DialogueBox, OnlySpacesDrawTheEmptyBandAndAClosedBoxDrawsNothing) {
  GameState state = Showing("          ");
  RecordingDrawing drawing;
  DrawDialogue(state, drawing);
  EXPECT_TRUE(DialogueBandShown(drawing));
  EXPECT_EQ(DrawnDialogueText(drawing), "");
  state.DialogueActive = false;
  RecordingDrawing closed;
  DrawDialogue(state, closed);
  EXPECT_TRUE(closed.calls.empty());
}

}  // namespace
