#include "line_arithmetic.h"

#include <cmath>
#include <cwchar>

#include "business_unit.h"
#include "money_text.h"

namespace documents {

double BaseQuantity(const LineNumbers& line) {
  return line.rate != 0 ? line.quantity + line.rate * line.secondQuantity : line.quantity;
}

LineUpdate RecalculateLine(const LineNumbers& line, LineCell changed) {
  LineUpdate update;
  const double base = BaseQuantity(line);
  if (line.rate > 0 && changed != LineCell::kQuantity && changed != LineCell::kSecondQuantity) {
    const pagekit::UnitSplit split = pagekit::SplitQuantity(base, line.rate);
    update.quantitiesWritten = true;
    update.quantity = split.rest;
    update.secondQuantity = split.whole;
  }
  if (changed == LineCell::kAmount) {
    // Without a base quantity there is no price per unit: the price stays.
    if (base != 0) {
      update.priceWritten = true;
      update.price = std::fabs(line.amount / base);
    }
  } else {
    update.amountWritten = true;
    update.amount = line.price * base;
  }
  return update;
}

bool ReturnSigned(const std::wstring& typed, std::wstring* signedText) {
  if (!(NumberOf(typed) > 0)) return false;
  *signedText = L"-" + typed;
  return true;
}

double AmountDue(double total, double percent) { return total * percent / 100; }

bool PercentOfDue(double due, double total, double* percent) {
  if (total == 0) return false;
  *percent = std::fabs(due * 100 / total);
  return true;
}

std::wstring MoneyText(double value) {
  // Rounded to cents first, so that -0.001 reads "0.00", not "-0.00".
  double cents = std::round(value * 100) / 100;
  if (cents == 0) cents = 0;
  return pagekit::FormatMoneyAmount(cents).GetData();
}

double NumberOf(const std::wstring& text) { return std::wcstod(text.c_str(), nullptr); }

}  // namespace documents
