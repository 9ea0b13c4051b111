// What the benchmarks that build lists in a window set up first: the data library
// loaded from beside the program on a database of their own, and the program's skin
// taken from the benchmark's own resource 105.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/paint_manager.h"
#include "kxp_data.h"

// Datavane.dll from beside the program with that database open, or null.
inline KXPDatavane* OpenBenchLibrary(const std::string& path) {
  HMODULE library = ::LoadLibraryW(L"Datavane.dll");
  auto get = library != nullptr
                 ? reinterpret_cast<GetKXPDataInstanceFunc>(::GetProcAddress(library, "GetKXPDataInstance"))
                 : nullptr;
  KXPDatavane* data = get != nullptr ? get() : nullptr;
  if (data == nullptr || data->OpenDatabase(path.c_str()) != 0) return nullptr;
  return data;
}

// Hands the skin archive of resource 105 to the framework; false when it is missing.
// The bytes stay in *skin, which must outlive the windows.
inline bool UseBenchSkin(std::vector<BYTE>* skin) {
  HINSTANCE self = ::GetModuleHandleW(nullptr);
  SkinUI::CPaintManagerUI::SetInstance(self);
  HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(105), L"ZIPRES");
  if (found == nullptr) return false;
  const BYTE* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(self, found)));
  skin->assign(bytes, bytes + ::SizeofResource(self, found));
  SkinUI::CPaintManagerUI::SetResourceZip(skin->data(), static_cast<int>(skin->size()));
  return true;
}
