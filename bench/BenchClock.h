#pragma once
// Clocks for the benchmarks. CLOCK_MONOTONIC is shared by every process on the
// machine, so a time taken by one process can be compared with another's.

#include <time.h>

#include <cstdint>

inline std::int64_t ReadClockNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

inline std::int64_t MonotonicNs() { return ReadClockNs(CLOCK_MONOTONIC); }

// CPU time spent by the calling thread alone. WebAssembly has no CPU clock,
// and Windows counts a thread's in scheduler ticks: there the monotonic clock
// stands in, which on one thread, on an idle machine, counts the same.
#if defined(__EMSCRIPTEN__) || defined(_WIN32)
inline std::int64_t ThreadCpuNs() { return ReadClockNs(CLOCK_MONOTONIC); }
#else
inline std::int64_t ThreadCpuNs() { return ReadClockNs(CLOCK_THREAD_CPUTIME_ID); }
#endif

inline double NsToMs(std::int64_t ns) { return static_cast<double>(ns) / 1e6; }
inline double NsToUs(std::int64_t ns) { return static_cast<double>(ns) / 1e3; }
