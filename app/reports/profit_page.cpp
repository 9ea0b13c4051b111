// The profit statistics.
#include "profit_page.h"

#include <cwchar>

#include "data_store.h"
#include "profit_chart.h"
#include "report_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;

constexpr const wchar_t* kList = L"listlrtjbg";

// The chart's buttons, options of the output folder's chart view, and what each
// shows when it is chosen.
void ShowBar(PageHost& host) { output::ShowBarChart(host); }
void ShowPie(PageHost& host) { output::ShowPieChart(host); }

const struct ChartControl {
  const wchar_t* name;
  void (*show)(PageHost& host);
} kChartControls[] = {
    {L"lrtjbg_btn_view_graphy", &output::ShowProfitChartOrTable},
    {L"lrtjbg_btn_view_table", &output::ShowProfitTable},
    {L"lrtjbg_chk_bar", &ShowBar},
    {L"lrtjbg_chk_pie", &ShowPie},
};

}  // namespace

ProfitPage::ProfitPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> ProfitPage::Routes() const { return {{L"利润统计表"}}; }

void ProfitPage::Open(PageHost& host, const std::wstring&) { ShowProfitSummary(host); }

bool ProfitPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (IsClick(event, L"lrtjbg_find")) {
    QueryProfitReport(host);
    return true;
  }
  if (event.kind != pagekit::EventKind::kSelectChanged) return false;
  for (const ChartControl& control : kChartControls) {
    if (event.sender != control.name) continue;
    // An option group changes two options at once; the one chosen speaks.
    if (host.Fields().Selected(control.name)) control.show(host);
    return true;
  }
  return false;
}

bool ProfitPage::OnPickerResult(PageHost& host, const pagekit::PickerResult& result) {
  if (result.kind != pagekit::PickerKind::kDropList || _wcsicmp(result.owner.c_str(), L"lrtjbg_edit_type_drop") != 0)
    return false;
  QueryProfitReport(host);
  return true;
}

void ProfitPage::ShowProfitSummary(PageHost& host) {
  host.OpenPageTab(L"利润统计表", L"mid_lrtjbg", true);
  host.Fields().SetVisible(L"lrtjbg_return", false);
  host.Fields().SetText(L"lrtjbg_caption", L"利润统计表");
  FillReport(*view_, host, kList, "lrtjbg", ColumnEntries(ColumnSet::kProfitByCustomer), kLineNumbersOnly);
}

void ProfitPage::QueryProfitReport(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(L"lrtjbg_return", false);
  fields.SetText(L"lrtjbg_caption", L"利润统计表");
  const std::wstring way = fields.Text(L"lrtjbg_edit_type");
  const std::string detail = LibraryTextOf(fields, L"lrtjbg_edit_type_detail");
  const std::string dates = PageDateCondition(fields, L"lrtjbg");
  if (way == L"按客户") {
    Record params = ColumnEntries(ColumnSet::kProfitByCustomer);
    params.push_back(ConditionEntry(ValueCondition("客户名称", "=", detail)));
    params.push_back(ConditionEntry(dates));
    FillReport(*view_, host, kList, "lrtjbg", std::move(params), kLineNumbersOnly);
  } else if (way == L"按商品") {
    Record params = ColumnEntries(ColumnSet::kProfitByProduct);
    // The library binds the product: as typed.
    params.push_back(ConditionEntry(detail));
    params.push_back(ConditionEntry(dates));
    FillReport(*view_, host, kList, "lrtjbg_hp", std::move(params), kLineNumbersOnly);
  }
}

}  // namespace reports
