// The bill page without a window: fields in memory that echo the page's writes as
// the window does, the shop on the real Datavane.dll.
#include "bill_page.h"

#include <gtest/gtest.h>

#include "data_store.h"
#include "test_support/document_page_fixture.h"

namespace documents {
namespace {

using pagekit::PageSide;
using test::BalanceOf;
using test::StockOf;

const wchar_t kList[] = L"listxsd";

class BillPageTest : public test::DocumentPageTest {
 protected:
  BillPage& Open(PageSide side) {
    BillPage& bill = MakePage<BillPage>();
    host->side = side;
    bill.Open(*host, side == PageSide::kSales ? L"销售单" : L"进货单");
    return bill;
  }
  // A product picked for a line from the picker under it.
  void Pick(int row, std::vector<std::wstring> names) {
    ASSERT_TRUE(Click(L"item_reserve", kList, row));
    pagekit::PickerResult result;
    result.kind = names.size() == 1 ? pagekit::PickerKind::kProduct : pagekit::PickerKind::kProductRows;
    result.owner = L"item_reserve";
    if (names.size() == 1) {
      result.text = names.front();
    } else {
      result.names = names;
    }
    ASSERT_TRUE(page->OnPickerResult(*host, result));
  }
  std::wstring Cell(int row, const wchar_t* cell) { return CellText(kList, row, cell); }
  void StoreBill(const char* number) {
    std::vector<DataField> record = {MakeDataField("单据日期", "2014-10-22"), MakeDataField("单据编号", number),
                                     MakeDataField("类型", "销售单"), MakeDataField("客户名称", "张三")};
    ASSERT_EQ(0, data().InsertRecord("J4_Account_Data", &record));
  }
};

TEST_F(BillPageTest, OpensANewBillOfItsSide) {
  StoreBill("XSD20141022007");
  const struct {
    PageSide side;
    const wchar_t *tab, *caption, *number, *party, *paidLabel, *dueLabel, *delivery, *hint;
  } cases[] = {
      {PageSide::kSales, L"tab 销售单 mid_xsd", L"销售单", L"XSD20141022008", L"客户:", L"本次收款", L"折后应收金额",
       L"出货", L"输入或选择客户"},
      {PageSide::kPurchase, L"tab 进货单 mid_xsd", L"进货单", L"JHD20141022001", L"供应商:", L"本次付款",
       L"折后应付金额", L"进货", L"输入或选择供应商"},
  };
  for (const auto& c : cases) {
    host->calls.clear();
    host->fields.SetText(L"xsd_custom", L"left over");
    Open(c.side);
    ASSERT_FALSE(host->calls.empty());
    EXPECT_EQ(c.tab, host->calls.front());
    EXPECT_EQ(c.caption, Text(L"xsd_caption"));
    EXPECT_EQ(c.side == PageSide::kSales ? L"销售汇总表" : L"进货汇总表(商品)", Text(L"xsd_btn_report_xstj"));
    // The local date of the page, and that day's next number.
    EXPECT_EQ(L"2014-10-22", Text(L"xsd_date"));
    EXPECT_EQ(c.number, Text(L"xsd_id"));
    EXPECT_EQ(c.party, Text(L"xsd_label_custom"));
    EXPECT_EQ(c.paidLabel, Text(L"xsd_money_actual"));
    EXPECT_EQ(c.dueLabel, Text(L"xsd_label_money"));
    EXPECT_EQ(c.delivery, Text(L"xsd_chk_ch"));
    EXPECT_TRUE(host->fields.Selected(L"xsd_chk_ch"));
    EXPECT_EQ(c.hint, host->fields.Hint(L"xsd_custom"));
    EXPECT_EQ(L"单据查询(<u>H</u>)", Text(L"xsd_view_his_list"));
    EXPECT_EQ(50, host->fields.RowCount(kList));
    EXPECT_EQ(L"", Text(L"xsd_custom"));
    EXPECT_EQ(L"100", Text(L"xsd_percent"));
    EXPECT_TRUE(host->fields.Visible(L"layout_xsd_header"));
    EXPECT_FALSE(host->fields.Visible(L"layout_xsd_show_list"));
  }
}

TEST_F(BillPageTest, LinesAndTotalsFollowEveryKeystroke) {
  Open(PageSide::kSales);
  Pick(0, {L"雪碧"});
  EXPECT_EQ(L"瓶", Cell(0, L"item_单位"));
  EXPECT_EQ(L"饮料", Cell(0, L"item_商品类别"));
  EXPECT_EQ(L"1.00", Cell(0, L"item_数量"));
  EXPECT_EQ(L"2.80", Cell(0, L"item_单价"));
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(L"focus 0 item_数量", shown.back());

  Type(kList, 0, L"item_单价", L"2.5");
  Type(kList, 0, L"item_数量", L"3");
  EXPECT_EQ(L"7.50", Cell(0, L"item_金额"));
  // The amount typed stays as typed: the page's own writes raise no recalculation.
  Type(kList, 0, L"item_金额", L"10");
  EXPECT_EQ(L"10", Cell(0, L"item_金额"));
  EXPECT_EQ(L"3.33", Cell(0, L"item_单价"));
  EXPECT_EQ(L"#FF000000", host->fields.Attribute(pagekit::Cell(kList, 0, L"item_单价"), L"textcolor"));
  // The total is the amount the line shows, not 3 × 3.33.
  EXPECT_EQ(L"10.00", Text(L"xsd_money_need"));
  EXPECT_EQ(L"10.00", Text(L"xsd_edit_money_actual"));

  Pick(1, {L"饼干"});  // 8.00; its unit row has no name: no business unit
  EXPECT_FALSE(host->fields.Visible(pagekit::Cell(kList, 1, L"item_数量2")));
  EXPECT_EQ(L"18.00", Text(L"xsd_money_need"));
  Type(L"xsd_percent", L"80");
  EXPECT_EQ(L"14.40", Text(L"xsd_money_need"));  // 18.00 × 80 %
  EXPECT_EQ(L"14.40", Text(L"xsd_edit_money_actual"));
  Type(L"xsd_money_need", L"9");
  EXPECT_EQ(L"50.00", Text(L"xsd_percent"));
  EXPECT_EQ(L"9", Text(L"xsd_edit_money_actual"));

  // Clearing the product name empties the line.
  Type(kList, 1, L"item_商品名称", L"");
  for (const wchar_t* cell : {L"item_数量", L"item_单价", L"item_金额", L"item_单位", L"item_商品类别"})
    EXPECT_EQ(L"", Cell(1, cell)) << cell;
}

TEST_F(BillPageTest, ReturnsAndBusinessUnits) {
  Open(PageSide::kSales);
  host->fields.SetSelected(L"xsd_chk_th", true);
  Pick(0, {L"可乐"});
  EXPECT_EQ(L"-1.00", Cell(0, L"item_数量"));
  EXPECT_EQ(L"-3.00", Cell(0, L"item_金额"));
  // A box of 12 shows beside the bottles.
  EXPECT_TRUE(host->fields.Visible(pagekit::Cell(kList, 0, L"item_数量2")));
  EXPECT_EQ(L"箱", Cell(0, L"item_单位2"));
  Type(kList, 0, L"item_数量", L"5");
  EXPECT_EQ(L"-5", Cell(0, L"item_数量"));
  EXPECT_EQ(L"-15.00", Cell(0, L"item_金额"));
  Type(kList, 0, L"item_数量", L"-2");  // negative already: as typed
  EXPECT_EQ(L"-2", Cell(0, L"item_数量"));

  host->fields.SetSelected(L"xsd_chk_th", false);
  Type(kList, 0, L"item_数量", L"15");
  Type(kList, 0, L"item_数量2", L"1");
  EXPECT_EQ(L"81.00", Cell(0, L"item_金额"));  // 27 bottles at 3.00
  Type(kList, 0, L"item_单价", L"2");
  EXPECT_EQ(L"3.00", Cell(0, L"item_数量"));  // normalised: 2 boxes and 3 bottles
  EXPECT_EQ(L"2.00", Cell(0, L"item_数量2"));
  EXPECT_EQ(L"54.00", Cell(0, L"item_金额"));

  // Another product for the line starts its second quantity again.
  Pick(0, {L"雪碧"});
  EXPECT_EQ(L"", Cell(0, L"item_数量2"));
  EXPECT_FALSE(host->fields.Visible(pagekit::Cell(kList, 0, L"item_数量2")));
  EXPECT_EQ(L"2.80", Cell(0, L"item_金额"));

  // No base quantity: an amount keeps the price.
  Type(kList, 0, L"item_数量", L"0");
  Type(kList, 0, L"item_金额", L"10");
  EXPECT_EQ(L"2.80", Cell(0, L"item_单价"));
}

TEST_F(BillPageTest, PricesByPartyAndSide) {
  const struct {
    PageSide side;
    const wchar_t* party;
    const wchar_t* price;
  } cases[] = {
      {PageSide::kSales, L"", L"3.00"},         {PageSide::kSales, L"张三", L"2.70"},
      {PageSide::kSales, L"批发客户", L"2.50"}, {PageSide::kSales, L"零售客户", L"3.00"},
      {PageSide::kSales, L"李四", L"3.00"},     {PageSide::kPurchase, L"大华公司", L"1.90"},
      {PageSide::kPurchase, L"", L"2.00"},
  };
  for (const auto& c : cases) {
    Open(c.side);
    host->fields.SetText(L"xsd_custom", c.party);
    Pick(4, {L"可乐"});
    EXPECT_EQ(c.price, Cell(4, L"item_单价")) << c.party;
  }
}

TEST_F(BillPageTest, ProductsPickedTogetherFillLinesFromThePickersLine) {
  Open(PageSide::kSales);
  Pick(2, {L"可乐", L"雪碧", L"饼干", L"可乐", L"雪碧"});
  const wchar_t* names[] = {L"", L"", L"可乐", L"雪碧", L"饼干", L"可乐", L"雪碧", L""};
  for (int row = 0; row < 8; ++row) EXPECT_EQ(names[row], Cell(row, L"item_商品名称")) << row;
  // Below the line, 251 pixels wider; near the bottom of the window, above it.
  EXPECT_EQ(L"picker 99,240,1150,540 several", host->calls.back());
  Pick(48, {L"可乐", L"雪碧", L"饼干"});
  EXPECT_EQ(L"picker 99,1320,1150,1620 several", host->calls.back());
  EXPECT_EQ(L"雪碧", Cell(49, L"item_商品名称"));  // the last line; the third name has none
}

TEST_F(BillPageTest, ImportedLinesFillTheGridAndItsTotals) {
  BillPage& bill = Open(PageSide::kSales);
  bill.ShowImportedLines(*host, {{L"可乐", L"瓶", L"饮料", L"2.00", L"3.00", L"6.00"},
                                 {L"新货", L"", L"零售", L"1.00", L"4.50", L"4.50"},
                                 {L"饼干", L"包", L"饮料", L"3.00", L"0.00", L"0.00"}});
  EXPECT_EQ(50, host->fields.RowCount(kList));
  const wchar_t* names[] = {L"可乐", L"新货", L"饼干", L""};
  for (int row = 0; row < 4; ++row) EXPECT_EQ(names[row], Cell(row, L"item_商品名称")) << row;
  EXPECT_EQ(L"6.00", Cell(0, L"item_金额"));
  EXPECT_EQ(L"零售", Cell(1, L"item_商品类别"));
  EXPECT_EQ(L"10.50", Text(L"xsd_money_need"));
  // More lines than the grid's 50 stay, without empty ones after them.
  bill.ShowImportedLines(*host,
                         std::vector<output::ImportedLine>(60, {L"雪碧", L"瓶", L"饮料", L"1.00", L"2.00", L"2.00"}));
  EXPECT_EQ(60, host->fields.RowCount(kList));
  EXPECT_EQ(L"120.00", Text(L"xsd_money_need"));
}

TEST_F(BillPageTest, SavesAndStartsTheNextBill) {
  Open(PageSide::kSales);
  host->fields.SetText(L"xsd_custom", L"张三");
  host->fields.SetText(L"xsd_ywy", L"小王");
  Pick(0, {L"可乐"});
  Type(kList, 0, L"item_数量", L"4");
  Type(L"xsd_edit_money_actual", L"2");
  host->fields.SetText(L"xsd_edit_money_actual", L"2.00");
  ASSERT_EQ(L"10.80", Text(L"xsd_money_need"));  // 4 at 张三's 2.70
  EXPECT_TRUE(Click(L"xsd_save"));
  EXPECT_DOUBLE_EQ(96, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(8.8, BalanceOf(data(), "张三"));
  EXPECT_EQ(L"XSD20141022002", Text(L"xsd_id"));
  EXPECT_EQ(L"", Cell(0, L"item_商品名称"));
  EXPECT_EQ(L"", Text(L"xsd_custom"));
}

TEST_F(BillPageTest, AStoppedSaveKeepsTheEntryAndSaysWhy) {
  Open(PageSide::kSales);
  Pick(0, {L"可乐"});
  Type(L"xsd_edit_money_actual", L"1");
  host->fields.SetText(L"xsd_edit_money_actual", L"1.00");
  const std::vector<std::string> before = test::DumpTables(data());
  shown.clear();
  EXPECT_TRUE(Click(L"xsd_save"));
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(L"tip xsd_custom '本次收款' 与 '应收金额' 不一致，必须输入客户名称！", shown.back());

  host->fields.SetText(L"xsd_custom", L"王五");
  Click(L"xsd_save");
  EXPECT_EQ(L"tip xsd_custom 该客户不在客户资料中,无法记录欠款！", shown.back());

  host->fields.SetText(L"xsd_custom", L"张三");
  host->fields.SetText(pagekit::Cell(kList, 3, L"item_商品名称"), L"芬达");
  Click(L"xsd_save");
  EXPECT_EQ(L"tip 3 item_商品名称 该商品不存在,无法保存！", shown.back());
  EXPECT_EQ(before, test::DumpTables(data()));
  EXPECT_EQ(L"可乐", Cell(0, L"item_商品名称"));
  EXPECT_EQ(L"XSD20141022001", Text(L"xsd_id"));
}

TEST_F(BillPageTest, TheHistoryListsEveryBillOfTheSideByNumber) {
  for (const char* number : {"XSD201410221000", "XSD20141022999", "XSD20141021005"}) StoreBill(number);
  std::vector<DataField> purchase = {MakeDataField("单据日期", "2014-10-22"),
                                     MakeDataField("单据编号", "JHD20141022001"), MakeDataField("类型", "进货单")};
  ASSERT_EQ(0, data().InsertRecord("J4_Account_Data", &purchase));
  BillPage& bill = Open(PageSide::kSales);
  EXPECT_TRUE(Click(L"xsd_view_his_list"));
  EXPECT_EQ(L"销售单列表", Text(L"xsd_caption"));
  EXPECT_EQ(L"新增(<u>A</u>)", Text(L"xsd_view_his_list"));
  EXPECT_EQ(L"销售汇总表", Text(L"xsd_btn_report_xstj"));
  EXPECT_EQ(L"输入单据号、客户名、业务员、备注", host->fields.Hint(L"xsd_edit_find"));
  EXPECT_FALSE(host->fields.Visible(L"layout_xsd_header"));
  EXPECT_TRUE(host->fields.Visible(L"layout_xsd_show_list"));
  ASSERT_EQ(3, host->fields.RowCount(kList));
  EXPECT_EQ(L"XSD20141021005", Cell(0, L"item_单据编号"));
  EXPECT_EQ(L"XSD20141022999", Cell(1, L"item_单据编号"));
  EXPECT_EQ(L"XSD201410221000", Cell(2, L"item_单据编号"));
  EXPECT_EQ(L"张三", Cell(2, L"item_客户名称"));

  // A delete the user declines keeps the row; agreed, the bill and its row go.
  view->agreeToDelete = false;
  EXPECT_TRUE(Click(L"item_del", kList, 1));
  EXPECT_EQ(3, host->fields.RowCount(kList));
  view->agreeToDelete = true;
  EXPECT_TRUE(Click(L"item_del", kList, 1));
  ASSERT_EQ(2, host->fields.RowCount(kList));
  EXPECT_EQ(L"XSD201410221000", Cell(1, L"item_单据编号"));
  EXPECT_EQ(L"2", Cell(1, L"item_line_num"));
  EXPECT_TRUE(test::BillHeaderOf(data(), L"XSD20141022999").empty());

  // Back: a new bill, the opened one forgotten.
  bill.SetOpenedNumber(L"XSD20141021005");
  EXPECT_TRUE(Click(L"xsd_view_his_list"));
  EXPECT_EQ(L"销售单", Text(L"xsd_caption"));
  EXPECT_EQ(50, host->fields.RowCount(kList));
  EXPECT_EQ(L"", bill.OpenedNumber());
  EXPECT_EQ(L"XSD201410221001", Text(L"xsd_id"));
}

TEST_F(BillPageTest, CancelAndTheBillDate) {
  BillPage& bill = Open(PageSide::kSales);
  Pick(0, {L"可乐"});
  EXPECT_TRUE(Click(L"xsd_cancel"));
  EXPECT_EQ(L"", Cell(0, L"item_商品名称"));
  EXPECT_EQ(L"XSD20141022001", Text(L"xsd_id"));  // a new bill keeps its number

  // An opened bill's cancel gives a bill of its own.
  StoreBill("XSD20141022001");
  host->fields.SetText(L"xsd_id", L"XSD20141022001");
  bill.SetOpenedNumber(L"XSD20141022001");
  EXPECT_TRUE(Click(L"xsd_cancel"));
  EXPECT_EQ(L"XSD20141022002", Text(L"xsd_id"));
  EXPECT_EQ(L"", bill.OpenedNumber());

  // Another date renumbers the bill with that day's next number, and back again.
  host->fields.SetText(L"xsd_date", L"2014-10-25");
  pagekit::PageEvent date;
  date.kind = pagekit::EventKind::kUpdateText;
  date.sender = L"xsd_date";
  EXPECT_TRUE(page->OnEvent(*host, date));
  EXPECT_EQ(L"XSD20141025001", Text(L"xsd_id"));
  host->fields.SetText(L"xsd_date", L"2014-10-22");
  page->OnEvent(*host, date);
  EXPECT_EQ(L"XSD20141022002", Text(L"xsd_id"));
}

TEST_F(BillPageTest, LeavesOtherControlsToOtherPages) {
  Open(PageSide::kSales);
  EXPECT_FALSE(Click(L"xsydd_save"));
  EXPECT_FALSE(Click(L"item_del", L"listhpkc", 0));
  pagekit::PageEvent event;
  event.kind = pagekit::EventKind::kTextChanged;
  event.sender = L"item_数量";
  event.list = L"listxsydd";
  event.row = 0;
  EXPECT_FALSE(page->OnEvent(*host, event));
  event.sender = L"hpkc_new_dqkc";
  event.list.clear();
  event.row = -1;
  EXPECT_FALSE(page->OnEvent(*host, event));
}

}  // namespace
}  // namespace documents
