// The list builders in a real window with the program's skin: the header cases,
// cells under their columns, a red negative amount, a popup list without header,
// one select-all box however often a list is reloaded, a header click that sorts
// and renumbers, bill lines in business units, and the two stock headers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/label.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/list_header.h"
#include "core/test_support/test_window.h"
#include "list_builders.h"
#include "list_fill.h"
#include "list_sorting.h"
#include "data_store.h"
#include "test_support/datavane_dll.h"
#include "window_shot.h"

namespace pagekit {
namespace {

const wchar_t kLayout[] =
    L"<Window><VerticalLayout bkcolor=\"#FFFFFFFF\">"
    L"<VerticalLayout name=\"holder\" height=\"230\"><List name=\"listdata\" /></VerticalLayout>"
    L"<VerticalLayout name=\"holder2\" height=\"200\"><List name=\"listother\" /></VerticalLayout>"
    L"</VerticalLayout></Window>";

class ListWindow : public test::DatavaneDllTest {
 protected:
  void SetUp() override {
    test::DatavaneDllTest::SetUp();
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    SkinUI::CPaintManagerUI::SetInstance(self);
    HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(105), L"ZIPRES");
    ASSERT_NE(nullptr, found) << "the test carries the skin";
    const DWORD size = ::SizeofResource(self, found);
    const BYTE* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(self, found)));
    skin_.assign(bytes, bytes + size);
    SkinUI::CPaintManagerUI::SetResourceZip(skin_.data(), size);
  }

  static SkinUI::CListUI* ListOf(SkinUI::test::TestWindow& w, const wchar_t* name) {
    return static_cast<SkinUI::CListUI*>(w.Find(name)->GetInterface(L"List"));
  }
  static std::wstring Text(SkinUI::CControlUI* row, const wchar_t* cell) {
    auto* container = static_cast<SkinUI::CContainerUI*>(row->GetInterface(L"Container"));
    SkinUI::CControlUI* control = container->FindSubControl(cell);
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  static SkinUI::CControlUI* Cell(SkinUI::CControlUI* row, const wchar_t* cell) {
    return static_cast<SkinUI::CContainerUI*>(row->GetInterface(L"Container"))->FindSubControl(cell);
  }
  static std::vector<std::wstring> Captions(SkinUI::CListUI* list) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < list->GetHeader()->GetCount(); ++i)
      captions.push_back(list->GetHeader()->GetItemAt(i)->GetText().GetData());
    return captions;
  }

  std::vector<BYTE> skin_;
};

DataField Field(const char* name, const char* value, int index = -1, bool hidden = false) {
  DataField field = MakeDataField(name, value);
  field.index = index;
  field.hidden = hidden ? 1 : 0;
  return field;
}

