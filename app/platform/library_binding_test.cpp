// Binding by name: the plug-in folder scan takes files only, and libraries that do
// not load or lack their export are dropped; a missing or foreign library, or one
// that hands out no object, is refused; the start-up failure text names the library;
// a system call every target has is imported, not looked up.
#include "library_binding.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string OwnFolder() {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

TEST(LibraryBinding, PluginFolderKeepsOnlyLibrariesWithTheExport) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "plugin_scan_" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CreateDirectoryA((folder + "\\subfolder").c_str(), nullptr);
  std::ofstream(folder + "\\readme.txt") << "not a library";
  std::ofstream(folder + "\\.hidden") << "skipped by its name";
  ASSERT_TRUE(::CopyFileA((OwnFolder() + "libwinpthread-1.dll").c_str(), (folder + "\\other.dll").c_str(), FALSE));

  g_plugins.clear();
  shell::ScanPluginFolder(folder);
  ASSERT_EQ(2u, g_plugins.size()) << "files only, not folders or dot names";
  for (const PluginEntry& entry : g_plugins) {
    EXPECT_EQ(nullptr, entry.object);
    EXPECT_EQ(0u, entry.path.find(folder + "\\"));
  }
  shell::BindPlugins();
  EXPECT_TRUE(g_plugins.empty()) << "a text file and a library without GetDllApiInstance are dropped";

  shell::ScanPluginFolder(folder + "\\missing");
  EXPECT_TRUE(g_plugins.empty());

  ::DeleteFileA((folder + "\\readme.txt").c_str());
  ::DeleteFileA((folder + "\\.hidden").c_str());
  ::RemoveDirectoryA((folder + "\\subfolder").c_str());
  ::RemoveDirectoryA(folder.c_str());  // other.dll stays loaded, so the folder may stay
}

TEST(LibraryBinding, RefusesAMissingOrForeignDataLibrary) {
  EXPECT_FALSE(shell::BindDatavane(L"no_such_library.dll"));
  EXPECT_FALSE(shell::BindDatavane(L"libwinpthread-1.dll"));
  EXPECT_FALSE(shell::BindKXXls(L"no_such_library.dll"));
  EXPECT_EQ(L"加载程序库KXXls.dll失败，重新安装，或联系厂商!", shell::LibraryFailureText(L"KXXls.dll"));
}

// A library that has the export but hands out no object is as good as missing:
// every later export, import or data call would go through null.
TEST(LibraryBinding, RefusesALibraryThatHandsOutNoObject) {
  g_dataObject = nullptr;
  g_xlsProc = nullptr;
  EXPECT_FALSE(shell::BindKXXls(L"null_object_library.dll"));
  EXPECT_EQ(nullptr, g_xlsProc);
  EXPECT_FALSE(shell::BindDatavane(L"null_object_library.dll"));
  EXPECT_EQ(nullptr, g_dataObject);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "dll!Function" for every function a program imports by name, the library in
// lower case; read from the file, as the loader would.
std::set<std::string> ImportsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::set<std::string> imports;
  if (file.size() < sizeof(IMAGE_DOS_HEADER)) return imports;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(file.data() + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
  auto at = [&](DWORD rva) -> const char* {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
        return file.data() + s.PointerToRawData + (rva - s.VirtualAddress);
    }
    return nullptr;
  };
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(directory.VirtualAddress));
       entry != nullptr && entry->Name != 0; ++entry) {
    const std::string dll = Lower(at(entry->Name));
    const DWORD thunks = entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk;
    for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(at(thunks)); thunk && thunk->u1.AddressOfData;
         ++thunk) {
      if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(at(static_cast<DWORD>(thunk->u1.AddressOfData)));
      if (byName != nullptr) imports.insert(dll + "!" + reinterpret_cast<const char*>(byName->Name));
    }
  }
  return imports;
}

// What every system the program runs on has is bound when the program loads, not
// looked up while it runs.
TEST(LibraryBinding, TheMessageFilterIsBoundAtLoadTime) {
  const std::set<std::string> imports = ImportsOf(OwnFolder() + "TarvelStock.exe");
  ASSERT_TRUE(imports.count("kernel32.dll!GetModuleFileNameW")) << "the program's imports were read";
  EXPECT_TRUE(imports.count("user32.dll!ChangeWindowMessageFilter"));
}

}  // namespace
