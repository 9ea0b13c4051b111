// The Run value behind the settings page's "开机运行" box. The value is the
// machine's, not the account's: whoever toggles last decides it.
#include "auto_run.h"

namespace shell {
namespace {

// An open registry key, closed at scope end.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  HKEY* Receive() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

RunKeyLocation g_runKey = DefaultRunKeyLocation();

}  // namespace

RunKeyLocation DefaultRunKeyLocation() {
  return {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\"};
}

RunKeyLocation SetRunKeyLocation(const RunKeyLocation& location) {
  const RunKeyLocation previous = g_runKey;
  g_runKey = location;
  return previous;
}

std::wstring AutoRunCommand() {
  // Paths longer than MAX_PATH exist; grow until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

bool WriteAutoRun(bool on) {
  RegistryKey key;
  // A fresh profile may lack the Run key: it is made rather than skipped.
  if (::RegCreateKeyExW(g_runKey.root, g_runKey.subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring data = on ? AutoRunCommand() : std::wstring();
  if (on && data.empty()) return false;
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key.get(), kAutoRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes) == ERROR_SUCCESS;
}

}  // namespace shell
