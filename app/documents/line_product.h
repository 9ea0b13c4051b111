// What a line takes from the product chosen for it: its unit, its category and the
// unit price for the party on the page. The sales side starts from the retail
// price, the purchase side from the purchase price; the party "批发客户" always
// gets the wholesale price and "零售客户" the list price; any other party gets its
// stored trade price (sales) or contract price (purchases) when it has one.
#pragma once

#include <string>

#include "kxp_data.h"
#include "page_host.h"

namespace documents {

struct ProductPrices {
  std::wstring listPrice;  // 零售价 on the sales side, 进货价 on the purchase side
  std::wstring wholesale;  // 批发价
};

// The price a line starts with. `partyPrice` is the party's stored price, null when
// it has none (or none was looked up).
std::wstring LinePrice(const std::wstring& party, const ProductPrices& prices, const std::wstring* partyPrice);
// True for the two parties whose price is never looked up.
bool IsBuiltInCustomer(const std::wstring& party);

struct LineProduct {
  std::wstring unit;
  std::wstring category;
  std::wstring price;
};

// The product's unit, category and price for that party and side; false when the
// product is not stored.
bool LookUpLineProduct(KXPDatavane& data, pagekit::PageSide side, const std::wstring& party,
                       const std::wstring& product, LineProduct* line);

}  // namespace documents
