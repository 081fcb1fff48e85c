#include "platform/WebPage.h"

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

#include "platform/ArrivingSounds.h"
#include "platform/SdlInput.h"

namespace {

SdlInput* pageKeys = nullptr;
ArrivingSounds* arrivals = nullptr;
bool toldWaiting = false;

}  // namespace

// Module.soundsToCome: the page's set of the paths it has still to send.
EM_JS(int, PageHasStillToSend, (const char* path), {
  return Module["soundsToCome"] && Module["soundsToCome"].has(UTF8ToString(path)) ? 1 : 0;
});

// Module.soundSeconds: how long each of those plays.
EM_JS(double, PageSaysSeconds, (const char* path), {
  const seconds = Module["soundSeconds"] && Module["soundSeconds"][UTF8ToString(path)];
  return seconds || 0;
});

EM_JS(void, TellPageWaitingForSound, (int waiting), {
  if (Module["onWaitingForSound"]) Module["onWaitingForSound"](!!waiting);
});

bool PageStillSends(const char* path) { return PageHasStillToSend(path) != 0; }
float PageSoundSeconds(const char* path) { return static_cast<float>(PageSaysSeconds(path)); }

void HandPageKeysTo(SdlInput* input) { pageKeys = input; }
void TellArrivalsTo(ArrivingSounds* sounds) { arrivals = sounds; }

bool FramesHeldForSounds() {
  const bool waiting = arrivals && arrivals->Waiting();
  if (waiting != toldWaiting) TellPageWaitingForSound(waiting);
  toldWaiting = waiting;
  return waiting;
}

// The page's touch controls: a key held (down 1) or let go (down 0), by
// SDL's scancode.
extern "C" EMSCRIPTEN_KEEPALIVE void tarnwick_page_key(int scancode, int down) {
  if (pageKeys) pageKeys->PressFromPage(scancode, down != 0);
}

// The page has written more sound files into the game's file system.
extern "C" EMSCRIPTEN_KEEPALIVE void tarnwick_files_arrived() {
  if (arrivals) arrivals->FilesArrived();
}

#endif
