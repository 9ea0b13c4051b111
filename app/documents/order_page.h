// The order page (panel "mid_xsydd", list "listxsydd", controls "xsydd_..."): the
// sales order 销售订单 and the purchase order 采购订单, by the side it was opened for,
// and their histories (销售订单查询, 采购订单查询). A new order with its number and 50
// lines, cancel, save and deleting a stored order.
#pragma once

#include "document_page.h"
#include "order_store.h"
#include "quick_date.h"

namespace documents {

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

  OrderInput ReadOrder(pagekit::PageHost& host) const;

 protected:
  bool OnClick(pagekit::PageHost& host, const std::wstring& sender) override;
  void ShowNewDocument(pagekit::PageHost& host) override { ShowOrderPage(host); }
  void ShowMode(pagekit::PageHost& host, bool history) override { ShowOrderHistory(host, history); }
  bool DeleteStored(pagekit::PageHost& host, const std::wstring& number) override;
  RECT PickerRect(const RECT& row, const RECT& window) const override;

 private:
  // The order's amounts, party and remark emptied, the percent 100; with
  // `quantities` the ordered and shipped quantities too.
  void EmptyEntry(pagekit::PageHost& host, bool quantities);
};

}  // namespace documents
