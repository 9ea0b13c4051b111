// The catalog as the pickers show it.
#include "catalog_cache.h"

#include <algorithm>

namespace pagekit {

void CatalogCache::ReloadCategories(const CatalogStore& store) {
  categories_ = store.Categories();
  std::stable_sort(categories_.begin(), categories_.end(),
                   [](const CategoryEntry& a, const CategoryEntry& b) { return a.level < b.level; });
}

void CatalogCache::ReloadUnits(const CatalogStore& store) { units_ = store.UnitNames(); }

const CategoryEntry* CatalogCache::FindCategory(const std::wstring& name) const {
  for (const CategoryEntry& category : categories_) {
    if (category.name == name) return &category;
  }
  return nullptr;
}

}  // namespace pagekit
