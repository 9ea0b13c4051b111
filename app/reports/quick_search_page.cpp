// The quotation page.
#include "quick_search_page.h"

#include "data_store.h"
#include "list_conditions.h"
#include "report_page_support.h"

namespace reports {
namespace {

constexpr const wchar_t* kList = L"listfind";

}  // namespace

QuickSearchPage::QuickSearchPage(std::unique_ptr<ReportView> view) : view_(std::move(view)) {}

std::vector<pagekit::PageRoute> QuickSearchPage::Routes() const { return {{L"报价"}}; }

void QuickSearchPage::Open(pagekit::PageHost& host, const std::wstring&) { QuickSearchProducts(host); }

bool QuickSearchPage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  if (!IsClick(event, L"btn_search")) return false;
  QuickSearchProducts(host);
  return true;
}

void QuickSearchPage::QuickSearchProducts(pagekit::PageHost& host) {
  host.OpenPageTab(L"报价", L"mid_find", true);
  pagekit::PageFields& fields = host.Fields();
  const std::string text = LibraryTextOf(fields, L"edit_search");
  if (!fields.Exists(kList)) return;
  fields.ClearRows(kList);
  Record columns = {MakeDataField("商品名称", ""), MakeDataField("库存", "")};
  if (host.CurrentSession().owner) columns.push_back(MakeDataField("进货价", ""));
  columns.push_back(MakeDataField("批发价", ""));
  columns.push_back(MakeDataField("零售价", ""));
  columns.push_back(ConditionEntry(pagekit::NameOrInitialsCondition("商品名称", text)));
  view_->BuildHeader(host, kList, &columns, kLineNumbersOnly, kDetailButton);
  view_->QueryRows(host, kList, "J4_V_Product_Inventory", &columns);
}

}  // namespace reports
