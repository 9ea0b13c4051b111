// A file of given bytes in the temp folder for one test, removed at scope end.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace shelltest {

struct TempFile {
  TempFile(const std::string& name, const std::string& content) {
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    path = std::string(folder) + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(content.data(), 1, content.size(), f);
      std::fclose(f);
    }
  }
  ~TempFile() { ::DeleteFileA(path.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  std::string path;
};

}  // namespace shelltest
