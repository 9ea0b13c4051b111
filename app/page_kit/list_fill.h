// Filling lists while the data library streams rows: the context a caller keeps on
// its stack for the length of the data call, the two generic row callbacks, and
// the shapers that turn a cash-flow, bill-history or order-history row of the
// library into the columns the list shows.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/list.h"
#include "core/paint_manager.h"
#include "kxp_data.h"

namespace pagekit {

// The window that builds the rows (its skin defaults and images) and the list they
// go into. Passed to the data call as its integer context.
struct ListFillContext {
  SkinUI::CPaintManagerUI* manager = nullptr;
  SkinUI::CListUI* list = nullptr;
  KXPDatavane* data = nullptr;  // for the shapers that look something up
};

inline intptr_t AsRowContext(ListFillContext* context) { return reinterpret_cast<intptr_t>(context); }

// A read-only row into the context's list.
void OnListRow(intptr_t context, std::vector<DataField>* row);
// The same without header and cell borders (the drop-down popups).
void OnListRowChecked(intptr_t context, std::vector<DataField>* row);
// The cash book: the row shaped, then the running balance from the row above.
void OnCashFlowRow(intptr_t context, std::vector<DataField>* row);
// Bill and order history rows, shaped. `purchase` chooses the party column.
void OnSaleBillRow(intptr_t context, std::vector<DataField>* row);
void OnSalesOrderRow(intptr_t context, std::vector<DataField>* row);
void OnPurchaseOrderRow(intptr_t context, std::vector<DataField>* row);

// The master data lists, each into the list of its name in the window: the context
// is the window's paint manager. A window without that list adds nothing.
inline intptr_t AsRowContext(SkinUI::CPaintManagerUI* manager) { return reinterpret_cast<intptr_t>(manager); }
void OnTradePriceRow(intptr_t context, std::vector<DataField>* row);     // "listdkhpfj"
void OnContractPriceRow(intptr_t context, std::vector<DataField>* row);  // "listgyshtj"
void OnPartyRow(intptr_t context, std::vector<DataField>* row);          // "listkhyqk"
void OnProductRow(intptr_t context, std::vector<DataField>* row);        // "listhpkc"
void OnAccountItemRow(intptr_t context, std::vector<DataField>* row);    // "listszxm"

// Positions 4 item, 5 income, 6 expense, 7 balance: the amount that does not fit
// the item's kind emptied, the balance emptied (the adder computes it), the first
// eight fields kept. Fewer than eight fields give none. `data` may be null (the
// item's kind is then unknown).
std::vector<DataField> ShapeCashFlowRow(KXPDatavane* data, const std::vector<DataField>& row);
// Positions 0 date, 1 number, 2 party, 3 salesman, 4 discount rate, 5 amount after
// discount, 6 remark, 7 received: the history columns with the sales amount before
// discount. Fewer than eight fields give none.
std::vector<DataField> ShapeSaleBillRow(const std::vector<DataField>& row);
// The first ten fields under the order history's names; the party column is
// "供应商名称" on the purchase side. Fewer than ten fields give none.
std::vector<DataField> ShapeOrderRow(const std::vector<DataField>& row, bool purchase);

// The adders: shape (where the list has a shaper) and add the row.
SkinUI::CControlUI* AddCashFlowRow(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                                   const std::vector<DataField>& row);
SkinUI::CControlUI* AddSaleBillHistoryRow(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list,
                                          const std::vector<DataField>& row);
SkinUI::CControlUI* AddOrderHistoryRow(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list,
                                       const std::vector<DataField>& row, bool purchase);

}  // namespace pagekit
