#pragma once
// What happens when, scene by scene: the story is played at 60 Hz by a player
// who keeps to a timetable (each press a whole number of half seconds after
// what it answers first showed), and the game is saved as each scene begins.
// Each scene can then be played again from there, on any display, by the same
// player, and what happens in it recorded in game seconds from its start, so
// the same scene on different displays can be laid side by side.

#include <memory>
#include <string>
#include <vector>

#include "Player.h"
#include "Playthrough.h"
#include "core/GameState.h"

struct TimelineEvent {
  double seconds;  // game time from the start of the scene, of the frame it was seen in
  // What happened: "scene 19", "line HELLO...?", "play Assets/Audio/Hehe.mp3",
  // "start BirdsSound", "fade ends", "black gone", "tint gone", "flash on",
  // "view x -1600" (the closet, the creature, the drive away).
  std::string what;
  int occurrence;  // 1 for the first event of this name in the scene, 2 for the second...
  bool byInput;    // seen in a frame whose input the player had just changed
};

class PacedPlayer;

// The game and the player as a scene began, in a 60 Hz play-through.
struct SceneStart {
  GameState state;
  std::shared_ptr<const PacedPlayer> player;
  int scene;
  std::vector<bool> playing;  // the persistent sounds playing then
};

// The whole story at 60 Hz; empty if it did not reach a closing screen.
std::vector<SceneStart> PlayAndSaveEachScene(PlayerPlan plan);

// One scene played again from its start until the scene changes (or the game
// ends), on the given frames; `seed` seeds the random draws from the start.
std::vector<TimelineEvent> RecordScene(const SceneStart& start, FrameSchedule schedule, unsigned seed);
