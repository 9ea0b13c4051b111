// A critical section held for the life of a scope, so that every way out of a
// guarded block leaves the lock. A Windows critical section may be re-entered by
// the thread that holds it, which the main window's tab code relies on.
#pragma once

#include <windows.h>

namespace shell {

class CriticalSectionScope {
 public:
  explicit CriticalSectionScope(CRITICAL_SECTION& lock) : lock_(lock) { ::EnterCriticalSection(&lock_); }
  ~CriticalSectionScope() { ::LeaveCriticalSection(&lock_); }
  CriticalSectionScope(const CriticalSectionScope&) = delete;
  CriticalSectionScope& operator=(const CriticalSectionScope&) = delete;

 private:
  CRITICAL_SECTION& lock_;
};

}  // namespace shell
