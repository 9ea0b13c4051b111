// The tray icon: added for its owner with the full-size icon data, its mouse
// messages reaching the owner, one hover while the cursor rests and one leave once
// it has moved away, and removal.
#include "tray_icon.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support/window_test_env.h"
#include "tray_clicks.h"

namespace {

std::vector<LPARAM> g_codes;
shell::TrayClicks* g_clicks = nullptr;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == shell::kTrayCallbackMessage && wParam == shell::kTrayIconId) g_codes.push_back(lParam);
  if (msg == WM_TIMER && g_clicks != nullptr && g_clicks->OnTimer(hwnd, wParam)) return 0;
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeOwner() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TrayIconTestOwner";
  ::RegisterClassW(&wc);
  return ::CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

int Count(LPARAM code) {
  int n = 0;
  for (LPARAM c : g_codes) n += c == code;
  return n;
}

TEST(TrayIcon, HoverOnceWhileRestingAndLeaveWhenTheCursorMoves) {
  HWND owner = MakeOwner();
  ASSERT_NE(nullptr, owner);
  g_codes.clear();
  ::SetCursorPos(300, 300);
  {
    shell::TrayIcon tray;
    EXPECT_EQ(936u, shell::kTrayIconDataSize);
    tray.AddIcon(owner, ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)), L"TarvelStock");
    tray.OnMouseMove();
    tray.OnMouseMove();
    EXPECT_TRUE(tray.IsHovering());
    // Resting: one hover and, after more than a poll, still no leave.
    shelltest::Pump(1300);
    EXPECT_EQ(1, Count(WM_MOUSEHOVER));
    EXPECT_EQ(0, Count(WM_MOUSELEAVE));
    ::SetCursorPos(500, 420);
    EXPECT_TRUE(shelltest::PumpUntil([] { return Count(WM_MOUSELEAVE) == 1; }, 2500));
    EXPECT_FALSE(tray.IsHovering());
    // The next move over the icon reports a hover again.
    tray.OnMouseMove();
    shelltest::Pump(50);
    EXPECT_EQ(2, Count(WM_MOUSEHOVER));
  }
  ::DestroyWindow(owner);
}

// The icon's clicks as the login and the main window take them: a click brings the
// window up once the double-click time has passed without a second click; a double
// click brings it up at once, and the click before it then brings nothing more.
TEST(TrayClicks, AClickWaitsOutADoubleClick) {
  HWND owner = MakeOwner();
  ASSERT_NE(nullptr, owner);
  shell::TrayIcon tray;
  int up = 0;
  int front = 0;
  shell::TrayClicks clicks(tray, {77, L"menu_app_tray.xml", [&] { ++up; }, [&] { ++front; }});
  g_clicks = &clicks;
  const DWORD wait = ::GetDoubleClickTime() + 300;

  clicks.OnIconMessage(owner, WM_LBUTTONDOWN);
  clicks.OnIconMessage(owner, WM_LBUTTONUP);
  EXPECT_EQ(0, up) << "a click waits for a second one";
  EXPECT_TRUE(shelltest::PumpUntil([&] { return up == 1; }, wait + 1000));
  shelltest::Pump(wait);
  EXPECT_EQ(1, up) << "once: the timer stopped";

  up = 0;
  clicks.OnIconMessage(owner, WM_LBUTTONDOWN);
  clicks.OnIconMessage(owner, WM_LBUTTONDBLCLK);
  EXPECT_EQ(1, up) << "a double click at once";
  shelltest::Pump(wait);
  EXPECT_EQ(1, up) << "and its first click brings nothing more";
  EXPECT_EQ(0, front);
  EXPECT_FALSE(clicks.OnTimer(owner, 78)) << "another timer is the owner's";

  g_clicks = nullptr;
  ::DestroyWindow(owner);
}

TEST(TrayIcon, DestroyingEndsTheThreadQuickly) {
  const DWORD start = ::GetTickCount();
  { shell::TrayIcon tray; }
  EXPECT_LT(::GetTickCount() - start, 4000u);
}

}  // namespace
