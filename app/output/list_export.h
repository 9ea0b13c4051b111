// Spreadsheet exports of a list as the page shows it: any list (its printed
// columns, one sheet row per list row under the header texts) and the stock
// report with its two-row header of merged group captions.
#pragma once

#include <string>

#include "export_run.h"
#include "list_view.h"
#include "page_host.h"

namespace output {

// The list into a sheet, under `defaultName` in the save dialog.
ExportResult ExportListView(const ListView& list, const std::wstring& defaultName, const ExportTools& tools);
// The stock report; `caption` is the page's caption, which names the file and
// chooses the layout (the summary for "库存统计表", else the detail).
ExportResult ExportStockView(const ListView& list, const std::wstring& caption, const ExportTools& tools);

// The same over the page's window: the list of that name, its title as the
// name.
ExportResult ExportList(pagekit::PageHost& host, const std::wstring& list, const ExportTools& tools);
ExportResult ExportStockReport(pagekit::PageHost& host, const ExportTools& tools);

}  // namespace output
