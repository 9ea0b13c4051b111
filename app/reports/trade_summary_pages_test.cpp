// The sales and purchase summaries and the bill-history pages without a window,
// on the test shop: each mode opened, its filters with and without dates, the
// product detail and the way back, a find from a detail, the drill-downs into
// the bill page's history.
#include <gtest/gtest.h>

#include "bill_history_page.h"
#include "test_support/report_page_test.h"
#include "trade_summary_page.h"

namespace reports {
namespace {

using pagekit::Cell;
using pagekit::PageEvent;
using pagekit::PageSide;
using pagekit::test::MemoryHost;

class TradeSummaryPagesTest : public test::ReportPageTest {
 protected:
  std::unique_ptr<MemoryHost> SummaryHost(const std::wstring& prefix) {
    const std::wstring names[] = {prefix + L"_return",     prefix + L"_caption",  prefix + L"_edit_custom",
                                  prefix + L"_date_start", prefix + L"_date_end", L"list" + prefix,
                                  L"xsd_view_his_list",    L"xsd_edit_find",      L"xsd_date_find_start",
                                  L"xsd_date_find_end"};
    std::unique_ptr<MemoryHost> host = Host({});
    for (const std::wstring& name : names) {
      if (name.rfind(L"list", 0) == 0) {
        host->fields.AddList(name);
      } else {
        host->fields.Add(name, name.find(L"_date_") != std::wstring::npos ? pagekit::MemoryFields::Kind::kDate
                                                                          : pagekit::MemoryFields::Kind::kEdit);
      }
    }
    return host;
  }
  size_t Runs() {
    size_t runs = 0;
    for (const std::wstring& shown : shown_) runs += shown.rfind(L"run ", 0) == 0 ? 1 : 0;
    return runs;
  }
};

TEST_F(TradeSummaryPagesTest, EveryModeOpensWithItsKeyAndColumns) {
  struct Case {
    bool sales;
    const wchar_t* title;
    const wchar_t* run;
    const wchar_t* header;
    const wchar_t* cell;
    const wchar_t* names;
  };
  const Case cases[] = {
      {true, L"销售汇总表(商品)", L"run xstjbg 5", L"18: 商品名称|0|-1 单位|0|-1 数量|0|-1 金额|0|-1", L"item_商品名称",
       L"苹果 香蕉 O'Brien's Tea "},
      {true, L"销售汇总表(客户)", L"run xstjbg_kh 6", L"18: 客户|0|-1 销售金额|0|-1 折扣金额|0|-1 实际销售金额|0|-1",
       L"item_客户", L"零售客户 批发客户 张三 O'Neil "},
      {true, L"销售汇总表(业务员)", L"run xstjbg_ywy 6",
       L"18: 业务员|0|-1 销售金额|0|-1 折扣金额|0|-1 实际销售金额|0|-1", L"item_业务员", L"小王 小李 "},
      {false, L"进货汇总表(商品)", L"run jhtjbg 5", L"18: 商品名称|0|-1 单位|0|-1 数量|0|-1 金额|0|-1",
       L"item_商品名称", L"苹果 "},
      {false, L"进货汇总表(供应商)", L"run jhtjbg_gys 6",
       L"18: 供应商|0|-1 进货金额|0|-1 折扣金额|0|-1 折后应付金额|0|-1", L"item_供应商", L"零散供应商 华丰 "},
  };
  for (const Case& c : cases) {
    const std::wstring prefix = c.sales ? L"xstjbg" : L"jhtjbg";
    std::unique_ptr<MemoryHost> host = SummaryHost(prefix);
    host->side = c.sales ? PageSide::kPurchase : PageSide::kSales;
    std::unique_ptr<TradeSummaryPage> page;
    if (c.sales) {
      page = std::make_unique<SalesSummaryPage>(View());
    } else {
      page = std::make_unique<PurchaseSummaryPage>(View());
    }
    host->fields.SetVisible(prefix + L"_return", true);
    page->Open(*host, c.title);
    EXPECT_EQ(L"tab " + std::wstring(c.title) + L" mid_" + prefix, host->calls.back()) << c.title;
    EXPECT_EQ(c.sales ? PageSide::kSales : PageSide::kPurchase, host->side) << c.title;
    EXPECT_EQ(c.title, host->fields.Text(prefix + L"_caption"));
    EXPECT_FALSE(host->fields.Visible(prefix + L"_return")) << c.title;
    EXPECT_EQ(c.run, shown_.back()) << c.title;
    EXPECT_EQ(c.header, HeaderOf(L"list" + prefix)) << c.title;
    if (*c.names != L'\0') {
      EXPECT_EQ(c.names, Column(*host, L"list" + prefix, c.cell)) << c.title;
    }
  }
}

TEST_F(TradeSummaryPagesTest, FiltersOfEachModeWithAndWithoutDates) {
  struct Case {
    bool sales;
    const wchar_t* mode;
    const wchar_t* filter;
    const wchar_t* start;
    const wchar_t* inputs;  // the entries after the columns
    const wchar_t* cell;
    const wchar_t* values;
  };
  const Case cases[] = {
      {true, L"销售汇总表(商品)", L"", L"", L"=. ", L"item_数量", L"5 0.5 1 "},
      {true, L"销售汇总表(商品)", L"O'Brien's Tea", L"", L"商品名称=='O''Brien''s Tea' =. ", L"item_金额", L"42 "},
      {true, L"销售汇总表(商品)", L"苹果", L"2014-01-01", L"单据日期>='2014-01-01' and 商品名称=='苹果' =. ",
       L"item_金额", L"100 "},
      {true, L"销售汇总表(商品)", L"", L"2014-01-01", L"单据日期>='2014-01-01' =. ", L"item_数量", L"4 0.5 1 "},
      {true, L"销售汇总表(客户)", L"O'Neil", L"", L"客户名称=O'Neil =. ", L"item_客户", L"O'Neil "},
      {true, L"销售汇总表(客户)", L"张三", L"2014-01-01", L"客户名称=张三 单据日期>='2014-01-01' =. ",
       L"item_实际销售金额", L"30 "},
      {true, L"销售汇总表(业务员)", L"小王", L"", L"=小王 =. ", L"item_业务员", L"小王 "},
      {true, L"销售汇总表(业务员)", L"", L"2014-02-01", L"= 单据日期>='2014-02-01' =. ", L"item_业务员", L"小王 小李 "},
      {false, L"进货汇总表(商品)", L"华丰", L"", L"客户名称=='华丰' =. ", L"item_商品名称", L"苹果 "},
      {false, L"进货汇总表(商品)", L"nobody", L"2014-01-01", L"单据日期>='2014-01-01' and 客户名称=='nobody' =. ",
       L"item_商品名称", L""},
      {false, L"进货汇总表(供应商)", L"华丰", L"", L"=华丰 =. ", L"item_供应商", L"华丰 "},
  };
  for (const Case& c : cases) {
    const std::wstring prefix = c.sales ? L"xstjbg" : L"jhtjbg";
    std::unique_ptr<MemoryHost> host = SummaryHost(prefix);
    std::unique_ptr<TradeSummaryPage> page;
    if (c.sales) {
      page = std::make_unique<SalesSummaryPage>(View());
    } else {
      page = std::make_unique<PurchaseSummaryPage>(View());
    }
    page->Open(*host, c.mode);
    host->fields.SetText(prefix + L"_edit_custom", c.filter);
    host->fields.SetText(prefix + L"_date_start", c.start);
    shown_.clear();
    EXPECT_TRUE(page->OnEvent(*host, Click(prefix + L"_btn_find")));
    EXPECT_EQ(1u, Runs()) << c.mode << c.filter;
    EXPECT_EQ(c.inputs, LastInputs(4)) << c.mode << c.filter;
    EXPECT_EQ(c.values, Column(*host, L"list" + prefix, c.cell)) << c.mode << c.filter;
    // The filter entries bound by the library make no cell of their own.
    if (host->fields.RowCount(L"list" + prefix) > 0) {
      EXPECT_FALSE(host->fields.Exists(Cell(L"list" + prefix, 0, L"item_")));
      EXPECT_FALSE(host->fields.Exists(Cell(L"list" + prefix, 0, L"item_客户名称")));
    }
  }
}

TEST_F(TradeSummaryPagesTest, ProductDetailFindAndReturn) {
  std::unique_ptr<MemoryHost> host = SummaryHost(L"xstjbg");
  SalesSummaryPage page(View());
  page.ShowSalesByProduct(*host);
  ASSERT_EQ(L"O'Brien's Tea", host->fields.Text(Cell(L"listxstjbg", 2, L"item_商品名称")));
  EXPECT_TRUE(page.OnEvent(*host, RowButton(L"listxstjbg", 2)));
  EXPECT_EQ(L"销售汇总表(商品)>>\"O'Brien's Tea\"的明细表", host->fields.Text(L"xstjbg_caption"));
  EXPECT_TRUE(host->fields.Visible(L"xstjbg_return"));
  EXPECT_EQ(L"run xstjbg_mx 10", shown_.back());
  EXPECT_EQ(
      L"2: 单据日期|80|-1 单据编号|120|-1 客户|0|-1 商品名称|0|-1 "
      L"单位|0|-1 数量|0|-1 单价|0|-1 金额|0|-1 "
      L"整单折扣额|0|-1 实际应收额|0|-1",
      HeaderOf(L"listxstjbg"));
  // The product rides in its column entry, as typed.
  EXPECT_EQ("O'Brien's Tea", runs_.back()[3].value);
  EXPECT_EQ(L"XSD20140201001 ", Column(*host, L"listxstjbg", L"item_单据编号"));
  EXPECT_EQ(L"O'Neil ", Column(*host, L"listxstjbg", L"item_客户"));

  // A find from the detail goes back to the product summary and filters it, in
  // one run.
  host->fields.SetText(L"xstjbg_edit_custom", L"苹果");
  shown_.clear();
  page.OnEvent(*host, Click(L"xstjbg_btn_find"));
  EXPECT_EQ(1u, Runs());
  EXPECT_EQ(L"销售汇总表(商品)", host->fields.Text(L"xstjbg_caption"));
  EXPECT_FALSE(host->fields.Visible(L"xstjbg_return"));
  EXPECT_EQ(L"苹果 ", Column(*host, L"listxstjbg", L"item_商品名称"));

  // The return from a detail lands in the product mode, unfiltered.
  page.LoadSaleSummaryDetail(*host, L"苹果");
  EXPECT_EQ(L"XSD20131220001 XSD20140110001 ", Column(*host, L"listxstjbg", L"item_单据编号"));
  page.OnEvent(*host, Click(L"xstjbg_return"));
  EXPECT_EQ(L"销售汇总表(商品)", host->fields.Text(L"xstjbg_caption"));
  EXPECT_FALSE(host->fields.Visible(L"xstjbg_return"));
  EXPECT_EQ(L"run xstjbg 5", shown_.back());
  EXPECT_EQ(3, host->fields.RowCount(L"listxstjbg"));

  // The purchase page's detail of a product.
  std::unique_ptr<MemoryHost> purchases = SummaryHost(L"jhtjbg");
  PurchaseSummaryPage purchasePage(View());
  purchasePage.ShowPurchaseByProduct(*purchases);
  EXPECT_TRUE(purchasePage.OnEvent(*purchases, RowButton(L"listjhtjbg", 0)));
  EXPECT_EQ(L"进货汇总表(商品)>>\"苹果\"的明细表", purchases->fields.Text(L"jhtjbg_caption"));
  EXPECT_EQ(L"JHD20140105001 ", Column(*purchases, L"listjhtjbg", L"item_单据编号"));
  EXPECT_EQ(L"华丰 ", Column(*purchases, L"listjhtjbg", L"item_供应商"));
  purchasePage.OnEvent(*purchases, Click(L"jhtjbg_return"));
  EXPECT_EQ(L"进货汇总表(商品)", purchases->fields.Text(L"jhtjbg_caption"));
}

TEST_F(TradeSummaryPagesTest, PartyAndSalesmanRowsSearchTheBillHistory) {
  std::unique_ptr<MemoryHost> host = SummaryHost(L"xstjbg");
  SalesSummaryPage page(View());
  page.ShowSalesByCustomer(*host);
  host->fields.SetText(L"xsd_date_find_start", L"2013-01-01");
  page.ShowSaleBillsOfParty(*host, L"O'Neil");
  EXPECT_EQ(L"O'Neil", host->fields.Text(L"xsd_edit_find"));
  EXPECT_EQ(L"2013-01-01",
            host->fields.Text(L"xsd_date_find_start"));  // the bill page's own dates
  std::vector<std::wstring> calls(host->calls.end() - 3, host->calls.end());
  EXPECT_EQ((std::vector<std::wstring>{L"page 销售单", L"click xsd_view_his_list", L"click xsd_btn_find"}), calls);

  page.ShowSalesBySalesman(*host);
  host->fields.SetText(L"xstjbg_date_start", L"2014-01-01");
  host->fields.SetText(L"xstjbg_date_end", L"2014-01-31");
  host->side = PageSide::kPurchase;
  page.ShowSaleBillsOfSaler(*host, L"小王");
  EXPECT_EQ(PageSide::kSales, host->side);
  EXPECT_EQ(L"小王", host->fields.Text(L"xsd_edit_find"));
  EXPECT_EQ(L"2014-01-01", host->fields.Text(L"xsd_date_find_start"));
  EXPECT_EQ(L"2014-01-31", host->fields.Text(L"xsd_date_find_end"));
  EXPECT_EQ(L"click xsd_btn_find", host->calls.back());

  std::unique_ptr<MemoryHost> purchases = SummaryHost(L"jhtjbg");
  PurchaseSummaryPage purchasePage(View());
  purchasePage.ShowPurchaseBySupplier(*purchases);
  ASSERT_EQ(L"华丰", purchases->fields.Text(Cell(L"listjhtjbg", 1, L"item_供应商")));
  EXPECT_TRUE(purchasePage.OnEvent(*purchases, RowButton(L"listjhtjbg", 1)));
  EXPECT_EQ(PageSide::kPurchase, purchases->side);
  EXPECT_EQ(L"华丰", purchases->fields.Text(L"xsd_edit_find"));
  std::vector<std::wstring> purchaseCalls(purchases->calls.end() - 3, purchases->calls.end());
  EXPECT_EQ((std::vector<std::wstring>{L"page 进货单", L"click xsd_view_his_list", L"click xsd_btn_find"}),
            purchaseCalls);
}

TEST_F(TradeSummaryPagesTest, BillHistoryPagesOpenTheBillPageInItsHistory) {
  for (const auto& c : {std::make_pair(L"销售明细表", L"page 销售单"), std::make_pair(L"进货明细表", L"page 进货单")}) {
    std::unique_ptr<MemoryHost> host = Host({L"xsd_view_his_list"});
    BillHistoryPage page;
    page.Open(*host, c.first);
    EXPECT_EQ(L"单据查询(<u>H</u>)", host->fields.Text(L"xsd_view_his_list"));
    EXPECT_EQ((std::vector<std::wstring>{c.second, L"click xsd_view_his_list"}), host->calls);
  }
  std::unique_ptr<MemoryHost> bare = Host({});
  BillHistoryPage page;
  page.Open(*bare, L"销售明细表");
  EXPECT_TRUE(bare->calls.empty());
}

}  // namespace
}  // namespace reports
