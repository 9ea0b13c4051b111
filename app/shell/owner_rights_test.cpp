// Owner-only rights on every way to a page: the home tiles, the tile pages and
// their report panels, the report centre, the router itself, the side bar and its
// "+", the report buttons of other pages and the menus. For each way and account
// the table says whether the page is reached. The clerk keeps what the owner
// grants: the shortcuts the side bar shows the clerk (the purchase bill among
// them) open their pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/button.h"
#include "library_binding.h"
#include "test_support/page_probe.h"
#include "test_support/shell_doubles.h"
#include "text_conversion.h"

namespace {

using shelltest::EntryNames;
using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;
using shelltest::TileNames;

const wchar_t kRefusal[] = L"只有老板可以使用此功能";

enum class Way {
  kHomeTile,      // the tile is on the home page
  kTilePage,      // `click` opens a tile page; the tile is in `where`
  kReportPanel,   // the tile page `click` shows the entry in its report panel `where`
  kReportCentre,  // the report centre opens and its list `where` shows the entry
  kRouter,        // the page name straight to the router
  kSideBar,       // the stored shortcut is shown and its click opens the page
  kReportButton,  // the button `click` of another page opens the report
  kMenu,          // the menu item `click` opens the settings page
  kAddShortcut,   // the "+" of the entry puts it into the side bar
};

struct Case {
  Way way;
  const char* account;
  const wchar_t* page;
  bool reached;
  const wchar_t* click = nullptr;
  const wchar_t* where = nullptr;
  bool granted = true;  // the owner's shortcuts (the purchase bill among them) are stored
};

const char kOwner[] = "老板";
const char kClerk[] = "营业员";

// Shortcuts the owner stored before the window opens: granted to the clerk only
// where the side bar shows them.
const char* const kStored[] = {"商品", "客户", "销售批发价", "进货单", "资金", "供应商"};

bool Contains(const std::vector<std::wstring>& names, const wchar_t* name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool Refused(const wchar_t* page) {
  const std::wstring refusal = std::wstring(page) + L"|" + kRefusal;
  return Contains(MessageBoxRecorder::Boxes(), refusal.c_str());
}

void Click(MainWindow& main, SkinUI::CControlUI* sender) {
  SkinUI::TNotifyUI click{};
  click.type = L"click";
  click.sender = sender;
  main.frame().Notify(click);
}

// A button of a page that is not built yet, put where the click chain finds it.
SkinUI::CControlUI* PageButton(MainWindow& main, const wchar_t* name) {
  if (SkinUI::CControlUI* found = main.Find(name)) return found;
  auto* button = new SkinUI::CButtonUI;
  button->SetName(name);
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(button);
  return button;
}

bool Reached(MainWindow& main, const Case& c) {
  SkinUI::CPaintManagerUI& pm = *main.frame().GetPaintManager();
  switch (c.way) {
    case Way::kHomeTile:
      return Contains(TileNames(main.Find(L"main_grid")), c.page);
    case Way::kTilePage:
      Click(main, main.Find(c.click));
      return Contains(TileNames(main.Find(c.where)), c.page) && main.Find(c.where)->IsVisible();
    case Way::kReportPanel: {
      Click(main, main.Find(c.click));
      SkinUI::CBarListUI* list = shell::FindBarList(pm, c.where);
      return list != nullptr && list->IsVisible() && Contains(EntryNames(list), c.page);
    }
    case Way::kReportCentre: {
      main.frame().ShowPage(L"报表中心");
      SkinUI::CBarListUI* list = shell::FindBarList(pm, c.where);
      return !Refused(L"报表中心") && list->IsVisible() && Contains(EntryNames(list), c.page);
    }
    case Way::kRouter:
      main.frame().ShowPage(c.page);
      return !Refused(c.page);
    case Way::kSideBar: {
      SkinUI::CBarListUI* list = shell::FindBarList(pm, L"listSideBar");
      SkinUI::BarListNode* node = list->FindBarListNode(c.page);
      if (node == nullptr) return false;
      Click(main, pm.FindSubControlByName(node->row, L"listItemBtn"));
      return !Refused(c.page);
    }
    case Way::kReportButton:
      Click(main, PageButton(main, c.click));
      return !Refused(c.page);
    case Way::kMenu:
      main.frame().OnMenuCommand(c.click);
      return main.Find(L"mid_xtsz")->IsVisible();
    case Way::kAddShortcut:
      main.frame().AddModuleShortcut(c.page);
      return shell::FindBarList(pm, L"listSideBar")->FindBarListNode(c.page) != nullptr;
  }
  return false;
}

const char* WayName(Way way) {
  static const char* const kNames[] = {"home tile", "tile page",     "report panel", "report centre", "router",
                                       "side bar",  "report button", "menu",         "add shortcut"};
  return kNames[static_cast<int>(way)];
}

TEST(OwnerRights, EveryWayToAPageAsATable) {
  const Case cases[] = {
      // The home page: four tiles for the clerk, eight for the owner.
      {Way::kHomeTile, kClerk, L"商品", true},
      {Way::kHomeTile, kClerk, L"销售单", true},
      {Way::kHomeTile, kClerk, L"供应商", false},
      {Way::kHomeTile, kClerk, L"进货单", false},
      {Way::kHomeTile, kClerk, L"资金", false},
      {Way::kHomeTile, kClerk, L"报表", false},
      {Way::kHomeTile, kOwner, L"进货单", true},
      // The tile pages: the clerk's lack the owner's pages, and what the clerk may
      // open stays.
      {Way::kTilePage, kClerk, L"销售批发价", true, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"销售订单", true, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"销售单", true, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"供应商合同价", false, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"采购订单", false, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"进货单", false, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kClerk, L"收支项目", true, L"zjtop", L"zj_grid"},
      {Way::kTilePage, kClerk, L"应收账款", true, L"zjtop", L"zj_grid"},
      {Way::kTilePage, kClerk, L"应付账款", false, L"zjtop", L"zj_grid"},
      {Way::kTilePage, kClerk, L"其它收支", false, L"zjtop", L"zj_grid"},
      {Way::kTilePage, kClerk, L"计量单位", true, L"jczl", L"jczl_grid"},
      {Way::kTilePage, kOwner, L"采购订单", true, L"jxc", L"jxc_grid"},
      {Way::kTilePage, kOwner, L"应付账款", true, L"zjtop", L"zj_grid"},
      // The report panels beside the tiles and the report centre.
      {Way::kReportPanel, kClerk, L"利润统计表", false, L"jczl", L"listbaobiao1"},
      {Way::kReportPanel, kClerk, L"销售汇总表(商品)", false, L"jxc", L"listbaobiao2"},
      {Way::kReportPanel, kOwner, L"利润统计表", true, L"jczl", L"listbaobiao1"},
      {Way::kReportCentre, kClerk, L"利润统计表", false, nullptr, L"listjybg_zj"},
      {Way::kReportCentre, kClerk, L"销售明细表", false, nullptr, L"listjybg_xs"},
      {Way::kReportCentre, kOwner, L"利润统计表", true, nullptr, L"listjybg_zj"},
      // The router, whatever way the name came (a plug-in, a typed tab name).
      // The purchase bill is the clerk's only while the owner's shortcut to it is there.
      {Way::kRouter, kClerk, L"进货单", false, nullptr, nullptr, false},
      {Way::kRouter, kClerk, L"进货单", true},
      {Way::kRouter, kClerk, L"采购订单", false},
      {Way::kRouter, kClerk, L"采购订单查询", false},
      {Way::kRouter, kClerk, L"应付账款", false},
      {Way::kRouter, kClerk, L"供应商", false},
      {Way::kRouter, kClerk, L"付款单", false},
      {Way::kRouter, kClerk, L"供应商合同价", false},
      {Way::kRouter, kClerk, L"资金", false},
      {Way::kRouter, kClerk, L"其它收支", false},
      {Way::kRouter, kClerk, L"报表", false},
      {Way::kRouter, kClerk, L"报表中心", false},
      {Way::kRouter, kClerk, L"利润统计表", false},
      {Way::kRouter, kClerk, L"进货汇总表(供应商)", false},
      {Way::kRouter, kClerk, L"商品", true},
      {Way::kRouter, kClerk, L"客户", true},
      {Way::kRouter, kClerk, L"应收账款", true},
      {Way::kRouter, kClerk, L"销售单", true},
      {Way::kRouter, kClerk, L"销售订单", true},
      {Way::kRouter, kClerk, L"销售订单查询", true},
      {Way::kRouter, kClerk, L"销售批发价", true},
      {Way::kRouter, kClerk, L"收支项目", true},
      {Way::kRouter, kClerk, L"资金 ", true},
      {Way::kRouter, kClerk, L"报价", true},
      {Way::kRouter, kClerk, L"网店管理", true},
      {Way::kRouter, kOwner, L"进货单", true},
      {Way::kRouter, kOwner, L"报表中心", true},
      {Way::kRouter, kOwner, L"利润统计表", true},
      // The side bar: what the owner stored and the clerk is shown opens for the
      // clerk, the purchase bill included; the rest is not shown.
      {Way::kSideBar, kClerk, L"进货单", true},
      {Way::kSideBar, kClerk, L"销售批发价", true},
      {Way::kSideBar, kClerk, L"资金", false},
      {Way::kSideBar, kClerk, L"供应商", false},
      {Way::kSideBar, kOwner, L"资金", true},
      // Report buttons on the pages the clerk may open.
      {Way::kReportButton, kClerk, L"库存统计表", false, L"hpkc_btn_report_kctj"},
      {Way::kReportButton, kClerk, L"销售汇总表(商品)", false, L"xsd_btn_report_xstj"},
      {Way::kReportButton, kClerk, L"应收款查询", false, L"khyqk_btn_report_ysqkbg"},
      {Way::kReportButton, kOwner, L"库存统计表", true, L"hpkc_btn_report_kctj"},
      // The help menu's way to the settings page.
      {Way::kMenu, kClerk, L"备份恢复", false, L"menu_help_set"},
      {Way::kMenu, kClerk, L"备份恢复", false, L"menu_help_bak"},
      {Way::kMenu, kOwner, L"备份恢复", true, L"menu_help_set"},
      // The "+" of an entry: the clerk adds no way to an owner's page.
      {Way::kAddShortcut, kClerk, L"采购订单", false},
      {Way::kAddShortcut, kClerk, L"利润统计表", false},
      {Way::kAddShortcut, kClerk, L"销售订单", true},
      {Way::kAddShortcut, kOwner, L"采购订单", true},
  };
  for (const Case& c : cases) {
    g_dataObject->DeleteSideBarItem(nullptr);
    if (c.granted) {
      for (const char* name : kStored) g_dataObject->AddSideBarItem(name, "AppLogo/8_S.png", name);
    }
    MainWindow main(c.account);
    MessageBoxRecorder boxes;
    shelltest::DialogAnswering answers(1);
    EXPECT_EQ(c.reached, Reached(main, c))
        << WayName(c.way) << ", " << c.account << ", " << shell::AnsiFromWide(c.page);
  }
  g_dataObject->DeleteSideBarItem(nullptr);
}

// A refused page changes nothing: no tab, no panel, not the side.
TEST(OwnerRights, ARefusedPageLeavesTheWindowAsItWas) {
  g_dataObject->DeleteSideBarItem(nullptr);
  MainWindow main(kClerk);
  MessageBoxRecorder boxes;
  for (const BYTE side : {BYTE(0), BYTE(1)}) {
    for (const wchar_t* page : {L"进货单", L"应付账款", L"报表中心"}) {
      main.frame().m_bPurchaseSide = side;
      main.frame().ShowPage(page);
      EXPECT_EQ(side, main.frame().m_bPurchaseSide) << shell::AnsiFromWide(page);
      EXPECT_EQ(L"[首页]", shelltest::TabStrip(main.frame())) << shell::AnsiFromWide(page);
      EXPECT_EQ(L"mid_dpgl", shelltest::VisiblePanels(main.frame())) << shell::AnsiFromWide(page);
    }
  }
  ASSERT_FALSE(MessageBoxRecorder::Boxes().empty());
  EXPECT_EQ(std::wstring(L"进货单|") + kRefusal, MessageBoxRecorder::Boxes()[0]);
}

// "Delete all" in the clerk's side bar deletes what the clerk sees; the owner's
// other shortcuts stay stored and come back for the owner.
TEST(OwnerRights, TheClerksDeleteAllKeepsTheOwnersOtherShortcuts) {
  g_dataObject->DeleteSideBarItem(nullptr);
  for (const char* name : kStored) g_dataObject->AddSideBarItem(name, "AppLogo/8_S.png", name);
  {
    MainWindow clerk(kClerk);
    clerk.frame().OnMenuCommand(L"menu_sidebar_del_all");
    EXPECT_TRUE(EntryNames(shell::FindBarList(*clerk.frame().GetPaintManager(), L"listSideBar")).empty());
  }
  MainWindow owner(kOwner);
  EXPECT_EQ(std::vector<std::wstring>({L"资金", L"供应商"}),
            EntryNames(shell::FindBarList(*owner.frame().GetPaintManager(), L"listSideBar")));
  g_dataObject->DeleteSideBarItem(nullptr);
}

}  // namespace
