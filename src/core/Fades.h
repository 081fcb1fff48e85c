#pragma once
// Starting a fade. A fade goes one way at a time, so FadingOut and FadingIn
// are never set together: both at once would step the black up and down by
// the same amount every frame and the fade would never end.

#include "core/GameState.h"

// To black, then back with the row of the scene current by then. Asked for
// while the screen is still coming back from black, it turns the fade round
// from where it is; the fade back counts as finished, so a row follows again.
inline void StartFadeOut(GameState& state) {
  if (state.FadingIn) {
    state.FadingIn = false;
    state.SceneChangePending = true;
  }
  state.FadingOut = true;
}

// Back from the black that FadeAlpha holds, with no fade to black first.
inline void StartFadeIn(GameState& state) {
  state.FadingOut = false;
  state.FadingIn = true;
}
