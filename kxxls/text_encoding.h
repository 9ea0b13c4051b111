// Text conversions of the library: UTF-8 for the .xlsx parts, code page 936 (GBK)
// for the tab text export.
#ifndef KXXLS_TEXT_ENCODING_H
#define KXXLS_TEXT_ENCODING_H

#include <string>

// Malformed input never fails: bad UTF-8 bytes and lone surrogates become U+FFFD.
std::wstring Utf8ToWide(const char* text, size_t length);
inline std::wstring Utf8ToWide(const std::string& text) { return Utf8ToWide(text.data(), text.size()); }
std::string WideToUtf8(const std::wstring& text);
// Appends one code point as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(unsigned long codePoint, std::string* out);

// Appends `text` in code page 936; every character GBK lacks (supplementary
// characters, lone surrogates, symbols outside the code page) becomes '?'.
void AppendGbk(const std::wstring& text, std::string* out);

#endif  // KXXLS_TEXT_ENCODING_H
