#include "world/Fade.h"

#include <algorithm>

#include "core/Fades.h"
#include "core/ScreenRects.h"
#include "world/SceneTable.h"

namespace {

constexpr int FullyBlack = 254;    // a fade-out is complete above this
constexpr int CardVisible = 229;   // the next-day card is drawn above this
constexpr int WalkSpeedAfterFade = 250;

// One fade step in whole alpha units. The fraction left over is carried to the
// next step, so a fade moves at its rate in units per second even when one
// frame's share is below a unit (slow fades on fast displays). A value that
// something else wrote into FadeAlpha starts the carry afresh.
int StepFade(GameState& state, float delta) {
  if (state.FadeAlpha != state.FadeCarryAlpha) state.FadeCarry = 0;
  const float exact = static_cast<float>(state.FadeAlpha) + state.FadeCarry + delta;
  const int whole = static_cast<int>(exact);  // toward zero
  state.FadeCarry = exact - static_cast<float>(whole);
  state.FadeCarryAlpha = whole;
  return whole;
}

void DrawFadeAndCard(GameState& state, Drawing& drawing) {
  drawing.SetDrawColor({0, 0, 0, static_cast<std::uint8_t>(std::clamp(state.FadeAlpha, 0, 255))});
  drawing.FillRect(ScreenRect);
  if (state.NextDayHold && state.FadeAlpha > CardVisible) {
    drawing.SetDrawColor({0, 0, 0, 255});
    drawing.FillRect(ScreenRect);
    drawing.DrawTexture(NextDayTexture, nullptr, NextDayCardRect);
    state.FadeAlpha = 255;
  }
}

}  // namespace

void UpdateFade(GameState& state, Platform& platform) {
  // A fade goes one way at a time; a state that says both (which no part of
  // the game makes) is taken as a fade to black, which always ends.
  if (state.FadingOut && state.FadingIn) StartFadeOut(state);
  DrawFadeAndCard(state, platform.drawing);

  if (state.FadingOut) {
    state.WalkSpeed = 0;
    state.FadeAlpha = StepFade(state, static_cast<float>(state.FadeSpeed) * state.DeltaTime);
    if (state.FadeAlpha > FullyBlack && !state.NextDayHold) {
      state.FadingOut = false;
      state.FadingIn = true;
    }
  }

  // The darkness a scene row needs is judged on the black before this frame's
  // fade-in step, so that long frames (which take a big first step) still
  // switch the scene; at 33 ms or shorter the outcome is the same either way.
  const int darkness = state.FadeAlpha;
  if (state.FadingIn) {
    state.WalkSpeed = 0;
    state.FadeAlpha = StepFade(state, -static_cast<float>(state.FadeSpeed) * state.DeltaTime);
    state.ExitReady = false;
  }

  if (state.FadingIn && state.SceneChangePending) {
    state.SceneChangePending = false;
    ApplySceneRow(state, platform.audio, std::max(darkness, state.FadeAlpha));
  }

  // While the next-day card is held during a fade-in, long frames must not
  // step below the card's threshold before the hold can pin the black; this
  // comes after the row, which may be the one that sets the hold (scene 48).
  if (state.FadingIn && state.NextDayHold && state.FadeAlpha <= CardVisible) {
    state.FadeAlpha = CardVisible + 1;
    state.FadeCarryAlpha = state.FadeAlpha;
  }

  if (state.FadingIn && state.FadeAlpha <= 0) {
    state.FadingOut = false;
    state.FadingIn = false;
    state.FadeAlpha = 0;
    state.FadeCarry = 0;
    state.FadeCarryAlpha = 0;
    state.WalkSpeed = WalkSpeedAfterFade;
    state.SceneChangePending = true;
  }
}
