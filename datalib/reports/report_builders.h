// The report builders behind the report keys. Each checks the length of the
// vector it needs, opens a connection of its own, fills the cells of each row
// and hands the row to the callback. Each answers 0 after a complete walk;
// database errors that end a walk are thrown (CppSQLite3Exception) and turned
// into a result by the dispatch.
#ifndef DATAVANE_REPORT_BUILDERS_H
#define DATAVANE_REPORT_BUILDERS_H

#include "reports/report_request.h"

// Receivables and payables (customerSide: customers with sales bills and
// receipts; otherwise suppliers with purchase bills and payments).
int BuildDebtSummary(ReportRequest& request, bool customerSide);
int BuildDebtDetail(ReportRequest& request, bool customerSide);
int BuildStatement(ReportRequest& request, bool customerSide);

// Sales and purchases (salesSide: sales bills; otherwise purchase bills).
int BuildTradeSummaryByProduct(ReportRequest& request, bool salesSide);
int BuildTradeSummaryByParty(ReportRequest& request, bool salesSide);
int BuildSalesSummaryBySalesman(ReportRequest& request);
int BuildTradeDetailOfProduct(ReportRequest& request, bool salesSide);

// Stock.
int BuildStockSummary(ReportRequest& request);
int BuildStockWarning(ReportRequest& request);
int BuildStockLedger(ReportRequest& request);

// Income and expense.
int BuildFundSummary(ReportRequest& request);
int BuildFundItemDetail(ReportRequest& request);
int BuildCashOpening(ReportRequest& request);

// Profit of sales.
int BuildProfitByCustomer(ReportRequest& request);
int BuildProfitByProduct(ReportRequest& request);

// Bill lines for the spreadsheet export.
int BuildBillLineExport(ReportRequest& request);

#endif
