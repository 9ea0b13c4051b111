// What the report pages share: a typed text in the library's encoding, the date
// condition of a page's two date edits, a list filled from a report key (rows
// out, header in, rows in), and the row action a report list's row asks for.
#pragma once

#include <string>

#include "page.h"
#include "report_columns.h"
#include "report_view.h"
#include "row_actions.h"

namespace reports {

// The field's text in the library's encoding.
std::string LibraryTextOf(const pagekit::PageFields& fields, const wchar_t* field);

// The date condition of "<prefix>_date_start" and "<prefix>_date_end".
std::string PageDateCondition(const pagekit::PageFields& fields, const std::wstring& prefix);

// Takes every row out of the list, builds its header from the column entries of
// `params` and runs the key into it.
void FillReport(ReportView& view, pagekit::PageHost& host, const std::wstring& list, const char* key, Record params,
                int style);

// The drill-down a row event of `list` asks for: "修改" and a double-click as
// the list's row, its reserve button as the report lists' drill-down. Nothing
// wanted for any other event.
pagekit::RowAction RowActionOf(pagekit::PageHost& host, const pagekit::PageEvent& event, const std::wstring& list);

// True for a click of that control.
inline bool IsClick(const pagekit::PageEvent& event, const wchar_t* control) {
  return event.kind == pagekit::EventKind::kClick && event.list.empty() && event.sender == control;
}

}  // namespace reports
