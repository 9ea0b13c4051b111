// The payment page, receipts and payments from the party list and the cash
// book, without a window: fields in memory, the dialog answered from a table,
// the shop on the real Datavane.dll.
#include <gtest/gtest.h>

#include "cash_book_page.h"
#include "data_store.h"
#include "payment_page.h"
#include "record_fields.h"
#include "test_support/document_page_fixture.h"
#include "test_support/memory_money_view.h"

namespace documents {
namespace {

using Kind = pagekit::MemoryFields::Kind;
using test::BalanceOf;

class MoneyPagesTest : public test::DocumentPageTest {
 protected:
  void SetUp() override {
    DocumentPageTest::SetUp();
    pagekit::MemoryFields& fields = host->fields;
    for (const wchar_t* edit : {L"fkd_edit_gys", L"fkd_new_money", L"fkd_new_zy", L"fkd_new_ywy", L"fkd_new_lxr",
                                L"fkd_new_lxdh", L"fkd_new_dz", L"fkd_new_all_money", L"zjls_edit_project",
                                L"zjls_edit_money", L"zjls_edit_custom", L"zjls_remark"})
      fields.Add(edit, Kind::kEdit);
    for (const wchar_t* date :
         {L"fkd_date", L"fkd_date_start", L"fkd_date_end", L"zjls_date", L"zjls_date_start", L"zjls_date_end"})
      fields.Add(date, Kind::kDate);
    for (const wchar_t* plain : {L"layout_zjls_new", L"zjls_label_project", L"zjls_label_money"}) fields.Add(plain);
    fields.SetVisible(L"layout_zjls_new", false);
    for (const wchar_t* list : {L"listfkd", L"listzjls", L"listkhyqk"}) fields.AddList(list);
    money = new test::MemoryMoneyView(host->fields, &shown);
    payments = std::make_unique<PaymentPage>(std::unique_ptr<MoneyView>(money), &test::TestNow, &test::TestNow);
  }
  bool On(pagekit::Page& target, const wchar_t* sender, const std::wstring& list = L"", int row = -1,
          pagekit::EventKind kind = pagekit::EventKind::kClick) {
    pagekit::PageEvent event;
    event.kind = kind;
    event.sender = sender;
    event.list = list;
    event.row = row;
    return target.OnEvent(*host, event);
  }
  // A row of the party list as the party page shows it.
  int PartyRow(const wchar_t* nameCell, const wchar_t* name, const wchar_t* balanceCell, const wchar_t* balance) {
    const int row = host->fields.AddRow(L"listkhyqk", {{nameCell}, {balanceCell}, {L"item_reserve"}});
    host->fields.SetText(pagekit::Cell(L"listkhyqk", row, nameCell), name);
    host->fields.SetText(pagekit::Cell(L"listkhyqk", row, balanceCell), balance);
    return row;
  }
  std::vector<std::wstring> Column(const wchar_t* list, const wchar_t* cell) {
    std::vector<std::wstring> texts;
    for (int row = 0; row < host->fields.RowCount(list); ++row) texts.push_back(CellText(list, row, cell));
    return texts;
  }
  size_t Records() {
    Rows rows;
    EXPECT_TRUE(Query(data(), "J4_Account_Data", {pagekit::Column("单据编号")}, &rows));
    return rows.size();
  }

