// The four small utilities: splitting, seconds as a date, file existence and
// folder creation along a path (roots of drives and shares, both separators, a file
// standing in the way).
#include "shell_utilities.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using shell::CreateDirectoryPath;
using shell::FileExists;

TEST(SplitString, PartsBetweenDelimiters) {
  struct Case {
    const char* text;
    const char* delimiters;
    std::vector<std::string> parts;
  } cases[] = {
      {"a,,b", ",", {"a", "", "b"}},
      {"a,b,", ",", {"a", "b"}},
      {"", ",", {""}},
      {"abc", ",", {"abc"}},
      {",a", ",", {"", "a"}},
      {"a;b c", "; ", {"a", "b", "c"}},
      {"商品,客户", ",", {"商品", "客户"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> parts = {"kept"};
    shell::SplitString(c.text, c.delimiters, &parts);
    std::vector<std::string> expected = {"kept"};
    expected.insert(expected.end(), c.parts.begin(), c.parts.end());
    EXPECT_EQ(expected, parts) << c.text;
  }
}

TEST(TimeToSystemTime, SecondsSince1970AsUtcDate) {
  struct Case {
    long seconds;
    WORD year, month, day, hour, minute, second;
  } cases[] = {
      {0, 1970, 1, 1, 0, 0, 0},          {86399, 1970, 1, 1, 23, 59, 59},
      {951782400, 2000, 2, 29, 0, 0, 0}, {2147483647L, 2038, 1, 19, 3, 14, 7},
      {-86400, 1969, 12, 31, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SYSTEMTIME t = {};
    ASSERT_TRUE(shell::TimeToSystemTime(c.seconds, &t)) << c.seconds;
    EXPECT_EQ(c.year, t.wYear) << c.seconds;
    EXPECT_EQ(c.month, t.wMonth) << c.seconds;
    EXPECT_EQ(c.day, t.wDay) << c.seconds;
    EXPECT_EQ(c.hour, t.wHour) << c.seconds;
    EXPECT_EQ(c.minute, t.wMinute) << c.seconds;
    EXPECT_EQ(c.second, t.wSecond) << c.seconds;
  }
}

// A scratch folder under the temp folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "shell_utilities_" + std::to_string(::GetCurrentProcessId()) + "\\";
    Remove(root_);
    ::CreateDirectoryA(root_.c_str(), nullptr);
  }
  ~ScratchFolder() { Remove(root_); }
  const std::string& path() const { return root_; }

 private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(folder + name + "\\");
        } else {
          ::DeleteFileA((folder + name).c_str());
        }
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
  }
  std::string root_;
};

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreateDirectoryPath, MakesEveryFolderUpToTheLastSeparator) {
  ScratchFolder scratch;
  const std::string& s = scratch.path();
  // A file where a folder should go.
  FILE* blocker = std::fopen((s + "blocker").c_str(), "wb");
  ASSERT_NE(nullptr, blocker);
  std::fclose(blocker);

  struct Case {
    std::string path;
    bool result;
    std::vector<std::string> folders;  // exist afterwards
    std::vector<std::string> absent;   // do not exist afterwards
  } cases[] = {
      {s + "a\\b\\file.txt", true, {s + "a", s + "a\\b"}, {s + "a\\b\\file.txt"}},
      {s + "temp/", true, {s + "temp"}, {}},
      {s + "x/y\\z/", true, {s + "x", s + "x\\y", s + "x\\y\\z"}, {}},
      {s + "a\\b\\", true, {s + "a\\b"}, {}},
      {s + "double\\\\sep\\", true, {s + "double", s + "double\\sep"}, {}},
      // "乗" ends in the byte of a backslash in the ANSI code page.
      {s + "乗\\乗乗\\", true, {s + "乗", s + "乗\\乗乗"}, {}},
      {s + "blocker\\inner\\", false, {}, {s + "blocker\\inner"}},
      {s + "nothing", true, {}, {s + "nothing"}},
      // Roots are skipped, not made: a drive, and a share of a server that does not exist.
      {"C:\\", true, {}, {}},
      {"C:\\file.txt", true, {}, {}},
      {"\\\\nosuchserver\\share\\", true, {}, {}},
      {"\\\\nosuchserver\\share\\file.txt", true, {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CreateDirectoryPath(c.path.c_str())) << c.path;
    for (const std::string& folder : c.folders) EXPECT_TRUE(IsFolder(folder)) << c.path << " -> " << folder;
    for (const std::string& name : c.absent) EXPECT_FALSE(FileExists(name.c_str())) << c.path << " -> " << name;
  }
  EXPECT_FALSE(CreateDirectoryPath(nullptr));
}

TEST(FileExists, FilesAndFoldersButNotMissingNames) {
  ScratchFolder scratch;
  const std::string file = scratch.path() + "商品.txt";
  FILE* f = std::fopen(file.c_str(), "wb");
  ASSERT_NE(nullptr, f);
  std::fclose(f);
  struct Case {
    std::string path;
    bool exists;
  } cases[] = {
      {file, true},
      {scratch.path() + "missing.txt", false},
      {scratch.path().substr(0, scratch.path().size() - 1), true},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.exists, FileExists(c.path.c_str())) << c.path;
  EXPECT_FALSE(FileExists(nullptr));
}

}  // namespace
