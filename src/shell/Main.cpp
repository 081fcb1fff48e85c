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

namespace {

// They outlive main in a browser, where the page's animation frames go on
// calling the program after main has returned.
std::unique_ptr<SettingsStore> settingsStore;
std::unique_ptr<SettingsKeeper> settings;
std::unique_ptr<System> realSystem;
std::unique_ptr<ProgramRun> program;

}  // namespace

int main(int argc, char** argv) {
  settingsStore = MakeSettingsStore();
  const LaunchRequest request = ReadCommandLine(argc, argv);
  switch (request.action) {
    case LaunchAction::PrintHelp:
      std::fputs(UsageText(settingsStore->Place()).c_str(), stdout);
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
  GameOptions options = settings->Kept();
  if (request.options.Captions) options.Captions = true;
  if (request.options.ReduceFlashing) options.ReduceFlashing = true;
  if (request.windowed) options.FullScreen = false;
  realSystem = MakeRealSystem(options.FullScreen ? WindowMode::FullScreen : WindowMode::Windowed);
  program = std::make_unique<ProgramRun>(*realSystem, options, nullptr, settings.get());
  if (!program->Start()) return EndRun(program->ExitStatus());
  return RunFrameLoop([] { return program->Step(); }, [] { return program->ExitStatus(); });
}
