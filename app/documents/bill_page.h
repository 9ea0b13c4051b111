// The bill page (panel "mid_xsd", list "listxsd", controls "xsd_..."): the sales bill
// 销售单 and the purchase bill 进货单, by the side it was opened for. A new bill with
// its number and 50 lines, the history of every stored bill of the side and its
// search, a stored bill opened again for editing, an order shipped into a new bill,
// cancel, save, renumbering when the bill's date changes, and deleting a stored bill.
#pragma once

#include <optional>

#include "bill_store.h"
#include "document_page.h"
#include "quick_date.h"

namespace documents {

// The cells of a bill history row that open the bill again.
struct StoredBillRow {
  std::wstring number;
  std::wstring party;
  std::wstring date;
  std::wstring remark;
  std::wstring salesman;
  std::wstring due;    // 折后金额
  std::wstring sales;  // 销售金额, before the discount
  std::wstring paid;   // 收款金额
};

// An order on its way into a new bill: the header texts of the order page (none
// where the order page lacks the control) and its lines, every row of its grid.
struct Shipment {
  std::optional<std::wstring> money;
  std::optional<std::wstring> percent;
  std::optional<std::wstring> party;
  std::optional<std::wstring> remark;
  std::vector<pagekit::Record> lines;  // the seven line columns, library text
};

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

  // xsd_btn_find, or a choice in xsd_type: the stored bills of the side within the
  // search dates that hold the search text, of the type chosen, by number.
  void SearchSaleBills(pagekit::PageHost& host);
  // A stored bill into the entry view for editing: its lines (at least 50 rows),
  // header and amounts as stored; its later save replaces it.
  void OpenSaleBill(pagekit::PageHost& host, const StoredBillRow& row);
  // A new bill of the side holding the order's header and lines; nothing is stored.
  void ReceiveShipment(pagekit::PageHost& host, const Shipment& shipment);
  // The bill opened for editing: what it left outstanding (折后金额 − 收款金额).
  double OpenedOutstanding() const { return openedOutstanding_; }

  // What the page reads for a save.
  BillInput ReadBill(pagekit::PageHost& host) const;

  bool OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) override;

 protected:
  bool OnClick(pagekit::PageHost& host, const std::wstring& sender) override;
  void ShowNewDocument(pagekit::PageHost& host) override { ShowSaleBillPage(host); }
  void ShowMode(pagekit::PageHost& host, bool history) override { ShowBillHistory(host, history); }
  void OnDateChanged(pagekit::PageHost& host, const std::wstring& sender) override;
  bool DeleteStored(pagekit::PageHost& host, const std::wstring& number) override;
  RECT PickerRect(const RECT& row, const RECT& window) const override;
  void OpenHistoryRow(pagekit::PageHost& host, int row) override;

 private:
  void EmptyEntry(pagekit::PageHost& host);
  void ShowSaveOutcome(pagekit::PageHost& host, const BillSaveOutcome& outcome);

  double openedOutstanding_ = 0;
};

}  // namespace documents
