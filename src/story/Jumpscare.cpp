#include "story/Jumpscare.h"

#include <algorithm>

#include "core/ScreenRects.h"

namespace {

constexpr float ClosingScreenAt = -5;  // seconds after the face has gone
constexpr float SlideSpeed = 1600;     // px/s, up from y 400
constexpr float TintFadeRate = 80;     // units per second on the closing screen
constexpr float GameOverRevealRate = 900;

// A whole-number alpha lowered at `rate` units a second, never below 0. The
// part of a unit that a frame's step leaves over is kept in `owed` for the
// next, so the alpha falls at its rate on every display (truncating each step
// would take a whole unit off even for a tenth of one on a fast display).
int Lowered(int alpha, float rate, float deltaTime, float& owed) {
  owed += rate * deltaTime;
  const int whole = static_cast<int>(owed);
  owed -= static_cast<float>(whole);
  return std::max(0, alpha - whole);
}

void ShowClosingScreen(GameState& state, Audio& audio) {
  state.GameOverShown = false;
  state.JumpscareActive = false;
  state.BackgroundTexture = ThxForPlayTexture;
  state.BackgroundRect = ScreenRect;
  if (state.SceneIndex != JumpscareClosingScene) state.ClosingTintOwed = 0;  // the first closing frame
  state.NightTint = Lowered(state.NightTint, TintFadeRate, state.DeltaTime, state.ClosingTintOwed);
  state.WalkSpeed = 0;
  audio.Start(BirdsSound);
  audio.Stop(CricketsSound);
  state.SceneIndex = JumpscareClosingScene;
  state.Animating = false;
  state.ShiftQuitAllowed = true;
}

}  // namespace

void UpdateJumpscare(GameState& state, Platform& platform) {
  if (state.JumpscareActive) state.JumpscareTimer -= state.DeltaTime;

  if (state.JumpscareActive && state.JumpscareTimer >= 0) {
    platform.drawing.DrawTexture(JumpscareTexture, nullptr, state.JumpscareRect);
    if (state.JumpscareRect.y > 0)
      state.JumpscareRect.y -= SlideSpeed * state.DeltaTime;
    else
      state.JumpscareRect.y = 0;
    state.SceneIndex = DeathScene;
    platform.audio.Stop(CreepyChordsSound);
    if (state.JumpscareSoundPending) {
      platform.audio.PlayOnce(JumpscareFile);
      state.JumpscareSoundPending = false;
    }
  } else if (state.JumpscareTimer <= ClosingScreenAt) {
    // The timer no longer moves, so this holds every frame from now on and
    // the tint keeps fading until it is gone.
    ShowClosingScreen(state, platform.audio);
  } else if (state.JumpscareTimer < 0) {
    if (state.SceneIndex == DeathScene) {
      state.FadeAlpha = 255;
      state.SceneIndex = JumpscareGameOverScene;
      state.GameOverRevealOwed = 0;
    }
    state.FadeAlpha = Lowered(state.FadeAlpha, GameOverRevealRate, state.DeltaTime, state.GameOverRevealOwed);
    state.GameOverShown = true;
  }
}

void UpdateChase(GameState& state) {
  if (state.SceneIndex != 90) return;
  // A timer that lands exactly on 0 must still run out, or the jumpscare would
  // never come to a player who stands still.
  if (state.ChaseTimer > 0)
    state.ChaseTimer -= state.DeltaTime;
  else
    state.JumpscareActive = true;
}
