#include "bill_amounts.h"

#include <cmath>
#include <cwchar>

#include "data_store.h"
#include "party_balance.h"

namespace documents {
namespace {

double Number(const std::wstring& text) { return IsNumberText(text) ? std::wcstod(text.c_str(), nullptr) : 0; }

std::wstring TwoDecimals(double value) { return pagekit::PageText(StoredAmount(value)); }

}  // namespace

bool IsNumberText(const std::wstring& text) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  const double value = std::wcstod(text.c_str(), &end);
  while (end != nullptr && *end == L' ') ++end;
  return end != nullptr && *end == L'\0' && end != text.c_str() && std::isfinite(value);
}

std::wstring OpenedBillPercent(const std::wstring& storedRate, const std::wstring& due, const std::wstring& sales) {
  if (Number(storedRate) > 0) return storedRate;
  const double salesAmount = Number(sales);
  if (sales == due || salesAmount == 0) return L"100";
  return TwoDecimals(Number(due) / salesAmount * 100);
}

std::wstring SalesAmountBeforeDiscount(const std::wstring& due, const std::wstring& storedRate) {
  double rate = Number(storedRate);
  if (rate == 0) rate = 100;
  return TwoDecimals(Number(due) * 100 / rate);
}

}  // namespace documents
