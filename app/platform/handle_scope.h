// A kernel handle (file, token, process, mutex) closed at scope end; null and
// INVALID_HANDLE_VALUE, the two failures the creating calls answer, are left alone.
// And a file search closed at scope end.
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
  // Closes the handle held and holds `h` instead.
  void reset(HANDLE h = nullptr) {
    if (valid()) ::CloseHandle(h_);
    h_ = h;
  }
  // Gives the handle up without closing it.
  HANDLE release() {
    HANDLE h = h_;
    h_ = nullptr;
    return h;
  }

 private:
  HANDLE h_;
};

// A FindFirstFile search, closed with FindClose at scope end; INVALID_HANDLE_VALUE
// (nothing found) is left alone.
class FindScope {
 public:
  explicit FindScope(HANDLE h) : h_(h) {}
  ~FindScope() {
    if (valid()) ::FindClose(h_);
  }
  FindScope(const FindScope&) = delete;
  FindScope& operator=(const FindScope&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }

 private:
  HANDLE h_;
};

}  // namespace shell
