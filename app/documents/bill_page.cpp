#include "bill_page.h"

#include <cwchar>

#include "bill_amounts.h"
#include "document_history.h"
#include "document_search.h"
#include "line_arithmetic.h"
#include "record_fields.h"
#include "row_actions.h"
#include "stored_lines.h"

namespace documents {

using pagekit::Cell;
using pagekit::PageHost;
using pagekit::PageSide;

namespace {

const DocumentPage::Captions kBillCaptions = {{L"销售单", L"进货单"},
                                              {L"销售单", L"进货单"},
                                              {L"销售单列表", L"进货单列表"},
                                              {L"出货", L"进货"},
                                              {DocumentKind::kSalesBill, DocumentKind::kPurchaseBill}};

}  // namespace

BillPage::BillPage(std::unique_ptr<DocumentView> view, LocalClock clock)
    : DocumentPage(L"xsd", kBillGrid, kBillCaptions, std::move(view), clock) {}

std::vector<pagekit::PageRoute> BillPage::Routes() const {
  return {{L"销售单", true, PageSide::kSales}, {L"进货单", true, PageSide::kPurchase}};
}

void BillPage::Open(PageHost& host, const std::wstring&) { ShowSaleBillPage(host); }

bool BillPage::OnClick(PageHost& host, const std::wstring& sender) {
  if (sender == L"xsd_view_his_list") {
    FillBillHistory(host);
  } else if (sender == L"xsd_cancel") {
    NewBill(host);
  } else if (sender == L"xsd_save") {
    SaveBill(host);
  } else if (sender == L"xsd_btn_find") {
    SearchSaleBills(host);
  } else if (sender == L"xsd_btn_import") {
    ImportLines(host, false);
  } else {
    return false;
  }
  return true;
}

void BillPage::OnDateChanged(PageHost& host, const std::wstring& sender) {
  if (sender == L"xsd_date") NextBillNumber(host);
}

void BillPage::ShowSaleBillPage(PageHost& host) {
  openedNumber_.clear();
  openedOutstanding_ = 0;
  const bool hasList = OpenTab(host);
  ShowBillHistory(host, false);
  if (!hasList) return;
  NewNumber(host);
  ShowEmptyLines(host);
  EmptyEntry(host);
}

void BillPage::EmptyEntry(PageHost& host) {
  Writing writing(*this);
  pagekit::PageFields& fields = host.Fields();
  for (const wchar_t* name : {L"xsd_money_need", L"xsd_edit_money_actual", L"xsd_custom", L"xsd_explain", L"xsd_ywy"})
    fields.SetText(name, L"");
  fields.SetText(L"xsd_percent", L"100");
}

void BillPage::ShowBillHistory(PageHost& host, bool history) {
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(L"xsd_view_his_list")) return;
  ShowModeControls(host, history);
  Writing writing(*this);
  const bool purchase = Purchase(host);
  // The report the button opens follows the side in both modes, and so does its caption.
  fields.SetText(L"xsd_btn_report_xstj", purchase ? L"进货汇总表(商品)" : L"销售汇总表");
  fields.SetText(L"xsd_label_money", purchase ? L"折后应付金额" : L"折后应收金额");
  fields.SetText(L"xsd_money_actual", purchase ? L"本次付款" : L"本次收款");
}

void BillPage::FillBillHistory(PageHost& host) {
  if (!ToggleHistory(host)) return;
  pagekit::PageFields& fields = host.Fields();
  fields.SetHint(L"xsd_edit_find",
                 Purchase(host) ? L"输入单据号、供应商、业务员、备注" : L"输入单据号、客户名、业务员、备注");
  if (!fields.Exists(ListName()) || host.Data() == nullptr) return;
  ShowHistoryRows(host, BillHistoryShape(host.Side()), BillHistory(*host.Data(), host.Side()));
}

void BillPage::NewBill(PageHost& host) {
  if (StartOver(host)) EmptyEntry(host);
}

void BillPage::NextBillNumber(PageHost& host) { NewNumber(host); }

