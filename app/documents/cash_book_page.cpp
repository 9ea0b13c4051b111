#include "cash_book_page.h"

#include <cwchar>

#include "bill_amounts.h"
#include "list_builders.h"
#include "record_fields.h"
#include "row_actions.h"

namespace documents {
namespace {

using pagekit::PageHost;

const wchar_t kList[] = L"listzjls";
const wchar_t kForm[] = L"layout_zjls_new";
const wchar_t kIncomeCaption[] = L"收入项目:";
const wchar_t kExpenseCaption[] = L"支出项目:";

bool Same(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

ListShape CashBookShape() {
  ListShape shape;
  shape.columns = CashBookColumns();
  // 业务日期, 业务编号 and 往来单位 at their fixed widths.
  shape.widths = {80, 120, 0, 90};
  shape.style = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete | pagekit::kListModify;
  return shape;
}

}  // namespace

CashBookPage::CashBookPage(std::unique_ptr<MoneyView> view, LocalClock local, LocalClock utc)
    : view_(std::move(view)), local_(local), utc_(utc) {}

std::vector<pagekit::PageRoute> CashBookPage::Routes() const { return {{L"资金"}, {L"其它收支"}}; }

void CashBookPage::Open(PageHost& host, const std::wstring&) { ShowCashFlowPage(host); }

bool CashBookPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  const bool ownRow = event.list == kList && event.row >= 0;
  if (event.kind == pagekit::EventKind::kItemActivate) {
    if (!ownRow) return false;
    OpenCashFlowRow(host, RowNumber(host, event.row));
    return true;
  }
  if (event.kind != pagekit::EventKind::kClick) return false;
  if (ownRow && Same(event.sender, L"item_mod")) {
    OpenCashFlowRow(host, RowNumber(host, event.row));
    return true;
  }
  if (ownRow && Same(event.sender, L"item_del")) {
    const std::wstring number = host.Fields().Text(pagekit::Cell(kList, event.row, L"item_业务编号"));
    if (!number.empty() && view_->ConfirmDelete(host) && !DeleteCashFlowRow(host, number))
      view_->ShowMessage(host, L"删除失败,单据 " + number + L" 未删除。");
    return true;
  }
  struct Click {
    const wchar_t* name;
    void (CashBookPage::*operation)(PageHost&);
  };
  static const Click kClicks[] = {
      {L"zjls_btn_find", &CashBookPage::LoadCashFlowList},  {L"zjls_save", &CashBookPage::SaveCashFlow},
      {L"zjls_cancel", &CashBookPage::NewCashFlow},         {L"zjls_income", &CashBookPage::SetCashFlowIncome},
      {L"zjls_outcome", &CashBookPage::SetCashFlowOutcome},
  };
  for (const Click& click : kClicks) {
    if (!Same(event.sender, click.name)) continue;
    (this->*click.operation)(host);
    return true;
  }
  return false;
}

std::wstring CashBookPage::RowNumber(PageHost& host, int row) const {
  const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), kList, row);
  return action.Wanted() ? action.Value(L"item_业务编号") : std::wstring();
}

void CashBookPage::ShowCashFlowPage(PageHost& host) {
  host.OpenPageTab(L"其它收支", L"mid_zjls", true);
  ShowList(host, CashBookPeriod{});
}

void CashBookPage::LoadCashFlowList(PageHost& host) {
  CashBookPeriod period;
  period.bounded = true;
  period.start = host.Fields().Text(L"zjls_date_start");
  period.end = host.Fields().Text(L"zjls_date_end");
  ShowList(host, period);
}

void CashBookPage::ShowList(PageHost& host, const CashBookPeriod& period) {
  shown_ = period;
  if (!host.Fields().Exists(kList)) return;
  std::vector<CashBookRow> rows;
  if (host.Data() != nullptr) rows = ReadCashBook(*host.Data(), period);
  view_->ShowRows(host, kList, CashBookShape(), rows);
}

void CashBookPage::SetCashFlowIncome(PageHost& host) { SetMode(host, true); }

void CashBookPage::SetCashFlowOutcome(PageHost& host) { SetMode(host, false); }

void CashBookPage::SetMode(PageHost& host, bool income) {
  openedNumber_.clear();
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(kForm)) return;
  const wchar_t* caption = income ? kIncomeCaption : kExpenseCaption;
  const bool sameMode = fields.Text(L"zjls_label_project") == caption;
  fields.SetVisible(kForm, sameMode ? !fields.Visible(kForm) : true);
  fields.SetText(L"zjls_label_project", caption);
  fields.SetText(L"zjls_edit_custom", L"");
  fields.SetText(L"zjls_edit_project", L"");
  fields.SetHint(L"zjls_edit_project", income ? L"输入收入项目名称" : L"输入支出项目名称");
  fields.SetText(L"zjls_label_money", income ? L"收入金额:" : L"支出金额:");
  fields.SetText(L"zjls_edit_money", L"0.00");
  fields.SetText(L"zjls_remark", L"");
  fields.SetDate(L"zjls_date", local_());
}

