// The report pages' table: every column set as the vector the keys fill (names,
// order, widths, cell numbers, nothing hidden), every page's panel, list, side,
// key and header style, and the entries after the columns.
#include "report_columns.h"

#include <gtest/gtest.h>

#include "data_store.h"

namespace reports {
namespace {

std::wstring Describe(const Record& entries) {
  std::wstring text;
  for (const DataField& entry : entries) {
    text += pagekit::PageText(entry.name);
    if (entry.width != 0) text += L"/" + std::to_wstring(entry.width);
    if (entry.index >= 0) text += L"#" + std::to_wstring(entry.index);
    if (entry.hidden != 0 || !entry.value.empty() || entry.valueType != 0) text += L"!";
    text += L" ";
  }
  return text;
}

TEST(ReportColumnsTest, EveryColumnSetAsTheKeysFillIt) {
  struct Case {
    ColumnSet set;
    const wchar_t* columns;
  };
  const Case cases[] = {
      {ColumnSet::kReceivableSummary, L"客户名称 期初应收款 增加应收款 收回应收款 期末应收款 "},
      {ColumnSet::kPayableSummary, L"供应商名称 期初应付款 增加应付款 支付应付款 期末应付款 "},
      {ColumnSet::kReceivableLedger, L"业务日期 业务编号 摘要 增加应收款 收回应收款 期末应收款 "},
      {ColumnSet::kPayableLedger, L"业务日期 业务编号 摘要 增加应付款 支付应付款 期末应付款 "},
      {ColumnSet::kCustomerStatement,
       L"商品名称/200 单位 数量 单价 金额 备注/100 折扣额 增加应收款/70 "
       L"收回应收款/70 期末应收款/70 "},
      {ColumnSet::kSupplierStatement,
       L"商品名称/200 单位 数量 单价 金额 备注/100 折扣额 增加应付款/70 "
       L"支付应付款/70 期末应付款/70 "},
      {ColumnSet::kSalesByProduct, L"商品名称 单位 数量 金额 "},
      {ColumnSet::kSalesByCustomer, L"客户 销售金额 折扣金额 实际销售金额 "},
      {ColumnSet::kSalesBySalesman, L"业务员 销售金额 折扣金额 实际销售金额 "},
      {ColumnSet::kPurchaseByProduct, L"商品名称 单位 数量 金额 "},
      {ColumnSet::kPurchaseBySupplier, L"供应商 进货金额 折扣金额 折后应付金额 "},
      {ColumnSet::kSalesDetail,
       L"单据日期/80 单据编号/120 客户 商品名称 单位 "
       L"数量 单价 金额 整单折扣额 实际应收额 "},
      {ColumnSet::kPurchaseDetail,
       L"单据日期/80 单据编号/120 供应商 商品名称 单位 数量 单价 金额 "
       L"整单折扣额 实际应付额 "},
      {ColumnSet::kStockSummary,
       L"商品名称 单位 数量#0 金额#0 数量#1 金额#1 "
       L"数量#2 金额#2 数量#3 金额#3 "},
      {ColumnSet::kStockLedger,
       L"业务类型 业务日期 交易单位 数量#0 单价#0 金额#0 数量#1 单价#1 金额#1 "
       L"数量#2 单价#2 金额#2 "},
      {ColumnSet::kStockWarning,
       L"商品名称/200 单位 最高存量 最低存量 "
       L"当前存量 状态 超出/短缺库存数量/120 "},
      {ColumnSet::kFundSummary, L"收支项目 收入 支出 "},
      {ColumnSet::kFundDetail, L"业务日期 业务编号/120 摘要 往来单位/150 收支项目 金额 "},
      {ColumnSet::kProfitByCustomer, L"客户名称/200 折后金额 成本金额 利润金额 利润率 "},
      {ColumnSet::kProfitByProduct, L"商品名称/200 单位/40 数量 折后金额 成本金额 利润金额 利润率 "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.columns, Describe(ColumnEntries(c.set))) << c.columns;
}

TEST(ReportColumnsTest, EveryPageOfTheTable) {
  struct Case {
    const wchar_t* title;
    const wchar_t* panel;
    const wchar_t* list;
    ReportSide side;
    const char* key;
    size_t columns;
    int style;
  };
  const ReportSide S = ReportSide::kSales, P = ReportSide::kPurchase, N = ReportSide::kNone;
  const Case cases[] = {
      {L"应收款查询", L"mid_ysqkbg", L"listysqkbg", S, "ysqkbg", 5, 0x12},
      {L"应付款查询", L"mid_ysqkbg", L"listysqkbg", P, "yfqkbg", 5, 0x12},
      {L"应收款明细表", L"mid_ysqkmx", L"listysqkmx", S, nullptr, 6, 0x02},
      {L"应付款明细表", L"mid_ysqkmx", L"listysqkmx", P, nullptr, 6, 0x02},
      {L"客户对账单", L"mid_ysdzd", L"listysdzd", S, nullptr, 10, 0x02},
      {L"供应商对账单", L"mid_yfdzd", L"listyfdzd", P, nullptr, 10, 0x02},
      {L"销售汇总表(商品)", L"mid_xstjbg", L"listxstjbg", S, "xstjbg", 4, 0x12},
      {L"销售汇总表(客户)", L"mid_xstjbg", L"listxstjbg", S, "xstjbg_kh", 4, 0x12},
      {L"销售汇总表(业务员)", L"mid_xstjbg", L"listxstjbg", S, "xstjbg_ywy", 4, 0x12},
      {L"进货汇总表(商品)", L"mid_jhtjbg", L"listjhtjbg", P, "jhtjbg", 4, 0x12},
      {L"进货汇总表(供应商)", L"mid_jhtjbg", L"listjhtjbg", P, "jhtjbg_gys", 4, 0x12},
      {L"库存统计表", L"mid_kctjbg", L"listkctjbg", N, "kctjbg", 10, 0},
      {L"库存预警", L"mid_kcyjbg", L"listkcyjbg", N, "kcyjbg", 7, 0x02},
      {L"资金统计表", L"mid_zjtjbg", L"listzjtjbg", N, "zjtjbg", 3, 0x12},
      {L"利润统计表", L"mid_lrtjbg", L"listlrtjbg", N, "lrtjbg", 5, 0x02},
  };
  EXPECT_EQ(sizeof(cases) / sizeof(cases[0]), ReportPages().size());
  for (const Case& c : cases) {
    const ReportPageInfo* page = FindReportPage(c.title);
    ASSERT_NE(nullptr, page) << c.title;
    EXPECT_STREQ(c.panel, page->panel) << c.title;
    EXPECT_STREQ(c.list, page->list) << c.title;
    EXPECT_EQ(c.side, page->side) << c.title;
    EXPECT_STREQ(c.key, page->key) << c.title;
    EXPECT_EQ(c.columns, ColumnEntries(page->columns).size()) << c.title;
    EXPECT_EQ(c.style, page->style) << c.title;
  }
  EXPECT_EQ(nullptr, FindReportPage(L"销售明细表"));
}

TEST(ReportColumnsTest, EntriesAfterTheColumns) {
  const DataField condition = ConditionEntry("单据日期>='2014-01-01' ");
  EXPECT_EQ("单据日期>='2014-01-01' ", condition.name);
  EXPECT_EQ(".", condition.value);
  EXPECT_EQ("", condition.op);
  EXPECT_EQ(2, condition.valueType);
  EXPECT_EQ(1, condition.hidden);
  const DataField party = PartyEntry("O'Neil");
  EXPECT_EQ("客户名称", party.name);
  EXPECT_EQ("O'Neil", party.value);  // bound by the library: as typed
  EXPECT_EQ("=", party.op);
  EXPECT_EQ(0, party.valueType);
  EXPECT_EQ(1, party.hidden);
}

}  // namespace
}  // namespace reports
