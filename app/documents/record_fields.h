// The field records the document stores hand to the data library: a selected
// column, a hidden equality filter, a value to write; and a query that answers
// whether it ran.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "kxp_data.h"

namespace documents {

using Record = std::vector<DataField>;
using Rows = std::vector<Record>;

// A column to select (its value comes back).
inline DataField Column(const char* name) { return MakeDataField(name, ""); }
// A condition column = value, not selected.
inline DataField Key(const char* name, const std::string& value) {
  DataField field = MakeDataField(name, value);
  field.hidden = 1;
  return field;
}
// A value to insert or set.
inline DataField Value(const char* name, const std::string& value) { return MakeDataField(name, value); }

// False when the query failed; `rows` then holds what came before the failure.
inline bool Query(KXPDatavane& data, const char* table, Record record, Rows* rows) {
  return data.QueryRecords(table, &record, rows) == 0;
}

// The value of the first row's field at `position`, empty when there is none.
inline std::string FirstValue(const Rows& rows, size_t position) {
  return !rows.empty() && rows.front().size() > position ? rows.front()[position].value : std::string();
}

// Conditions "column in ('a','b',...)" that together hold every text (library
// text, quotes doubled), each short enough for the library's statement: a look-up
// of many keys in a few queries instead of one query per key.
std::vector<std::string> InConditions(const char* column, const std::vector<std::string>& texts);

// The first two fields of every row of the table whose `column` is one of the
// texts, as key -> second field. False when a query failed.
bool LookUpMany(KXPDatavane& data, const char* table, const char* column, const char* value,
                const std::vector<std::string>& texts, std::map<std::string, std::string>* found);

}  // namespace documents