TEST_F(ListWindow, HeaderCasesCellsColoursAndOneSelectAllBox) {
  SkinUI::test::TestWindow w(kLayout, 900, 430);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* list = ListOf(w, L"listdata");
  std::vector<DataField> fields = {Field("名称", ""), Field("内部", "", -1, true), Field("金额", "", 1),
                                   Field("金额", "", 2)};
  fields[0].width = 120;
  // Reloads build the header again each time: the select-all box stays one.
  for (int reload = 0; reload < 3; ++reload) {
    list->RemoveAll();
    ASSERT_EQ(0, BuildListHeader(w.pm, &data(), list, L"", &fields, 0x1F, L"详情"));
  }
  auto* holder = static_cast<SkinUI::CContainerUI*>(w.Find(L"holder")->GetInterface(L"Container"));
  int boxes = 0;
  for (int i = 0; i < holder->GetCount(); ++i) boxes += holder->GetItemAt(i)->GetName() == L"sel_all_listdata";
  EXPECT_EQ(1, boxes);
  EXPECT_EQ((std::vector<std::wstring>{L"", L"行号", L"名称", L"金额", L"金额", L"操作"}), Captions(list));
  EXPECT_EQ(150, list->GetHeader()->GetItemAt(5)->GetFixedWidth());
  EXPECT_STREQ(L"详情", list->GetReserve().GetData());

  std::vector<DataField> rows[] = {
      {Field("名称", "乙"), Field("内部", "x", -1, true), Field("金额", "-12.00", 1), Field("金额", "abc", 2)},
      {Field("名称", "甲"), Field("内部", "y", -1, true), Field("金额", "9.50", 1), Field("金额", "", 2)},
      {Field("名称", "丙"), Field("内部", "z", -1, true), Field("金额", "10.00", 1), Field("金额", "1", 2)},
  };
  for (auto& row : rows) ASSERT_NE(nullptr, AddListRow(w.pm, &row, list, false));
  SkinUI::CControlUI* first = list->GetItemAt(0);
  EXPECT_EQ(L"1", Text(first, L"item_line_num"));
  EXPECT_EQ(L"<none>", Text(first, L"item_内部"));
  EXPECT_EQ(L"-12.00", Text(first, L"item_金额1"));
  EXPECT_EQ(L"abc", Text(first, L"item_金额2"));
  EXPECT_EQ(0xFFFF0000u, static_cast<SkinUI::CLabelUI*>(Cell(first, L"item_金额1"))->GetTextColor());
  EXPECT_NE(0xFFFF0000u, static_cast<SkinUI::CLabelUI*>(Cell(first, L"item_金额2"))->GetTextColor());
  EXPECT_EQ(L"删除", Text(first, L"item_del"));
  EXPECT_EQ(L"修改", Text(first, L"item_mod"));
  EXPECT_EQ(L"详情", Text(first, L"item_reserve"));
  w.Paint();
  EXPECT_LT(Cell(first, L"item_del")->GetPos().left, Cell(first, L"item_mod")->GetPos().left);
  EXPECT_LT(Cell(first, L"item_mod")->GetPos().left, Cell(first, L"item_reserve")->GetPos().left);
  // Each cell sits under its header item.
  const RECT nameHeader = list->GetHeader()->GetItemAt(2)->GetPos();
  const RECT nameCell = Cell(first, L"item_名称")->GetParent()->GetPos();
  EXPECT_EQ(nameHeader.left, nameCell.left);
  EXPECT_EQ(nameHeader.right, nameCell.right);
  EXPECT_EQ(120, nameCell.right - nameCell.left);

  // A click on "金额" (the first) sorts by the cells "item_金额": none has that
  // name, so the rows stay; "名称" sorts by name and renumbers.
  w.log.onNotify = [](SkinUI::TNotifyUI& msg) {
    if (msg.type == L"headerclick") SortListByColumn(msg.sender);
  };
  const RECT click = list->GetHeader()->GetItemAt(2)->GetPos();
  w.Click((click.left + click.right) / 2, (click.top + click.bottom) / 2);
  SkinUI::test::PumpPosted();
  const std::wstring top = Text(list->GetItemAt(0), L"item_名称");
  EXPECT_TRUE(top == L"丙" || top == L"乙") << "sorted by code units, one way or the other";
  EXPECT_EQ(L"1", Text(list->GetItemAt(0), L"item_line_num"));
  EXPECT_EQ(L"3", Text(list->GetItemAt(2), L"item_line_num"));
  w.Paint();
  shelltest::SaveWindowShot(w.GetHWND(), "list_header_cases");

  // 0x0C: "删除" and "修改" under a 120 wide "操作".
  SkinUI::CListUI* other = ListOf(w, L"listother");
  std::vector<DataField> plain = {Field("名称", "")};
  ASSERT_EQ(0, BuildListHeader(w.pm, &data(), other, L"", &plain, 0x0C, L""));
  EXPECT_EQ(120, other->GetHeader()->GetItemAt(1)->GetFixedWidth());
  // A table's columns when the field list is empty; none for an unknown table.
  std::vector<DataField> none;
  EXPECT_EQ(1, BuildListHeader(w.pm, &data(), other, L"没有这个表", &none, 0, L""));
  std::vector<DataField> columns;
  EXPECT_EQ(0, BuildListHeader(w.pm, &data(), other, L"J4_Account_Item", &columns, 0, L""));
  EXPECT_EQ((std::vector<std::wstring>{L"项目名称", L"项目类别"}), Captions(other));
  EXPECT_EQ(0, BuildListHeader(w.pm, &data(), nullptr, L"", &plain, 0, L""));

  // A popup list: no header, no cell borders.
  std::vector<DataField> choice = {Field("项目名称", "房租")};
  SkinUI::CControlUI* popupRow = AddListRow(w.pm, &choice, other, true);
  ASSERT_NE(nullptr, popupRow);
  EXPECT_FALSE(other->GetHeader()->IsVisible());
  EXPECT_EQ(0, Cell(popupRow, L"item_项目名称")->GetParent()->GetBorderSize());
  EXPECT_EQ(nullptr, AddListRow(w.pm, &choice, nullptr, false));
  w.Paint();
  shelltest::SaveWindowShot(w.GetHWND(), "list_popup_rows");
}

