// The main window offering its leftovers to the registered pages, as tables: a
// frame row before a page that names the same control, a page's own button before a
// prefix row, a row whose page is not built and an unknown name going to the pages,
// a page that says "not mine"; the page router's rows before the pages, a route
// without an opener and a name of no row opening a registered page, the rest still
// "功能开发中,敬请期待"; list and option notifications and picker results reaching
// the page of their control.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/button.h"
#include "page.h"
#include "test_support/probe_page.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;

using pagekit::test::ProbePage;

std::wstring Offer(pagekit::EventKind kind, const wchar_t* sender) { return ProbePage::Offer(kind, sender); }

void Send(MainWindow& main, const wchar_t* type, SkinUI::CControlUI* sender, WPARAM wParam = 0) {
  SkinUI::TNotifyUI msg;
  msg.type = type;
  msg.sender = sender;
  msg.wParam = wParam;
  main.frame().Notify(msg);
}

TEST(PageDispatch, ClicksReachTheFrameRowsThenThePages) {
  MainWindow main("老板");
  auto& first = ProbePage::AddTo(main.frame().Pages(), std::vector<pagekit::PageRoute>{}, L"mid_dpgl",
                                 std::vector<std::wstring>{L"btnSideBar", L"tab_测试页", L"zjls_btn_find"});
  auto& second = ProbePage::AddTo(main.frame().Pages(), std::vector<pagekit::PageRoute>{}, L"mid_dpgl",
                                  std::vector<std::wstring>{L"xsydd_save"});
  SkinUI::CControlUI* sideBar = main.Find(L"layoutSideBar");
  ASSERT_NE(nullptr, sideBar);
  struct Case {
    const wchar_t* name;
    const wchar_t* firstTakes;  // whether the first page is offered it: "offered", "taken" or "no"
    bool secondOffered;
    bool sideBarToggled;
    const wchar_t* box;  // the box the frame shows, or null
  } cases[] = {
      // The frame's own exact row answers; the page that names it is not asked.
      {L"btnSideBar", L"no", false, true, nullptr},
      // A page's own button comes before the prefix row "tab_" ...
      {L"tab_测试页", L"taken", false, false, nullptr},
      // ... which takes the names no page takes.
      {L"tab_别的页", L"offered", true, false, L"别的页|功能开发中,敬请期待"},
      // A row whose page is built elsewhere: the page takes it.
      {L"zjls_btn_find", L"taken", false, false, nullptr},
      // The first page says not mine, the second takes it.
      {L"xsydd_save", L"offered", true, false, nullptr},
      // A row whose page is not registered: offered, then the user is told; a name of
      // no row: offered, then ignored.
      {L"zjls_income", L"offered", true, false, L"提示|功能开发中,敬请期待"},
      {L"没有这个按钮", L"offered", true, false, nullptr},
  };
  for (const Case& c : cases) {
    first.offers.clear();
    second.offers.clear();
    const bool sideBarBefore = sideBar->IsVisible();
    SkinUI::CButtonUI button;
    button.SetName(c.name);
    MessageBoxRecorder boxes;
    Send(main, L"click", &button);
    const std::wstring offered = Offer(pagekit::EventKind::kClick, c.name);
    EXPECT_EQ(std::wstring(c.firstTakes) != L"no", first.offers == std::vector<std::wstring>{offered}) << c.name;
    EXPECT_EQ(c.secondOffered, second.offers == std::vector<std::wstring>{offered}) << c.name;
    if (std::wstring(c.firstTakes) == L"taken") {
      EXPECT_TRUE(second.offers.empty()) << c.name;
    }
    EXPECT_EQ(c.sideBarToggled, sideBar->IsVisible() != sideBarBefore) << c.name;
    EXPECT_EQ(c.box != nullptr ? std::vector<std::wstring>{c.box} : std::vector<std::wstring>{},
              MessageBoxRecorder::Boxes())
        << c.name;
  }
  // The box is captioned with the button's text, or else its tip.
  const struct {
    const wchar_t* text;
    const wchar_t* tip;
    const wchar_t* box;
  } captions[] = {{L"批量删除", L"删除选中的商品", L"批量删除|功能开发中,敬请期待"},
                  {L"", L"删除选中的商品", L"删除选中的商品|功能开发中,敬请期待"}};
  for (const auto& c : captions) {
    SkinUI::CButtonUI button;
    button.SetName(L"zjls_outcome");
    button.SetText(c.text);
    button.SetToolTip(c.tip);
    MessageBoxRecorder boxes;
    Send(main, L"click", &button);
    EXPECT_EQ(std::vector<std::wstring>{c.box}, MessageBoxRecorder::Boxes());
  }
}

