// Prints the usage that --help prints on another system, where the settings
// are kept in PLACE:
//   tarnwick_usage linux|windows PLACE
#include <cstdio>
#include <string_view>

#include "shell/CommandLine.h"

int main(int argc, char** argv) {
  const std::string_view system = argc == 3 ? argv[1] : "";
  if (system != "linux" && system != "windows") {
    std::fputs("usage: tarnwick_usage linux|windows PLACE\n", stderr);
    return 2;
  }
  const UsageSystem which = system == "windows" ? UsageSystem::Windows : UsageSystem::Linux;
  std::fputs(UsageText(argv[2], which).c_str(), stdout);
  return 0;
}
