// The tray icon's clicks, double clicks and menu for the window that owns it.
#include "tray_clicks.h"

#include "popup_menu.h"

namespace shell {

void TrayClicks::OnIconMessage(HWND window, LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      icon_.OnMouseMove();
      break;
    case WM_LBUTTONDOWN:
      doubleClicked_ = false;
      ::SetTimer(window, owner_.clickTimer, ::GetDoubleClickTime(), nullptr);
      break;
    case WM_LBUTTONDBLCLK:
      doubleClicked_ = true;
      if (owner_.bringUp) owner_.bringUp();
      break;
    case WM_RBUTTONUP: {
      if (owner_.toFront) owner_.toFront();
      POINT cursor;
      ::GetCursorPos(&cursor);
      OpenPopupMenu(window, owner_.menuLayout, cursor);
      break;
    }
    default:
      break;
  }
}

bool TrayClicks::OnTimer(HWND window, UINT_PTR id) {
  if (id != owner_.clickTimer) return false;
  ::KillTimer(window, owner_.clickTimer);
  if (!doubleClicked_ && owner_.bringUp) owner_.bringUp();
  return true;
}

}  // namespace shell
