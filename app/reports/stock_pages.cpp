// The stock statistics, the stock ledger and the stock warning.
#include "stock_pages.h"

#include "data_store.h"
#include "report_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;

constexpr const wchar_t* kStockList = L"listkctjbg";
constexpr const wchar_t* kAlertList = L"listkcyjbg";

}  // namespace

StockSummaryPage::StockSummaryPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> StockSummaryPage::Routes() const { return {{L"库存统计表"}}; }

void StockSummaryPage::Open(PageHost& host, const std::wstring&) { ShowStockSummary(host); }

bool StockSummaryPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  // The way back keeps the user's filters: it is the query again.
  if (IsClick(event, L"kctjbg_find") || IsClick(event, L"kctjbg_return")) {
    QueryStockSummary(host);
    return true;
  }
  const pagekit::RowAction action = RowActionOf(host, event, kStockList);
  if (action.request != pagekit::RowRequest::kStockLedger) return false;
  LoadStockLedger(host, action.cells.front().second);
  return true;
}

void StockSummaryPage::ShowSummaryState(PageHost& host) {
  host.Fields().SetVisible(L"kctjbg_return", false);
  host.Fields().SetText(L"kctjbg_caption", L"库存统计表");
  if (!host.Fields().Exists(kStockList)) return;
  host.Fields().ClearRows(kStockList);
  view_->BuildStockSummaryHeader(host, kStockList, kDetailButton);
}

void StockSummaryPage::ShowStockSummary(PageHost& host) {
  host.OpenPageTab(L"库存统计表", L"mid_kctjbg", true);
  stockDateCondition_.clear();
  ShowSummaryState(host);
  if (!host.Fields().Exists(kStockList)) return;
  Record params = ColumnEntries(ColumnSet::kStockSummary);
  view_->RunReport(host, kStockList, "kctjbg", &params);
}

void StockSummaryPage::QueryStockSummary(PageHost& host) {
  ShowSummaryState(host);
  const pagekit::PageFields& fields = host.Fields();
  const std::string filter = TwoPartCondition("商品类别", LibraryTextOf(fields, L"kctjbg_edit_type"), "商品名称",
                                              LibraryTextOf(fields, L"kctjbg_edit_product"));
  const std::string dates = PageDateCondition(fields, L"kctjbg");
  Record params = ColumnEntries(ColumnSet::kStockSummary);
  params.push_back(ConditionEntry(filter));
  params.push_back(ConditionEntry(dates));
  stockDateCondition_ = dates;
  if (!fields.Exists(kStockList)) return;
  view_->RunReport(host, kStockList, "kctjbg", &params);
}

void StockSummaryPage::LoadStockLedger(PageHost& host, const std::wstring& product) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(L"kctjbg_return", true);
  fields.SetText(L"kctjbg_caption", L"库存统计表>>\"" + product + L"\"明细账");
  if (!fields.Exists(kStockList)) return;
  fields.ClearRows(kStockList);
  view_->BuildStockLedgerHeader(host, kStockList);
  Record params = ColumnEntries(ColumnSet::kStockLedger);
  params.push_back(InputEntry("商品名称", pagekit::LibraryText(product)));
  params.push_back(ConditionEntry(stockDateCondition_));
  view_->RunReport(host, kStockList, "kctjbgmx", &params);
}

StockAlertPage::StockAlertPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> StockAlertPage::Routes() const { return {{L"库存预警"}}; }

void StockAlertPage::Open(PageHost& host, const std::wstring&) { ShowStockAlert(host); }

bool StockAlertPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (!IsClick(event, L"kcyjbg_find")) return false;
  QueryStockAlert(host);
  return true;
}

void StockAlertPage::ShowStockAlert(PageHost& host) {
  host.OpenPageTab(L"库存预警", L"mid_kcyjbg", true);
  FillReport(*view_, host, kAlertList, "kcyjbg", ColumnEntries(ColumnSet::kStockWarning), kLineNumbersOnly);
}

void StockAlertPage::QueryStockAlert(PageHost& host) {
  Record params = ColumnEntries(ColumnSet::kStockWarning);
  // An empty status adds no entry: the report runs as when the page opens.
  const std::string status = LibraryTextOf(host.Fields(), L"kcyjbg_edit_status");
  if (!status.empty()) params.push_back(ConditionEntry(status));
  FillReport(*view_, host, kAlertList, "kcyjbg", std::move(params), kLineNumbersOnly);
}

}  // namespace reports
