#include "story/BookingComputer.h"

namespace {

constexpr float CursorSpeed = 40;  // px/s on each axis
constexpr float TargetY = 310;     // the booking button
constexpr float TargetX = 340;

bool BookingUnderWay(const GameState& state) {
  return state.UseActive && !state.UseReady && state.SceneIndex == 10;
}

}  // namespace

void UpdateBookingComputer(GameState& state, Audio& audio) {
  if (!BookingUnderWay(state)) return;
  FRect& cursor = state.ComputerCursorRect;
  if (cursor.y < TargetY) cursor.y += CursorSpeed * state.DeltaTime;
  if (cursor.x > TargetX) cursor.x -= CursorSpeed * state.DeltaTime;
  if (cursor.y >= TargetY && cursor.x <= TargetX && !state.CursorClickPlayed) {
    audio.PlayOnce(ClickFile);
    state.CursorClickPlayed = true;
  }
  // The page changes on the once-a-second pulse after the click.
  if (state.CursorClickPlayed && state.RepeatPulse) {
    state.BackgroundTexture = ComputerCabinBookedTexture;
    state.ExitReady = true;
  }
}

void DrawBookingCursor(const GameState& state, Drawing& drawing) {
  if (BookingUnderWay(state)) drawing.DrawTexture(CursorTexture, nullptr, state.ComputerCursorRect);
}
