// Totals of a few columns per group of rows, from one walk of a table in stored
// order instead of one indexed statement per group. A group's totals add up
// row by row in the same order as a statement that picks the group's rows by
// an index on its key (an index orders equal keys by row), so each reads as the
// text sum() gives there.
#ifndef DATAVANE_GROUPED_SUMS_H
#define DATAVANE_GROUPED_SUMS_H

#include <string>
#include <unordered_map>
#include <vector>

#include "reports/report_session.h"
#include "reports/sql_sum.h"

class GroupedSums {
 public:
  // `ansiSql` selects `keyColumns` key columns and then the columns to total,
  // ordered by rowid. A row whose key column is not a text (NULL) is in no
  // group, as a comparison with a bound text never takes it.
  GroupedSums(ReportSession& session, const std::string& ansiSql, int keyColumns, int valueColumns);

  // The totals of the group whose key columns read as `keyUtf8` (as stored);
  // null when no row had that key.
  const std::vector<SqlSum>* of(const std::vector<std::string>& keyUtf8) const;

 private:
  static std::string Joined(const std::vector<std::string>& parts);
  std::unordered_map<std::string, std::vector<SqlSum>> groups_;
};

#endif
