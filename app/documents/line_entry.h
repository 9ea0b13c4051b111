// Line entry on the bill and order grids: a line recomputed after one of its cells
// changed (amount from price and quantity, or price from amount; business units on
// bill lines; the sign of a return), the totals that follow every change, the
// discount percent and the amount due following each other, and a product chosen
// for a line. Everything reads and writes the page's fields by name.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "kxp_data.h"
#include "page_fields.h"
#include "page_host.h"

namespace documents {

// The controls of one document page that line entry reads and writes.
struct GridNames {
  const wchar_t* list;       // "listxsd"
  const wchar_t* returnBox;  // "xsd_chk_th"
  const wchar_t* party;      // "xsd_custom"
  const wchar_t* due;        // "xsd_money_need"
  const wchar_t* percent;    // "xsd_percent"
  const wchar_t* paid;       // "xsd_edit_money_actual"; null on the order page
  const wchar_t* ordered;    // "xsydd_dhsl"; null on the bill page
  bool businessUnits;        // bill lines count in business units too
};

extern const GridNames kBillGrid;
extern const GridNames kOrderGrid;

// The business-unit rate of a product and base unit, looked up once per pair while
// a page shows its lines (a grid's totals follow every keystroke over 50 lines).
class UnitRates {
 public:
  // 0 when the product has no business unit (or no product is named); `name`
  // receives the unit's name when there is one.
  double RateOf(KXPDatavane* data, const std::wstring& product, const std::wstring& unit, std::wstring* name = nullptr);
  void Forget() { rates_.clear(); }

 private:
  std::map<std::pair<std::wstring, std::wstring>, std::pair<double, std::wstring>> rates_;
};

class LineEntry {
 public:
  LineEntry(const GridNames& names, UnitRates& rates) : names_(names), rates_(rates) {}

  // A cell of line `row` changed: the line, then the totals.
  void OnRowChanged(pagekit::PageFields& fields, KXPDatavane* data, int row, const std::wstring& cell);
  // The totals of every line into the amount due (and the amount paid, and the
  // ordered quantity).
  void UpdateTotals(pagekit::PageFields& fields);
  void OnPercentChanged(pagekit::PageFields& fields);
  void OnDueChanged(pagekit::PageFields& fields);
  // The product chosen for line `row`: name, unit, category, a quantity of 1 (-1 in
  // a return), the party's price; the second quantity starts again. False when the
  // product is not stored (its name stays in the line).
  bool SetRowProduct(pagekit::PageFields& fields, KXPDatavane* data, pagekit::PageSide side, int row,
                     const std::wstring& product);

 private:
  // The line's value (its amount) and quantity; false when the row lacks a cell
  // the totals need.
  bool LineValue(pagekit::PageFields& fields, int row, bool strict, double* value, double* quantity);
  bool Total(pagekit::PageFields& fields, bool strict, double* total, double* quantity);

  const GridNames& names_;
  UnitRates& rates_;
};

}  // namespace documents
