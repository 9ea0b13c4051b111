// What the login leaves process-wide: the login window's handle and the size of
// its edits. Who logged in is the main window's session (pagekit::Session), handed
// over by the login; the password goes to the check alone (see LoginRequest).
#pragma once

#include <windows.h>

constexpr int kLoginTextSize = 128;
// The login edits take at most this many characters, so that a name in any double-
// byte code page fits the 128-byte globals whole.
constexpr int kLoginEditMaxChars = 63;

extern HWND g_loginHwnd;
