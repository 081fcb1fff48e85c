#pragma once
// What the game must do as a Windows program, and nowhere else. It is built as
// a windowed program, so that no console window opens beside it on a
// double-click; then its text reaches a terminal only through the console of
// the program that started it, and a failure at start must also be shown in a
// box, or a player who double-clicked sees nothing happen. And a shortcut may
// start it in any folder.
#ifdef _WIN32

#include <memory>

#include "platform/System.h"

// Attaches stdout and stderr to the console of the program that started this
// one, where there is one; output already redirected to a file or a pipe
// stays there. True when a console was attached.
bool AttachParentConsole();

// When the working directory has no Assets folder and the program's own
// folder has one, makes that folder the working directory: the game reads
// its pictures and sounds by relative paths. Never any other folder.
void UseAssetsBesideProgram();

// The real system, noting why a start fails (the game's one log line, or
// what could not be made) for ShowStartFailure.
std::unique_ptr<System> NotingStartFailures(std::unique_ptr<System> real);

// A message box telling why the game could not start.
void ShowStartFailure();

#endif
