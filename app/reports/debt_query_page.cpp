// The receivable and payable query page.
#include "debt_query_page.h"

#include "data_store.h"
#include "report_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;
using pagekit::PageSide;

constexpr const wchar_t* kList = L"listysqkbg";

bool Purchase(PageHost& host) { return host.Side() == PageSide::kPurchase; }

const wchar_t* TitleOf(bool purchase) { return purchase ? L"应付款查询" : L"应收款查询"; }

}  // namespace

DebtQueryPage::DebtQueryPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> DebtQueryPage::Routes() const {
  return {{L"应收款查询", true, PageSide::kSales}, {L"应付款查询", true, PageSide::kPurchase}};
}

void DebtQueryPage::Open(PageHost& host, const std::wstring& name) {
  if (_wcsicmp(name.c_str(), L"应付款查询") == 0) {
    ShowPayableSummary(host);
  } else {
    ShowReceivableSummary(host);
  }
}

bool DebtQueryPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (IsClick(event, L"ysqkbg_btn_find")) {
    LoadDebtSummary(host);
    return true;
  }
  if (IsClick(event, L"ysqkbg_return")) {
    ReturnFromDebtDetail(host);
    return true;
  }
  const pagekit::RowAction action = RowActionOf(host, event, kList);
  if (action.request != pagekit::RowRequest::kPartyBalanceDetail) return false;
  // A drill-down from the summary shows every date of the party.
  LoadDebtDetailOfRow(host, action.cells.front().second, std::string());
  return true;
}

void DebtQueryPage::ShowReceivableSummary(PageHost& host) { ShowSummary(host, PageSide::kSales); }

void DebtQueryPage::ShowPayableSummary(PageHost& host) { ShowSummary(host, PageSide::kPurchase); }

void DebtQueryPage::ShowSummary(PageHost& host, PageSide side) {
  const bool purchase = side == PageSide::kPurchase;
  host.OpenPageTab(TitleOf(purchase), L"mid_ysqkbg", true);
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(L"ysqkbg_return", false);
  fields.SetText(L"ysqkbg_edit_custom", L"");
  fields.SetVisible(L"ysqkbg_edit_custom", true);
  fields.SetVisible(L"ysqkbg_edit_custom_drop", true);
  host.SetSide(side);
  fields.SetText(L"ysqkbg_caption", TitleOf(purchase));
  fields.SetText(L"ysqkbg_edit_custom", L"");
  fields.SetHint(L"ysqkbg_edit_custom", purchase ? L"全部供应商" : L"全部客户");
  FillReport(*view_, host, kList, purchase ? "yfqkbg" : "ysqkbg",
             ColumnEntries(purchase ? ColumnSet::kPayableSummary : ColumnSet::kReceivableSummary),
             kLineNumbersAndDetail);
}

void DebtQueryPage::LoadDebtSummary(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const std::string dates = PageDateCondition(fields, L"ysqkbg");
  if (fields.Visible(L"ysqkbg_return")) {
    LoadDebtDetailOfRow(host, fields.Text(L"ysqkbg_edit_custom"), dates);
    return;
  }
  const bool purchase = Purchase(host);
  Record params = ColumnEntries(purchase ? ColumnSet::kPayableSummary : ColumnSet::kReceivableSummary);
  params.push_back(ConditionEntry(ValueCondition("客户名称", "=", LibraryTextOf(fields, L"ysqkbg_edit_custom"))));
  params.push_back(ConditionEntry(dates));
  FillReport(*view_, host, kList, purchase ? "yfqkbg" : "ysqkbg", std::move(params), kLineNumbersAndDetail);
}

void DebtQueryPage::LoadDebtDetailOfRow(PageHost& host, const std::wstring& party, const std::string& dates) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(L"ysqkbg_return", true);
  fields.SetText(L"ysqkbg_edit_custom", party);
  fields.SetVisible(L"ysqkbg_edit_custom", false);
  fields.SetVisible(L"ysqkbg_edit_custom_drop", false);
  const bool purchase = Purchase(host);
  fields.SetText(L"ysqkbg_caption", std::wstring(TitleOf(purchase)) + L">>\"" + party + L"\"的明细账");
  Record params = ColumnEntries(purchase ? ColumnSet::kPayableLedger : ColumnSet::kReceivableLedger);
  params.push_back(ConditionEntry(dates));
  params.push_back(PartyEntry(pagekit::LibraryText(party)));
  FillReport(*view_, host, kList, purchase ? "yfqkbg_mod" : "ysqkbg_mod", std::move(params), kLineNumbersOnly);
}

void DebtQueryPage::ReturnFromDebtDetail(PageHost& host) {
  host.Fields().SetVisible(L"ysqkbg_return", false);
  const bool purchase = Purchase(host);
  host.Fields().SetText(L"ysqkbg_caption", TitleOf(purchase));
  ShowSummary(host, host.Side());
}

}  // namespace reports
