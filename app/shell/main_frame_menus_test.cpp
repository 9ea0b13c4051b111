// The main window's menus: the dispatcher's names (letter case ignored) and what
// they do, the menu message that carries a chosen name, the help menu under its
// button and the tray menu at the cursor, chosen with the mouse; changing the
// user when the program cannot be started again.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app_paths.h"
#include "controls/menu_window.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::DialogAnswer;
using shelltest::DialogAnswering;
using shelltest::MainWindow;
using shelltest::PumpUntil;
using shelltest::TakeQuit;

// The open menu window of this thread, or null.
HWND OpenMenu() {
  struct Search {
    static BOOL CALLBACK Visit(HWND w, LPARAM found) {
      wchar_t name[32] = {};
      ::GetClassNameW(w, name, 32);
      if (std::wstring(name) == L"MenuWnd" && ::IsWindowVisible(w) &&
          ::GetWindowThreadProcessId(w, nullptr) == ::GetCurrentThreadId()) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
      }
      return TRUE;
    }
  };
  HWND found = nullptr;
  ::EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CloseMenus() {
  for (HWND menu = OpenMenu(); menu != nullptr; menu = OpenMenu()) {
    ::DestroyWindow(menu);
    shelltest::Pump(20);
  }
}

TEST(MenuCommands, NamesAsATable) {
  enum Effect { kNothing, kShown, kAsksToExit };
  struct Case {
    const wchar_t* item;
    Effect effect;
  } cases[] = {
      {L"menu_login_show_app", kShown},
      {L"MENU_LOGIN_SHOW_APP", kShown},
      {L"menu_login_exit", kAsksToExit},
      {L"Menu_Login_Exit", kAsksToExit},
      {L"menu_help_weburl", kNothing},
      {L"menu_login_show", kNothing},
      {L"", kNothing},
  };
  MainWindow main("老板");
  for (const Case& c : cases) {
    DialogAnswering answers(2);
    ::ShowWindow(main.hwnd(), SW_HIDE);
    main.frame().OnMenuCommand(c.item);
    shelltest::Pump(50);
    EXPECT_EQ(c.effect == kShown, ::IsWindowVisible(main.hwnd()) != FALSE) << c.item;
    EXPECT_EQ(c.effect == kAsksToExit ? 1u : 0u, DialogAnswer::Asked().size()) << c.item;
    if (c.effect == kAsksToExit && !DialogAnswer::Asked().empty()) {
      EXPECT_EQ(L"提示|确定要退出程序 ?", DialogAnswer::Asked()[0]);
    }
    EXPECT_TRUE(main.Alive()) << c.item;
    EXPECT_FALSE(TakeQuit()) << c.item;
  }
}

// The menu message hands over a string made with new; the window takes it over.
// A message without one is ignored.
TEST(MenuCommands, TheMenuMessageCarriesTheChosenName) {
  MainWindow main("老板");
  ::ShowWindow(main.hwnd(), SW_HIDE);
  ::PostMessageW(main.hwnd(), SkinUI::WM_MENUCLICK, 0, 0);
  shelltest::Pump(50);
  EXPECT_FALSE(::IsWindowVisible(main.hwnd()));
  ::PostMessageW(main.hwnd(), SkinUI::WM_MENUCLICK,
                 reinterpret_cast<WPARAM>(new SkinUI::CUIString(L"menu_login_show_app")), 0);
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(main.hwnd()) != FALSE; }, 2000));
}

TEST(MenuCommands, TheHelpMenuHangsBelowItsButton) {
  MainWindow main("老板");
  main.Show();
  CloseMenus();
  shelltest::Click(main.hwnd(), main.Find(L"helpbtn"));
  HWND menu = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (menu = OpenMenu()) != nullptr; }, 3000));
  const RECT button = main.Find(L"helpbtn")->GetPos();
  POINT corner = {button.left, button.bottom};
  ::ClientToScreen(main.hwnd(), &corner);
  RECT rc;
  ::GetWindowRect(menu, &rc);
  EXPECT_EQ(corner.x, rc.left);
  EXPECT_EQ(corner.y, rc.top);
  EXPECT_GE(rc.bottom - rc.top, 5 * 26) << "five items";
  CloseMenus();
}

// Right button on the tray icon: the tray menu comes up at the cursor; choosing
// its first item, "打开主面板", brings the hidden window back.
TEST(MenuCommands, TheTrayMenuOpensTheMainWindow) {
  MainWindow main("老板");
  CloseMenus();
  ::ShowWindow(main.hwnd(), SW_HIDE);
  ::SetCursorPos(300, 500);
  ::SendMessageW(main.hwnd(), shell::kTrayCallbackMessage, 101, WM_RBUTTONUP);
  HWND menu = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (menu = OpenMenu()) != nullptr; }, 3000));
  RECT rc;
  ::GetWindowRect(menu, &rc);
  EXPECT_EQ(300, rc.left);
  EXPECT_GE(rc.bottom - rc.top, 3 * 26) << "three items";
  const LPARAM first = MAKELPARAM(30, 13);
  ::PostMessageW(menu, WM_MOUSEMOVE, 0, first);
  ::PostMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, first);
  ::PostMessageW(menu, WM_LBUTTONUP, 0, first);
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(main.hwnd()) != FALSE; }, 3000));
  CloseMenus();
}

// No program to start: the window stays, shown again with its tray icon and the
// single-instance mutex, and says so.
TEST(MenuCommands, ChangingUserWithoutAProgramToStartKeepsThisOne) {
  char folder[MAX_PATH];
  ::GetTempPathA(MAX_PATH, folder);
  std::string empty = std::string(folder) + "tarvel_no_program_" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(empty.c_str(), nullptr);
  char saved[sizeof(g_exeDir)];
  std::snprintf(saved, sizeof(saved), "%s", g_exeDir);
  std::snprintf(g_exeDir, sizeof(g_exeDir), "%s", empty.c_str());
  for (const wchar_t* item : {L"menu_chg_user", L"menu_login_change_user"}) {
    MainWindow main("老板");
    main.Show();
    DialogAnswering answers(1);
    main.frame().OnMenuCommand(item);
    shelltest::Pump(100);
    ASSERT_EQ(1u, DialogAnswer::Asked().size()) << item;
    EXPECT_EQ(L"错误|无法重新启动程序，不能切换用户!", DialogAnswer::Asked()[0]);
    EXPECT_TRUE(main.Alive() && ::IsWindowVisible(main.hwnd())) << item;
    EXPECT_TRUE(main.frame().GetTrayIcon().HasIcon()) << item;
    EXPECT_FALSE(TakeQuit()) << item;
    HANDLE probe = ::CreateMutexW(nullptr, FALSE, L"hKXPlatform");
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), ::GetLastError()) << "still the one copy; " << item;
    ::CloseHandle(probe);
  }
  std::snprintf(g_exeDir, sizeof(g_exeDir), "%s", saved);
  ::RemoveDirectoryA(empty.c_str());
}

}  // namespace
