// Start-up paths and the daily backup of the database.
#include "app_paths.h"

#include <cstdio>
#include <cstring>

#include "shell_utilities.h"
#include "text_conversion.h"

char g_exePath[kPathBufferSize];
char g_exeDir[kPathBufferSize];
char g_dbPath[kPathBufferSize];
char g_backupDir[kPathBufferSize];

namespace shell {
namespace {

bool Fits(const std::string& text) { return text.size() < static_cast<std::size_t>(kPathBufferSize); }

// The length of a path's root with its backslash (a drive, or a server and share
// name), 0 when the path has neither.
std::size_t RootLength(const std::wstring& path) {
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return 3;
  if (path.compare(0, 2, L"\\\\") != 0) return 0;
  const std::size_t server = path.find(L'\\', 2);
  if (server == std::wstring::npos) return 0;
  const std::size_t share = path.find(L'\\', server + 1);
  return share == std::wstring::npos ? 0 : share + 1;
}

}  // namespace

bool InitPathsFrom(const std::wstring& exePath, std::wstring* error) {
  g_exePath[0] = g_exeDir[0] = g_dbPath[0] = g_backupDir[0] = '\0';
  if (!IsAnsiRepresentable(exePath)) {
    if (error) *error = L"程序所在的文件夹名含有本系统代码页不能表示的字符，请将程序安装到其他文件夹:\n" + exePath;
    return false;
  }
  // Cut in wide text: in the ANSI code page a backslash byte can be the second
  // half of a Chinese character.
  const std::size_t slash = exePath.find_last_of(L'\\');
  const std::wstring wideFolder = slash == std::wstring::npos ? std::wstring() : exePath.substr(0, slash + 1);
  // The parent folder: cut the trailing backslash, then cut after the new last one.
  // A root has no parent: there the backup goes into the root itself, beside the
  // program, and never into whatever folder the program was started from.
  const std::size_t root = RootLength(wideFolder);
  std::wstring wideParent = wideFolder;
  if (wideFolder.size() > root) {
    const std::size_t up = wideFolder.find_last_of(L'\\', wideFolder.size() - 2);
    if (up != std::wstring::npos && up + 1 >= root) wideParent = wideFolder.substr(0, up + 1);
  }
  const std::string path = AnsiFromWide(exePath);
  const std::string folder = AnsiFromWide(wideFolder);
  const std::string parent = AnsiFromWide(wideParent);
  const std::string database = folder + "kx_jxc.db";
  const std::string backup = parent + "KXJXC_BAK\\";
  if (!Fits(path) || !Fits(database) || !Fits(backup)) {
    if (error) *error = L"程序所在的文件夹路径太长，请将程序安装到路径较短的文件夹:\n" + exePath;
    return false;
  }
  std::strcpy(g_exePath, path.c_str());
  std::strcpy(g_exeDir, folder.c_str());
  std::strcpy(g_dbPath, database.c_str());
  std::strcpy(g_backupDir, backup.c_str());
  return true;
}

bool InitPaths(std::wstring* error) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (got == 0) {
      if (error) *error = L"无法读取程序所在的路径";
      return false;
    }
    if (got < path.size()) {
      path.resize(got);
      break;
    }
    path.resize(path.size() * 2);
  }
  return InitPathsFrom(path, error);
}

std::wstring GetModuleDirectory() {
  static wchar_t folder[MAX_PATH] = {};
  static bool read = false;
  if (!read) {
    read = true;
    wchar_t path[MAX_PATH] = {};
    const DWORD got = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (got > 0 && got < MAX_PATH) {
      for (wchar_t* p = path; *p; ++p)
        if (*p == L'\\') *p = L'/';
      wchar_t* last = wcsrchr(path, L'/');
      if (last != nullptr) {
        last[1] = L'\0';
        wcscpy(folder, path);
      }
    }
  }
  return folder;
}

std::string DailyBackupName(const SYSTEMTIME& utcDate) {
  char name[128];
  std::snprintf(name, sizeof(name), "kx_jxc_%04d%02d%02d_auto.bak", utcDate.wYear, utcDate.wMonth, utcDate.wDay);
  return name;
}

void MakeDailyBackup() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  const std::string target = std::string(g_backupDir) + DailyBackupName(now);
  CreateDirectoryPath(g_backupDir);
  ::CopyFileA(g_dbPath, target.c_str(), FALSE);
}

}  // namespace shell
