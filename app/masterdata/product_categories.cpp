// The products page's category tree (see product_categories.h).
#include "product_categories.h"

#include <vector>

#include "catalog_store.h"
#include "category_edit.h"

namespace masterdata {
namespace {

const wchar_t kTree[] = L"hpkc_list_type";

std::wstring ParentOf(KXPDatavane& data, const std::wstring& name) {
  for (const pagekit::CategoryEntry& category : pagekit::CatalogStore(data).Categories())
    if (category.name == name) return category.parent;
  return std::wstring();
}

// Tells a refusal; the tree is rebuilt either way, showing what is stored.
void Finish(pagekit::PageHost& host, MasterdataView& view, CategoryStatus status) {
  ReloadCategoryTree(host, view);
  if (status != CategoryStatus::kSaved) view.Tell(host, CategoryStatusMessage(status));
}

}  // namespace

std::wstring SelectedCategory(const pagekit::PageFields& fields) {
  const int row = fields.SelectedRow(kTree);
  return row >= 0 ? fields.EntryKey(kTree, row) : std::wstring();
}

void ReloadCategoryTree(pagekit::PageHost& host, MasterdataView& view) {
  if (host.Data() == nullptr) return;
  // The frame's catalog follows, so that every category picker shows what is stored.
  host.Catalog().ReloadCategories(pagekit::CatalogStore(*host.Data()));
  view.ShowCategoryTree(host, kTree, host.Catalog().Categories());
}

void AddProductType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs, bool underSelected) {
  std::wstring parent = underSelected ? SelectedCategory(host.Fields()) : std::wstring();
  std::wstring name;
  if (!dialogs.EditCategory(host, L"商品类别操作", &parent, &name) || host.Data() == nullptr) return;
  Finish(host, view, AddCategory(*host.Data(), {name, parent}));
}

void RenameProductType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs) {
  if (host.Data() == nullptr) return;
  const std::wstring oldName = SelectedCategory(host.Fields());
  if (oldName.empty()) {
    view.Tell(host, CategoryStatusMessage(CategoryStatus::kNotFound));
    return;
  }
  std::wstring parent = ParentOf(*host.Data(), oldName);
  std::wstring name = oldName;
  if (!dialogs.EditCategory(host, L"类别修改", &parent, &name)) return;
  Finish(host, view, RenameCategory(*host.Data(), oldName, {name, parent}));
}

void DeleteProductType(pagekit::PageHost& host, MasterdataView& view) {
  const std::wstring name = SelectedCategory(host.Fields());
  if (name.empty() || host.Data() == nullptr) {
    ReloadCategoryTree(host, view);
    return;
  }
  Finish(host, view, DeleteCategory(*host.Data(), name));
}

}  // namespace masterdata
