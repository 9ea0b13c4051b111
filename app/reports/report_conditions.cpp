// The report pages' condition texts.
#include "report_conditions.h"

#include "list_conditions.h"

namespace reports {

std::string JoinCondition(const std::string& text, const std::string& part) {
  if (part.empty()) return text;
  if (text.empty()) return part;
  return text + "and " + part;
}

std::string DateCondition(const std::string& start, const std::string& end) {
  return JoinCondition(ValueCondition("单据日期", ">=", start), ValueCondition("单据日期", "<=", end));
}

std::string ValueCondition(const char* column, const char* op, const std::string& value) {
  if (value.empty()) return std::string();
  return std::string(column) + op + "'" + pagekit::QuoteSqlText(value) + "' ";
}

std::string TwoPartCondition(const char* first, const std::string& a, const char* second, const std::string& b) {
  return JoinCondition(ValueCondition(first, "=", a), ValueCondition(second, "=", b));
}

}  // namespace reports
