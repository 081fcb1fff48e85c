#include "platform/SdlGamepads.h"

#include <algorithm>

namespace {

// How far the left stick must lean before it counts as a held arrow key:
// about a quarter of its travel, beyond the drift of a worn stick at rest.
constexpr Sint16 StickDeadZone = 8000;

SDL_JoystickID InstanceOf(SDL_GameController* pad) {
  return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

}  // namespace

std::vector<SDL_GameController*>::const_iterator SdlGamepads::Find(SDL_JoystickID instance) const {
  return std::find_if(pads_.begin(), pads_.end(), [&](SDL_GameController* pad) { return InstanceOf(pad) == instance; });
}

void SdlGamepads::Open(int deviceIndex) {
  if (Find(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != pads_.end()) return;
  if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) pads_.push_back(pad);
}

void SdlGamepads::Close(SDL_JoystickID instance) {
  const auto gone = Find(instance);
  if (gone == pads_.end()) return;
  SDL_GameControllerClose(*gone);
  pads_.erase(gone);
}

bool SdlGamepads::Attached(SDL_JoystickID instance) const {
  const auto pad = Find(instance);
  return pad != pads_.end() && SDL_GameControllerGetAttached(*pad);
}

void SdlGamepads::CloseAll() {
  for (SDL_GameController* pad : pads_) SDL_GameControllerClose(pad);
  pads_.clear();
}

void SdlGamepads::AddHeldKeys(std::array<Uint8, SDL_NUM_SCANCODES>& held) const {
  for (SDL_GameController* pad : pads_) {
    auto button = [pad](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(pad, b) != 0; };
    const Sint16 x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    const Sint16 y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);  // down is positive
    if (button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || x < -StickDeadZone) held[SDL_SCANCODE_LEFT] = 1;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || x > StickDeadZone) held[SDL_SCANCODE_RIGHT] = 1;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_UP) || y < -StickDeadZone) held[SDL_SCANCODE_UP] = 1;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || y > StickDeadZone) held[SDL_SCANCODE_DOWN] = 1;
    // Back, held, is the closing screen's Shift.
    if (button(SDL_CONTROLLER_BUTTON_BACK)) held[SDL_SCANCODE_LSHIFT] = 1;
  }
}