TEST_F(ListWindow, BillLinesShowBusinessUnitsOfTheirOwnProduct) {
  auto addUnit = [this](const char* product, const char* base, const char* name, const char* rate) {
    std::vector<DataField> values = {MakeDataField("name", name), MakeDataField("name_basic", base),
                                     MakeDataField("value", rate), MakeDataField("product", product)};
    ASSERT_EQ(0, data().InsertRecord("J4_LogicalUnit", &values));
  };
  addUnit("可乐", "瓶", "箱", "12");
  addUnit("雪碧", "瓶", "提", "6");
  addUnit("空名", "瓶", "", "12");
  addUnit("零率", "瓶", "箱", "0");
  addUnit("多次", "瓶", "箱", "12");
  addUnit("多次", "瓶", "盒", "4");
  SkinUI::test::TestWindow w(kLayout, 900, 430);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* list = ListOf(w, L"listdata");
  std::vector<DataField> header = {Field("商品名称", ""), Field("单位", ""), Field("商品类别", ""), Field("数量", ""),
                                   Field("单价", "")};
  ASSERT_EQ(0, BuildListHeader(w.pm, &data(), list, L"", &header, 0x06, L""));
  struct Case {
    const char* product;
    const char* quantity;
    const wchar_t* shownQuantity;
    const wchar_t* secondQuantity;  // null: hidden
    const wchar_t* secondUnit;      // null: hidden
  } cases[] = {
      {"可乐", "25", L"25", L"2.00", L"箱"},  // becomes 1.00 below
      {"可乐", "7", L"7", nullptr, L"箱"},     {"可乐", "24", L"0.00", L"2.00", L"箱"},
      {"雪碧", "24", L"0.00", L"4.00", L"提"}, {"无单位", "24", L"24", nullptr, nullptr},
      {"空名", "24", L"24", nullptr, nullptr}, {"零率", "24", L"24", nullptr, nullptr},
      {"多次", "10", L"2.00", L"2.00", L"盒"},
  };
  cases[0].shownQuantity = L"1.00";
  for (const Case& c : cases) {
    std::vector<DataField> line = {Field("商品名称", c.product), Field("单位", "瓶"), Field("商品类别", "饮料"),
                                   Field("数量", c.quantity), Field("单价", "2.50")};
    SkinUI::CControlUI* row = AddBillRow(w.pm, &data(), &line, list);
    ASSERT_NE(nullptr, row) << c.product;
    EXPECT_EQ(c.shownQuantity, Text(row, L"item_数量")) << c.product << " " << c.quantity;
    SkinUI::CControlUI* second = Cell(row, L"item_数量2");
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(c.secondQuantity != nullptr, second->IsVisible()) << c.product << " " << c.quantity;
    if (c.secondQuantity != nullptr) {
      EXPECT_EQ(c.secondQuantity, Text(row, L"item_数量2")) << c.product;
    }
    SkinUI::CControlUI* unit = Cell(row, L"item_单位2");
    ASSERT_NE(nullptr, unit);
    EXPECT_EQ(c.secondUnit != nullptr, unit->IsVisible()) << c.product;
    if (c.secondUnit != nullptr) {
      EXPECT_EQ(c.secondUnit, Text(row, L"item_单位2")) << c.product;
    }
    EXPECT_EQ(L"...", Text(row, L"item_reserve"));
    EXPECT_STREQ(L"RichEditUI", Cell(row, L"item_单价")->GetClass());
    EXPECT_STREQ(L"LabelUI", Cell(row, L"item_商品类别")->GetClass());
  }
  w.Paint();
  shelltest::SaveWindowShot(w.GetHWND(), "list_bill_lines");
}

