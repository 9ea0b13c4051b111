// The deletable drop lists: the salesmen (`J4_Saler`) offered under the bill's and
// the payment form's salesman fields, and the business-unit names
// (`J4_LogicalUnit`) under the product form's. Each entry has a delete button
// that takes the name out of its table.
#pragma once

#include <string>
#include <vector>

#include "data_store.h"

namespace pagekit {

enum class DropListSource { kNone, kSalesmen, kBusinessUnits };

// By the drop button that opened the list (or, for the business units, its edit),
// compared without regard to case: "xsd_ywy_drop" and "fkd_new_ywy_drop" the
// salesmen, "hpkc_new_ywdw_drop" and "hpkc_new_ywdw" the business units.
DropListSource DropListSourceOf(const std::wstring& owner);

class DropListStore {
 public:
  explicit DropListStore(KXPDatavane& data) : data_(data) {}

  // The names to offer, each once and none empty, in the order first stored.
  std::vector<std::wstring> Entries(DropListSource source);
  // Deletes every row of that name. kDone only when there was such a row and it
  // is gone; kNotFound when there was none; kRefused for kNone.
  StoreResult Delete(DropListSource source, const std::wstring& name);

 private:
  KXPDatavane& data_;
};

}  // namespace pagekit