TEST(PageDispatch, RouterRowsBeforeThePagesThenThePlugins) {
  shelltest::FakePlugin plugin("MyDll");
  shelltest::PluginsBound bound({{&plugin, "插件页"}});
  MainWindow main("老板");
  auto& page = ProbePage::AddTo(main.frame().Pages(),
                                std::vector<pagekit::PageRoute>{{L"网店管理"},
                                                                {L"商品"},
                                                                {L"应付账款"},
                                                                {L"库存预警"},
                                                                {L"测试页", true, pagekit::PageSide::kPurchase},
                                                                {L"插件页"},
                                                                {L"进货单"}},
                                L"mid_dpgl", std::vector<std::wstring>{});
  struct Case {
    const wchar_t* name;
    const wchar_t* opened;  // what the page opened, or null
    const wchar_t* box;     // the box shown, or null
    BYTE side;              // the side afterwards (starting from 0)
    const wchar_t* tabs;    // the open tabs afterwards
  } cases[] = {
      // A row with the frame's own opener: the frame's shop page, not the page.
      {L"网店管理", nullptr, nullptr, 0, L"网店管理"},
      // A page of the program's folders answers before a page added after it.
      {L"商品", nullptr, nullptr, 0, L"商品"},
      // A row without an opener: its side, then the registered page.
      {L"应付账款", L"应付账款/1", nullptr, 1, L"应付账款"},
      // Reports and bills open through their rows' preparation to the page.
      {L"库存预警", L"库存预警/0", nullptr, 0, L"库存预警"},
      {L"进货单", L"进货单/1", nullptr, 1, L"进货单"},
      // No row: the page, with its own side, before a plug-in of the same name.
      {L"测试页", L"测试页/1", nullptr, 1, L"测试页"},
      {L"插件页", L"插件页/0", nullptr, 0, L"插件页"},
      // Rows and names nobody has built.
      {L"应收账款", nullptr, L"应收账款|功能开发中,敬请期待", 0, L""},
      {L"没有这一页", nullptr, L"没有这一页|功能开发中,敬请期待", 0, L""},
  };
  for (const Case& c : cases) {
    for (const SkinUI::CUIString& tab : main.frame().GetOpenTabs()) main.frame().CloseTab(tab);
    page.opened.clear();
    main.frame().m_bPurchaseSide = 0;
    MessageBoxRecorder boxes;
    main.frame().ShowPage(c.name);
    EXPECT_EQ(c.opened != nullptr ? std::vector<std::wstring>{c.opened} : std::vector<std::wstring>{}, page.opened)
        << c.name;
    EXPECT_EQ(c.box != nullptr ? std::vector<std::wstring>{c.box} : std::vector<std::wstring>{},
              MessageBoxRecorder::Boxes())
        << c.name;
    EXPECT_EQ(c.side, main.frame().m_bPurchaseSide) << c.name;
    std::wstring tabs;
    for (const SkinUI::CUIString& tab : main.frame().GetOpenTabs())
      tabs += (tabs.empty() ? L"" : L",") + std::wstring(tab.GetData());
    EXPECT_EQ(c.tabs, tabs) << c.name;
  }
}