TEST_F(ListWindow, StockHeadersAreLaidOutInTwoLevels) {
  SkinUI::test::TestWindow w(kLayout, 1100, 430);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* ledger = ListOf(w, L"listdata");
  SkinUI::CListUI* summary = ListOf(w, L"listother");
  BuildStockLedgerHeader(w.pm, ledger);
  BuildStockSummaryHeader(w.pm, summary, L"明细");
  EXPECT_EQ(0x02, ledger->GetHeaderStyle());
  EXPECT_EQ(0x12, summary->GetHeaderStyle());
  EXPECT_STREQ(L"明细", summary->GetReserve().GetData());
  ASSERT_EQ(4 + 9, ledger->GetHeader()->GetCount());
  ASSERT_EQ(3 + 8 + 1, summary->GetHeader()->GetCount());
  w.Paint();
  for (int i = 4; i < 13; ++i) {
    auto* item = static_cast<SkinUI::CListHeaderItemUI*>(ledger->GetHeader()->GetItemAt(i));
    const bool last = (i - 4) % 3 == 2;
    EXPECT_EQ(50, item->GetFixedHeight());
    EXPECT_EQ(10, item->GetTextTop());
    const RECT rc = item->GetPos();
    const RECT thumb = item->GetThumbRect();
    EXPECT_EQ(last ? rc.top : rc.bottom - 40, thumb.top) << i;
    EXPECT_EQ(rc.bottom, thumb.bottom);
    EXPECT_EQ(50, rc.bottom - rc.top) << i;
  }
  EXPECT_EQ(50, ledger->GetHeader()->GetPos().bottom - ledger->GetHeader()->GetPos().top);
  // The caption halves: "日常" over the first sub-column, "进货" over the second.
  auto* firstSub = static_cast<SkinUI::CContainerUI*>(ledger->GetHeader()->GetItemAt(4));
  auto* stack = static_cast<SkinUI::CContainerUI*>(firstSub->GetItemAt(0));
  auto* top = static_cast<SkinUI::CContainerUI*>(stack->GetItemAt(0));
  EXPECT_STREQ(L"日常", top->GetItemAt(1)->GetText().GetData());
  auto* secondSub = static_cast<SkinUI::CContainerUI*>(ledger->GetHeader()->GetItemAt(5));
  top = static_cast<SkinUI::CContainerUI*>(static_cast<SkinUI::CContainerUI*>(secondSub->GetItemAt(0))->GetItemAt(0));
  EXPECT_STREQ(L"进货", top->GetItemAt(0)->GetText().GetData());
  auto* lastItem = static_cast<SkinUI::CListHeaderItemUI*>(summary->GetHeader()->GetItemAt(11));
  EXPECT_STREQ(L"操作", lastItem->GetText().GetData());
  EXPECT_EQ(60, lastItem->GetFixedWidth());
  EXPECT_EQ(-1, lastItem->GetThumbHeight());
  EXPECT_EQ(-1, lastItem->GetTextTop());
  shelltest::SaveWindowShot(w.GetHWND(), "list_stock_headers");
}

TEST_F(ListWindow, CashFlowAndHistoryRows) {
  std::vector<DataField> item = {MakeDataField("项目名称", "房租"), MakeDataField("项目类别", "支出")};
  ASSERT_EQ(0, data().InsertRecord("J4_Account_Item", &item));
  SkinUI::test::TestWindow w(kLayout, 900, 430);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* list = ListOf(w, L"listdata");
  std::vector<DataField> header = {Field("日期", ""), Field("编号", ""), Field("摘要", ""), Field("单位", ""),
                                   Field("项目", ""), Field("收入", ""), Field("支出", ""), Field("结余", "")};
  ASSERT_EQ(0, BuildListHeader(w.pm, &data(), list, L"", &header, 0x02, L""));
  auto flow = [](const char* itemName, const char* income, const char* expense) {
    return std::vector<DataField>{Field("日期", "2026-01-01"), Field("编号", "n"),      Field("摘要", ""),
                                  Field("单位", ""),           Field("项目", itemName), Field("收入", income),
                                  Field("支出", expense),      Field("结余", "999")};
  };
  ListFillContext context;
  context.manager = &w.pm;
  context.list = list;
  context.data = &data();
  std::vector<DataField> rows[] = {flow("销售收入", "100", "5"), flow("房租", "7", "30"), flow("进货支出", "1", "80")};
  for (auto& row : rows) OnCashFlowRow(AsRowContext(&context), &row);
  ASSERT_EQ(3, list->GetCount());
  EXPECT_EQ(L"", Text(list->GetItemAt(0), L"item_支出"));
  EXPECT_EQ(L"100.00", Text(list->GetItemAt(0), L"item_结余"));
  EXPECT_EQ(L"", Text(list->GetItemAt(1), L"item_收入"));
  EXPECT_EQ(L"70.00", Text(list->GetItemAt(1), L"item_结余"));
  EXPECT_EQ(L"-10.00", Text(list->GetItemAt(2), L"item_结余"));
  EXPECT_EQ(0xFFFF0000u, static_cast<SkinUI::CLabelUI*>(Cell(list->GetItemAt(2), L"item_结余"))->GetTextColor());
  EXPECT_EQ(0xFF000000u, static_cast<SkinUI::CLabelUI*>(Cell(list->GetItemAt(1), L"item_结余"))->GetTextColor());
  OnCashFlowRow(0, &rows[0]);
  OnCashFlowRow(AsRowContext(&context), nullptr);
  EXPECT_EQ(3, list->GetCount());
  w.Paint();
  shelltest::SaveWindowShot(w.GetHWND(), "list_cash_flow");
}

