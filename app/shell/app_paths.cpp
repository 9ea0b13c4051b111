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

}  // namespace

bool InitPathsFrom(const std::wstring& exePath, std::wstring* error) {
  g_exePath[0] = g_exeDir[0] = g_dbPath[0] = g_backupDir[0] = '\0';
  if (!IsAnsiRepresentable(exePath)) {
    if (error) *error = L"程序所在的文件夹名含有本系统代码页不能表示的字符，请将程序安装到其他文件夹:\n" + exePath;
    return false;
  }
  const std::string path = AnsiFromWide(exePath);
  const std::size_t slash = path.find_last_of('\\');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  // The parent folder: cut the trailing backslash, then cut after the new last one.
  std::string parent;
  if (folder.size() > 1) {
    const std::size_t up = folder.find_last_of('\\', folder.size() - 2);
    if (up != std::string::npos) parent = folder.substr(0, up + 1);
  }
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
