// Backup and checked restore of the database file, on real keyed database files:
// a backup is the database byte for byte; a good backup restores and the replaced
// database is kept; files that are not the program's database are refused and
// leave the live file and the data object's path as they were; a hot journal left
// beside the live file is not played into the restored one.
#include "database_copies.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data_object.h"
#include "sqlite_connection.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Reads a file another connection holds open for writing.
std::string ReadShared(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes;
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD got = 0;
  while (::ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  ::CloseHandle(file);
  return bytes;
}

// A shop folder of its own: the live database with its accounts, a backup folder,
// and the program's data object opened on the live file.
class RestoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = ::testing::TempDir() + "restore_" + info->name() + "\\";
    live_ = folder_ + "kx_jxc.db";
    backupDir_ = folder_ + "KXJXC_BAK\\";
    Clean();
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    MakeDatabase(live_, {"老板", "营业员", "现在的账号"});
    ASSERT_EQ(0, data_.OpenDatabase(live_.c_str()));
    ::GetLocalTime(&now_);
  }
  void TearDown() override { Clean(); }

  void Clean() {
    WIN32_FIND_DATAA found;
    for (const std::string& dir : {backupDir_, folder_}) {
      HANDLE search = ::FindFirstFileA((dir + "*").c_str(), &found);
      if (search == INVALID_HANDLE_VALUE) continue;
      do {
        ::DeleteFileA((dir + found.cFileName).c_str());
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(backupDir_.c_str());
    ::RemoveDirectoryA(folder_.c_str());
  }

  // A database of the program with these accounts, made through a data object of
  // its own.
  static void MakeDatabase(const std::string& path, const std::vector<const char*>& accounts) {
    ::DeleteFileA(path.c_str());
    KXPData data;
    ASSERT_EQ(0, data.OpenDatabase(path.c_str()));
    for (const char* account : accounts) ASSERT_EQ(0, data.AddUser(account, ""));
  }

  // The accounts the program's data object sees now, sorted.
  std::vector<std::string> Accounts() {
    std::vector<std::string> names;
    data_.GetUserNames(&names);
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  shell::RestoreResult Restore(const std::string& source) {
    return shell::RestoreDatabaseFile(data_, live_, std::wstring(source.begin(), source.end()), backupDir_, now_);
  }

  std::string folder_;
  std::string live_;
  std::string backupDir_;
  SYSTEMTIME now_;
  KXPData data_;
};

TEST(DatabaseCopies, DefaultBackupNameIsTheLocalDate) {
  SYSTEMTIME day = {};
  day.wYear = 2026;
  day.wMonth = 3;
  day.wDay = 9;
  EXPECT_EQ(L"2026-03-09bak.db", shell::DefaultBackupFileName(day));
}

TEST_F(RestoreTest, TheBackupIsTheDatabaseAndNeverItself) {
  const std::string target = folder_ + "2026-03-09bak.db";
  Write(target, "an older file of that name");
  ASSERT_TRUE(
      shell::BackupDatabaseFile(std::wstring(live_.begin(), live_.end()), std::wstring(target.begin(), target.end())));
  EXPECT_EQ(Read(live_), Read(target));

  // The database as its own target, under another spelling of its name.
  const std::string before = Read(live_);
  std::string other = live_;
  std::transform(other.begin(), other.end(), other.begin(), ::toupper);
  EXPECT_FALSE(
      shell::BackupDatabaseFile(std::wstring(live_.begin(), live_.end()), std::wstring(other.begin(), other.end())));
  EXPECT_EQ(before, Read(live_));
  // A folder that does not exist.
  const std::string nowhere = folder_ + "no such folder\\x.db";
  EXPECT_FALSE(shell::BackupDatabaseFile(std::wstring(live_.begin(), live_.end()),
                                         std::wstring(nowhere.begin(), nowhere.end())));
}

TEST_F(RestoreTest, AGoodBackupRestoresAndTheReplacedDatabaseIsKept) {
  const std::string backup = folder_ + "saved.db";
  MakeDatabase(backup, {"老板", "备份里的账号"});
  const std::string backupBytes = Read(backup);
  const std::string liveBytes = Read(live_);

  ASSERT_EQ(shell::RestoreResult::kRestored, Restore(backup));
  EXPECT_EQ(Sorted({"老板", "备份里的账号"}), Accounts());
  EXPECT_EQ(backupBytes, Read(backup)) << "the chosen file itself is only read";
  EXPECT_EQ(liveBytes, Read(backupDir_ + shell::BeforeRestoreCopyName(now_)));
  EXPECT_FALSE(Exists(live_ + ".restoring"));
  // The restored file goes on working as the live database.
  EXPECT_EQ(0, data_.AddUser("恢复后新增", ""));
  EXPECT_EQ(3u, Accounts().size());
}

TEST_F(RestoreTest, FilesThatAreNotTheProgramsDatabaseAreRefused) {
  const std::string otherKey = folder_ + "other_key.db";
  {
    CppSQLite3DB db;
    ConnectionSettings settings;
    settings.path = otherKey;
    settings.key = "another key";
    db.open(settings, CppSQLite3DB::Locking::kPerTransaction);
    db.execDML(
        "create table J4_Sys_User(name text primary key, pwd text, email text, question text, answer text);"
        "insert into J4_Sys_User values('老板','','','','');");
  }
  const std::string noAccounts = folder_ + "no_accounts.db";
  MakeDatabase(noAccounts, {});
  std::string random(70000, '\0');
  for (size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 2654435761u) >> 13);
  Write(folder_ + "random.db", random);
  Write(folder_ + "empty.db", "");
  Write(folder_ + "text.db", "SQLite format 3\nbut only text");

  struct Case {
    const char* file;
    shell::RestoreResult result;
  } cases[] = {
      {"empty.db", shell::RestoreResult::kSourceEmpty},      {"random.db", shell::RestoreResult::kNotOurDatabase},
      {"text.db", shell::RestoreResult::kNotOurDatabase},    {"other_key.db", shell::RestoreResult::kNotOurDatabase},
      {"no_accounts.db", shell::RestoreResult::kNoAccounts}, {"missing.db", shell::RestoreResult::kSourceUnreadable},
  };
  const std::string liveBytes = Read(live_);
  const std::vector<std::string> accounts = Accounts();
  for (const Case& c : cases) {
    const std::string source = folder_ + c.file;
    const std::string sourceBytes = Read(source);
    EXPECT_EQ(c.result, Restore(source)) << c.file;
    EXPECT_EQ(liveBytes, Read(live_)) << c.file;
    EXPECT_EQ(accounts, Accounts()) << c.file << ": the data object is back on the live file";
    EXPECT_EQ(sourceBytes, Read(source)) << c.file;
    EXPECT_FALSE(Exists(live_ + ".restoring")) << c.file;
    EXPECT_FALSE(Exists(backupDir_ + shell::BeforeRestoreCopyName(now_))) << c.file;
  }
}

// A crash in the middle of a write leaves a hot journal beside the live file.
// After a restore that journal belongs to a file that is gone: played into the
// restored file it would write the old database's pages over the new one's.
TEST_F(RestoreTest, AHotJournalBesideTheLiveFileIsNotPlayedIntoTheRestoredOne) {
  const std::string backup = folder_ + "saved.db";
  MakeDatabase(backup, {"老板", "备份里的账号"});
  {
    // A write that has spilled into the file but not committed: copy the file and
    // its journal as a crash would leave them.
    CppSQLite3DB db;
    ConnectionSettings settings = data_.connectionSettings();
    db.open(settings, CppSQLite3DB::Locking::kPerTransaction);
    db.execDML("pragma cache_size=2; begin;");
    db.execDML("update J4_Sys_User set pwd='half written';");
    for (int i = 0; i < 300; ++i)
      db.execDML("insert into J4_Sys_User values('填充" + std::to_string(i) + "','" + std::string(200, 'x') +
                 "','','','');");
    const std::string file = ReadShared(live_);
    const std::string journal = ReadShared(live_ + "-journal");
    ASSERT_GT(journal.size(), 512u) << "the journal holds pages";
    db.execDML("rollback;");
    db.close();
    Write(live_, file);
    Write(live_ + "-journal", journal);
  }
  ASSERT_EQ(shell::RestoreResult::kRestored, Restore(backup));
  EXPECT_FALSE(Exists(live_ + "-journal"));
  EXPECT_EQ(Sorted({"老板", "备份里的账号"}), Accounts());
  CppSQLite3DB db;
  db.open(data_.connectionSettings());
  EXPECT_EQ((std::vector<std::string>{"ok"}), db.queryColumn("pragma integrity_check"));
  // The database as it lay, journal and all, is what was kept.
  EXPECT_TRUE(Exists(backupDir_ + shell::BeforeRestoreCopyName(now_) + "-journal"));
}

}  // namespace
