// List notifications of the main window: the return-goods box flipping the sign
// of bill and order quantities both ways, the edit cells of list rows taking the
// focus look (and not when the focus has moved on), item clicks from controls
// that are not rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/horizontal_layout.h"
#include "controls/label.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/option.h"
#include "controls/rich_edit.h"
#include "grid_bar_items.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::MainWindow;

// A list of that name in the home panel, one row per entry of `cells`, each row
// holding labels named after the cells with the given texts.
SkinUI::CListUI* AddList(MainWindow& main, const wchar_t* name,
                         const std::vector<std::vector<std::pair<const wchar_t*, const wchar_t*>>>& rows) {
  auto* list = new SkinUI::CListUI;
  list->SetName(name);
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(list);
  for (const auto& cells : rows) {
    auto* row = new SkinUI::CListContainerElementUI;
    row->SetFixedHeight(24);
    list->Add(row);
    for (const auto& cell : cells) {
      auto* label = new SkinUI::CLabelUI;
      label->SetName(cell.first);
      label->SetText(cell.second);
      row->Add(label);
    }
  }
  return list;
}

std::wstring Texts(MainWindow& main, SkinUI::CListUI* list, const wchar_t* cell) {
  std::wstring texts;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* c = main.frame().GetPaintManager()->FindSubControlByName(list->GetItemAt(i), cell);
    texts += (i ? L"," : L"") + std::wstring(c != nullptr ? c->GetText().GetData() : L"-");
  }
  return texts;
}

TEST(ListEvents, TheReturnGoodsBoxFlipsTheQuantitiesBothWays) {
  MainWindow main("老板");
  SkinUI::CListUI* bill = AddList(main, L"listxsd",
                                  {{{L"item_数量", L"2.00"}, {L"item_数量2", L"3"}},
                                   {{L"item_数量", L"-1.00"}, {L"item_数量2", L"0"}},
                                   {{L"item_数量", L"abc"}},
                                   {{L"item_数量", L"0.5"}, {L"item_数量2", L"-4.5"}}});
  SkinUI::CListUI* order = AddList(main, L"listxsydd", {{{L"item_数量", L"7"}, {L"item_数量2", L"9"}}});
  auto* billBox = new SkinUI::CCheckBoxUI;
  billBox->SetName(L"xsd_chk_th");
  auto* orderBox = new SkinUI::CCheckBoxUI;
  orderBox->SetName(L"xsydd_chk_th");
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(billBox);
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(orderBox);
  struct Step {
    SkinUI::COptionUI* box;
    bool tick;
    const wchar_t* quantities;   // "item_数量" of the bill's rows
    const wchar_t* quantities2;  // "item_数量2" of the bill's rows
    const wchar_t* order;        // "item_数量" of the order's row, then "item_数量2"
  } steps[] = {
      {billBox, true, L"-2.00,-1.00,abc,-0.50", L"-3.00,0,-,-4.5", L"7,9"},
      {billBox, false, L"2.00,1.00,abc,0.50", L"3.00,0,-,4.50", L"7,9"},
      {orderBox, true, L"2.00,1.00,abc,0.50", L"3.00,0,-,4.50", L"-7.00,9"},
      {orderBox, false, L"2.00,1.00,abc,0.50", L"3.00,0,-,4.50", L"7.00,9"},
  };
  for (const Step& s : steps) {
    s.box->Selected(s.tick);  // announces "selectchanged"
    shelltest::Pump(20);
    EXPECT_EQ(s.quantities, Texts(main, bill, L"item_数量"));
    EXPECT_EQ(s.quantities2, Texts(main, bill, L"item_数量2"));
    EXPECT_EQ(s.order, Texts(main, order, L"item_数量") + L"," + Texts(main, order, L"item_数量2"));
  }
}

