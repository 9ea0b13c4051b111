// Spreadsheet exports straight from the database: the bill lines that the bill
// search selects, the customers' trade prices, the suppliers' contract prices,
// the customers or suppliers of the page's side, and the products. Each writes
// the heading row itself and streams the records through its row writer.
#pragma once

#include "export_run.h"
#include "page_host.h"

namespace output {

// The bill lines of the side's bills between the search's dates whose party,
// number or note holds the search text.
ExportResult ExportBillDetails(pagekit::PageHost& host, const ExportTools& tools);
ExportResult ExportTradePrices(pagekit::PageHost& host, const ExportTools& tools);
ExportResult ExportContractPrices(pagekit::PageHost& host, const ExportTools& tools);
// The parties of the page's side: customers on the sales side, suppliers on the
// purchase side.
ExportResult ExportCustomers(pagekit::PageHost& host, const ExportTools& tools);
ExportResult ExportProducts(pagekit::PageHost& host, const ExportTools& tools);

// The condition of the bill-details export, in UTF-16 (the export converts it).
std::wstring BillDetailsCondition(pagekit::PageHost& host);

}  // namespace output
