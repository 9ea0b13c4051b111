// The category tree of the products page: adding a category (under the selected
// one when asked from the tree's menu), renaming and deleting the selected one,
// each through the category's rules (category_edit.h) and followed by the tree
// rebuilt; a refusal is told to the user and changes nothing.
#pragma once

#include <string>

#include "masterdata_view.h"
#include "product_dialogs.h"

namespace masterdata {

// The text of the tree's selected category, empty when none is selected.
std::wstring SelectedCategory(const pagekit::PageFields& fields);
// The tree again from the stored categories.
void ReloadCategoryTree(pagekit::PageHost& host, MasterdataView& view);

// `underSelected`: the dialog proposes the selected category as the parent.
void AddProductType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs, bool underSelected);
void RenameProductType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs);
// At once, without a question: the category and those directly under it go.
void DeleteProductType(pagekit::PageHost& host, MasterdataView& view);

}  // namespace masterdata
