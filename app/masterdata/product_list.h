// The products page's list and form, over the host and the page's view: opening
// the list (the category tree, the columns by user, every product), searching
// and filtering by category, hiding products without stock, the batch delete
// and re-categorising of the ticked products, and the product form. The page
// class calls these with its state.
#pragma once

#include <string>

#include "masterdata_records.h"
#include "masterdata_view.h"
#include "product_dialogs.h"
#include "product_save.h"

namespace masterdata {

// The category tree and the whole list: the owner sees every column of the view
// with the row operations, anyone else six columns without the purchase price.
void OpenProductList(pagekit::PageHost& host, MasterdataView& view);
// The list by the search text of hpkc_edit_find and the category (empty: none);
// neither: the whole list.
void LoadProductPageList(pagekit::PageHost& host, MasterdataView& view, const std::wstring& category);
void ToggleHideZeroStock(pagekit::PageHost& host, MasterdataView& view);
// The visible ticked products, after the question.
void DeleteCheckedProducts(pagekit::PageHost& host, MasterdataView& view);
// No category chosen yet: the category picker opens under its field instead.
void ChangeCheckedProductsType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs);

ProductForm ReadProductForm(const pagekit::PageFields& fields);
// Shows or hides the form, emptied; the business unit and rate keep their text.
void ClearProductForm(pagekit::PageHost& host, MasterdataView& view, Record* editing);
// Saves the form: the tooltip of a refusal, or the list reloaded and the name
// emptied for the next product.
void SaveProductForm(pagekit::PageHost& host, MasterdataView& view, Record* editing);
// The owner's "修改" of a product: the stored product in the form (shown), kept
// as the record being edited, with its unit cost and its business unit and
// rate. Anyone else, or a product no longer stored, changes nothing.
void FillProductForm(pagekit::PageHost& host, Record* editing, const std::wstring& name);
// The option row (batch operations) and the search row take turns.
void ToggleProductOptions(pagekit::PageHost& host);
// A category activated in the tree: into the open form, else the list filtered.
void OnProductTypeActivate(pagekit::PageHost& host, MasterdataView& view, const std::wstring& category);

}  // namespace masterdata
