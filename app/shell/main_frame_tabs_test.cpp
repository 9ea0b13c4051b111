// The tab strip under sequences of opening, closing and stepping: the strip's
// order, the one selected tab and the panel shown. The pages are plug-in pages,
// which open a tab and show their own panel through the router. Closing the tab
// under the hovering cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button.h"
#include "controls/option.h"
#include "test_support/shell_doubles.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;
using shelltest::PumpUntil;

// Three plug-in pages: "甲" shows "mid_PageA", "乙" "mid_PageB", "丙" "mid_PageC".
class TabsTest : public ::testing::Test {
 protected:
  // Their panels "mid_PageA" and so on are made at start-up.
  TabsTest() : a_("PageA"), b_("PageB"), c_("PageC"), bound_({{&a_, "甲"}, {&b_, "乙"}, {&c_, "丙"}}), main_("老板") {}

  // "甲,乙": the tabs of the strip, in the strip's order, with the selected one in
  // brackets; checked against the open-tab map.
  std::wstring Strip() {
    std::wstring strip;
    auto* tabs = shell::FindContainer(*main_.frame().GetPaintManager(), L"layoutContentTab");
    std::vector<std::wstring> pages;
    for (int i = 0; tabs != nullptr && i < tabs->GetCount(); ++i) {
      const SkinUI::CUIString name = tabs->GetItemAt(i)->GetName();
      if (name.Left(11) != L"tab_layout_") continue;
      const SkinUI::CUIString page = name.Mid(11);
      pages.push_back(page.GetData());
      if (!strip.empty()) strip += L",";
      SkinUI::COptionUI* option =
          shell::FindOption(*main_.frame().GetPaintManager(), (SkinUI::CUIString(L"tab_") + page).GetData());
      strip += option != nullptr && option->IsSelected() ? L"[" + std::wstring(page.GetData()) + L"]" : page.GetData();
    }
    std::vector<std::wstring> open;
    for (const SkinUI::CUIString& page : main_.frame().GetOpenTabs()) open.push_back(page.GetData());
    EXPECT_EQ(pages, open) << "strip and map agree";
    return strip;
  }

  // The one panel of "mid_layout" shown.
  std::wstring Panel() {
    std::wstring shown;
    auto* panels = shell::FindContainer(*main_.frame().GetPaintManager(), L"mid_layout");
    for (int i = 0; i < panels->GetCount(); ++i) {
      if (!panels->GetItemAt(i)->IsVisible()) continue;
      if (!shown.empty()) shown += L"+";
      shown += panels->GetItemAt(i)->GetName().GetData();
    }
    return shown;
  }

  shelltest::FakePlugin a_, b_, c_;
  shelltest::PluginsBound bound_;
  MainWindow main_;
};

