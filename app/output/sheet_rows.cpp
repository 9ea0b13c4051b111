// Writing a record of the data library into the next row of an export's sheet.
#include "sheet_rows.h"

#include "text_conversion.h"

namespace output {

std::wstring CellName(int column, int row) {
  return std::wstring(1, static_cast<wchar_t>(L'A' + column)) + std::to_wstring(row);
}

void ExportRowToSheet(const std::vector<DataField>& row, SheetState* state, bool skipHidden) {
  if (state == nullptr || state->xls == nullptr) return;
  state->row += 1;
  if (state->rowLimit > 0 && state->row > state->rowLimit) {
    state->overflow = true;
    return;
  }
  for (size_t i = 0; i < row.size(); ++i) {
    if (skipHidden && row[i].hidden != 0) continue;
    state->xls->SetCellText(state->book, CellName(static_cast<int>(i), state->row), shell::WideFromAnsi(row[i].value));
  }
}

namespace {

void WriteRow(intptr_t context, std::vector<DataField>* row, bool skipHidden) {
  if (context == 0 || row == nullptr) return;
  ExportRowToSheet(*row, reinterpret_cast<SheetState*>(context), skipHidden);
}

}  // namespace

void OnExportCustomerRow(intptr_t context, std::vector<DataField>* row) { WriteRow(context, row, true); }
void OnExportTradePriceRow(intptr_t context, std::vector<DataField>* row) { WriteRow(context, row, true); }
void OnExportContractPriceRow(intptr_t context, std::vector<DataField>* row) { WriteRow(context, row, true); }
void OnExportProductRow(intptr_t context, std::vector<DataField>* row) { WriteRow(context, row, false); }
void OnExportBillDetailRow(intptr_t context, std::vector<DataField>* row) { WriteRow(context, row, false); }

}  // namespace output
