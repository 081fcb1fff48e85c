#pragma once
#include "platform/Platform.h"
#include "core/GameState.h"

// Using the scene's object: the use table, tested scene by scene in its order.
void UseSceneObject(GameState& state, Audio& audio);

// The three-second meals; draws the food while it is eaten.
void UpdateEating(GameState& state, Drawing& drawing);

// The drink from the water bottle in the forest.
void UpdateDrinking(GameState& state);
