#pragma once
#include "platform/Platform.h"
#include "core/GameOptions.h"
#include "core/GameState.h"

struct CaptionBoard;
class KeptFrame;
struct PauseMenu;

// Draws one game frame, layer by layer, with the logic that sits between the
// layers called at its place, then presents it. This is the one place that
// decides what covers what.
// What the player has turned on adds its own layers: the captions (with their
// board) over everything but the old-screen overlay.
void DrawFrameLayers(GameState& state, Platform& platform, const GameOptions& options, CaptionBoard* captions);

// A frame of the pause menu, beside the described game: the game's last frame
// drawn again onto `screen`, and over it, dimmed, the menu (none on the frame
// it closes), then the present.
void DrawPausedFrame(KeptFrame& lastFrame, Drawing& screen, const PauseMenu* menu, const GameOptions& options);
