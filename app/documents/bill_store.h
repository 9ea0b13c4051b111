// Saving and deleting a sales or purchase bill, whole or not at all.
//
// A save is checked first (the party against the amounts, every line's cells and
// product, a credit to a party that has a balance); then, inside one unit of work,
// the bill opened for editing is undone, the lines are written (seeding a missing
// cost price), the income or expense item and the salesman are added when
// missing, the header is written, the stock is posted and the party's balance
// takes due − paid. When any of these writes fails nothing of the save stays and
// the stored bill is as it was.
//
// A bill removed (its undo before a save, or a delete) posts its stock back and
// takes its effect off the balance of the party stored with it, once.
#pragma once

#include <string>
#include <vector>

#include "data_store.h"
#include "page_host.h"

namespace documents {

// One line of the grid, as its cells read.
struct BillLineInput {
  bool complete = true;  // the row had every cell a line needs
  std::wstring product;
  std::wstring unit;
  std::wstring secondUnit;  // empty: the line shows no business unit
  std::wstring quantity;
  std::wstring secondQuantity;
  std::wstring price;
  std::wstring amount;
  std::wstring remark;
};

struct BillInput {
  pagekit::PageSide side = pagekit::PageSide::kSales;
  std::wstring party;
  std::wstring date;  // "2014-10-22"
  std::wstring remark;
  std::wstring salesman;
  std::wstring due;      // after the discount
  std::wstring percent;  // stored as typed
  std::wstring paid;
  std::wstring number;
  std::wstring openedNumber;  // the stored bill being edited; empty for a new one
  std::wstring user;
  std::vector<BillLineInput> lines;
};

enum class BillSaveStatus {
  kSaved,
  kNothingToSave,    // no line names a product: nothing written, nothing said
  kPartyNeeded,      // no party, and less paid than due
  kPartyUnknown,     // due and paid differ, and the party has no balance to carry it
  kLineIncomplete,   // a row lacks one of its cells (`line`)
  kUnknownProduct,   // a line names no stored product (`line`)
  kTextNotStorable,  // a text the library's code page cannot hold (`line`, or -1 for the header)
  kNoDatabase,
  kNotSaved,  // a write failed: nothing of the save stayed
};

struct BillSaveOutcome {
  BillSaveStatus status = BillSaveStatus::kNotSaved;
  int line = -1;        // the line the status is about
  std::wstring number;  // kSaved: the number the bill was stored under
};

// The party stored when none is given: "零售客户" or "零散供应商".
std::wstring DefaultParty(pagekit::PageSide side);

BillSaveOutcome SaveBill(KXPDatavane& data, const BillInput& bill);

// Removes a stored bill (or receipt, payment, income or expense record) by its
// number: stock posted back, header and lines deleted, the party's balance
// without its effect. kDone also when nothing was stored under the number.
pagekit::StoreResult DeleteBill(KXPDatavane& data, const std::wstring& number);

}  // namespace documents
