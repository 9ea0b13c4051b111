// What a report page needs of its window beyond the fields: a list's header
// built from the column entries (or one of the two-level stock headers), the
// rows a report key or a view query delivers, single rows, the line numbers
// renumbered, and the tooltip at a party edit. The fields clear the rows and
// mark a totals row. One implementation works on the main window
// (window_report_view.cpp); the tests keep the header and the rows in memory
// fields.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "page_host.h"
#include "report_columns.h"

namespace reports {

class ReportView {
 public:
  virtual ~ReportView() = default;

  // The header of the list from the entries (hidden ones make no column), in
  // the style, the reserve button reading `reserve`.
  virtual void BuildHeader(pagekit::PageHost& host, const std::wstring& list, Record* columns, int style,
                           const std::wstring& reserve) = 0;
  // The two-level headers: the stock statistics (with its drill-down button)
  // and the stock ledger.
  virtual void BuildStockSummaryHeader(pagekit::PageHost& host, const std::wstring& list,
                                       const std::wstring& reserve) = 0;
  virtual void BuildStockLedgerHeader(pagekit::PageHost& host, const std::wstring& list) = 0;
  // Runs the report key; every row it delivers is appended to the list.
  virtual void RunReport(pagekit::PageHost& host, const std::wstring& list, const char* key, Record* params) = 0;
  // Queries a table or view; every row is appended to the list.
  virtual void QueryRows(pagekit::PageHost& host, const std::wstring& list, const char* table, Record* fields) = 0;
  // Appends one row of the entries' values; its index, -1 when none was added.
  virtual int AddRow(pagekit::PageHost& host, const std::wstring& list, const Record& row) = 0;
  virtual void RenumberLines(pagekit::PageHost& host, const std::wstring& list) = 0;
  // A tooltip at the field: at the window's left plus the field's left and 20
  // below the field's top, of that size, closing itself.
  virtual void ShowTip(pagekit::PageHost& host, const std::wstring& field, const std::wstring& text, SIZE size) = 0;
};

std::unique_ptr<ReportView> MakeWindowReportView();

}  // namespace reports
