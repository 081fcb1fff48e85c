#pragma once
#include "platform/Platform.h"
#include "shell/GameFrame.h"
#include "core/GameOptions.h"
#include "core/GameState.h"

// The title screen's music and ambience, started before its first frame.
void StartTitleMusic(Audio& audio);

// One frame of the title screen: the intro picture fading away, Return (once
// the intro has gone) darkening to the tip picture, Shift or closing the
// window leaving the program.
FrameResult RunTitleFrame(GameState& state, Platform& platform, const GameOptions& options = {});

// Runs the title until it hands over to the game (TitleRunning false) or a
// quit is asked for (TitleRunning still true).
void RunTitle(GameState& state, Platform& platform, class FrameObserver* observer = nullptr);
