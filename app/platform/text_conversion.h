// The program's one pair of conversions between the UI's UTF-16 text and the 8-bit
// text of the data library (the ANSI code page of the current thread, GBK on the
// systems the program is made for), and the copy into the fixed 8-bit buffers that
// the login and the data library share.
#pragma once

#include <cstddef>
#include <string>

namespace shell {

// UTF-16 -> ANSI. Characters the code page lacks become the code page's default.
std::string AnsiFromWide(const std::wstring& text);
std::string AnsiFromWide(const wchar_t* text);
// ANSI -> UTF-16.
std::wstring WideFromAnsi(const std::string& text);
std::wstring WideFromAnsi(const char* text);

// True when every character of the text has a form in the ANSI code page, so that a
// round trip gives the same text back.
bool IsAnsiRepresentable(const std::wstring& text);

// Copies ANSI text into a buffer of `size` bytes with its terminator. Text that does
// not fit is cut at a character boundary (a double-byte character is never split).
// Returns the number of bytes copied, terminator excluded.
std::size_t CopyAnsiText(char* buffer, std::size_t size, const std::string& text);
// Converts UTF-16 text straight into a buffer of `size` bytes with its
// terminator, cut at a character boundary when it does not fit. No other copy
// of the text is made, so a secret converted this way is only where the caller
// can wipe it. Returns the number of bytes written, terminator excluded.
std::size_t CopyAnsiFromWide(char* buffer, std::size_t size, const wchar_t* text);

}  // namespace shell
