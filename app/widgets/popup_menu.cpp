// Popup menus of the program's windows, on the framework's menu window. The menu
// window frees itself when it closes (or at once when its layout builds nothing).
#include "popup_menu.h"

#include "controls/menu_window.h"

namespace shell {

bool OpenPopupMenu(HWND owner, const wchar_t* layoutFile, POINT screenPoint, int align) {
  auto* menu = new SkinUI::CMenuWnd(owner);
  return menu->Init(nullptr, layoutFile, static_cast<DWORD>(align), screenPoint);
}

}  // namespace shell