TEST_F(TabsTest, SequencesOfOpeningClosingAndStepping) {
  // Steps: "+X" opens page X, "-X" closes its tab, "<" previous, ">" next.
  struct Case {
    const char* name;
    std::vector<std::wstring> steps;
    const wchar_t* strip;
    const wchar_t* panel;
  } cases[] = {
      {"opening an open page selects it, no second tab", {L"+甲", L"+乙", L"+甲"}, L"[甲],乙", L"mid_PageA"},
      {"closing the selected middle tab opens its right",
       {L"+甲", L"+乙", L"+丙", L"+乙", L"-乙"},
       L"甲,[丙]",
       L"mid_PageC"},
      {"closing the selected rightmost tab opens its left", {L"+甲", L"+乙", L"+丙", L"-丙"}, L"甲,[乙]", L"mid_PageB"},
      {"closing a tab not selected changes nothing else", {L"+甲", L"+乙", L"+丙", L"-甲"}, L"乙,[丙]", L"mid_PageC"},
      {"previous steps left", {L"+甲", L"+乙", L"+丙", L"<"}, L"甲,[乙],丙", L"mid_PageB"},
      {"previous on the leftmost does nothing", {L"+甲", L"+乙", L"+甲", L"<"}, L"[甲],乙", L"mid_PageA"},
      {"next steps right", {L"+甲", L"+乙", L"+甲", L">"}, L"甲,[乙]", L"mid_PageB"},
      {"next on the rightmost does nothing", {L"+甲", L"+乙", L">"}, L"甲,[乙]", L"mid_PageB"},
      {"one tab: neither steps", {L"+甲", L"<", L">"}, L"[甲]", L"mid_PageA"},
      {"a closed tab reopens at the end", {L"+甲", L"+乙", L"-甲", L"+甲"}, L"乙,[甲]", L"mid_PageA"},
      {"closing the last tab leaves the page shown", {L"+甲", L"-甲"}, L"", L"mid_PageA"},
      {"closing a page never opened does nothing", {L"+甲", L"-乙"}, L"[甲]", L"mid_PageA"},
  };
  MessageBoxRecorder boxes;
  for (const Case& c : cases) {
    for (const SkinUI::CUIString& page : main_.frame().GetOpenTabs()) main_.frame().CloseTab(page);
    for (const std::wstring& step : c.steps) {
      const SkinUI::CUIString page = step.substr(1).c_str();
      switch (step[0]) {
        case L'+':
          main_.frame().ShowPage(page);
          break;
        case L'-':
          main_.frame().CloseTab(page);
          break;
        case L'<':
          main_.frame().SelectPrevTab();
          break;
        default:
          main_.frame().SelectNextTab();
          break;
      }
    }
    EXPECT_EQ(c.strip, Strip()) << c.name;
    EXPECT_EQ(c.panel, Panel()) << c.name;
  }
  EXPECT_TRUE(MessageBoxRecorder::Boxes().empty());
}

TEST_F(TabsTest, TheButtonsOfTheStripCloseAndStep) {
  main_.Show();
  MessageBoxRecorder boxes;
  main_.frame().ShowPage(L"甲");
  main_.frame().ShowPage(L"乙");
  main_.frame().ShowPage(L"丙");
  shelltest::Pump(100);
  shelltest::Click(main_.hwnd(), main_.Find(L"tabSwitchPre"));
  EXPECT_TRUE(PumpUntil([&] { return Strip() == L"首页,甲,[乙],丙"; }, 2000)) << Strip();
  shelltest::Click(main_.hwnd(), main_.Find(L"tab_close_乙"));
  EXPECT_TRUE(PumpUntil([&] { return Strip() == L"首页,甲,[丙]"; }, 2000)) << Strip();
  EXPECT_EQ(L"mid_PageC", Panel());
  shelltest::Click(main_.hwnd(), main_.Find(L"tab_甲"));
  EXPECT_TRUE(PumpUntil([&] { return Panel() == L"mid_PageA"; }, 2000)) << Panel();
  EXPECT_EQ(L"首页,[甲],丙", Strip());
  shelltest::Click(main_.hwnd(), main_.Find(L"tabSwitchNext"));
  EXPECT_TRUE(PumpUntil([&] { return Panel() == L"mid_PageC"; }, 2000)) << Panel();
  EXPECT_TRUE(MessageBoxRecorder::Boxes().empty());
}

TEST_F(TabsTest, AnUnclosableTabHasNoCloseButtonAndAMissingStripNoTab) {
  EXPECT_TRUE(main_.frame().AddTab(L"甲", false));
  EXPECT_TRUE(main_.frame().AddTab(L"乙", true));
  EXPECT_FALSE(main_.Find(L"tab_close_甲")->IsVisible());
  EXPECT_TRUE(main_.Find(L"tab_close_乙")->IsVisible());
  EXPECT_EQ(SkinUI::CUIString(L"甲"), main_.Find(L"tab_甲")->GetText());
}