// The master data lists' callbacks find their list by name in the window: the
// library streams the items into "listszxm", the parties into "listkhyqk"; a window
// without the list (here no product list) gets nothing.
TEST_F(ListWindow, MasterDataRowsGoIntoTheListOfTheirName) {
  for (const char* item : {"房租", "水费"}) {
    std::vector<DataField> values = {MakeDataField("项目名称", item), MakeDataField("项目类别", "支出")};
    ASSERT_EQ(0, data().InsertRecord("J4_Account_Item", &values));
  }
  const wchar_t layout[] =
      L"<Window><VerticalLayout bkcolor=\"#FFFFFFFF\">"
      L"<VerticalLayout height=\"150\"><List name=\"listszxm\" /></VerticalLayout>"
      L"<VerticalLayout height=\"150\"><List name=\"listkhyqk\" /></VerticalLayout>"
      L"<VerticalLayout height=\"80\"><List name=\"listdkhpfj\" /></VerticalLayout>"
      L"</VerticalLayout></Window>";
  SkinUI::test::TestWindow w(layout, 700, 400);
  ASSERT_TRUE(w.ok());
  struct Stream {
    const wchar_t* list;
    const char* table;
    std::vector<const char*> columns;
    DataRowCallback callback;
    std::vector<std::wstring> firstColumn;  // what the list shows afterwards
  } streams[] = {
      {L"listszxm", "J4_Account_Item", {"项目名称", "项目类别"}, &OnAccountItemRow, {L"房租", L"水费"}},
      {L"listkhyqk", "J4_Customer_Data", {"客户名称", "类型"}, &OnPartyRow, {L"零售客户", L"批发客户", L"零散供应商"}},
      {L"listdkhpfj", "J4_Customer_TradePrice", {"客户名称", "商品名称"}, &OnTradePriceRow, {}},
      {nullptr, "J4_Account_Item", {"项目名称"}, &OnProductRow, {}},
  };
  for (Stream& stream : streams) {
    std::vector<DataField> fields;
    for (const char* column : stream.columns) fields.push_back(MakeDataField(column, ""));
    if (stream.list != nullptr) {
      ASSERT_EQ(0, BuildListHeader(w.pm, &data(), ListOf(w, stream.list), L"", &fields, 0x06, L""));
    }
    ASSERT_EQ(0, data().QueryRecordsCallback(stream.table, AsRowContext(&w.pm), &fields, stream.callback));
    if (stream.list == nullptr) continue;
    SkinUI::CListUI* list = ListOf(w, stream.list);
    std::vector<std::wstring> shown;
    for (int i = 0; i < list->GetCount(); ++i)
      shown.push_back(Text(list->GetItemAt(i), (L"item_" + PageText(stream.columns.front())).c_str()));
    EXPECT_EQ(stream.firstColumn, shown) << stream.table;
    if (!shown.empty()) {
      EXPECT_EQ(L"1", Text(list->GetItemAt(0), L"item_line_num"));
    }
  }
  OnPartyRow(0, nullptr);
  EXPECT_EQ(2, ListOf(w, L"listszxm")->GetCount());
  w.Paint();
  shelltest::SaveWindowShot(w.GetHWND(), "list_master_data_rows");
}

