// The amounts of a bill opened again: the discount percent it shows and the
// sales amount before the discount, from what the bill stored. Stored amounts
// are shown as stored, never recalculated.
#pragma once

#include <string>

namespace documents {

// True for a text that is a number and nothing else ("12.5", "-20"; not "",
// "abc", "1x").
bool IsNumberText(const std::wstring& text);

// The percent an opened bill shows: its stored 折扣率 as stored when that is a
// number above 0; else "100" when the sales amount reads as the amount due or
// is 0; else due / sales × 100 with two decimals.
std::wstring OpenedBillPercent(const std::wstring& storedRate, const std::wstring& due, const std::wstring& sales);

// The sales amount before the discount of a stored bill: due × 100 / rate with
// two decimals; a rate of 0 or no number counts as 100.
std::wstring SalesAmountBeforeDiscount(const std::wstring& due, const std::wstring& storedRate);

}  // namespace documents
