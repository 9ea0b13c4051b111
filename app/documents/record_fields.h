// The field records the document stores hand to the data library (the page
// kit's), and the first value of a query's rows.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "field_records.h"

namespace documents {

using pagekit::Column;
using pagekit::Key;
using pagekit::Query;
using pagekit::Record;
using pagekit::Rows;
using pagekit::Value;

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
