// The builders of every data list: a header from a table's columns or from field
// records, read-only rows (negative amounts red), editable bill lines that show a
// quantity in business units, and the two-level stock headers. The header keeps
// its style in the list, so rows always match the header they were built for.
#pragma once

#include <vector>

#include "controls/list.h"
#include "controls/list_container_element.h"
#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "kxp_data.h"

namespace pagekit {

// Header style bits.
enum ListHeaderStyle {
  kListCheckBoxes = 0x01,
  kListLineNumbers = 0x02,
  kListDelete = 0x04,
  kListModify = 0x08,
  kListReserve = 0x10,
};

// 0 done (also for a missing list), 1 no column to show, 2 a control could not be
// made. An empty field list is filled with the table's columns. The select-all box
// "sel_all_<list>" is made only when the list's parent has no control of that name.
int BuildListHeader(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                    const SkinUI::CUIString& table, std::vector<DataField>* fields, int style,
                    const SkinUI::CUIString& reserve);

// A read-only row of the fields' values; null for a missing list or row layout.
// With `hideHeader` the list's header is hidden and the cells have no borders.
SkinUI::CListContainerElementUI* AddListRow(SkinUI::CPaintManagerUI& manager, const std::vector<DataField>* fields,
                                            SkinUI::CListUI* list, bool hideHeader);

// An editable line of a bill or order: unit and category read-only, the rest
// editable; the quantity is split into the business units of the line's own
// product ("商品名称") and base unit (position 1).
SkinUI::CListContainerElementUI* AddBillRow(SkinUI::CPaintManagerUI& manager, KXPDatavane* data,
                                            const std::vector<DataField>* fields, SkinUI::CListUI* list);

// The two-level headers of the stock ledger and the stock statistics.
void BuildStockLedgerHeader(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list);
void BuildStockSummaryHeader(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, const SkinUI::CUIString& reserve);

}  // namespace pagekit
