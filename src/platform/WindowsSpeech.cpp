// Speech on Windows, through SAPI 5.
#ifdef _WIN32
#include "platform/SystemSpeech.h"

// Not reached yet: silent until the voice is built.
std::unique_ptr<Speech> MakeSystemSpeech() { return std::make_unique<SilentSpeech>(); }
bool SystemScreenReaderRunning() { return false; }
#endif
