// The customers and suppliers page (see party_page.h).
#include "party_page.h"

#include <cstdlib>
#include <cwchar>

#include "list_builders.h"
#include "list_filters.h"
#include "list_conditions.h"
#include "opening_figures.h"
#include "party_save.h"
#include "record_opening.h"
#include "row_actions.h"

namespace masterdata {
namespace {

const wchar_t kPanel[] = L"mid_khyqk";
const wchar_t kList[] = L"listkhyqk";
const wchar_t kForm[] = L"layout_khyqk_new_custom";
const wchar_t kHideZero[] = L"khyqk_hide_zero";
const wchar_t kSearch[] = L"khyqk_edit_kehu";

bool Same(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

bool Supplier(const pagekit::PageHost& host) { return host.Side() == pagekit::PageSide::kPurchase; }

// The captions of each side, by control.
struct Caption {
  const wchar_t* control;
  const wchar_t* customer;
  const wchar_t* supplier;
};
const Caption kCaptions[] = {
    {L"khyqk_all_need_to_recv", L"总应收款:", L"总应付款:"},
    {L"khyqk_dqysk", L"当前应收款:", L"当前应付款:"},
    {L"khyqk_csyfk", L"初始应收款:", L"初始应付款:"},
    {L"khyqk_mc", L"客户名称(*):", L"供应商名称(*):"},
    {L"khyqk_caption", L"客户", L"供应商"},
    {L"khyqk_new_custom", L"新增客户(<u>A</u>)", L"新增供应商"},
    {L"khyqk_label_kehu", L"客户:", L"供应商:"},
    {L"khyqk_btn_report_ysqkbg", L"应收款查询", L"应付款查询"},
    {L"khyqk_btn_report_ysdzd", L"客户对账单", L"供应商对账单"},
    {L"khyqk_label_shdz", L"地址:", L"公司地址:"},
};

const char* ViewOf(bool supplier) { return supplier ? "J4_V_Supplier_Payable" : "J4_V_Customer_Receivable"; }
const wchar_t* ReserveOf(bool supplier) { return supplier ? L"付款" : L"收款"; }

const int kOwnerFlags = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete |
                        pagekit::kListModify | pagekit::kListReserve;

// Rows whose balance is 0 or less.
bool ZeroDebt(const pagekit::PageFields& fields, int row) {
  for (const wchar_t* cell : {L"item_应收款", L"item_应付款"}) {
    const pagekit::FieldRef ref = pagekit::Cell(kList, row, cell);
    if (fields.Exists(ref)) return std::wcstod(fields.Text(ref).c_str(), nullptr) <= 0;
  }
  return false;
}

}  // namespace

double SumDebtColumns(const pagekit::PageFields& fields, const std::wstring& list) {
  double total = 0;
  for (int row = 0; row < fields.RowCount(list); ++row) {
    for (const wchar_t* cell : {L"item_应收款", L"item_应付款"}) {
      const pagekit::FieldRef ref = pagekit::Cell(list, row, cell);
      if (!fields.Exists(ref)) continue;
      total += static_cast<float>(std::wcstod(fields.Text(ref).c_str(), nullptr));
      break;
    }
  }
  return total;
}

std::vector<pagekit::PageRoute> PartyPage::Routes() const {
  return {{L"应收账款", true, pagekit::PageSide::kSales},
          {L"应付账款", true, pagekit::PageSide::kPurchase},
          {L"客户", true, pagekit::PageSide::kSales},
          {L"供应商", true, pagekit::PageSide::kPurchase}};
}

void PartyPage::Open(pagekit::PageHost& host, const std::wstring&) { FillReceivablesReport(host, L""); }

bool PartyPage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  if (event.kind == pagekit::EventKind::kTextChanged) {
    if (!Same(event.sender, L"khyqk_new_dqysk") || host.Data() == nullptr) return false;
    pagekit::DeriveInitialBalance(host.Fields(), *host.Data(), host.Side());
    return true;
  }
  // "修改" in a row, or a double-click on it: the party in the form.
  const bool rowClick = event.kind == pagekit::EventKind::kClick && Same(event.sender, L"item_mod");
  if (event.list == kList && (rowClick || event.kind == pagekit::EventKind::kItemActivate)) {
    const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), event.list, event.row);
    const std::wstring party = action.Value(L"item_客户名称") + action.Value(L"item_供应商名称");
    if (action.request == pagekit::RowRequest::kEditParty)
      OpenStoredRecord(host, pagekit::RecordForm::kParty, "J4_Customer_Data", {{"客户名称", party}}, &editing_);
    return true;
  }
  if (event.kind != pagekit::EventKind::kClick) return false;
  struct Click {
    const wchar_t* name;
    void (PartyPage::*operation)(pagekit::PageHost&);
  };
  static const Click kClicks[] = {
      {L"khyqk_btn_find", &PartyPage::LoadPartyPageList}, {L"khyqk_hide_zero", &PartyPage::ToggleHideZeroDebt},
      {L"khyqk_new_custom", &PartyPage::ShowPartyForm},   {L"khyqk_new_cancel", &PartyPage::ClearPartyForm},
      {L"khyqk_new_save", &PartyPage::SaveParty},         {L"khyqk_btn_other", &PartyPage::ToggleReceivableOptions},
  };
  for (const Click& click : kClicks) {
    if (!Same(event.sender, click.name)) continue;
    (this->*click.operation)(host);
    return true;
  }
  return false;
}

