#pragma once
#include "platform/Platform.h"
#include "core/GameOptions.h"
#include "core/GameState.h"

struct CaptionBoard;

// Pause: the frame ran whole, and the player asked for the pause menu (which
// the closing screen, where Shift quits, never opens). SpeechSwitch and
// Describe: the frame ran whole, and its one event asked for speech to be
// turned on or off, or for what is here and which way (the game itself
// takes neither).
enum class FrameResult { Continue, Quit, Pause, SpeechSwitch, Describe };

// One frame of the game loop: every phase in its fixed order, the drawing in
// its layers, then the present. With captions on, `captions` is their board,
// whose words the platform's audio puts up as the sounds start.
FrameResult RunGameFrame(GameState& state, Platform& platform, const GameOptions& options = {},
                         CaptionBoard* captions = nullptr);

// The state in which the title screen hands over to the game loop.
void EnterGameFromTitle(GameState& state);
