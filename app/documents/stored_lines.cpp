#include "stored_lines.h"

#include <map>

#include "data_store.h"
#include "list_conditions.h"
#include "record_fields.h"

namespace documents {

pagekit::Record LineCells(const std::string& product, const std::string& unit, const std::string& category,
                          const std::string& quantity, const std::string& price, const std::string& amount,
                          const std::string& remark) {
  return {Value("商品名称", product), Value("单位", unit),   Value("商品类别", category), Value("数量", quantity),
          Value("单价", price),       Value("金额", amount), Value("备注", remark)};
}

std::vector<Record> StoredLines(KXPDatavane& data, const std::wstring& number) {
  // An empty key filters nothing in the library: every document's lines would
  // come.
  if (number.empty() || !pagekit::IsStorable(number)) return {};
  Rows stored;
  if (!Query(data, "J4_Bill_Items",
             {Column("商品名称"), Column("数量"), Column("单价"), Column("金额"), Column("备注"),
              Key("单据编号", pagekit::LibraryText(number))},
             &stored))
    return {};

  // The products' units and categories in a few look-ups.
  std::vector<std::string> names;
  for (const Record& line : stored) names.push_back(line[0].value);
  std::map<std::string, std::pair<std::string, std::string>> products;
  for (const std::string& condition : InConditions("商品名称", names)) {
    Rows rows;
    if (!Query(data, "J4_V_Product_Inventory",
               {Column("商品名称"), Column("单位"), Column("商品类别"), pagekit::RawCondition(condition)}, &rows))
      return {};
    for (const Record& row : rows) products[row[0].value] = {row[1].value, row[2].value};
  }

  std::vector<Record> lines;
  for (const Record& line : stored) {
    const auto product = products.find(line[0].value);
    const std::string unit = product != products.end() ? product->second.first : std::string();
    const std::string category = product != products.end() ? product->second.second : std::string();
    lines.push_back(
        LineCells(line[0].value, unit, category, line[1].value, line[2].value, line[3].value, line[4].value));
  }
  return lines;
}

}  // namespace documents
