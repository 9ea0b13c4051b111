// Binding by name: the plug-in folder scan takes files only, and libraries that do
// not load or lack their export are dropped; a missing or foreign library, or one
// that hands out no object, is refused; the start-up failure text names the library.
#include "library_binding.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

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

}  // namespace
