// The sales and purchase summaries.
#include "trade_summary_page.h"

#include <cwchar>

#include "data_store.h"
#include "report_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;
using pagekit::PageSide;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

TradeSummaryPage::TradeSummaryPage(SideInfo side, std::unique_ptr<ReportView> view)
    : side_(std::move(side)), view_(std::move(view)) {}

SalesSummaryPage::SalesSummaryPage(std::unique_ptr<ReportView> view)
    : TradeSummaryPage({L"xstjbg",
                        PageSide::kSales,
                        {{SummaryMode::kProduct, L"销售汇总表(商品)", "xstjbg", ColumnSet::kSalesByProduct},
                         {SummaryMode::kParty, L"销售汇总表(客户)", "xstjbg_kh", ColumnSet::kSalesByCustomer},
                         {SummaryMode::kSalesman, L"销售汇总表(业务员)", "xstjbg_ywy", ColumnSet::kSalesBySalesman}},
                        "商品名称",
                        "xstjbg_mx",
                        ColumnSet::kSalesDetail,
                        L"销售单"},
                       std::move(view)) {}

PurchaseSummaryPage::PurchaseSummaryPage(std::unique_ptr<ReportView> view)
    : TradeSummaryPage({L"jhtjbg",
                        PageSide::kPurchase,
                        {{SummaryMode::kProduct, L"进货汇总表(商品)", "jhtjbg", ColumnSet::kPurchaseByProduct},
                         {SummaryMode::kParty, L"进货汇总表(供应商)", "jhtjbg_gys", ColumnSet::kPurchaseBySupplier}},
                        // The purchase product mode compares its filter with
                        // the bills' party.
                        "客户名称",
                        "jhtjbg_mx",
                        ColumnSet::kPurchaseDetail,
                        L"进货单"},
                       std::move(view)) {}

std::vector<pagekit::PageRoute> TradeSummaryPage::Routes() const {
  std::vector<pagekit::PageRoute> routes;
  for (const ModeInfo& mode : side_.modes) routes.push_back({mode.caption, true, side_.side});
  return routes;
}

void TradeSummaryPage::Open(PageHost& host, const std::wstring& name) {
  for (const ModeInfo& mode : side_.modes) {
    if (_wcsicmp(mode.caption, name.c_str()) != 0) continue;
    OpenMode(host, mode.mode);
    return;
  }
  OpenMode(host, SummaryMode::kProduct);
}

bool TradeSummaryPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (IsClick(event, Name(L"_return").c_str())) {
    SetSummaryMode(host);
    return true;
  }
  if (IsClick(event, Name(L"_btn_find").c_str())) {
    QuerySummary(host);
    return true;
  }
  const pagekit::RowAction action = RowActionOf(host, event, List());
  if (action.request != pagekit::RowRequest::kSalesSummaryDetail &&
      action.request != pagekit::RowRequest::kPurchaseSummaryDetail)
    return false;
  const std::wstring value = action.cells.front().second;
  const SummaryMode mode = ModeOfCaption(host);
  if (mode == SummaryMode::kProduct) {
    LoadSummaryDetail(host, value);
  } else {
    ShowBillsOf(host, value, mode);
  }
  return true;
}

const TradeSummaryPage::ModeInfo& TradeSummaryPage::Mode(SummaryMode mode) const {
  for (const ModeInfo& info : side_.modes)
    if (info.mode == mode) return info;
  return side_.modes[1];
}

SummaryMode TradeSummaryPage::ModeOfCaption(PageHost& host) const {
  const std::wstring caption = host.Fields().Text(Name(L"_caption"));
  for (const ModeInfo& info : side_.modes)
    if (info.mode != SummaryMode::kParty && StartsWith(caption, info.caption)) return info.mode;
  return SummaryMode::kParty;
}

SummaryMode TradeSummaryPage::RestoreCaption(PageHost& host) {
  host.Fields().SetVisible(Name(L"_return"), false);
  const SummaryMode mode = ModeOfCaption(host);
  host.Fields().SetText(Name(L"_caption"), Mode(mode).caption);
  return mode;
}