// The tab hover timer lights the close button of the tab under the cursor; the
// button goes with its tab, and the timer's next ticks go on with the others.
// With more tabs than the strip holds, the selected tab is always shown whole
// inside the strip, left of its arrows, however it was chosen: opened, stepped
// to with the arrows, opened again, or taking over from a closed tab.
TEST_F(TabsTest, TheSelectedTabIsAlwaysShownWhole) {
  main_.Show();
  MessageBoxRecorder boxes;
  const std::vector<std::wstring> pages = {L"甲",     L"乙",       L"丙",       L"基础资料",
                                           L"进销存", L"网店管理", L"报表中心", L"备份恢复"};
  auto* strip = shell::FindContainer(*main_.frame().GetPaintManager(), L"layoutContentTab");
  ASSERT_NE(nullptr, strip);
  // The selected tab, which must lie whole inside the strip.
  auto checkSelected = [&](const std::string& how) {
    SCOPED_TRACE(how);
    shelltest::Pump(30);
    int selected = 0;
    for (const SkinUI::CUIString& open : main_.frame().GetOpenTabs()) {
      const std::wstring page = open.GetData();
      SkinUI::COptionUI* option = shell::FindOption(*main_.frame().GetPaintManager(), (L"tab_" + page).c_str());
      if (option == nullptr || !option->IsSelected()) continue;
      ++selected;
      SkinUI::CControlUI* tab = main_.Find((L"tab_layout_" + page).c_str());
      ASSERT_NE(nullptr, tab);
      const RECT rc = tab->GetPos();
      const RECT area = strip->GetPos();
      EXPECT_TRUE(tab->IsVisible());
      EXPECT_GE(rc.left, area.left);
      EXPECT_LE(rc.right, area.right - strip->GetInset().right) << "cut off under the arrows";
      EXPECT_GT(rc.right, rc.left);
    }
    EXPECT_EQ(1, selected);
  };
  for (const std::wstring& page : pages) {
    main_.frame().ShowPage(page.c_str());
    checkSelected("opening " + shell::AnsiFromWide(page));
  }
  for (int i = 0; i < 8; ++i) {
    main_.frame().SelectPrevTab();
    checkSelected("stepping back " + std::to_string(i));
  }
  main_.frame().ShowPage(L"备份恢复");
  checkSelected("opened again");
  main_.frame().CloseTab(L"备份恢复");
  checkSelected("after closing the last");
}

TEST_F(TabsTest, ClosingTheTabUnderTheHoveringCursor) {
  main_.Show();
  MessageBoxRecorder boxes;
  main_.frame().ShowPage(L"甲");
  main_.frame().ShowPage(L"乙");
  shelltest::Pump(100);
  auto hoverOver = [&](const wchar_t* name) {
    const RECT rc = main_.Find(name)->GetPos();
    POINT at = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(main_.hwnd(), &at);
    ::SetCursorPos(at.x, at.y);
    ::SendMessageW(main_.hwnd(), WM_TIMER, shell::kTimerTabHover, 0);
  };
  auto hot = [&](const wchar_t* name) {
    auto* button = static_cast<SkinUI::CButtonUI*>(main_.Find(name));
    return button != nullptr && (button->GetButtonState() & SkinUI::UISTATE_HOT) != 0;
  };
  hoverOver(L"tab_乙");
  EXPECT_TRUE(hot(L"tab_close_乙"));
  main_.frame().CloseTab(L"乙");
  shelltest::Pump(50);  // the closed tab's controls are freed now
  ASSERT_EQ(nullptr, main_.Find(L"tab_close_乙"));
  ::SendMessageW(main_.hwnd(), WM_TIMER, shell::kTimerTabHover, 0);
  hoverOver(L"tab_甲");
  EXPECT_TRUE(hot(L"tab_close_甲"));
  hoverOver(L"mid_PageA");
  EXPECT_FALSE(hot(L"tab_close_甲"));
  EXPECT_EQ(L"首页,[甲]", Strip());
}

}  // namespace
