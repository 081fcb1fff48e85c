#pragma once
// Gamepads, through SDL 2's game-controller mappings: any pad SDL knows
// reports its buttons by position (south, back, D-pad...), whatever its make.
// They play as the keyboard does: the D-pad and the left stick are held arrow
// keys, Back held is a held Shift. Pads come and go while the game runs.

#include <SDL.h>

#include <array>
#include <vector>

class SdlGamepads {
 public:
  // A pad announced by SDL (`deviceIndex` as SDL_CONTROLLERDEVICEADDED gives
  // it); one already open is not opened twice.
  void Open(int deviceIndex);
  // A pad unplugged (`instance` as SDL_CONTROLLERDEVICEREMOVED gives it).
  void Close(SDL_JoystickID instance);
  void CloseAll();
  // The pad is open and still plugged in.
  bool Attached(SDL_JoystickID instance) const;

  // Marks in a keyboard snapshot (by scancode) the arrow keys and the Shift
  // that any open pad holds now.
  void AddHeldKeys(std::array<Uint8, SDL_NUM_SCANCODES>& held) const;

 private:
  std::vector<SDL_GameController*>::const_iterator Find(SDL_JoystickID instance) const;

  std::vector<SDL_GameController*> pads_;
};
