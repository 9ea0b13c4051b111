// The page router as a table: a page name gives its tabs, the panel shown, the
// side it sets, or the box it shows (caught by the message-box seam). Names of
// the table are found whatever their letter case; a plug-in's tile name only as
// written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/edit.h"
#include "controls/label.h"
#include "controls/vertical_layout.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;

constexpr int kSideUnset = -1;

// The home page's report list "baobiao0" (hidden) and its two hints "adv0" and
// "adv1", placed in the home panel unless the layout has them.
void EnsureHomeBanners(MainWindow& main) {
  const struct {
    const wchar_t* name;
    bool visible;
  } banners[] = {{L"baobiao0", false}, {L"adv0", true}, {L"adv1", true}};
  for (const auto& banner : banners) {
    if (main.Find(banner.name) != nullptr) continue;
    auto* control = new SkinUI::CVerticalLayoutUI;
    control->SetName(banner.name);
    shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(control);
    control->SetVisible(banner.visible);
  }
}

TEST(PageRouter, PageNamesAsATable) {
  shelltest::FakePlugin plugin("MyDll");
  shelltest::PluginsBound bound({{&plugin, "MyDll"}});
  MainWindow main("老板");
  EnsureHomeBanners(main);
  struct Case {
    const wchar_t* page;
    const wchar_t* box;    // "caption|text", or null for no box
    int side;              // the side byte after routing; kSideUnset: left as it was
    const wchar_t* tabs;   // the open tabs after routing, comma separated
    const wchar_t* shown;  // a control that is visible afterwards, or null
  } cases[] = {
      {L"商品类别", L"商品类别|请在商品管理中设置商品类别", kSideUnset, L"", nullptr},
      {L"计量单位", L"计量单位|请在商品管理中设置计量单位", kSideUnset, L"", nullptr},
      {L"客户类别", nullptr, kSideUnset, L"", nullptr},
      {L"供应商类别", nullptr, kSideUnset, L"", nullptr},
      {L"报表", nullptr, kSideUnset, L"", L"baobiao0"},
      {L"备份恢复", nullptr, kSideUnset, L"备份恢复", L"mid_xtsz"},
      {L"MyDll", nullptr, kSideUnset, L"MyDll", L"mid_MyDll"},
      {L"mydll", L"mydll|功能开发中,敬请期待", kSideUnset, L"", nullptr},
      {L"没有这一页", L"没有这一页|功能开发中,敬请期待", kSideUnset, L"", nullptr},
      // The summaries are pages of app/reports, which this program does not link: the
      // frame's row empties their party box and hands the name to the pages.
      {L"销售汇总表(商品)", L"销售汇总表(商品)|功能开发中,敬请期待", kSideUnset, L"", nullptr},
      {L"进货汇总表(供应商)", L"进货汇总表(供应商)|功能开发中,敬请期待", kSideUnset, L"", nullptr},
      // Pages whose openers are not built yet still set their side.
      {L"应收账款", L"应收账款|功能开发中,敬请期待", 0, L"", nullptr},
      {L"应付账款", L"应付账款|功能开发中,敬请期待", 1, L"", nullptr},
      {L"客户", L"客户|功能开发中,敬请期待", 0, L"", nullptr},
      {L"供应商", L"供应商|功能开发中,敬请期待", 1, L"", nullptr},
      {L"销售订单查询", L"销售订单查询|功能开发中,敬请期待", 0, L"", nullptr},
      {L"采购订单", L"采购订单|功能开发中,敬请期待", 1, L"", nullptr},
      {L"销售单", L"销售单|功能开发中,敬请期待", 0, L"", nullptr},
      {L"进货单", L"进货单|功能开发中,敬请期待", 1, L"", nullptr},
      // The module pages: their tab and their panel, the side left alone.
      {L"基础资料", nullptr, kSideUnset, L"基础资料", L"mid_jczl"},
      {L"进销存", nullptr, kSideUnset, L"进销存", L"mid_jxc"},
      {L"资金 ", nullptr, kSideUnset, L"资金 ", L"mid_zj"},
      // Without the blank it is the cash book, which is another page.
      {L"资金", L"资金|功能开发中,敬请期待", kSideUnset, L"", nullptr},
      {L"报表中心", nullptr, kSideUnset, L"报表中心", L"mid_jybg"},
      {L"网店管理", nullptr, kSideUnset, L"网店管理", L"mid_wdgl"},
      {L"商品", nullptr, kSideUnset, L"商品", L"mid_hpkc"},
      {L"首页", nullptr, kSideUnset, L"首页", L"mid_dpgl"},
  };
  for (const Case& c : cases) {
    for (const SkinUI::CUIString& tab : main.frame().GetOpenTabs()) main.frame().CloseTab(tab);
    main.frame().ShowReportBanner(false);
    for (const BYTE before : {BYTE(0), BYTE(1)}) {
      main.frame().m_bPurchaseSide = before;
      MessageBoxRecorder boxes;
      main.frame().ShowPage(c.page);
      const std::vector<std::wstring>& shownBoxes = MessageBoxRecorder::Boxes();
      if (c.box == nullptr) {
        EXPECT_TRUE(shownBoxes.empty()) << c.page << ": " << (shownBoxes.empty() ? L"" : shownBoxes[0]);
      } else {
        ASSERT_EQ(1u, shownBoxes.size()) << c.page;
        EXPECT_EQ(c.box, shownBoxes[0]);
      }
      EXPECT_EQ(c.side == kSideUnset ? before : c.side, main.frame().m_bPurchaseSide) << c.page;
      std::wstring tabs;
      for (const SkinUI::CUIString& tab : main.frame().GetOpenTabs())
        tabs += (tabs.empty() ? L"" : L",") + std::wstring(tab.GetData());
      EXPECT_EQ(c.tabs, tabs) << c.page;
      if (c.shown != nullptr) {
        EXPECT_TRUE(main.Find(c.shown)->IsVisible()) << c.page << " shows " << c.shown;
      }
    }
  }
}

