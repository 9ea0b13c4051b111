// The folder's pages as one page of the main window: the bill page, the order
// page, the payment page and the cash book, asked in that order, and wired to
// each other where one hands a document to another (an order shipped into a new
// bill, a bill opened from the cash book).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bill_page.h"
#include "cash_book_page.h"
#include "order_page.h"
#include "page.h"
#include "payment_page.h"

namespace documents {

class DocumentDesk final : public pagekit::Page {
 public:
  DocumentDesk();

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;
  bool OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) override;

 private:
  BillPage bill_;
  OrderPage order_;
  PaymentPage payment_;
  CashBookPage cashBook_;
  std::vector<pagekit::Page*> pages_;
};

}  // namespace documents
