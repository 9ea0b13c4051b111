// CatalogCache: the product categories and units of measure as the pickers and
// dialogs show them, read once from the catalog's store and kept until reloaded.
// The categories come ordered by level, so that a tree built in this order meets
// every parent before the categories under it.
#pragma once

#include <string>
#include <vector>

#include "catalog_store.h"

namespace pagekit {

class CatalogCache {
 public:
  // Reads the categories again (the list is emptied first).
  void ReloadCategories(const CatalogStore& store);
  // Reads the unit names again.
  void ReloadUnits(const CatalogStore& store);

  // By level from 0 on; within a level in the order the store gave them.
  const std::vector<CategoryEntry>& Categories() const { return categories_; }
  const std::vector<std::wstring>& UnitNames() const { return units_; }
  // The category of that name (compared exactly), or null.
  const CategoryEntry* FindCategory(const std::wstring& name) const;

 private:
  std::vector<CategoryEntry> categories_;
  std::vector<std::wstring> units_;
};

}  // namespace pagekit
