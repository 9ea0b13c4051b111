// The start-up trace file: opened on the first step, appended to and flushed per
// line so that a process that is killed still leaves what it reached.
#include "startup_trace.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace shell {
namespace {

ULONGLONG FileTimeMs(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return value.QuadPart / 10000;
}

// Null when tracing is off.
FILE* TraceFile() {
  static FILE* file = [] {
    const char* path = std::getenv("TARVEL_TRACE");
    return path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
  }();
  return file;
}

}  // namespace

void TraceStartup(const char* step) {
  FILE* file = TraceFile();
  if (file == nullptr) return;
  FILETIME created, exited, kernel, user, now;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  ::GetSystemTimeAsFileTime(&now);
  std::fprintf(file, "%8llu ms  %s\n", static_cast<unsigned long long>(FileTimeMs(now) - FileTimeMs(created)), step);
  std::fflush(file);
}

}  // namespace shell
