// A program that fails on purpose, for the crash dump test: with no argument it
// writes through a null pointer; with a hexadecimal code it raises that exception.
// With "--thread" the failure happens on a second thread.
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

}  // namespace

int main(int argc, char** argv) {
  if (!shell::CrashDumpInstalled()) return 2;
  shell::SetCrashDumpMessages(false);
  bool onThread = false;
  for (int i = 1; i < argc; ++i) {
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
