#include "line_product.h"

#include "data_store.h"
#include "record_fields.h"

namespace documents {

bool IsBuiltInCustomer(const std::wstring& party) { return party == L"批发客户" || party == L"零售客户"; }

std::wstring LinePrice(const std::wstring& party, const ProductPrices& prices, const std::wstring* partyPrice) {
  if (party == L"批发客户") return prices.wholesale;
  if (!IsBuiltInCustomer(party) && partyPrice != nullptr) return *partyPrice;
  return prices.listPrice;
}

bool LookUpLineProduct(KXPDatavane& data, pagekit::PageSide side, const std::wstring& party,
                       const std::wstring& product, LineProduct* line) {
  if (!pagekit::IsStorable(product)) return false;
  const bool purchase = side == pagekit::PageSide::kPurchase;
  const std::string name = pagekit::LibraryText(product);
  Rows rows;
  if (!Query(data, "J4_V_Product_Inventory",
             {Column("单位"), Column("商品类别"), Column(purchase ? "进货价" : "零售价"), Column("批发价"),
              Key("商品名称", name)},
             &rows) ||
      rows.empty())
    return false;
  line->unit = pagekit::PageText(FirstValue(rows, 0));
  line->category = pagekit::PageText(FirstValue(rows, 1));
  const ProductPrices prices{pagekit::PageText(FirstValue(rows, 2)), pagekit::PageText(FirstValue(rows, 3))};

  std::wstring stored;
  bool hasStored = false;
  if (!IsBuiltInCustomer(party) && !party.empty() && pagekit::IsStorable(party)) {
    Rows priceRows;
    const std::string partyName = pagekit::LibraryText(party);
    const bool found =
        purchase ? Query(data, "J4_Supplier_ContractPrice",
                         {Column("供应商合同价"), Key("供应商名称", partyName), Key("商品名称", name)}, &priceRows)
                 : Query(data, "J4_Customer_TradePrice",
                         {Column("客户批发价"), Key("客户名称", partyName), Key("商品名称", name)}, &priceRows);
    if (found && !priceRows.empty()) {
      stored = pagekit::PageText(FirstValue(priceRows, 0));
      hasStored = true;
    }
  }
  line->price = LinePrice(party, prices, hasStored ? &stored : nullptr);
  return true;
}

}  // namespace documents
