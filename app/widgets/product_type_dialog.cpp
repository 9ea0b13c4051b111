// The product category dialog: the parent from the picker and the name's check.
#include "product_type_dialog.h"

#include <new>

#include "core/control_ui.h"
#include "picker_popups.h"

namespace shell {

namespace {

// The category picker opens under the parent button, this wide.
constexpr int kTypeListWidth = 195;

}  // namespace

CDlgProductType::CDlgProductType(const PickerContext& context, const wchar_t* parent, const wchar_t* title,
                                 const wchar_t* name, ProductTypeResult* result)
    : SkinDialog(L"ProductTypeDlg.xml", title, EnterKey::kPassedOn), m_context(context), m_result(result) {
  m_result->parent = parent;
  m_result->name = name;
}

const wchar_t* CDlgProductType::GetWindowClassName() const { return L"DlgProductType"; }

void CDlgProductType::OnLayoutBuilt() {
  SetControlText(L"ProductType_Sel", m_result->parent);
  SetControlText(L"ProductType_name", m_result->name);
}

void CDlgProductType::OnDialogNotify(SkinUI::TNotifyUI& msg) {
  if (msg.type == L"click" && msg.sender != nullptr && msg.sender->GetName() == L"ProductType_Sel")
    OpenTypeList(msg.sender);
}

void CDlgProductType::OpenTypeList(SkinUI::CControlUI* button) {
  const RECT at = button->GetPos();
  POINT topLeft = {at.left, at.bottom};
  ::ClientToScreen(m_hWnd, &topLeft);
  new (std::nothrow) CDlgProductTypeList(m_context, this, button, topLeft.x, topLeft.y, topLeft.x + kTypeListWidth,
                                         topLeft.y + kPickerHeight);
}

void CDlgProductType::OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI*) {
  SetControlText(L"ProductType_Sel", text);
}

void CDlgProductType::OnOk() {
  const SkinUI::CUIString parent = GetControlText(L"ProductType_Sel");
  const SkinUI::CUIString name = GetControlText(L"ProductType_name");
  if (name.IsEmpty()) {
    SetControlText(L"tip", L"类别不能为空！");
    return;
  }
  m_result->parent = parent;
  m_result->name = name;
  Close(kDialogOk);
}

}  // namespace shell
