// Statement text from field records. The fragments and their blanks are what
// stored callers' condition texts and ops were written against; keep them exact.
#include "statement_builder.h"

#include <cmath>
#include <cstdlib>

#include "sql_text.h"

namespace {

// The number form of a condition: the value as written, with two decimals, as an
// integer and as an integer followed by ".0", so a text column matches a number
// however it was stored.
std::string NumberCondition(const DataField& f, bool first, const char* connector) {
  const std::string value = SqlEscape(f.value);
  const double number = std::atof(f.value.c_str());
  const std::string twoDecimals = StringPrintf("%.02f", number);
  const double truncated = std::trunc(number);
  const long long whole = (truncated > -9e18 && truncated < 9e18) ? static_cast<long long>(truncated) : 0;
  const char* n = f.name.c_str();
  const char* o = f.op.c_str();
  if (first) {
    return StringPrintf(" %s%s'%s' ", n, o, value.c_str()) + StringPrintf(" and %s%s'%s' ", n, o, twoDecimals.c_str()) +
           StringPrintf(" and %s%s'%lld' ", n, o, whole) +
           StringPrintf(" and %s%s ", n, StringPrintf(" not like '%lld.0' ", whole).c_str());
  }
  const std::string group = StringPrintf(" (%s%s'%s'", n, o, twoDecimals.c_str()) +
                            StringPrintf(" and %s%s'%lld'", n, o, whole) +
                            StringPrintf(" and %s%s", n, StringPrintf(" not like '%lld.0'", whole).c_str()) +
                            StringPrintf(" and %s%s'%s' )", n, o, value.c_str());
  return StringPrintf(" %s %s", connector, group.c_str());
}

std::string Condition(const DataField& f, bool first) {
  const char* connector = ConnectorOf(f.code);
  if (f.valueType == 2) {
    return first ? StringPrintf(" %s%s ", f.name.c_str(), f.op.c_str())
                 : StringPrintf(" %s %s%s", connector, f.name.c_str(), f.op.c_str());
  }
  if (f.valueType == 1) return NumberCondition(f, first, connector);
  const std::string value = SqlEscape(f.value);
  return first ? StringPrintf(" %s%s'%s' ", f.name.c_str(), f.op.c_str(), value.c_str())
               : StringPrintf(" %s %s%s'%s'", connector, f.name.c_str(), f.op.c_str(), value.c_str());
}

}  // namespace

const char* ConnectorOf(int code) {
  switch (code) {
    case 0:
      return "and";
    case 1:
      return "or";
    case 2:
      return "like";
    case 3:
      return "!=";
    default:
      return "";
  }
}

bool HasOrdering(const std::vector<DataField>& record) {
  for (const DataField& f : record)
    if (f.code == 4 || f.code == 5) return true;
  return false;
}

std::string BuildSelectStatement(const std::string& table, const std::vector<DataField>& record, bool withOrdering) {
  std::string ordering;
  if (withOrdering) {
    for (const DataField& f : record) {
      if (f.code == 4) ordering += StringPrintf(" order by %s desc", f.name.c_str());
      if (f.code == 5) ordering += StringPrintf(" order by %s asc", f.name.c_str());
    }
  }
  std::string columns;
  for (const DataField& f : record) {
    if (static_cast<unsigned char>(f.hidden) != 0) continue;
    if (!columns.empty()) columns += ",";
    columns += f.name;
  }
  std::string where;
  for (const DataField& f : record) {
    if (f.value.empty()) continue;
    where += Condition(f, where.empty());
  }
  const char* s = columns.c_str();
  const char* t = table.c_str();
  if (!where.empty() && !ordering.empty())
    return StringPrintf("select %s from %s where %s %s  limit 0,1", s, t, where.c_str(), ordering.c_str());
  if (!where.empty()) return StringPrintf("select %s from %s where %s", s, t, where.c_str());
  if (!ordering.empty()) return StringPrintf("select %s from %s %s  limit 0,1", s, t, ordering.c_str());
  return StringPrintf("select %s from %s", s, t);
}

std::string BuildInsertStatement(const std::string& table, const std::vector<DataField>& values, size_t columnCount) {
  std::string list;
  for (size_t i = 0; i < values.size(); ++i) {
    list += StringPrintf(i + 1 < values.size() ? "'%s'," : "'%s'", SqlEscape(values[i].value).c_str());
  }
  if (values.size() < columnCount) {
    list += ",";
    for (size_t i = values.size(); i < columnCount; ++i) list += (i + 1 < columnCount) ? "''," : "''";
  }
  return StringPrintf("insert into %s values(%s);", table.c_str(), list.c_str());
}

std::string BuildUpdateStatement(const std::string& table, const std::vector<DataField>& values,
                                 const std::vector<DataField>& keys) {
  std::string assignments;
  for (size_t i = 0; i < values.size(); ++i) {
    assignments += StringPrintf(i + 1 < values.size() ? " %s='%s'," : " %s='%s' ", values[i].name.c_str(),
                                SqlEscape(values[i].value).c_str());
  }
  if (keys.empty()) return StringPrintf("update %s set %s", table.c_str(), assignments.c_str());
  std::string where;
  for (size_t i = 0; i < keys.size(); ++i) {
    where +=
        StringPrintf(i == 0 ? " %s='%s' " : " and %s='%s' ", keys[i].name.c_str(), SqlEscape(keys[i].value).c_str());
  }
  return StringPrintf("update %s set %s where %s", table.c_str(), assignments.c_str(), where.c_str());
}

std::string BuildDeleteStatement(const std::string& table, const std::vector<DataField>& keys) {
  std::string where;
  for (size_t i = 0; i < keys.size(); ++i) {
    where += StringPrintf(i + 1 < keys.size() ? "%s='%s' and " : "%s='%s'", keys[i].name.c_str(),
                          SqlEscape(keys[i].value).c_str());
  }
  return StringPrintf("delete from %s where %s;", table.c_str(), where.c_str());
}
