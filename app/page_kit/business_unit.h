// The business unit of a product: the larger unit it is also counted in (a box of
// 12 pieces) with its rate to the base unit. One lookup for every page, so a bill
// line, a price form and the product page agree on it.
#pragma once

#include <string>

#include "kxp_data.h"

namespace pagekit {

struct BusinessUnit {
  std::string name;  // library text (GBK)
  double rate = 0;   // base units in one business unit; above 0
};

// The business unit stored for this product and base unit (library texts). A row
// with an empty name or a rate not above 0 counts as none; of several rows the one
// stored last decides (so a last row of no use means none). False when there is
// none (or the query failed).
bool LookUpBusinessUnit(KXPDatavane& data, const std::string& product, const std::string& baseUnit, BusinessUnit* unit);

// A base-unit quantity shown as whole business units and a rest in base units: 25
// at 12 gives 2 and 1, 24 at 12 gives 2 and 0, 7 at 12 gives 0 and 7. A rate not
// above 0 gives 0 and the quantity.
struct UnitSplit {
  double whole = 0;
  double rest = 0;
};
UnitSplit SplitQuantity(double quantity, double rate);

}  // namespace pagekit
