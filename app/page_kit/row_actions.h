// The three ways to act on a data list's row besides deleting it: its "修改"
// button, its reserve button (the page's third button, or the "..." of a bill
// line's product cell) and a double-click. Each chooses, by the list's name, what
// the row asks for and reads the cells that request needs from the row; a row
// that lacks a cell asks for nothing. The request is answered by the page that
// owns the list (it reads the same request through these functions); a list of no
// table asks for nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "page_fields.h"

namespace pagekit {

// What a row asks for.
enum class RowRequest {
  kNone,
  kEditProduct,            // "listhpkc": the product's form
  kEditParty,              // "listkhyqk": the customer's or supplier's form
  kEditTradePrice,         // "listdkhpfj"
  kEditContractPrice,      // "listgyshtj"
  kOpenBill,               // "listxsd": the stored bill
  kOpenOrder,              // "listxsydd": the stored order
  kEditAccountItem,        // "listszxm"
  kOpenCashFlow,           // "listzjls": the cash-flow record by its document
  kPartyBalanceDetail,     // "listysqkbg": the receivable or payable detail of the party
  kSalesSummaryDetail,     // "listxstjbg": by product, salesman or customer (the page's caption)
  kPurchaseSummaryDetail,  // "listjhtjbg": by product or supplier
  kStockLedger,            // "listkctjbg": the stock ledger of the product
  kFundDetail,             // "listzjtjbg": the fund detail of the item
  kFindProduct,            // "listfind": the products page, then the product's form
  kReceiptOrPayment,       // "listkhyqk" reserve: receipt from a customer, payment to a supplier
  kPickLineProduct,        // "listxsd" / "listxsydd" reserve: the product picker under the line
  kCategoryProducts,       // "hpkc_list_type" double-click: the products of the category
};

struct RowAction {
  RowRequest request = RowRequest::kNone;
  std::wstring list;
  int row = -1;
  // The cells read, by name, in the order the request takes them.
  std::vector<std::pair<std::wstring, std::wstring>> cells;
  // A page the frame shows before the request is answered (empty: none).
  std::wstring pageFirst;

  bool Wanted() const { return request != RowRequest::kNone; }
  // The text of a cell read, empty when it was not read.
  std::wstring Value(const std::wstring& cell) const;
};

// "修改" (item_mod): the form of the record, a stored document, a drill-down.
RowAction OpenListRow(const PageFields& fields, const std::wstring& list, int row);
// The reserve button (item_reserve).
RowAction OnListRowAction(const PageFields& fields, const std::wstring& list, int row);
// A double-click: the data lists as "修改"; the category tree ("hpkc_list_type")
// by the text of the activated entry (`entryText`, cell "item_text").
RowAction OnListItemActivate(const PageFields& fields, const std::wstring& list, int row,
                             const std::wstring& entryText = std::wstring());

}  // namespace pagekit
