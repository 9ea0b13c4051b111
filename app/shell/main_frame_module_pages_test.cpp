// The module pages through the router, on the main window built from the packed
// skin, for the owner and the clerk: the home page at start-up, the tile pages,
// the report centre, the shop page and the product page's frame, each with its
// tab, its one visible panel and its tiles or entries (the product page's owner
// buttons: app/masterdata); the tiles' "+" on hover; the top-bar buttons and tiles
// clicked with the mouse.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/button.h"
#include "core/scroll_bar.h"
#include "grid_wnd.h"
#include "test_support/page_probe.h"
#include "test_support/shell_doubles.h"
#include "text_conversion.h"

namespace {

using shelltest::EntryNames;
using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;
using shelltest::PumpUntil;
using shelltest::TabStrip;
using shelltest::TileNames;
using shelltest::VisiblePanels;

using Names = std::vector<std::wstring>;

const char* const kAccounts[] = {"老板", "营业员"};

// The tiles or entries of a page's container, whichever kind it is.
Names Contents(MainWindow& main, const wchar_t* container) {
  SkinUI::CControlUI* control = main.Find(container);
  if (control == nullptr) return {L"(no " + std::wstring(container) + L")"};
  if (SkinUI::CBarListUI* list = shell::FindBarList(*main.frame().GetPaintManager(), container))
    return EntryNames(list);
  return TileNames(control);
}

TEST(ModulePages, TheHomePageIsOpenAtStartUpAndCannotBeClosed) {
  for (const char* account : kAccounts) {
    MainWindow main(account);
    EXPECT_EQ(L"[首页]", TabStrip(main.frame())) << account;
    EXPECT_EQ(L"mid_dpgl", VisiblePanels(main.frame())) << account;
    ASSERT_NE(nullptr, main.Find(L"tab_close_首页")) << account;
    EXPECT_FALSE(main.Find(L"tab_close_首页")->IsVisible()) << account;
    // Closing every closable tab leaves the home tab, selected, with its panel.
    MessageBoxRecorder boxes;
    main.frame().ShowPage(L"基础资料");
    main.frame().ShowPage(L"网店管理");
    main.frame().CloseTab(L"网店管理");
    main.frame().CloseTab(L"基础资料");
    EXPECT_EQ(L"[首页]", TabStrip(main.frame())) << account;
    EXPECT_EQ(L"mid_dpgl", VisiblePanels(main.frame())) << account;
    EXPECT_TRUE(MessageBoxRecorder::Boxes().empty()) << account;
  }
}

TEST(ModulePages, EachPageOpensItsTabItsPanelAndItsTiles) {
  struct Case {
    const wchar_t* page;
    const wchar_t* panel;
    const wchar_t* container;  // null: nothing to count
    Names contents;
  } cases[] = {
      {L"基础资料", L"mid_jczl", L"jczl_grid", {L"商品类别", L"客户类别", L"供应商类别", L"计量单位"}},
      {L"进销存",
       L"mid_jxc",
       L"jxc_grid",
       {L"销售批发价", L"销售订单", L"销售单", L"供应商合同价", L"采购订单", L"进货单"}},
      {L"资金 ", L"mid_zj", L"zj_grid", {L"收支项目", L"应收账款", L"应付账款", L"其它收支"}},
      {L"报表中心",
       L"mid_jybg",
       L"listjybg_xs",
       {L"销售明细表", L"应收款查询", L"应收款明细表", L"销售汇总表(商品)", L"销售汇总表(客户)", L"销售汇总表(业务员)",
        L"客户对账单", L"销售订单查询"}},
      {L"报表中心",
       L"mid_jybg",
       L"listjybg_jh",
       {L"进货明细表", L"应付款查询", L"应付款明细表", L"进货汇总表(商品)", L"进货汇总表(供应商)", L"供应商对账单",
        L"采购订单查询"}},
      {L"报表中心", L"mid_jybg", L"listjybg_kc", {L"库存统计表", L"库存预警"}},
      {L"报表中心", L"mid_jybg", L"listjybg_zj", {L"资金统计表", L"利润统计表"}},
      {L"网店管理",
       L"mid_wdgl",
       L"listwdgl",
       {L"网店信息同步", L"宝贝数据同步", L"订单数据同步", L"退款数据同步", L"快递单打印", L"淘宝同步教程"}},
      {L"商品", L"mid_hpkc", nullptr, {}},
      {L"首页", L"mid_dpgl", nullptr, {}},
  };
  // The owner's pages; what the clerk's show is in the rights test.
  for (const char* account : {"老板"}) {
    MainWindow main(account);
    MessageBoxRecorder boxes;
    for (const Case& c : cases) {
      // Opened twice, from either side: the second opening rebuilds, never doubles,
      // and the module pages leave the side as it was.
      for (const BYTE side : {BYTE(1), BYTE(0)}) {
        main.frame().m_bPurchaseSide = side;
        main.frame().ShowPage(c.page);
        EXPECT_EQ(side, main.frame().m_bPurchaseSide) << c.page;
        EXPECT_EQ(c.panel, VisiblePanels(main.frame())) << account << " " << c.page;
        if (c.container != nullptr) {
          EXPECT_EQ(c.contents, Contents(main, c.container)) << account << " " << c.page;
        }
      }
      const std::wstring strip = TabStrip(main.frame());
      EXPECT_NE(std::wstring::npos, strip.find(L"[" + std::wstring(c.page) + L"]")) << account << " " << strip;
    }
    // The strip keeps the order of first opening.
    EXPECT_EQ(L"[首页],基础资料,进销存,资金 ,报表中心,网店管理,商品", TabStrip(main.frame())) << account;
    EXPECT_TRUE(MessageBoxRecorder::Boxes().empty()) << account;
  }
}

// The entry pictures of the shop page's side list: the highlighted one ends in
// "2.png", the others in "1.png"; and the sub-page shown.
std::wstring ShopLook(MainWindow& main) {
  SkinUI::CPaintManagerUI& pm = *main.frame().GetPaintManager();
  SkinUI::CBarListUI* list = shell::FindBarList(pm, L"listwdgl");
  std::wstring look;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* label = pm.FindSubControlByName(list->GetItemAt(i), L"easy_item_label");
    const std::wstring image = label != nullptr ? label->GetBkImage() : L"?";
    look += image.size() > 5 ? image.substr(image.size() - 5, 1) : L"?";
  }
  look += L" " + shelltest::VisibleChildren(pm, L"layout_wdgl");
  return look;
}

