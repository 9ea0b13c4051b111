// The report pages' table as data: the column sets the report keys fill (names
// in the library's text, widths in pixels with 0 for the layout's, cell numbers
// for the column groups of the stock pages), the pages with their titles,
// panels, lists, sides, keys and header styles, and the entries a report vector
// is made of.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"

namespace reports {

using Record = std::vector<DataField>;

struct ReportColumn {
  const char* name;
  int width = 0;   // 0: the layout's width
  int index = -1;  // the cell number of a column group; -1 none
};

// Every column set a report page shows.
enum class ColumnSet {
  kReceivableSummary,
  kPayableSummary,
  kReceivableLedger,
  kPayableLedger,
  kCustomerStatement,
  kSupplierStatement,
  kSalesByProduct,
  kSalesByCustomer,
  kSalesBySalesman,
  kPurchaseByProduct,
  kPurchaseBySupplier,
  kSalesDetail,
  kPurchaseDetail,
  kStockSummary,
  kStockLedger,
  kStockWarning,
  kFundSummary,
  kFundDetail,
  kProfitByCustomer,
  kProfitByProduct,
};

const std::vector<ReportColumn>& Columns(ColumnSet set);

// The header styles of the report lists (see the page kit's list builders).
constexpr int kLineNumbersOnly = 0x02;
constexpr int kLineNumbersAndDetail = 0x12;
// The caption of the drill-down button of every row.
constexpr const wchar_t* kDetailButton = L"明细";

enum class ReportSide { kNone = -1, kSales = 0, kPurchase = 1 };

// A report page as its opener shows it.
struct ReportPageInfo {
  const wchar_t* title;  // the router name and the tab's
  const wchar_t* panel;
  const wchar_t* list;
  ReportSide side;
  const char* key;  // the key run at opening; null: none
  ColumnSet columns;
  int style;
};

const std::vector<ReportPageInfo>& ReportPages();
// The page of that title, compared without regard to case; null for none.
const ReportPageInfo* FindReportPage(const std::wstring& title);

// The column entries of a set, with empty values, in the set's order.
Record ColumnEntries(ColumnSet set);
// A condition entry: the ready condition text (possibly empty) as its name,
// value
// ".", no comparison, raw, hidden.
DataField ConditionEntry(const std::string& text);
// An input entry the library binds as a parameter: hidden, its value as typed.
DataField InputEntry(const std::string& name, const std::string& value);
// The one party of a report about one party (customers and suppliers alike).
DataField PartyEntry(const std::string& party);

}  // namespace reports
