// The tray icon: added for its owner with the full-size icon data, its mouse
// messages reaching the owner, one hover while the cursor rests and one leave once
// it has moved away, and removal.
#include "tray_icon.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support/window_test_env.h"

namespace {

std::vector<LPARAM> g_codes;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == shell::kTrayCallbackMessage && wParam == shell::kTrayIconId) g_codes.push_back(lParam);
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

TEST(TrayIcon, DestroyingEndsTheThreadQuickly) {
  const DWORD start = ::GetTickCount();
  { shell::TrayIcon tray; }
  EXPECT_LT(::GetTickCount() - start, 4000u);
}

}  // namespace
