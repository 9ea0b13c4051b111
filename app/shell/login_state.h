// What the login leaves process-wide: the login window's handle and the size of
// its edits. Who logged in is the main window's session (pagekit::Session), handed
// over by the login; the password goes to the check alone (see LoginRequest).
#pragma once

#include <windows.h>

#include "account_text.h"

extern HWND g_loginHwnd;
