// The master data deletes over the data object: conditions of "=" joined by "and",
// the key texts in the library's code page (a key it cannot hold names no stored
// record, and is refused before anything runs).
#include "record_delete_store.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace pagekit {

bool RecordDeleteStore::IsBuiltInParty(const std::wstring& party) {
  return party == L"零售客户" || party == L"批发客户" || party == L"零散供应商";
}

StoreResult RecordDeleteStore::DeleteWhere(const char* table,
                                           std::initializer_list<std::pair<const char*, const std::wstring*>> keys) {
  std::vector<DataField> conditions;
  for (const auto& key : keys) {
    if (!IsStorable(*key.second)) return StoreResult::kTextNotStorable;
    conditions.push_back(MakeDataField(key.first, LibraryText(*key.second)));
  }
  return StoreResultOf(data_.DeleteRecords(table, &conditions));
}

StoreResult RecordDeleteStore::DeleteProduct(const std::wstring& product) {
  return DeleteWhere("J4_Product_Data", {{"商品名称", &product}});
}

StoreResult RecordDeleteStore::DeleteParty(const std::wstring& party) {
  if (IsBuiltInParty(party)) return StoreResult::kRefused;
  return DeleteWhere("J4_Customer_Data", {{"客户名称", &party}});
}

StoreResult RecordDeleteStore::DeleteTradePrice(const std::wstring& customer, const std::wstring& product) {
  return DeleteWhere("J4_Customer_TradePrice", {{"客户名称", &customer}, {"商品名称", &product}});
}

StoreResult RecordDeleteStore::DeleteContractPrice(const std::wstring& supplier, const std::wstring& product) {
  return DeleteWhere("J4_Supplier_ContractPrice", {{"供应商名称", &supplier}, {"商品名称", &product}});
}

StoreResult RecordDeleteStore::DeleteAccountItem(const std::wstring& item) {
  return DeleteWhere("J4_Account_Item", {{"项目名称", &item}});
}

}  // namespace pagekit
