#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// At most one prompt: Move, click a lot, Use or hold W, by the first rule that holds.
enum class Prompt { None, Move, ClickALot, Use, Walk };
Prompt ShownPrompt(const GameState& state);
void DrawPrompt(const GameState& state, Drawing& drawing);

// The toothbrush, lighter, water bottle, fishing rod and the photo.
void DrawHeldObjects(const GameState& state, Drawing& drawing);

void DrawNightTint(const GameState& state, Drawing& drawing);
// The same tint at another alpha than NightTint's.
void DrawNightTintAt(const GameState& state, Drawing& drawing, int alpha);

// The faint static and the scanlines over everything, like an old screen.
void DrawScreenOverlay(GameState& state, Drawing& drawing);
