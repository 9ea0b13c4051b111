// KXXls.dll's entry point and its one export.
#include <windows.h>

#include <new>

#include "book_table.h"

namespace {
XlsProc* g_xlsProc = nullptr;  // created on first request, never freed
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

extern "C" KXXLS_EXPORT XlsProc* GetXlsProcInstance() {
  // Out of memory answers null and the next call tries again; nothing may be
  // thrown across the C export.
  if (!g_xlsProc) {
    try {
      g_xlsProc = CreateBookTable().release();
    } catch (...) {
      return nullptr;
    }
  }
  return g_xlsProc;
}
