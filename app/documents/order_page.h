// The order page (panel "mid_xsydd", list "listxsydd", controls "xsydd_..."): the
// sales order 销售订单 and the purchase order 采购订单, by the side it was opened for,
// and their histories (销售订单查询, 采购订单查询) with their search. A new order with
// its number and 50 lines, a stored order opened again, cancel, save, deleting a
// stored order, and shipping the order on screen into a new bill.
#pragma once

#include "document_page.h"
#include "order_store.h"
#include "quick_date.h"

namespace documents {

class BillPage;

// The cells of an order history row that open the order again.
struct StoredOrderRow {
  std::wstring number;
  std::wstring party;
  std::wstring date;
  std::wstring deliveryDate;
  std::wstring ordered;  // 订货数量
  std::wstring shipped;  // 已发数量
  std::wstring remark;
  std::wstring amount;  // 金额
  std::wstring rate;    // 折扣率
};

class OrderPage : public DocumentPage {
 public:
  explicit OrderPage(std::unique_ptr<DocumentView> view = MakeWindowDocumentView(),
                     LocalClock clock = pagekit::LocalNow);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;

  void ShowOrderPage(pagekit::PageHost& host);
  void ShowOrderHistory(pagekit::PageHost& host, bool history);
  // xsydd_view_his_list: to the history, or from it to a new order.
  void FillOrderHistory(pagekit::PageHost& host);
  // xsydd_cancel.
  void NewOrder(pagekit::PageHost& host);
  // xsydd_save.
  void SaveOrder(pagekit::PageHost& host);

  // xsydd_btn_find: the stored orders of the side within the search dates that hold
  // the search text, by number.
  void SearchOrders(pagekit::PageHost& host);
  // A stored order into the entry view for editing; its later save replaces it.
  void OpenOrder(pagekit::PageHost& host, const StoredOrderRow& row);
  // xsydd_out: the order on screen (entry view only) into a new bill on the bill
  // page, every line of it; nothing is stored.
  void ShipOrder(pagekit::PageHost& host);
  // The bill page that shipped orders go to.
  void SetBillPage(BillPage* bill) { bill_ = bill; }

  OrderInput ReadOrder(pagekit::PageHost& host) const;

 protected:
  bool OnClick(pagekit::PageHost& host, const std::wstring& sender) override;
  void ShowNewDocument(pagekit::PageHost& host) override { ShowOrderPage(host); }
  void ShowMode(pagekit::PageHost& host, bool history) override { ShowOrderHistory(host, history); }
  bool DeleteStored(pagekit::PageHost& host, const std::wstring& number) override;
  RECT PickerRect(const RECT& row, const RECT& window) const override;
  void OpenHistoryRow(pagekit::PageHost& host, int row) override;

 private:
  // The order's amounts, party and remark emptied, the percent 100; with
  // `quantities` the ordered and shipped quantities too.
  void EmptyEntry(pagekit::PageHost& host, bool quantities);

  BillPage* bill_ = nullptr;
};

}  // namespace documents
