// The lists' shared pieces: conditions with user text (on the real library), the
// business-unit lookup, the numeric test, the row comparison, sorting by a header
// click and the line numbers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "business_unit.h"
#include "controls/label.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/list_header.h"
#include "core/paint_manager.h"
#include "form_fill.h"
#include "list_conditions.h"
#include "memory_fields.h"
#include "list_sorting.h"
#include "money_text.h"
#include "test_support/datavane_dll.h"

namespace pagekit {
namespace {

// ---- conditions -------------------------------------------------------------

TEST(ListConditions, QuotesAreDoubledOnce) {
  struct Case {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"", ""}, {"abc", "abc"}, {"O'Brien's", "O''Brien''s"}, {"''", "''''"}, {"x' or '1'='1", "x'' or ''1''=''1"}};
  for (const Case& c : cases) EXPECT_EQ(c.quoted, QuoteSqlText(c.text)) << c.text;
  EXPECT_EQ("'%O''Brien%'", LikeAnywhere("O'Brien"));
}

TEST(ListConditions, RawConditionIsWrittenAndNotSelected) {
  const DataField field = RawCondition("a like 'b'");
  EXPECT_EQ("a like 'b'", field.name);
  EXPECT_EQ(".", field.value);
  EXPECT_EQ("", field.op);
  EXPECT_EQ(2, field.valueType);
  EXPECT_NE(0, field.hidden);
}

class ProductSearch : public test::DatavaneDllTest {
 protected:
  void AddProduct(const std::string& name) {
    std::vector<DataField> values = {MakeDataField("商品名称", name)};
    ASSERT_EQ(0, data().InsertRecord("J4_Product_Data", &values)) << name;
  }
  std::vector<std::string> Search(const std::string& text) {
    // The pickers stream their rows: only that call knows Hanzi2Pinyin.
    std::vector<DataField> record = {MakeDataField("商品名称", ""),
                                     RawCondition(NameOrInitialsCondition("商品名称", text))};
    std::vector<std::string> names;
    EXPECT_EQ(0, data().QueryRecordsCallback("J4_Product_Data", reinterpret_cast<intptr_t>(&names), &record,
                                             [](intptr_t context, std::vector<DataField>* row) {
                                               reinterpret_cast<std::vector<std::string>*>(context)->push_back(
                                                   row->empty() ? "" : row->front().value);
                                             }))
        << text;
    return names;
  }
};

TEST_F(ProductSearch, NamesWithQuotesInitialsAndLongTexts) {
  AddProduct("O'Brien's tea");
  AddProduct("张果老");
  AddProduct("可乐");
  EXPECT_EQ(std::vector<std::string>{"O'Brien's tea"}, Search("O'Brien's"));
  EXPECT_EQ(std::vector<std::string>{"张果老"}, Search("zg"));
  EXPECT_EQ(std::vector<std::string>{"可乐"}, Search("可"));
  EXPECT_TRUE(Search("x' or '1'='1").empty());
  EXPECT_TRUE(Search(std::string(2000, 'q') + "'").empty());
  EXPECT_EQ(3u, Search("").size());
}

// ---- business units ---------------------------------------------------------

class BusinessUnits : public test::DatavaneDllTest {
 protected:
  void AddUnit(const char* product, const char* base, const char* name, const char* rate) {
    std::vector<DataField> values = {MakeDataField("name", name), MakeDataField("name_basic", base),
                                     MakeDataField("value", rate), MakeDataField("product", product)};
    ASSERT_EQ(0, data().InsertRecord("J4_LogicalUnit", &values));
  }
};

TEST_F(BusinessUnits, EachProductItsOwnAndTheLastStoredDecides) {
  AddUnit("可乐", "瓶", "箱", "12");
  AddUnit("雪碧", "瓶", "提", "6");
  AddUnit("茶", "包", "盒", "10");
  AddUnit("茶", "包", "箱", "40");
  AddUnit("空名", "个", "", "5");
  AddUnit("零率", "个", "盒", "0");
  AddUnit("后废", "个", "盒", "10");
  AddUnit("后废", "个", "盒", "-1");
  struct Case {
    const char* product;
    const char* base;
    bool found;
    const char* name;
    double rate;
  } cases[] = {
      {"可乐", "瓶", true, "箱", 12}, {"雪碧", "瓶", true, "提", 6}, {"茶", "包", true, "箱", 40},
      {"茶", "瓶", false, "", 0},     {"空名", "个", false, "", 0},  {"零率", "个", false, "", 0},
      {"后废", "个", false, "", 0},   {"可乐", "", false, "", 0},    {"无此", "瓶", false, "", 0},
  };
  for (const Case& c : cases) {
    BusinessUnit unit;
    EXPECT_EQ(c.found, LookUpBusinessUnit(data(), c.product, c.base, &unit)) << c.product << c.base;
    if (c.found) {
      EXPECT_EQ(c.name, unit.name) << c.product;
      EXPECT_EQ(c.rate, unit.rate) << c.product;
    }
  }
}

TEST(QuantitySplit, WholeUnitsAndRest) {
  struct Case {
    double quantity, rate, whole, rest;
  } cases[] = {{25, 12, 2, 1},  {7, 12, 0, 7},    {24, 12, 2, 0},   {24, 0, 0, 24},
               {24, -3, 0, 24}, {0.3, 0.1, 3, 0}, {-25, 12, -2, -1}};
  for (const Case& c : cases) {
    const UnitSplit split = SplitQuantity(c.quantity, c.rate);
    EXPECT_DOUBLE_EQ(c.whole, split.whole) << c.quantity << " at " << c.rate;
    EXPECT_NEAR(c.rest, split.rest, 1e-9) << c.quantity << " at " << c.rate;
  }
}

TEST(MoneyText, TwoDecimals) {
  EXPECT_STREQ(L"12.50", FormatMoneyAmount(L"12.5").GetData());
  EXPECT_STREQ(L"0.00", FormatMoneyAmount(L"abc").GetData());
  EXPECT_STREQ(L"0.00", FormatMoneyAmount(static_cast<const wchar_t*>(nullptr)).GetData());
  EXPECT_STREQ(L"-3.10", FormatMoneyAmount(-3.1).GetData());
}

// ---- numeric test and comparison ---------------------------------------------

TEST(IsNotNumber, Table) {
  struct Case {
    const wchar_t* text;
    bool notNumber;
  } cases[] = {{L"12", false},   {L"12.50", false}, {L".5", false}, {L"", false},   {L"-5", false}, {L"-50.00", false},
               {L"1.2.3", true}, {L"1e3", true},    {L" 7", true},  {L"7元", true}, {L"+5", true},  {L"-", true},
               {L"-.", true},    {L"5-", true},     {L"--5", true}, {L"abc", true}};
  for (const Case& c : cases) EXPECT_EQ(c.notNumber, IsNotNumber(static_cast<int>(wcslen(c.text)), c.text)) << c.text;
  EXPECT_FALSE(IsNotNumber(0, nullptr));
}

// A list in memory whose rows hold "item_line_num" and one cell per column.
class MemoryList {
 public:
  // A manager without a window gives the controls their parents, as in a window.
  MemoryList() : list_(new SkinUI::CListUI) { manager_.InitControls(list_.get(), nullptr); }
  SkinUI::CListUI* list() { return list_.get(); }
  SkinUI::CListHeaderItemUI* AddHeader(const wchar_t* caption) {
    auto* item = new SkinUI::CListHeaderItemUI;
    item->SetText(caption);
    list_->Add(item);
    return item;
  }
  SkinUI::CListContainerElementUI* AddRow(std::vector<std::pair<const wchar_t*, const wchar_t*>> cells,
                                          bool lineNumber = true) {
    auto* row = new SkinUI::CListContainerElementUI;
    if (lineNumber) AddCell(row, L"item_line_num", L"");
    for (const auto& cell : cells) AddCell(row, cell.first, cell.second);
    list_->Add(row);
    return row;
  }
  std::vector<std::wstring> Column(const wchar_t* cell) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list_->GetCount(); ++i) {
      auto* row = static_cast<SkinUI::CContainerUI*>(list_->GetItemAt(i)->GetInterface(L"Container"));
      SkinUI::CControlUI* control = row->FindSubControl(cell);
      texts.push_back(control != nullptr ? control->GetText().GetData() : L"<none>");
    }
    return texts;
  }

 private:
  static void AddCell(SkinUI::CListContainerElementUI* row, const wchar_t* name, const wchar_t* text) {
    auto* label = new SkinUI::CLabelUI;
    label->SetName(name);
    label->SetText(text);
    row->Add(label);
  }
  SkinUI::CPaintManagerUI manager_;
  std::unique_ptr<SkinUI::CListUI> list_;
};

