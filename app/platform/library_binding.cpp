// LoadLibrary/GetProcAddress binding of Datavane, KXXls and the plug-ins.
#include "library_binding.h"

#include "handle_scope.h"

#include <windows.h>

KXPDatavane* g_dataObject = nullptr;
XlsProc* g_xlsProc = nullptr;
std::vector<PluginEntry> g_plugins;

namespace shell {
namespace {

template <class Func>
Func BindExport(const wchar_t* dllName, const char* exportName) {
  HMODULE module = ::LoadLibraryW(dllName);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Func>(reinterpret_cast<void*>(::GetProcAddress(module, exportName)));
}

}  // namespace

bool BindDatavane(const wchar_t* dllName) {
  auto get = BindExport<GetKXPDataInstanceFunc>(dllName, "GetKXPDataInstance");
  if (get == nullptr) return false;
  g_dataObject = get();
  return g_dataObject != nullptr;
}

bool BindKXXls(const wchar_t* dllName) {
  auto get = BindExport<GetXlsProcInstanceFunc>(dllName, "GetXlsProcInstance");
  if (get == nullptr) return false;
  // A library that hands out no object is as good as missing: every export and
  // import would later call through null.
  g_xlsProc = get();
  return g_xlsProc != nullptr;
}

std::wstring LibraryFailureText(const wchar_t* dllName) {
  return std::wstring(L"加载程序库") + dllName + L"失败，重新安装，或联系厂商!";
}

void ScanPluginFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const FindScope search(::FindFirstFileA((folder + "\\*.*").c_str(), &found));
  if (!search.valid()) return;
  do {
    if (found.cFileName[0] == '.' || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    PluginEntry entry;
    entry.path = folder + "\\" + found.cFileName;
    g_plugins.push_back(entry);
  } while (::FindNextFileA(search.get(), &found));
}

void BindPlugins() {
  for (auto it = g_plugins.begin(); it != g_plugins.end();) {
    HMODULE module = ::LoadLibraryA(it->path.c_str());
    auto get = module == nullptr ? nullptr
                                 : reinterpret_cast<GetDllApiInstanceFunc>(
                                       reinterpret_cast<void*>(::GetProcAddress(module, "GetDllApiInstance")));
    DllApiInstance* object = get != nullptr ? get() : nullptr;
    if (object == nullptr) {
      it = g_plugins.erase(it);
      continue;
    }
    it->object = object;
    ++it;
  }
}

}  // namespace shell
