// The rows of one spreadsheet export as they go into its workbook: the export's
// own sheet state (which workbook, which row was written last) and the row
// callbacks that the data library calls with each record of a table export.
// Every export owns one state and hands it to its callback as the context, so
// that no two exports share a row counter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kxp_data.h"
#include "xls_proc.h"

namespace output {

struct SheetState {
  XlsProc* xls = nullptr;
  std::wstring book;
  int row = 0;  // the last sheet row written, counted from 1
  // Rows past this number are not written but remembered in `overflow`, so the
  // export can refuse a file that could not hold them all; 0 for no limit.
  int rowLimit = 0;
  bool overflow = false;
};

// "%c%d": 'A' plus the zero-based column, then the row counted from 1.
std::wstring CellName(int column, int row);

// Writes `row` into the next sheet row, one cell per field in vector order;
// with `skipHidden` a hidden field leaves its column empty.
void ExportRowToSheet(const std::vector<DataField>& row, SheetState* state, bool skipHidden);

// Row callbacks for KXPDatavane's queries; the context is a SheetState*.
void OnExportCustomerRow(intptr_t context, std::vector<DataField>* row);
void OnExportTradePriceRow(intptr_t context, std::vector<DataField>* row);
void OnExportContractPriceRow(intptr_t context, std::vector<DataField>* row);
void OnExportProductRow(intptr_t context, std::vector<DataField>* row);
void OnExportBillDetailRow(intptr_t context, std::vector<DataField>* row);

}  // namespace output
