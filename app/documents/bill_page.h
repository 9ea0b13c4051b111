// The bill page (panel "mid_xsd", list "listxsd", controls "xsd_..."): the sales bill
// 销售单 and the purchase bill 进货单, by the side it was opened for. A new bill with
// its number and 50 lines, the history of every stored bill of the side, cancel,
// save, renumbering when the bill's date changes, and deleting a stored bill.
#pragma once

#include "bill_store.h"
#include "document_page.h"
#include "quick_date.h"

namespace documents {

class BillPage : public DocumentPage {
 public:
  explicit BillPage(std::unique_ptr<DocumentView> view = MakeWindowDocumentView(),
                    LocalClock clock = pagekit::LocalNow);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;

  // A new bill: the side's tab and panel, entry mode, a new number, 50 empty lines.
  void ShowSaleBillPage(pagekit::PageHost& host);
  // The captions and layouts of entry or history mode.
  void ShowBillHistory(pagekit::PageHost& host, bool history);
  // xsd_view_his_list: to the history, or from it to a new bill.
  void FillBillHistory(pagekit::PageHost& host);
  // xsd_cancel: the entry emptied; an opened bill gives way to a new number.
  void NewBill(pagekit::PageHost& host);
  // xsd_save.
  void SaveBill(pagekit::PageHost& host);
  // The number of the date now in xsd_date.
  void NextBillNumber(pagekit::PageHost& host);

  // What the page reads for a save.
  BillInput ReadBill(pagekit::PageHost& host) const;

 protected:
  bool OnClick(pagekit::PageHost& host, const std::wstring& sender) override;
  void ShowNewDocument(pagekit::PageHost& host) override { ShowSaleBillPage(host); }
  void ShowMode(pagekit::PageHost& host, bool history) override { ShowBillHistory(host, history); }
  void OnDateChanged(pagekit::PageHost& host, const std::wstring& sender) override;
  bool DeleteStored(pagekit::PageHost& host, const std::wstring& number) override;
  RECT PickerRect(const RECT& row, const RECT& window) const override;

 private:
  void EmptyEntry(pagekit::PageHost& host);
  void ShowSaveOutcome(pagekit::PageHost& host, const BillSaveOutcome& outcome);
};

}  // namespace documents
