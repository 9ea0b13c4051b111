// Backup and checked restore of the database file (see database_copies.h).
#include "database_copies.h"

#include <cwchar>
#include <vector>

#include "handle_scope.h"
#include "shell_utilities.h"
#include "text_conversion.h"

namespace shell {
namespace {

// What SQLite keeps beside a database file. A journal left beside the live path
// would be played into whatever file has that name at the next open, so a
// replaced database must not keep the old one's.
const wchar_t* const kJournalSuffixes[] = {L"-journal", L"-wal", L"-shm"};

// Two names of one file (another spelling, a link): a copy onto itself would
// empty it.
bool SameFile(const std::wstring& a, const std::wstring& b) {
  auto identify = [](const std::wstring& path, BY_HANDLE_FILE_INFORMATION* info) {
    HandleScope file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && ::GetFileInformationByHandle(file.get(), info) != FALSE;
  };
  BY_HANDLE_FILE_INFORMATION ia = {}, ib = {};
  if (!identify(a, &ia) || !identify(b, &ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
         ia.nFileIndexLow == ib.nFileIndexLow;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// -1 when the file cannot be read.
long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void DeleteWithJournals(const std::wstring& path) {
  ::DeleteFileW(path.c_str());
  for (const wchar_t* suffix : kJournalSuffixes) ::DeleteFileW((path + suffix).c_str());
}

// Points the data object back at the live database when the restore ends, however
// it ends: until then every data call would go to the copy under test.
class LiveDatabaseBack {
 public:
  LiveDatabaseBack(KXPDatavane& data, const std::string& database) : data_(data), database_(database) {}
  LiveDatabaseBack(const LiveDatabaseBack&) = delete;
  LiveDatabaseBack& operator=(const LiveDatabaseBack&) = delete;
  ~LiveDatabaseBack() { data_.OpenDatabase(database_.c_str()); }

 private:
  KXPDatavane& data_;
  std::string database_;
};

// The copy beside the live file that a restore checks; removed again unless it
// became the live file.
class RestoreCandidate {
 public:
  explicit RestoreCandidate(std::wstring path) : path_(std::move(path)) { DeleteWithJournals(path_); }
  RestoreCandidate(const RestoreCandidate&) = delete;
  RestoreCandidate& operator=(const RestoreCandidate&) = delete;
  ~RestoreCandidate() {
    if (!taken_) DeleteWithJournals(path_);
  }
  const std::wstring& path() const { return path_; }
  void Taken() { taken_ = true; }

 private:
  std::wstring path_;
  bool taken_ = false;
};

// The file as it lies on disk, with whatever journal lies beside it, so that the
// kept copy is what SQLite itself would have opened.
bool KeepWithJournals(const std::wstring& from, const std::wstring& to) {
  if (!::CopyFileW(from.c_str(), to.c_str(), FALSE)) return false;
  for (const wchar_t* suffix : kJournalSuffixes) {
    const std::wstring journal = from + suffix;
    if (Exists(journal) && !::CopyFileW(journal.c_str(), (to + suffix).c_str(), FALSE)) return false;
  }
  return true;
}

}  // namespace

std::wstring DefaultBackupFileName(const SYSTEMTIME& localDate) {
  wchar_t name[40];
  std::swprintf(name, 40, L"%04d-%02d-%02dbak.db", localDate.wYear, localDate.wMonth, localDate.wDay);
  return name;
}

bool BackupDatabaseFile(const std::wstring& database, const std::wstring& target) {
  if (target.empty() || SameFile(database, target)) return false;
  return ::CopyFileW(database.c_str(), target.c_str(), FALSE) != FALSE;
}

std::string BeforeRestoreCopyName(const SYSTEMTIME& t) {
  char name[64];
  std::snprintf(name, sizeof(name), "kx_jxc_%04d%02d%02d_%02d%02d%02d_before_restore.bak", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond);
  return name;
}

RestoreResult RestoreDatabaseFile(KXPDatavane& data, const std::string& database, const std::wstring& source,
                                  const std::string& backupDir, const SYSTEMTIME& localTime) {
  const std::wstring live = WideFromAnsi(database);
  LiveDatabaseBack back(data, database);
  RestoreCandidate candidate(live + L".restoring");

  if (!::CopyFileW(source.c_str(), candidate.path().c_str(), FALSE)) return RestoreResult::kSourceUnreadable;
  const long long size = FileSize(candidate.path());
  if (size < 0) return RestoreResult::kSourceUnreadable;
  // An empty file would open as a new database and be given the tables.
  if (size == 0) return RestoreResult::kSourceEmpty;
  if (data.OpenDatabase(AnsiFromWide(candidate.path()).c_str()) != 0) return RestoreResult::kNotOurDatabase;
  std::vector<std::string> accounts;
  if (data.GetUserNames(&accounts) != 0) return RestoreResult::kNotOurDatabase;
  if (accounts.empty()) return RestoreResult::kNoAccounts;

  if (Exists(live)) {
    CreateDirectoryPath(backupDir.c_str());
    const std::wstring kept = WideFromAnsi(backupDir + BeforeRestoreCopyName(localTime));
    if (!KeepWithJournals(live, kept)) return RestoreResult::kCurrentNotKept;
  }
  // One rename on one volume: the live name holds either the old file or the new.
  if (!::MoveFileExW(candidate.path().c_str(), live.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return RestoreResult::kNotReplaced;
  candidate.Taken();
  for (const wchar_t* suffix : kJournalSuffixes) ::DeleteFileW((live + suffix).c_str());
  // The check opened the copy under its own name; any journal it left went with
  // that name and is gone with the candidate's.
  for (const wchar_t* suffix : kJournalSuffixes) ::DeleteFileW((candidate.path() + suffix).c_str());
  return RestoreResult::kRestored;
}

}  // namespace shell
