// Unhandled-exception filter that writes a minidump beside the program.
#include "crash_dump.h"

#include <dbghelp.h>

#include <ctime>
#include <cwchar>
#include <string>

#include "core/blocking_calls.h"
#include "critical_section_scope.h"
#include "handle_scope.h"

namespace shell {
namespace {

typedef BOOL(WINAPI* MiniDumpWriteDumpFn)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

struct DumpState {
  EXCEPTION_POINTERS* exception = nullptr;
  wchar_t dumpPath[MAX_PATH] = {};
  wchar_t folder[MAX_PATH] = {};
  wchar_t fileName[MAX_PATH] = {};
  bool showMessages = true;
  // The code of the failure being handled: the process ends with it.
  DWORD code = 0;
  // The dump file while the writer writes it.
  HANDLE file = INVALID_HANDLE_VALUE;
};

DumpState g_dumpState;
DumpState* g_dumpStateInUse = nullptr;
// Held from the start of a failure's handling to its end, so that threads failing
// at the same time take turns with the dump state.
CRITICAL_SECTION g_dumpLock;
// The thread handling a failure, 0 while none is. The lock lets its own thread in
// again: a failure inside the dump writer comes back to the filter on that thread.
DWORD g_handlingThread = 0;

// Ends the failing process without running any more of its code: ExitProcess would
// call every DLL's detach code on a process whose state is unknown.
[[noreturn]] void EndProcess(DWORD code) {
  ::TerminateProcess(::GetCurrentProcess(), code);
  for (;;) ::Sleep(INFINITE);
}

// Enables the debug privilege on the token; `previous` gets the state to restore.
bool EnableDebugPrivilege(HANDLE token, TOKEN_PRIVILEGES* previous) {
  TOKEN_PRIVILEGES wanted = {};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!::LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &wanted.Privileges[0].Luid)) return false;
  DWORD size = sizeof(*previous);
  if (!::AdjustTokenPrivileges(token, FALSE, &wanted, sizeof(wanted), previous, &size)) return false;
  return ::GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}

HMODULE LoadDbgHelp(const DumpState& state) {
  std::wstring local = std::wstring(state.folder) + L"DBGHELP.DLL";
  HMODULE module = ::LoadLibraryW(local.c_str());
  return module != nullptr ? module : ::LoadLibraryW(L"DBGHELP.DLL");
}

// Writes the dump; an empty message means success.
std::wstring TryWriteDump(DumpState& state, HANDLE token) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* slash = std::wcsrchr(path, L'\\');
  const std::size_t folderLength = slash != nullptr ? static_cast<std::size_t>(slash - path) + 1 : 0;
  wcsncpy(state.folder, path, folderLength);
  state.folder[folderLength] = L'\0';
  wcsncpy(state.fileName, path + folderLength, MAX_PATH - 1);

  HMODULE dbghelp = LoadDbgHelp(state);
  if (dbghelp == nullptr) return L"Call to LoadLibrary failed to find DBGHELP.DLL.";
  auto writeDump = reinterpret_cast<MiniDumpWriteDumpFn>(::GetProcAddress(dbghelp, "MiniDumpWriteDump"));
  if (writeDump == nullptr)
    return L"Call to GetProcAddress failed to find MiniDumpWriteDump. The DBGHELP.DLL is possibly outdated.";
  // A minidump needs the module list, not the modules' symbols: with deferred loads
  // the writer does not read every module's debug information first (under Wine that
  // took the dying process tens of seconds). An older DBGHELP.DLL without the call
  // simply writes the dump the slow way.
  using SymSetOptionsFn = DWORD(WINAPI*)(DWORD);
  if (auto setOptions = reinterpret_cast<SymSetOptionsFn>(::GetProcAddress(dbghelp, "SymSetOptions")))
    setOptions(SYMOPT_DEFERRED_LOADS | SYMOPT_UNDNAME);

  std::swprintf(state.dumpPath, MAX_PATH, L"%ls%ls.%ld.dmp", state.folder, state.fileName,
                static_cast<long>(std::time(nullptr)));
  HandleScope file(::CreateFileW(state.dumpPath, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  wchar_t message[MAX_PATH + 80];
  if (file.get() == INVALID_HANDLE_VALUE) {
    std::swprintf(message, MAX_PATH + 80, L"Failed to create the mini-dump file '%ls' (error %lu)", state.dumpPath,
                  ::GetLastError());
    return message;
  }

  TOKEN_PRIVILEGES previous = {};
  const bool privilegeChanged = EnableDebugPrivilege(token, &previous);
  MINIDUMP_EXCEPTION_INFORMATION info = {};
  info.ThreadId = ::GetCurrentThreadId();
  info.ExceptionPointers = state.exception;
  info.ClientPointers = FALSE;
  // Known to the filter while the writer runs: a failure inside the writer closes
  // and removes the unfinished file.
  state.file = file.get();
  const BOOL written =
      writeDump(::GetCurrentProcess(), ::GetCurrentProcessId(), file.get(), MiniDumpNormal, &info, nullptr, nullptr);
  state.file = INVALID_HANDLE_VALUE;
  const DWORD error = ::GetLastError();
  if (privilegeChanged) ::AdjustTokenPrivileges(token, FALSE, &previous, sizeof(previous), nullptr, nullptr);
  if (written) return std::wstring();
  std::swprintf(message, MAX_PATH + 80, L"Failed to save the mini-dump file to '%ls' (error %lu)", state.dumpPath,
                error);
  return message;
}

bool Install() {
  ::InitializeCriticalSection(&g_dumpLock);
  g_dumpStateInUse = &g_dumpState;
  ::SetUnhandledExceptionFilter(&WriteCrashDump);
  return true;
}

const bool g_installed = Install();

}  // namespace

bool CrashDumpInstalled() { return g_installed; }

void SetCrashDumpMessages(bool allowed) { g_dumpState.showMessages = allowed; }

LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception) {
  if (g_dumpStateInUse == nullptr) return EXCEPTION_CONTINUE_SEARCH;
  // The dump state is one record for the process: a second thread failing at the
  // same time waits here, before it writes anything into it, until the first has
  // written its dump and ended the process (or handed the failure on).
  CriticalSectionScope lock(g_dumpLock);
  DumpState& state = *g_dumpStateInUse;
  if (g_handlingThread == ::GetCurrentThreadId()) {
    // The dump writer itself failed. A second dump would start over the first one's
    // file (same name within the second) and could fail the same way again: the
    // unfinished dump goes, and the process ends with the first failure's code.
    if (state.file != INVALID_HANDLE_VALUE) ::CloseHandle(state.file);
    if (state.dumpPath[0] != L'\0') ::DeleteFileW(state.dumpPath);
    EndProcess(state.code);
  }
  state.exception = exception;

  HANDLE rawToken = nullptr;
  if (!::OpenThreadToken(::GetCurrentThread(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, TRUE, &rawToken)) {
    if (::GetLastError() != ERROR_NO_TOKEN ||
        !::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken))
      return EXCEPTION_CONTINUE_SEARCH;
  }
  HandleScope token(rawToken);
  const DWORD code =
      exception != nullptr && exception->ExceptionRecord != nullptr ? exception->ExceptionRecord->ExceptionCode : 1;
  state.code = code;
  g_handlingThread = ::GetCurrentThreadId();
  const std::wstring failure = TryWriteDump(state, token.get());
  // The exit code tells whoever started the program what went wrong, dump or not.
  if (!failure.empty() && state.showMessages) SkinUI::UIMessageBox(nullptr, failure.c_str(), nullptr, MB_OK);
  EndProcess(code);
}

}  // namespace shell