TEST(PageDispatch, NotificationsAndPickerResultsReachThePageOfTheirControl) {
  MainWindow main("老板");
  auto& page = ProbePage::AddTo(main.frame().Pages(), std::vector<pagekit::PageRoute>{}, L"mid_dpgl",
                                std::vector<std::wstring>{L"kctjbg_edit_type_drop"});
  SkinUI::CButtonUI control;
  control.SetName(L"zjls_edit_date");
  using Kind = pagekit::EventKind;
  struct Case {
    const wchar_t* type;
    const wchar_t* sender;
    const wchar_t* offer;  // what the page is offered, or null when the frame keeps it
  } cases[] = {
      {L"textchanged", L"item_数量", L"textchanged"},
      {L"updatetext", L"xsd_edit_date", L"updatetext"},
      {L"headerclick", L"listhpkc_header", L"headerclick"},
      {L"selectchanged", L"lrtjbg_chk_bar", L"selectchanged"},
      // The frame's own: tabs answer their click, the return box flips quantities.
      {L"selectchanged", L"tab_首页", nullptr},
      {L"selectchanged", L"xsd_chk_th", nullptr},
  };
  const struct {
    const wchar_t* type;
    Kind kind;
  } kinds[] = {{L"textchanged", Kind::kTextChanged},
               {L"updatetext", Kind::kUpdateText},
               {L"headerclick", Kind::kHeaderClick},
               {L"selectchanged", Kind::kSelectChanged}};
  for (const Case& c : cases) {
    page.offers.clear();
    control.SetName(c.sender);
    Send(main, c.type, &control);
    std::vector<std::wstring> expected;
    for (const auto& k : kinds) {
      if (c.offer != nullptr && std::wstring(k.type) == c.offer) expected.push_back(Offer(k.kind, c.sender));
    }
    EXPECT_EQ(expected, page.offers) << c.type << " " << c.sender;
  }

  SkinUI::CButtonUI owner;
  owner.SetName(L"kctjbg_edit_type_drop");
  main.frame().OnProductTypeSelect(L"饮料", &owner);
  owner.SetName(L"xsd_custom_drop");
  main.frame().OnDropListSelect(L"张三", &owner);
  EXPECT_EQ(std::vector<std::wstring>{L"饮料"}, page.picked);
}

// Menu items: the frame's own run their command; a page's item goes to the first
// page that takes it; an item of no menu is only offered.
TEST(PageDispatch, MenuItemsOfThePagesReachThem) {
  MainWindow main("老板");
  auto& page = ProbePage::AddTo(main.frame().Pages(), std::vector<pagekit::PageRoute>{}, L"mid_dpgl",
                                std::vector<std::wstring>{L"menu_of_the_probe", L"menu_sidebar_del_all"});
  struct Case {
    const wchar_t* item;
    bool offered;
    const wchar_t* box;
  } cases[] = {
      {L"menu_of_the_probe", true, nullptr},
      // The category menu's items are the product page's, asked before the probe.
      {L"menu_product_type_del", false, nullptr},
      {L"menu_sidebar_del_all", false, nullptr},
      {L"menu_of_a_plugin", true, nullptr},
  };
  for (const Case& c : cases) {
    page.offers.clear();
    MessageBoxRecorder boxes;
    main.frame().OnMenuCommand(c.item);
    EXPECT_EQ(c.offered ? std::vector<std::wstring>{ProbePage::Offer(pagekit::EventKind::kMenuCommand, c.item)}
                        : std::vector<std::wstring>{},
              page.offers)
        << c.item;
    EXPECT_EQ(c.box != nullptr ? std::vector<std::wstring>{c.box} : std::vector<std::wstring>{},
              MessageBoxRecorder::Boxes())
        << c.item;
  }
}

// The page's face of the frame: the tab and panel it opens, the session of the
// login, the side and the fields of the window.
TEST(PageDispatch, TheFrameIsThePagesHost) {
  MainWindow main("营业员");
  pagekit::PageHost& host = main.frame();
  const pagekit::Session session = host.CurrentSession();
  EXPECT_EQ(L"营业员", session.account);
  EXPECT_FALSE(session.owner);
  EXPECT_EQ(main.hwnd(), host.OwnerWindow());
  EXPECT_NE(nullptr, host.Data());
  host.SetSide(pagekit::PageSide::kPurchase);
  EXPECT_EQ(1, main.frame().m_bPurchaseSide);
  host.OpenPageTab(L"测试页", L"mid_jczl", true);
  EXPECT_EQ(SkinUI::CUIString(L"测试页"), main.frame().GetOpenTabs().back());
  EXPECT_TRUE(host.Fields().Visible(L"mid_jczl"));
  EXPECT_FALSE(host.Fields().Visible(L"mid_dpgl"));
  EXPECT_TRUE(host.Fields().SetText(L"user_name", L"别人"));
  EXPECT_EQ(SkinUI::CUIString(L"别人"), main.Find(L"user_name")->GetText());
}

}  // namespace
