// Deleting the master data records a list row stands for: a product, a customer or
// supplier, a customer's trade price, a supplier's contract price, an income or
// expense item. Each delete is one statement of the library; none looks whether
// documents or prices still name the record.
#pragma once

#include <string>

#include "data_store.h"

namespace pagekit {

class RecordDeleteStore {
 public:
  explicit RecordDeleteStore(KXPDatavane& data) : data_(data) {}

  StoreResult DeleteProduct(const std::wstring& product);
  // The three built-in parties ("零售客户", "批发客户", "零散供应商") are kept:
  // kRefused, nothing deleted.
  StoreResult DeleteParty(const std::wstring& party);
  StoreResult DeleteTradePrice(const std::wstring& customer, const std::wstring& product);
  StoreResult DeleteContractPrice(const std::wstring& supplier, const std::wstring& product);
  StoreResult DeleteAccountItem(const std::wstring& item);

  static bool IsBuiltInParty(const std::wstring& party);

 private:
  // Deletes the rows of the table where every column equals its text.
  StoreResult DeleteWhere(const char* table, std::initializer_list<std::pair<const char*, const std::wstring*>> keys);

  KXPDatavane& data_;
};

}  // namespace pagekit
