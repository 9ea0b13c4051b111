// A stand-in DBGHELP.DLL whose dump writer fails inside itself, as a writer that
// meets a broken process would: it writes through a null pointer. The crash dump
// test puts it beside a copy of the faulting program.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI MiniDumpWriteDump(HANDLE, DWORD, HANDLE, int, void*, void*, void*) {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
  return FALSE;
}
