// Speech on the web: the page's live region and the browser's voice.
#ifdef __EMSCRIPTEN__
#include "platform/SystemSpeech.h"

// Not reached yet: silent until the page's side is built.
std::unique_ptr<Speech> MakeSystemSpeech() { return std::make_unique<SilentSpeech>(); }
bool SystemScreenReaderRunning() { return false; }
#endif
