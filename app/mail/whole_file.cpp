// ReadWholeFile through a file handle of its own: the length is taken first, then
// read in one go, so that a file of any size arrives in one heap buffer.
#include "whole_file.h"

#include <windows.h>

#include "handle_scope.h"

namespace shell {

std::size_t ReadWholeFile(const char* path, std::vector<char>* content) {
  if (content == nullptr) return 0;
  content->clear();
  if (path == nullptr) return 0;
  HandleScope file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return 0;
  LARGE_INTEGER size;
  // The 32-bit program could not hold a file of 2 GB or more in one buffer.
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return 0;
  content->resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < content->size()) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), content->data() + done, static_cast<DWORD>(content->size() - done), &got, nullptr) ||
        got == 0) {
      content->clear();
      return 0;
    }
    done += got;
  }
  return content->size();
}

}  // namespace shell