  test::MemoryMoneyView* money = nullptr;
  std::unique_ptr<PaymentPage> payments;
};

TEST_F(MoneyPagesTest, AReceiptFromThePartyListTakesTheChosenPartysStoredBalance) {
  const int row = PartyRow(L"item_客户名称", L"李四", L"item_应收款", L"999.00");
  // Cancelled: nothing written.
  const std::vector<std::string> before = test::DumpTables(data());
  EXPECT_TRUE(On(*payments, L"item_reserve", L"listkhyqk", row));
  EXPECT_EQ(L"ask receipt 李四", shown.back());
  EXPECT_EQ(before, test::DumpTables(data()));

  // Another party chosen in the dialog: its stored balance, not the row's, goes
  // down.
  money->answers.push_back({kMoneyDialogSaved, L"张三", L"2014-10-22", L"30.00", L"定金"});
  EXPECT_TRUE(On(*payments, L"item_reserve", L"listkhyqk", row));
  EXPECT_DOUBLE_EQ(-30, BalanceOf(data(), "张三"));
  EXPECT_DOUBLE_EQ(10, BalanceOf(data(), "李四"));
  EXPECT_EQ(L"page 客户", host->calls.back());

  // An amount of 0.00 or an empty party writes nothing and says why.
  money->answers.push_back({kMoneyDialogSaved, L"张三", L"2014-10-22", L"0.00", L""});
  money->answers.push_back({kMoneyDialogSaved, L"", L"2014-10-22", L"5.00", L""});
  const std::vector<std::string> after = test::DumpTables(data());
  On(*payments, L"item_reserve", L"listkhyqk", row);
  EXPECT_EQ(L"message 请输入非零的金额！", shown.back());
  On(*payments, L"item_reserve", L"listkhyqk", row);
  EXPECT_EQ(L"message 请输入客户名称！", shown.back());
  EXPECT_EQ(after, test::DumpTables(data()));
}

TEST_F(MoneyPagesTest, APaymentFromThePartyListOrItsDetail) {
  const int row = PartyRow(L"item_供应商名称", L"大华公司", L"item_应付款", L"0.00");
  money->answers.push_back({kMoneyDialogSaved, L"大华公司", L"2014-10-22", L"50.00", L""});
  EXPECT_TRUE(On(*payments, L"item_reserve", L"listkhyqk", row));
  EXPECT_EQ(L"ask payment 大华公司 detail", shown.back());
  EXPECT_DOUBLE_EQ(-50, BalanceOf(data(), "大华公司"));
  EXPECT_EQ(L"page 供应商", host->calls.back());

  // "详细...": the payment page of the supplier in the dialog, nothing written.
  const std::vector<std::string> before = test::DumpTables(data());
  money->answers.push_back({kMoneyDialogDetail, L"大华公司", L"2014-10-22", L"70.00", L""});
  EXPECT_TRUE(On(*payments, L"item_reserve", L"listkhyqk", row));
  EXPECT_EQ(before, test::DumpTables(data()));
  EXPECT_EQ(L"tab 付款单 mid_fkd", host->calls.back());
  EXPECT_EQ(L"大华公司", Text(L"fkd_edit_gys"));
  EXPECT_EQ(L"-50.00", Text(L"fkd_new_all_money"));
  EXPECT_EQ(std::vector<std::wstring>{L"FKD20141022001"}, Column(L"listfkd", L"item_单据编号"));
}

TEST_F(MoneyPagesTest, ThePaymentPage) {
  std::vector<DataField> contact = {MakeDataField("联系人", pagekit::LibraryText(L"王经理")),
                                    MakeDataField("联系电话", "12345")};
  std::vector<DataField> key = {MakeDataField("客户名称", pagekit::LibraryText(L"大华公司"))};
  ASSERT_EQ(0, data().UpdateRecord("J4_Customer_Data", &contact, &key));
  // Opened from the router: nobody's data, an empty list.
  payments->Open(*host, L"付款单");
  EXPECT_EQ(L"tab 付款单 mid_fkd", host->calls.back());
  EXPECT_EQ(L"", Text(L"fkd_new_lxr"));
  EXPECT_EQ(L"", Text(L"fkd_new_all_money"));
  EXPECT_EQ(0, host->fields.RowCount(L"listfkd"));
  const std::vector<std::string> header = {"单号", "日期", "供应商名称", "本次付款", "说明", "业务员"};
  std::vector<std::string> libraryHeader;
  for (const std::string& name : header) libraryHeader.push_back(name);
  EXPECT_EQ(libraryHeader, money->header);

  payments->ShowPaymentPage(*host, L"大华公司");
  EXPECT_EQ(L"王经理", Text(L"fkd_new_lxr"));
  EXPECT_EQ(L"12345", Text(L"fkd_new_lxdh"));
  EXPECT_EQ(L"0.00", Text(L"fkd_new_all_money"));

  // Amounts refused at the amount field, nothing written.
  const std::vector<std::string> before = test::DumpTables(data());
  for (const wchar_t* amount : {L"", L"0", L"abc"}) {
    host->fields.SetText(L"fkd_new_money", amount);
    EXPECT_TRUE(On(*payments, L"fkd_new_save"));
    EXPECT_EQ(L"tip fkd_new_money 请输入非零的金额！", shown.back()) << amount;
  }
  host->fields.SetText(L"fkd_edit_gys", L"");
  host->fields.SetText(L"fkd_new_money", L"5");
  On(*payments, L"fkd_new_save");
  EXPECT_EQ(L"tip fkd_edit_gys 请输入供应商名称！", shown.back());
  EXPECT_EQ(before, test::DumpTables(data()));

  // Saved: the balance, the history with it, the form empty and dated today.
  host->fields.SetText(L"fkd_edit_gys", L"大华公司");
  host->fields.SetText(L"fkd_new_money", L"12.5");
  host->fields.SetText(L"fkd_date", L"2014-10-20");
  host->fields.SetText(L"fkd_new_ywy", L"小王");
  EXPECT_TRUE(On(*payments, L"fkd_new_save"));
  EXPECT_DOUBLE_EQ(-12.5, BalanceOf(data(), "大华公司"));
  EXPECT_EQ(std::vector<std::wstring>{L"12.50"}, Column(L"listfkd", L"item_收款金额"));
  EXPECT_EQ(std::vector<std::wstring>{L"小王"}, Column(L"listfkd", L"item_业务员"));
  EXPECT_EQ(L"", Text(L"fkd_edit_gys"));
  EXPECT_EQ(L"", Text(L"fkd_new_money"));
  EXPECT_EQ(L"2014-10-22", Text(L"fkd_date"));
}

TEST_F(MoneyPagesTest, ThePaymentHistoryBetweenDates) {
  for (const wchar_t* date : {L"2014-10-01", L"2014-10-10", L"2014-10-20"}) {
    host->fields.SetText(L"fkd_edit_gys", L"大华公司");
    host->fields.SetText(L"fkd_new_money", L"1");
    host->fields.SetText(L"fkd_date", date);
    ASSERT_TRUE(On(*payments, L"fkd_new_save"));
  }
  // Another supplier's payment never shows.
  host->fields.SetText(L"fkd_edit_gys", L"零散供应商");
  host->fields.SetText(L"fkd_new_money", L"1");
  ASSERT_TRUE(On(*payments, L"fkd_new_save"));
  const struct {
    const wchar_t *start, *end;
    std::vector<std::wstring> dates;
  } cases[] = {
      {L"", L"", {L"2014-10-01", L"2014-10-10", L"2014-10-20"}},
      {L"2014-10-05", L"", {L"2014-10-10", L"2014-10-20"}},
      {L"", L"2014-10-10", {L"2014-10-01", L"2014-10-10"}},
      {L"2014-10-05", L"2014-10-15", {L"2014-10-10"}},
  };
  for (const auto& c : cases) {
    host->fields.SetText(L"fkd_edit_gys", L"大华公司");
    host->fields.SetText(L"fkd_date_start", c.start);
    host->fields.SetText(L"fkd_date_end", c.end);
    EXPECT_TRUE(On(*payments, L"fkd_btn_find"));
    EXPECT_EQ(c.dates, Column(L"listfkd", L"item_单据日期")) << c.start << " " << c.end;
  }
}

class CashBookPageTest : public MoneyPagesTest {
 protected:
  void SetUp() override {
    MoneyPagesTest::SetUp();
    cashMoney = new test::MemoryMoneyView(host->fields, &shown);
    book = std::make_unique<CashBookPage>(std::unique_ptr<MoneyView>(cashMoney), &test::TestNow, &test::TestNow);
    bill = &MakePage<BillPage>();
    book->SetBillPage(bill);
  }
  // The list's row of that number.
  int RowOf(const std::wstring& number) {
    for (int row = 0; row < host->fields.RowCount(L"listzjls"); ++row)
      if (CellText(L"listzjls", row, L"item_业务编号") == number) return row;
    return -1;
  }
  void Income(const wchar_t* item, const wchar_t* amount) {
    if (!host->fields.Visible(L"layout_zjls_new")) On(*book, L"zjls_income");
    host->fields.SetText(L"zjls_edit_project", item);
    host->fields.SetText(L"zjls_edit_money", amount);
    ASSERT_TRUE(On(*book, L"zjls_save"));
  }

