// Datavane.dll's entry point and its one export.
#include <windows.h>

#include "data_object.h"

namespace {
KXPData* g_dataObject = nullptr;  // created on first request, never freed
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

extern "C" KXP_DATA_EXPORT KXPDatavane* GetKXPDataInstance() {
  // Out of memory answers null, and the next call tries again; nothing may be
  // thrown across the C export.
  if (!g_dataObject) {
    try {
      g_dataObject = new KXPData();
    } catch (...) {
      return nullptr;
    }
  }
  return g_dataObject;
}
