#pragma once
// Reads back what a recorded frame showed, the way a person reads the screen.

#include <string>
#include <vector>

#include "RecordingPlatform.h"

// True when the grey dialogue band was drawn.
bool DialogueBandShown(const RecordingDrawing& frame);

// The line of text drawn on the text row, rebuilt from the glyph cells and
// their places, by the recorded glyph layout (undrawn characters read as
// spaces; trailing spaces dropped; a glyph out of place or unknown reads "#").
std::string DrawnDialogueText(const RecordingDrawing& frame);

// A script line as it reads on screen: characters without a glyph become spaces.
std::string AsDrawn(const std::string& line);

// A caption as drawn: its dark box, and the words on it read back from the
// cells of the captions' sheet (a wider gap between letters reads as a space;
// a cell the sheet does not have reads "#").
struct DrawnCaption {
  FRect box;
  std::string words;
};
// The captions of a frame, top to bottom.
std::vector<DrawnCaption> DrawnCaptions(const RecordingDrawing& frame);
