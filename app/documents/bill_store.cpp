#include "bill_store.h"

#include <cstdlib>
#include <map>

#include "business_unit.h"
#include "document_numbers.h"
#include "line_arithmetic.h"
#include "party_balance.h"
#include "record_fields.h"
#include "unit_of_work.h"

namespace documents {
namespace {

using pagekit::LibraryText;
using pagekit::StoreResult;

// A line checked and ready to be written, in library text.
struct PreparedLine {
  std::string product;
  std::string quantity;  // base units
  std::string price;
  std::string amount;
  std::string remark;
  std::string purchasePrice;  // 进货价, the cost of a product bought for the first time
};

bool IsBlank(const std::wstring& text) { return text.empty(); }

// The stored effect of a document on its party's balance.
double BalanceEffect(const std::string& type, double amount, double paid) {
  if (type == "销售单" || type == "进货单") return amount - paid;
  if (type == "收款单" || type == "付款单") return -amount;
  return 0;
}

// Inserts the record unless a row of that key is there already.
bool InsertMissing(KXPDatavane& data, const char* table, const char* keyColumn, Record record) {
  Rows rows;
  if (!Query(data, table, {Column(keyColumn), Key(keyColumn, record.front().value)}, &rows)) return false;
  return !rows.empty() || data.InsertRecord(table, &record) == 0;
}

// The checks that come before anything is written.
BillSaveStatus Check(KXPDatavane& data, const BillInput& bill, std::vector<PreparedLine>* prepared, int* badLine) {
  const double due = NumberOf(bill.due);
  const double paid = NumberOf(bill.paid);
  if (bill.party.empty() && paid < due) return BillSaveStatus::kPartyNeeded;

  // Every product of the bill in a few look-ups: the known ones with their
  // purchase price, which seeds the cost of a product sold or bought first.
  std::vector<std::string> names;
  for (const BillLineInput& line : bill.lines)
    if (line.complete && !line.product.empty() && pagekit::IsStorable(line.product))
      names.push_back(LibraryText(line.product));
  std::map<std::string, std::string> products;
  if (!LookUpMany(data, "J4_V_Product_Inventory", "商品名称", "进货价", names, &products))
    return BillSaveStatus::kNotSaved;

  for (size_t i = 0; i < bill.lines.size(); ++i) {
    const BillLineInput& line = bill.lines[i];
    *badLine = static_cast<int>(i);
    if (!line.complete) return BillSaveStatus::kLineIncomplete;
    if (IsBlank(line.product)) continue;
    if (!pagekit::IsStorable(line.product)) return BillSaveStatus::kUnknownProduct;
    if (!pagekit::IsStorable(line.remark)) return BillSaveStatus::kTextNotStorable;
    PreparedLine ready;
    ready.product = LibraryText(line.product);
    const auto known = products.find(ready.product);
    if (known == products.end()) return BillSaveStatus::kUnknownProduct;
    ready.purchasePrice = known->second;

    LineNumbers numbers;
    numbers.quantity = NumberOf(line.quantity);
    pagekit::BusinessUnit unit;
    // The business unit the line shows decides; a line without one counts its
    // quantity alone.
    if (!line.secondUnit.empty() && pagekit::LookUpBusinessUnit(data, ready.product, LibraryText(line.unit), &unit) &&
        unit.name == LibraryText(line.secondUnit)) {
      numbers.rate = unit.rate;
      numbers.secondQuantity = NumberOf(line.secondQuantity);
    }
    ready.quantity = StoredAmount(BaseQuantity(numbers));
    ready.price = StoredAmount(NumberOf(line.price));
    ready.amount = StoredAmount(NumberOf(line.amount));
    ready.remark = LibraryText(line.remark);
    prepared->push_back(ready);
  }
  *badLine = -1;
  if (prepared->empty()) return BillSaveStatus::kNothingToSave;

  for (const std::wstring* text : {&bill.party, &bill.remark, &bill.salesman, &bill.user, &bill.percent})
    if (!pagekit::IsStorable(*text)) return BillSaveStatus::kTextNotStorable;
  const std::wstring party = bill.party.empty() ? DefaultParty(bill.side) : bill.party;
  if (StoredAmount(due) != StoredAmount(paid) && !IsPartyStored(data, LibraryText(party)))
    return BillSaveStatus::kPartyUnknown;
  return BillSaveStatus::kSaved;
}

// The writes of a checked save, in their order, inside the caller's unit. False
// at the first write that failed.
bool WriteBill(KXPDatavane& data, const BillInput& bill, const std::vector<PreparedLine>& lines,
               std::wstring* storedNumber) {
  const bool purchase = bill.side == pagekit::PageSide::kPurchase;
  if (!bill.openedNumber.empty() && DeleteBill(data, bill.openedNumber) != StoreResult::kDone) return false;

  // A new bill never replaces a stored one: a number taken meanwhile gives way to
  // the next free number of the bill's day.
  std::wstring number;
  if (!FreeDocumentNumber(data, purchase ? DocumentKind::kPurchaseBill : DocumentKind::kSalesBill, bill.number,
                          bill.date, &number))
    return false;
  const std::string numberText = LibraryText(number);

  // The products that have a cost already, in a few look-ups.
  std::vector<std::string> names;
  for (const PreparedLine& line : lines) names.push_back(line.product);
  std::map<std::string, std::string> costed;
  if (!LookUpMany(data, "J4_Product_CostPrice", "商品名称", "单位成本", names, &costed)) return false;

  Rows stockRows;
  for (const PreparedLine& line : lines) {
    Record record = {Value("单据编号", numberText), Value("商品名称", line.product), Value("数量", line.quantity),
                     Value("单价", line.price),     Value("金额", line.amount),      Value("备注", line.remark)};
    if (data.InsertRecord("J4_Bill_Items", &record) != 0) return false;
    stockRows.push_back({Value("商品名称", line.product), Value("数量", line.quantity)});
    if (line.purchasePrice.empty() || costed.count(line.product) != 0) continue;
    record = {Value("商品名称", line.product), Value("单位成本", line.purchasePrice)};
    if (data.InsertRecord("J4_Product_CostPrice", &record) != 0) return false;
    costed[line.product] = line.purchasePrice;
  }

  if (!InsertMissing(
          data, "J4_Account_Item", "项目名称",
          {Value("项目名称", purchase ? "进货支出" : "销售收入"), Value("项目类别", purchase ? "支出" : "收入")}))
    return false;
  if (!bill.salesman.empty() && !InsertMissing(data, "J4_Saler", "name", {Value("name", LibraryText(bill.salesman))}))
    return false;

  const std::string party = LibraryText(bill.party.empty() ? DefaultParty(bill.side) : bill.party);
  const double due = NumberOf(bill.due);
  const double paid = NumberOf(bill.paid);
  Record header = {Value("单据日期", LibraryText(bill.date)),     Value("单据编号", numberText),
                   Value("类型", purchase ? "进货单" : "销售单"), Value("客户名称", party),
                   Value("折扣率", LibraryText(bill.percent)),    Value("收款金额", StoredAmount(due)),
                   Value("说明", LibraryText(bill.remark)),       Value("收支项目", purchase ? "进货支出" : "销售收入"),
                   Value("操作人", LibraryText(bill.user)),       Value("实际金额", StoredAmount(paid)),
                   Value("业务员", LibraryText(bill.salesman))};
  if (data.InsertRecord("J4_Account_Data", &header) != 0) return false;
  if (data.AdjustStock(numberText, &stockRows, false) != 0) return false;

  if (StoredAmount(due) != StoredAmount(paid)) {
    const StoreResult balance = AddToPartyBalance(data, party, due - paid);
    if (balance != StoreResult::kDone && balance != StoreResult::kNotFound) return false;
  }
  *storedNumber = number;
  return true;
}

}  // namespace

std::wstring DefaultParty(pagekit::PageSide side) {
  return side == pagekit::PageSide::kPurchase ? L"零散供应商" : L"零售客户";
}

BillSaveOutcome SaveBill(KXPDatavane& data, const BillInput& bill) {
  BillSaveOutcome outcome;
  std::vector<PreparedLine> lines;
  outcome.status = Check(data, bill, &lines, &outcome.line);
  if (outcome.status != BillSaveStatus::kSaved) return outcome;

  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) {
    outcome.status = BillSaveStatus::kNotSaved;
    return outcome;
  }
  std::wstring number;
  if (!WriteBill(data, bill, lines, &number) || !unit.Commit()) {
    outcome.status = BillSaveStatus::kNotSaved;
    return outcome;
  }
  outcome.number = number;
  return outcome;
}

