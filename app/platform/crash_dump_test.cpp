// A faulting program leaves a minidump named after itself beside it and ends with
// the exception's code, whichever thread failed; two threads failing at once leave
// one dump of one of them, its thread and its exception together; a dump writer
// that fails inside itself leaves no dump and the first failure's exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <dbghelp.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::vector<std::string> Dumps(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "crash_child.exe.*.dmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

DWORD RunChild(const std::string& folder, const std::string& arguments) {
  std::string command = "\"" + folder + "crash_child.exe\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process))
    return 0xFFFFFFFF;
  ::WaitForSingleObject(process.hProcess, 120000);
  DWORD code = 0xFFFFFFFF;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return code;
}

TEST(CrashDump, FaultingProgramWritesADumpAndExitsWithTheExceptionCode) {
  const std::string folder = ProgramFolder();
  for (const std::string& old : Dumps(folder)) ::DeleteFileA((folder + old).c_str());
  struct Case {
    const char* arguments;
    DWORD exitCode;
  } cases[] = {
      {"", EXCEPTION_ACCESS_VIOLATION},
      {"E0001234", 0xE0001234},
      {"--thread", EXCEPTION_ACCESS_VIOLATION},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.exitCode, RunChild(folder, c.arguments)) << c.arguments;
    const std::vector<std::string> dumps = Dumps(folder);
    ASSERT_EQ(1u, dumps.size()) << c.arguments;
    FILE* dump = std::fopen((folder + dumps[0]).c_str(), "rb");
    ASSERT_NE(nullptr, dump);
    char magic[4] = {};
    EXPECT_EQ(4u, std::fread(magic, 1, 4, dump));
    std::fseek(dump, 0, SEEK_END);
    EXPECT_GT(std::ftell(dump), 1000L) << "the dump holds more than its header";
    std::fclose(dump);
    EXPECT_EQ(std::string("MDMP"), std::string(magic, 4)) << c.arguments;
    ::DeleteFileA((folder + dumps[0]).c_str());
  }
}

// The exception stream of a dump: the thread it names and the exception code it holds.
struct DumpedException {
  bool found = false;
  DWORD threadId = 0;
  DWORD code = 0;
};

DumpedException ReadException(const std::string& path) {
  DumpedException result;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return result;
  MINIDUMP_HEADER header = {};
  if (std::fread(&header, sizeof(header), 1, file) == 1) {
    for (ULONG32 i = 0; i < header.NumberOfStreams && !result.found; ++i) {
      MINIDUMP_DIRECTORY entry = {};
      std::fseek(file, static_cast<long>(header.StreamDirectoryRva + i * sizeof(entry)), SEEK_SET);
      if (std::fread(&entry, sizeof(entry), 1, file) != 1) break;
      if (entry.StreamType != ExceptionStream) continue;
      MINIDUMP_EXCEPTION_STREAM stream = {};
      std::fseek(file, static_cast<long>(entry.Location.Rva), SEEK_SET);
      if (std::fread(&stream, sizeof(stream), 1, file) != 1) break;
      result.found = true;
      result.threadId = stream.ThreadId;
      result.code = stream.ExceptionRecord.ExceptionCode;
    }
  }
  std::fclose(file);
  return result;
}

// Each thread raises 0xE0000000 with its own id in the low bits; a dump that pairs
// one thread with the other's exception, or a second dump, means the threads' dump
// states were mixed. The race is run several times, as it need not hit every time.
TEST(CrashDump, TwoThreadsFailingAtOnceLeaveOneConsistentDump) {
  const std::string folder = ProgramFolder();
  for (const std::string& old : Dumps(folder)) ::DeleteFileA((folder + old).c_str());
  for (int run = 0; run < 4; ++run) {
    const DWORD exitCode = RunChild(folder, "--two");
    EXPECT_EQ(0xE0000000u, exitCode & 0xFF000000u) << "run " << run << ": exit code " << std::hex << exitCode;
    const std::vector<std::string> dumps = Dumps(folder);
    ASSERT_EQ(1u, dumps.size()) << "run " << run;
    const DumpedException dumped = ReadException(folder + dumps[0]);
    ASSERT_TRUE(dumped.found) << "run " << run;
    EXPECT_EQ(dumped.threadId & 0xFFFFFFu, dumped.code & 0xFFFFFFu)
        << "run " << run << ": the dump names thread " << std::hex << dumped.threadId << " with the exception "
        << dumped.code;
    EXPECT_EQ(exitCode, dumped.code) << "run " << run << ": the process ends with the dumped exception";
    ::DeleteFileA((folder + dumps[0]).c_str());
  }
}

// A dump writer that fails inside itself brings the failure back to the filter on
// the same thread. The filter must not start a second dump over the first one's
// file: the process ends with the first failure's code and leaves no unfinished
// dump behind.
TEST(CrashDump, AFailureInsideTheDumpWriterEndsTheProcessWithTheFirstCode) {
  const std::string folder = ProgramFolder() + "failing_writer\\";
  for (const std::string& old : Dumps(folder)) ::DeleteFileA((folder + old).c_str());
  // Wine takes its own DBGHELP.DLL before one beside the program unless told, for
  // this program, to prefer the one it finds (Windows ignores the key).
  const char kOverrides[] = "Software\\Wine\\AppDefaults\\crash_child.exe\\DllOverrides";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
  const char kNativeFirst[] = "native,builtin";
  ::RegSetValueExA(key, "dbghelp", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNativeFirst), sizeof(kNativeFirst));
  ::RegCloseKey(key);
  struct Case {
    const char* arguments;
    DWORD exitCode;
  } cases[] = {
      {"", EXCEPTION_ACCESS_VIOLATION},
      {"E0004321", 0xE0004321},
      {"--thread", EXCEPTION_ACCESS_VIOLATION},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.exitCode, RunChild(folder, c.arguments)) << c.arguments;
    const std::vector<std::string> dumps = Dumps(folder);
    EXPECT_TRUE(dumps.empty()) << c.arguments << ": " << dumps.size() << " dump(s) left, first " << dumps.front();
    for (const std::string& left : dumps) ::DeleteFileA((folder + left).c_str());
  }
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kOverrides);
}

}  // namespace
