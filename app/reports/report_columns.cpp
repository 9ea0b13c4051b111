// The report pages' column sets and page table.
#include "report_columns.h"

#include <cwchar>

#include "list_conditions.h"

namespace reports {
namespace {

struct ColumnSetEntry {
  ColumnSet set;
  std::vector<ReportColumn> columns;
};

const std::vector<ColumnSetEntry>& ColumnSets() {
  static const std::vector<ColumnSetEntry> kSets = {
      {ColumnSet::kReceivableSummary, {{"客户名称"}, {"期初应收款"}, {"增加应收款"}, {"收回应收款"}, {"期末应收款"}}},
      {ColumnSet::kPayableSummary, {{"供应商名称"}, {"期初应付款"}, {"增加应付款"}, {"支付应付款"}, {"期末应付款"}}},
      {ColumnSet::kReceivableLedger,
       {{"业务日期"}, {"业务编号"}, {"摘要"}, {"增加应收款"}, {"收回应收款"}, {"期末应收款"}}},
      {ColumnSet::kPayableLedger,
       {{"业务日期"}, {"业务编号"}, {"摘要"}, {"增加应付款"}, {"支付应付款"}, {"期末应付款"}}},
      {ColumnSet::kCustomerStatement,
       {{"商品名称", 200},
        {"单位"},
        {"数量"},
        {"单价"},
        {"金额"},
        {"备注", 100},
        {"折扣额"},
        {"增加应收款", 70},
        {"收回应收款", 70},
        {"期末应收款", 70}}},
      {ColumnSet::kSupplierStatement,
       {{"商品名称", 200},
        {"单位"},
        {"数量"},
        {"单价"},
        {"金额"},
        {"备注", 100},
        {"折扣额"},
        {"增加应付款", 70},
        {"支付应付款", 70},
        {"期末应付款", 70}}},
      {ColumnSet::kSalesByProduct, {{"商品名称"}, {"单位"}, {"数量"}, {"金额"}}},
      {ColumnSet::kSalesByCustomer, {{"客户"}, {"销售金额"}, {"折扣金额"}, {"实际销售金额"}}},
      {ColumnSet::kSalesBySalesman, {{"业务员"}, {"销售金额"}, {"折扣金额"}, {"实际销售金额"}}},
      {ColumnSet::kPurchaseByProduct, {{"商品名称"}, {"单位"}, {"数量"}, {"金额"}}},
      {ColumnSet::kPurchaseBySupplier, {{"供应商"}, {"进货金额"}, {"折扣金额"}, {"折后应付金额"}}},
      {ColumnSet::kSalesDetail,
       {{"单据日期", 80},
        {"单据编号", 120},
        {"客户"},
        {"商品名称"},
        {"单位"},
        {"数量"},
        {"单价"},
        {"金额"},
        {"整单折扣额"},
        {"实际应收额"}}},
      {ColumnSet::kPurchaseDetail,
       {{"单据日期", 80},
        {"单据编号", 120},
        {"供应商"},
        {"商品名称"},
        {"单位"},
        {"数量"},
        {"单价"},
        {"金额"},
        {"整单折扣额"},
        {"实际应付额"}}},
      {ColumnSet::kStockSummary,
       {{"商品名称"},
        {"单位"},
        {"数量", 0, 0},
        {"金额", 0, 0},
        {"数量", 0, 1},
        {"金额", 0, 1},
        {"数量", 0, 2},
        {"金额", 0, 2},
        {"数量", 0, 3},
        {"金额", 0, 3}}},
      {ColumnSet::kStockLedger,
       {{"业务类型"},
        {"业务日期"},
        {"交易单位"},
        {"数量", 0, 0},
        {"单价", 0, 0},
        {"金额", 0, 0},
        {"数量", 0, 1},
        {"单价", 0, 1},
        {"金额", 0, 1},
        {"数量", 0, 2},
        {"单价", 0, 2},
        {"金额", 0, 2}}},
      {ColumnSet::kStockWarning,
       {{"商品名称", 200}, {"单位"}, {"最高存量"}, {"最低存量"}, {"当前存量"}, {"状态"}, {"超出/短缺库存数量", 120}}},
      {ColumnSet::kFundSummary, {{"收支项目"}, {"收入"}, {"支出"}}},
      {ColumnSet::kFundDetail, {{"业务日期"}, {"业务编号", 120}, {"摘要"}, {"往来单位", 150}, {"收支项目"}, {"金额"}}},
      {ColumnSet::kProfitByCustomer, {{"客户名称", 200}, {"折后金额"}, {"成本金额"}, {"利润金额"}, {"利润率"}}},
      {ColumnSet::kProfitByProduct,
       {{"商品名称", 200}, {"单位", 40}, {"数量"}, {"折后金额"}, {"成本金额"}, {"利润金额"}, {"利润率"}}},
  };
  return kSets;
}

}  // namespace

const std::vector<ReportColumn>& Columns(ColumnSet set) {
  for (const ColumnSetEntry& entry : ColumnSets())
    if (entry.set == set) return entry.columns;
  static const std::vector<ReportColumn> kNone;
  return kNone;
}

const std::vector<ReportPageInfo>& ReportPages() {
  using S = ReportSide;
  using C = ColumnSet;
  static const std::vector<ReportPageInfo> kPages = {
      {L"应收款查询", L"mid_ysqkbg", L"listysqkbg", S::kSales, "ysqkbg", C::kReceivableSummary, kLineNumbersAndDetail},
      {L"应付款查询", L"mid_ysqkbg", L"listysqkbg", S::kPurchase, "yfqkbg", C::kPayableSummary, kLineNumbersAndDetail},
      {L"应收款明细表", L"mid_ysqkmx", L"listysqkmx", S::kSales, nullptr, C::kReceivableLedger, kLineNumbersOnly},
      {L"应付款明细表", L"mid_ysqkmx", L"listysqkmx", S::kPurchase, nullptr, C::kPayableLedger, kLineNumbersOnly},
      {L"客户对账单", L"mid_ysdzd", L"listysdzd", S::kSales, nullptr, C::kCustomerStatement, kLineNumbersOnly},
      {L"供应商对账单", L"mid_yfdzd", L"listyfdzd", S::kPurchase, nullptr, C::kSupplierStatement, kLineNumbersOnly},
      {L"销售汇总表(商品)", L"mid_xstjbg", L"listxstjbg", S::kSales, "xstjbg", C::kSalesByProduct,
       kLineNumbersAndDetail},
      {L"销售汇总表(客户)", L"mid_xstjbg", L"listxstjbg", S::kSales, "xstjbg_kh", C::kSalesByCustomer,
       kLineNumbersAndDetail},
      {L"销售汇总表(业务员)", L"mid_xstjbg", L"listxstjbg", S::kSales, "xstjbg_ywy", C::kSalesBySalesman,
       kLineNumbersAndDetail},
      {L"进货汇总表(商品)", L"mid_jhtjbg", L"listjhtjbg", S::kPurchase, "jhtjbg", C::kPurchaseByProduct,
       kLineNumbersAndDetail},
      {L"进货汇总表(供应商)", L"mid_jhtjbg", L"listjhtjbg", S::kPurchase, "jhtjbg_gys", C::kPurchaseBySupplier,
       kLineNumbersAndDetail},
      {L"库存统计表", L"mid_kctjbg", L"listkctjbg", S::kNone, "kctjbg", C::kStockSummary, 0},
      {L"库存预警", L"mid_kcyjbg", L"listkcyjbg", S::kNone, "kcyjbg", C::kStockWarning, kLineNumbersOnly},
      {L"资金统计表", L"mid_zjtjbg", L"listzjtjbg", S::kNone, "zjtjbg", C::kFundSummary, kLineNumbersAndDetail},
      {L"利润统计表", L"mid_lrtjbg", L"listlrtjbg", S::kNone, "lrtjbg", C::kProfitByCustomer, kLineNumbersOnly},
  };
  return kPages;
}

const ReportPageInfo* FindReportPage(const std::wstring& title) {
  for (const ReportPageInfo& page : ReportPages())
    if (_wcsicmp(page.title, title.c_str()) == 0) return &page;
  return nullptr;
}

Record ColumnEntries(ColumnSet set) {
  Record entries;
  for (const ReportColumn& column : Columns(set)) {
    DataField entry = MakeDataField(column.name, "");
    entry.width = column.width;
    entry.index = column.index;
    entries.push_back(entry);
  }
  return entries;
}

DataField ConditionEntry(const std::string& text) { return pagekit::RawCondition(text); }

DataField InputEntry(const std::string& name, const std::string& value) {
  DataField entry = MakeDataField(name, value);
  entry.hidden = 1;
  return entry;
}

DataField PartyEntry(const std::string& party) { return InputEntry("客户名称", party); }

}  // namespace reports
