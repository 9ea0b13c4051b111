// The main window built from the packed skin with the real data library: what the
// owner and the clerk see, the close-button setting read at start-up, the close
// button and Alt+F4 (hide, minimise or ask), the broadcast animation, a refused
// login, and the category map.
#include "main_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_dialog.h"
#include "test_support/dialog_answers.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::DialogAnswer;
using shelltest::MainWindow;
using shelltest::PumpUntil;
using shelltest::TakeQuit;

TEST(MainFrame, OwnerAndClerkAreNamedAndTheClerkGetsNoSettingsButton) {
  // The layout hides the settings button for everyone; start-up never shows it and
  // hides it again for anyone but the owner.
  struct Case {
    const char* account;
    const wchar_t* shownName;
    bool settingsVisible;
  } cases[] = {
      {"老板", L"老板", false},
      {"营业员", L"营业员", false},
  };
  for (const Case& c : cases) {
    MainWindow main(c.account);
    ASSERT_TRUE(main.Alive());
    EXPECT_EQ(shell::StartupOutcome::kRunning, main.frame().GetStartupOutcome());
    wchar_t title[64] = {};
    ::GetWindowTextW(main.hwnd(), title, 64);
    EXPECT_STREQ(L"TarvelStock", title);
    ASSERT_NE(nullptr, main.Find(L"user_name"));
    EXPECT_EQ(SkinUI::CUIString(c.shownName), main.Find(L"user_name")->GetText()) << c.account;
    ASSERT_NE(nullptr, main.Find(L"xtsz"));
    EXPECT_EQ(c.settingsVisible, main.Find(L"xtsz")->IsVisible()) << c.account;
    // The layout's home page is the one panel shown.
    EXPECT_TRUE(main.Find(L"mid_dpgl")->IsVisible());
    EXPECT_FALSE(main.Find(L"mid_xtsz")->IsVisible());
    RECT rc;
    ::GetWindowRect(main.hwnd(), &rc);
    EXPECT_EQ(880, rc.right - rc.left);
    EXPECT_EQ(600, rc.bottom - rc.top);
  }
}

TEST(MainFrame, StoredCloseSettingPicksTheBox) {
  struct Case {
    const char* exitMin;  // null: no settings row
    bool minimise, exit;
  } cases[] = {
      {"1", true, false},
      {"0", false, true},
      {"abc", false, true},
      {nullptr, false, false},
  };
  for (const Case& c : cases) {
    std::vector<DataField> key = {MakeDataField("name", "营业员")};
    g_dataObject->DeleteRecords("tb_priority", &key);
    if (c.exitMin != nullptr) {
      std::vector<DataField> row = {MakeDataField("name", "营业员"), MakeDataField("autorun", "0"),
                                    MakeDataField("exit_min", c.exitMin)};
      ASSERT_EQ(0, g_dataObject->InsertRecord("tb_priority", &row));
    }
    MainWindow main("营业员");
    SkinUI::COptionUI* minimise = shell::FindOption(*main.frame().GetPaintManager(), L"xtsz_chk_mini");
    SkinUI::COptionUI* exit = shell::FindOption(*main.frame().GetPaintManager(), L"xtsz_chk_exit");
    ASSERT_NE(nullptr, minimise);
    ASSERT_NE(nullptr, exit);
    EXPECT_EQ(c.minimise, minimise->IsSelected()) << (c.exitMin ? c.exitMin : "no row");
    EXPECT_EQ(c.exit, exit->IsSelected()) << (c.exitMin ? c.exitMin : "no row");
  }
  std::vector<DataField> key = {MakeDataField("name", "营业员")};
  g_dataObject->DeleteRecords("tb_priority", &key);
}