TEST(CompareListRows, NumbersTextsDirectionsAndMissingCells) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int ascending;
  } cases[] = {
      {L"9.50", L"10.00", -1}, {L"10.00", L"9.50", 1}, {L"-50.00", L"-1.00", -1}, {L"-1.00", L"2", -1},
      {L"2.0", L"2", 0},       {L"abc", L"abd", -1},   {L"ab", L"abc", -1},       {L"10", L"9x", -1},
      {L"", L"", 0},           {L"Z", L"a", -1},       {L"香蕉", L"香蕉", 0},
  };
  for (const Case& c : cases) {
    MemoryList list;
    auto* a = list.AddRow({{L"item_x", c.a}});
    auto* b = list.AddRow({{L"item_x", c.b}});
    for (int ascending : {1, 0}) {
      SkinUI::TListSortRange key(L"item_x", ascending, 0);
      const int result = CompareListRows(reinterpret_cast<UINT_PTR>(a), reinterpret_cast<UINT_PTR>(b),
                                         reinterpret_cast<UINT_PTR>(&key));
      EXPECT_EQ(ascending ? c.ascending : -c.ascending, result) << c.a << " / " << c.b << " asc " << ascending;
    }
  }
  MemoryList list;
  auto* with = list.AddRow({{L"item_x", L"1"}});
  auto* without = list.AddRow({{L"item_y", L"2"}});
  SkinUI::TListSortRange key(L"item_x", 1, 0);
  EXPECT_EQ(0, CompareListRows(reinterpret_cast<UINT_PTR>(with), reinterpret_cast<UINT_PTR>(without),
                               reinterpret_cast<UINT_PTR>(&key)));
}

