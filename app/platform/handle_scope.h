// A kernel handle (file, token, process) closed at scope end; null and
// INVALID_HANDLE_VALUE, the two failures the creating calls answer, are left alone.
#pragma once

#include <windows.h>

namespace shell {

class HandleScope {
 public:
  explicit HandleScope(HANDLE h) : h_(h) {}
  ~HandleScope() {
    if (valid()) ::CloseHandle(h_);
  }
  HandleScope(const HandleScope&) = delete;
  HandleScope& operator=(const HandleScope&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

}  // namespace shell
