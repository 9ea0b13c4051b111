// The libraries the program binds by name at start-up: Datavane.dll (the data
// object), KXXls.dll (the spreadsheet object) and every plug-in of the "plugin"
// folder. None is ever freed; the objects live until the process ends.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"
#include "plugin_api.h"
#include "xls_proc.h"

struct PluginEntry {
  std::string path;
  DllApiInstance* object = nullptr;
  std::string tileName;
};

extern KXPDatavane* g_dataObject;
extern XlsProc* g_xlsProc;
extern std::vector<PluginEntry> g_plugins;

namespace shell {

// Each loads the library, looks up its export and asks it for its object; false
// when the library or its export is missing or the object is null.
bool BindDatavane(const wchar_t* dllName = L"Datavane.dll");
bool BindKXXls(const wchar_t* dllName = L"KXXls.dll");

// The "启动失败" text for a library that could not be bound.
std::wstring LibraryFailureText(const wchar_t* dllName);

// Appends one entry per file of the folder (not "." names, not folders).
void ScanPluginFolder(const std::string& folder);
// Loads every entry and asks it for its object; entries that fail are dropped.
void BindPlugins();

}  // namespace shell
