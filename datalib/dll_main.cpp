// Datavane.dll's entry point and its one export.
#include <windows.h>

#include <new>

#include "data_object.h"

namespace {
KXPData* g_dataObject = nullptr;  // created on first request, never freed
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

extern "C" KXP_DATA_EXPORT KXPDatavane* GetKXPDataInstance() {
  if (!g_dataObject) g_dataObject = new (std::nothrow) KXPData();
  return g_dataObject;
}
