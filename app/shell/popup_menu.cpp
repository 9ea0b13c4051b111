// Popup menus of the program's windows.
//
// The framework's popup menu window is not part of the build yet; until it is,
// no menu opens and the owner's menu commands stay unreached.
#include "popup_menu.h"

namespace shell {

bool OpenPopupMenu(HWND, const wchar_t*, POINT, int) { return false; }

}  // namespace shell
