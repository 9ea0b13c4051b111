// Who is logged in: the account name typed at the login window and the owner
// flag, process-wide, the name 8-bit ANSI as the data library takes it. The
// password is not kept here: it goes to the check alone (see LoginRequest).
#pragma once

#include <windows.h>

constexpr int kLoginTextSize = 128;
// The login edits take at most this many characters, so that a name in any double-
// byte code page fits the 128-byte globals whole.
constexpr int kLoginEditMaxChars = 63;

extern char g_currentUser[kLoginTextSize];
extern int g_isBoss;
extern HWND g_loginHwnd;
