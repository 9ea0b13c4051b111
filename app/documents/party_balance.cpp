#include "party_balance.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "record_fields.h"

namespace documents {

bool IsPartyStored(KXPDatavane& data, const std::string& party) {
  Rows rows;
  return Query(data, "J4_Customer_Data", {Column("客户名称"), Key("客户名称", party)}, &rows) && !rows.empty();
}

pagekit::StoreResult AddToPartyBalance(KXPDatavane& data, const std::string& party, double delta) {
  Rows rows;
  if (!Query(data, "J4_Customer_Data", {Column("当前应收款"), Key("客户名称", party)}, &rows))
    return pagekit::StoreResult::kDatabaseError;
  if (rows.empty()) return pagekit::StoreResult::kNotFound;
  const double balance = std::atof(FirstValue(rows, 0).c_str()) + delta;
  Record values = {Value("当前应收款", StoredAmount(balance))};
  Record keys = {Value("客户名称", party)};
  return pagekit::StoreResultOf(data.UpdateRecord("J4_Customer_Data", &values, &keys));
}

std::string StoredAmount(double value) {
  double cents = std::round(value * 100) / 100;
  if (cents == 0) cents = 0;  // no "-0.00"
  const int length = std::snprintf(nullptr, 0, "%.02f", cents);
  std::string text(length > 0 ? length : 0, '\0');
  if (length > 0) std::snprintf(&text[0], text.size() + 1, "%.02f", cents);
  return text;
}

}  // namespace documents
