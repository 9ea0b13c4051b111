// The click chains: which row of which chain a control name reaches, prefixes and
// capitals included; the select-all box of a list header ticking and clearing
// every row; the buttons that fold a panel open and shut.
#include "click_routes.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/option.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/button.h"
#include "controls/horizontal_layout.h"
#include "controls/edit.h"
#include "controls/label.h"
#include "library_binding.h"
#include "message_dialog.h"
#include "picker_popup.h"
#include "test_support/shell_doubles.h"
#include "test_support/window_shot.h"

namespace {

using shelltest::MainWindow;
using shelltest::PumpUntil;

TEST(ClickRoutes, NamesReachTheirRows) {
  struct Case {
    const wchar_t* name;
    int chain;
    const wchar_t* row;
  } cases[] = {
      {L"bottomBroadcast", 1, L"bottomBroadcast"},
      {L"castwave2", 1, L"CastWave2"},
      {L"bar_btn_商品", 1, L"bar_btn_"},
      {L"BAR_BTN_商品", 1, L"bar_btn_"},
      {L"Bar_Add_客户", 1, L"bar_add_"},
      {L"tab_close_销售单", 1, L"tab_close_"},
      {L"TAB_CLOSE_销售单", 1, L"tab_close_"},
      {L"tab_销售单", 1, L"tab_"},
      {L"Tab_销售单", 1, L"tab_"},
      {L"tab_layout_销售单", 1, L"tab_"},
      {L"tabSwitchPre", 1, L"tabSwitchPre"},
      {L"TABSWITCHNEXT", 1, L"tabSwitchNext"},
      {L"sel_all_listhpkc", 1, L"sel_all_"},
      {L"SEL_ALL_listxsd", 1, L"sel_all_"},
      {L"hpkc", 1, L"hpkc"},
      {L"zjls_btn_find", 1, L"zjls_btn_find"},
      // The product page's own button: no row of the frame's, the page takes it.
      {L"hpkc_btn_find", 0, nullptr},
      {L"HelpBtn", 1, L"helpbtn"},
      {L"closebtn", 1, L"closebtn"},
      {L"xsd_btn_report_xstj", 1, L"xsd_btn_report_xstj"},
      {L"kcyjbg_btn_print", 1, L"kcyjbg_btn_print"},
      {L"zjls_report_zjtj", 2, L"zjls_report_zjtj"},
      {L"baobiao_more", 2, L"baobiao_more"},
      // The settings page's own box: no row of the frame's, the page takes it.
      {L"xtsz_chk_mini", 0, nullptr},
      {L"gyshtj_btn_other", 2, L"gyshtj_btn_other"},
      {L"fkd_new", 2, L"fkd_new"},
      {L"fkd_new_save", 2, L"fkd_new_save"},
      {L"lrtjbg_export", 2, L"lrtjbg_export"},
      {L"tab", 0, nullptr},
      {L"bar_btn", 0, nullptr},
      {L"btn_adv", 0, nullptr},
      {L"", 0, nullptr},
  };
  for (const Case& c : cases) {
    const shell::ClickRouteMatch match = shell::MatchClickRoute(c.name);
    EXPECT_EQ(c.chain, match.chain) << c.name;
    EXPECT_EQ(std::wstring(c.row != nullptr ? c.row : L"-"), std::wstring(match.row != nullptr ? match.row : L"-"))
        << c.name;
  }
}

// The report pages' print and export rows name lists the window has: the payable
// pages show their rows in the receivable pages' lists, so their rows name those.
TEST(ClickRoutes, ReportListRowsNameListsOfTheWindow) {
  MainWindow main("老板");
  main.Show();
  const wchar_t* const rows[] = {L"ysqkbg_btn_print", L"ysqkmx_btn_print", L"ysqkbg_export", L"yfqkbg_export",
                                 L"ysqkmx_export",    L"yfqkmx_export",    L"xstjbg_export", L"jhtjbg_export",
                                 L"zjls_export"};
  for (const wchar_t* name : rows) {
    const shell::ClickRouteMatch match = shell::MatchClickRoute(name);
    ASSERT_NE(nullptr, match.arg) << name;
    SkinUI::CControlUI* list = main.frame().GetPaintManager()->FindControl(match.arg);
    EXPECT_TRUE(list != nullptr && list->GetInterface(L"List") != nullptr) << name << " names " << match.arg;
  }
}

// A small list in the home panel: a header box "sel_all_listtest" and four rows,
// each with its "item_chk" box (the third row has none).
TEST(ClickRoutes, SelectAllTicksThenClearsEveryRow) {
  MainWindow main("老板");
  main.Show();
  SkinUI::CContainerUI* home = shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl");
  ASSERT_NE(nullptr, home);
  home->RemoveAll();
  auto* all = new SkinUI::CCheckBoxUI;
  all->SetName(L"SEL_ALL_listtest");
  all->SetFixedHeight(24);
  all->SetAttribute(L"normalimage", L"check_normal.png");
  all->SetAttribute(L"selectedimage", L"check_selected.png");
  home->Add(all);
  auto* list = new SkinUI::CListUI;
  list->SetName(L"listtest");
  home->Add(list);
  for (int i = 0; i < 4; ++i) {
    auto* row = new SkinUI::CListContainerElementUI;
    row->SetFixedHeight(24);
    list->Add(row);
    if (i == 2) continue;
    auto* chk = new SkinUI::CCheckBoxUI;
    chk->SetName(L"item_chk");
    row->Add(chk);
  }
  auto ticked = [&] {
    std::wstring marks;
    for (int i = 0; i < list->GetCount(); ++i) {
      SkinUI::CControlUI* chk = main.frame().GetPaintManager()->FindSubControlByName(list->GetItemAt(i), L"item_chk");
      marks += chk == nullptr ? L'-' : static_cast<SkinUI::COptionUI*>(chk)->IsSelected() ? L'x' : L'o';
    }
    return marks;
  };
  shelltest::Pump(100);
  EXPECT_EQ(L"oo-o", ticked());
  shelltest::Click(main.hwnd(), all);
  EXPECT_TRUE(PumpUntil([&] { return ticked() == L"xx-x"; }, 2000)) << ticked();
  EXPECT_TRUE(all->IsSelected());
  shelltest::Click(main.hwnd(), all);
  EXPECT_TRUE(PumpUntil([&] { return ticked() == L"oo-o"; }, 2000)) << ticked();
  EXPECT_FALSE(all->IsSelected());
}

using DeleteAnswer = shelltest::DialogAnswer;

// An empty list of that name in the home panel.
SkinUI::CListUI* AddTestList(SkinUI::CContainerUI* home, const wchar_t* name) {
  auto* list = new SkinUI::CListUI;
  list->SetName(name);
  list->SetFixedHeight(100);
  home->Add(list);
  return list;
}

// A row's "删除" on a window: an income or expense item row asks, then goes with its
// record when confirmed and stays with it when cancelled; a bill row's delete is
// its page's, and no bill page is built yet.
TEST(ClickRoutes, DeletingARowAsksThenDeletesItsRecord) {
  DeleteAnswer::Asked().clear();
  const shell::MsgDlgWatcher previous = shell::SetMsgDlgWatcher(&DeleteAnswer::Watch);
  MainWindow main("老板");
  main.Show();
  std::vector<DataField> item = {MakeDataField("项目名称", "房租"), MakeDataField("项目类别", "支出")};
  ASSERT_EQ(0, g_dataObject->InsertRecord("J4_Account_Item", &item));
  SkinUI::CContainerUI* home = shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl");
  ASSERT_NE(nullptr, home);
  home->RemoveAll();
  auto addRow = [&](SkinUI::CListUI* list, const wchar_t* cell, const wchar_t* text) {
    auto* row = new SkinUI::CListContainerElementUI;
    row->SetFixedHeight(24);
    list->Add(row);
    auto* label = new SkinUI::CLabelUI;
    label->SetName(cell);
    label->SetText(text);
    row->Add(label);
    auto* operations = new SkinUI::CHorizontalLayoutUI;
    row->Add(operations);
    auto* del = new SkinUI::CButtonUI;
    del->SetName(L"item_del");
    operations->Add(del);
    return del;
  };
  auto makeList = [&](const wchar_t* name) { return AddTestList(home, name); };
  SkinUI::CListUI* items = makeList(L"listszxm");
  SkinUI::CControlUI* del = addRow(items, L"item_项目名称", L"房租");
  SkinUI::CListUI* bills = makeList(L"listxsd");
  SkinUI::CControlUI* billDel = addRow(bills, L"item_单据编号", L"XSD001");
  auto stored = [] {
    std::vector<DataField> names = {MakeDataField("项目名称", "")};
    std::vector<std::vector<DataField>> rows;
    g_dataObject->QueryRecords("J4_Account_Item", &names, &rows);
    return rows.size();
  };
  const size_t before = stored();
  SkinUI::TNotifyUI msg;
  msg.type = L"click";
  msg.sender = del;
  DeleteAnswer::Result() = 2;
  main.frame().Notify(msg);
  EXPECT_EQ(std::vector<std::wstring>{L"提示|确定要执行删除操作 ?"}, DeleteAnswer::Asked());
  EXPECT_EQ(1, items->GetCount());
  EXPECT_EQ(before, stored());
  DeleteAnswer::Result() = 1;
  main.frame().Notify(msg);
  EXPECT_EQ(0, items->GetCount());
  EXPECT_EQ(before - 1, stored());
  DeleteAnswer::Asked().clear();
  {
    shelltest::MessageBoxRecorder boxes;
    msg.sender = billDel;
    main.frame().Notify(msg);
    EXPECT_EQ(std::vector<std::wstring>{L"删除|功能开发中,敬请期待"}, shelltest::MessageBoxRecorder::Boxes());
  }
  EXPECT_TRUE(DeleteAnswer::Asked().empty());
  EXPECT_EQ(1, bills->GetCount());
  shell::SetMsgDlgWatcher(previous);
}

// A row of the test lists: its line number, named cells, and the operation cell
// with "删除", "修改" and the reserve button.
SkinUI::CControlUI* AddButtonRow(SkinUI::CListUI* list,
                                 const std::vector<std::pair<const wchar_t*, const wchar_t*>>& cells) {
  auto* row = new SkinUI::CListContainerElementUI;
  row->SetFixedHeight(24);
  list->Add(row);
  for (const auto& cell : cells) {
    auto* label = new SkinUI::CLabelUI;
    label->SetName(cell.first);
    label->SetText(cell.second);
    row->Add(label);
  }
  auto* operations = new SkinUI::CHorizontalLayoutUI;
  row->Add(operations);
  for (const wchar_t* name : {L"item_del", L"item_mod", L"item_reserve"}) {
    auto* button = new SkinUI::CButtonUI;
    button->SetName(name);
    button->SetText(name == std::wstring(L"item_reserve") ? L"收款" : L"");
    operations->Add(button);
  }
  return row;
}

SkinUI::CControlUI* ButtonOf(MainWindow& main, SkinUI::CControlUI* row, const wchar_t* name) {
  return main.frame().GetPaintManager()->FindSubControlByName(row, name);
}

// A deleted row's list renumbers its lines; "修改", the reserve button and a
// double-click go to the page of the list, and while no page is built they say so
// for a row that has the cells its request reads, and stay silent otherwise.
TEST(ClickRoutes, RowButtonsRenumberAndAskThePageOfTheirList) {
  shelltest::DialogAnswering yes(1);
  MainWindow main("老板");
  main.Show();
  std::vector<DataField> item = {MakeDataField("项目名称", "房租"), MakeDataField("项目类别", "支出")};
  ASSERT_EQ(0, g_dataObject->InsertRecord("J4_Account_Item", &item));
  SkinUI::CContainerUI* home = shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl");
  home->RemoveAll();
  auto makeList = [&](const wchar_t* name) { return AddTestList(home, name); };
  SkinUI::CListUI* items = makeList(L"listszxm");
  SkinUI::CControlUI* rent =
      AddButtonRow(items, {{L"item_line_num", L"1"}, {L"item_项目名称", L"房租"}, {L"item_项目类别", L"支出"}});
  SkinUI::CControlUI* water =
      AddButtonRow(items, {{L"item_line_num", L"2"}, {L"item_项目名称", L"水费"}, {L"item_项目类别", L"支出"}});
  SkinUI::CControlUI* partial = AddButtonRow(items, {{L"item_line_num", L"3"}, {L"item_项目名称", L"电费"}});
  SkinUI::CListUI* parties = makeList(L"listkhyqk");
  SkinUI::CControlUI* customer = AddButtonRow(parties, {{L"item_客户名称", L"张三"}, {L"item_应收款", L"12.00"}});
  SkinUI::CListUI* other = makeList(L"listother");
  SkinUI::CControlUI* stranger = AddButtonRow(other, {{L"item_商品名称", L"可乐"}});
  SkinUI::CListUI* found = makeList(L"listfind");
  SkinUI::CControlUI* product = AddButtonRow(found, {{L"item_商品名称", L"可乐"}});
  shelltest::Pump(100);

  SkinUI::TNotifyUI msg;
  msg.type = L"click";
  msg.sender = ButtonOf(main, rent, L"item_del");
  main.frame().Notify(msg);
  ASSERT_EQ(2, items->GetCount());
  EXPECT_STREQ(L"1", ButtonOf(main, water, L"item_line_num")->GetText().GetData());
  EXPECT_STREQ(L"2", ButtonOf(main, partial, L"item_line_num")->GetText().GetData());

  const struct {
    const char* what;
    const wchar_t* type;
    SkinUI::CControlUI* sender;
    const wchar_t* box;  // the box shown, or empty
  } cases[] = {
      {"modify an item", L"click", ButtonOf(main, water, L"item_mod"), L"修改|功能开发中,敬请期待"},
      {"modify an item without its kind", L"click", ButtonOf(main, partial, L"item_mod"), L""},
      {"the item list has no reserve action", L"click", ButtonOf(main, water, L"item_reserve"), L""},
      {"a receipt from the customer", L"click", ButtonOf(main, customer, L"item_reserve"), L"收款|功能开发中,敬请期待"},
      {"double-click an item", L"itemactivate", water, L"提示|功能开发中,敬请期待"},
      {"double-click an item without its kind", L"itemactivate", partial, L""},
      {"a list of no table", L"click", ButtonOf(main, stranger, L"item_mod"), L""},
      {"a list of no table, double-clicked", L"itemactivate", stranger, L""},
  };
  for (const auto& c : cases) {
    shelltest::MessageBoxRecorder boxes;
    msg.type = c.type;
    msg.sender = c.sender;
    main.frame().Notify(msg);
    std::wstring shown;
    for (const std::wstring& box : shelltest::MessageBoxRecorder::Boxes()) shown += box;
    EXPECT_EQ(c.box, shown) << c.what;
  }
  // A found product shows the products page first.
  {
    shelltest::MessageBoxRecorder boxes;
    msg.type = L"itemactivate";
    msg.sender = product;
    main.frame().Notify(msg);
    EXPECT_EQ(std::vector<std::wstring>{L"提示|功能开发中,敬请期待"}, shelltest::MessageBoxRecorder::Boxes());
  }
  bool productTab = false;
  for (const SkinUI::CUIString& tab : main.frame().GetOpenTabs()) productTab = productTab || tab == L"商品";
  EXPECT_TRUE(productTab);
  EXPECT_EQ(2, items->GetCount());
}

// The popup of a window that tests open by a drop button's click.
shell::PickerPopup* OpenedPicker(const wchar_t* windowClass) {
  HWND popup = nullptr;
  shelltest::PumpUntil([&] { return (popup = ::FindWindowW(windowClass, nullptr)) != nullptr; }, 3000);
  return popup != nullptr ? reinterpret_cast<shell::PickerPopup*>(::GetWindowLongPtrW(popup, GWLP_USERDATA)) : nullptr;
}

// A stock-warning filter's drop button opens its fixed states under its field; the
// chosen state lands in the field, "全部" as no filter. A hidden field's button
// opens nothing.
TEST(ClickRoutes, ADropButtonOpensItsChoicesUnderItsField) {
  MainWindow main("老板");
  main.Show();
  SkinUI::CContainerUI* home = shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl");
  home->RemoveAll();
  auto* line = new SkinUI::CHorizontalLayoutUI;
  line->SetFixedHeight(24);
  home->Add(line);
  auto* edit = new SkinUI::CEditUI;
  edit->SetName(L"kcyjbg_edit_status");
  edit->SetFixedWidth(120);
  line->Add(edit);
  auto* drop = new SkinUI::CButtonUI;
  drop->SetName(L"kcyjbg_edit_status_drop");
  drop->SetFixedWidth(20);
  drop->SetText(L"v");
  line->Add(drop);
  shelltest::Pump(100);

  for (const wchar_t* choice : {L"短缺", L"全部"}) {
    edit->SetText(L"超出");
    shelltest::Click(main.hwnd(), drop);
    shell::PickerPopup* picker = OpenedPicker(L"DlgDropListWnd");
    ASSERT_NE(nullptr, picker) << choice;
    const HWND popup = picker->GetHWND();
    RECT window{}, at{};
    ::GetWindowRect(main.hwnd(), &window);
    ::GetWindowRect(popup, &at);
    const RECT field = edit->GetPos();
    EXPECT_EQ(window.left + field.left - 1, at.left);
    EXPECT_EQ(window.top + field.top + 30, at.top);
    EXPECT_EQ(window.left + field.right + 21, at.right);
    auto* list = static_cast<SkinUI::CListUI*>(picker->GetPaintManager()->FindControl(L"list")->GetInterface(L"List"));
    ASSERT_EQ(3, list->GetCount());
    shelltest::Pump(100);
    shelltest::SaveWindowShot(popup, "drop_button_states");
    SkinUI::CControlUI* row = nullptr;
    for (int i = 0; i < list->GetCount(); ++i) {
      SkinUI::CControlUI* cell = picker->GetPaintManager()->FindSubControlByName(list->GetItemAt(i), L"item_状态");
      if (cell != nullptr && cell->GetText() == choice) row = list->GetItemAt(i);
    }
    ASSERT_NE(nullptr, row) << choice;
    shelltest::Click(popup, row);
    EXPECT_TRUE(shelltest::PumpUntil([popup] { return !::IsWindow(popup); }, 3000));
    EXPECT_STREQ(choice == std::wstring(L"全部") ? L"" : choice, edit->GetText().GetData());
  }
  edit->SetVisible(false);
  shelltest::Click(main.hwnd(), drop);
  shelltest::Pump(300);
  EXPECT_EQ(nullptr, ::FindWindowW(L"DlgDropListWnd", nullptr));
}

TEST(ClickRoutes, TheSideBarButtonFoldsTheSideBar) {
  MainWindow main("老板");
  main.Show();
  SkinUI::CControlUI* bar = main.Find(L"layoutSideBar");
  ASSERT_TRUE(bar->IsVisible());
  shelltest::Click(main.hwnd(), main.Find(L"btnSideBar"));
  EXPECT_TRUE(PumpUntil([&] { return !bar->IsVisible(); }, 2000));
  shelltest::Pump(100);
  shelltest::Click(main.hwnd(), main.Find(L"btnSideBar"));
  EXPECT_TRUE(PumpUntil([&] { return bar->IsVisible(); }, 2000));
}

// A plug-in that answers a click stops it before the window's own chains: the
// side bar stays as it is.
TEST(ClickRoutes, APluginAnsweringAClickStopsIt) {
  shelltest::FakePlugin first("First", 1), second("Second", 0);
  shelltest::PluginsBound bound({{&first, ""}, {&second, ""}});
  MainWindow main("老板");
  main.Show();
  first.told.clear();
  shelltest::Click(main.hwnd(), main.Find(L"btnSideBar"));
  EXPECT_TRUE(PumpUntil([&] { return !first.told.empty() && first.told.back() == "click|btnSideBar"; }, 2000));
  shelltest::Pump(100);
  EXPECT_TRUE(main.Find(L"layoutSideBar")->IsVisible());
  for (const std::string& told : second.told) EXPECT_NE("click|btnSideBar", told);
}

}  // namespace
