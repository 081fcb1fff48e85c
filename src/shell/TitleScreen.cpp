#include "shell/TitleScreen.h"

#include <algorithm>
#include <cstdlib>

#include "core/ScreenRects.h"
#include "core/Sixtieths.h"
#include "shell/FrameClock.h"
#include "shell/Program.h"

namespace {

constexpr float TitleFadeRate = 150;  // alpha units per second

// The title's fade in whole alpha units, carrying the fraction of each step
// so that it still moves when a step is below one unit (displays above 150 Hz).
int StepTitleFade(GameState& state, float delta) {
  const float exact = static_cast<float>(state.FadeAlpha) + state.TitleFadeCarry + delta;
  const int whole = static_cast<int>(exact);
  state.TitleFadeCarry = exact - static_cast<float>(whole);
  return whole;
}

void DrawTitle(GameState& state, Platform& platform) {
  Drawing& drawing = platform.drawing;
  drawing.Clear();
  drawing.DrawTexture(MenuTexture, nullptr, ScreenRect);
  const bool newStatic = TickInSixtieths(state.StaticTimer, 0.3f, state);
  drawing.DrawTexture(IntroTexture, nullptr, ScreenRect);
  drawing.DrawTexture(StaticTexture, &StaticFrameRects[state.StaticFrame], ScreenRect);
  if (newStatic) state.StaticFrame = std::rand() % 4;
  drawing.DrawTexture(ScanlinesTexture, nullptr, ScreenRect);
  if (state.FadingIn) drawing.DrawTexture(TipTexture, nullptr, ScreenRect);
  drawing.SetDrawColor({0, 0, 0, static_cast<std::uint8_t>(std::clamp(state.FadeAlpha, 0, 255))});
  drawing.FillRect(ScreenRect);
  drawing.Present();
}

}  // namespace

void StartTitleMusic(Audio& audio) {
  for (SoundId sound : {CreepyAmbienceSound, BirdsQuietSound, MenuSongSound}) {
    audio.Start(sound);
    audio.SetLooping(sound);
  }
}

FrameResult RunTitleFrame(GameState& state, Platform& platform, const GameOptions& /*options*/) {
  FrameResult asked = FrameResult::Continue;
  switch (platform.input.PollEvent()) {
    case InputEvent::Pause:
      asked = FrameResult::Pause;
      break;
    case InputEvent::SpeechSwitch:
      asked = FrameResult::SpeechSwitch;
      break;
    case InputEvent::Describe:
      asked = FrameResult::Describe;
      break;
    case InputEvent::Quit:
    case InputEvent::ShiftReleased:
      return FrameResult::Quit;
    case InputEvent::ReturnReleased:
      // Not remembered while the intro is still up: it must be released again.
      if (state.IntroTimer <= 0) state.TitleStartPressed = true;
      break;
    default:
      break;
  }
  TickFrameClock(state, platform.clock);

  if (state.TitleStartPressed && !state.FadingIn)
    state.FadeAlpha = StepTitleFade(state, TitleFadeRate * state.DeltaTime);
  if (state.FadeAlpha > 249) {
    state.FadingIn = true;
    platform.audio.Stop(CreepyAmbienceSound);
    platform.audio.Stop(MenuSongSound);
  }
  if (state.FadingIn) {
    state.FadeAlpha = StepTitleFade(state, -TitleFadeRate * state.DeltaTime);
    if (state.FadeAlpha <= 0) {
      state.FadeAlpha = 0;
      state.TitleFadeCarry = 0;
    }
  }
  if (state.FadingIn && state.FadeAlpha == 0) state.TitleExitTimer -= state.DeltaTime;
  if (state.TitleExitTimer <= 0) state.TitleRunning = false;  // this frame is still drawn

  DrawTitle(state, platform);

  platform.drawing.SetTextureAlpha(TipTexture, static_cast<std::uint8_t>(state.TipAlpha));
  if (state.IntroTimer > 0)
    state.IntroTimer -= state.DeltaTime;
  else
    state.IntroFading = true;
  if (state.IntroFading && state.IntroAlpha >= 0) {
    platform.drawing.SetTextureAlpha(IntroTexture, static_cast<std::uint8_t>(state.IntroAlpha));
    state.IntroAlpha -= TitleFadeRate * state.DeltaTime;
  }
  return asked;
}

void RunTitle(GameState& state, Platform& platform, FrameObserver* observer) {
  StartTitleMusic(platform.audio);
  while (state.TitleRunning) {
    if (observer) observer->BeforeFrame(state);
    if (RunTitleFrame(state, platform) == FrameResult::Quit) return;  // no menu here: a pause is ignored
  }
  EnterGameFromTitle(state);
}
