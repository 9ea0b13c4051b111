#include "order_page.h"

#include "document_history.h"

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
