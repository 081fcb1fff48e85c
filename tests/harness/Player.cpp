#include "Player.h"

#include <cmath>

#include "ScreenReader.h"
#include "record/HotspotWindows.h"

namespace {

// A person presses Return about a dozen times a second at most.
constexpr double PressIntervalMs = 80;

// Where to stand for a window: its middle, or a little inside a one-sided one,
// within the range the backdrop can be walked.
float TargetX(const record::hotspots::Window& window) {
  const bool hasLower = std::isfinite(window.lower);
  const bool hasUpper = std::isfinite(window.upper);
  if (hasLower && hasUpper) return (window.lower + window.upper) / 2;
  if (hasLower) return std::fmin(window.lower + 60, -10);
  if (hasUpper) return std::fmax(window.upper - 60, -1140);
  return -650;
}

}  // namespace

void Player::PressReturn(ScriptedInput& input, double nowMs) {
  if (nowMs - lastPressMs_ < PressIntervalMs) return;
  input.events.push_back(InputEvent::ReturnReleased);
  lastPressMs_ = nowMs;
}

void Player::WalkTowardExit(const GameState& state, ScriptedInput& input) {
  // Where the description puts the window, not where the game does.
  const record::hotspots::Window* window = nullptr;
  for (const auto& w : record::hotspots::Windows)
    if (w.scene == state.SceneIndex) window = &w;
  if (!window) return;
  const float target = TargetX(*window);
  const float x = state.BackgroundRect.x;
  // Left slides the picture right (x grows); Right slides it left.
  constexpr float Tolerance = 8;
  if (x < target - Tolerance) input.Hold(ScancodeLeft);
  if (x > target + Tolerance) input.Hold(ScancodeRight);
}

void Player::Decide(const GameState& state, const RecordingDrawing& lastFrame, ScriptedInput& input, double nowMs) {
  input.ReleaseAll();

  // The title: press Return until the screen starts to darken.
  if (state.TitleRunning) {
    if (!state.TitleStartPressed && lastFrame.Drew(MenuTexture)) PressReturn(input, nowMs);
    return;
  }

  // A closing screen: hold Shift to leave.
  if (lastFrame.Drew(ThxForPlayTexture) && state.ShiftQuitAllowed) {
    input.Hold(ScancodeLeftShift);
    return;
  }

  // The first warning in bed: lie still until it is over and the bedroom is back.
  if (plan_.dieOnceInBedroom && !died_) {
    if (state.SceneIndex == 83 && state.ThreatActive) waitingToDie_ = true;
    if (waitingToDie_) {
      if (state.SceneIndex == 82) {
        waitingToDie_ = false;
        died_ = true;
      } else {
        return;
      }
    }
  }

  const bool walkPrompt = lastFrame.Drew(WalkTexture);
  const bool lakeWalk = state.Animating && state.AnimationKind == WalkToLake;
  if (walkPrompt || lakeWalk) {
    if (!(plan_.standStillInLastWalk && state.SceneIndex == 90)) input.Hold(ScancodeW);
  }

  const bool promptUp = lastFrame.Drew(MoveTexture) || lastFrame.Drew(UseTexture) || lastFrame.Drew(ClickALotTexture);
  // A box that has just opened shows its old, blank text for a frame: wait
  // until there is something to read.
  const std::string line = DialogueBandShown(lastFrame) ? DrawnDialogueText(lastFrame) : "";
  const bool lineShown = !line.empty();
  if (line != line_) {
    line_ = line;
    lineSinceMs_ = nowMs;
  }
  if (lineShown && nowMs - lineSinceMs_ < plan_.readingMs) return;  // still reading it
  if (lineShown || promptUp) {
    PressReturn(input, nowMs);
    return;
  }
  WalkTowardExit(state, input);
}
