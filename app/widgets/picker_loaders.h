// What fills the popup pickers: the unit list, the category tree, the product
// list and the choices of any table, the deletable drop lists of salesmen and
// business units; taking a unit or a drop-list entry out of the database; and the
// edit that a drop button's choice lands in.
#pragma once

#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/list.h"
#include "core/control_ui.h"
#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "kxp_data.h"
#include "picker_context.h"

namespace shell {

// Reads the units of measure again into the context's catalog cache, then shows
// them in the bar list, each once, with its delete button.
void LoadUnitList(const PickerContext& context, SkinUI::CBarListUI* list);

// Rebuilds a category tree from the context's catalog cache: level by level, each
// category under the entry of its parent, at the top when the parent is not in the
// tree.
void FillTypeBarList(const PickerContext& context, SkinUI::CBarListUI* list);

// Clears the list and fills it with the rows of a table (the list's own window
// builds the rows).
void FillListFromQuery(const std::vector<DataField>& fields, SkinUI::CListUI* list, const std::string& table,
                       KXPDatavane* data);
// The product picker's list: the products whose name or its initials hold the
// text, and every product. The picker's window builds the header and rows.
void SearchProductList(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                       const SkinUI::CUIString& text);
void LoadProductList(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list, bool multiSelect);

// The stored entries of the deletable drop list that the drop button `owner`
// opens (salesmen or business units), one entry each with its delete button.
void FillDropList(KXPDatavane* data, SkinUI::CControlUI* owner, SkinUI::CBarListUI* list);
// Deletes that entry of the owner's drop list; false when nothing was deleted.
bool DeleteDropListItem(KXPDatavane* data, SkinUI::CControlUI* owner, const SkinUI::CUIString& text);

// The name of the edit that a drop button serves: the button's name less "_drop";
// empty when the name does not end so.
SkinUI::CUIString EditOfDropButton(const SkinUI::CUIString& owner);
// Writes a drop list's choice into the edit its drop button serves, in the
// button's window.
void WriteDropChoice(SkinUI::CControlUI* owner, const SkinUI::CUIString& text);

// Deletes the unit of measure of that name. False when the database kept it (or
// there is no database).
bool DeleteUnitByName(KXPDatavane* data, const SkinUI::CUIString& name);

}  // namespace shell
