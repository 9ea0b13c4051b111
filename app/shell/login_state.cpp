// Storage of the login window's handle.
#include "login_state.h"

HWND g_loginHwnd = nullptr;
