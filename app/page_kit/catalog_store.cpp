// The catalog's store over the data object: categories through the library's own
// operations, units through the unit table "J4_Product_Unit" (column "计量单位").
#include "catalog_store.h"

#include <cstdlib>

namespace pagekit {
namespace {

const char kUnitTable[] = "J4_Product_Unit";
const char kUnitColumn[] = "计量单位";

void OnCategory(intptr_t context, const char* category, const char* parent, const char* level) {
  auto* categories = reinterpret_cast<std::vector<CategoryEntry>*>(context);
  CategoryEntry entry;
  entry.name = PageText(category != nullptr ? category : "");
  entry.parent = PageText(parent != nullptr ? parent : "");
  entry.level = level != nullptr ? std::atoi(level) : 0;
  categories->push_back(entry);
}

}  // namespace

std::vector<CategoryEntry> CatalogStore::Categories() const {
  std::vector<CategoryEntry> categories;
  data_.GetProductTypes(reinterpret_cast<intptr_t>(&categories), &OnCategory);
  return categories;
}

std::vector<std::wstring> CatalogStore::UnitNames() const {
  std::vector<DataField> columns = {MakeDataField(kUnitColumn, "")};
  std::vector<std::vector<DataField>> rows;
  data_.QueryRecords(kUnitTable, &columns, &rows);
  std::vector<std::wstring> names;
  for (const std::vector<DataField>& row : rows) {
    if (!row.empty()) names.push_back(PageText(row.front().value));
  }
  return names;
}

StoreResult CatalogStore::AddCategory(const CategoryEntry& category) {
  if (!IsStorable(category.name) || !IsStorable(category.parent)) return StoreResult::kTextNotStorable;
  return StoreResultOf(
      data_.AddProductType(LibraryText(category.name).c_str(), LibraryText(category.parent).c_str(), category.level));
}

StoreResult CatalogStore::DeleteCategory(const std::wstring& name) {
  if (!IsStorable(name)) return StoreResult::kTextNotStorable;
  return StoreResultOf(data_.DeleteProductType(LibraryText(name).c_str()));
}

StoreResult CatalogStore::AddUnit(const std::wstring& name) {
  if (!IsStorable(name)) return StoreResult::kTextNotStorable;
  return StoreResultOf(data_.AddProductUnit(LibraryText(name).c_str()));
}

StoreResult CatalogStore::DeleteUnit(const std::wstring& name) {
  if (!IsStorable(name)) return StoreResult::kTextNotStorable;
  return StoreResultOf(data_.DeleteProductUnit(LibraryText(name).c_str()));
}

}  // namespace pagekit
