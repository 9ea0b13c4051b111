// What the payment page and the cash book need of their window beyond the
// fields: a list shown with its header and rows (the cash book's framing rows
// without line number, check box or buttons), the tooltip at a field, a message
// box, the delete question and the receipt or payment dialog. One
// implementation works on the main window (window_money_view.cpp); the tests
// keep rows in memory, record what the page showed and answer the dialog from a
// table.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cash_book.h"
#include "page_host.h"

namespace documents {

// The receipt or payment dialog: who it is for, and for a stored entry its
// values.
struct MoneyQuestion {
  bool customer = true;      // a receipt; else a payment
  std::wstring party;        // shown in the party field
  bool offerDetail = false;  // its "详细..." button shown
  bool editing = false;      // the fields below filled, the editing title
  std::wstring date;
  std::wstring note;
  std::wstring amount;
};

// How the dialog ended: 1 saved, 4 "详细...", anything else cancelled; with its
// four texts (the amount with two decimals, "0.00" for text that is no number).
constexpr int kMoneyDialogSaved = 1;
constexpr int kMoneyDialogDetail = 4;

struct MoneyAnswer {
  int result = 0;
  std::wstring party;
  std::wstring date;
  std::wstring amount;
  std::wstring note;
};

// A list's header: its columns (library text; `widths` beside them, 0 for the
// default) and its style (pagekit::ListHeaderStyle bits).
struct ListShape {
  std::vector<std::string> columns;
  std::vector<int> widths;
  int style = 0;
};

class MoneyView {
 public:
  virtual ~MoneyView() = default;

  // The list emptied and built again with that header and these rows in order.
  virtual void ShowRows(pagekit::PageHost& host, const std::wstring& list, const ListShape& shape,
                        const std::vector<CashBookRow>& rows) = 0;
  // The self-closing tooltip under a field.
  virtual void ShowTip(pagekit::PageHost& host, const std::wstring& field, const std::wstring& text) = 0;
  // A message box "提示" with the text.
  virtual void ShowMessage(pagekit::PageHost& host, const std::wstring& text) = 0;
  // "确定要执行删除操作 ?": true when the user agreed.
  virtual bool ConfirmDelete(pagekit::PageHost& host) = 0;
  // The receipt or payment dialog, modal.
  virtual MoneyAnswer AskMoney(pagekit::PageHost& host, const MoneyQuestion& question) = 0;
};

// The view over the main window.
std::unique_ptr<MoneyView> MakeWindowMoneyView();

}  // namespace documents
