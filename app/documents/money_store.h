// Saving the money records that carry no lines, whole or not at all: a receipt
// from a customer (收款单), a payment to a supplier (付款单) and an income or
// expense of the cash book (收支单). A receipt or payment takes its amount off
// the stored balance of its party (当前应收款), which may be of no party at all
// (nothing to take it off). A record opened for editing is rewritten under its
// own number: the old amount goes back on the old party before the new amount
// comes off the new one. A new record gets the next number of its kind for the
// day and never replaces a stored one.
#pragma once

#include <string>

#include "data_store.h"
#include "document_numbers.h"

namespace documents {

enum class MoneyKind {
  kReceipt,        // 收款单, item 收订金/欠款 (收入)
  kPayment,        // 付款单, item 付订金/欠款 (支出)
  kIncomeExpense,  // 收支单, the item and kind the user gives
};

struct MoneyEntry {
  MoneyKind kind = MoneyKind::kReceipt;
  std::wstring party;         // required for receipts and payments; may be empty for a 收支单
  std::wstring date;          // "2014-10-22"
  std::wstring amount;        // as typed or as the dialog formats it
  std::wstring note;          // 说明
  std::wstring salesman;      // 业务员; the payment page's only
  std::wstring item;          // a 收支单's 收支项目
  bool income = true;         // a 收支单's kind for an item not stored yet
  std::wstring user;          // 操作人
  std::wstring openedNumber;  // the stored record being corrected; empty: a new one
};

enum class MoneySaveStatus {
  kSaved,
  kAmountNeeded,     // empty, zero or no number: nothing written
  kPartyNeeded,      // a receipt or payment without a party: nothing written
  kItemNeeded,       // a 收支单 without an item: nothing written
  kTextNotStorable,  // a text the library's code page cannot hold: nothing
                     // written
  kNotFound,         // the record opened for editing is no longer stored: nothing
                     // written
  kNotSaved,         // a write failed: nothing of the save stayed
};

struct MoneySaveOutcome {
  MoneySaveStatus status = MoneySaveStatus::kNotSaved;
  std::wstring number;  // kSaved: the record's number
};

// The amount as stored, "%.02f"; empty when the text is no number or reads as
// zero.
std::wstring MoneyAmount(const std::wstring& typed);

// What a refused or failed save tells the user (`customer`: of a receipt); empty
// for a saved one.
std::wstring MoneySaveMessage(MoneySaveStatus status, bool customer);

// `today` numbers a new record (its kind's prefix, that date, the next
// sequence).
MoneySaveOutcome SaveMoneyEntry(KXPDatavane& data, const MoneyEntry& entry, const DocumentDate& today);

}  // namespace documents
