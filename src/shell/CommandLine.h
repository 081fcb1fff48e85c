#pragma once
// What the command line asks of the program: to play (full screen, or in an
// ordinary window), to print its usage or its version, or nothing it knows.

#include <optional>
#include <string>

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

// The usage with the keys, as --help prints it; `settingsPlace` is where the
// pause menu's settings are kept.
std::string UsageText(const std::string& settingsPlace);
// What a refused command line prints on stderr: the error, and where to find
// the usage (not the usage itself: a typo gets two lines, not a page).
std::string RefusalText(const std::string& error);
// "tarnwick <version>"
std::string VersionText();
