#include "order_store.h"

#include "bill_store.h"
#include "document_numbers.h"
#include "line_arithmetic.h"
#include "party_balance.h"
#include "record_fields.h"
#include "unit_of_work.h"

namespace documents {
namespace {

using pagekit::LibraryText;
using pagekit::StoreResult;

OrderSaveStatus Check(const OrderInput& order, int* badLine) {
  bool anyLine = false;
  for (size_t i = 0; i < order.lines.size(); ++i) {
    const OrderLineInput& line = order.lines[i];
    *badLine = static_cast<int>(i);
    if (!line.complete) return OrderSaveStatus::kLineIncomplete;
    if (line.product.empty()) continue;
    if (!pagekit::IsStorable(line.product) || !pagekit::IsStorable(line.remark))
      return OrderSaveStatus::kTextNotStorable;
    anyLine = true;
  }
  *badLine = -1;
  if (!anyLine) return OrderSaveStatus::kNothingToSave;
  for (const std::wstring* text : {&order.party, &order.remark, &order.user, &order.date, &order.deliveryDate})
    if (!pagekit::IsStorable(*text)) return OrderSaveStatus::kTextNotStorable;
  return OrderSaveStatus::kSaved;
}

bool WriteOrder(KXPDatavane& data, const OrderInput& order, std::wstring* storedNumber) {
  const bool purchase = order.side == pagekit::PageSide::kPurchase;
  if (!order.openedNumber.empty() && DeleteOrder(data, order.openedNumber) != StoreResult::kDone) return false;

  std::wstring number;
  if (!FreeDocumentNumber(data, purchase ? DocumentKind::kPurchaseOrder : DocumentKind::kSalesOrder, order.number,
                          order.date, &number))
    return false;
  const std::string numberText = LibraryText(number);

  for (const OrderLineInput& line : order.lines) {
    if (line.product.empty()) continue;
    Record record = {Value("单据编号", numberText),
                     Value("商品名称", LibraryText(line.product)),
                     Value("数量", StoredAmount(NumberOf(line.quantity))),
                     Value("单价", StoredAmount(NumberOf(line.price))),
                     Value("金额", StoredAmount(NumberOf(line.amount))),
                     Value("备注", LibraryText(line.remark))};
    if (data.InsertRecord("J4_Bill_Items", &record) != 0) return false;
  }
  const std::wstring party = order.party.empty() ? DefaultParty(order.side) : order.party;
  Record header = {Value("单据日期", LibraryText(order.date)),
                   Value("单据编号", numberText),
                   Value("类型", purchase ? "采购预定单" : "销售预定单"),
                   Value("客户名称", LibraryText(party)),
                   Value("交货日期", LibraryText(order.deliveryDate)),
                   Value("订货数量", StoredAmount(NumberOf(order.ordered))),
                   Value("已发数量", StoredAmount(NumberOf(order.shipped))),
                   Value("折扣率", StoredAmount(NumberOf(order.percent))),
                   Value("应收金额", StoredAmount(NumberOf(order.due))),
                   Value("说明", LibraryText(order.remark)),
                   Value("操作人", LibraryText(order.user))};
  if (data.InsertRecord("J4_Sales_Order", &header) != 0) return false;
  *storedNumber = number;
  return true;
}

}  // namespace

OrderSaveOutcome SaveOrder(KXPDatavane& data, const OrderInput& order) {
  OrderSaveOutcome outcome;
  outcome.status = Check(order, &outcome.line);
  if (outcome.status != OrderSaveStatus::kSaved) return outcome;
  pagekit::UnitOfWork unit(data);
  std::wstring number;
  if (!unit.IsOpen() || !WriteOrder(data, order, &number) || !unit.Commit()) {
    outcome.status = OrderSaveStatus::kNotSaved;
    return outcome;
  }
  outcome.number = number;
  return outcome;
}

StoreResult DeleteOrder(KXPDatavane& data, const std::wstring& number) {
  if (number.empty() || !pagekit::IsStorable(number)) return StoreResult::kDone;
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return StoreResult::kDatabaseError;
  Record keys = {Value("单据编号", LibraryText(number))};
  if (data.DeleteRecords("J4_Sales_Order", &keys) != 0) return StoreResult::kDatabaseError;
  keys = {Value("单据编号", LibraryText(number))};
  if (data.DeleteRecords("J4_Bill_Items", &keys) != 0) return StoreResult::kDatabaseError;
  return unit.Commit() ? StoreResult::kDone : StoreResult::kDatabaseError;
}

}  // namespace documents
