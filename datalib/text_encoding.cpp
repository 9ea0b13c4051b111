// ANSI <-> UTF-8 through UTF-16, with the system's ANSI code page.
#include "text_encoding.h"

#include <windows.h>

namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return std::string();
  int length =
      WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr, nullptr);
  return text;
}

// ASCII reads the same in UTF-8 and in every ANSI code page. Most texts that
// pass here (numbers, dates, bill numbers) are ASCII, and a report converts
// hundreds of thousands of them: a copy costs far less than the round trip
// through UTF-16.
bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
  return IsAscii(ansi) ? ansi : FromWide(ToWide(ansi, CP_ACP), CP_UTF8);
}

std::string Utf8ToAnsi(const std::string& utf8) {
  return IsAscii(utf8) ? utf8 : FromWide(ToWide(utf8, CP_UTF8), CP_ACP);
}
