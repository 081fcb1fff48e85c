#include "platform/FrameLoop.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include "platform/WebPage.h"

namespace {

FrameStep webFrame = nullptr;
ExitStatusOf webExitStatus = nullptr;
int framesRun = 0;

void WebAnimationFrame() {
  // The game stands still while it waits for a sound file: the frame clock's
  // clamp keeps its first frame after from jumping over the wait.
  if (FramesHeldForSounds()) return;
  ++framesRun;
  if (webFrame()) return;
  emscripten_cancel_main_loop();
  EndRun(webExitStatus());
}

}  // namespace

// How many frames have run: for the page's tests and measurements.
extern "C" EMSCRIPTEN_KEEPALIVE int tarnwick_frames_run() { return framesRun; }

// The web page's hook: Module.onGameEnded(status), when the page has set one.
EM_JS(void, TellPageTheGameEnded, (int status), {
  if (Module["onGameEnded"]) Module["onGameEnded"](status);
});

int RunFrameLoop(FrameStep frame, ExitStatusOf exitStatus) {
  webFrame = frame;
  webExitStatus = exitStatus;
  // 0 frames per second: the browser's own animation frames, at the
  // display's rate, paused while the tab is hidden. The loop is not
  // simulated as infinite, so main returns to the page now.
  emscripten_set_main_loop(WebAnimationFrame, 0, 0);
  return 0;
}

int EndRun(int status) {
  TellPageTheGameEnded(status);
  return status;
}

#else

int RunFrameLoop(FrameStep frame, ExitStatusOf exitStatus) {
  while (frame()) {
  }
  return EndRun(exitStatus());
}

int EndRun(int status) { return status; }

#endif