TEST(PageRouter, ReportBannerShowsTheReportsAndHidesTheHints) {
  MainWindow main("老板");
  EnsureHomeBanners(main);
  EXPECT_FALSE(main.Find(L"baobiao0")->IsVisible());
  EXPECT_TRUE(main.Find(L"adv0")->IsVisible());
  main.frame().ShowPage(L"报表");
  EXPECT_TRUE(main.Find(L"baobiao0")->IsVisible());
  EXPECT_FALSE(main.Find(L"adv0")->IsVisible());
  EXPECT_FALSE(main.Find(L"adv1")->IsVisible());
}

// A bill page opens on a new bill: the number of the bill edited before is gone.
TEST(PageRouter, BillPagesForgetTheEditedBill) {
  MainWindow main("老板");
  MessageBoxRecorder boxes;
  for (const wchar_t* page : {L"销售单", L"进货单"}) {
    main.frame().m_editedBillNumber = L"XSD20240101001";
    main.frame().ShowPage(page);
    EXPECT_TRUE(main.frame().m_editedBillNumber.IsEmpty()) << page;
  }
}

// With the summary page's party box, the box is emptied and says what an empty
// box stands for before the report opens. A control of that name that is no edit
// (a label a skin put there) is no party box: it is left alone and nothing opens.
TEST(PageRouter, SummariesPrepareTheirPartyBox) {
  struct Case {
    const wchar_t* page;
    const wchar_t* box;
    bool isEdit;
    const wchar_t* hint;  // the hint the box gets; null: left alone, nothing opens
  } cases[] = {
      {L"销售汇总表(商品)", L"xstjbg_edit_custom", true, L"全部商品"},
      {L"销售汇总表(客户)", L"xstjbg_edit_custom", true, L"全部客户"},
      {L"销售汇总表(业务员)", L"xstjbg_edit_custom", true, L"全部业务员"},
      {L"进货汇总表(商品)", L"jhtjbg_edit_custom", true, L"全部商品"},
      {L"进货汇总表(供应商)", L"jhtjbg_edit_custom", true, L"全部供应商"},
      {L"销售汇总表(商品)", L"xstjbg_edit_custom", false, nullptr},
      {L"进货汇总表(供应商)", L"jhtjbg_edit_custom", false, nullptr},
  };
  for (const Case& c : cases) {
    MainWindow main("老板");
    SkinUI::CControlUI* box = c.isEdit ? static_cast<SkinUI::CControlUI*>(new SkinUI::CEditUI)
                                       : static_cast<SkinUI::CControlUI*>(new SkinUI::CLabelUI);
    box->SetName(c.box);
    box->SetText(L"张三");
    shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(box);
    MessageBoxRecorder boxes;
    main.frame().ShowPage(c.page);
    if (c.hint == nullptr) {
      EXPECT_EQ(SkinUI::CUIString(L"张三"), box->GetText()) << c.page;
      EXPECT_TRUE(MessageBoxRecorder::Boxes().empty()) << c.page << ": the report does not open";
      continue;
    }
    auto* edit = static_cast<SkinUI::CEditUI*>(box->GetInterface(L"Edit"));
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(SkinUI::CUIString(L""), edit->GetText()) << c.page;
    EXPECT_EQ(SkinUI::CUIString(c.hint), SkinUI::CUIString(edit->GetHintText())) << c.page;
    // The report page itself is not built yet: its box says so, which shows that it opened.
    EXPECT_EQ(1u, MessageBoxRecorder::Boxes().size()) << c.page;
  }
}

}  // namespace