TEST(ModulePages, TheShopPageChoosesItsFirstEntryOnceAndKeepsTheChoice) {
  MainWindow main("营业员");
  main.frame().ShowPage(L"网店管理");
  SkinUI::CBarListUI* list = shell::FindBarList(*main.frame().GetPaintManager(), L"listwdgl");
  EXPECT_EQ(0, list->GetCurSel());
  EXPECT_EQ(L"211111 layout_wdgl_网店信息同步", ShopLook(main));
  main.frame().OnBarListItemClick(list->GetItemAt(3), L"listwdgl");
  list->SelectItem(3);
  EXPECT_EQ(L"111211 layout_wdgl_退款数据同步", ShopLook(main));
  main.frame().ShowPage(L"首页");
  main.frame().ShowPage(L"网店管理");
  EXPECT_EQ(6, list->GetCount());
  EXPECT_EQ(3, list->GetCurSel());
  EXPECT_EQ(L"111211 layout_wdgl_退款数据同步", ShopLook(main));
}

TEST(ModulePages, TopBarButtonsTilesAndTabsOpenPagesWithTheMouse) {
  MainWindow main("老板");
  main.Show();
  MessageBoxRecorder boxes;
  struct Step {
    const wchar_t* click;
    const wchar_t* panel;  // shown afterwards
    const wchar_t* box;    // or the box shown
  } steps[] = {
      {L"jczl", L"mid_jczl", nullptr},
      {L"bar_btn_商品类别", L"mid_jczl", L"商品类别|请在商品管理中设置商品类别"},
      {L"jxc", L"mid_jxc", nullptr},
      {L"zjtop", L"mid_zj", nullptr},
      {L"wdgl", L"mid_wdgl", nullptr},
      {L"tab_基础资料", L"mid_jczl", nullptr},
      {L"dpgl", L"mid_dpgl", nullptr},
      {L"bar_btn_商品", L"mid_hpkc", nullptr},
      // The rightmost tab closed: the tab now last takes over.
      {L"tab_close_商品", L"mid_wdgl", nullptr},
  };
  for (const Step& step : steps) {
    MessageBoxRecorder::Boxes().clear();
    shelltest::Click(main.hwnd(), main.Find(step.click));
    const bool reached = PumpUntil(
        [&] {
          return VisiblePanels(main.frame()) == step.panel &&
                 (step.box == nullptr || !MessageBoxRecorder::Boxes().empty());
        },
        3000);
    EXPECT_TRUE(reached) << shell::AnsiFromWide(step.click) << ": "
                         << shell::AnsiFromWide(VisiblePanels(main.frame()).c_str());
    if (step.box != nullptr && !MessageBoxRecorder::Boxes().empty()) {
      EXPECT_EQ(step.box, MessageBoxRecorder::Boxes()[0]);
    }
    if (step.box == nullptr) {
      EXPECT_TRUE(MessageBoxRecorder::Boxes().empty()) << shell::AnsiFromWide(step.click);
    }
  }
  EXPECT_EQ(L"首页,基础资料,进销存,资金 ,[网店管理]", TabStrip(main.frame()));
}

