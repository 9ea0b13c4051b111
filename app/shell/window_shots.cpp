// Pictures of the main window for a person to look at; a tool, not a test: it
// checks nothing, and the suite does not run it. Each account's home page with
// stored side-bar shortcuts, a tile page, the report centre and the product page,
// and a home tile under the mouse with its "+". Run it by hand with TARVEL_SHOT_DIR
// naming the folder for the pictures (without it nothing is saved).
#include <gtest/gtest.h>

#include <string>

#include "library_binding.h"
#include "main_frame.h"
#include "test_support/main_window.h"
#include "test_support/shell_doubles.h"
#include "test_support/window_shot.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::MainWindow;

const char* const kAccounts[] = {"老板", "营业员"};

std::string Role(MainWindow& main) { return main.frame().CurrentSession().owner ? "owner" : "clerk"; }

TEST(WindowShots, HomeWithStoredShortcuts) {
  g_dataObject->DeleteSideBarItem(nullptr);
  for (const char* name : {"商品", "客户", "销售批发价", "进货单", "资金"})
    g_dataObject->AddSideBarItem(name, "AppLogo/8_S.png", name);
  for (const char* account : kAccounts) {
    MainWindow main(account);
    main.Show();
    shelltest::Pump(300);
    shelltest::SaveWindowShot(main.hwnd(), ("home_" + Role(main)).c_str());
  }
  g_dataObject->DeleteSideBarItem(nullptr);
}

TEST(WindowShots, ModulePages) {
  for (const char* account : kAccounts) {
    MainWindow main(account);
    main.Show();
    shelltest::MessageBoxRecorder boxes;  // the clerk is refused the report centre
    const std::string role = Role(main);
    const struct {
      const wchar_t* page;
      const char* shot;
    } pages[] = {{L"首页", "home"}, {L"进销存", "tiles"}, {L"报表中心", "reports"}, {L"商品", "products"}};
    for (const auto& page : pages) {
      main.frame().ShowPage(page.page);
      shelltest::Pump(200);
      shelltest::SaveWindowShot(main.hwnd(), ("pages_" + role + "_" + page.shot).c_str());
    }
    // The first home tile under the mouse, with its "+".
    main.frame().ShowPage(L"首页");
    shelltest::Pump(100);
    const RECT tile = main.Find(L"bar_btn_商品")->GetPos();
    ::SendMessageW(main.hwnd(), WM_MOUSEMOVE, 0,
                   MAKELPARAM((tile.left + tile.right) / 2, (tile.top + tile.bottom) / 2));
    shelltest::Pump(130);
    shelltest::SaveWindowShot(main.hwnd(), ("pages_" + role + "_home_plus").c_str());
  }
}

}  // namespace
