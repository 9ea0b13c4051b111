// Finding, opening and shipping stored documents on the bill and order pages,
// without a window: fields in memory, the shop on the real Datavane.dll.
#include <gtest/gtest.h>

#include "bill_page.h"
#include "data_store.h"
#include "order_page.h"
#include "test_support/document_page_fixture.h"

namespace documents {
namespace {

using pagekit::PageSide;
using test::Line;

const wchar_t kBills[] = L"listxsd";
const wchar_t kOrders[] = L"listxsydd";

class DocumentOpenTest : public test::DocumentPageTest {
 protected:
  void SetUp() override {
    DocumentPageTest::SetUp();
    for (const wchar_t* date :
         {L"xsd_date_find_start", L"xsd_date_find_end", L"xsydd_date_find_start", L"xsydd_date_find_end"})
      host->fields.Add(date, pagekit::MemoryFields::Kind::kDate);
  }
  BillPage& OpenBillPage(PageSide side = PageSide::kSales) {
    BillPage& bill = MakePage<BillPage>();
    host->side = side;
    bill.Open(*host, side == PageSide::kSales ? L"销售单" : L"进货单");
    return bill;
  }
  // A bill stored through the bill store, under its own number.
  void Store(BillInput bill, const wchar_t* number) {
    bill.number = number;
    ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status) << number;
  }
  // The row of the history list showing that number, -1 when none does.
  int RowOf(const wchar_t* list, const std::wstring& number) {
    for (int row = 0; row < host->fields.RowCount(list); ++row)
      if (CellText(list, row, L"item_单据编号") == number) return row;
    return -1;
  }
  std::vector<std::wstring> Numbers(const wchar_t* list) {
    std::vector<std::wstring> numbers;
    for (int row = 0; row < host->fields.RowCount(list); ++row)
      numbers.push_back(CellText(list, row, L"item_单据编号"));
    return numbers;
  }
  // The history, then "修改" on the bill's row.
  void OpenFromHistory(const wchar_t* list, const wchar_t* toggle, const std::wstring& number) {
    ASSERT_TRUE(Click(toggle));
    const int row = RowOf(list, number);
    ASSERT_GE(row, 0) << number;
    ASSERT_TRUE(Click(L"item_mod", list, row));
  }
  int FilledRows(const wchar_t* list) {
    int filled = 0;
    for (int row = 0; row < host->fields.RowCount(list); ++row)
      if (!CellText(list, row, L"item_商品名称").empty()) ++filled;
    return filled;
  }
};

TEST_F(DocumentOpenTest, SearchingBillsByDatesTextAndType) {
  BillInput bill = test::SalesBill(L"张三", L"6.00", L"6.00", {Line(L"可乐", L"瓶", L"2", L"3", L"6")});
  Store(bill, L"XSD20141022001");
  bill.party = L"O'Neil";
  Store(bill, L"XSD20141022002");
  bill.party = L"李四";
  bill.remark = std::wstring(1000, L'货');
  Store(bill, L"XSD20141022003");
  bill.date = L"2014-11-02";
  bill.remark.clear();
  Store(bill, L"XSD20141102001");
  BillInput returned = test::SalesBill(L"张三", L"-3.00", L"-3.00", {Line(L"可乐", L"瓶", L"-1", L"3", L"-3")});
  Store(returned, L"XSD20141022004");
  BillInput purchase = test::SalesBill(L"大华公司", L"4.00", L"4.00", {Line(L"可乐", L"瓶", L"2", L"2", L"4")});
  purchase.side = PageSide::kPurchase;
  Store(purchase, L"JHD20141022001");

  OpenBillPage();
  ASSERT_TRUE(Click(L"xsd_view_his_list"));
  const std::wstring longText(1000, L'货');
  const struct {
    const wchar_t *start, *end, *text, *type;
    std::vector<std::wstring> numbers;
  } cases[] = {
      {L"2014-10-01",
       L"2014-10-31",
       L"",
       L"",
       {L"XSD20141022001", L"XSD20141022002", L"XSD20141022003", L"XSD20141022004"}},
      {L"2014-10-01", L"2014-11-30", L"李四", L"", {L"XSD20141022003", L"XSD20141102001"}},
      {L"2014-10-01", L"2014-10-31", L"O'Neil", L"", {L"XSD20141022002"}},
      {L"2014-10-01", L"2014-10-31", L"XSD20141022001", L"", {L"XSD20141022001"}},
      {L"2014-10-01", L"2014-10-31", longText.c_str(), L"", {L"XSD20141022003"}},
      {L"2014-10-01", L"2014-10-31", L"", L"销售退货", {L"XSD20141022004"}},
      {L"2014-10-01", L"2014-10-22", L"张三", L"销售出货", {L"XSD20141022001"}},
      {L"", L"", L"", L"销售退货", {L"XSD20141022004"}},
  };
  for (const auto& c : cases) {
    host->fields.SetText(L"xsd_date_find_start", c.start);
    host->fields.SetText(L"xsd_date_find_end", c.end);
    host->fields.SetText(L"xsd_edit_find", c.text);
    host->fields.SetText(L"xsd_type", c.type);
    EXPECT_TRUE(Click(L"xsd_btn_find"));
    EXPECT_EQ(c.numbers, Numbers(kBills)) << std::wstring(c.text).substr(0, 10) << " " << c.type;
  }
  // A choice in the type's drop list searches at once; 全部 left the field
  // empty.
  host->fields.SetText(L"xsd_date_find_start", L"");
  host->fields.SetText(L"xsd_edit_find", L"");
  host->fields.SetText(L"xsd_type", L"");
  pagekit::PickerResult choice;
  choice.owner = L"xsd_type_drop";
  EXPECT_TRUE(page->OnPickerResult(*host, choice));
  EXPECT_EQ(5, host->fields.RowCount(kBills));

  // The purchase side finds its own bills only.
  OpenBillPage(PageSide::kPurchase);
  ASSERT_TRUE(Click(L"xsd_view_his_list"));
  host->fields.SetText(L"xsd_date_find_end", L"2014-12-31");
  EXPECT_TRUE(Click(L"xsd_btn_find"));
  EXPECT_EQ(std::vector<std::wstring>{L"JHD20141022001"}, Numbers(kBills));
}

TEST_F(DocumentOpenTest, ABillOpensWithItsLinesAndAmountsAsStored) {
  BillInput bill = test::SalesBill(L"张三", L"9.50", L"5.00",
                                   {Line(L"可乐", L"瓶", L"2", L"3", L"6"), Line(L"雪碧", L"瓶", L"1", L"2.8", L"2.8"),
                                    Line(L"饼干", L"包", L"1", L"1.2", L"1.2")});
  bill.percent = L"95";
  bill.remark = L"月底结";
  bill.salesman = L"小王";
  bill.date = L"2014-10-20";
  Store(bill, L"XSD20141020001");
  BillPage& page = OpenBillPage();
  OpenFromHistory(kBills, L"xsd_view_his_list", L"XSD20141020001");

  EXPECT_EQ(L"单据查询(<u>H</u>)", Text(L"xsd_view_his_list"));
  EXPECT_TRUE(host->fields.Visible(L"layout_xsd_header"));
  ASSERT_EQ(50, host->fields.RowCount(kBills));
  EXPECT_EQ(3, FilledRows(kBills));
  const wchar_t* products[] = {L"可乐", L"雪碧", L"饼干"};
  for (int row = 0; row < 3; ++row) EXPECT_EQ(products[row], CellText(kBills, row, L"item_商品名称"));
  EXPECT_EQ(L"瓶", CellText(kBills, 1, L"item_单位"));
  EXPECT_EQ(L"饮料", CellText(kBills, 1, L"item_商品类别"));
  EXPECT_EQ(L"2.80", CellText(kBills, 1, L"item_单价"));
  EXPECT_EQ(L"1.00", CellText(kBills, 1, L"item_数量"));
  // The stored amounts, not recalculated from the lines (10.00 × 95 %).
  EXPECT_EQ(L"9.50", Text(L"xsd_money_need"));
  EXPECT_EQ(L"95", Text(L"xsd_percent"));
  EXPECT_EQ(L"5.00", Text(L"xsd_edit_money_actual"));
  EXPECT_EQ(L"张三", Text(L"xsd_custom"));
  EXPECT_EQ(L"月底结", Text(L"xsd_explain"));
  EXPECT_EQ(L"小王", Text(L"xsd_ywy"));
  EXPECT_EQ(L"XSD20141020001", Text(L"xsd_id"));
  EXPECT_EQ(L"2014-10-20", Text(L"xsd_date"));
  EXPECT_EQ(L"XSD20141020001", page.OpenedNumber());
  EXPECT_DOUBLE_EQ(4.5, page.OpenedOutstanding());
  EXPECT_DOUBLE_EQ(4.5, test::BalanceOf(data(), "张三"));

  // Saved again it replaces itself: one bill, the balance once.
  EXPECT_TRUE(Click(L"xsd_save"));
  EXPECT_EQ(1u, test::BillHeaderOf(data(), L"XSD20141020001").size());
  EXPECT_EQ(3u, test::LinesOf(data(), L"XSD20141020001").size());
  EXPECT_DOUBLE_EQ(4.5, test::BalanceOf(data(), "张三"));
  EXPECT_DOUBLE_EQ(98, test::StockOf(data(), "可乐"));
  EXPECT_EQ(L"", page.OpenedNumber());
}

TEST_F(DocumentOpenTest, ABillOfSixtyLinesShowsSixtyRows) {
  BillInput bill = test::SalesBill(L"", L"180.00", L"180.00", {});
  for (int i = 0; i < 60; ++i) bill.lines.push_back(Line(L"可乐", L"瓶", L"1", L"3", L"3"));
  Store(bill, L"XSD20141022001");
  OpenBillPage();
  OpenFromHistory(kBills, L"xsd_view_his_list", L"XSD20141022001");
  EXPECT_EQ(60, host->fields.RowCount(kBills));
  EXPECT_EQ(60, FilledRows(kBills));
}

TEST_F(DocumentOpenTest, ALineOfADeletedProductIsShownAndItsSaveRefused) {
  Store(test::SalesBill(L"张三", L"8.80", L"8.80",
                        {Line(L"可乐", L"瓶", L"2", L"3", L"6"), Line(L"雪碧", L"瓶", L"1", L"2.8", L"2.8")}),
        L"XSD20141022001");
  std::vector<DataField> product = {MakeDataField("商品名称", pagekit::LibraryText(L"雪碧"))};
  ASSERT_EQ(0, data().DeleteRecords("J4_Product_Data", &product));
  OpenBillPage();
  OpenFromHistory(kBills, L"xsd_view_his_list", L"XSD20141022001");
  EXPECT_EQ(L"雪碧", CellText(kBills, 1, L"item_商品名称"));
  EXPECT_EQ(L"", CellText(kBills, 1, L"item_单位"));
  EXPECT_EQ(L"", CellText(kBills, 1, L"item_商品类别"));
  EXPECT_EQ(L"1.00", CellText(kBills, 1, L"item_数量"));

  const std::vector<std::string> before = test::DumpTables(data());
  shown.clear();
  EXPECT_TRUE(Click(L"xsd_save"));
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(L"tip 1 item_商品名称 该商品不存在,无法保存！", shown.back());
  EXPECT_EQ(before, test::DumpTables(data()));
}

TEST_F(DocumentOpenTest, AnOrderOpensWithItsFields) {
  OrderInput order;
  order.party = L"张三";
  order.date = L"2014-10-21";
  order.number = L"XSYDD20141021001";
  order.deliveryDate = L"2014-10-30";
  order.due = L"27.00";
  order.percent = L"90";
  order.ordered = L"10";
  order.shipped = L"4";
  order.remark = L"加急";
  order.user = L"老板";
  order.lines = {{true, L"可乐", L"10", L"3", L"30", L"冰的"}};
  ASSERT_EQ(OrderSaveStatus::kSaved, SaveOrder(data(), order).status);
  OrderPage& page = MakePage<OrderPage>();
  page.Open(*host, L"销售订单");
  OpenFromHistory(kOrders, L"xsydd_view_his_list", L"XSYDD20141021001");

  const struct {
    const wchar_t *control, *text;
  } fields[] = {
      {L"xsydd_money_need", L"27.00"},
      {L"xsydd_percent", L"90.00"},
      {L"xsydd_custom", L"张三"},
      {L"xsydd_explain", L"加急"},
      {L"xsydd_id", L"XSYDD20141021001"},
      {L"xsydd_date", L"2014-10-21"},
      {L"xsydd_dead_date", L"2014-10-30"},
      {L"xsydd_dhsl", L"10.00"},
      {L"xsydd_yfsl", L"4.00"},
      {L"xsydd_view_his_list", L"单据查询(<u>H</u>)"},
  };
  for (const auto& f : fields) EXPECT_EQ(f.text, Text(f.control)) << f.control;
  EXPECT_EQ(50, host->fields.RowCount(kOrders));
  EXPECT_EQ(L"冰的", CellText(kOrders, 0, L"item_备注"));
  EXPECT_EQ(L"XSYDD20141021001", page.OpenedNumber());

  // Saved again it replaces itself only.
  EXPECT_TRUE(Click(L"xsydd_save"));
  EXPECT_EQ(1u, test::OrderHeaderOf(data(), L"XSYDD20141021001").size());
  EXPECT_EQ(1u, test::LinesOf(data(), L"XSYDD20141021001").size());
}

TEST_F(DocumentOpenTest, ShippingASixtyLineOrderCopiesEveryLineAndWritesNothing) {
  OrderPage& order = MakePage<OrderPage>();
  BillPage bill(std::make_unique<test::MemoryDocumentView>(host->fields, &shown), &test::TestNow);
  order.SetBillPage(&bill);
  host->side = PageSide::kPurchase;
  order.Open(*host, L"采购订单");
  // In the history view the button does nothing.
  ASSERT_TRUE(Click(L"xsydd_view_his_list"));
  EXPECT_TRUE(Click(L"xsydd_out"));
  EXPECT_FALSE(host->fields.Exists(pagekit::Cell(kBills, 0, L"item_商品名称")));
  ASSERT_TRUE(Click(L"xsydd_view_his_list"));

  std::vector<pagekit::Record> lines;
  for (int i = 0; i < 60; ++i)
    lines.push_back({MakeDataField("商品名称", pagekit::LibraryText(i % 2 ? L"可乐" : L"雪碧")),
                     MakeDataField("单位", pagekit::LibraryText(L"瓶")), MakeDataField("商品类别", ""),
                     MakeDataField("数量", std::to_string(i + 1)), MakeDataField("单价", "2.00"),
                     MakeDataField("金额", std::to_string(2 * (i + 1)) + ".00"), MakeDataField("备注", "")});
  view->ShowLines(*host, kOrders, lines, 50);
  host->fields.SetText(L"xsydd_money_need", L"3294.00");
  host->fields.SetText(L"xsydd_percent", L"90");
  host->fields.SetText(L"xsydd_custom", L"大华公司");
  host->fields.SetText(L"xsydd_explain", L"月底");
  const std::vector<std::string> before = test::DumpTables(data());

  host->calls.clear();
  EXPECT_TRUE(Click(L"xsydd_out"));
  EXPECT_EQ(L"tab 进货单 mid_xsd", host->calls.front());
  EXPECT_EQ(L"进货单", Text(L"xsd_caption"));
  EXPECT_EQ(L"JHD20141022001", Text(L"xsd_id"));
  EXPECT_EQ(L"3294.00", Text(L"xsd_money_need"));
  EXPECT_EQ(L"3294.00", Text(L"xsd_edit_money_actual"));
  EXPECT_EQ(L"90", Text(L"xsd_percent"));
  EXPECT_EQ(L"大华公司", Text(L"xsd_custom"));
  EXPECT_EQ(L"月底", Text(L"xsd_explain"));
  ASSERT_EQ(60, host->fields.RowCount(kBills));
  for (int row = 0; row < 60; ++row) {
    for (const wchar_t* cell : {L"item_商品名称", L"item_单位", L"item_数量", L"item_单价", L"item_金额"})
      EXPECT_EQ(CellText(kOrders, row, cell), CellText(kBills, row, cell)) << row << " " << cell;
  }
  EXPECT_EQ(before, test::DumpTables(data()));
}

}  // namespace
}  // namespace documents
