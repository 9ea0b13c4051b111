// Amounts, prices and quantities as the program writes them: two decimals.
#pragma once

#include "core/ui_string.h"

namespace pagekit {

// A typed amount with two decimals: "12.5" -> "12.50"; text that is no number
// reads as 0.
SkinUI::CUIString FormatMoneyAmount(const wchar_t* typed);
// A number with two decimals, "%.02f".
SkinUI::CUIString FormatMoneyAmount(double amount);

}  // namespace pagekit
