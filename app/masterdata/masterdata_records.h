// What the master data saves share: the kit's field records, a row's presence,
// the typed numbers of their forms and the answer a save gives its page.
#pragma once

#include <string>
#include <vector>

#include "field_records.h"

namespace masterdata {

using pagekit::Column;
using pagekit::Key;
using pagekit::Query;
using pagekit::Record;
using pagekit::Rows;
using pagekit::Value;

// True when a row of the table has `column` = value; false also when the query
// failed.
bool RowExists(KXPDatavane& data, const char* table, const char* column, const std::string& value);

// A number as the forms read it: the C library's conversion, text that is no
// number reads as 0.
double TypedNumber(const std::wstring& text);
double StoredNumber(const std::string& text);
// "%.02f", as amounts, prices and stock are stored.
std::string TwoDecimals(double value);

// What a save answers its page: whether it stored the form, and the tooltip to
// show at a field of the form (none when `field` is empty).
struct FormAnswer {
  bool saved = false;
  std::wstring field;
  std::wstring message;
  int tipWidth = 210;  // from the field's left edge
  int tipLeft = 0;     // the tooltip's left edge from the field's
};

inline FormAnswer Saved() { return FormAnswer{true, L"", L"", 0}; }
inline FormAnswer Tip(const wchar_t* field, const std::wstring& message, int width = 210) {
  return FormAnswer{false, field, message, width};
}
// A tooltip beside a small control (a select-all box): from 80 pixels left of
// it to 100 right of its left edge.
inline FormAnswer TipAside(const wchar_t* field, const std::wstring& message) {
  FormAnswer answer = Tip(field, message, 100);
  answer.tipLeft = -80;
  return answer;
}
// Nothing written, nothing to point at (a failed write): the page says so.
FormAnswer NotSaved(const wchar_t* field);

}  // namespace masterdata
