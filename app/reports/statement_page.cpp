// The customer and supplier statements.
#include "statement_page.h"

#include "data_store.h"
#include "report_page_support.h"

namespace reports {
namespace {

using pagekit::PageHost;
using pagekit::PageSide;

constexpr int kEmptyLines = 50;

}  // namespace

StatementPage::StatementPage(StatementKind kind, std::unique_ptr<ReportView> view)
    : kind_(kind), view_(std::move(view)) {}

std::wstring StatementPage::Name(const wchar_t* suffix) const {
  return (Supplier() ? L"yfdzd" : L"ysdzd") + std::wstring(suffix);
}

std::vector<pagekit::PageRoute> StatementPage::Routes() const {
  if (Supplier()) return {{L"供应商对账单", true, PageSide::kPurchase}};
  return {{L"客户对账单", true, PageSide::kSales}};
}

void StatementPage::Open(PageHost& host, const std::wstring&) { ShowStatement(host); }

bool StatementPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (!IsClick(event, Name(L"_btn_find").c_str())) return false;
  QueryStatement(host);
  return true;
}

void StatementPage::ShowStatement(PageHost& host) {
  host.OpenPageTab(Supplier() ? L"供应商对账单" : L"客户对账单", L"mid_" + Name(L""), true);
  host.SetSide(Supplier() ? PageSide::kPurchase : PageSide::kSales);
  const std::wstring list = L"list" + Name(L"");
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(list)) return;
  Record columns = ColumnEntries(Supplier() ? ColumnSet::kSupplierStatement : ColumnSet::kCustomerStatement);
  view_->BuildHeader(host, list, &columns, kLineNumbersOnly, kDetailButton);
  if (fields.RowCount(list) == 0)
    for (int line = 0; line < kEmptyLines; ++line) view_->AddRow(host, list, columns);
  view_->RenumberLines(host, list);
}

void StatementPage::QueryStatement(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const std::string dates = PageDateCondition(fields, Name(L""));
  const std::wstring party = fields.Text(Name(L"_edit_custom"));
  if (party.empty()) {
    // The customer statement's tip is narrower.
    view_->ShowTip(host, Name(L"_edit_custom"), Supplier() ? L"请选择供应商！" : L"请选择客户！",
                   SIZE{Supplier() ? 100 : 80, 30});
    return;
  }
  const std::wstring list = L"list" + Name(L"");
  Record params = ColumnEntries(Supplier() ? ColumnSet::kSupplierStatement : ColumnSet::kCustomerStatement);
  params.push_back(ConditionEntry(dates));
  params.push_back(PartyEntry(pagekit::LibraryText(party)));
  FillReport(*view_, host, list, Supplier() ? "yfdzd" : "ysdzd", std::move(params), kLineNumbersOnly);
  view_->RenumberLines(host, list);
}

}  // namespace reports