BillInput BillPage::ReadBill(PageHost& host) const {
  const pagekit::PageFields& fields = host.Fields();
  BillInput bill;
  bill.side = host.Side();
  bill.party = fields.Text(L"xsd_custom");
  bill.date = fields.Text(L"xsd_date");
  bill.remark = fields.Text(L"xsd_explain");
  bill.salesman = fields.Text(L"xsd_ywy");
  bill.due = fields.Text(L"xsd_money_need");
  bill.percent = fields.Text(L"xsd_percent");
  bill.paid = fields.Text(L"xsd_edit_money_actual");
  bill.number = fields.Text(L"xsd_id");
  bill.openedNumber = openedNumber_;
  bill.user = host.CurrentSession().account;
  const int rows = fields.RowCount(ListName());
  for (int row = 0; row < rows; ++row) {
    auto at = [&](const wchar_t* cell) { return Cell(ListName(), row, cell); };
    BillLineInput line;
    for (const wchar_t* cell : {L"item_数量", L"item_数量2", L"item_单位", L"item_单位2", L"item_单价", L"item_金额",
                                L"item_商品名称", L"item_备注"})
      if (!fields.Exists(at(cell))) line.complete = false;
    line.product = fields.Text(at(L"item_商品名称"));
    line.unit = fields.Text(at(L"item_单位"));
    if (fields.Visible(at(L"item_单位2"))) {
      line.secondUnit = fields.Text(at(L"item_单位2"));
      line.secondQuantity = fields.Text(at(L"item_数量2"));
    }
    line.quantity = fields.Text(at(L"item_数量"));
    line.price = fields.Text(at(L"item_单价"));
    line.amount = fields.Text(at(L"item_金额"));
    line.remark = fields.Text(at(L"item_备注"));
    bill.lines.push_back(line);
  }
  return bill;
}

void BillPage::SaveBill(PageHost& host) {
  if (host.Data() == nullptr) return;
  const BillSaveOutcome outcome = documents::SaveBill(*host.Data(), ReadBill(host));
  ShowSaveOutcome(host, outcome);
}

void BillPage::ShowSaveOutcome(PageHost& host, const BillSaveOutcome& outcome) {
  const bool purchase = Purchase(host);
  const SIZE partyTip{310, 30};
  const POINT partyOffset{-80, 20};
  switch (outcome.status) {
    case BillSaveStatus::kSaved:
      ShowSaleBillPage(host);
      return;
    case BillSaveStatus::kNothingToSave:
      return;
    case BillSaveStatus::kPartyNeeded:
      View().ShowTip(host, L"xsd_custom",
                     purchase ? L"'本次付款' 与 '应付金额' 不一致，必须输入供应商名称！"
                              : L"'本次收款' 与 '应收金额' 不一致，必须输入客户名称！",
                     partyTip, partyOffset);
      return;
    case BillSaveStatus::kPartyUnknown:
      View().ShowTip(host, L"xsd_custom",
                     purchase ? L"该供应商不在供应商资料中,无法记录应付款！" : L"该客户不在客户资料中,无法记录欠款！",
                     partyTip, partyOffset);
      return;
    case BillSaveStatus::kUnknownProduct:
      View().ShowTip(host, Cell(ListName(), outcome.line, L"item_商品名称"), L"该商品不存在,无法保存！", SIZE{150, 30},
                     POINT{-10, 20});
      return;
    case BillSaveStatus::kLineIncomplete:
      View().ShowError(host, L"第 " + std::to_wstring(outcome.line + 1) + L" 行不完整,单据没有保存。");
      return;
    case BillSaveStatus::kTextNotStorable:
      View().ShowError(host, outcome.line >= 0
                                 ? L"第 " + std::to_wstring(outcome.line + 1) + L" 行含有无法保存的字符,单据没有保存。"
                                 : std::wstring(L"单据含有无法保存的字符,单据没有保存。"));
      return;
    case BillSaveStatus::kNoDatabase:
    case BillSaveStatus::kNotSaved:
      View().ShowError(host, L"保存失败,单据没有保存,数据库保持原样。");
      return;
  }
}

