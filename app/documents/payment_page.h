// Receipts and payments: a receipt from a customer or a payment to a supplier
// from the row of the customers-and-suppliers list (listkhyqk) through the
// receipt or payment dialog, and the payment page "付款单" (panel "mid_fkd"): a
// supplier's contact data, balance and history of account records, the inline
// form that records a payment, and the history between two dates. Every save
// goes through the money store, whole or not at all, after its checks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document_page.h"
#include "money_store.h"
#include "money_view.h"
#include "page.h"
#include "quick_date.h"

namespace documents {

class PaymentPage final : public pagekit::Page {
 public:
  // `local` dates the form, `utc` numbers the records.
  explicit PaymentPage(std::unique_ptr<MoneyView> view = MakeWindowMoneyView(), LocalClock local = pagekit::LocalNow,
                       LocalClock utc = UtcNow);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // The reserve button of a customer's (supplier's) row: the receipt (payment)
  // dialog for that party; an OK stores it and lists the parties again. The
  // balance the row shows is not used: the stored balance of the party chosen
  // in the dialog is.
  void ReceiveFromCustomer(pagekit::PageHost& host, const std::wstring& party, const std::wstring& balance);
  void PayToSupplier(pagekit::PageHost& host, const std::wstring& party, const std::wstring& balance);

  // The page for that supplier: contact data, balance, the whole history.
  // Without a supplier the page shows nobody's data and an empty list.
  void ShowPaymentPage(pagekit::PageHost& host, const std::wstring& supplier);
  // fkd_new_save.
  void SavePayment(pagekit::PageHost& host);
  // fkd_new_cancel: the form emptied, its date today.
  void ClearPaymentForm(pagekit::PageHost& host);
  // fkd_btn_find: the supplier's account records between the dates given.
  void SearchPayments(pagekit::PageHost& host);

 private:
  void AskAndSave(pagekit::PageHost& host, bool customer, const std::wstring& party);
  void FillPaymentList(pagekit::PageHost& host, const std::wstring& supplier, const std::wstring& start,
                       const std::wstring& end);

  std::unique_ptr<MoneyView> view_;
  LocalClock local_;
  LocalClock utc_;
};

}  // namespace documents
