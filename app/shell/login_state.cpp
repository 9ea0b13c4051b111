// Storage of the login globals.
#include "login_state.h"

char g_currentUser[kLoginTextSize];
int g_isBoss = 0;
HWND g_loginHwnd = nullptr;
