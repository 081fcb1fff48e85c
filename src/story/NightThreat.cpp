#include "story/NightThreat.h"

#include "core/Fades.h"
#include "core/Sixtieths.h"
#include "core/Views.h"

namespace {

constexpr float ThreatFloor = -12;     // end of the game over: back to the bedroom
constexpr float GameOverShowsAt = -4;  // the game-over picture comes out of the black
constexpr float DeathAt = 0;

// Inside the closet, sixtieths of a second counted from the nine-second mark:
// which view through the slats is seen, and when the creature is heard.
struct ClosetView {
  int firstFrame;
  int lastFrame;
  float x;
};

constexpr ClosetView ClosetViews[] = {
    {0, 5, -800},    // the second view
    {6, 80, -1600},  // the third: something tall in the doorway
    {81, 85, -800},
    {86, 90, 0},     // the room again, kept from then on
};

struct ClosetSound {
  int frame;
  const char* file;
};

constexpr ClosetSound ClosetSounds[] = {
    {150, ItWalkingInYourRoomFile},
    {450, CreepyYellFile},
    {500, WoodRunningFile},
};

constexpr int ClosetDialogueFrame = 800;

}  // namespace

void UpdateThreat(GameState& state, Audio& audio) {
  if (!state.ThreatActive) return;
  if (state.ThreatTimer >= ThreatFloor) state.ThreatTimer -= state.DeltaTime;

  if (state.ThreatTimer <= ThreatFloor) {
    // Wake again in the cabin bedroom and walk to bed; the countdown starts
    // anew when the bedtime thoughts end.
    state.FadeSpeed = 1000;
    state.SceneIndex = 81;
    StartFadeOut(state);
    state.ThreatActive = false;
    state.ThreatTimer = 7;
    state.DeathSoundPending = true;
    state.BackgroundTexture = CabinBedTexture;
    state.BackgroundRect = RoomView;
  } else if (state.ThreatTimer <= GameOverShowsAt) {
    state.SceneIndex = DeathScene;
    state.FadeSpeed = 50;
    StartFadeIn(state);
    state.GameOverShown = true;
  } else if (state.ThreatTimer <= DeathAt) {
    state.FadeAlpha = 255;
    if (state.DeathSoundPending) {
      audio.PlayOnce(HorrorDeathFile);
      state.DeathSoundPending = false;
    }
  }
}

namespace {

// One sixtieth of a second in the closet. The sequence is written in frames of
// a 60 Hz display, so it runs once per sixtieth whatever the display.
void ClosetSixtieth(GameState& state, Audio& audio, float seconds) {
  if (state.ClosetTimer >= -100) {
    state.ClosetTimer -= seconds;
    if (state.AnimationFrame == 0) {
      audio.PlayOnce(DoorOpenFile);
      state.AnimationFrame = 1;
    }
    if (state.AnimationFrame == 1 && state.ClosetTimer <= 5) {
      audio.PlayOnce(ItWalkingInYourRoomFile);
      audio.PlayOnce(MoansAndGroansFile);
      state.AnimationFrame = 2;
    }
  }

  if (state.ClosetTimer > 0) return;
  // From the nine-second mark on, counted in sixtieths.
  state.AnimationFrame += 1;
  for (const ClosetView& view : ClosetViews) {
    if (state.AnimationFrame >= view.firstFrame && state.AnimationFrame <= view.lastFrame) {
      state.BackgroundRect.x = view.x;
      return;
    }
  }
  for (const ClosetSound& sound : ClosetSounds) {
    if (state.AnimationFrame == sound.frame) {
      audio.PlayOnce(sound.file);
      state.AnimationFrame += 1;
      return;
    }
  }
  if (state.AnimationFrame == ClosetDialogueFrame) {
    state.DialogueActive = true;
    state.MessageIndex = 162;
  }
}

}  // namespace

void UpdateCloset(GameState& state, Audio& audio) {
  if (state.SceneIndex != 85) return;
  for (int i = 0; i < state.SixtiethsThisFrame; ++i) ClosetSixtieth(state, audio, SixtiethSeconds(state, i));
}
