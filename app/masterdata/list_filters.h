// The conditions the master data lists are filled with: a product search (name or
// category, or their pinyin initials), a category with the categories directly
// under it, a party search (name, contact, phone, or the name's initials). Each
// composed condition stands in parentheses, a category and a search text combine
// with "and", and every typed text has its quotes doubled.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"

namespace masterdata {

// The raw condition of the product list (library texts); empty when neither a
// search text nor a category is given. `subCategories` are the categories directly
// under `category`.
std::string ProductListCondition(const std::string& search, const std::string& category,
                                 const std::vector<std::string>& subCategories);

// The categories whose parent is `category` (library texts).
std::vector<std::string> SubCategories(KXPDatavane& data, const std::string& category);

// The raw condition of the party list: `nameColumn` is 客户名称 or 供应商名称 (the
// view's); empty for an empty search.
std::string PartyListCondition(const std::string& nameColumn, const std::string& search);

}  // namespace masterdata
