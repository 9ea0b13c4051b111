// Test support: the one maker of field records for the data library's tests, as the
// program fills them for a query, an insert, an update or a report.
#ifndef DATAVANE_TEST_DATA_FIELDS_H
#define DATAVANE_TEST_DATA_FIELDS_H

#include <string>

#include "kxp_data.h"

// A column or condition entry: code is the connector or ordering, hidden makes it a
// condition only, op is written between name and value.
inline DataField Field(const std::string& name, const std::string& value = "", int code = 0, int hidden = 0,
                       const char* op = "=", int valueType = 0) {
  DataField f = MakeDataField(name, value);
  f.code = code;
  f.hidden = hidden;
  f.op = op;
  f.valueType = valueType;
  return f;
}

// A condition written out whole by the caller (the name is the condition's text),
// not selected.
inline DataField RawCondition(const std::string& text, int code = 0) { return Field(text, ".", code, 1, "", 2); }

#endif
