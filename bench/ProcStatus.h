#pragma once
// Reads a size line ("VmHWM:  123456 kB") from /proc/<pid>/status.

#include <cstdio>
#include <cstring>

// The value in kB, or -1 when the line is not there.
inline long ReadStatusKb(const char* field, const char* statusPath = "/proc/self/status") {
  std::FILE* file = std::fopen(statusPath, "r");
  if (!file) return -1;
  char line[256];
  long value = -1;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, file)) {
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
      std::sscanf(line + length + 1, "%ld", &value);
      break;
    }
  }
  std::fclose(file);
  return value;
}
