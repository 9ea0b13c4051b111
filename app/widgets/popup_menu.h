// Opening a popup menu from a menu layout for a window of the program. The chosen
// item comes back to the owner as WM_MENUCLICK carrying the item's name (see
// TakeMenuItemName).
#pragma once

#include <windows.h>

namespace shell {

// Alignment flags of the menus the program opens at the cursor, and of a menu
// hanging below a button's left edge.
constexpr int kMenuAlignAtCursor = 18;
constexpr int kMenuAlignBelow = 6;

// False when the menu could not be shown.
bool OpenPopupMenu(HWND owner, const wchar_t* layoutFile, POINT screenPoint, int align = kMenuAlignAtCursor);

}  // namespace shell
