// Saving and deleting a sales or purchase order, whole or not at all. An order
// writes its lines and its header only: no stock, no balance, no cost price.
#pragma once

#include <string>
#include <vector>

#include "data_store.h"
#include "page_host.h"

namespace documents {

struct OrderLineInput {
  bool complete = true;  // the row had every cell a line needs
  std::wstring product;
  std::wstring quantity;
  std::wstring price;
  std::wstring amount;
  std::wstring remark;
};

struct OrderInput {
  pagekit::PageSide side = pagekit::PageSide::kSales;
  std::wstring party;
  std::wstring date;
  std::wstring remark;
  std::wstring due;  // the amount after the discount
  std::wstring percent;
  std::wstring number;
  std::wstring openedNumber;  // the stored order being edited; empty for a new one
  std::wstring deliveryDate;
  std::wstring ordered;  // 订货数量
  std::wstring shipped;  // 已发数量
  std::wstring user;
  std::vector<OrderLineInput> lines;
};

enum class OrderSaveStatus {
  kSaved,
  kNothingToSave,    // no line names a product: the stored order stays as it was
  kLineIncomplete,   // a row lacks one of its cells (`line`)
  kTextNotStorable,  // a text the library's code page cannot hold (`line`, or -1)
  kNotSaved,         // a write failed: nothing of the save stayed
};

struct OrderSaveOutcome {
  OrderSaveStatus status = OrderSaveStatus::kNotSaved;
  int line = -1;
  std::wstring number;  // kSaved: the number the order was stored under
};

OrderSaveOutcome SaveOrder(KXPDatavane& data, const OrderInput& order);

// Removes a stored order's header and lines. kDone also when nothing was stored.
pagekit::StoreResult DeleteOrder(KXPDatavane& data, const std::wstring& number);

}  // namespace documents