  test::MemoryMoneyView* cashMoney = nullptr;
  std::unique_ptr<CashBookPage> book;
  BillPage* bill = nullptr;
};

TEST_F(CashBookPageTest, TheModeSwitchesOfTheForm) {
  book->Open(*host, L"其它收支");
  EXPECT_EQ(L"tab 其它收支 mid_zjls", host->calls.back());
  const struct {
    const wchar_t* click;
    bool visible;
    const wchar_t *caption, *hint, *label;
  } steps[] = {
      {L"zjls_income", true, L"收入项目:", L"输入收入项目名称", L"收入金额:"},
      {L"zjls_income", false, L"收入项目:", L"输入收入项目名称", L"收入金额:"},
      {L"zjls_income", true, L"收入项目:", L"输入收入项目名称", L"收入金额:"},
      {L"zjls_outcome", true, L"支出项目:", L"输入支出项目名称", L"支出金额:"},
      {L"zjls_outcome", false, L"支出项目:", L"输入支出项目名称", L"支出金额:"},
  };
  for (const auto& step : steps) {
    host->fields.SetText(L"zjls_edit_project", L"left over");
    EXPECT_TRUE(On(*book, step.click));
    EXPECT_EQ(step.visible, host->fields.Visible(L"layout_zjls_new")) << step.click;
    EXPECT_EQ(step.caption, Text(L"zjls_label_project"));
    EXPECT_EQ(step.hint, host->fields.Hint(L"zjls_edit_project"));
    EXPECT_EQ(step.label, Text(L"zjls_label_money"));
    EXPECT_EQ(L"", Text(L"zjls_edit_project"));
    EXPECT_EQ(L"0.00", Text(L"zjls_edit_money"));
    EXPECT_EQ(L"2014-10-22", Text(L"zjls_date"));
  }
  // Cancel hides the form and keeps the amount.
  On(*book, L"zjls_income");
  host->fields.SetText(L"zjls_edit_money", L"7");
  EXPECT_TRUE(On(*book, L"zjls_cancel"));
  EXPECT_FALSE(host->fields.Visible(L"layout_zjls_new"));
  EXPECT_EQ(L"7", Text(L"zjls_edit_money"));
}

TEST_F(CashBookPageTest, SavingOpeningAndCorrectingAnIncome) {
  book->Open(*host, L"其它收支");
  On(*book, L"zjls_income");
  const std::vector<std::string> before = test::DumpTables(data());
  host->fields.SetText(L"zjls_edit_money", L"5");
  On(*book, L"zjls_save");
  EXPECT_EQ(L"tip zjls_edit_project 请输入项目名称！", shown.back());
  host->fields.SetText(L"zjls_edit_project", L"房租");
  for (const wchar_t* amount : {L"", L"0", L"abc"}) {
    host->fields.SetText(L"zjls_edit_money", amount);
    On(*book, L"zjls_save");
    EXPECT_EQ(L"tip zjls_edit_money 请输入非零的金额！", shown.back()) << amount;
  }
  EXPECT_EQ(before, test::DumpTables(data()));

  Income(L"房租", L"50");
  ASSERT_EQ(3, host->fields.RowCount(L"listzjls"));
  EXPECT_EQ(L"期初", CellText(L"listzjls", 0, L"item_业务日期"));
  EXPECT_FALSE(host->fields.Exists(pagekit::Cell(L"listzjls", 0, L"item_mod")));
  EXPECT_EQ(L"SZD20141022001", CellText(L"listzjls", 1, L"item_业务编号"));
  EXPECT_EQ(L"50.00", CellText(L"listzjls", 1, L"item_结余"));
  EXPECT_EQ(L"合计", CellText(L"listzjls", 2, L"item_业务日期"));
  // Saved again from the form: the same record, not a second one.
  host->fields.SetText(L"zjls_edit_money", L"60");
  On(*book, L"zjls_save");
  EXPECT_EQ(1u, Records());

  // Opened from the list, in the form of its kind, and corrected under its
  // number.
  On(*book, L"zjls_cancel");
  ASSERT_TRUE(On(*book, L"item_mod", L"listzjls", RowOf(L"SZD20141022001")));
  EXPECT_TRUE(host->fields.Visible(L"layout_zjls_new"));
  EXPECT_EQ(L"收入项目:", Text(L"zjls_label_project"));
  EXPECT_EQ(L"房租", Text(L"zjls_edit_project"));
  EXPECT_EQ(L"60.00", Text(L"zjls_edit_money"));
  EXPECT_EQ(L"SZD20141022001", book->OpenedNumber());
  host->fields.SetText(L"zjls_edit_money", L"80");
  On(*book, L"zjls_save");
  EXPECT_EQ(1u, Records());
  EXPECT_EQ(L"80.00", CellText(L"listzjls", RowOf(L"SZD20141022001"), L"item_收入"));
  // A mode switch forgets it: the next save is a new record.
  On(*book, L"zjls_outcome");
  EXPECT_EQ(L"", book->OpenedNumber());

  // The framing rows open and delete nothing.
  const std::vector<std::string> stored = test::DumpTables(data());
  shown.clear();
  EXPECT_TRUE(On(*book, L"item_mod", L"listzjls", 0, pagekit::EventKind::kItemActivate));
  book->OpenCashFlowRow(*host, L"");
  EXPECT_TRUE(book->DeleteCashFlowRow(*host, L""));
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(stored, test::DumpTables(data()));
}

TEST_F(CashBookPageTest, AReceiptCorrectedFromTheList) {
  money->answers.push_back({kMoneyDialogSaved, L"李四", L"2014-10-20", L"100.00", L"定金"});
  const int row = PartyRow(L"item_客户名称", L"李四", L"item_应收款", L"10.00");
  On(*payments, L"item_reserve", L"listkhyqk", row);
  ASSERT_DOUBLE_EQ(-90, BalanceOf(data(), "李四"));
  book->ShowCashFlowPage(*host);
  // The dialog shows the stored values; the party and amount changed there.
  cashMoney->answers.push_back({kMoneyDialogSaved, L"张三", L"2014-10-20", L"30.00", L"定金"});
  ASSERT_TRUE(On(*book, L"item_mod", L"listzjls", RowOf(L"SKD20141022001")));
  EXPECT_EQ(L"ask receipt 李四 edit 2014-10-20 定金 100.00", shown.back());
  EXPECT_DOUBLE_EQ(10, BalanceOf(data(), "李四"));
  EXPECT_DOUBLE_EQ(-30, BalanceOf(data(), "张三"));
  EXPECT_EQ(1u, Records());
  EXPECT_EQ(L"30.00", CellText(L"listzjls", RowOf(L"SKD20141022001"), L"item_收入"));

  // Deleted from the list: the balance back, the row gone.
  ASSERT_TRUE(On(*book, L"item_del", L"listzjls", RowOf(L"SKD20141022001")));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "张三"));
  EXPECT_EQ(-1, RowOf(L"SKD20141022001"));
  EXPECT_EQ(0u, Records());
}

