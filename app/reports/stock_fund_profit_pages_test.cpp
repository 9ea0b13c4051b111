// The stock, fund, profit and quotation pages without a window, on the test
// shop: openings and queries with their vectors, the stock ledger's dates (of
// the latest query, none after the page is opened again), the way back keeping
// the filters, the fund totals rows, the profit ways and the quick search for
// owner and clerk.
#include <gtest/gtest.h>

#include "fund_page.h"
#include "profit_page.h"
#include "quick_search_page.h"
#include "stock_pages.h"
#include "test_support/report_page_test.h"

namespace reports {
namespace {

using pagekit::Cell;
using pagekit::PageEvent;
using pagekit::test::MemoryHost;

class StockFundProfitPagesTest : public test::ReportPageTest {
 protected:
  std::unique_ptr<MemoryHost> StockHost() {
    return Host({L"kctjbg_return", L"kctjbg_caption", L"kctjbg_edit_type", L"kctjbg_edit_product", L"kctjbg_date_start",
                 L"kctjbg_date_end", L"listkctjbg"});
  }
  std::unique_ptr<MemoryHost> FundHost() {
    return Host({L"zjtjbg_return", L"zjtjbg_caption", L"zjtjbg_edit_type", L"zjtjbg_edit_project", L"zjtjbg_date_start",
                 L"zjtjbg_date_end", L"listzjtjbg"});
  }
};

TEST_F(StockFundProfitPagesTest, StockStatisticsQueryLedgerAndTheWayBack) {
  std::unique_ptr<MemoryHost> host = StockHost();
  StockSummaryPage page(View());
  page.Open(*host, L"库存统计表");
  EXPECT_EQ(L"tab 库存统计表 mid_kctjbg", host->calls.back());
  EXPECT_EQ(L"库存统计表", host->fields.Text(L"kctjbg_caption"));
  EXPECT_EQ(L"18: stock summary", HeaderOf(L"listkctjbg"));
  EXPECT_EQ(L"run kctjbg 10", shown_.back());
  EXPECT_EQ(L"苹果 箱 10 20.00 5 15 5 12.50 10.00 25.00",
            Row(*host, L"listkctjbg", 0,
                {L"item_商品名称", L"item_单位", L"item_数量0", L"item_金额0", L"item_数量1", L"item_金额1",
                 L"item_数量2", L"item_金额2", L"item_数量3", L"item_金额3"}));
  EXPECT_TRUE(host->fields.Exists(Cell(L"listkctjbg", 0, L"item_reserve")));

  // A query of a type and a product with a quote, in 2014.
  host->fields.SetText(L"kctjbg_edit_type", L"茶叶");
  host->fields.SetText(L"kctjbg_edit_product", L"O'Brien's Tea");
  host->fields.SetText(L"kctjbg_date_start", L"2014-01-01");
  host->fields.SetText(L"kctjbg_date_end", L"2014-12-31");
  EXPECT_TRUE(page.OnEvent(*host, Click(L"kctjbg_find")));
  EXPECT_EQ(L"run kctjbg 12", shown_.back());
  EXPECT_EQ(
      L"商品类别='茶叶' and 商品名称='O''Brien''s Tea' =. "
      L"单据日期>='2014-01-01' and 单据日期<='2014-12-31' =. ",
      LastInputs(10));
  EXPECT_EQ(L"O'Brien's Tea ", Column(*host, L"listkctjbg", L"item_商品名称"));

  // The product alone, without "and"; then its ledger in the query's dates.
  host->fields.SetText(L"kctjbg_edit_type", L"");
  host->fields.SetText(L"kctjbg_edit_product", L"苹果");
  page.OnEvent(*host, Click(L"kctjbg_find"));
  EXPECT_EQ(
      L"商品名称='苹果' =. 单据日期>='2014-01-01' and "
      L"单据日期<='2014-12-31' =. ",
      LastInputs(10));
  EXPECT_TRUE(page.OnEvent(*host, RowButton(L"listkctjbg", 0)));
  EXPECT_EQ(L"库存统计表>>\"苹果\"明细账", host->fields.Text(L"kctjbg_caption"));
  EXPECT_TRUE(host->fields.Visible(L"kctjbg_return"));
  EXPECT_EQ(L"2: stock ledger", HeaderOf(L"listkctjbg"));
  EXPECT_EQ(L"run kctjbgmx 14", shown_.back());
  EXPECT_EQ(L"商品名称=苹果 单据日期>='2014-01-01' and 单据日期<='2014-12-31' =. ", LastInputs(12));
  EXPECT_EQ(L"期初 进货 出货 合计 ", Column(*host, L"listkctjbg", L"item_业务类型"));
  EXPECT_EQ(L"20.00 35.00 25.00 25.00 ", Column(*host, L"listkctjbg", L"item_金额2"));

  // The way back runs the query again with the user's filters.
  EXPECT_TRUE(page.OnEvent(*host, Click(L"kctjbg_return")));
  EXPECT_FALSE(host->fields.Visible(L"kctjbg_return"));
  EXPECT_EQ(L"库存统计表", host->fields.Text(L"kctjbg_caption"));
  EXPECT_EQ(L"run kctjbg 12", shown_.back());
  EXPECT_EQ(L"苹果 ", Column(*host, L"listkctjbg", L"item_商品名称"));
  EXPECT_EQ(L"苹果", host->fields.Text(L"kctjbg_edit_product"));

  // Opened again: the ledger shows every date, whatever the earlier query had.
  page.Open(*host, L"库存统计表");
  EXPECT_EQ("", page.StockDateCondition());
  page.LoadStockLedger(*host, L"苹果");
  EXPECT_EQ(L"商品名称=苹果 =. ", LastInputs(12));
  EXPECT_EQ(L"期初 出货 进货 出货 合计 ", Column(*host, L"listkctjbg", L"item_业务类型"));
  // A product with a quote: the bound entry as typed.
  page.LoadStockLedger(*host, L"O'Brien's Tea");
  EXPECT_EQ(L"期初 出货 合计 ", Column(*host, L"listkctjbg", L"item_业务类型"));
}

TEST_F(StockFundProfitPagesTest, StockWarningWithAndWithoutStatus) {
  std::unique_ptr<MemoryHost> host = Host({L"kcyjbg_edit_status", L"listkcyjbg"});
  StockAlertPage page(View());
  page.Open(*host, L"库存预警");
  EXPECT_EQ(L"tab 库存预警 mid_kcyjbg", host->calls.back());
  EXPECT_EQ(
      L"2: 商品名称|200|-1 单位|0|-1 最高存量|0|-1 最低存量|0|-1 "
      L"当前存量|0|-1 状态|0|-1 超出/短缺库存数量|120|-1",
      HeaderOf(L"listkcyjbg"));
  EXPECT_EQ(L"run kcyjbg 7", shown_.back());
  EXPECT_EQ(L"香蕉 O'Brien's Tea ", Column(*host, L"listkcyjbg", L"item_商品名称"));
  host->fields.SetText(L"kcyjbg_edit_status", L"超出");
  EXPECT_TRUE(page.OnEvent(*host, Click(L"kcyjbg_find")));
  EXPECT_EQ(L"run kcyjbg 8", shown_.back());
  EXPECT_EQ(L"O'Brien's Tea ", Column(*host, L"listkcyjbg", L"item_商品名称"));
  EXPECT_EQ(L"5.00 ", Column(*host, L"listkcyjbg", L"item_超出/短缺库存数量"));
  host->fields.SetText(L"kcyjbg_edit_status", L"");
  page.OnEvent(*host, Click(L"kcyjbg_find"));
  EXPECT_EQ(L"run kcyjbg 7", shown_.back());
  EXPECT_EQ(2, host->fields.RowCount(L"listkcyjbg"));
}

TEST_F(StockFundProfitPagesTest, FundStatisticsTotalsAndAnItemsDocuments) {
  std::unique_ptr<MemoryHost> host = FundHost();
  FundPage page(View());
  page.Open(*host, L"资金统计表");
  EXPECT_EQ(L"tab 资金统计表 mid_zjtjbg", host->calls.back());
  EXPECT_EQ(L"run zjtjbg 3", shown_.back());
  EXPECT_EQ(L"18: 收支项目|0|-1 收入|0|-1 支出|0|-1", HeaderOf(L"listzjtjbg"));
  EXPECT_EQ(L"1 2 合计 ", Column(*host, L"listzjtjbg", L"item_line_num"));
  EXPECT_EQ(L"房租 利息  ", Column(*host, L"listzjtjbg", L"item_收支项目"));
  EXPECT_EQ(L" 12.5 12.50 ", Column(*host, L"listzjtjbg", L"item_收入"));
  EXPECT_EQ(L"1000  1000.00 ", Column(*host, L"listzjtjbg", L"item_支出"));
  const int total = 2;
  EXPECT_EQ(L"1", host->fields.Attribute(Cell(L"listzjtjbg", total, L"item_line_num"), L"font"));
  EXPECT_EQ(L"1", host->fields.Attribute(Cell(L"listzjtjbg", total, L"item_支出"), L"font"));
  EXPECT_FALSE(host->fields.Visible(Cell(L"listzjtjbg", total, L"item_reserve")));
  // The 合计 row names no item: a double-click on it drills nowhere.
  PageEvent activate;
  activate.kind = pagekit::EventKind::kItemActivate;
  activate.list = L"listzjtjbg";
  activate.row = total;
  const size_t runs = runs_.size();
  EXPECT_TRUE(page.OnEvent(*host, activate));
  EXPECT_EQ(runs, runs_.size());
  EXPECT_EQ(L"资金统计表", host->fields.Text(L"zjtjbg_caption"));

  // A query of the expense type in 2014; its dates go with the item's
  // documents.
  host->fields.SetText(L"zjtjbg_edit_type", L"支出");
  host->fields.SetText(L"zjtjbg_date_start", L"2014-01-01");
  EXPECT_TRUE(page.OnEvent(*host, Click(L"zjtjbg_find")));
  EXPECT_EQ(L"run zjtjbg 5", shown_.back());
  EXPECT_EQ(L"项目类别='支出' =. 单据日期>='2014-01-01' =. ", LastInputs(3));
  EXPECT_EQ(L"房租  ", Column(*host, L"listzjtjbg", L"item_收支项目"));
  EXPECT_EQ(L"1000 1000.00 ", Column(*host, L"listzjtjbg", L"item_支出"));
  EXPECT_EQ(L"0.00", host->fields.Text(Cell(L"listzjtjbg", 1, L"item_收入")));

  EXPECT_TRUE(page.OnEvent(*host, RowButton(L"listzjtjbg", 0)));
  EXPECT_EQ(L"资金统计表明细>>房租", host->fields.Text(L"zjtjbg_caption"));
  EXPECT_TRUE(host->fields.Visible(L"zjtjbg_return"));
  EXPECT_EQ(L"run zjtjbgmx 8", shown_.back());
  EXPECT_EQ(L"房租=. 单据日期>='2014-01-01' =. ", LastInputs(6));
  EXPECT_EQ(
      L"2: 业务日期|0|-1 业务编号|120|-1 摘要|0|-1 往来单位|150|-1 "
      L"收支项目|0|-1 金额|0|-1",
      HeaderOf(L"listzjtjbg"));
  EXPECT_EQ(L"ZJD20140210001  ", Column(*host, L"listzjtjbg", L"item_业务编号"));
  EXPECT_EQ(L"1000 1000.00 ", Column(*host, L"listzjtjbg", L"item_金额"));
  EXPECT_EQ(L"1 合计 ", Column(*host, L"listzjtjbg", L"item_line_num"));

  // Back: the query again, the summary state.
  page.OnEvent(*host, Click(L"zjtjbg_return"));
  EXPECT_EQ(L"资金统计表", host->fields.Text(L"zjtjbg_caption"));
  EXPECT_FALSE(host->fields.Visible(L"zjtjbg_return"));
  EXPECT_EQ(L"run zjtjbg 5", shown_.back());

  // Opened again, the drill-down covers every date.
  page.Open(*host, L"资金统计表");
  EXPECT_EQ("", page.FundDateCondition());
  page.LoadFundSummaryDetail(*host, L"利息");
  EXPECT_EQ(L"利息=. =. ", LastInputs(6));
  EXPECT_EQ(L"12.5 12.50 ", Column(*host, L"listzjtjbg", L"item_金额"));
}

TEST_F(StockFundProfitPagesTest, AnEmptyFundReportStillEndsWithItsTotals) {
  std::unique_ptr<MemoryHost> host = FundHost();
  FundPage page(View());
  host->fields.SetText(L"zjtjbg_date_start", L"2020-01-01");
  page.QueryFundSummary(*host);
  ASSERT_EQ(1, host->fields.RowCount(L"listzjtjbg"));
  EXPECT_EQ(L"合计 0.00 0.00", Row(*host, L"listzjtjbg", 0, {L"item_line_num", L"item_收入", L"item_支出"}));
}

TEST_F(StockFundProfitPagesTest, FundTotalsAreSummedInDoublePrecision) {
  // A float sum would lose the 1 beside 16777216.
  pagekit::MemoryFields fields;
  for (const wchar_t* amount : {L"16777216", L"1", L"0.01", L"1234567.89"})
    fields.SetText(Cell(L"listzjtjbg", fields.AddRow(L"listzjtjbg", {{L"item_金额"}}), L"item_金额"), amount);
  fields.AddRow(L"listzjtjbg", {{L"item_收入"}});  // a row without the cell is left out
  EXPECT_EQ(L"18011784.90", SumOfCells(fields, L"listzjtjbg", L"item_金额"));
}

TEST_F(StockFundProfitPagesTest, ProfitByCustomerOrByProduct) {
  std::unique_ptr<MemoryHost> host =
      Host({L"lrtjbg_return", L"lrtjbg_caption", L"lrtjbg_edit_type", L"lrtjbg_edit_type_detail", L"lrtjbg_date_start",
            L"lrtjbg_date_end", L"listlrtjbg"});
  ProfitPage page(View());
  page.Open(*host, L"利润统计表");
  EXPECT_EQ(L"tab 利润统计表 mid_lrtjbg", host->calls.back());
  EXPECT_EQ(L"run lrtjbg 5", shown_.back());
  EXPECT_EQ(
      L"2: 客户名称|200|-1 折后金额|0|-1 成本金额|0|-1 利润金额|0|-1 "
      L"利润率|0|-1",
      HeaderOf(L"listlrtjbg"));
  EXPECT_EQ(L"张三 O'Neil 合计 ", Column(*host, L"listlrtjbg", L"item_客户名称"));

  struct Case {
    const wchar_t* way;
    const wchar_t* detail;
    const wchar_t* start;
    const wchar_t* run;
    const wchar_t* inputs;
    size_t columns;
    const wchar_t* cell;
    const wchar_t* values;
  };
  const Case cases[] = {
      {L"按客户", L"", L"", L"run lrtjbg 7", L"=. =. ", 5, L"item_客户名称", L"张三 O'Neil 合计 "},
      {L"按客户", L"O'Neil", L"2014-01-01", L"run lrtjbg 7", L"客户名称='O''Neil' =. 单据日期>='2014-01-01' =. ", 5,
       L"item_客户名称", L"O'Neil 合计 "},
      {L"按商品", L"", L"2014-01-01", L"run lrtjbg_hp 9", L"=. 单据日期>='2014-01-01' =. ", 7, L"item_商品名称",
       L"苹果 香蕉 O'Brien's Tea 合计 "},
      {L"按商品", L"O'Brien's Tea", L"", L"run lrtjbg_hp 9", L"O'Brien's Tea=. =. ", 7, L"item_利润率", L"76.19%  "},
  };
  for (const Case& c : cases) {
    host->fields.SetText(L"lrtjbg_edit_type", c.way);
    host->fields.SetText(L"lrtjbg_edit_type_detail", c.detail);
    host->fields.SetText(L"lrtjbg_date_start", c.start);
    host->fields.SetVisible(L"lrtjbg_return", true);
    EXPECT_TRUE(page.OnEvent(*host, Click(L"lrtjbg_find")));
    EXPECT_FALSE(host->fields.Visible(L"lrtjbg_return"));
    EXPECT_EQ(c.run, shown_.back()) << c.way << c.detail;
    EXPECT_EQ(c.inputs, LastInputs(c.columns)) << c.way << c.detail;
    EXPECT_EQ(c.values, Column(*host, L"listlrtjbg", c.cell)) << c.way << c.detail;
  }
  EXPECT_EQ(
      L"2: 商品名称|200|-1 单位|40|-1 数量|0|-1 折后金额|0|-1 "
      L"成本金额|0|-1 利润金额|0|-1 利润率|0|-1",
      HeaderOf(L"listlrtjbg"));

  // Another way changes only the caption and the return button.
  const size_t runs = runs_.size();
  host->fields.SetText(L"lrtjbg_edit_type", L"按月");
  host->fields.SetText(L"lrtjbg_caption", L"x");
  page.OnEvent(*host, Click(L"lrtjbg_find"));
  EXPECT_EQ(runs, runs_.size());
  EXPECT_EQ(L"利润统计表", host->fields.Text(L"lrtjbg_caption"));

  // A choice of the way runs the query.
  host->fields.SetText(L"lrtjbg_edit_type", L"按客户");
  EXPECT_TRUE(page.OnPickerResult(*host, {pagekit::PickerKind::kDropList, L"lrtjbg_edit_type_drop", L"按客户"}));
  EXPECT_EQ(runs + 1, runs_.size());
  EXPECT_FALSE(page.OnPickerResult(*host, {pagekit::PickerKind::kDropList, L"lrtjbg_edit_date_drop", L"本月"}));
}

TEST_F(StockFundProfitPagesTest, QuickSearchForTheOwnerAndTheClerk) {
  struct Case {
    bool owner;
    const wchar_t* search;
    const wchar_t* header;
    const wchar_t* names;
  };
  const Case cases[] = {
      {true, L"", L"2: 商品名称|0|-1 库存|0|-1 进货价|0|-1 批发价|0|-1 零售价|0|-1", L"苹果 香蕉 O'Brien's Tea "},
      {false, L"", L"2: 商品名称|0|-1 库存|0|-1 批发价|0|-1 零售价|0|-1", L"苹果 香蕉 O'Brien's Tea "},
      {true, L"pg", L"2: 商品名称|0|-1 库存|0|-1 进货价|0|-1 批发价|0|-1 零售价|0|-1", L"苹果 "},
      {false, L"Brien's", L"2: 商品名称|0|-1 库存|0|-1 批发价|0|-1 零售价|0|-1", L"O'Brien's Tea "},
      {true, L"香", L"2: 商品名称|0|-1 库存|0|-1 进货价|0|-1 批发价|0|-1 零售价|0|-1", L"香蕉 "},
  };
  for (const Case& c : cases) {
    std::unique_ptr<MemoryHost> host = Host({L"edit_search", L"listfind"}, c.owner);
    host->fields.SetText(L"edit_search", c.search);
    QuickSearchPage page(View());
    EXPECT_TRUE(page.OnEvent(*host, Click(L"btn_search")));
    EXPECT_EQ(L"tab 报价 mid_find", host->calls.back());
    EXPECT_EQ(L"query J4_V_Product_Inventory", shown_.back());
    EXPECT_EQ(c.header, HeaderOf(L"listfind")) << c.search;
    EXPECT_EQ(c.names, Column(*host, L"listfind", L"item_商品名称")) << c.search;
  }
  std::unique_ptr<MemoryHost> host = Host({L"edit_search", L"listfind"});
  QuickSearchPage page(View());
  page.Open(*host, L"报价");
  EXPECT_EQ(L"11 ", Column(*host, L"listfind", L"item_库存").substr(0, 3));
}

}  // namespace
}  // namespace reports
