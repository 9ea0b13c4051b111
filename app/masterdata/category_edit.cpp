// Category changes over the catalog's store and the generic record operations.
#include "category_edit.h"

#include <map>
#include <set>
#include <vector>

#include "catalog_store.h"
#include "data_store.h"
#include "masterdata_records.h"
#include "unit_of_work.h"

namespace masterdata {
namespace {

using pagekit::CategoryEntry;
using pagekit::LibraryText;

const CategoryEntry* Find(const std::vector<CategoryEntry>& categories, const std::wstring& name) {
  for (const CategoryEntry& entry : categories)
    if (entry.name == name) return &entry;
  return nullptr;
}

int LevelUnder(const std::vector<CategoryEntry>& categories, const std::wstring& parent) {
  const CategoryEntry* found = parent.empty() ? nullptr : Find(categories, parent);
  return found != nullptr ? found->level + 1 : 0;
}

// Every category below `root`, each once, with the level it has under the root's
// new level: parents before their children. A stored cycle is walked once.
std::vector<std::pair<const CategoryEntry*, int>> Descendants(const std::vector<CategoryEntry>& categories,
                                                              const std::wstring& root, int rootLevel) {
  std::vector<std::pair<const CategoryEntry*, int>> below;
  std::set<std::wstring> seen = {root};
  std::vector<std::pair<std::wstring, int>> parents = {{root, rootLevel}};
  for (size_t next = 0; next < parents.size(); ++next) {
    const std::pair<std::wstring, int> parent = parents[next];
    for (const CategoryEntry& entry : categories) {
      if (entry.parent != parent.first || !seen.insert(entry.name).second) continue;
      below.emplace_back(&entry, parent.second + 1);
      parents.emplace_back(entry.name, parent.second + 1);
    }
  }
  return below;
}

CategoryStatus CheckTexts(const CategoryInput& category) {
  if (category.name.empty()) return CategoryStatus::kNameEmpty;
  if (!pagekit::IsStorable(category.name) || !pagekit::IsStorable(category.parent))
    return CategoryStatus::kTextNotStorable;
  return CategoryStatus::kSaved;
}

bool Update(KXPDatavane& data, const char* table, Record values, Record keys) {
  return data.UpdateRecord(table, &values, &keys) == 0;
}

}  // namespace

CategoryStatus AddCategory(KXPDatavane& data, const CategoryInput& category) {
  const CategoryStatus texts = CheckTexts(category);
  if (texts != CategoryStatus::kSaved) return texts;
  pagekit::CatalogStore store(data);
  const std::vector<CategoryEntry> categories = store.Categories();
  if (Find(categories, category.name) != nullptr) return CategoryStatus::kNameTaken;
  if (category.parent == category.name) return CategoryStatus::kParentInside;
  const CategoryEntry entry{category.name, category.parent, LevelUnder(categories, category.parent)};
  switch (store.AddCategory(entry)) {
    case pagekit::StoreResult::kDone:
      return CategoryStatus::kSaved;
    case pagekit::StoreResult::kNoDatabase:
      return CategoryStatus::kNoDatabase;
    default:
      return CategoryStatus::kNotSaved;
  }
}

CategoryStatus RenameCategory(KXPDatavane& data, const std::wstring& oldName, const CategoryInput& category) {
  const CategoryStatus texts = CheckTexts(category);
  if (texts != CategoryStatus::kSaved) return texts;
  const std::vector<CategoryEntry> categories = pagekit::CatalogStore(data).Categories();
  if (oldName.empty() || Find(categories, oldName) == nullptr) return CategoryStatus::kNotFound;
  if (category.name != oldName && Find(categories, category.name) != nullptr) return CategoryStatus::kNameTaken;
  const int level = LevelUnder(categories, category.parent);
  const auto below = Descendants(categories, oldName, level);
  if (category.parent == oldName || category.parent == category.name) return CategoryStatus::kParentInside;
  for (const auto& entry : below)
    if (entry.first->name == category.parent) return CategoryStatus::kParentInside;

  const std::string oldText = LibraryText(oldName);
  const std::string newText = LibraryText(category.name);
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return CategoryStatus::kNotSaved;
  if (!Update(data, "J4_Product_Type",
              {Value("商品类别", newText), Value("上级类别", LibraryText(category.parent)),
               Value("级别", std::to_string(level))},
              {Key("商品类别", oldText)}))
    return CategoryStatus::kNotSaved;
  if (newText != oldText) {
    if (!Update(data, "J4_Product_Type", {Value("上级类别", newText)}, {Key("上级类别", oldText)}))
      return CategoryStatus::kNotSaved;
    if (!Update(data, "J4_Product_Data", {Value("商品类别", newText)}, {Key("商品类别", oldText)}))
      return CategoryStatus::kNotSaved;
  }
  for (const auto& entry : below) {
    if (entry.first->level == entry.second) continue;
    if (!Update(data, "J4_Product_Type", {Value("级别", std::to_string(entry.second))},
                {Key("商品类别", LibraryText(entry.first->name))}))
      return CategoryStatus::kNotSaved;
  }
  return unit.Commit() ? CategoryStatus::kSaved : CategoryStatus::kNotSaved;
}

CategoryStatus DeleteCategory(KXPDatavane& data, const std::wstring& name) {
  if (name.empty()) return CategoryStatus::kNotFound;
  switch (pagekit::CatalogStore(data).DeleteCategory(name)) {
    case pagekit::StoreResult::kDone:
      return CategoryStatus::kSaved;
    case pagekit::StoreResult::kTextNotStorable:
      return CategoryStatus::kTextNotStorable;
    case pagekit::StoreResult::kNoDatabase:
      return CategoryStatus::kNoDatabase;
    default:
      return CategoryStatus::kNotSaved;
  }
}

std::wstring CategoryStatusMessage(CategoryStatus status) {
  switch (status) {
    case CategoryStatus::kSaved:
      return L"";
    case CategoryStatus::kNameEmpty:
      return L"请输入商品类别名称！";
    case CategoryStatus::kNameTaken:
      return L"该商品类别已存在，请重新输入！";
    case CategoryStatus::kParentInside:
      return L"上级类别不能是该类别本身或其下级类别！";
    case CategoryStatus::kNotFound:
      return L"请先选择要修改的商品类别！";
    case CategoryStatus::kTextNotStorable:
      return L"类别名称中有无法保存的字符！";
    case CategoryStatus::kNoDatabase:
    case CategoryStatus::kNotSaved:
      break;
  }
  return L"保存失败，数据未作任何修改，请重试！";
}

}  // namespace masterdata
