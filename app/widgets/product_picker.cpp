// The product picker: every product at opening, the search box that narrows the
// list as the user types, one product by a click on its row or the ticked ones by
// "pdl_ok".
#include <cwchar>

#include "controls/edit.h"
#include "controls/list.h"
#include "controls/option.h"
#include "picker_loaders.h"
#include "picker_popups.h"

namespace shell {
namespace {

const wchar_t kNameCell[] = L"item_商品名称";

}  // namespace

CDlgProductList::CDlgProductList(const PickerContext& context, CDlgProductListCallBack* callback,
                                 SkinUI::CControlUI* owner, void* extra, BYTE multipleChoice, int left, int top,
                                 int right, int bottom)
    : PickerPopup(context, owner, left, top, right, bottom),
      m_callback(callback),
      m_extra(extra),
      m_multipleChoice(multipleChoice) {
  Open(L"DlgProductList");
}

const wchar_t* CDlgProductList::GetWindowClassName() const { return L"DlgProductListWnd"; }

SkinUI::CUIString CDlgProductList::GetSkinFile() { return L"ProductDlgList.xml"; }

namespace {

SkinUI::CListUI* ProductList(SkinUI::CPaintManagerUI& pm) {
  SkinUI::CControlUI* control = pm.FindControl(L"list_product");
  return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
}

void HideSelectAll(SkinUI::CPaintManagerUI& pm) {
  if (SkinUI::CControlUI* box = pm.FindControl(L"sel_all_list_product")) box->SetVisible(false);
}

}  // namespace

void CDlgProductList::Fill() {
  if (SkinUI::CControlUI* ok = m_PaintManager.FindControl(L"pdl_ok")) ok->SetVisible(m_multipleChoice != 0);
  if (SkinUI::CListUI* list = ProductList(m_PaintManager))
    LoadProductList(m_PaintManager, m_context.data, list, m_multipleChoice != 0);
  HideSelectAll(m_PaintManager);
}

bool CDlgProductList::KeepsOpenFor(HWND focus) {
  if (focus != nullptr && focus == m_hWnd) return true;
  SkinUI::CControlUI* find = m_PaintManager.FindControl(L"pdl_find");
  if (find == nullptr) return true;
  auto* edit = static_cast<SkinUI::CEditUI*>(find->GetInterface(L"Edit"));
  return edit != nullptr && focus != nullptr && focus == edit->GetSafeWnd();
}

void CDlgProductList::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  if (msg.type == L"itemclick") {
    if (std::wcscmp(msg.sender->GetClass(), L"ListContainerElementUI") != 0) return;
    SkinUI::CControlUI* name = m_PaintManager.FindSubControlByName(msg.sender, kNameCell);
    if (name == nullptr || !TakeChoice()) return;
    if (m_callback != nullptr) m_callback->OnProductSelect(name->GetText(), m_owner, m_extra);
    Close(1);
  } else if (msg.type == L"click" && msg.sender->GetName() == L"pdl_ok") {
    if (!TakeChoice()) return;
    ReportTickedRows();
    Close(1);
  } else if (msg.type == L"textchanged" && msg.sender->GetName() == L"pdl_find") {
    if (SkinUI::CListUI* list = ProductList(m_PaintManager))
      SearchProductList(m_PaintManager, m_context.data, list, msg.sender->GetText());
    HideSelectAll(m_PaintManager);
  }
}

void CDlgProductList::ReportTickedRows() {
  std::vector<SkinUI::CUIString> names;
  if (SkinUI::CListUI* list = ProductList(m_PaintManager)) {
    for (int i = 0; i < list->GetCount(); ++i) {
      SkinUI::CControlUI* row = list->GetItemAt(i);
      SkinUI::CControlUI* tick = m_PaintManager.FindSubControlByName(row, L"item_chk");
      auto* box = tick != nullptr ? static_cast<SkinUI::COptionUI*>(tick->GetInterface(L"Option")) : nullptr;
      SkinUI::CControlUI* name = m_PaintManager.FindSubControlByName(row, kNameCell);
      if (box != nullptr && box->IsSelected() && name != nullptr && !name->GetText().IsEmpty())
        names.push_back(name->GetText());
    }
  }
  if (m_callback != nullptr) m_callback->OnProductRowSelect(names, m_owner, m_extra);
}

}  // namespace shell
