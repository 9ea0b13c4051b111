// The drop buttons beside the pages' choice fields: what a button's click opens
// under its field. A button names its field, the kind of popup, the entries (a
// table's column with the filter the page's state chooses, or fixed texts) and
// where the popup stands; the frame then creates the popup, with the button as
// its owner, and the choice comes back through the owner (drop_choices.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "kxp_data.h"
#include "page_fields.h"
#include "page_host.h"

namespace pagekit {

enum class DropPopup {
  kDropList,       // the rows of a table's column, or fixed entries
  kDeletableList,  // salesmen (the list fills itself by its owner, drop_list_store.h)
  kProductPicker,  // every product, searchable (fills itself)
  kCategoryPicker  // the category tree (fills itself)
};

struct DropPopupPlan {
  DropPopup popup = DropPopup::kDropList;
  std::wstring field;  // the field the choice goes into
  RECT rect{};         // on the screen
  // kDropList: a table and its columns (the shown one first, hidden filters after),
  // or no table and one entry per fixed choice.
  std::string table;
  std::vector<DataField> entries;
  bool fixedEntries = false;
};

// False when the button is not a drop button of the table, when the button or its
// field is missing or hidden, or when the page's state offers nothing (the profit
// report's detail before a type is chosen). `window` is the main window's screen
// rectangle; the field's position is read from `fields`.
bool PlanDropPopup(const PageFields& fields, PageSide side, const std::wstring& button, const RECT& window,
                   DropPopupPlan* plan);

}  // namespace pagekit