TEST(MainFrame, CloseButtonAndAltF4HideMinimiseOrAskToExit) {
  const shell::MsgDlgWatcher previous = shell::SetMsgDlgWatcher(&DialogAnswer::Watch);
  enum How { kCloseButton, kAltF4 };
  enum Expect { kHidden, kMinimised, kStaysOpen, kEnds };
  struct Case {
    const char* name;
    How how;
    bool minimiseSelected;
    bool trayIcon;
    UINT answer;
    bool asks;
    Expect expect;
  } cases[] = {
      {"minimise box, tray icon: hidden", kCloseButton, true, true, 0, false, kHidden},
      {"minimise box, no tray icon: minimised", kCloseButton, true, false, 0, false, kMinimised},
      {"exit box, cancelled", kCloseButton, false, true, 2, true, kStaysOpen},
      {"exit box, confirmed", kCloseButton, false, true, 1, true, kEnds},
      {"Alt+F4 asks as the close button", kAltF4, false, true, 2, true, kStaysOpen},
      {"Alt+F4 confirmed", kAltF4, false, true, 1, true, kEnds},
  };
  for (const Case& c : cases) {
    MainWindow main("老板");
    main.Show();
    shell::FindOption(*main.frame().GetPaintManager(), c.minimiseSelected ? L"xtsz_chk_mini" : L"xtsz_chk_exit")
        ->Selected(true);
    if (!c.trayIcon) {
      main.frame().GetTrayIcon().RemoveIcon();
    } else if (!main.frame().GetTrayIcon().HasIcon()) {
      ADD_FAILURE() << "no tray icon under this desktop; " << c.name;
      continue;
    }
    DialogAnswer::Result() = c.answer;
    DialogAnswer::Asked().clear();
    if (c.how == kCloseButton) {
      shelltest::Click(main.hwnd(), main.Find(L"closebtn"));
    } else {
      ::PostMessageW(main.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    PumpUntil([&] {
      return !main.Alive() || !::IsWindowVisible(main.hwnd()) || ::IsIconic(main.hwnd()) ||
             !DialogAnswer::Asked().empty();
    });
    shelltest::Pump(200);
    EXPECT_EQ(c.asks ? 1u : 0u, DialogAnswer::Asked().size()) << c.name;
    if (c.asks && !DialogAnswer::Asked().empty()) {
      EXPECT_EQ(L"提示|确定要退出程序 ?", DialogAnswer::Asked()[0]) << c.name;
    }
    switch (c.expect) {
      case kHidden:
        EXPECT_TRUE(main.Alive() && !::IsWindowVisible(main.hwnd())) << c.name;
        break;
      case kMinimised:
        EXPECT_TRUE(main.Alive() && ::IsIconic(main.hwnd())) << c.name;
        break;
      case kStaysOpen:
        EXPECT_TRUE(main.Alive() && ::IsWindowVisible(main.hwnd()) && !::IsIconic(main.hwnd())) << c.name;
        EXPECT_FALSE(TakeQuit()) << c.name;
        break;
      case kEnds:
        EXPECT_FALSE(main.Alive()) << c.name;
        EXPECT_TRUE(TakeQuit()) << "the program's loop ends; " << c.name;
        break;
    }
  }
  shell::SetMsgDlgWatcher(previous);
}

TEST(MainFrame, DestroyedWindowEndsTheMessageLoop) {
  MainWindow main("老板");
  ::DestroyWindow(main.hwnd());
  EXPECT_TRUE(TakeQuit());
}

TEST(MainFrame, BroadcastWavesAppearOneTwoThreeThenVanish) {
  MainWindow main("老板");
  const bool expected[][3] = {
      {true, false, false},  {true, true, false},  {true, true, true},
      {false, false, false}, {true, false, false}, {true, true, false},
  };
  for (int tick = 0; tick < 6; ++tick) {
    ::SendMessageW(main.hwnd(), WM_TIMER, shell::kTimerBroadcast, 0);
    for (int wave = 0; wave < 3; ++wave) {
      const std::wstring name = L"CastWave" + std::to_wstring(wave + 1);
      EXPECT_EQ(expected[tick][wave], main.Find(name.c_str())->IsVisible()) << "tick " << tick << " " << wave;
    }
  }
  // The real timer runs too: within two seconds the waves change by themselves.
  const int step = main.frame().GetBroadcastStep();
  EXPECT_TRUE(PumpUntil([&] { return main.frame().GetBroadcastStep() != step; }, 2000));
}

TEST(MainFrame, BroadcastButtonAsksAndChangesNothing) {
  const shell::MsgDlgWatcher previous = shell::SetMsgDlgWatcher(&DialogAnswer::Watch);
  MainWindow main("老板");
  main.Show();
  DialogAnswer::Result() = 1;
  DialogAnswer::Asked().clear();
  shelltest::Click(main.hwnd(), main.Find(L"bottomBroadcast"));
  PumpUntil([] { return !DialogAnswer::Asked().empty(); });
  ASSERT_EQ(1u, DialogAnswer::Asked().size());
  EXPECT_EQ(L"提示|你要广播 ?", DialogAnswer::Asked()[0]);
  shelltest::Pump(100);
  EXPECT_TRUE(main.Alive() && ::IsWindowVisible(main.hwnd()));
  EXPECT_FALSE(TakeQuit());
  shell::SetMsgDlgWatcher(previous);
}

UINT RefusedLogin(HWND, pagekit::Session*) { return 0; }

TEST(MainFrame, RefusedLoginStartsNothingElse) {
  MainWindow main("", &RefusedLogin);
  ASSERT_TRUE(main.Alive());
  EXPECT_EQ(shell::StartupOutcome::kLoginRefused, main.frame().GetStartupOutcome());
  EXPECT_FALSE(::IsWindowVisible(main.hwnd()));
  EXPECT_FALSE(main.frame().GetTrayIcon().HasIcon());
  EXPECT_EQ(SkinUI::CUIString(L""), main.Find(L"user_name")->GetText());
}

TEST(MainFrame, CategoriesAreReadIntoTheCatalogByLevel) {
  g_dataObject->DeleteProductType(nullptr);
  g_dataObject->AddProductType("食品", "", 1);
  g_dataObject->AddProductType("饮料", "食品", 2);
  g_dataObject->AddProductType("日用品", "", 1);
  MainWindow main("老板");
  const std::vector<pagekit::CategoryEntry>& types = main.frame().Catalog().Categories();
  ASSERT_EQ(3u, types.size());
  // By level: both top categories before the one under 食品.
  EXPECT_EQ(1, types[0].level);
  EXPECT_EQ(1, types[1].level);
  EXPECT_EQ(L"饮料", types[2].name);
  EXPECT_EQ(L"食品", types[2].parent);
  EXPECT_EQ(2, types[2].level);
  g_dataObject->DeleteProductType(nullptr);
}

TEST(MainFrame, MaximiseShowsRestoreAndBack) {
  MainWindow main("老板");
  main.Show();
  shelltest::Click(main.hwnd(), main.Find(L"maxbtn"));
  PumpUntil([&] { return ::IsZoomed(main.hwnd()) != FALSE; });
  EXPECT_FALSE(main.Find(L"maxbtn")->IsVisible());
  EXPECT_TRUE(main.Find(L"restorebtn")->IsVisible());
  shelltest::Pump(100);
  shelltest::Click(main.hwnd(), main.Find(L"restorebtn"));
  PumpUntil([&] { return !::IsZoomed(main.hwnd()); });
  EXPECT_TRUE(main.Find(L"maxbtn")->IsVisible());
  EXPECT_FALSE(main.Find(L"restorebtn")->IsVisible());
}

}  // namespace
