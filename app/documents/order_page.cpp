#include "order_page.h"

#include "bill_page.h"
#include "document_history.h"
#include "document_search.h"
#include "row_actions.h"
#include "stored_lines.h"

namespace documents {

using pagekit::Cell;
using pagekit::PageHost;
using pagekit::PageSide;

namespace {

const DocumentPage::Captions kOrderCaptions = {{L"销售订单", L"采购订单"},
                                               {L"销售订单", L"进货订货单"},
                                               {L"销售订单列表", L"采购订单列表"},
                                               {L"出货", L"进货"},
                                               {DocumentKind::kSalesOrder, DocumentKind::kPurchaseOrder}};

}  // namespace

OrderPage::OrderPage(std::unique_ptr<DocumentView> view, LocalClock clock)
    : DocumentPage(L"xsydd", kOrderGrid, kOrderCaptions, std::move(view), clock) {}

std::vector<pagekit::PageRoute> OrderPage::Routes() const {
  return {{L"销售订单", true, PageSide::kSales},
          {L"采购订单", true, PageSide::kPurchase},
          {L"销售订单查询", true, PageSide::kSales},
          {L"采购订单查询", true, PageSide::kPurchase}};
}

void OrderPage::Open(PageHost& host, const std::wstring& name) {
  ShowOrderPage(host);
  // The queries open the page on its history.
  if (name == L"销售订单查询" || name == L"采购订单查询") FillOrderHistory(host);
}

bool OrderPage::OnClick(PageHost& host, const std::wstring& sender) {
  if (sender == L"xsydd_view_his_list") {
    FillOrderHistory(host);
  } else if (sender == L"xsydd_cancel") {
    NewOrder(host);
  } else if (sender == L"xsydd_save") {
    SaveOrder(host);
  } else if (sender == L"xsydd_btn_find") {
    SearchOrders(host);
  } else if (sender == L"xsydd_out") {
    ShipOrder(host);
  } else if (sender == L"xsydd_btn_import") {
    ImportLines(host, true);
  } else {
    return false;
  }
  return true;
}

void OrderPage::EmptyEntry(PageHost& host, bool quantities) {
  Writing writing(*this);
  for (const wchar_t* name : {L"xsydd_money_need", L"xsydd_custom", L"xsydd_explain"}) host.Fields().SetText(name, L"");
  if (quantities)
    for (const wchar_t* name : {L"xsydd_dhsl", L"xsydd_yfsl"}) host.Fields().SetText(name, L"");
  host.Fields().SetText(L"xsydd_percent", L"100");
}

void OrderPage::ShowOrderPage(PageHost& host) {
  openedNumber_.clear();
  const bool hasList = OpenTab(host);
  ShowOrderHistory(host, false);
  if (!hasList) return;
  NewNumber(host);
  ShowEmptyLines(host);
  EmptyEntry(host, true);
}

void OrderPage::ShowOrderHistory(PageHost& host, bool history) {
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(L"xsydd_view_his_list")) return;
  ShowModeControls(host, history);
  Writing writing(*this);
  fields.SetText(L"xsydd_label_money", L"折后金额");
  fields.SetText(L"xsydd_out", Purchase(host) ? L"进货" : L"出货(<u>O</u>)");
  for (const wchar_t* name : {L"xsydd_dhsl", L"xsydd_yfsl"}) fields.SetText(name, L"");
}

void OrderPage::FillOrderHistory(PageHost& host) {
  if (!ToggleHistory(host)) return;
  if (!host.Fields().Exists(ListName()) || host.Data() == nullptr) return;
  ShowHistoryRows(host, OrderHistoryShape(host.Side()), OrderHistory(*host.Data(), host.Side()));
}

void OrderPage::NewOrder(PageHost& host) {
  if (StartOver(host)) EmptyEntry(host, false);
}

OrderInput OrderPage::ReadOrder(PageHost& host) const {
  const pagekit::PageFields& fields = host.Fields();
  OrderInput order;
  order.side = host.Side();
  order.party = fields.Text(L"xsydd_custom");
  order.date = fields.Text(L"xsydd_date");
  order.remark = fields.Text(L"xsydd_explain");
  order.due = fields.Text(L"xsydd_money_need");
  order.percent = fields.Text(L"xsydd_percent");
  order.number = fields.Text(L"xsydd_id");
  order.openedNumber = openedNumber_;
  order.deliveryDate = fields.Text(L"xsydd_dead_date");
  order.ordered = fields.Text(L"xsydd_dhsl");
  order.shipped = fields.Text(L"xsydd_yfsl");
  order.user = host.CurrentSession().account;
  const int rows = fields.RowCount(ListName());
  for (int row = 0; row < rows; ++row) {
    auto at = [&](const wchar_t* cell) { return Cell(ListName(), row, cell); };
    OrderLineInput line;
    for (const wchar_t* cell : {L"item_数量", L"item_单价", L"item_金额", L"item_商品名称", L"item_备注"})
      if (!fields.Exists(at(cell))) line.complete = false;
    line.product = fields.Text(at(L"item_商品名称"));
    line.quantity = fields.Text(at(L"item_数量"));
    line.price = fields.Text(at(L"item_单价"));
    line.amount = fields.Text(at(L"item_金额"));
    line.remark = fields.Text(at(L"item_备注"));
    order.lines.push_back(line);
  }
  return order;
}