bool BillPage::OnPickerResult(PageHost& host, const pagekit::PickerResult& result) {
  if (result.kind == pagekit::PickerKind::kDropList && _wcsicmp(result.owner.c_str(), L"xsd_type_drop") == 0) {
    SearchSaleBills(host);
    return true;
  }
  return DocumentPage::OnPickerResult(host, result);
}

void BillPage::SearchSaleBills(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  SearchTerms terms;
  terms.text = fields.Text(L"xsd_edit_find");
  terms.start = fields.Text(L"xsd_date_find_start");
  terms.end = fields.Text(L"xsd_date_find_end");
  terms.type = fields.Text(L"xsd_type");
  if (!fields.Exists(ListName()) || host.Data() == nullptr) return;
  ShowHistoryRows(host, BillHistoryShape(host.Side()), SearchBills(*host.Data(), host.Side(), terms));
}

void BillPage::OpenHistoryRow(PageHost& host, int row) {
  if (!InHistory(host)) return;
  const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), ListName(), row);
  if (!action.Wanted() || action.cells.size() < 8) return;
  auto cell = [&](size_t i) { return action.cells[i].second; };
  OpenSaleBill(host, {cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7)});
}

void BillPage::OpenSaleBill(PageHost& host, const StoredBillRow& row) {
  pagekit::PageFields& fields = host.Fields();
  // The entry view first: switching views forgets an opened bill.
  if (fields.Exists(L"xsd_view_his_list")) ShowBillHistory(host, false);
  openedNumber_ = row.number;
  openedOutstanding_ = NumberOf(row.due) - NumberOf(row.paid);
  if (!fields.Exists(ListName()) || host.Data() == nullptr) return;
  ShowStoredLines(host, StoredLines(*host.Data(), row.number));

  std::wstring storedRate;
  Rows header;
  if (pagekit::IsStorable(row.number) && !row.number.empty() &&
      Query(*host.Data(), "J4_Account_Data", {Column("折扣率"), Key("单据编号", pagekit::LibraryText(row.number))},
            &header))
    storedRate = pagekit::PageText(FirstValue(header, 0));
  Writing writing(*this);
  fields.SetText(L"xsd_money_need", row.due);
  fields.SetText(L"xsd_percent", OpenedBillPercent(storedRate, row.due, row.sales));
  fields.SetText(L"xsd_edit_money_actual", row.paid);
  fields.SetText(L"xsd_custom", row.party);
  fields.SetText(L"xsd_explain", row.remark);
  fields.SetText(L"xsd_ywy", row.salesman);
  fields.SetText(L"xsd_id", row.number);
  fields.SetText(L"xsd_date", row.date);
}

void BillPage::ReceiveShipment(PageHost& host, const Shipment& shipment) {
  ShowSaleBillPage(host);
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(ListName())) return;
  ShowStoredLines(host, shipment.lines);
  Writing writing(*this);
  auto copy = [&](const std::optional<std::wstring>& text, const wchar_t* control) {
    if (text && fields.Exists(control)) fields.SetText(control, *text);
  };
  copy(shipment.money, L"xsd_money_need");
  // The bill starts as paid in full.
  copy(shipment.money, L"xsd_edit_money_actual");
  copy(shipment.percent, L"xsd_percent");
  copy(shipment.party, L"xsd_custom");
  copy(shipment.remark, L"xsd_explain");
}

bool BillPage::DeleteStored(PageHost& host, const std::wstring& number) {
  return host.Data() != nullptr && DeleteBill(*host.Data(), number) == pagekit::StoreResult::kDone;
}

RECT BillPage::PickerRect(const RECT& row, const RECT& window) const {
  RECT rect;
  rect.left = row.left + window.left - 1;
  rect.right = row.right + window.left + 250;
  rect.top = row.top + window.top + 30;
  rect.bottom = rect.top + 300;
  // Above the line when below it would pass the window's bottom.
  if (rect.bottom > window.bottom) {
    rect.bottom = row.top + window.top + 30;
    rect.top = rect.bottom - 300;
  }
  return rect;
}

}  // namespace documents