// Moves the mouse over the window's client point, as the system would, and lets
// the window lay out and paint what changed.
void MoveTo(MainWindow& main, POINT at) {
  ::SendMessageW(main.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  shelltest::Pump(30);
}

POINT Inside(SkinUI::CControlUI* control, int dx = -1) {
  const RECT rc = control->GetPos();
  return POINT{dx < 0 ? (rc.left + rc.right) / 2 : rc.left + dx, (rc.top + rc.bottom) / 2};
}

TEST(ModulePages, APlusShowsWhileTheMouseIsOverItsTileOrEntry) {
  g_dataObject->DeleteSideBarItem(nullptr);
  MainWindow main("老板");
  main.Show();
  SkinUI::CControlUI* tile = main.Find(L"bar_btn_商品");
  SkinUI::CControlUI* plus = main.Find(L"bar_add_商品");
  SkinUI::CControlUI* otherPlus = main.Find(L"bar_add_客户");
  ASSERT_TRUE(tile && plus && otherPlus);
  const POINT away = Inside(main.Find(L"user_name"));
  EXPECT_FALSE(plus->IsVisible()) << "hidden until the mouse comes";
  MoveTo(main, Inside(tile));
  EXPECT_TRUE(plus->IsVisible());
  EXPECT_FALSE(otherPlus->IsVisible());
  MoveTo(main, Inside(plus));
  EXPECT_TRUE(plus->IsVisible()) << "onto the plus itself";
  MoveTo(main, Inside(tile));
  EXPECT_TRUE(plus->IsVisible()) << "back onto the tile";
  MoveTo(main, Inside(main.Find(L"bar_btn_客户")));
  EXPECT_FALSE(plus->IsVisible()) << "onto the next tile";
  EXPECT_TRUE(otherPlus->IsVisible());
  MoveTo(main, away);
  EXPECT_FALSE(otherPlus->IsVisible()) << "off the tiles";
  // The mouse leaving the window takes the plus with it.
  MoveTo(main, Inside(tile));
  ::SendMessageW(main.hwnd(), WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  shelltest::Pump(30);
  EXPECT_FALSE(plus->IsVisible());
  // Clicked, the plus puts the tile's page into the side bar.
  MoveTo(main, Inside(tile));
  shelltest::Click(main.hwnd(), plus);
  EXPECT_TRUE(PumpUntil(
      [&] { return EntryNames(shell::FindBarList(*main.frame().GetPaintManager(), L"listSideBar")) == Names{L"商品"}; },
      2000));
  EXPECT_EQ(L"mid_dpgl", VisiblePanels(main.frame())) << "the plus opens no page";

  // A report entry of the report centre, whose button is wider than its column.
  main.frame().ShowPage(L"报表中心");
  shelltest::Pump(50);
  SkinUI::CPaintManagerUI& pm = *main.frame().GetPaintManager();
  SkinUI::CBarListUI* stock = shell::FindBarList(pm, L"listjybg_kc");
  ASSERT_EQ(Names({L"库存统计表", L"库存预警"}), EntryNames(stock));
  SkinUI::CControlUI* entryPlus = pm.FindSubControlByName(stock->GetItemAt(0), L"bar_add_库存统计表");
  SkinUI::CControlUI* entry = pm.FindSubControlByName(stock->GetItemAt(0), L"listItemBtn");
  ASSERT_TRUE(entryPlus && entry);
  EXPECT_FALSE(entryPlus->IsVisible());
  MoveTo(main, Inside(entry, 40));
  EXPECT_TRUE(entryPlus->IsVisible());
  MoveTo(main, Inside(main.Find(L"listjybg_zj"), 40));
  EXPECT_FALSE(entryPlus->IsVisible()) << "into the next column";

  // The entries' renamed buttons are known to the window by their new names only,
  // also after the lists were rebuilt and the old entries freed.
  EXPECT_EQ(entryPlus, main.Find(L"bar_add_库存统计表"));
  main.frame().ShowPage(L"首页");
  main.frame().ShowPage(L"报表中心");
  shelltest::Pump(50);
  EXPECT_EQ(nullptr, main.Find(L"bar_add"));
  EXPECT_NE(nullptr, main.Find(L"bar_add_利润统计表"));
  g_dataObject->DeleteSideBarItem(nullptr);
}

// A tile forgets the mouse that has left it: after the mouse rested on it and
// left the window, and after the tile's page opened under the mouse and the home
// page came back, it shows neither its hot frame nor its "+".
TEST(ModulePages, ATileForgetsTheMouseThatLeftIt) {
  MainWindow main("老板");
  main.Show();
  auto* tile = static_cast<SkinUI::CButtonUI*>(main.Find(L"bar_btn_商品")->GetInterface(L"Button"));
  SkinUI::CControlUI* plus = main.Find(L"bar_add_商品");
  ASSERT_TRUE(tile && plus);
  const POINT at = Inside(tile);
  const struct {
    const char* how;
    std::function<void()> leave;
  } cases[] = {
      {"resting, then leaving the window",
       [&] {
         ::SendMessageW(main.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(at.x, at.y));
         ::SendMessageW(main.hwnd(), WM_MOUSELEAVE, 0, 0);
       }},
      {"the page opening under the mouse",
       [&] {
         main.frame().ShowPage(L"报表中心");
         shelltest::Pump(50);
         MoveTo(main, at);
         main.frame().ShowPage(L"首页");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    MoveTo(main, at);
    ASSERT_TRUE(plus->IsVisible());
    ASSERT_NE(0u, tile->GetButtonState() & SkinUI::UISTATE_HOT);
    c.leave();
    shelltest::Pump(50);
    EXPECT_FALSE(plus->IsVisible());
    EXPECT_EQ(0u, tile->GetButtonState() & SkinUI::UISTATE_HOT);
    MoveTo(main, Inside(main.Find(L"user_name")));
  }
}

// A report list shows its first entry at its top (no empty header above it) and,
// scrolled to its end, its last entry whole; the scroll bar is drawn from the
// skin's pictures, not as bare outlines.
TEST(ModulePages, ReportListsShowTheirFirstAndLastEntriesWhole) {
  MainWindow main("老板");
  main.Show();
  SkinUI::CPaintManagerUI& pm = *main.frame().GetPaintManager();
  const struct {
    const wchar_t* page;
    const wchar_t* list;
  } cases[] = {{L"报表中心", L"listjybg_xs"},
               {L"报表中心", L"listjybg_jh"},
               {L"报表中心", L"listjybg_kc"},
               {L"进销存", L"listbaobiao2"}};
  int scrolled = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(shell::AnsiFromWide(c.list));
    main.frame().ShowPage(c.page);
    shelltest::Pump(50);
    SkinUI::CBarListUI* list = shell::FindBarList(pm, c.list);
    ASSERT_NE(nullptr, list);
    ASSERT_GT(list->GetCount(), 0);
    const RECT body = list->GetPos();
    EXPECT_EQ(body.top, list->GetItemAt(0)->GetPos().top);
    SkinUI::CScrollBarUI* bar = list->GetVerticalScrollBar();
    if (bar == nullptr || !bar->IsVisible()) continue;
    ++scrolled;
    EXPECT_EQ(body.top, bar->GetPos().top) << "the bar starts beside the first entry";
    EXPECT_NE(0u, wcslen(bar->GetThumbNormalImage())) << "the bar has the skin's look";
    list->EndDown();
    shelltest::Pump(50);
    const RECT last = list->GetItemAt(list->GetCount() - 1)->GetPos();
    EXPECT_LE(last.bottom, body.bottom) << "the last entry is cut";
    EXPECT_GE(last.top, body.top);
  }
  EXPECT_GE(scrolled, 2) << "the sales and purchase reports scroll";
}

}  // namespace
