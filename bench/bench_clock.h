// The benchmarks' clocks: seconds from the performance counter, for differences
// between two readings, and the processor time the calling thread has used.
#pragma once

#include <windows.h>

inline double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// The processor time this thread has used, in milliseconds: on a busy machine the
// clock counts the other programs' turns too. Windows counts it in ticks of the
// scheduler (about 10-16 ms), so short spans read 0 or one tick.
inline double ThreadMilliseconds() {
  FILETIME created, ended, kernel, user;
  if (!::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}
