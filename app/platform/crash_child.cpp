// A program that fails on purpose, for the crash dump test: with no argument it
// writes through a null pointer; with a hexadecimal code it raises that exception.
// With "--thread" the failure happens on a second thread; with "--two" two threads
// raise at the same moment, each with a code made of its own thread id.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "crash_dump.h"

namespace {

DWORD g_code = 0;

DWORD WINAPI Fail(void*) {
  if (g_code == 0) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
  }
  ::RaiseException(g_code, 0, 0, nullptr);
  return 0;
}

volatile LONG g_ready = 0;

// Waits until both threads stand at the start line, so that they fail together.
DWORD WINAPI FailTogether(void*) {
  ::InterlockedIncrement(&g_ready);
  while (g_ready < 2) {
  }
  ::RaiseException(0xE0000000u | (::GetCurrentThreadId() & 0xFFFFFFu), 0, 0, nullptr);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!shell::CrashDumpInstalled()) return 2;
  shell::SetCrashDumpMessages(false);
  bool onThread = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--two") == 0) {
      HANDLE threads[2];
      for (HANDLE& thread : threads) thread = ::CreateThread(nullptr, 0, &FailTogether, nullptr, 0, nullptr);
      // One of them ends the whole process; this wait never returns.
      ::WaitForMultipleObjects(2, threads, TRUE, INFINITE);
      return 3;
    }
    if (std::strcmp(argv[i], "--thread") == 0) {
      onThread = true;
    } else {
      g_code = static_cast<DWORD>(std::strtoul(argv[i], nullptr, 16));
    }
  }
  if (onThread) {
    HANDLE thread = ::CreateThread(nullptr, 0, &Fail, nullptr, 0, nullptr);
    // The failing thread ends the whole process; this wait never returns.
    ::WaitForSingleObject(thread, INFINITE);
    return 3;
  }
  Fail(nullptr);
  return 4;
}
