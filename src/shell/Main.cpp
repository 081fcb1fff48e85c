// Tarnwick's entry point: the command line, then the real window, keyboard and
// sound, handed to the program, whose frames the platform's frame loop runs.
#include <cstdio>
#include <memory>

#include "platform/FrameLoop.h"
#include "platform/RealSystem.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"

namespace {

// They outlive main in a browser, where the page's animation frames go on
// calling the program after main has returned.
std::unique_ptr<System> realSystem;
std::unique_ptr<ProgramRun> program;

}  // namespace

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
// The page's touch controls offer the Shift action only where it quits.
extern "C" EMSCRIPTEN_KEEPALIVE int tarnwick_shift_quits() { return program && program->ShiftQuits(); }
#endif

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
      return EndRun(2);  // a web page shows what was refused
    case LaunchAction::Play:
      break;
  }
  realSystem = MakeRealSystem(request.windowed ? WindowMode::Windowed : WindowMode::FullScreen);
  program = std::make_unique<ProgramRun>(*realSystem, request.options);
  if (!program->Start()) return EndRun(program->ExitStatus());
  return RunFrameLoop([] { return program->Step(); }, [] { return program->ExitStatus(); });
}
