// A party's running balance (当前应收款 of J4_Customer_Data): what a customer owes,
// or what is owed to a supplier. A bill adds its due − paid, a receipt or payment
// takes its amount off; removing a stored document takes its effect back, once.
#pragma once

#include <string>

#include "data_store.h"

namespace documents {

// True when the party (library text) has a row of its own.
bool IsPartyStored(KXPDatavane& data, const std::string& party);

// Adds `delta` to the stored balance, written "%.02f". kNotFound: the party has no
// row, nothing changed.
pagekit::StoreResult AddToPartyBalance(KXPDatavane& data, const std::string& party, double delta);

// "%.02f" of a number, as amounts are stored.
std::string StoredAmount(double value);

}  // namespace documents
