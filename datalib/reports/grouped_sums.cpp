// Grouped totals in one pass.
#include "reports/grouped_sums.h"

#include <string_view>

GroupedSums::GroupedSums(ReportSession& session, const std::string& ansiSql, int keyColumns, int valueColumns) {
  ReportQuery rows(session, ansiSql);
  std::string key;
  while (rows.next()) {
    key.clear();
    bool textKey = true;
    for (int k = 0; k < keyColumns && textKey; ++k) {
      textKey = sqlite3_value_type(rows.value(k)) == SQLITE_TEXT;
      const std::string_view part = rows.utf8View(k);
      key.append(part.data(), part.size());
      key.push_back('\0');  // no stored text holds a NUL that a bound text would match
    }
    if (!textKey) continue;
    std::vector<SqlSum>& sums = groups_[key];
    if (sums.empty()) sums.resize(static_cast<size_t>(valueColumns));
    for (int v = 0; v < valueColumns; ++v) sums[static_cast<size_t>(v)].add(rows.value(keyColumns + v));
  }
}

std::string GroupedSums::Joined(const std::vector<std::string>& parts) {
  std::string key;
  for (const std::string& part : parts) {
    key += part;
    key.push_back('\0');
  }
  return key;
}

const std::vector<SqlSum>* GroupedSums::of(const std::vector<std::string>& keyUtf8) const {
  auto found = groups_.find(Joined(keyUtf8));
  return found == groups_.end() ? nullptr : &found->second;
}
