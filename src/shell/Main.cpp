// Tarnwick's entry point: the command line, then the real window, keyboard and
// sound, handed to the program.
#include <cstdio>
#include <memory>

#include "platform/RealSystem.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"

int main(int argc, char** argv) {
  const LaunchRequest request = ReadCommandLine(argc, argv);
  switch (request.action) {
    case LaunchAction::PrintHelp:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case LaunchAction::PrintVersion:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case LaunchAction::Refuse:
      std::fputs(RefusalText(request.error).c_str(), stderr);
      return 2;
    case LaunchAction::Play:
      break;
  }
  const std::unique_ptr<System> system =
      MakeRealSystem(request.windowed ? WindowMode::Windowed : WindowMode::FullScreen);
  return RunProgram(*system);
}
