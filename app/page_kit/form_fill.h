// Opening a stored record for editing: its row shown in the entry form's controls.
// Each form shows its panel, keeps the row as the record being edited (the key of
// the later update) and writes its controls by row position; a control the window
// lacks is skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kxp_data.h"
#include "page_fields.h"

namespace pagekit {

enum class RecordForm { kProduct, kParty, kTradePrice, kContractPrice };

// Shows the form's panel, replaces `editing` with the row and, when the row has at
// least the form's fields, writes them into the form's controls.
void FillRecordForm(PageFields& fields, RecordForm form, const std::vector<DataField>& row,
                    std::vector<DataField>* editing);

// The unit, wholesale and retail price of a product chosen in a price form, by
// column name ("单位", "批发价", "零售价"; the last field of each name); a name the
// row lacks writes the empty text.
void FillPriceUnitForm(PageFields& fields, bool contractPrice, const std::vector<DataField>& row);

// The fillers as row callbacks, for a data call that streams the record: the
// context is the address of a FormFillContext on the caller's stack.
struct FormFillContext {
  PageFields* fields = nullptr;
  RecordForm form = RecordForm::kProduct;
  std::vector<DataField>* editing = nullptr;  // FillRecordForm's record being edited
};
inline intptr_t AsRowContext(FormFillContext* context) { return reinterpret_cast<intptr_t>(context); }
// FillRecordForm with the context's form.
void OnRecordFormRow(intptr_t context, std::vector<DataField>* row);
// FillPriceUnitForm: the contract price form when the context's form is
// kContractPrice, else the trade price form.
void OnPriceUnitFormRow(intptr_t context, std::vector<DataField>* row);

// A product chosen in (or opened with) the trade or contract price form: its unit
// and list prices from the stock view. A product of no stored row changes nothing.
void FillTradePriceProduct(PageFields& fields, KXPDatavane& data, const std::wstring& product);
void FillContractPriceProduct(PageFields& fields, KXPDatavane& data, const std::wstring& product);

}  // namespace pagekit
