// Test support: records of a small shop written straight into the real
// library's tables, by column name (UTF-16 in, the library's code page stored).
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "data_store.h"
#include "kxp_data.h"

namespace output {
namespace test {

using Values = std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>;

// Inserts a record of `table` with these columns set and the others empty; the
// library's answer.
inline int Insert(KXPDatavane& data, const char* table, Values values) {
  std::vector<DataField> record;
  data.GetTableFields(table, &record);
  for (DataField& field : record) field.value.clear();
  for (const auto& value : values) {
    const std::string name = pagekit::LibraryText(value.first);
    for (DataField& field : record)
      if (field.name == name) field.value = pagekit::LibraryText(value.second);
  }
  return data.InsertRecord(table, &record);
}

// Every record of `table` as rows of UTF-16 texts in column order, with `where`
// as equal conditions (hidden).
inline std::vector<std::vector<std::wstring>> Rows(KXPDatavane& data, const char* table,
                                                   const std::vector<const wchar_t*>& columns, Values where = {}) {
  std::vector<DataField> record;
  for (const wchar_t* column : columns) record.push_back(MakeDataField(pagekit::LibraryText(column), ""));
  for (const auto& condition : where) {
    DataField field = MakeDataField(pagekit::LibraryText(condition.first), pagekit::LibraryText(condition.second));
    field.hidden = 1;
    record.push_back(field);
  }
  std::vector<std::vector<DataField>> found;
  data.QueryRecords(table, &record, &found);
  std::vector<std::vector<std::wstring>> rows;
  for (const auto& row : found) {
    std::vector<std::wstring> texts;
    for (size_t i = 0; i < columns.size() && i < row.size(); ++i) texts.push_back(pagekit::PageText(row[i].value));
    rows.push_back(texts);
  }
  return rows;
}

}  // namespace test
}  // namespace output