StoreResult DeleteBill(KXPDatavane& data, const std::wstring& number) {
  if (number.empty()) return StoreResult::kDone;
  if (!pagekit::IsStorable(number)) return StoreResult::kDone;  // nothing can be stored under it
  const std::string key = LibraryText(number);
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return StoreResult::kDatabaseError;

  Rows header;
  if (!Query(data, "J4_Account_Data",
             {Column("类型"), Column("客户名称"), Column("收款金额"), Column("实际金额"), Key("单据编号", key)},
             &header))
    return StoreResult::kDatabaseError;
  Rows lines;
  if (!Query(data, "J4_Bill_Items", {Column("商品名称"), Column("数量"), Key("单据编号", key)}, &lines))
    return StoreResult::kDatabaseError;
  if (!lines.empty() && data.AdjustStock(key, &lines, true) != 0) return StoreResult::kDatabaseError;
  Record keys = {Value("单据编号", key)};
  if (data.DeleteRecords("J4_Account_Data", &keys) != 0) return StoreResult::kDatabaseError;
  keys = {Value("单据编号", key)};
  if (data.DeleteRecords("J4_Bill_Items", &keys) != 0) return StoreResult::kDatabaseError;

  if (!header.empty()) {
    const double effect = BalanceEffect(FirstValue(header, 0), std::atof(FirstValue(header, 2).c_str()),
                                        std::atof(FirstValue(header, 3).c_str()));
    if (effect != 0) {
      const StoreResult balance = AddToPartyBalance(data, FirstValue(header, 1), -effect);
      if (balance != StoreResult::kDone && balance != StoreResult::kNotFound) return StoreResult::kDatabaseError;
    }
  }
  return unit.Commit() ? StoreResult::kDone : StoreResult::kDatabaseError;
}

}  // namespace documents