TEST(SortListByColumn, ClicksFlipTheSharedDirectionAndRenumber) {
  MemoryList first;
  first.AddHeader(L"行号");
  SkinUI::CListHeaderItemUI* amount = first.AddHeader(L"金额");
  SkinUI::CListHeaderItemUI* operation = first.AddHeader(L"操作");
  first.AddRow({{L"item_金额", L"10.00"}});
  first.AddRow({{L"item_金额", L"-50.00"}});
  first.AddRow({{L"item_金额", L"9.50"}})->SetVisible(false);
  first.AddRow({{L"item_金额", L"-1.00"}});
  MemoryList second;
  SkinUI::CListHeaderItemUI* name = second.AddHeader(L"名称");
  second.AddRow({{L"item_名称", L"b"}});
  second.AddRow({{L"item_名称", L"a"}});

  // Which way the shared flag points now depends on earlier tests: find out.
  ASSERT_TRUE(SortListByColumn(amount));
  const bool ascending = first.Column(L"item_金额").front() == L"-50.00";
  using Texts = std::vector<std::wstring>;
  const Texts up = {L"-50.00", L"-1.00", L"9.50", L"10.00"};
  const Texts down = {L"10.00", L"9.50", L"-1.00", L"-50.00"};
  EXPECT_EQ(ascending ? up : down, first.Column(L"item_金额"));
  // The hidden row keeps its (empty) number and is not counted.
  EXPECT_EQ(ascending ? (Texts{L"1", L"2", L"", L"3"}) : (Texts{L"1", L"", L"2", L"3"}),
            first.Column(L"item_line_num"));

  // "行号", "操作" and an unsortable list change nothing, not even the direction.
  EXPECT_FALSE(SortListByColumn(first.list()->GetHeader()->GetItemAt(0)));
  EXPECT_FALSE(SortListByColumn(operation));
  second.list()->SetSortable(false);
  EXPECT_FALSE(SortListByColumn(name));
  EXPECT_EQ((Texts{L"b", L"a"}), second.Column(L"item_名称"));
  second.list()->SetSortable(true);

  // Another list's sort in between flips the direction once more.
  ASSERT_TRUE(SortListByColumn(name));
  EXPECT_EQ(ascending ? (Texts{L"b", L"a"}) : (Texts{L"a", L"b"}), second.Column(L"item_名称"));
  ASSERT_TRUE(SortListByColumn(amount));
  EXPECT_EQ(ascending ? up : down, first.Column(L"item_金额"));
  ASSERT_TRUE(SortListByColumn(amount));
  EXPECT_EQ(ascending ? down : up, first.Column(L"item_金额"));
}

