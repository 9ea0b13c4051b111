#include "line_entry.h"

#include <vector>

#include "business_unit.h"
#include "data_store.h"
#include "line_arithmetic.h"
#include "line_product.h"

namespace documents {
namespace {

using pagekit::Cell;
using pagekit::PageFields;

const wchar_t kName[] = L"item_商品名称";
const wchar_t kUnit[] = L"item_单位";
const wchar_t kSecondUnit[] = L"item_单位2";
const wchar_t kCategory[] = L"item_商品类别";
const wchar_t kQuantity[] = L"item_数量";
const wchar_t kSecondQuantity[] = L"item_数量2";
const wchar_t kPrice[] = L"item_单价";
const wchar_t kAmount[] = L"item_金额";
const wchar_t kRemark[] = L"item_备注";

LineCell CellKind(const std::wstring& cell) {
  if (cell == kAmount) return LineCell::kAmount;
  if (cell == kQuantity) return LineCell::kQuantity;
  if (cell == kSecondQuantity) return LineCell::kSecondQuantity;
  return LineCell::kOther;
}

}  // namespace

const GridNames kBillGrid = {
    L"listxsd", L"xsd_chk_th", L"xsd_custom", L"xsd_money_need", L"xsd_percent", L"xsd_edit_money_actual",
    nullptr,    true};
const GridNames kOrderGrid = {L"listxsydd",     L"xsydd_chk_th", L"xsydd_custom", L"xsydd_money_need",
                              L"xsydd_percent", nullptr,         L"xsydd_dhsl",   false};

double UnitRates::RateOf(KXPDatavane* data, const std::wstring& product, const std::wstring& unit, std::wstring* name) {
  if (product.empty() || unit.empty() || data == nullptr) return 0;
  auto key = std::make_pair(product, unit);
  auto found = rates_.find(key);
  if (found == rates_.end()) {
    pagekit::BusinessUnit business;
    std::pair<double, std::wstring> rate(0, L"");
    if (pagekit::IsStorable(product) && pagekit::IsStorable(unit) &&
        pagekit::LookUpBusinessUnit(*data, pagekit::LibraryText(product), pagekit::LibraryText(unit), &business))
      rate = {business.rate, pagekit::PageText(business.name)};
    found = rates_.emplace(key, rate).first;
  }
  if (name != nullptr) *name = found->second.second;
  return found->second.first;
}

void LineEntry::OnRowChanged(PageFields& fields, KXPDatavane* data, int row, const std::wstring& cell) {
  const std::wstring list = names_.list;
  auto at = [&](const wchar_t* name) { return Cell(list, row, name); };
  for (const wchar_t* needed : {kQuantity, kPrice, kAmount, kName})
    if (!fields.Exists(at(needed))) return;
  const bool returning = fields.Selected(names_.returnBox);
  const LineCell changed = CellKind(cell);

  LineNumbers line;
  if (names_.businessUnits && fields.Exists(at(kUnit)) && fields.Exists(at(kSecondUnit)) &&
      fields.Exists(at(kSecondQuantity))) {
    if (changed != LineCell::kQuantity && changed != LineCell::kSecondQuantity) {
      fields.SetVisible(at(kSecondUnit), false);
      fields.SetVisible(at(kSecondQuantity), false);
    }
    std::wstring unitName;
    line.rate = rates_.RateOf(data, fields.Text(at(kName)), fields.Text(at(kUnit)), &unitName);
    if (line.rate > 0) {
      fields.SetText(at(kSecondUnit), unitName);
      fields.SetVisible(at(kSecondUnit), true);
      fields.SetVisible(at(kSecondQuantity), true);
    }
    if (fields.Visible(at(kSecondQuantity))) line.secondQuantity = NumberOf(fields.Text(at(kSecondQuantity)));
  }

  // A return's typed number turns negative before it counts.
  if (returning && changed != LineCell::kOther) {
    std::wstring negative;
    if (ReturnSigned(fields.Text(at(cell.c_str())), &negative)) fields.SetText(at(cell.c_str()), negative);
  }
  line.quantity = NumberOf(fields.Text(at(kQuantity)));
  line.price = NumberOf(fields.Text(at(kPrice)));
  line.amount = NumberOf(fields.Text(at(kAmount)));

  const LineUpdate update = RecalculateLine(line, changed);
  if (update.quantitiesWritten) {
    fields.SetText(at(kQuantity), MoneyText(update.quantity));
    fields.SetText(at(kSecondQuantity), MoneyText(update.secondQuantity));
  }
  if (update.priceWritten) fields.SetText(at(kPrice), MoneyText(update.price));
  if (update.amountWritten) fields.SetText(at(kAmount), MoneyText(update.amount));

  if (fields.Text(at(kName)).empty()) {
    for (const wchar_t* emptied : {kQuantity, kSecondQuantity, kPrice, kAmount, kUnit, kSecondUnit, kCategory, kRemark})
      if (names_.businessUnits || (emptied != kSecondQuantity && emptied != kSecondUnit))
        fields.SetText(at(emptied), L"");
  }
  for (const wchar_t* coloured : {kQuantity, kPrice, kAmount})
    fields.SetAttribute(at(coloured), L"textcolor", L"#FF000000");
  UpdateTotals(fields);
}

bool LineEntry::LineValue(PageFields& fields, int row, bool strict, double* value, double* quantity) {
  const std::wstring list = names_.list;
  auto at = [&](const wchar_t* name) { return Cell(list, row, name); };
  const bool bill = names_.businessUnits;
  // What a line must have to count: the bill's percent and due checks ask for
  // every cell, its running totals for price and amount, an order for its quantity too.
  static const std::vector<const wchar_t*> kBillCells = {kPrice, kAmount};
  static const std::vector<const wchar_t*> kStrictBillCells = {kQuantity, kSecondQuantity, kUnit, kSecondUnit,
                                                               kPrice,    kAmount,         kName};
  static const std::vector<const wchar_t*> kOrderCells = {kQuantity, kPrice, kAmount};
  const std::vector<const wchar_t*>& needed = !bill ? kOrderCells : strict ? kStrictBillCells : kBillCells;
  for (const wchar_t* cell : needed)
    if (!fields.Exists(at(cell))) return false;
  // The line's amount as it shows: price × base quantity to the cent wherever the
  // line computed it, the typed amount where the user gave one (3 for 10 counts
  // 10, not 3 × 3.33), so the total is the sum of the amounts the lines store.
  *value = NumberOf(fields.Text(at(kAmount)));
  *quantity = NumberOf(fields.Text(at(kQuantity)));
  return true;
}

bool LineEntry::Total(PageFields& fields, bool strict, double* total, double* quantity) {
  *total = 0;
  *quantity = 0;
  const int rows = fields.RowCount(names_.list);
  for (int row = 0; row < rows; ++row) {
    double value = 0;
    double lineQuantity = 0;
    if (!LineValue(fields, row, strict, &value, &lineQuantity)) return false;
    *total += value;
    *quantity += lineQuantity;
  }
  return true;
}

void LineEntry::UpdateTotals(PageFields& fields) {
  double total = 0;
  double quantity = 0;
  if (!Total(fields, false, &total, &quantity)) return;
  const std::wstring due = MoneyText(AmountDue(total, NumberOf(fields.Text(names_.percent))));
  fields.SetText(names_.due, due);
  if (names_.paid != nullptr) fields.SetText(names_.paid, due);
  if (names_.ordered != nullptr) fields.SetText(names_.ordered, MoneyText(quantity));
}

void LineEntry::OnPercentChanged(PageFields& fields) {
  double total = 0;
  double quantity = 0;
  if (!Total(fields, true, &total, &quantity)) return;
  const std::wstring due = MoneyText(AmountDue(total, NumberOf(fields.Text(names_.percent))));
  fields.SetText(names_.due, due);
  if (names_.paid != nullptr) fields.SetText(names_.paid, due);
}

void LineEntry::OnDueChanged(PageFields& fields) {
  double total = 0;
  double quantity = 0;
  double percent = 0;
  if (!Total(fields, true, &total, &quantity)) return;
  if (!PercentOfDue(NumberOf(fields.Text(names_.due)), total, &percent)) return;
  fields.SetText(names_.percent, MoneyText(percent));
  if (names_.paid != nullptr) fields.SetText(names_.paid, fields.Text(names_.due));
}

bool LineEntry::SetRowProduct(PageFields& fields, KXPDatavane* data, pagekit::PageSide side, int row,
                              const std::wstring& product) {
  const std::wstring list = names_.list;
  auto at = [&](const wchar_t* name) { return Cell(list, row, name); };
  const std::wstring party = fields.Text(names_.party);
  const bool returning = fields.Selected(names_.returnBox);
  fields.SetText(at(kName), product);
  LineProduct chosen;
  if (data == nullptr || !LookUpLineProduct(*data, side, party, product, &chosen)) return false;
  fields.SetText(at(kUnit), chosen.unit);
  fields.SetText(at(kCategory), chosen.category);
  fields.SetText(at(kQuantity), returning ? L"-1.00" : L"1.00");
  // Another product's business units mean nothing for this one.
  if (names_.businessUnits) fields.SetText(at(kSecondQuantity), L"");
  fields.SetText(at(kPrice), chosen.price);
  fields.SetText(at(kAmount), returning && !chosen.price.empty() ? L"-" + chosen.price : chosen.price);
  OnRowChanged(fields, data, row, kAmount);
  return true;
}

}  // namespace documents
