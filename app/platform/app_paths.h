// The program's paths, worked out once at start-up: the program file, its folder,
// the database beside it and the backup folder beside the program's folder. All
// 8-bit ANSI text in 256-byte buffers, as the data library takes them.
#pragma once

#include <windows.h>

#include <string>

constexpr int kPathBufferSize = 256;

extern char g_exePath[kPathBufferSize];
extern char g_exeDir[kPathBufferSize];
extern char g_dbPath[kPathBufferSize];
extern char g_backupDir[kPathBufferSize];

namespace shell {

// Fills the four buffers from the program's full path. False, with a message for
// the user, when a path does not fit its buffer or has characters the ANSI code
// page cannot hold (the data library could not open such a path).
bool InitPathsFrom(const std::wstring& exePath, std::wstring* error);
// The same from the running program's own path.
bool InitPaths(std::wstring* error);

// The program's folder with forward slashes and a trailing slash ("C:/Shop/"),
// read once; empty when the path cannot be read.
std::wstring GetModuleDirectory();

// "kx_jxc_%04d%02d%02d_auto.bak" for a UTC date.
std::string DailyBackupName(const SYSTEMTIME& utcDate);
// Copies the database to the day's backup in the backup folder (made if missing),
// overwriting that day's earlier copy. A missing database is no error.
void MakeDailyBackup();

}  // namespace shell
