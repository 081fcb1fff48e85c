#include "FakeSystem.h"

int FakeSystem::StepIndex(const std::string& step) const {
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (steps[i] == step) return static_cast<int>(i);
  return -1;
}

int FakeSystem::CountStepsStartingWith(const std::string& prefix) const {
  int count = 0;
  for (const std::string& step : steps)
    if (step.rfind(prefix, 0) == 0) ++count;
  return count;
}
