// The steps every spreadsheet export shares: the save dialog with the default
// name, the export's own workbook, the rows written by the export, the book put
// in place of the chosen file, and what the user is told when that failed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "export_book.h"
#include "output_dialogs.h"
#include "sheet_rows.h"
#include "xls_proc.h"

namespace output {

struct ExportTools {
  XlsProc& xls;
  OutputDialogs& dialogs;
  HWND owner;
};

// Runs an export into the file the user chooses. `rows` is the number of sheet
// rows the export will write when known beforehand (-1 when not): a file that
// cannot hold them is refused before anything is written. `write` fills the
// sheet through the state (its book, row counter and row limit set).
ExportResult RunExport(const ExportTools& tools, const std::wstring& defaultName, int rows,
                       const std::function<void(SheetState&)>& write);

}  // namespace output
