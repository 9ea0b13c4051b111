// The account name and the password as the data library takes them: 8-bit text in
// buffers of this many bytes.
#pragma once

constexpr int kLoginTextSize = 128;
// The login edits take at most this many characters, so that a name in any double-
// byte code page fits the 128-byte buffers whole.
constexpr int kLoginEditMaxChars = 63;
