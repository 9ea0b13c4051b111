// Adding, renaming and deleting product categories. A category's level is its
// parent's plus one (0 at the top, or under a parent that is not stored). A rename
// changes the row in place: the categories directly under it and the products of
// it follow the new name, and every category below it gets its level again. Names
// that exist, and a parent that is the category itself or lies under it, are
// refused before anything is written; a rename is written whole or not at all.
#pragma once

#include <string>

#include "kxp_data.h"

namespace masterdata {

struct CategoryInput {
  std::wstring name;
  std::wstring parent;  // empty: at the top
};

enum class CategoryStatus {
  kSaved,
  kNameEmpty,
  kNameTaken,        // another category has that name
  kParentInside,     // the parent is the category itself or one of the categories under it
  kNotFound,         // the category to rename is not stored
  kTextNotStorable,  // the library's code page cannot hold a name
  kNoDatabase,
  kNotSaved,  // a write failed; nothing of it stayed
};

CategoryStatus AddCategory(KXPDatavane& data, const CategoryInput& category);
CategoryStatus RenameCategory(KXPDatavane& data, const std::wstring& oldName, const CategoryInput& category);
// The category and the categories directly under it go; products keep their text.
CategoryStatus DeleteCategory(KXPDatavane& data, const std::wstring& name);

// What the page tells the user; empty for kSaved.
std::wstring CategoryStatusMessage(CategoryStatus status);

}  // namespace masterdata
