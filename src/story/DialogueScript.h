#pragma once
// The story told in one-line thoughts. Each Return moves to the next index;
// a conversation ends in a closing entry that hides the box and hands control
// back or moves the story on.

#include "platform/Platform.h"
#include "core/GameState.h"

struct DialogueEntry {
  const char* text = nullptr;  // null: a closing entry
  int nightTint = -1;          // -1: the line leaves the tint alone
  // What a closing entry sets, besides hiding the box.
  bool exitReady = false;
  bool useReady = false;
  bool threatActive = false;
  int scene = -1;  // -1: the scene stays
};

// The entry for an index, or null where the script has none.
const DialogueEntry* FindDialogueEntry(int index);

// Every frame while a line is shown: write the line and apply its effects.
void RunDialogueScript(GameState& state);

// Return, released: the next line, with a click and the line's sound cue.
void AdvanceDialogue(GameState& state, Audio& audio);

// The sound a line plays the moment Return reaches it, or null.
const char* DialogueSoundCue(int index);
