#pragma once
// What a player may turn on beside the game as it was made. Read once at
// start-up (from the command line, or from the choices on the web page) and
// never changed; with every option off the game draws and sounds as it always has.
struct GameOptions {
  bool Captions = false;        // words at the top of the screen for the sounds that tell the story
  bool ReduceFlashing = false;  // full-screen flashes and sudden changes softened
};
