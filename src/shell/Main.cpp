// Tarnwick's entry point: the real window, keyboard and sound, handed to the program.
#include <memory>

#include "platform/RealSystem.h"
#include "shell/Program.h"

int main(int, char**) {
  const std::unique_ptr<System> system = MakeRealSystem();
  return RunProgram(*system);
}
