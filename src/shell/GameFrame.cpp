#include "shell/GameFrame.h"

#include "shell/FrameLayers.h"
#include "shell/FrameClock.h"
#include "story/BookingComputer.h"
#include "story/Brushing.h"
#include "story/DialogueScript.h"
#include "story/NightThreat.h"
#include "story/TimedEvents.h"
#include "world/Hotspots.h"
#include "world/ReturnHandler.h"
#include "world/Uses.h"
#include "world/Walking.h"

FrameResult RunGameFrame(GameState& state, Platform& platform, const GameOptions& options, CaptionBoard* captions) {
  // Every picture that ever serves as the backdrop is scaled nearest-neighbour.
  platform.drawing.SetTextureNearest(state.BackgroundTexture);
  TickFrameClock(state, platform.clock);
  TickRepeatTimer(state);
  UpdateDrinking(state);

  // One event a frame: presses are never lost, only spread over frames.
  FrameResult asked = FrameResult::Continue;
  switch (platform.input.PollEvent()) {
    case InputEvent::Quit:
      return FrameResult::Quit;
    case InputEvent::ReturnReleased:
      HandleReturn(state, platform.audio);
      break;
    case InputEvent::Pause:
      if (!state.ShiftQuitAllowed) asked = FrameResult::Pause;
      break;
    case InputEvent::SpeechSwitch:
      asked = FrameResult::SpeechSwitch;
      break;
    case InputEvent::Describe:
      asked = FrameResult::Describe;
      break;
    default:
      break;
  }

  if (!state.DialogueActive) UpdateHotspots(state);
  RunDialogueScript(state);

  UpdateWalking(state, platform.input);
  if (ShiftQuitRequested(state, platform.input)) return FrameResult::Quit;
  UpdateBrushing(state);
  UpdateBookingComputer(state, platform.audio);
  UpdateTimedEvents(state, platform.audio);
  UpdateThreat(state, platform.audio);
  UpdateCloset(state, platform.audio);

  DrawFrameLayers(state, platform, options, captions);
  return asked;
}

void EnterGameFromTitle(GameState& state) {
  // The title leaves its fade "fading in" at 0: the first game frame ends it
  // without applying a scene row.
  state.TitleRunning = false;
  state.FadingIn = true;
  state.FadeAlpha = 0;
}
