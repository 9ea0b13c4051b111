// The condition texts the report pages compose, in the library's text: the date
// range, a column equal to a typed value, and the rule that joins the parts of
// a filter ("and " before a part exactly when the text it joins is non-empty).
// Every typed value put between quotes has its quotes doubled, so a name like
// O'Neil is a name and not the end of the condition; a text of any length fits.
#pragma once

#include <string>

namespace reports {

// `text` followed by `part`, with "and " between them when both are non-empty.
std::string JoinCondition(const std::string& text, const std::string& part);

// "单据日期>='start' " and "单据日期<='end' " for the dates given, joined;
// empty when both are empty.
std::string DateCondition(const std::string& start, const std::string& end);

// "column<op>'value' " with the value's quotes doubled; empty for an empty
// value.
std::string ValueCondition(const char* column, const char* op, const std::string& value);

// Two filters joined: "first='a' " and then "and second='b' " (the second alone
// without "and " when the first is empty).
std::string TwoPartCondition(const char* first, const std::string& a, const char* second, const std::string& b);

}  // namespace reports
