// The receivable and payable detail pages.
#include "debt_detail_page.h"

#include "data_store.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;
using pagekit::PageSide;

constexpr const wchar_t* kList = L"listysqkmx";
constexpr int kEmptyLines = 50;

ColumnSet LedgerOf(PageSide side) {
  return side == PageSide::kPurchase ? ColumnSet::kPayableLedger : ColumnSet::kReceivableLedger;
}

}  // namespace

DebtDetailPage::DebtDetailPage(std::unique_ptr<ReportView> view, LocalClock clock)
    : view_(std::move(view)), clock_(clock) {}

std::vector<pagekit::PageRoute> DebtDetailPage::Routes() const {
  return {{L"应收款明细表", true, PageSide::kSales}, {L"应付款明细表", true, PageSide::kPurchase}};
}

void DebtDetailPage::Open(PageHost& host, const std::wstring& name) {
  if (_wcsicmp(name.c_str(), L"应付款明细表") == 0) {
    ShowPayableDetailPage(host);
  } else {
    ShowReceivableDetailPage(host);
  }
}

bool DebtDetailPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (!IsClick(event, L"ysqkmx_btn_find")) return false;
  LoadDebtDetail(host);
  return true;
}

void DebtDetailPage::ShowReceivableDetailPage(PageHost& host) { ShowPage(host, PageSide::kSales); }

void DebtDetailPage::ShowPayableDetailPage(PageHost& host) { ShowPage(host, PageSide::kPurchase); }

void DebtDetailPage::ShowPage(PageHost& host, PageSide side) {
  const bool purchase = side == PageSide::kPurchase;
  host.OpenPageTab(purchase ? L"应付款明细表" : L"应收款明细表", L"mid_ysqkmx", true);
  host.SetSide(side);
  pagekit::PageFields& fields = host.Fields();
  fields.SetText(L"ysqkmx_edit_custom", L"");
  fields.SetHint(L"ysqkmx_edit_custom", purchase ? L"输入供应商名称" : L"输入客户名称");
  fields.SetText(L"ysqkmx_caption", purchase ? L"应付款明细表" : L"应收款明细表");
  fields.SetText(L"ysqkmx_edit_date", L"今日");
  pagekit::ApplyQuickDateYsqkmx(fields, clock_());
  if (!fields.Exists(kList)) return;
  fields.ClearRows(kList);
  Record columns = ColumnEntries(LedgerOf(side));
  view_->BuildHeader(host, kList, &columns, kLineNumbersOnly, kDetailButton);
  for (int line = 0; line < kEmptyLines; ++line) view_->AddRow(host, kList, columns);
}

void DebtDetailPage::LoadDebtDetail(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const std::string dates = PageDateCondition(fields, L"ysqkmx");
  const std::wstring party = fields.Text(L"ysqkmx_edit_custom");
  const bool purchase = host.Side() == PageSide::kPurchase;
  if (party.empty()) {
    view_->ShowTip(host, L"ysqkmx_edit_custom", purchase ? L"请选择供应商！" : L"请选择客户！", SIZE{100, 30});
    return;
  }
  Record params = ColumnEntries(LedgerOf(host.Side()));
  params.push_back(ConditionEntry(dates));
  params.push_back(PartyEntry(pagekit::LibraryText(party)));
  FillReport(*view_, host, kList, purchase ? "yfqkbg_mod" : "ysqkbg_mod", std::move(params), kLineNumbersOnly);
}

}  // namespace reports
