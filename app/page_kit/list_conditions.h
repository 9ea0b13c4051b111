// The conditions that pages write themselves: a search text between quotes in a
// "like" pattern, a date range, a name or its pinyin initials. The library writes
// such a raw condition into the WHERE text as it stands, so the text a user typed
// has its quotes doubled here, once; the values of plain entries are escaped by the
// library and must not pass through here.
#pragma once

#include <string>

#include "kxp_data.h"

namespace pagekit {

// The text with every single quote doubled, ready to stand between quotes in SQL.
std::string QuoteSqlText(const std::string& text);

// A raw condition entry: the whole condition as its name, value ".", no comparison,
// value type 2, hidden (written into the WHERE text, never selected).
DataField RawCondition(const std::string& condition);

// '%text%' with the text's quotes doubled: a pattern that holds the text anywhere.
std::string LikeAnywhere(const std::string& text);

// (column like '%text%' or Hanzi2Pinyin(column) like '%text%'): the column or its
// pinyin initials hold the text.
std::string NameOrInitialsCondition(const std::string& column, const std::string& text);

}  // namespace pagekit
