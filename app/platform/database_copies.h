// The settings page's backup and restore of the database file. A backup is a
// plain copy of the file. A restore never writes over the live file: the chosen
// file is copied beside the database and checked there, the current database is
// kept in the backup folder, and only then does the checked copy take the live
// file's place, without the journals of the file it replaced.
#pragma once

#include <windows.h>

#include <string>

#include "kxp_data.h"

namespace shell {

// "%04d-%02d-%02dbak.db" for a local date: the name the backup target starts with.
std::wstring DefaultBackupFileName(const SYSTEMTIME& localDate);

// Copies the database file to the target, overwriting a file there. False when
// the copy failed or the target is the database file itself.
bool BackupDatabaseFile(const std::wstring& database, const std::wstring& target);

enum class RestoreResult {
  kRestored,
  kSourceUnreadable,  // the chosen file could not be copied beside the database
  kSourceEmpty,
  kNotOurDatabase,  // does not open with the program's key, or is no database
  kNoAccounts,      // opens, but holds no account to log in with
  kCurrentNotKept,  // the current database could not be copied to the backup folder
  kNotReplaced,     // the checked copy could not take the live file's place
};

// The copy of the current database kept before a restore, in the backup folder:
// "kx_jxc_%04d%02d%02d_%02d%02d%02d_before_restore.bak" (local time).
std::string BeforeRestoreCopyName(const SYSTEMTIME& localTime);

// Restores `source` over the live database at `database` (ANSI, as the data object
// takes it). The data object is pointed at the copy to check it and at the live
// path again before this returns, whatever the result. Anything but kRestored
// leaves the live database as it was.
RestoreResult RestoreDatabaseFile(KXPDatavane& data, const std::string& database, const std::wstring& source,
                                  const std::string& backupDir, const SYSTEMTIME& localTime);

}  // namespace shell
