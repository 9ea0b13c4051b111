// Conversion between the ANSI code page (the library's 8-bit text, GBK) and the
// UTF-8 that SQLite stores. Any length; text that does not convert comes back
// with the unconvertible characters replaced by the code page's default.
#ifndef DATAVANE_TEXT_ENCODING_H
#define DATAVANE_TEXT_ENCODING_H

#include <string>

std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);

#endif
