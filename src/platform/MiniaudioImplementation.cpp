// miniaudio is a single-header library: its implementation is compiled here,
// once, and nowhere else.
#define MINIAUDIO_IMPLEMENTATION
#include <miniaudio.h>
