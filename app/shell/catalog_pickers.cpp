// The category tree picker and the unit picker; a unit's delete button takes the
// unit out of the database and the picker stays open.
#include "main_frame.h"
#include "picker_loaders.h"
#include "picker_popups.h"

namespace shell {

CDlgProductTypeList::CDlgProductTypeList(MainFrame* context, CDlgProductTypeListCallBack* callback,
                                         SkinUI::CControlUI* owner, int left, int top, int right, int bottom)
    : PickerPopup(context, owner, left, top, right, bottom), m_callback(callback) {
  Open(L"DlgProductTypeList");
}

const wchar_t* CDlgProductTypeList::GetWindowClassName() const { return L"DlgProductTypeListWnd"; }

SkinUI::CUIString CDlgProductTypeList::GetSkinFile() { return L"ProductTypeDlgList.xml"; }

void CDlgProductTypeList::Fill() {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"list_product_type");
  if (list != nullptr) list->SetSmallRows(true);
  FillTypeBarList(m_context, list);
}

void CDlgProductTypeList::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"itemclick" || !TakeChoice()) return;
  const SkinUI::CUIString text = EntryText(FindBarList(m_PaintManager, L"list_product_type"), msg.sender);
  if (m_callback != nullptr) m_callback->OnProductTypeSelect(text, m_owner);
  Close(1);
}

CDlgProductUnitList::CDlgProductUnitList(MainFrame* context, CDlgProductUnitListCallBack* callback,
                                         SkinUI::CControlUI* owner, int left, int top, int right, int bottom)
    : PickerPopup(context, owner, left, top, right, bottom), m_callback(callback) {
  Open(L"DlgProductUnitList");
}

const wchar_t* CDlgProductUnitList::GetWindowClassName() const { return L"DlgProductUnitListWnd"; }

SkinUI::CUIString CDlgProductUnitList::GetSkinFile() { return L"ProductUnitDlgList.xml"; }

void CDlgProductUnitList::Fill() {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"list_product_unit");
  if (list != nullptr) list->SetSmallRows(true);
  LoadUnitList(m_context, list);
}

void CDlgProductUnitList::Notify(SkinUI::TNotifyUI& msg) {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"list_product_unit");
  if (msg.type == L"itemclick") {
    if (!TakeChoice()) return;
    if (m_callback != nullptr) m_callback->OnProductUnitSelect(EntryText(list, msg.sender), m_owner);
    Close(1);
    return;
  }
  if (msg.type == L"click" && msg.sender != nullptr && msg.sender->GetName() == L"item_del") {
    SkinUI::BarListNode* entry = EntryOf(list, msg.sender);
    // A unit the database kept stays in the list, so the list shows what is stored.
    if (entry != nullptr && DeleteUnitByName(entry->text)) list->RemoveDataListNode(entry);
  }
}

}  // namespace shell
