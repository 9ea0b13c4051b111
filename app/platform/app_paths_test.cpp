// Start-up paths (the backup folder beside the program's folder, or in the root for
// a program at a root; paths that do not fit or are not ANSI) and the daily backup.
#include "app_paths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(AppPaths, FoldersDatabaseAndBackupFolderFromTheProgramPath) {
  struct Case {
    const wchar_t* exe;
    const char* dir;
    const char* db;
    const char* backup;
  } cases[] = {
      {L"D:\\Apps\\Shop\\TarvelStock.exe", "D:\\Apps\\Shop\\", "D:\\Apps\\Shop\\kx_jxc.db", "D:\\Apps\\KXJXC_BAK\\"},
      {L"C:\\进销存\\TarvelStock.exe", "C:\\进销存\\", "C:\\进销存\\kx_jxc.db", "C:\\KXJXC_BAK\\"},
      // "乗" ends in the byte of a backslash in the ANSI code page.
      {L"D:\\Apps\\乗\\TarvelStock.exe", "D:\\Apps\\乗\\", "D:\\Apps\\乗\\kx_jxc.db", "D:\\Apps\\KXJXC_BAK\\"},
      {L"D:\\乗\\Shop\\TarvelStock.exe", "D:\\乗\\Shop\\", "D:\\乗\\Shop\\kx_jxc.db", "D:\\乗\\KXJXC_BAK\\"},
      {L"\\\\server\\share\\app\\TarvelStock.exe", "\\\\server\\share\\app\\", "\\\\server\\share\\app\\kx_jxc.db",
       "\\\\server\\share\\KXJXC_BAK\\"},
      // A root has no parent folder: the backup goes beside the program, never
      // into whatever folder the program was started from.
      {L"C:\\TarvelStock.exe", "C:\\", "C:\\kx_jxc.db", "C:\\KXJXC_BAK\\"},
      {L"\\\\server\\share\\TarvelStock.exe", "\\\\server\\share\\", "\\\\server\\share\\kx_jxc.db",
       "\\\\server\\share\\KXJXC_BAK\\"},
  };
  for (const Case& c : cases) {
    std::wstring error;
    ASSERT_TRUE(shell::InitPathsFrom(c.exe, &error));
    EXPECT_STREQ(c.dir, g_exeDir);
    EXPECT_STREQ(c.db, g_dbPath);
    EXPECT_STREQ(c.backup, g_backupDir) << c.exe;
  }
}

TEST(AppPaths, RefusesFoldersTheBuffersOrTheCodePageCannotHold) {
  const std::wstring longFolder = L"C:\\" + std::wstring(240, L'a') + L"\\TarvelStock.exe";
  const std::wstring thai = L"C:\\\u0e01\u0e02\\TarvelStock.exe";
  for (const std::wstring& exe : {longFolder, thai}) {
    std::wstring error;
    EXPECT_FALSE(shell::InitPathsFrom(exe, &error));
    EXPECT_NE(std::wstring::npos, error.find(exe)) << "the message names the path";
    EXPECT_STREQ("", g_dbPath);
  }
}

TEST(AppPaths, BackupNameIsTheUtcDate) {
  SYSTEMTIME date = {};
  date.wYear = 2024;
  date.wMonth = 3;
  date.wDay = 5;
  EXPECT_EQ("kx_jxc_20240305_auto.bak", shell::DailyBackupName(date));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(AppPaths, DailyBackupLiesBesideTheProgramFolderAndIsOverwrittenWithinTheDay) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string apps = std::string(temp) + "backup_test_" + std::to_string(::GetCurrentProcessId()) + "\\";
  const std::string shop = apps + "Shop\\";
  ::CreateDirectoryA(apps.c_str(), nullptr);
  ::CreateDirectoryA(shop.c_str(), nullptr);
  std::wstring error;
  ASSERT_TRUE(shell::InitPathsFrom(std::wstring(shop.begin(), shop.end()) + L"TarvelStock.exe", &error));

  shell::MakeDailyBackup();  // no database yet: nothing happens, nothing fails
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  const std::string backup = apps + "KXJXC_BAK\\" + shell::DailyBackupName(now);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(backup.c_str()));

  for (const char* content : {"first start", "second start"}) {
    std::ofstream(g_dbPath, std::ios::binary) << content;
    shell::MakeDailyBackup();
    EXPECT_EQ(content, ReadFile(backup));
  }
  ::DeleteFileA(backup.c_str());
  ::RemoveDirectoryA((apps + "KXJXC_BAK").c_str());
  ::DeleteFileA(g_dbPath);
  ::RemoveDirectoryA(shop.c_str());
  ::RemoveDirectoryA(apps.c_str());
}

// A program at the root of a drive backs up into that drive's KXJXC_BAK, whatever
// the current folder. The drive is C: of the tests' own Wine prefix.
TEST(AppPaths, DailyBackupOfAProgramAtADriveRootLiesOnThatDrive) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string elsewhere = std::string(temp) + "root_test_cwd_" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(elsewhere.c_str(), nullptr);
  char before[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, before);
  ASSERT_TRUE(::SetCurrentDirectoryA(elsewhere.c_str()));

  std::wstring error;
  ASSERT_TRUE(shell::InitPathsFrom(L"C:\\TarvelStock.exe", &error));
  ASSERT_STREQ("C:\\kx_jxc.db", g_dbPath);
  std::ofstream(g_dbPath, std::ios::binary) << "shop data";
  shell::MakeDailyBackup();
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  const std::string name = shell::DailyBackupName(now);
  EXPECT_EQ("shop data", ReadFile("C:\\KXJXC_BAK\\" + name));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((elsewhere + "\\KXJXC_BAK").c_str()))
      << "nothing lands in the current folder";

  ::SetCurrentDirectoryA(before);
  ::DeleteFileA(("C:\\KXJXC_BAK\\" + name).c_str());
  ::DeleteFileA((elsewhere + "\\KXJXC_BAK\\" + name).c_str());
  ::RemoveDirectoryA("C:\\KXJXC_BAK");
  ::RemoveDirectoryA((elsewhere + "\\KXJXC_BAK").c_str());
  ::DeleteFileA("C:\\kx_jxc.db");
  ::RemoveDirectoryA(elsewhere.c_str());
}

}  // namespace
