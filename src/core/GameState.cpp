#include "core/GameState.h"

#include <cstdlib>

GameState InitialGameState() {
  GameState state;
  state.FoodChoice = std::rand() % 3;
  state.ClickWaitTimer = static_cast<float>(std::rand() % 10);
  return state;
}