// The header click orders the rows exactly as the body's own sort with
// CompareListRows does, also where that comparison is no strict order (numbers
// beside texts, rows without the cell, equal keys): both directions, by a number
// column and by a text column.
TEST(SortListByColumn, OrdersRowsAsTheBodySortsWithCompareListRows) {
  const wchar_t* const texts[] = {L"10.00", L"-50.00", L"9.50", L"abc", L"",   L"-1.00", L"2", L"香蕉",
                                  L"Z",     L"1e3",    L"9.50", L".5",  L"ab", L"-",     L"10"};
  for (const wchar_t* column : {L"金额", L"名称"}) {
    MemoryList clicked;
    MemoryList sorted;
    SkinUI::CListHeaderItemUI* header = clicked.AddHeader(column);
    const std::wstring cell = std::wstring(L"item_") + column;
    for (int i = 0; i < 300; ++i) {
      const std::wstring id = std::to_wstring(i);
      const wchar_t* text = texts[(i * 7 + i / 5) % 15];
      for (MemoryList* list : {&clicked, &sorted}) {
        if (i % 23 == 0) {
          list->AddRow({{L"item_id", id.c_str()}});
        } else {
          list->AddRow({{L"item_id", id.c_str()}, {cell.c_str(), text}});
        }
      }
    }
    // A probe list's sort tells which way the shared flag points; the click after it
    // turns it round.
    MemoryList probe;
    SkinUI::CListHeaderItemUI* probeHeader = probe.AddHeader(L"p");
    probe.AddRow({{L"item_p", L"2"}});
    probe.AddRow({{L"item_p", L"1"}});
    for (int click = 0; click < 2; ++click) {
      ASSERT_TRUE(SortListByColumn(probeHeader));
      const bool ascending = probe.Column(L"item_p").front() != L"1";
      ASSERT_TRUE(SortListByColumn(header));
      SkinUI::TListSortRange key(cell.c_str(), ascending ? 1 : 0, 0);
      sorted.list()->SortItems(&CompareListRows, reinterpret_cast<UINT_PTR>(&key));
      EXPECT_EQ(sorted.Column(L"item_id"), clicked.Column(L"item_id")) << column << " click " << click;
    }
  }
}

TEST(RenumberLines, ListAndBillHistoryRules) {
  MemoryList list;
  list.AddRow({{L"item_商品名称", L"XSD2026010100001"}});
  list.AddRow({{L"item_商品名称", L"可乐"}});
  list.AddRow({{L"item_商品名称", L"JHD2026010100002"}})->SetVisible(false);
  list.AddRow({{L"item_其他", L"x"}});
  list.AddRow({{L"item_商品名称", L"JHD2026010100003"}});
  list.AddRow({{L"item_商品名称", L"XSD"}}, false);
  using Texts = std::vector<std::wstring>;
  RenumberListLines(list.list());
  EXPECT_EQ((Texts{L"1", L"2", L"", L"3", L"4", L"<none>"}), list.Column(L"item_line_num"));
  RenumberBillLines(list.list());
  EXPECT_EQ((Texts{L"1", L"", L"", L"2", L"3", L"<none>"}), list.Column(L"item_line_num"));
  RenumberListLines(nullptr);
  RenumberBillLines(nullptr);
}

