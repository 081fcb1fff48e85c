#pragma once
// The speech of the system the game runs on (one file of this folder each):
// Speech Dispatcher on Linux (SpeechDispatcherSpeech.cpp), SAPI 5 on Windows
// (WindowsSpeech.cpp), the page's live region and the browser's voice on the
// web (WebSpeech.cpp).

#include <memory>

#include "platform/Speech.h"

// Made at start-up; it reaches the service only when it first has something
// to say, so a player who never turns speech on never connects.
std::unique_ptr<Speech> MakeSystemSpeech();

// Whether the system says that a screen reader is running now (Windows'
// SPI_GETSCREENREADER; on Linux the accessibility bus's ScreenReaderEnabled,
// asked in AccessibilityBus.cpp):
// speech then starts on by itself, unless the player turned it off.
bool SystemScreenReaderRunning();
