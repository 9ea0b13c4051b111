// Spreadsheet imports: products (through the library's text form of the sheet),
// customer trade prices and supplier contract prices, customers or suppliers,
// and the lines of a bill or order. Row 1 of a sheet is its heading and never
// read. A product or party whose name is stored already is left as it is and
// its row skipped; a price replaces the stored price of the pair its row names.
// Each import ends with the book closed, so the library serves no old cells
// later.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "output_dialogs.h"
#include "page_host.h"
#include "xls_proc.h"

namespace output {

struct ImportTools {
  XlsProc& xls;
  OutputDialogs& dialogs;
  HWND owner;
};

struct ImportCount {
  bool read = false;  // the file was chosen and could be read
  int imported = 0;
  int skipped = 0;  // rows without the required values, names stored already,
                    // failed writes
};

// The file of the products import's text form, in the program's "template"
// folder.
std::wstring ProductsTextPath();

// Reading a chosen file (no dialog); `textPath` is where the products import
// has the library write the sheet as text.
ImportCount ImportProductsFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, const std::wstring& textPath,
                               const std::wstring& account);
ImportCount ImportPricesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, bool contract);
ImportCount ImportPartiesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, bool suppliers,
                              const std::wstring& account);

// A line of a bill or order read from a sheet, its product looked up (and
// stored as a new product of the category "零售" when it was not).
struct ImportedLine {
  std::wstring product, unit, category, quantity, price, amount;
};
std::vector<ImportedLine> ImportLinesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book,
                                          const std::wstring& account, ImportCount* count);

// The imports as the buttons start them: the import dialog under the import's
// title, the file read, then the page that shows the records opened anew.
ImportCount ImportProducts(pagekit::PageHost& host, const ImportTools& tools);
ImportCount ImportTradePrices(pagekit::PageHost& host, const ImportTools& tools);
ImportCount ImportContractPrices(pagekit::PageHost& host, const ImportTools& tools);
ImportCount ImportCustomers(pagekit::PageHost& host, const ImportTools& tools);
// The lines for the bill or order page to put into its grid; the dialog's title
// is the bill's ("销售单导入" or "进货单导入") or the order's
// ("销售预定单导入").
std::vector<ImportedLine> ImportBillLines(pagekit::PageHost& host, const ImportTools& tools, bool order);

}  // namespace output