// ---- form fillers -------------------------------------------------------------

std::vector<DataField> RowOf(std::initializer_list<const char*> values) {
  std::vector<DataField> row;
  for (const char* value : values) row.push_back(MakeDataField("c", value));
  return row;
}

TEST(FormFill, RecordFormsByPositionMissingControlsSkipped) {
  MemoryFields fields;
  fields.Add(L"hpkc_new_product");
  fields.SetVisible(L"hpkc_new_product", false);
  for (const wchar_t* name : {L"hpkc_new_pmgg", L"hpkc_new_jldw", L"hpkc_new_pfj", L"hpkc_new_bz"})
    fields.Add(name, MemoryFields::Kind::kEdit);
  std::vector<DataField> editing = {MakeDataField("old", "x")};
  const std::vector<DataField> product =
      RowOf({"可乐", "饮料", "瓶", "1.00", "3.00", "2.00", "2.50", "10", "0", "1", "99", "冰镇"});
  FillRecordForm(fields, RecordForm::kProduct, product, &editing);
  EXPECT_TRUE(fields.Visible(L"hpkc_new_product"));
  EXPECT_EQ(12u, editing.size());
  EXPECT_EQ(L"可乐", fields.Text(L"hpkc_new_pmgg"));
  EXPECT_EQ(L"瓶", fields.Text(L"hpkc_new_jldw"));
  EXPECT_EQ(L"2.50", fields.Text(L"hpkc_new_pfj"));  // position 6 wins over 5
  EXPECT_EQ(L"冰镇", fields.Text(L"hpkc_new_bz"));
  EXPECT_FALSE(fields.Exists(L"hpkc_new_hplb"));

  // Too few fields: the panel shows and the record is kept, no control is written.
  MemoryFields party;
  party.Add(L"layout_khyqk_new_custom");
  party.Add(L"khyqk_new_khmc", MemoryFields::Kind::kEdit);
  party.SetVisible(L"layout_khyqk_new_custom", false);
  FillRecordForm(party, RecordForm::kParty, RowOf({"张三", "客户", "李四"}), &editing);
  EXPECT_TRUE(party.Visible(L"layout_khyqk_new_custom"));
  EXPECT_EQ(3u, editing.size());
  EXPECT_EQ(L"", party.Text(L"khyqk_new_khmc"));

  MemoryFields price;
  for (const wchar_t* name : {L"gyshtj_new_custom", L"gyshtj_new_product", L"gyshtj_new_unit", L"gyshtj_new_gyshtj"})
    price.Add(name, MemoryFields::Kind::kEdit);
  FillRecordForm(price, RecordForm::kContractPrice, RowOf({"供应商甲", "可乐", "瓶", "1.80"}), nullptr);
  EXPECT_EQ(L"1.80", price.Text(L"gyshtj_new_gyshtj"));
  EXPECT_EQ(L"供应商甲", price.Text(L"gyshtj_new_custom"));
}

TEST(FormFill, PriceUnitFormByColumnName) {
  MemoryFields fields;
  for (const wchar_t* name : {L"dkhpfj_new_unit", L"dkhpfj_new_pfj", L"dkhpfj_new_lsj"}) {
    fields.Add(name, MemoryFields::Kind::kEdit);
    fields.SetText(name, L"old");
  }
  std::vector<DataField> row = {MakeDataField("单位", "瓶"), MakeDataField("批发价", "2.00"),
                                MakeDataField("批发价", "2.20")};
  FillPriceUnitForm(fields, false, row);
  EXPECT_EQ(L"瓶", fields.Text(L"dkhpfj_new_unit"));
  EXPECT_EQ(L"2.20", fields.Text(L"dkhpfj_new_pfj"));
  EXPECT_EQ(L"", fields.Text(L"dkhpfj_new_lsj"));
}

}  // namespace
}  // namespace pagekit
