// The report pages' shared steps.
#include "report_page_support.h"

#include "data_store.h"
#include "report_conditions.h"

namespace reports {

std::string LibraryTextOf(const pagekit::PageFields& fields, const wchar_t* field) {
  return pagekit::LibraryText(fields.Text(field));
}

std::string PageDateCondition(const pagekit::PageFields& fields, const std::wstring& prefix) {
  return DateCondition(LibraryTextOf(fields, (prefix + L"_date_start").c_str()),
                       LibraryTextOf(fields, (prefix + L"_date_end").c_str()));
}

void FillReport(ReportView& view, pagekit::PageHost& host, const std::wstring& list, const char* key, Record params,
                int style) {
  if (!host.Fields().Exists(list)) return;
  host.Fields().ClearRows(list);
  view.BuildHeader(host, list, &params, style, kDetailButton);
  view.RunReport(host, list, key, &params);
}

pagekit::RowAction RowActionOf(pagekit::PageHost& host, const pagekit::PageEvent& event, const std::wstring& list) {
  pagekit::RowAction none;
  if (event.list != list || event.row < 0) return none;
  if (event.kind == pagekit::EventKind::kItemActivate ||
      (event.kind == pagekit::EventKind::kClick && event.sender == L"item_mod"))
    return pagekit::OpenListRow(host.Fields(), list, event.row);
  if (event.kind == pagekit::EventKind::kClick && event.sender == L"item_reserve")
    return pagekit::OnListRowAction(host.Fields(), list, event.row);
  return none;
}

}  // namespace reports
