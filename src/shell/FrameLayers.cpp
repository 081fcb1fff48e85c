#include "shell/FrameLayers.h"

#include "presentation/Animations.h"
#include "presentation/Captions.h"
#include "presentation/DialogueBox.h"
#include "presentation/Overlays.h"
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
  UpdateAnimation(state, platform);
  UpdateGetAway(state, platform.audio);
  DrawHeldObjects(state, drawing);
  UpdateJumpscare(state, platform);
  UpdateChase(state);
  // Everything above is darkened by the night; nothing below is.
  DrawNightTint(state, drawing);
  DrawDialogue(state, drawing);
  DrawPrompt(state, drawing);
  UpdateEating(state, drawing);
  if (state.GameOverShown) drawing.DrawTexture(GameOverTexture, nullptr, ScreenRect);
  UpdateFade(state, platform);
  // Captions read over the night, a fade's black and the game-over picture alike.
  if (options.Captions && captions) DrawCaptions(*captions, state.DeltaTime, platform);
  // The old-screen static lies over everything, a full black fade included.
  DrawScreenOverlay(state, drawing);
  drawing.SetDrawColor({0, 0, 0, 0});
  drawing.Present();
}
