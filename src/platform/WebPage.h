#pragma once
// What the web page and the game hand each other beyond the canvas and the
// keyboard: the page's touch controls press keys through the platform, the
// page says which sound files are still on their way and when some arrive,
// and the platform tells the page while the game waits for one.

#ifdef __EMSCRIPTEN__

class ArrivingSounds;
class SdlInput;

// Whether the page still has that file to send (it streams most sounds in
// while the game plays).
bool PageStillSends(const char* path);
// How long a file the page still has to send plays, as the page knows it
// (from the file's own header, read as the site was packed); 0 if it does not.
float PageSoundSeconds(const char* path);

// Where the page's keys and arrivals go; null lets go.
void HandPageKeysTo(SdlInput* input);
void TellArrivalsTo(ArrivingSounds* sounds);

// The game asked for a sound that has not arrived: no frame runs until it
// has, and the page shows its loading bar meanwhile.
bool FramesHeldForSounds();

#endif
