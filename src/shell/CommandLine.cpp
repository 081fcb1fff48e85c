#include "shell/CommandLine.h"

#include <string_view>

#ifndef TARNWICK_VERSION
#error "the build gives the game's version"
#endif

namespace {

// The options the game knows, none of which takes an argument.
constexpr std::string_view Options[] = {"--help", "-h", "--version", "--windowed", "--captions", "--no-captions",
                                        "--reduce-flashing", "--no-reduce-flashing", "--speech", "--no-speech"};

bool Known(std::string_view option) {
  for (std::string_view known : Options)
    if (option == known) return true;
  return false;
}

// The first word of a refused line, worded as GNU's tools word it.
std::string Refusal(std::string_view argument, bool optionsEnded) {
  const std::string quoted = "'" + std::string(argument) + "'";
  if (optionsEnded || !argument.starts_with("-") || argument == "-") return "unexpected argument " + quoted;
  const std::size_t equals = argument.find('=');
  if (argument.starts_with("--") && equals != std::string_view::npos && Known(argument.substr(0, equals)))
    return "option '" + std::string(argument.substr(0, equals)) + "' doesn't allow an argument";
  return "unknown option " + quoted;
}

}  // namespace

LaunchRequest ReadCommandLine(int argc, const char* const* argv) {
  LaunchRequest request;
  bool help = false;
  bool version = false;
  bool optionsEnded = false;  // after "--" every word is an operand, and the game takes none
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (optionsEnded || !Known(argument)) {
      request.action = LaunchAction::Refuse;
      request.error = Refusal(argument, optionsEnded);
      return request;
    } else if (argument == "--help" || argument == "-h") {
      help = true;
    } else if (argument == "--version") {
      version = true;
    } else if (argument == "--windowed") {
      request.windowed = true;
    } else if (argument == "--captions" || argument == "--no-captions") {
      request.captions = argument == "--captions";
    } else if (argument == "--reduce-flashing" || argument == "--no-reduce-flashing") {
      request.reduceFlashing = argument == "--reduce-flashing";
    } else if (argument == "--speech" || argument == "--no-speech") {
      request.speech = argument == "--speech";
    }
  }
  if (help)
    request.action = LaunchAction::PrintHelp;
  else if (version)
    request.action = LaunchAction::PrintVersion;
  return request;
}

GameOptions OptionsForRun(GameOptions kept, const LaunchRequest& request) {
  if (request.captions) kept.Captions = *request.captions;
  if (request.reduceFlashing) kept.ReduceFlashing = *request.reduceFlashing;
  if (request.speech) kept.Speech = *request.speech;
  if (request.windowed) kept.FullScreen = false;
  return kept;
}

std::string UsageText(const std::string& settingsPlace, UsageSystem system) {
  const std::string whereAssetsLie =
      system == UsageSystem::Windows
          ? "letterboxed to the display, and reads its pictures and sounds from the Assets\n"
            "folder in the working directory, or else from the one beside Tarnwick.exe.\n"
          : "letterboxed to the display, and reads its pictures and sounds from Assets/ in\n"
            "the working directory (the installed launcher starts it where they lie).\n";
  const std::string kept =
      settingsPlace.empty()
          ? "What is chosen in the pause menu holds for the run only: with no home folder\n"
            "there is nowhere to keep it.\n"
          : "What is chosen in the pause menu is kept for the next time, in\n"
            "  " + settingsPlace + "\n"
            "(one \"name = value\" a line: captions, reduce-flashing, volume, full-screen,\n"
            "speech).\n";
  return "Usage: tarnwick [--windowed] [--[no-]captions] [--[no-]reduce-flashing] [--[no-]speech]\n"
         "       tarnwick -h | --help | --version\n"
         "\n"
         "A short first-person horror adventure. It opens full screen, with the picture\n" +
         whereAssetsLie +
         "\n"
         "Options:\n"
         "  --windowed          play in an 800 by 600 window that can be resized\n"
         "  --captions          show words at the top right of the screen for the\n"
         "                      sounds that tell the story, while they play\n"
         "  --reduce-flashing   gentler light: the camera flash becomes a soft glow,\n"
         "                      and cuts to and from black, the jump scare's face\n"
         "                      and the dusk come at the pace of a fade\n"
         "  --speech            say aloud what the game shows, for a player who cannot\n"
         "                      see it: thoughts, places, prompts, cards and menus,\n"
         "                      through the system's speech service or screen reader\n"
         "                      (on by itself while a screen reader runs; V switches it)\n"
         "  --no-captions, --no-reduce-flashing, --no-speech\n"
         "                      without them this run, whatever the pause menu kept\n"
         "  -h, --help          print this help and exit\n"
         "  --version           print the version and exit\n"
         "\n"
         "Keys:\n"
         "  Arrow keys or W A S D   look around and walk\n"
         "  Return                  advance your thoughts, use what is in front of you,\n"
         "                          walk on through a door or path; press it fast to\n"
         "                          reel in a fish\n"
         "  W or Up, held           keep walking on the forest trails\n"
         "  Shift                   quit, on the title screen and on the closing screen\n"
         "  Escape                  pause: a menu to resume, turn captions, gentler\n"
         "                          flashes or speech on or off, set the volume, switch\n"
         "                          full screen, or quit (arrows and Return, or the mouse)\n"
         "  F11                     switch between full screen and a window\n"
         "  V                       speech on or off, at any moment\n"
         "  Space                   with speech: what is here, and which way it lies\n"
         "  Closing the window quits at any time.\n"
         "\n"
         "A gamepad plays as well, beside the keyboard: the D-pad or the left stick\n"
         "walks, the south button (A, cross) is Return, Back (Select) is Shift, and\n"
         "Start pauses; with speech, the west button (X, square) switches it and the\n"
         "north button (Y, triangle) says what is here.\n"
         "\n"
         + kept +
         "Options given on the command line hold for that run.\n"
         "\n"
         "Exit status: 0 after a quit, 1 when the game cannot start, 2 for a wrong\n"
         "command line.\n";
}

std::string RefusalText(const std::string& error) {
  return "tarnwick: " + error + "\nTry 'tarnwick --help' for more information.\n";
}

std::string VersionText() { return std::string("tarnwick ") + TARNWICK_VERSION + "\n"; }
