#include "business_unit.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace pagekit {

bool LookUpBusinessUnit(KXPDatavane& data, const std::string& product, const std::string& baseUnit,
                        BusinessUnit* unit) {
  if (baseUnit.empty()) return false;
  DataField productKey = MakeDataField("product", product);
  productKey.hidden = 1;
  DataField baseKey = MakeDataField("name_basic", baseUnit);
  baseKey.hidden = 1;
  std::vector<DataField> record = {MakeDataField("name", ""), MakeDataField("value", ""), baseKey, productKey};
  std::vector<std::vector<DataField>> rows;
  if (data.QueryRecords("J4_LogicalUnit", &record, &rows) != 0) return false;
  // Rows come in the order they were stored: the last one decides, and when it
  // has no name or no rate the product has no business unit.
  if (rows.empty() || rows.back().size() < 2) return false;
  const std::vector<DataField>& last = rows.back();
  const double rate = std::atof(last[1].value.c_str());
  if (last[0].value.empty() || !(rate > 0)) return false;
  if (unit != nullptr) {
    unit->name = last[0].value;
    unit->rate = rate;
  }
  return true;
}

UnitSplit SplitQuantity(double quantity, double rate) {
  UnitSplit split;
  if (!(rate > 0)) {
    split.rest = quantity;
    return split;
  }
  // 0.3 at 0.1 is 2.9999999999999996 boxes in double: three, not two and a rest.
  const double boxes = quantity / rate;
  split.whole = std::trunc(boxes + (boxes < 0 ? -1e-9 : 1e-9));
  split.rest = quantity - rate * split.whole;
  if (std::fabs(split.rest) < 1e-9) split.rest = 0;
  return split;
}

}  // namespace pagekit
