// The print buttons' operations over a page's window: any list, the order list,
// the stock report and the bill shown in the bill page, on the default printer.
#pragma once

#include <string>
#include <vector>

#include "page_host.h"
#include "print_layout.h"

namespace output {

// The column names the payment list's print names its cells by.
const std::vector<std::wstring>& PaymentListColumns();

bool PrintList(pagekit::PageHost& host, const std::wstring& list, const std::vector<std::wstring>& columnNames,
               const std::wstring& keyColumn);
bool PrintOrderList(pagekit::PageHost& host);
bool PrintStockReport(pagekit::PageHost& host);
bool PrintBill(pagekit::PageHost& host);

// What the bill page shows around its lines, and the party's stored debt.
BillFigures ReadBillFigures(pagekit::PageHost& host);

}  // namespace output
