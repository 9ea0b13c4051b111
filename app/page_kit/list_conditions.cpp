#include "list_conditions.h"

namespace pagekit {

std::string QuoteSqlText(const std::string& text) {
  std::string quoted;
  quoted.reserve(text.size() + 8);
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted;
}

DataField RawCondition(const std::string& condition) {
  DataField field;
  field.name = condition;
  field.value = ".";
  field.op.clear();
  field.valueType = 2;
  field.hidden = 1;
  return field;
}

std::string LikeAnywhere(const std::string& text) { return "'%" + QuoteSqlText(text) + "%'"; }

std::string NameOrInitialsCondition(const std::string& column, const std::string& text) {
  const std::string pattern = LikeAnywhere(text);
  return "(" + column + " like " + pattern + " or Hanzi2Pinyin(" + column + ") like " + pattern + ")";
}

}  // namespace pagekit
