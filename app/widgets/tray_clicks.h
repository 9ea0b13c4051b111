// TrayClicks: what a window with a tray icon does with the icon's mouse messages.
// The cursor over the icon feeds the icon's hover; a click brings the window up
// once the double-click time has passed without a second click, a double click at
// once; a right click brings the window forward and opens its tray menu at the
// cursor. The login window and the main window each keep one beside their icon.
#pragma once

#include <windows.h>

#include <functional>

#include "tray_icon.h"

namespace shell {

class TrayClicks {
 public:
  struct Owner {
    UINT clickTimer;                // the owner's timer that waits out a double click
    const wchar_t* menuLayout;      // the tray menu's layout file
    std::function<void()> bringUp;  // a click or a double click
    std::function<void()> toFront;  // a right click, before its menu opens
  };

  TrayClicks(TrayIcon& icon, Owner owner) : icon_(icon), owner_(std::move(owner)) {}

  // One of the icon's callback messages (its lParam: WM_MOUSEMOVE, WM_LBUTTONDOWN,
  // WM_LBUTTONDBLCLK, WM_RBUTTONUP); any other is left alone.
  void OnIconMessage(HWND window, LPARAM mouseMessage);
  // True when `id` is the click timer: it is stopped, and the click brings the
  // window up unless a double click came first.
  bool OnTimer(HWND window, UINT_PTR id);

 private:
  TrayIcon& icon_;
  Owner owner_;
  bool doubleClicked_ = false;
};

}  // namespace shell
