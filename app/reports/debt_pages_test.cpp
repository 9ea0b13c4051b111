// The receivable and payable pages without a window, on the test shop: the
// query page's summary, a party's ledger and the way back on both sides, the
// detail pages and the statements with their tooltips, a party with a quote
// through each key that takes a party.
#include <gtest/gtest.h>

#include "data_store.h"
#include "debt_detail_page.h"
#include "debt_query_page.h"
#include "statement_page.h"
#include "test_support/report_page_test.h"

namespace reports {
namespace {

using pagekit::Cell;
using pagekit::EventKind;
using pagekit::PageEvent;
using pagekit::PageSide;
using pagekit::test::MemoryHost;

class DebtPagesTest : public test::ReportPageTest {
 protected:
  std::unique_ptr<MemoryHost> QueryHost() {
    return Host({L"ysqkbg_return", L"ysqkbg_edit_custom", L"ysqkbg_edit_custom_drop", L"ysqkbg_caption",
                 L"ysqkbg_date_start", L"ysqkbg_date_end", L"listysqkbg"});
  }
};

TEST_F(DebtPagesTest, ReceivableSummaryLedgerAndBack) {
  std::unique_ptr<MemoryHost> host = QueryHost();
  host->side = PageSide::kPurchase;
  DebtQueryPage page(View());
  page.Open(*host, L"应收款查询");
  EXPECT_EQ(L"tab 应收款查询 mid_ysqkbg", host->calls.back());
  EXPECT_EQ(PageSide::kSales, host->side);
  EXPECT_EQ(L"应收款查询", host->fields.Text(L"ysqkbg_caption"));
  EXPECT_EQ(L"全部客户", host->fields.Hint(L"ysqkbg_edit_custom"));
  EXPECT_FALSE(host->fields.Visible(L"ysqkbg_return"));
  EXPECT_EQ(
      L"18: 客户名称|0|-1 期初应收款|0|-1 增加应收款|0|-1 "
      L"收回应收款|0|-1 期末应收款|0|-1",
      HeaderOf(L"listysqkbg"));
  EXPECT_EQ(L"run ysqkbg 5", shown_.back());
  ASSERT_EQ(2, host->fields.RowCount(L"listysqkbg"));
  EXPECT_EQ(L"1 张三 100 50.00 20 130.00", Row(*host, L"listysqkbg", 0,
                                               {L"item_line_num", L"item_客户名称", L"item_期初应收款",
                                                L"item_增加应收款", L"item_收回应收款", L"item_期末应收款"}));
  EXPECT_TRUE(host->fields.Exists(Cell(L"listysqkbg", 0, L"item_reserve")));

  // The row's drill-down ignores the page's dates.
  host->fields.SetText(L"ysqkbg_date_start", L"2014-01-12");
  EXPECT_TRUE(page.OnEvent(*host, RowButton(L"listysqkbg", 0)));
  EXPECT_EQ(L"应收款查询>>\"张三\"的明细账", host->fields.Text(L"ysqkbg_caption"));
  EXPECT_TRUE(host->fields.Visible(L"ysqkbg_return"));
  EXPECT_FALSE(host->fields.Visible(L"ysqkbg_edit_custom"));
  EXPECT_FALSE(host->fields.Visible(L"ysqkbg_edit_custom_drop"));
  EXPECT_EQ(L"张三", host->fields.Text(L"ysqkbg_edit_custom"));
  EXPECT_EQ(L"run ysqkbg_mod 8", shown_.back());
  EXPECT_EQ(L"=. 客户名称=张三 ", LastInputs(6));
  EXPECT_EQ(
      L"2: 业务日期|0|-1 业务编号|0|-1 摘要|0|-1 增加应收款|0|-1 "
      L"收回应收款|0|-1 期末应收款|0|-1",
      HeaderOf(L"listysqkbg"));
  EXPECT_EQ(L"期初结存 旧单 销售 收款 ", Column(*host, L"listysqkbg", L"item_摘要"));

  // A find in the ledger keeps the party and takes the dates.
  EXPECT_TRUE(page.OnEvent(*host, Click(L"ysqkbg_btn_find")));
  EXPECT_EQ(L"单据日期>='2014-01-12' =. 客户名称=张三 ", LastInputs(6));
  EXPECT_EQ(L"期初结存 收款 ", Column(*host, L"listysqkbg", L"item_摘要"));
  EXPECT_EQ(L"150.00 130.00 ", Column(*host, L"listysqkbg", L"item_期末应收款"));
  EXPECT_TRUE(host->fields.Visible(L"ysqkbg_return"));

  EXPECT_TRUE(page.OnEvent(*host, Click(L"ysqkbg_return")));
  EXPECT_EQ(L"应收款查询", host->fields.Text(L"ysqkbg_caption"));
  EXPECT_FALSE(host->fields.Visible(L"ysqkbg_return"));
  EXPECT_TRUE(host->fields.Visible(L"ysqkbg_edit_custom"));
  EXPECT_EQ(L"", host->fields.Text(L"ysqkbg_edit_custom"));
  EXPECT_EQ(L"run ysqkbg 5", shown_.back());
}

TEST_F(DebtPagesTest, PayableSideAndPartyFilters) {
  std::unique_ptr<MemoryHost> host = QueryHost();
  DebtQueryPage page(View());
  page.Open(*host, L"应付款查询");
  EXPECT_EQ(PageSide::kPurchase, host->side);
  EXPECT_EQ(L"全部供应商", host->fields.Hint(L"ysqkbg_edit_custom"));
  EXPECT_EQ(L"run yfqkbg 5", shown_.back());
  EXPECT_EQ(L"华丰 ", Column(*host, L"listysqkbg", L"item_供应商名称"));

  // The next find runs the side's key with its columns and both conditions.
  host->fields.SetText(L"ysqkbg_edit_custom", L"华丰");
  host->fields.SetText(L"ysqkbg_date_end", L"2014-12-31");
  page.OnEvent(*host, Click(L"ysqkbg_btn_find"));
  EXPECT_EQ(L"run yfqkbg 7", shown_.back());
  EXPECT_EQ(L"客户名称='华丰' =. 单据日期<='2014-12-31' =. ", LastInputs(5));
  EXPECT_EQ(L"华丰 ", Column(*host, L"listysqkbg", L"item_供应商名称"));

  // A quote in the party is doubled in the raw condition: the party is found.
  host->fields.SetText(L"ysqkbg_edit_custom", L"O'Neil");
  host->side = PageSide::kSales;
  page.OnEvent(*host, Click(L"ysqkbg_btn_find"));
  EXPECT_EQ(L"客户名称='O''Neil' =. 单据日期<='2014-12-31' =. ", LastInputs(5));
  EXPECT_EQ(L"O'Neil ", Column(*host, L"listysqkbg", L"item_客户名称"));

  // The ledger of a party with a quote: the bound entry as typed.
  page.LoadDebtDetailOfRow(*host, L"O'Neil", std::string());
  EXPECT_EQ(L"客户名称=O'Neil ", LastInputs(7));
  EXPECT_EQ(L"期初结存 茶叶 ", Column(*host, L"listysqkbg", L"item_摘要"));
  EXPECT_EQ(L"7.00 7.00 ", Column(*host, L"listysqkbg", L"item_期末应收款"));
  EXPECT_EQ(L"应收款查询>>\"O'Neil\"的明细账", host->fields.Text(L"ysqkbg_caption"));
}

TEST_F(DebtPagesTest, DetailPagesAskForAPartyAndShowItsLedger) {
  struct Case {
    const wchar_t* page;
    PageSide side;
    const wchar_t* hint;
    const wchar_t* tip;
    const wchar_t* party;
    const char* key;
    const wchar_t* balances;
  };
  const Case cases[] = {
      {L"应收款明细表", PageSide::kSales, L"输入客户名称", L"tip ysqkmx_edit_custom 请选择客户！ 100x30", L"O'Neil",
       "ysqkbg_mod", L"7.00 7.00 "},
      {L"应付款明细表", PageSide::kPurchase, L"输入供应商名称", L"tip ysqkmx_edit_custom 请选择供应商！ 100x30",
       L"华丰", "yfqkbg_mod", L"50.00 60.00 50.00 "},
  };
  for (const Case& c : cases) {
    std::unique_ptr<MemoryHost> host = Host({L"ysqkmx_edit_custom", L"ysqkmx_caption", L"ysqkmx_edit_date",
                                             L"ysqkmx_date_start", L"ysqkmx_date_end", L"listysqkmx"});
    DebtDetailPage page(View(), [] { return SYSTEMTIME{2014, 2, 0, 1, 9, 0, 0, 0}; });
    page.Open(*host, c.page);
    EXPECT_EQ(std::wstring(L"tab ") + c.page + L" mid_ysqkmx", host->calls.back());
    EXPECT_EQ(c.side, host->side);
    EXPECT_EQ(c.page, host->fields.Text(L"ysqkmx_caption"));
    EXPECT_EQ(c.hint, host->fields.Hint(L"ysqkmx_edit_custom"));
    EXPECT_EQ(L"今日", host->fields.Text(L"ysqkmx_edit_date"));
    EXPECT_EQ(L"2014-02-01", host->fields.Text(L"ysqkmx_date_start"));
    EXPECT_EQ(L"2014-02-01", host->fields.Text(L"ysqkmx_date_end"));
    EXPECT_EQ(50, host->fields.RowCount(L"listysqkmx"));
    EXPECT_EQ(L"1 ", Row(*host, L"listysqkmx", 0, {L"item_line_num", L"item_摘要"}));

    shown_.clear();
    EXPECT_TRUE(page.OnEvent(*host, Click(L"ysqkmx_btn_find")));
    ASSERT_EQ(1u, shown_.size());
    EXPECT_EQ(c.tip, shown_[0]);
    EXPECT_EQ(50, host->fields.RowCount(L"listysqkmx"));

    host->fields.SetText(L"ysqkmx_edit_custom", c.party);
    host->fields.SetText(L"ysqkmx_date_start", L"");
    host->fields.SetText(L"ysqkmx_date_end", L"");
    page.OnEvent(*host, Click(L"ysqkmx_btn_find"));
    EXPECT_EQ(L"run " + pagekit::PageText(c.key) + L" 8", shown_.back());
    EXPECT_EQ(std::wstring(L"=. 客户名称=") + c.party + L" ", LastInputs(6));
    EXPECT_EQ(c.balances,
              Column(*host, L"listysqkmx", c.side == PageSide::kSales ? L"item_期末应收款" : L"item_期末应付款"));
  }
}

TEST_F(DebtPagesTest, StatementsKeepTheirRowsAndNeedAParty) {
  struct Case {
    StatementKind kind;
    const wchar_t* title;
    const wchar_t* prefix;
    const wchar_t* tip;
    const wchar_t* party;
    const wchar_t* firstColumn;
    const wchar_t* lines;
  };
  const Case cases[] = {
      {StatementKind::kCustomer, L"客户对账单", L"ysdzd", L"请选择客户！ 80x30", L"张三",
       L" 期初 2014-01-10 XSD20140110001 苹果 2014-01-15 SKD20140115001 合计 ", L" 1    "},
      {StatementKind::kSupplier, L"供应商对账单", L"yfdzd", L"请选择供应商！ 100x30", L"华丰",
       L" 期初 2014-01-05 JHD20140105001 苹果 2014-03-01 FKD20140301001 合计 ", L" 1    "},
  };
  for (const Case& c : cases) {
    const std::wstring prefix = c.prefix, list = L"list" + prefix;
    std::unique_ptr<MemoryHost> host = Host({(prefix + L"_edit_custom").c_str(), (prefix + L"_date_start").c_str(),
                                             (prefix + L"_date_end").c_str(), list.c_str()});
    host->side = c.kind == StatementKind::kCustomer ? PageSide::kPurchase : PageSide::kSales;
    StatementPage page(c.kind, View());
    page.Open(*host, c.title);
    EXPECT_EQ(L"tab " + std::wstring(c.title) + L" mid_" + prefix, host->calls.back());
    EXPECT_EQ(50, host->fields.RowCount(list));
    EXPECT_EQ(L"2:", HeaderOf(list).substr(0, 2));

    shown_.clear();
    EXPECT_TRUE(page.OnEvent(*host, Click((prefix + L"_btn_find").c_str())));
    ASSERT_EQ(1u, shown_.size());
    // The statement's tip follows the statement, whatever the side.
    EXPECT_EQ(L"tip " + prefix + L"_edit_custom " + c.tip, shown_[0]);
    EXPECT_EQ(50, host->fields.RowCount(list));

    host->fields.SetText(prefix + L"_edit_custom", c.party);
    host->fields.SetText(prefix + L"_date_start", L"2014-01-01");
    host->fields.SetText(prefix + L"_date_end", L"2014-12-31");
    page.OnEvent(*host, Click((prefix + L"_btn_find").c_str()));
    EXPECT_EQ(std::wstring(L"单据日期>='2014-01-01' and 单据日期<='2014-12-31' =. 客户名称=") + c.party + L" ",
              LastInputs(10));
    EXPECT_EQ(c.firstColumn, Column(*host, list, L"item_商品名称"));
    EXPECT_EQ(c.lines, Column(*host, list, L"item_line_num"));

    // Opened again: the rows stay and no empty lines come.
    const int rows = host->fields.RowCount(list);
    page.Open(*host, c.title);
    EXPECT_EQ(rows, host->fields.RowCount(list));
    EXPECT_EQ(c.party, host->fields.Text(prefix + L"_edit_custom"));
  }

  // The statement of a party with a quote: the bound entry as typed.
  std::unique_ptr<MemoryHost> host = Host({L"ysdzd_edit_custom", L"ysdzd_date_start", L"ysdzd_date_end", L"listysdzd"});
  StatementPage page(StatementKind::kCustomer, View());
  host->fields.SetText(L"ysdzd_edit_custom", L"O'Neil");
  page.QueryStatement(*host);
  EXPECT_EQ(L"客户名称=O'Neil ", LastInputs(11));
  EXPECT_EQ(L"2014-02-01 XSD20140201001", host->fields.Text(Cell(L"listysdzd", 1, L"item_商品名称")));
}

}  // namespace
}  // namespace reports
