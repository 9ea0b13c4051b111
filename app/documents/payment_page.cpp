#include "payment_page.h"

#include <cwchar>

#include "document_search.h"
#include "list_builders.h"
#include "record_fields.h"
#include "row_actions.h"

namespace documents {
namespace {

using pagekit::PageHost;

const wchar_t kList[] = L"listfkd";

bool Same(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

// A supplier's contact data and balance as stored, by column name.
struct Contact {
  std::wstring person, phone, address, balance;
};

bool LookUpContact(KXPDatavane& data, const std::wstring& party, Contact* contact) {
  // An empty name would filter nothing and bring the first party's row.
  if (party.empty() || !pagekit::IsStorable(party)) return false;
  Rows rows;
  if (!Query(data, "J4_Customer_Data",
             {Key("客户名称", pagekit::LibraryText(party)), Column("联系人"), Column("联系电话"), Column("地址"),
              Column("当前应收款")},
             &rows) ||
      rows.empty())
    return false;
  auto value = [&](const char* column) {
    for (const DataField& field : rows.front())
      if (field.name == column && !field.hidden) return pagekit::PageText(field.value);
    return std::wstring();
  };
  *contact = {value("联系人"), value("联系电话"), value("地址"), value("当前应收款")};
  return true;
}

}  // namespace

PaymentPage::PaymentPage(std::unique_ptr<MoneyView> view, LocalClock local, LocalClock utc)
    : view_(std::move(view)), local_(local), utc_(utc) {}

std::vector<pagekit::PageRoute> PaymentPage::Routes() const { return {{L"付款单"}}; }

void PaymentPage::Open(PageHost& host, const std::wstring&) { ShowPaymentPage(host, L""); }

bool PaymentPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  if (event.kind != pagekit::EventKind::kClick) return false;
  if (Same(event.sender, L"item_reserve") && event.list == L"listkhyqk") {
    const pagekit::RowAction action = pagekit::OnListRowAction(host.Fields(), event.list, event.row);
    if (action.request != pagekit::RowRequest::kReceiptOrPayment || action.cells.size() < 2) return true;
    if (action.cells[0].first == L"item_客户名称") {
      ReceiveFromCustomer(host, action.cells[0].second, action.cells[1].second);
    } else {
      PayToSupplier(host, action.cells[0].second, action.cells[1].second);
    }
    return true;
  }
  struct Click {
    const wchar_t* name;
    void (PaymentPage::*operation)(PageHost&);
  };
  static const Click kClicks[] = {
      {L"fkd_btn_find", &PaymentPage::SearchPayments},
      {L"fkd_new_save", &PaymentPage::SavePayment},
      {L"fkd_new_cancel", &PaymentPage::ClearPaymentForm},
  };
  for (const Click& click : kClicks) {
    if (!Same(event.sender, click.name)) continue;
    (this->*click.operation)(host);
    return true;
  }
  return false;
}

void PaymentPage::ReceiveFromCustomer(PageHost& host, const std::wstring& party, const std::wstring&) {
  AskAndSave(host, true, party);
}

void PaymentPage::PayToSupplier(PageHost& host, const std::wstring& party, const std::wstring&) {
  AskAndSave(host, false, party);
}

void PaymentPage::AskAndSave(PageHost& host, bool customer, const std::wstring& party) {
  MoneyQuestion question;
  question.customer = customer;
  question.party = party;
  question.offerDetail = !customer;
  const MoneyAnswer answer = view_->AskMoney(host, question);
  if (!customer && answer.result == kMoneyDialogDetail) {
    ShowPaymentPage(host, answer.party);
    return;
  }
  if (answer.result != kMoneyDialogSaved || host.Data() == nullptr) return;
  MoneyEntry entry;
  entry.kind = customer ? MoneyKind::kReceipt : MoneyKind::kPayment;
  entry.party = answer.party;
  entry.date = answer.date;
  entry.amount = answer.amount;
  entry.note = answer.note;
  entry.user = host.CurrentSession().account;
  const MoneySaveOutcome outcome = SaveMoneyEntry(*host.Data(), entry, DateOf(utc_()));
  if (outcome.status != MoneySaveStatus::kSaved) {
    view_->ShowMessage(host, MoneySaveMessage(outcome.status, customer));
    return;
  }
  // The parties again, with the balance the save changed.
  host.OpenPageByName(customer ? L"客户" : L"供应商");
}

void PaymentPage::ShowPaymentPage(PageHost& host, const std::wstring& supplier) {
  host.OpenPageTab(L"付款单", L"mid_fkd", true);
  pagekit::PageFields& fields = host.Fields();
  fields.SetText(L"fkd_edit_gys", supplier);
  Contact contact;
  if (host.Data() == nullptr || !LookUpContact(*host.Data(), supplier, &contact)) contact = {};
  fields.SetText(L"fkd_new_lxr", contact.person);
  fields.SetText(L"fkd_new_lxdh", contact.phone);
  fields.SetText(L"fkd_new_dz", contact.address);
  fields.SetText(L"fkd_new_all_money", contact.balance);
  fields.SetDate(L"fkd_date", local_());
  FillPaymentList(host, supplier, L"", L"");
}

void PaymentPage::SavePayment(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  if (host.Data() == nullptr) return;
  MoneyEntry entry;
  entry.kind = MoneyKind::kPayment;
  entry.party = fields.Text(L"fkd_edit_gys");
  entry.date = fields.Text(L"fkd_date");
  entry.amount = fields.Text(L"fkd_new_money");
  entry.note = fields.Text(L"fkd_new_zy");
  entry.salesman = fields.Text(L"fkd_new_ywy");
  entry.user = host.CurrentSession().account;
  const MoneySaveOutcome outcome = SaveMoneyEntry(*host.Data(), entry, DateOf(utc_()));
  switch (outcome.status) {
    case MoneySaveStatus::kSaved:
      break;
    case MoneySaveStatus::kAmountNeeded:
      view_->ShowTip(host, L"fkd_new_money", MoneySaveMessage(outcome.status, false));
      return;
    case MoneySaveStatus::kPartyNeeded:
      view_->ShowTip(host, L"fkd_edit_gys", MoneySaveMessage(outcome.status, false));
      return;
    default:
      view_->ShowMessage(host, MoneySaveMessage(outcome.status, false));
      return;
  }
  // The supplier's history with the payment, the form ready for the next one.
  FillPaymentList(host, entry.party, L"", L"");
  ClearPaymentForm(host);
}

void PaymentPage::ClearPaymentForm(PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  for (const wchar_t* name : {L"fkd_edit_gys", L"fkd_new_money", L"fkd_new_zy", L"fkd_new_ywy", L"fkd_new_all_money",
                              L"fkd_new_lxr", L"fkd_new_lxdh", L"fkd_new_dz"})
    fields.SetText(name, L"");
  fields.SetDate(L"fkd_date", local_());
}

void PaymentPage::SearchPayments(PageHost& host) {
  const pagekit::PageFields& fields = host.Fields();
  FillPaymentList(host, fields.Text(L"fkd_edit_gys"), fields.Text(L"fkd_date_start"), fields.Text(L"fkd_date_end"));
}

void PaymentPage::FillPaymentList(PageHost& host, const std::wstring& supplier, const std::wstring& start,
                                  const std::wstring& end) {
  if (!host.Fields().Exists(kList)) return;
  ListShape shape;
  shape.columns = {"单号", "日期", "供应商名称", "本次付款", "说明", "业务员"};
  shape.style = pagekit::kListLineNumbers;
  std::vector<CashBookRow> rows;
  if (host.Data() != nullptr) {
    for (Record& record : PaymentHistory(*host.Data(), supplier, start, end))
      rows.push_back({std::move(record), false});
  }
  view_->ShowRows(host, kList, shape, rows);
}

}  // namespace documents