void PartyPage::FillReceivablesReport(pagekit::PageHost& host, const std::wstring& title) {
  const bool supplier = Supplier(host);
  const bool owner = host.CurrentSession().owner;
  pagekit::PageFields& fields = host.Fields();
  if (!owner) {
    if (supplier) return;
    fields.SetVisible(L"khyqk_report", false);
  }
  editing_.clear();
  for (const Caption& caption : kCaptions)
    fields.SetText(caption.control, supplier ? caption.supplier : caption.customer);
  fields.SetText(kSearch, L"");
  fields.SetHint(kSearch, supplier ? L"供应商名称或联系人或联系电话" : L"客户名称或联系人或联系电话");
  ClearPartyForm(host);
  fields.SetText(kHideZero, L"隐藏零欠款");
  host.OpenPageTab(!title.empty() ? title : (supplier ? L"供应商" : L"客户"), kPanel, true);
  view_->FillList(host,
                  {kList, ViewOf(supplier), {}, owner ? kOwnerFlags : pagekit::kListLineNumbers, ReserveOf(supplier)});
  fields.SetText(L"khyqk_money", pagekit::PageText(TwoDecimals(SumDebtColumns(fields, kList))));
}

void PartyPage::LoadPartyPageList(pagekit::PageHost& host) {
  const std::wstring search = host.Fields().Text(kSearch);
  if (search.empty()) {
    FillReceivablesReport(host, L"");
    return;
  }
  const bool supplier = Supplier(host);
  Record columns;
  for (const char* column : {supplier ? "供应商名称" : "客户名称", "联系人", "电话", supplier ? "应付款" : "应收款"})
    columns.push_back(Column(column));
  columns.push_back(
      pagekit::RawCondition(PartyListCondition(supplier ? "供应商名称" : "客户名称", pagekit::LibraryText(search))));
  // A clerk keeps the header the page was filled with: line numbers only.
  const int flags = host.CurrentSession().owner ? kOwnerFlags : pagekit::kListLineNumbers;
  view_->FillList(host, {kList, ViewOf(supplier), columns, flags, ReserveOf(supplier)});
}

void PartyPage::ToggleHideZeroDebt(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const bool hide = fields.Text(kHideZero) == L"隐藏零欠款";
  fields.SetText(kHideZero, hide ? L"显示全部" : L"隐藏零欠款");
  for (int row = 0; row < fields.RowCount(kList); ++row)
    view_->SetRowVisible(host, kList, row, !hide || !ZeroDebt(fields, row));
}

void PartyPage::ShowPartyForm(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const bool visible = !fields.Visible(kForm);
  fields.SetVisible(kForm, visible);
  editing_.clear();
  for (const wchar_t* field : kPartyFormFields) fields.SetText(field, L"");
  if (visible) view_->Focus(host, L"khyqk_new_khmc");
}

void PartyPage::ClearPartyForm(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  for (const wchar_t* field :
       {L"khyqk_new_khmc", L"khyqk_new_lxr", L"khyqk_new_lxdh", L"khyqk_new_fax", L"khyqk_new_qq", L"khyqk_new_email",
        L"khyqk_new_shdz", L"khyqk_new_yzbm", L"khyqk_new_bz"})
    fields.SetText(field, L"");
  fields.SetText(L"khyqk_new_dqysk", L"0.00");
  fields.SetText(L"khyqk_new_csysk", L"0.00");
  fields.SetVisible(kForm, false);
  // A cancelled form's record is no longer being edited.
  editing_.clear();
}

void PartyPage::SaveParty(pagekit::PageHost& host) {
  if (host.Data() == nullptr) return;
  PartySaveInput input;
  for (size_t i = 0; i < 12; ++i) input.texts[i] = host.Fields().Text(kPartyFormFields[i]);
  input.editing = editing_;
  input.side = host.Side();
  input.user = host.CurrentSession().account;
  const FormAnswer answer = masterdata::SaveParty(*host.Data(), input);
  if (!answer.saved) {
    view_->ShowTip(host, answer);
    return;
  }
  FillReceivablesReport(host, L"");
}

void PartyPage::ToggleReceivableOptions(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const bool wasVisible = fields.Visible(L"khyqk_layout_other");
  fields.SetVisible(L"khyqk_layout_other", !wasVisible);
  for (const wchar_t* control :
       {L"khyqk_edit_kehu", L"khyqk_kehu_drop", L"khyqk_btn_find", L"khyqk_hide_zero", L"khyqk_find_space"})
    fields.SetVisible(control, wasVisible);
}

}  // namespace masterdata
