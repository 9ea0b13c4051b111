// The fund statistics and an item's documents.
#include "fund_page.h"

#include <cstdio>
#include <cwchar>

#include "data_store.h"
#include "report_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::Cell;
using pagekit::PageHost;

constexpr const wchar_t* kList = L"listzjtjbg";

// A totals row: the entries' values emptied, font 1 on each, the sums in their
// columns.
Record TotalsRow(Record columns, const std::vector<std::pair<const char*, std::wstring>>& sums) {
  for (DataField& entry : columns) {
    entry.value.clear();
    entry.extra = 1;
    for (const auto& sum : sums)
      if (entry.name == sum.first) entry.value = pagekit::LibraryText(sum.second);
  }
  return columns;
}

void MarkTotalsLine(pagekit::PageFields& fields, int row) {
  fields.SetText(Cell(kList, row, L"item_line_num"), L"合计");
  fields.SetAttribute(Cell(kList, row, L"item_line_num"), L"font", L"1");
}

}  // namespace

std::wstring SumOfCells(const pagekit::PageFields& fields, const std::wstring& list, const std::wstring& cell) {
  double sum = 0;
  for (int row = 0; row < fields.RowCount(list); ++row) {
    if (!fields.Exists(Cell(list, row, cell))) continue;
    sum += std::wcstod(fields.Text(Cell(list, row, cell)).c_str(), nullptr);
  }
  char text[64];
  std::snprintf(text, sizeof(text), "%.02f", sum);
  return pagekit::PageText(text);
}

FundPage::FundPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> FundPage::Routes() const { return {{L"资金统计表"}}; }

void FundPage::Open(PageHost& host, const std::wstring&) { ShowFundSummary(host); }

bool FundPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (IsClick(event, L"zjtjbg_find") || IsClick(event, L"zjtjbg_return")) {
    QueryFundSummary(host);
    return true;
  }
  const pagekit::RowAction action = RowActionOf(host, event, kList);
  if (action.request != pagekit::RowRequest::kFundDetail) return false;
  // The 合计 row names no item.
  if (!action.cells.front().second.empty()) LoadFundSummaryDetail(host, action.cells.front().second);
  return true;
}

void FundPage::ShowSummaryState(PageHost& host) {
  host.Fields().SetVisible(L"zjtjbg_return", false);
  host.Fields().SetText(L"zjtjbg_caption", L"资金统计表");
}

void FundPage::RunSummary(PageHost& host, Record params) {
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(kList)) return;
  FillReport(*view_, host, kList, "zjtjbg", params, kLineNumbersAndDetail);
  const Record totals =
      TotalsRow(ColumnEntries(ColumnSet::kFundSummary),
                {{"收入", SumOfCells(fields, kList, L"item_收入")}, {"支出", SumOfCells(fields, kList, L"item_支出")}});
  const int row = view_->AddRow(host, kList, totals);
  if (row < 0) return;
  fields.SetVisible(Cell(kList, row, L"item_reserve"), false);
  fields.SetVisible(Cell(kList, row, L"item_chk"), false);
  MarkTotalsLine(fields, row);
}

void FundPage::ShowFundSummary(PageHost& host) {
  host.OpenPageTab(L"资金统计表", L"mid_zjtjbg", true);
  fundDateCondition_.clear();
  ShowSummaryState(host);
  RunSummary(host, ColumnEntries(ColumnSet::kFundSummary));
}

void FundPage::QueryFundSummary(PageHost& host) {
  ShowSummaryState(host);
  const pagekit::PageFields& fields = host.Fields();
  const std::string filter = TwoPartCondition("项目类别", LibraryTextOf(fields, L"zjtjbg_edit_type"), "项目名称",
                                              LibraryTextOf(fields, L"zjtjbg_edit_project"));
  const std::string dates = PageDateCondition(fields, L"zjtjbg");
  Record params = ColumnEntries(ColumnSet::kFundSummary);
  params.push_back(ConditionEntry(filter));
  params.push_back(ConditionEntry(dates));
  fundDateCondition_ = dates;
  RunSummary(host, std::move(params));
}

void FundPage::LoadFundSummaryDetail(PageHost& host, const std::wstring& item) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(L"zjtjbg_return", true);
  fields.SetText(L"zjtjbg_caption", L"资金统计表明细>>" + item);
  if (!fields.Exists(kList)) return;
  Record params = ColumnEntries(ColumnSet::kFundDetail);
  // The library binds the item: its name as typed.
  params.push_back(ConditionEntry(pagekit::LibraryText(item)));
  params.push_back(ConditionEntry(fundDateCondition_));
  FillReport(*view_, host, kList, "zjtjbgmx", params, kLineNumbersOnly);
  const Record totals =
      TotalsRow(ColumnEntries(ColumnSet::kFundDetail), {{"金额", SumOfCells(fields, kList, L"item_金额")}});
  const int row = view_->AddRow(host, kList, totals);
  if (row >= 0) MarkTotalsLine(fields, row);
}

}  // namespace reports
