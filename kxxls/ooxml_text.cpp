// The "_xHHHH_" escapes of .xlsx cell text.
#include "ooxml_text.h"

#include <cstdio>
#include <cwchar>

#include "text_encoding.h"

namespace {

bool IsHex(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f'); }

// True when text[i] starts "_xHHHH_".
bool IsEscapeAt(const std::wstring& text, size_t i) {
  return text[i] == L'_' && i + 6 < text.size() && text[i + 1] == L'x' && IsHex(text[i + 2]) && IsHex(text[i + 3]) &&
         IsHex(text[i + 4]) && IsHex(text[i + 5]) && text[i + 6] == L'_';
}

}  // namespace

std::string OoxmlXmlText(const std::wstring& text) {
  std::wstring safe;
  safe.reserve(text.size());
  std::string out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    const bool control = (c < 0x20 && c != L'\t' && c != L'\n') || c == 0xFFFE || c == 0xFFFF;
    if (control || IsEscapeAt(text, i)) {
      out += WideToUtf8(safe);
      safe.clear();
      char buf[16];
      std::snprintf(buf, sizeof buf, "_x%04X_", static_cast<unsigned>(c));
      out += buf;
      continue;
    }
    if (c == L'&')
      safe += L"&amp;";
    else if (c == L'<')
      safe += L"&lt;";
    else if (c == L'>')
      safe += L"&gt;";
    else
      safe.push_back(c);
  }
  out += WideToUtf8(safe);
  return out;
}

std::wstring OoxmlCellText(const std::string& utf8) {
  std::wstring s = Utf8ToWide(utf8);
  if (s.find(L"_x") == std::wstring::npos) return s;
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsEscapeAt(s, i)) {
      out.push_back(static_cast<wchar_t>(std::wcstoul(s.substr(i + 2, 4).c_str(), nullptr, 16)));
      i += 6;
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
}
