// Storage of the login globals.
#include "login_state.h"

char g_currentUser[kLoginTextSize];
char g_loginPassword[kLoginTextSize];
int g_isBoss = 0;
HWND g_loginHwnd = nullptr;
