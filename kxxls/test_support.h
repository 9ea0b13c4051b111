// Helpers of the library's tests: a scratch folder with a Chinese name (every file
// path of the tests goes through wide file functions) and whole-file bytes.
#ifndef KXXLS_TEST_SUPPORT_H
#define KXXLS_TEST_SUPPORT_H

#include <windows.h>

#include <string>

#include "byte_io.h"
#include "file_io.h"

// A fresh folder under the temp folder, "kxxls_测试_<n>", removed with its files.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"kxxls_\u6D4B\u8BD5_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((path_ + L"*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          const std::wstring file = path_ + found.cFileName;
          SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(file.c_str());
        }
      } while (FindNextFileW(h, &found));
      FindClose(h);
    }
    RemoveDirectoryW(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::wstring File(const std::wstring& name) const { return path_ + name; }
  const std::wstring& Path() const { return path_; }
  // Names of the files in the folder.
  int FileCount() const {
    int n = 0;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((path_ + L"*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return n;
  }

 private:
  std::wstring path_;
};

inline Bytes FileBytes(const std::wstring& path) {
  Bytes b;
  ReadWholeFile(path, 1u << 30, &b);
  return b;
}

inline bool PutFileBytes(const std::wstring& path, const Bytes& b) {
  return ReplaceFileContent(path, b.data(), b.size());
}

#endif  // KXXLS_TEST_SUPPORT_H
