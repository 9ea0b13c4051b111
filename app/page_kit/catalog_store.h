// The catalog's store: product categories (a tree by parent and level) and units of
// measure, as the product pages, their pickers and dialogs read and change them.
#pragma once

#include <string>
#include <vector>

#include "data_store.h"

namespace pagekit {

struct CategoryEntry {
  std::wstring name;
  std::wstring parent;  // empty at the top of the tree
  int level = 0;        // 0 at the top
};

class CatalogStore {
 public:
  explicit CatalogStore(KXPDatavane& data) : data_(data) {}

  // Every category as the library keeps them; a level that is no number counts as 0.
  std::vector<CategoryEntry> Categories() const;
  // Every unit name.
  std::vector<std::wstring> UnitNames() const;

  // A category of that name takes the new parent and level.
  StoreResult AddCategory(const CategoryEntry& category);
  // The category goes with the categories directly under it.
  StoreResult DeleteCategory(const std::wstring& name);
  // kDatabaseError when the unit exists already.
  StoreResult AddUnit(const std::wstring& name);
  StoreResult DeleteUnit(const std::wstring& name);

 private:
  KXPDatavane& data_;
};

}  // namespace pagekit