// A rich-edit cell of a row selects its row when it takes the focus and, 50 ms
// later, shows its edit frame on white; losing the focus takes both away. Focus
// that moved on within the 50 ms leaves the first cell as it is.
TEST(ListEvents, EditCellsTakeTheFocusLook) {
  MainWindow main("老板");
  main.Show();
  auto* list = new SkinUI::CListUI;
  list->SetName(L"listcells");
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(list);
  std::vector<SkinUI::CRichEditUI*> cells;
  for (int i = 0; i < 2; ++i) {
    auto* row = new SkinUI::CListContainerElementUI;
    row->SetFixedHeight(24);
    list->Add(row);
    // Cells stand in a layout of the row, as the row layouts have them.
    auto* line = new SkinUI::CHorizontalLayoutUI;
    row->Add(line);
    auto* cell = new SkinUI::CRichEditUI;
    cell->SetName(L"item_单价");
    cell->SetText(L"12.00");
    line->Add(cell);
    cells.push_back(cell);
  }
  shelltest::Pump(100);
  const SkinUI::CUIString frame = L"file='rich_edit.png' corner='2,2,2,2'";
  cells[1]->SetFocus();
  EXPECT_EQ(1, list->GetCurSel());
  EXPECT_TRUE(shelltest::PumpUntil([&] { return cells[1]->GetBkColor() == 0xFFFFFFFF; }, 2000));
  EXPECT_EQ(frame, SkinUI::CUIString(cells[1]->GetBkImage()));

  cells[0]->SetFocus();
  EXPECT_EQ(0, list->GetCurSel());
  EXPECT_EQ(0u, cells[1]->GetBkColor()) << "the cell that lost the focus";
  EXPECT_EQ(SkinUI::CUIString(L""), SkinUI::CUIString(cells[1]->GetBkImage()));
  main.Find(L"btnSideBar")->SetFocus();  // before the cell's timer fires
  shelltest::Pump(200);
  EXPECT_EQ(0u, cells[0]->GetBkColor());
  EXPECT_EQ(SkinUI::CUIString(L""), SkinUI::CUIString(cells[0]->GetBkImage()));
}

// The shop page's side list: a click on an entry moves the highlighted picture to
// it and shows the sub-page of its name alone.
TEST(ListEvents, TheShopListSwitchesItsSubPages) {
  MainWindow main("老板");
  main.Show();
  main.frame().ShowMidPanel(L"mid_wdgl");
  SkinUI::CBarListUI* list = shell::FindBarList(*main.frame().GetPaintManager(), L"listwdgl");
  ASSERT_NE(nullptr, list);
  const std::vector<shell::GridBarItem> entries = shell::ShopEntries();
  if (list->GetCount() == 0) {
    for (const shell::GridBarItem& item : entries) main.frame().AddEasyListBarItem(list, item);
  }
  ASSERT_EQ(static_cast<int>(entries.size()), list->GetCount());
  shelltest::Pump(100);
  auto picture = [&](int row) {
    SkinUI::CControlUI* label =
        main.frame().GetPaintManager()->FindSubControlByName(list->GetItemAt(row), L"easy_item_label");
    return std::wstring(label != nullptr ? label->GetBkImage() : L"-");
  };
  auto shownPages = [&] {
    std::wstring shown;
    auto* area = shell::FindContainer(*main.frame().GetPaintManager(), L"layout_wdgl");
    for (int i = 0; area != nullptr && i < area->GetCount(); ++i) {
      if (area->GetItemAt(i)->IsVisible()) shown += area->GetItemAt(i)->GetName().GetData();
    }
    return shown;
  };
  for (int row : {2, 0, 3}) {
    shelltest::Click(main.hwnd(), list->GetItemAt(row));
    const std::wstring page = L"layout_wdgl_" + std::wstring(entries[row].name.GetData());
    EXPECT_TRUE(shelltest::PumpUntil([&] { return shownPages() == page; }, 2000)) << shownPages();
    for (int other = 0; other < list->GetCount(); ++other) {
      const shell::GridBarItem& item = entries[other];
      EXPECT_EQ(std::wstring((other == row ? item.image2 : item.image).GetData()), picture(other))
          << "clicked " << row << ", row " << other;
    }
  }
}

}  // namespace
