// Growing printf and quote doubling for SQL text.
#include "sql_text.h"

#include <windows.h>

#include <cstdio>
#include <vector>

std::string StringPrintfV(const char* format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  return std::string(buffer.data(), static_cast<size_t>(length));
}

std::string StringPrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = StringPrintfV(format, args);
  va_end(args);
  return text;
}

std::string SqlEscape(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDBCSLeadByte(static_cast<BYTE>(c))) {
      // A lead byte without its second byte would take the next quote with it when
      // the statement is converted to UTF-8, ending the literal early. It becomes
      // the '?' that the conversion would make of it anyway.
      if (i + 1 < text.size() && text[i + 1] != '\'') {
        escaped += c;
        escaped += text[++i];
      } else {
        escaped += '?';
      }
      continue;
    }
    escaped += c;
    if (c == '\'') escaped += '\'';
  }
  return escaped;
}

std::string SqlEscape(const char* text) { return SqlEscape(std::string(text ? text : "")); }
