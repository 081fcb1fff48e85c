#pragma once
// What the command line asks of the program: to play (full screen, or in an
// ordinary window), to print its usage or its version, or nothing it knows.

#include <optional>
#include <string>

#include "core/GameOptions.h"

enum class LaunchAction { Play, PrintHelp, PrintVersion, Refuse };

struct LaunchRequest {
  LaunchAction action = LaunchAction::Play;
  bool windowed = false;
  // What the line asks of this run's options, where it asks anything (the
  // last of --captions and --no-captions given wins): over the kept settings.
  std::optional<bool> captions;
  std::optional<bool> reduceFlashing;
  std::optional<bool> speech;
  std::string error;  // one line, for Refuse
};

// Reads the arguments after the program's name, the GNU way: options take no
// argument ("--captions=yes" is refused as such), and "--" ends the options,
// after which every word is an operand, which the game takes none of. Any
// argument it does not take refuses the whole line, wherever it stands;
// otherwise --help (or -h) wins over --version, and both over playing.
LaunchRequest ReadCommandLine(int argc, const char* const* argv);

// This run's options: the kept settings, with what the command line asks on
// top (speech only where the line names it: else the kept choice, or the
// system's screen reader, decides).
GameOptions OptionsForRun(GameOptions kept, const LaunchRequest& request);

// The system --help speaks of: where the pictures and sounds are looked for
// is each system's own.
enum class UsageSystem { Linux, Windows };

// The usage with the keys, as --help prints it; `settingsPlace` is where the
// pause menu's settings are kept (empty: nowhere, they hold for the run).
std::string UsageText(const std::string& settingsPlace, UsageSystem system);
// What a refused command line prints on stderr: the error, and where to find
// the usage (not the usage itself: a typo gets two lines, not a page).
std::string RefusalText(const std::string& error);
// "tarnwick <version>"
std::string VersionText();
