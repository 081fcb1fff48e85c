#include "presentation/GentleLight.h"

#include <algorithm>
#include <cmath>

#include "core/ScreenRects.h"

namespace {

// A fade's pace: the game's own fades move 1000 alpha units a second.
constexpr float FadePace = 1000;
constexpr int CameraVeil = 128;  // the camera flash at its brightest: half white
constexpr int Hidden = 220;      // a fade's black past this hides what changes beneath (a scene row's test)

enum class Rise { AtOnce, AtFadePace };

// The level moved toward `target` at a fade's pace, carrying the part of a
// unit a frame leaves over, so that every display rate gives the same ramp;
// a higher target is taken at once when `rise` says so.
int Ease(EasedLevel& level, int target, float deltaTime, Rise rise) {
  if (level.shown == target || (rise == Rise::AtOnce && target > level.shown)) {
    level.carry = 0;
    return level.shown = target;
  }
  level.carry += FadePace * deltaTime;
  const int step = static_cast<int>(level.carry);
  level.carry -= static_cast<float>(step);
  level.shown = target > level.shown ? std::min(target, level.shown + step) : std::max(target, level.shown - step);
  return level.shown;
}

void Cover(Drawing& drawing, Rgba colour, int alpha) {
  if (alpha <= 0) return;
  colour.a = static_cast<std::uint8_t>(alpha);
  drawing.SetDrawColor(colour);
  drawing.FillRect(ScreenRect);
}

// The black a fade at its pace would have reached by a cut `secondsLeft` ahead.
int BlackBefore(float secondsLeft) { return std::clamp(255 - static_cast<int>(FadePace * secondsLeft), 0, 255); }

// The cuts to black the game makes at a moment it knows in advance.
int BlackAhead(const GameState& state) {
  int black = 0;
  if (state.ThreatActive && state.ThreatTimer > 0) black = BlackBefore(state.ThreatTimer);
  if (state.JumpscareActive && state.JumpscareTimer >= 0) black = std::max(black, BlackBefore(state.JumpscareTimer));
  return black;
}

}  // namespace

void DrawGentleLeadIn(GameState& state, Drawing& drawing, bool leadIn) {
  Cover(drawing, {0, 0, 0, 0}, Ease(state.GentleLeadIn, leadIn ? 255 : 0, state.DeltaTime, Rise::AtOnce));
}

void DrawGentleFlash(GameState& state, Drawing& drawing) {
  const bool white = state.Animating && state.AnimationKind == CampfireFlicker && state.CampfireFlashShowing;
  Cover(drawing, {255, 255, 255, 0}, Ease(state.GentleFlash, white ? CameraVeil : 0, state.DeltaTime, Rise::AtFadePace));
}

void EaseJumpscareIn(const GameState& state, Drawing& drawing) {
  if (!state.JumpscareActive) return;
  // The jump-scare step lowers its timer by this frame's time before it draws.
  static const float shownFrom = GameState{}.JumpscareTimer;
  const float shownFor = shownFrom - (state.JumpscareTimer - state.DeltaTime);
  const int alpha = std::clamp(static_cast<int>(FadePace * shownFor), 0, 255);
  drawing.SetTextureBlend(JumpscareTexture);
  drawing.SetTextureAlpha(JumpscareTexture, static_cast<std::uint8_t>(alpha));
}

int GentleNightTint(GameState& state) {
  const bool hidden = state.FadeAlpha > Hidden;
  if (hidden || state.NightTint < state.GentleTint.shown) {
    state.GentleTint = {state.NightTint, 0};
    return state.NightTint;
  }
  return Ease(state.GentleTint, state.NightTint, state.DeltaTime, Rise::AtFadePace);
}

void DrawGentleBlack(GameState& state, Drawing& drawing, int fadeBlack) {
  const int drawn = std::clamp(fadeBlack, 0, 255);
  const int black = Ease(state.GentleBlack, std::max(drawn, BlackAhead(state)), state.DeltaTime, Rise::AtOnce);
  if (black <= drawn || drawn == 255) return;
  // A second black over the fade's: together they leave as much light as
  // the gentle black alone would.
  const float light = static_cast<float>(255 - black) / static_cast<float>(255 - drawn);
  Cover(drawing, {0, 0, 0, 0}, static_cast<int>(std::lround(255 * (1 - light))));
}

void TakeOverGentleLight(GameState& state) {
  const bool leadIn = state.Animating && state.AnimationKind == CarRideOne && state.CarLeadInTimer >= 0;
  const bool white = state.Animating && state.AnimationKind == CampfireFlicker && state.CampfireFlashShowing;
  state.GentleLeadIn = {leadIn ? 255 : 0, 0};
  state.GentleFlash = {white ? 255 : 0, 0};
  state.GentleTint = {state.NightTint, 0};
  state.GentleBlack = {std::clamp(state.FadeAlpha, 0, 255), 0};
}

void LeaveGentleLight(Drawing& drawing) { drawing.SetTextureAlpha(JumpscareTexture, 255); }
