// Tarnwick's entry point: the command line, then the kept settings, the real
// window, keyboard and sound, handed to the program, whose frames the
// platform's frame loop runs.
#include <cstdio>
#include <memory>

#include "platform/FrameLoop.h"
#include "platform/RealSystem.h"
#include "platform/SettingsStore.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"
#include "shell/Settings.h"
#ifdef _WIN32
#include "platform/WindowsProgram.h"
#endif

namespace {

// They outlive main in a browser, where the page's animation frames go on
// calling the program after main has returned.
std::unique_ptr<SettingsStore> settingsStore;
std::unique_ptr<SettingsKeeper> settings;
std::unique_ptr<System> realSystem;
std::unique_ptr<ProgramRun> program;

#ifdef _WIN32
constexpr UsageSystem ThisSystem = UsageSystem::Windows;
#else
constexpr UsageSystem ThisSystem = UsageSystem::Linux;
#endif

}  // namespace

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
// The page's touch controls offer the Shift action only where it quits.
extern "C" EMSCRIPTEN_KEEPALIVE int tarnwick_shift_quits() { return program && program->ShiftQuits(); }
// While the pause menu is open, a tap on the picture points at its items.
extern "C" EMSCRIPTEN_KEEPALIVE int tarnwick_paused() { return program && program->Paused(); }
// On touch, the pad's Up stands for W while the game asks to hold it.
extern "C" EMSCRIPTEN_KEEPALIVE int tarnwick_asks_to_hold_up() { return program && program->AsksToHoldUp(); }
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // A windowed program with no console of its own: what it prints goes to
  // the terminal it was started from, if any; a double-click shows failures
  // in a box instead.
  const bool console = AttachParentConsole();
  UseAssetsBesideProgram();
#endif
  settingsStore = MakeSettingsStore();
  const LaunchRequest request = ReadCommandLine(argc, argv);
  switch (request.action) {
    case LaunchAction::PrintHelp:
      std::fputs(UsageText(settingsStore->Place(), ThisSystem).c_str(), stdout);
      return 0;
    case LaunchAction::PrintVersion:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case LaunchAction::Refuse:
      std::fputs(RefusalText(request.error).c_str(), stderr);
      return EndRun(2);  // a web page shows what was refused
    case LaunchAction::Play:
      break;
  }
  // The kept settings, with what the command line asks for on top, for this run.
  settings = std::make_unique<SettingsKeeper>(*settingsStore);
  GameOptions options = OptionsForRun(settings->Kept(), request);
  realSystem = MakeRealSystem(options.FullScreen ? WindowMode::FullScreen : WindowMode::Windowed);
  // A player whose screen reader runs hears the game from the start, unless
  // they turned speech off before.
  options.Speech = SpeechAtStart(request.speech, *settings, [] { return realSystem->ScreenReaderRunning(); });
#ifdef _WIN32
  realSystem = NotingStartFailures(std::move(realSystem));
#endif
  program = std::make_unique<ProgramRun>(*realSystem, options, nullptr, settings.get());
  if (!program->Start()) {
#ifdef _WIN32
    if (!console) ShowStartFailure();
#endif
    return EndRun(program->ExitStatus());
  }
  return RunFrameLoop([] { return program->Step(); }, [] { return program->ExitStatus(); });
}
