#include "shell/FrameLayers.h"

#include "presentation/Animations.h"
#include "presentation/Captions.h"
#include "presentation/DialogueBox.h"
#include "presentation/GentleLight.h"
#include "presentation/KeptFrame.h"
#include "presentation/Overlays.h"
#include "presentation/PauseMenu.h"
#include "core/ScreenRects.h"
#include "story/BookingComputer.h"
#include "story/Fishing.h"
#include "story/GetAway.h"
#include "story/Jumpscare.h"
#include "story/TimedEvents.h"
#include "world/Fade.h"
#include "world/Uses.h"

void DrawFrameLayers(GameState& state, Platform& platform, const GameOptions& options, CaptionBoard* captions) {
  Drawing& drawing = platform.drawing;
  drawing.Clear();
  drawing.DrawTexture(state.BackgroundTexture, nullptr, state.BackgroundRect);
  UpdateLightsOut(state, platform.audio);
  DrawBookingCursor(state, drawing);
  UpdateFishing(state, platform.audio);
  UpdateAnimation(state, platform, options);
  UpdateGetAway(state, platform.audio);
  DrawHeldObjects(state, drawing);
  if (options.ReduceFlashing) EaseJumpscareIn(state, drawing);
  UpdateJumpscare(state, platform);
  UpdateChase(state);
  // Everything above is darkened by the night; nothing below is.
  if (options.ReduceFlashing)
    DrawNightTintAt(state, drawing, GentleNightTint(state));
  else
    DrawNightTint(state, drawing);
  DrawDialogue(state, drawing);
  DrawPrompt(state, drawing);
  UpdateEating(state, drawing);
  if (state.GameOverShown) drawing.DrawTexture(GameOverTexture, nullptr, ScreenRect);
  const int fadeBlack = state.FadeAlpha;  // what the fade draws, before its step
  UpdateFade(state, platform);
  if (options.ReduceFlashing) DrawGentleBlack(state, drawing, fadeBlack);
  // Captions read over the night, a fade's black and the game-over picture alike.
  if (options.Captions && captions) DrawCaptions(*captions, state.DeltaTime, platform);
  // The old-screen static lies over everything, a full black fade included.
  DrawScreenOverlay(state, drawing);
  drawing.SetDrawColor({0, 0, 0, 0});
  drawing.Present();
}

void DrawPausedFrame(KeptFrame& lastFrame, Drawing& screen, const PauseMenu* menu, const GameOptions& options) {
  lastFrame.Redraw();
  if (menu) DrawPauseMenu(*menu, options, screen);
  screen.SetDrawColor({0, 0, 0, 0});
  screen.Present();
}