void TradeSummaryPage::OpenMode(PageHost& host, SummaryMode mode) {
  const ModeInfo& info = Mode(mode);
  host.Fields().SetVisible(Name(L"_return"), false);
  host.Fields().SetText(Name(L"_caption"), info.caption);
  host.OpenPageTab(info.caption, L"mid_" + std::wstring(side_.prefix), true);
  host.SetSide(side_.side);
  // The keys list nothing without the entries of their filter: the unfiltered
  // summary has them, empty.
  FillReport(*view_, host, List(), info.key, ModeEntries(host, mode, std::string(), std::string()),
             kLineNumbersAndDetail);
}

void TradeSummaryPage::SetSummaryMode(PageHost& host) { OpenMode(host, RestoreCaption(host)); }

Record TradeSummaryPage::ModeEntries(PageHost& host, SummaryMode mode, const std::string& filter,
                                     const std::string& dates) const {
  ColumnSet columns = Mode(mode).columns;
  // The customer mode's columns follow the side the window is on.
  if (mode == SummaryMode::kParty && host.Side() == PageSide::kPurchase) columns = ColumnSet::kPurchaseBySupplier;
  Record params = ColumnEntries(columns);
  if (mode == SummaryMode::kProduct) {
    params.push_back(ConditionEntry(JoinCondition(dates, ValueCondition(side_.productFilter, "==", filter))));
  } else {
    // The library binds the filter; the sales customer mode names its entry.
    const bool named = mode == SummaryMode::kParty && side_.side == PageSide::kSales;
    params.push_back(InputEntry(named ? "客户名称" : "", filter));
    params.push_back(ConditionEntry(dates));
  }
  return params;
}

void TradeSummaryPage::QuerySummary(PageHost& host) {
  // The caption and mode come back without listing the unfiltered summary
  // first.
  const SummaryMode mode = RestoreCaption(host);
  const pagekit::PageFields& fields = host.Fields();
  const std::string dates = PageDateCondition(fields, side_.prefix);
  const std::string filter = LibraryTextOf(fields, Name(L"_edit_custom").c_str());
  FillReport(*view_, host, List(), Mode(mode).key, ModeEntries(host, mode, filter, dates), kLineNumbersAndDetail);
}

void TradeSummaryPage::LoadSummaryDetail(PageHost& host, const std::wstring& product) {
  host.Fields().SetVisible(Name(L"_return"), true);
  host.Fields().SetText(Name(L"_caption"),
                        std::wstring(Mode(SummaryMode::kProduct).caption) + L">>\"" + product + L"\"的明细表");
  Record params = ColumnEntries(side_.detailColumns);
  for (DataField& entry : params)
    if (entry.name == "商品名称") entry.value = pagekit::LibraryText(product);
  FillReport(*view_, host, List(), side_.detailKey, std::move(params), kLineNumbersOnly);
}

void TradeSummaryPage::ShowBillsOf(PageHost& host, const std::wstring& name, SummaryMode mode) {
  host.SetSide(side_.side);
  host.OpenPageByName(side_.billPage);
  host.ClickControl(L"xsd_view_his_list");
  pagekit::PageFields& fields = host.Fields();
  if (!fields.SetText(L"xsd_edit_find", name)) return;
  if (mode == SummaryMode::kSalesman) {
    // The salesman's bills within the summary's dates.
    for (const auto& dates :
         {std::make_pair(L"_date_start", L"xsd_date_find_start"), std::make_pair(L"_date_end", L"xsd_date_find_end")}) {
      SYSTEMTIME date = {};
      if (fields.Date(Name(dates.first), &date)) {
        fields.SetDate(dates.second, date);
      } else {
        fields.SetText(dates.second, fields.Text(Name(dates.first)));
      }
    }
  }
  host.ClickControl(L"xsd_btn_find");
}

}  // namespace reports
