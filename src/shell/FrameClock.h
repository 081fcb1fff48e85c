#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// The longest step a frame may advance the game, however long it took.
inline constexpr float MaxDeltaTime = 0.05f;

// The first work of every title and game frame: DeltaTime from the tick count,
// kept within [0, 0.05].
void TickFrameClock(GameState& state, Clock& clock);

// The free-running once-a-second pulse: rises until it first exceeds its period,
// stays there for exactly that sixtieth of a second, and is 0 on the next.
// RepeatPulse tells the frame that holds that sixtieth.
void TickRepeatTimer(GameState& state);