TEST_F(CashBookPageTest, ABillOpensOnTheBillPageOfItsSide) {
  BillInput purchase = test::SalesBill(L"大华公司", L"9.50", L"4.00", {test::Line(L"可乐", L"瓶", L"5", L"2", L"10")});
  purchase.side = pagekit::PageSide::kPurchase;
  purchase.number = L"JHD20141022001";
  purchase.percent = L"0";  // a rate of 0 counts as 100
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), purchase).status);
  book->ShowCashFlowPage(*host);
  ASSERT_TRUE(On(*book, L"item_mod", L"listzjls", RowOf(L"JHD20141022001")));
  EXPECT_EQ(pagekit::PageSide::kPurchase, host->side);
  EXPECT_EQ(L"tab 进货单 mid_xsd", host->calls.back());
  EXPECT_EQ(L"JHD20141022001", bill->OpenedNumber());
  EXPECT_EQ(L"9.50", Text(L"xsd_money_need"));
  EXPECT_EQ(L"4.00", Text(L"xsd_edit_money_actual"));
  EXPECT_EQ(L"100", Text(L"xsd_percent"));
  EXPECT_EQ(L"可乐", CellText(L"listxsd", 0, L"item_商品名称"));

  // Deleted from the cash book: the stock and the balance back.
  book->ShowCashFlowPage(*host);
  ASSERT_TRUE(On(*book, L"item_del", L"listzjls", RowOf(L"JHD20141022001")));
  EXPECT_DOUBLE_EQ(100, test::StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "大华公司"));
}

}  // namespace
}  // namespace documents
