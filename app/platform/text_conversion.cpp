// UTF-16 <-> ANSI through the current thread's code page, and bounded copies that
// respect the code page's lead bytes.
#include "text_conversion.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace shell {

std::string AnsiFromWide(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return std::string();
  const int bytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return std::string();
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, &out[0], bytes, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(bytes) - 1);
  return out;
}

std::string AnsiFromWide(const std::wstring& text) { return AnsiFromWide(text.c_str()); }

std::wstring WideFromAnsi(const char* text) {
  if (text == nullptr || *text == '\0') return std::wstring();
  const int chars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
  if (chars <= 1) return std::wstring();
  std::wstring out(static_cast<std::size_t>(chars), L'\0');
  ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &out[0], chars);
  out.resize(static_cast<std::size_t>(chars) - 1);
  return out;
}

std::wstring WideFromAnsi(const std::string& text) { return WideFromAnsi(text.c_str()); }

bool IsAnsiRepresentable(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL usedDefault = FALSE;
  const int bytes =
      ::WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, &usedDefault);
  return bytes > 0 && !usedDefault && WideFromAnsi(AnsiFromWide(text)) == text;
}

std::size_t CopyAnsiText(char* buffer, std::size_t size, const std::string& text) {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t room = size - 1;
  std::size_t used = 0;
  // Walk whole characters: a lead byte takes its trail byte along or stays out.
  while (used < text.size()) {
    const std::size_t width =
        (::IsDBCSLeadByteEx(CP_THREAD_ACP, static_cast<BYTE>(text[used])) && used + 1 < text.size()) ? 2 : 1;
    if (used + width > room) break;
    used += width;
  }
  std::memcpy(buffer, text.data(), used);
  buffer[used] = '\0';
  return used;
}

std::size_t CopyAnsiFromWide(char* buffer, std::size_t size, const wchar_t* text) {
  if (buffer == nullptr || size == 0) return 0;
  buffer[0] = '\0';
  if (text == nullptr) return 0;
  const int room = static_cast<int>(size - 1);
  // With no room the conversion would only measure the text (a size of 0 asks for that).
  if (room == 0) return 0;
  // Fewer characters until the rest fits: a double-byte character is never split.
  for (int chars = static_cast<int>(std::wcslen(text)); chars > 0; --chars) {
    const int bytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, chars, buffer, room, nullptr, nullptr);
    if (bytes > 0) {
      buffer[bytes] = '\0';
      return static_cast<std::size_t>(bytes);
    }
  }
  // A failed attempt may have left part of the text behind.
  ::SecureZeroMemory(buffer, size);
  return 0;
}

}  // namespace shell
