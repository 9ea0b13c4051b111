// The field records a store hands to the data library: a selected column, a
// hidden equality filter, a value to write; and a query that answers whether it
// ran. Library texts (GBK) throughout.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"

namespace pagekit {

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

}  // namespace pagekit
