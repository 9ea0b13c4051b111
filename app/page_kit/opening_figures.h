// The opening figures of the master data forms, derived while the user types the
// current one: a product's initial stock from its current stock and the quantities
// its stored bills moved, a party's initial balance from its current balance and
// its stored bills, receipts and payments. The product and party pages call these
// on "textchanged" of the current figure.
#pragma once

#include "kxp_data.h"
#include "page_fields.h"
#include "page_host.h"

namespace pagekit {

// hpkc_new_cskc = hpkc_new_dqkc − bought + sold, for the product in hpkc_new_pmgg.
// Nothing happens when a field is missing or a sum cannot be read.
void DeriveInitialStock(PageFields& fields, KXPDatavane& data);

// khyqk_new_csysk = khyqk_new_dqysk − ((due − paid of its bills) − its receipts, or
// payments on the purchase side), for the party in khyqk_new_khmc.
void DeriveInitialBalance(PageFields& fields, KXPDatavane& data, PageSide side);

}  // namespace pagekit
