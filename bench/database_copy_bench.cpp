// Wall time of the settings page's backup and checked restore on a database of
// about 100 MB: the backup is one file copy; the restore copies the chosen file
// beside the database, opens it with the key and reads its accounts, keeps the
// current database in the backup folder and renames the copy into place.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "data_object.h"
#include "database_copies.h"
#include "sqlite_connection.h"

namespace {

double FileMegabytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return ((static_cast<double>(data.nFileSizeHigh) * 4294967296.0) + data.nFileSizeLow) / (1024.0 * 1024.0);
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void PrintRuns(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-34s median %8.1f ms   min %8.1f ms   max %8.1f ms\n", what, times[times.size() / 2] * 1000,
              times.front() * 1000, times.back() * 1000);
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "database_copy_bench\\";
  const std::string live = folder + "kx_jxc.db";
  const std::string backupDir = folder + "KXJXC_BAK\\";
  const std::string backup = folder + "backup.db";
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA(live.c_str());

  KXPData data;
  if (data.OpenDatabase(live.c_str()) != 0 || data.AddUser("老板", "") != 0) {
    std::printf("cannot make the database in %s\n", folder.c_str());
    return 1;
  }
  const double fillStart = Now();
  {
    CppSQLite3DB db;
    db.open(data.connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
    // 25,600 rows of 4,000 characters: 100 MB of pages to copy and key.
    db.execDML(
        "create table bench_fill(x text);"
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 25600) "
        "insert into bench_fill select hex(randomblob(2000)) from n;");
  }
  std::printf("database: %.1f MB, made in %.1f s\n", FileMegabytes(live), Now() - fillStart);

  const int runs = 5;
  std::vector<double> backups, restores;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    if (!shell::BackupDatabaseFile(Wide(live), Wide(backup))) {
      std::printf("backup failed\n");
      return 1;
    }
    backups.push_back(Now() - start);
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wSecond = static_cast<WORD>(i);  // one kept copy per run
    start = Now();
    if (shell::RestoreDatabaseFile(data, live, Wide(backup), backupDir, now) != shell::RestoreResult::kRestored) {
      std::printf("restore failed\n");
      return 1;
    }
    restores.push_back(Now() - start);
  }
  PrintRuns("backup (copy)", backups);
  PrintRuns("restore (copy, check, keep, swap)", restores);

  WIN32_FIND_DATAA found;
  for (const std::string& dir : {backupDir, folder}) {
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      DeleteFileA((dir + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(backupDir.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
