#include "money_text.h"

#include <cwchar>

namespace pagekit {

SkinUI::CUIString FormatMoneyAmount(const wchar_t* typed) {
  return FormatMoneyAmount(typed != nullptr ? std::wcstod(typed, nullptr) : 0.0);
}

SkinUI::CUIString FormatMoneyAmount(double amount) {
  SkinUI::CUIString text;
  text.Format(L"%.02f", amount);
  return text;
}

}  // namespace pagekit
