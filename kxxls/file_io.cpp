// Whole-file reading and replacing through _wfopen.
#include "file_io.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
  void operator()(FILE* f) const {
    if (f) std::fclose(f);
  }
};
typedef std::unique_ptr<FILE, FileCloser> FilePtr;

}  // namespace

ReadResult ReadWholeFile(const std::wstring& path, size_t maxSize, Bytes* out) {
  out->clear();
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return ReadResult::kMissing;
    return ReadResult::kFailed;  // a missing folder or a bad name is not a new book
  }
  FilePtr f(_wfopen(path.c_str(), L"rb"));
  if (!f) return ReadResult::kFailed;
  if (_fseeki64(f.get(), 0, SEEK_END) != 0) return ReadResult::kFailed;
  const long long size = _ftelli64(f.get());
  if (size < 0 || static_cast<unsigned long long>(size) > maxSize) return ReadResult::kFailed;
  if (_fseeki64(f.get(), 0, SEEK_SET) != 0) return ReadResult::kFailed;
  out->resize(static_cast<size_t>(size));
  if (size > 0 && std::fread(out->data(), 1, out->size(), f.get()) != out->size()) {
    out->clear();
    return ReadResult::kFailed;
  }
  return ReadResult::kRead;
}

bool ReplaceFileContent(const std::wstring& path, const void* data, size_t size) {
  // The temporary file lies in the same folder, so the final move is a rename on
  // one volume.
  std::wstring temp;
  for (int attempt = 0; attempt < 100 && temp.empty(); ++attempt) {
    std::wstring candidate =
        path + L"." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(attempt) + L".tmp";
    if (GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) temp = candidate;
  }
  if (temp.empty()) return false;
  {
    FilePtr f(_wfopen(temp.c_str(), L"wb"));
    if (!f) return false;
    const bool written = (size == 0 || std::fwrite(data, 1, size, f.get()) == size) && std::fflush(f.get()) == 0;
    const bool closed = std::fclose(f.release()) == 0;
    if (!written || !closed) {
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}
