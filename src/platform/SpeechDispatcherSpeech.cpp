// Speech on Linux, through Speech Dispatcher.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include "platform/SystemSpeech.h"

// Not reached yet: silent until the connection is built.
std::unique_ptr<Speech> MakeSystemSpeech() { return std::make_unique<SilentSpeech>(); }
bool SystemScreenReaderRunning() { return false; }
#endif
