#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// A Return while fishing: counts only while a bite window is open.
void FishingClick(GameState& state, Audio& audio);

// Five bites, each caught by six presses in its window or missed.
void UpdateFishing(GameState& state, Audio& audio);
