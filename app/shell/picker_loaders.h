// The main window's loaders behind the popup pickers: the unit list, the category
// trees, the product list and the choices of any table, and taking a unit out of
// the database from the unit picker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/list.h"
#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "kxp_data.h"

namespace shell {

class MainFrame;

// Reads the units of measure into the main window's unit name list, then shows
// them in the bar list, one entry each with its delete button.
void LoadUnitList(MainFrame* frame, SkinUI::CBarListUI* list);

// Rebuilds a category tree from the main window's category map: level by level,
// each category under the entry of its parent, at the top when the parent is not
// in the tree.
void FillTypeBarList(MainFrame* frame, SkinUI::CBarListUI* list);

// Row callback; the context is the main window. Appends the row's first value to
// the unit name list.
void OnKeyRow(intptr_t context, std::vector<DataField>* row);

// Clears the list and fills it with the rows of a table.
void FillListFromQuery(const std::vector<DataField>& fields, SkinUI::CListUI* list, const std::string& table,
                       MainFrame* frame);
// The product picker's list: the products whose name or its initials hold the
// text, and every product. The picker's window builds the header and rows.
void SearchProductList(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, const SkinUI::CUIString& text);
void LoadProductList(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, bool multiSelect);

// The name of the edit that a drop button serves: the button's name less "_drop";
// empty when the name does not end so.
SkinUI::CUIString EditOfDropButton(const SkinUI::CUIString& owner);

// Deletes the unit of measure of that name. False when the database kept it (or
// there is no database).
bool DeleteUnitByName(const SkinUI::CUIString& name);

}  // namespace shell
