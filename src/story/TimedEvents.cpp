#include "story/TimedEvents.h"

#include "core/Fades.h"
#include "core/Views.h"

namespace {

void WakeUp(GameState& state, int scene, TextureId bed, int firstLine) {
  state.NextDayHold = false;
  state.BackgroundTexture = bed;
  state.SceneIndex = scene;
  state.BackgroundRect = RoomView;
  state.DialogueActive = true;
  state.MessageIndex = firstLine;
}

// The evening at home: five seconds of television, then black with the
// next-day card, counted from the moment the fade begins.
void TelevisionEvening(GameState& state, Audio& audio) {
  if (state.SceneIndex != 13 || !state.UseActive || state.UseReady) return;
  state.TelevisionTimer -= state.DeltaTime;
  if (state.TelevisionTimer < 0) {
    StartFadeOut(state);
    state.NextDayHold = true;
    audio.Stop(KittySongSound);
  }
}

// The next-day card, at home (scene 13) and after the first cabin night (scene 49).
void NextDay(GameState& state) {
  if (!state.NextDayHold) return;
  state.NextDayTimer -= state.DeltaTime;
  if (state.NextDayTimer >= 0) return;
  if (state.SceneIndex == 13)
    WakeUp(state, 14, HouseBedRoomBedTexture, 16);
  else if (state.SceneIndex == 49)
    WakeUp(state, 50, CabinBedTexture, 84);
}

// The cabin telephone rings five seconds into the television, and four
// seconds later the player notices. The timer is tested before it is lowered.
void Telephone(GameState& state, Audio& audio) {
  if (state.SceneIndex != 69) return;
  if (!state.PhoneRinging) {
    if (state.PhoneTimer > 0) {
      state.PhoneTimer -= state.DeltaTime;
    } else {
      state.PhoneTimer = 4.0f;
      audio.SetLooping(TelephoneSound);
      audio.Start(TelephoneSound);
      state.PhoneRinging = true;
      state.MessageIndex = 111;  // the box stays closed for now
    }
  }
  if (state.PhoneRinging) {
    if (state.PhoneTimer > 0)
      state.PhoneTimer -= state.DeltaTime;
    else if (state.MessageIndex != 117)  // once read, the thoughts do not come back
      state.DialogueActive = true;
  }
}

}  // namespace

void UpdateTimedEvents(GameState& state, Audio& audio) {
  TelevisionEvening(state, audio);
  NextDay(state);
  Telephone(state, audio);
}

void UpdateLightsOut(GameState& state, Audio& audio) {
  if (state.SceneIndex != 36) return;
  state.LightsOutTimer -= state.DeltaTime;
  if (state.LightsOutTimer < 0) {
    // Back from black at once; the fade's first step applies the bathroom's row.
    state.NightTint = 0;
    state.FadeAlpha = 255;
    StartFadeIn(state);
    audio.PlayOnce(HeheFile);
  }
}
