// The crash dump: an unhandled exception on any thread writes a minidump named
// "<program folder><program file>.<seconds>.dmp" and ends the process with the
// exception's code. The filter is installed by static initialisation.
#pragma once

#include <windows.h>

namespace shell {

// True once the filter is in place. Referencing it keeps the filter linked into
// programs that use the shell library.
bool CrashDumpInstalled();

// Whether a failure to write the dump may show a message box (on by default).
void SetCrashDumpMessages(bool allowed);

// The filter itself, for SetUnhandledExceptionFilter.
LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception);

}  // namespace shell
