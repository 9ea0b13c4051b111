// The records, numbers and answers the master data saves share.
#include "masterdata_records.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace masterdata {

bool RowExists(KXPDatavane& data, const char* table, const char* column, const std::string& value) {
  Rows rows;
  return Query(data, table, {Column(column), Key(column, value)}, &rows) && !rows.empty();
}

double TypedNumber(const std::wstring& text) { return std::wcstod(text.c_str(), nullptr); }

double StoredNumber(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string TwoDecimals(double value) {
  const int length = std::snprintf(nullptr, 0, "%.02f", value);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::snprintf(&text[0], text.size() + 1, "%.02f", value);
  return text;
}

FormAnswer NotSaved(const wchar_t* field) { return Tip(field, L"保存失败，数据未作任何修改，请重试！"); }

}  // namespace masterdata
