#include "record_fields.h"

#include <set>

#include "list_conditions.h"

namespace documents {

std::vector<std::string> InConditions(const char* column, const std::vector<std::string>& texts) {
  // The library builds statements of at most 1024 bytes of UTF-8; GBK text grows by
  // half on the way, and the rest of the statement needs its room too.
  const size_t kMaxBytes = 400;
  std::vector<std::string> conditions;
  std::set<std::string> seen;
  std::string list;
  for (const std::string& text : texts) {
    if (!seen.insert(text).second) continue;
    const std::string quoted = "'" + pagekit::QuoteSqlText(text) + "'";
    if (!list.empty() && list.size() + quoted.size() + 1 > kMaxBytes) {
      conditions.push_back(std::string(column) + " in (" + list + ")");
      list.clear();
    }
    list += (list.empty() ? "" : ",") + quoted;
  }
  if (!list.empty()) conditions.push_back(std::string(column) + " in (" + list + ")");
  return conditions;
}

bool LookUpMany(KXPDatavane& data, const char* table, const char* column, const char* value,
                const std::vector<std::string>& texts, std::map<std::string, std::string>* found) {
  for (const std::string& condition : InConditions(column, texts)) {
    Rows rows;
    if (!Query(data, table, {Column(column), Column(value), pagekit::RawCondition(condition)}, &rows)) return false;
    for (const Record& row : rows)
      if (row.size() >= 2) (*found)[row[0].value] = row[1].value;
  }
  return true;
}

}  // namespace documents
