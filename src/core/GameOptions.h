#pragma once
// What a player may choose beside the game as it was made: set at start-up
// (from the kept settings, the command line or the choices on the web page),
// and changed during play in the pause menu. The captions layer and the gentle
// light follow it from the next frame. At its defaults the game draws and
// sounds as it always has.
struct GameOptions {
  bool Captions = false;        // words at the top of the screen for the sounds that tell the story
  bool ReduceFlashing = false;  // full-screen flashes and sudden changes softened
  int VolumePercent = 100;      // of the game's own master volume, 0 to 100 in steps of 10
  bool FullScreen = true;       // the window on the whole display (F11 switches it too)
  bool Speech = false;          // for a player who cannot see: the game says what it shows (V switches it too)
};

inline constexpr int VolumeStepPercent = 10;