// Every control of a row, depth first: class, name, text, colour, font, shown.
std::wstring Describe(SkinUI::CControlUI* control) {
  std::wstring text = std::wstring(control->GetClass()) + L"|" + control->GetName().GetData() + L"|" +
                      control->GetText().GetData() + L"|" + std::to_wstring(control->IsVisible());
  if (auto* label = static_cast<SkinUI::CLabelUI*>(control->GetInterface(L"Label")))
    text += L"|" + std::to_wstring(label->GetTextColor()) + L"|" + std::to_wstring(label->GetFont());
  if (auto* container = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"))) {
    text += L"|" + std::to_wstring(container->GetBorderSize()) + L"{";
    for (int i = 0; i < container->GetCount(); ++i) text += Describe(container->GetItemAt(i)) + L";";
    text += L"}";
  }
  return text;
}

// A list's rows make their cells when they come into view or are looked into. A
// sort and the line numbers work on the rows not made yet without making them,
// and every row, once made, is the row made at once: the same cells, texts,
// colours, line numbers and order.
TEST_F(ListWindow, RowsMadeWhenNeededEqualRowsMadeAtOnce) {
  // Two lists of one size: a row painted takes the window's default text colours.
  const wchar_t layout[] =
      L"<Window><VerticalLayout bkcolor=\"#FFFFFFFF\">"
      L"<VerticalLayout height=\"200\"><List name=\"listdata\" /></VerticalLayout>"
      L"<VerticalLayout height=\"200\"><List name=\"listother\" /></VerticalLayout>"
      L"</VerticalLayout></Window>";
  SkinUI::test::TestWindow w(layout, 900, 400);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* lazy = ListOf(w, L"listdata");
  SkinUI::CListUI* eager = ListOf(w, L"listother");
  std::vector<DataField> header = {Field("名称", ""), Field("内部", "", -1, true), Field("金额", "", 1)};
  const char* const names[] = {"乙", "甲", "丙", "香蕉", "Z", "a"};
  for (SkinUI::CListUI* list : {lazy, eager}) {
    std::vector<DataField> fields = header;
    ASSERT_EQ(0, BuildListHeader(w.pm, &data(), list, L"", &fields, 0x1F, L"详情"));
    for (int i = 0; i < 60; ++i) {
      const std::string amount = std::to_string((i * 37) % 23 - 11) + ".50";
      std::vector<DataField> row = {Field("名称", names[i % 6]), Field("内部", "x", -1, true),
                                    Field("金额", amount.c_str(), 1)};
      row[0].extra = i % 2;
      SkinUI::CControlUI* added = AddListRow(w.pm, &row, list, false);
      ASSERT_NE(nullptr, added);
      if (list == eager) static_cast<SkinUI::CContainerUI*>(added->GetInterface(L"Container"))->GetCount();
    }
  }
  w.Paint();
  auto pending = [](SkinUI::CListUI* list, int row) {
    auto* element =
        static_cast<SkinUI::CListContainerElementUI*>(list->GetItemAt(row)->GetInterface(L"ListContainerElement"));
    return element->GetPendingContent() != nullptr;
  };
  EXPECT_FALSE(pending(lazy, 0));
  EXPECT_TRUE(pending(lazy, 40));
  EXPECT_FALSE(pending(eager, 40));

  // A hidden row is not numbered, made or not.
  lazy->GetItemAt(45)->SetVisible(false);
  eager->GetItemAt(45)->SetVisible(false);
  // Each click flips the shared direction: the eager list is clicked twice, so
  // both end in the same direction.
  ASSERT_TRUE(SortListByColumn(lazy->GetHeader()->GetItemAt(3)));
  ASSERT_TRUE(SortListByColumn(eager->GetHeader()->GetItemAt(3)));
  ASSERT_TRUE(SortListByColumn(eager->GetHeader()->GetItemAt(3)));
  int stillPending = 0;
  for (int i = 0; i < lazy->GetCount(); ++i) stillPending += pending(lazy, i);
  EXPECT_GT(stillPending, 40) << "the sort read the rows without making them";
  ASSERT_TRUE(SortListByColumn(lazy->GetHeader()->GetItemAt(2)));
  ASSERT_TRUE(SortListByColumn(eager->GetHeader()->GetItemAt(2)));
  ASSERT_TRUE(SortListByColumn(eager->GetHeader()->GetItemAt(2)));
  for (int i = 0; i < 60; ++i) EXPECT_EQ(Describe(eager->GetItemAt(i)), Describe(lazy->GetItemAt(i))) << "row " << i;
  EXPECT_EQ(L"1", Text(lazy->GetItemAt(0), L"item_line_num"));

  // Bill history numbering reads and writes the rows not made yet as well.
  for (SkinUI::CListUI* list : {lazy, eager}) list->RemoveAll();
  for (SkinUI::CListUI* list : {lazy, eager}) {
    std::vector<DataField> fields = {Field("商品名称", "")};
    ASSERT_EQ(0, BuildListHeader(w.pm, &data(), list, L"", &fields, kListLineNumbers, L""));
    for (int i = 0; i < 40; ++i) {
      std::vector<DataField> row = {Field("商品名称", i % 3 == 0 ? "XSD2026010100001" : "可乐")};
      SkinUI::CControlUI* added = AddListRow(w.pm, &row, list, false);
      if (list == eager) static_cast<SkinUI::CContainerUI*>(added->GetInterface(L"Container"))->GetCount();
    }
    RenumberBillLines(list);
  }
  w.Paint();
  EXPECT_TRUE(pending(lazy, 30));
  for (int i = 0; i < 40; ++i)
    EXPECT_EQ(Describe(eager->GetItemAt(i)), Describe(lazy->GetItemAt(i))) << "history row " << i;
}

