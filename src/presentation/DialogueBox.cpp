#include "presentation/DialogueBox.h"

#include "presentation/Glyphs.h"
#include "core/ScreenRects.h"

namespace {

constexpr int ScannedCharacters = 50;
constexpr float CharacterAdvance = 20;

}  // namespace

void DrawDialogue(GameState& state, Drawing& drawing) {
  if (!state.DialogueActive) return;
  drawing.SetDrawColor({64, 64, 64, 200});
  drawing.FillRect(DialogueBoxRect);

  // A fixed advance for every character, drawn or not. The scan does not stop
  // at a NUL: each one draws the (empty) NUL cell and sends the cursor home,
  // and position 49 is always NUL, so the cursor is at 0 for the next frame.
  for (int i = 0; i < ScannedCharacters; ++i) {
    const char ch = state.MessageText[i];
    for (std::size_t j = 0; j < LetterTable.size(); ++j)
      if (ch == LetterTable[j]) drawing.DrawTexture(LettersTexture, &GlyphRects[j], state.TextCursorRect);
    for (std::size_t k = 0; k < SymbolTable.size(); ++k)
      if (ch == SymbolTable[k]) drawing.DrawTexture(SymbolsTexture, &SymbolRects[k], state.TextCursorRect);
    if (ch != '\0')
      state.TextCursorRect.x += CharacterAdvance;
    else
      state.TextCursorRect.x = 0;
  }
}