void OrderPage::SaveOrder(PageHost& host) {
  if (host.Data() == nullptr) return;
  const OrderSaveOutcome outcome = documents::SaveOrder(*host.Data(), ReadOrder(host));
  switch (outcome.status) {
    case OrderSaveStatus::kSaved:
      ShowOrderPage(host);
      return;
    case OrderSaveStatus::kNothingToSave:
      return;
    case OrderSaveStatus::kLineIncomplete:
      View().ShowError(host, L"第 " + std::to_wstring(outcome.line + 1) + L" 行不完整,订单没有保存。");
      return;
    case OrderSaveStatus::kTextNotStorable:
      View().ShowError(host, L"订单含有无法保存的字符,订单没有保存。");
      return;
    case OrderSaveStatus::kNotSaved:
      View().ShowError(host, L"保存失败,订单没有保存,数据库保持原样。");
      return;
  }
}

void OrderPage::SearchOrders(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  SearchTerms terms;
  terms.text = fields.Text(L"xsydd_edit_find");
  terms.start = fields.Text(L"xsydd_date_find_start");
  terms.end = fields.Text(L"xsydd_date_find_end");
  if (!fields.Exists(ListName()) || host.Data() == nullptr) return;
  ShowHistoryRows(host, OrderHistoryShape(host.Side()), documents::SearchOrders(*host.Data(), host.Side(), terms));
}

void OrderPage::OpenHistoryRow(PageHost& host, int row) {
  if (!InHistory(host)) return;
  const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), ListName(), row);
  if (!action.Wanted() || action.cells.size() < 9) return;
  auto cell = [&](size_t i) { return action.cells[i].second; };
  OpenOrder(host, {cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8)});
}

void OrderPage::OpenOrder(PageHost& host, const StoredOrderRow& row) {
  pagekit::PageFields& fields = host.Fields();
  if (fields.Exists(L"xsydd_view_his_list")) ShowOrderHistory(host, false);
  // After the switch, which forgets an opened order: the save replaces this
  // one.
  openedNumber_ = row.number;
  if (!fields.Exists(ListName()) || host.Data() == nullptr) return;
  ShowStoredLines(host, StoredLines(*host.Data(), row.number));
  Writing writing(*this);
  fields.SetText(L"xsydd_money_need", row.amount);
  fields.SetText(L"xsydd_percent", row.rate);
  fields.SetText(L"xsydd_custom", row.party);
  fields.SetText(L"xsydd_explain", row.remark);
  fields.SetText(L"xsydd_id", row.number);
  fields.SetText(L"xsydd_date", row.date);
  fields.SetText(L"xsydd_dead_date", row.deliveryDate);
  fields.SetText(L"xsydd_dhsl", row.ordered);
  fields.SetText(L"xsydd_yfsl", row.shipped);
}

void OrderPage::ShipOrder(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  if (bill_ == nullptr || !fields.Exists(L"xsydd_view_his_list") || InHistory(host)) return;
  auto text = [&](const wchar_t* control) -> std::optional<std::wstring> {
    if (!fields.Exists(control)) return std::nullopt;
    return fields.Text(control);
  };
  Shipment shipment;
  shipment.money = text(L"xsydd_money_need");
  shipment.percent = text(L"xsydd_percent");
  shipment.party = text(L"xsydd_custom");
  shipment.remark = text(L"xsydd_explain");
  const int rows = fields.RowCount(ListName());
  for (int row = 0; row < rows; ++row) {
    auto cell = [&](const wchar_t* name) { return pagekit::LibraryText(fields.Text(Cell(ListName(), row, name))); };
    shipment.lines.push_back(LineCells(cell(L"item_商品名称"), cell(L"item_单位"), cell(L"item_商品类别"),
                                       cell(L"item_数量"), cell(L"item_单价"), cell(L"item_金额"), cell(L"item_备注")));
  }
  bill_->ReceiveShipment(host, shipment);
}

bool OrderPage::DeleteStored(PageHost& host, const std::wstring& number) {
  return host.Data() != nullptr && DeleteOrder(*host.Data(), number) == pagekit::StoreResult::kDone;
}

RECT OrderPage::PickerRect(const RECT& row, const RECT& window) const {
  RECT rect;
  rect.left = row.left + window.left - 1;
  rect.right = row.right + window.left + 121;
  rect.top = row.top + window.top + 30;
  rect.bottom = rect.top + 150;
  return rect;
}

}  // namespace documents
