// Composing SQL text: printf-style formatting into a growing string, and the one
// function that makes a value safe between single quotes.
#ifndef DATAVANE_SQL_TEXT_H
#define DATAVANE_SQL_TEXT_H

#include <cstdarg>
#include <string>

// printf into a string of whatever length the result needs.
std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string StringPrintfV(const char* format, va_list args);

// Doubles every single quote so that the text stands unchanged inside '...'.
// GBK trail bytes never take the value of a quote; a lead byte that has no second
// byte (at the end, or before a quote) is written as '?'.
std::string SqlEscape(const std::string& text);
std::string SqlEscape(const char* text);  // null reads as the empty text

#endif
