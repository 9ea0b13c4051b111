// The receipt and payment dialog: captions by party type, the amount's format,
// editing a stored entry and the party drop list.
#include "money_dialog.h"

#include <cwchar>
#include <new>
#include <vector>

#include "controls/edit.h"
#include "core/control_ui.h"
#include "kxp_data.h"
#include "picker_loaders.h"
#include "picker_popups.h"

namespace shell {

namespace {

const MoneyCaptions kReceipt = {L"收款业务-新增", L"收款业务-修改", L"客户名称:", L"收款金额:", L"收订金/欠款", "客户"};
const MoneyCaptions kPayment = {L"付款业务-新增", L"付款业务-修改", L"供应商名称:",
                                L"付款金额:",     L"付订金/欠款",   "供应商"};

}  // namespace

const MoneyCaptions& MoneyCaptionsFor(const SkinUI::CUIString& partyType) {
  return partyType == L"客户" ? kReceipt : kPayment;
}

CDlgMoney::CDlgMoney(const PickerContext& context, const wchar_t* partyType, const wchar_t* partyName,
                     MoneyResult* result)
    : SkinDialog(L"DlgMoney.xml", L"", EnterKey::kSwallowed),
      m_context(context),
      m_result(result),
      m_partyType(partyType) {
  *m_result = MoneyResult();
  m_result->party = partyName;
  m_title = MoneyCaptionsFor(m_partyType).newTitle;
}

const wchar_t* CDlgMoney::GetWindowClassName() const { return L"DlgMoneyUI"; }

void CDlgMoney::SelectAmount() {
  SkinUI::CControlUI* amount = m_pm.FindControl(L"money_edit_money");
  if (amount == nullptr) return;
  m_selectAmount = true;
  m_pm.SetFocusNeeded(amount);
}

void CDlgMoney::OnLayoutBuilt() {
  const MoneyCaptions& captions = MoneyCaptionsFor(m_partyType);
  SelectAmount();
  SetControlText(L"money_edit_custom", m_result->party);
  SetControlText(L"money_label_custom", captions.partyLabel);
  SetControlText(L"money_label_money", captions.amountLabel);
  SetControlText(L"money_edit_project", captions.note);
}

void CDlgMoney::FillForEdit(const wchar_t* partyName, const wchar_t* date, const wchar_t* note, const wchar_t* amount) {
  m_result->party = partyName;
  m_result->date = date;
  m_result->note = note;
  m_result->amount = amount;
  m_title = MoneyCaptionsFor(m_partyType).editTitle;
  SetControlText(L"msgdlg_labelTitle", m_title);
  SetControlText(L"money_edit_custom", m_result->party);
  SetControlText(L"money_edit_money", m_result->amount);
  SetControlText(L"money_edit_project", m_result->note);
  SetControlText(L"money_date", m_result->date);
  SelectAmount();
}

void CDlgMoney::OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) {
  if (owner == nullptr) return;
  const SkinUI::CUIString edit = EditOfDropButton(owner->GetName());
  if (!edit.IsEmpty()) SetControlText(edit, text);
}

void CDlgMoney::OnDialogNotify(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  if (msg.type == L"setfocus" && name == L"money_edit_money" && m_selectAmount) {
    m_selectAmount = false;
    if (auto* edit = static_cast<SkinUI::CEditUI*>(msg.sender->GetInterface(L"Edit"))) edit->SetSelAll();
    return;
  }
  if (msg.type != L"click") return;
  if (name == L"money_more") {
    Close(kMoneyDialogMore);
  } else if (name == L"money_edit_custom_drop") {
    OpenPartyList();
  }
}

void CDlgMoney::OpenPartyList() {
  SkinUI::CControlUI* edit = m_pm.FindControl(L"money_edit_custom");
  SkinUI::CControlUI* button = m_pm.FindControl(L"money_edit_custom_drop");
  if (edit == nullptr || button == nullptr) return;
  // The rows show, and a click reports, the party's name; the kind only filters.
  DataField kind = MakeDataField("类型", MoneyCaptionsFor(m_partyType).partyKind);
  kind.hidden = 1;
  const std::vector<DataField> records = {MakeDataField("客户名称", ""), kind};
  const RECT field = edit->GetPos();
  POINT topLeft = {field.left - 1, field.bottom};
  ::ClientToScreen(m_hWnd, &topLeft);
  const int width = field.right - field.left + 1;
  new (std::nothrow) CDlgDropList(m_context, this, "J4_Customer_Data", records, button, 0, topLeft.x, topLeft.y,
                                  topLeft.x + width, topLeft.y + kPickerHeight);
}

void CDlgMoney::OnOk() {
  m_result->party = GetControlText(L"money_edit_custom");
  m_result->amount = FormatMoneyAmount(GetControlText(L"money_edit_money"));
  m_result->note = GetControlText(L"money_edit_project");
  m_result->date = GetControlText(L"money_date");
  Close(kDialogOk);
}

}  // namespace shell