TEST_F(ListWindow, RowsOfAListWithoutColumnsShareTheirWidth) {
  SkinUI::test::TestWindow w(kLayout, 900, 430);
  ASSERT_TRUE(w.ok());
  SkinUI::CListUI* list = ListOf(w, L"listother");
  ListFillContext context;
  context.manager = &w.pm;
  context.list = list;
  std::vector<DataField> row = {Field("客户名称", "张三"), Field("类型", "客户")};
  OnListRowChecked(AsRowContext(&context), &row);
  ASSERT_EQ(1, list->GetCount());
  w.Paint();
  const RECT first = Cell(list->GetItemAt(0), L"item_客户名称")->GetParent()->GetPos();
  const RECT second = Cell(list->GetItemAt(0), L"item_类型")->GetParent()->GetPos();
  EXPECT_EQ(first.right, second.left);
  EXPECT_GT(first.right - first.left, 100);
}

TEST(ListShapers, BillAndOrderHistory) {
  auto bill = [](const char* rate, const char* after) {
    return std::vector<DataField>{MakeDataField("d", "2026-01-01"), MakeDataField("n", "XSD1"),
                                  MakeDataField("p", "张三"),       MakeDataField("s", "李四"),
                                  MakeDataField("r", rate),         MakeDataField("a", after),
                                  MakeDataField("m", "备注"),       MakeDataField("g", "50.00")};
  };
  struct Case {
    const char* rate;
    const char* after;
    const char* sales;
  } cases[] = {{"80", "80.00", "100.00"}, {"0", "80.00", "80.00"}, {"100", "12.5", "12.50"}, {"abc", "7", "7"}};
  for (const Case& c : cases) {
    const std::vector<DataField> shaped = ShapeSaleBillRow(bill(c.rate, c.after));
    ASSERT_EQ(8u, shaped.size());
    EXPECT_EQ("销售金额", shaped[4].name);
    EXPECT_EQ(c.sales, shaped[4].value) << c.rate;
    EXPECT_EQ(c.after, shaped[5].value);
    EXPECT_EQ("50.00", shaped[6].value);
    EXPECT_EQ("备注", shaped[7].value);
  }
  std::vector<DataField> shortRow = bill("80", "1");
  shortRow.pop_back();
  EXPECT_TRUE(ShapeSaleBillRow(shortRow).empty());

  std::vector<DataField> order;
  for (int i = 0; i < 10; ++i) order.push_back(MakeDataField("c", std::to_string(i)));
  EXPECT_EQ("供应商名称", ShapeOrderRow(order, true)[2].name);
  EXPECT_EQ("客户名称", ShapeOrderRow(order, false)[2].name);
  EXPECT_EQ("9", ShapeOrderRow(order, false)[9].value);
  EXPECT_EQ("说明", ShapeOrderRow(order, false)[9].name);
  order.pop_back();
  EXPECT_TRUE(ShapeOrderRow(order, false).empty());
  EXPECT_TRUE(ShapeCashFlowRow(nullptr, order).size() == 8u);
  order.resize(7);
  EXPECT_TRUE(ShapeCashFlowRow(nullptr, order).empty());
}

}  // namespace
}  // namespace pagekit
