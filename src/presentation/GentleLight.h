#pragma once
// Fewer flashes, for a player who asks for them (--reduce-flashing): where the
// game would make the light of the whole screen jump from one frame to the
// next (the camera's white, a cut out of black or into it, the end of the
// first car ride's black lead-in, the face of the jump scare, the evening
// darkening a step at a thought) it changes instead at the pace of one of the
// game's own fades, which look as they always have.
//
// Each function draws a layer (or sets one) at its place in the frame's
// order, and runs only with the option. None of them changes what the game
// does, only what is drawn: the story, its timing and its sounds stay the same.

#include "platform/Platform.h"
#include "core/GameState.h"

// Instead of the black of the first car ride's lead-in: opaque while
// `leadIn` lasts, then lifting at a fade's pace.
void DrawGentleLeadIn(GameState& state, Drawing& drawing, bool leadIn);

// Instead of ten sixtieths of opaque white: a white veil that rises toward
// half white while the camera flashes, and falls back after it.
void DrawGentleFlash(GameState& state, Drawing& drawing);

// The face of the jump scare comes in over a quarter of a second as it slides
// up. Sets its picture's alpha just before the jump-scare step draws it.
void EaseJumpscareIn(const GameState& state, Drawing& drawing);

// The night tint to draw: it deepens at a fade's pace where the game would
// deepen it at once on screen (at a thought), and follows the game's at once
// where the screen is hidden by a fade or the tint lightens.
int GentleNightTint(GameState& state);

// The black the player sees, drawn over the fade's own (`fadeBlack` is the
// alpha the fade drew this frame, before its step). It follows the fade up at
// once but down no faster than a fade, so a cut out of black becomes a fade;
// and it rises ahead of the two cuts to black that the game makes at a moment
// it knows in advance (the end of the hiding countdown, the end of the jump
// scare), so that those come as fades too.
void DrawGentleBlack(GameState& state, Drawing& drawing, int fadeBlack);

// The option turned on in the middle of play (the pause menu): each eased
// level starts from the light the game itself has on the screen now, so the
// gentle light takes over without a jump of its own and eases from there.
void TakeOverGentleLight(GameState& state);

// The option turned off: the jump scare's face, whose alpha the gentle light
// sets, is whole again (the game itself never changes it).
void LeaveGentleLight(Drawing& drawing);
