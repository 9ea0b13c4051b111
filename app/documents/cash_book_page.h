// The cash book "其它收支" (panel "mid_zjls", list "listzjls"): every money
// record between its 期初 and 合计 rows, or those of a period; the inline form
// ("layout_zjls_new") that records an income or expense of no bill (收支单) or
// corrects one opened from the list; any listed record opened for editing (a
// 收支单 in the form, a bill on the bill page, a receipt or payment in its
// dialog) and deleted with its effects.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bill_page.h"
#include "money_store.h"
#include "money_view.h"
#include "page.h"
#include "quick_date.h"

namespace documents {

class CashBookPage final : public pagekit::Page {
 public:
  // `local` dates the form, `utc` numbers the records; `bill` opens the bills.
  explicit CashBookPage(std::unique_ptr<MoneyView> view = MakeWindowMoneyView(), LocalClock local = pagekit::LocalNow,
                        LocalClock utc = UtcNow);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void SetBillPage(BillPage* bill) { bill_ = bill; }

  // The tab and panel, every record.
  void ShowCashFlowPage(pagekit::PageHost& host);
  // zjls_btn_find: the records of the period in zjls_date_start ..
  // zjls_date_end.
  void LoadCashFlowList(pagekit::PageHost& host);
  // zjls_income / zjls_outcome: the form in that mode (shown; hidden by a
  // second click of the same mode), emptied; a record opened before is
  // forgotten.
  void SetCashFlowIncome(pagekit::PageHost& host);
  void SetCashFlowOutcome(pagekit::PageHost& host);
  // zjls_save: a new 收支单, or the opened one under its own number.
  void SaveCashFlow(pagekit::PageHost& host);
  // zjls_cancel.
  void NewCashFlow(pagekit::PageHost& host);
  // The record of that number opened for editing; an empty number opens
  // nothing.
  void OpenCashFlowRow(pagekit::PageHost& host, const std::wstring& number);
  // The record of that number deleted with its stock and balance effects, the
  // list shown again; an empty number deletes nothing. False when the delete
  // failed.
  bool DeleteCashFlowRow(pagekit::PageHost& host, const std::wstring& number);

  // The 收支单 opened in the form, empty for a new one.
  const std::wstring& OpenedNumber() const { return openedNumber_; }

 private:
  void SetMode(pagekit::PageHost& host, bool income);
  void ShowList(pagekit::PageHost& host, const CashBookPeriod& period);
  void EditReceiptOrPayment(pagekit::PageHost& host, const std::wstring& number, bool customer,
                            const std::wstring& party, const std::wstring& date, const std::wstring& note,
                            const std::wstring& amount);
  std::wstring RowNumber(pagekit::PageHost& host, int row) const;

  std::unique_ptr<MoneyView> view_;
  LocalClock local_;
  LocalClock utc_;
  BillPage* bill_ = nullptr;
  std::wstring openedNumber_;
  CashBookPeriod shown_;  // what the list shows, to show it again after a change
};

}  // namespace documents