void CashBookPage::SaveCashFlow(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  if (host.Data() == nullptr) return;
  MoneyEntry entry;
  entry.kind = MoneyKind::kIncomeExpense;
  entry.party = fields.Text(L"zjls_edit_custom");
  entry.item = fields.Text(L"zjls_edit_project");
  entry.amount = fields.Text(L"zjls_edit_money");
  entry.date = fields.Text(L"zjls_date");
  entry.note = fields.Text(L"zjls_remark");
  entry.income = fields.Text(L"zjls_label_project") == kIncomeCaption;
  entry.user = host.CurrentSession().account;
  entry.openedNumber = openedNumber_;
  const MoneySaveOutcome outcome = SaveMoneyEntry(*host.Data(), entry, DateOf(utc_()));
  switch (outcome.status) {
    case MoneySaveStatus::kSaved:
      break;
    case MoneySaveStatus::kItemNeeded:
      view_->ShowTip(host, L"zjls_edit_project", L"请输入项目名称！");
      return;
    case MoneySaveStatus::kAmountNeeded:
      view_->ShowTip(host, L"zjls_edit_money", L"请输入非零的金额！");
      return;
    default:
      view_->ShowMessage(host, MoneySaveMessage(outcome.status, true));
      return;
  }
  // A second save of the form rewrites the same record, never adds another.
  openedNumber_ = outcome.number;
  ShowCashFlowPage(host);
}

void CashBookPage::NewCashFlow(PageHost& host) {
  openedNumber_.clear();
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(kForm, false);
  for (const wchar_t* name : {L"zjls_edit_custom", L"zjls_edit_project", L"zjls_remark"}) fields.SetText(name, L"");
  fields.SetDate(L"zjls_date", local_());
}

void CashBookPage::OpenCashFlowRow(PageHost& host, const std::wstring& number) {
  // The 期初 and 合计 rows have no number; an empty key would open the first
  // record.
  if (number.empty() || host.Data() == nullptr || !pagekit::IsStorable(number)) return;
  KXPDatavane& data = *host.Data();
  Rows rows;
  if (!Query(data, "J4_Account_Data",
             {Column("单据日期"), Column("单据编号"), Column("类型"), Column("客户名称"), Column("折扣率"),
              Column("收款金额"), Column("说明"), Column("收支项目"), Column("操作人"), Column("实际金额"),
              Column("业务员"), Key("单据编号", pagekit::LibraryText(number))},
             &rows) ||
      rows.empty() || rows.front().size() < 11)
    return;
  auto at = [&](size_t position) { return pagekit::PageText(rows.front()[position].value); };
  const std::wstring type = at(2);
  if (type == L"收支单") {
    Rows item;
    if (!Query(data, "J4_Account_Item", {Column("项目类别"), Key("项目名称", rows.front()[7].value)}, &item) ||
        item.empty())
      return;
    SetMode(host, FirstValue(item, 0) == "收入");
    pagekit::PageFields& fields = host.Fields();
    fields.SetVisible(kForm, true);
    fields.SetText(L"zjls_edit_project", at(7));
    fields.SetText(L"zjls_edit_money", at(5));
    fields.SetText(L"zjls_edit_custom", at(3));
    fields.SetText(L"zjls_date", at(0));
    fields.SetText(L"zjls_remark", at(6));
    // After the mode switch, which forgets an opened record.
    openedNumber_ = number;
  } else if (type == L"销售单" || type == L"进货单") {
    if (bill_ == nullptr) return;
    host.SetSide(type == L"进货单" ? pagekit::PageSide::kPurchase : pagekit::PageSide::kSales);
    bill_->ShowSaleBillPage(host);
    bill_->OpenSaleBill(host,
                        {number, at(3), at(0), at(6), at(10), at(5), SalesAmountBeforeDiscount(at(5), at(4)), at(9)});
  } else if (type == L"收款单" || type == L"付款单") {
    EditReceiptOrPayment(host, number, type == L"收款单", at(3), at(0), at(6), at(5));
  }
}

void CashBookPage::EditReceiptOrPayment(PageHost& host, const std::wstring& number, bool customer,
                                        const std::wstring& party, const std::wstring& date, const std::wstring& note,
                                        const std::wstring& amount) {
  MoneyQuestion question;
  question.customer = customer;
  question.party = party;
  question.editing = true;
  question.date = date;
  question.note = note;
  question.amount = amount;
  const MoneyAnswer answer = view_->AskMoney(host, question);
  if (answer.result != kMoneyDialogSaved) return;
  MoneyEntry entry;
  entry.kind = customer ? MoneyKind::kReceipt : MoneyKind::kPayment;
  entry.party = answer.party;
  entry.date = answer.date;
  entry.amount = answer.amount;
  entry.note = answer.note;
  entry.user = host.CurrentSession().account;
  entry.openedNumber = number;
  const MoneySaveOutcome outcome = SaveMoneyEntry(*host.Data(), entry, DateOf(utc_()));
  if (outcome.status != MoneySaveStatus::kSaved) {
    view_->ShowMessage(host, MoneySaveMessage(outcome.status, customer));
    return;
  }
  ShowCashFlowPage(host);
}

bool CashBookPage::DeleteCashFlowRow(PageHost& host, const std::wstring& number) {
  if (number.empty() || host.Data() == nullptr) return true;
  if (DeleteBill(*host.Data(), number) != pagekit::StoreResult::kDone) return false;
  if (openedNumber_ == number) openedNumber_.clear();
  ShowList(host, shown_);
  return true;
}

}  // namespace documents
