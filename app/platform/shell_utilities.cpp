// SplitString, TimeToSystemTime, FileExists and CreateDirectoryPath.
#include "shell_utilities.h"

#include "handle_scope.h"

#include <cstring>

namespace shell {

void SplitString(const std::string& text, const std::string& delimiters, std::vector<std::string>* parts) {
  if (parts == nullptr) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = text.find_first_of(delimiters, start);
    if (found == std::string::npos) {
      // After a delimiter that ended the text there is no further part.
      if (start < text.size() || start == 0) parts->push_back(text.substr(start));
      return;
    }
    parts->push_back(text.substr(start, found - start));
    start = found + 1;
  }
}

bool TimeToSystemTime(long seconds, SYSTEMTIME* date) {
  if (date == nullptr) return false;
  const LONGLONG ticks = (static_cast<LONGLONG>(seconds) + 11644473600LL) * 10000000LL;
  FILETIME fileTime;
  fileTime.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
  fileTime.dwHighDateTime = static_cast<DWORD>(static_cast<ULONGLONG>(ticks) >> 32);
  return ::FileTimeToSystemTime(&fileTime, date) != FALSE;
}

bool FileExists(const char* path) {
  if (path == nullptr || *path == '\0') return false;
  WIN32_FIND_DATAA found;
  const FindScope search(::FindFirstFileA(path, &found));
  return search.valid();
}

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the first folder to make starts: after "\\server\share\", after "X:\", or at 0.
std::size_t RootLength(const std::string& path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t pos = 2;
    for (int part = 0; part < 2; ++part) {  // server, then share
      while (pos < path.size() && !IsSeparator(path[pos])) ++pos;
      if (pos < path.size()) ++pos;
    }
    return pos;
  }
  if (path.size() >= 2 && path[1] == ':') return (path.size() >= 3 && IsSeparator(path[2])) ? 3 : 2;
  return 0;
}

}  // namespace

bool CreateDirectoryPath(const char* path) {
  if (path == nullptr) return false;
  const std::string copy(path);
  std::size_t pos = RootLength(copy);
  bool afterSeparator = pos == 0 || IsSeparator(copy[pos - 1]);
  for (; pos < copy.size(); ++pos) {
    // The second byte of a Chinese character may be a backslash's byte: step over
    // whole characters.
    if (::IsDBCSLeadByte(static_cast<BYTE>(copy[pos])) && pos + 1 < copy.size()) {
      ++pos;
      afterSeparator = false;
      continue;
    }
    const bool separator = IsSeparator(copy[pos]);
    const bool endsFolder = separator && !afterSeparator;
    afterSeparator = separator;
    if (!endsFolder) continue;
    const std::string folder = copy.substr(0, pos);
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
      if (attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      return false;  // a file stands where the folder should be
    }
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return true;
}

}  // namespace shell
