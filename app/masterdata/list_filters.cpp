// The master data lists' conditions (see list_filters.h).
#include "list_filters.h"

#include "list_conditions.h"
#include "masterdata_records.h"

namespace masterdata {
namespace {

std::string Quoted(const std::string& text) { return "'" + pagekit::QuoteSqlText(text) + "'"; }

}  // namespace

std::string ProductListCondition(const std::string& search, const std::string& category,
                                 const std::vector<std::string>& subCategories) {
  std::string categoryPart;
  if (!category.empty()) {
    categoryPart = "(商品类别 = " + Quoted(category);
    if (!subCategories.empty()) {
      std::string joined;
      for (const std::string& name : subCategories) joined += (joined.empty() ? "" : ", ") + Quoted(name);
      categoryPart += " or 商品类别 in (" + joined + ")";
    }
    categoryPart += ")";
  }
  std::string searchPart;
  if (!search.empty()) {
    searchPart = "(" + pagekit::NameOrInitialsCondition("商品名称", search) + " or " +
                 pagekit::NameOrInitialsCondition("商品类别", search) + ")";
  }
  if (categoryPart.empty()) return searchPart;
  if (searchPart.empty()) return categoryPart;
  return "(" + categoryPart + " and " + searchPart + ")";
}

std::vector<std::string> SubCategories(KXPDatavane& data, const std::string& category) {
  Rows rows;
  std::vector<std::string> names;
  if (category.empty() || !Query(data, "J4_Product_Type", {Column("商品类别"), Key("上级类别", category)}, &rows))
    return names;
  for (const Record& row : rows)
    if (!row.empty() && row[0].value != category) names.push_back(row[0].value);
  return names;
}

std::string PartyListCondition(const std::string& nameColumn, const std::string& search) {
  if (search.empty()) return std::string();
  const std::string quoted = Quoted(search);
  return "(" + nameColumn + " = " + quoted + " or 联系人 = " + quoted + " or 电话 = " + quoted + " or " +
         pagekit::NameOrInitialsCondition(nameColumn, search) + ")";
}

}  // namespace masterdata
