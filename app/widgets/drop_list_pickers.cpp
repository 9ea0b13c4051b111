// The two drop lists: the choices of a table or of given rows (CDlgDropList) and
// the deletable list of salesmen and business units (CDlgDropDelList).
#include <cwchar>

#include "controls/list.h"
#include "control_lookup.h"
#include "list_builders.h"
#include "picker_loaders.h"
#include "picker_popups.h"
#include "text_conversion.h"

namespace shell {

CDlgDropList::CDlgDropList(const PickerContext& context, CDlgDropListCallBack* callback, const char* table,
                           const std::vector<DataField>& records, SkinUI::CControlUI* owner, BYTE rowsGiven, int left,
                           int top, int right, int bottom)
    : PickerPopup(context, owner, left, top, right, bottom),
      m_callback(callback),
      m_records(records),
      m_table(table != nullptr ? table : ""),
      m_rowsGiven(rowsGiven) {
  Open(L"DlgDropList");
}

const wchar_t* CDlgDropList::GetWindowClassName() const { return L"DlgDropListWnd"; }

SkinUI::CUIString CDlgDropList::GetSkinFile() { return L"DlgDropList.xml"; }

void CDlgDropList::Fill() {
  if (!m_records.empty()) m_itemName = SkinUI::CUIString(L"item_") + WideFromAnsi(m_records.front().name).c_str();
  SkinUI::CControlUI* control = m_PaintManager.FindControl(L"list");
  auto* list = control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  if (list == nullptr) return;
  if (m_rowsGiven != 0) {
    for (const DataField& record : m_records) {
      std::vector<DataField> row = {MakeDataField(record.name, record.value)};
      pagekit::AddListRow(m_PaintManager, &row, list, true);
    }
    return;
  }
  FillListFromQuery(m_records, list, m_table, m_context.data);
}

void CDlgDropList::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"itemclick" || !TakeChoice()) return;
  // Without records there is no cell to read: the click closes and reports nothing.
  if (msg.sender != nullptr && std::wcscmp(msg.sender->GetClass(), L"ListContainerElementUI") == 0 &&
      !m_itemName.IsEmpty()) {
    SkinUI::CControlUI* cell = m_PaintManager.FindSubControlByName(msg.sender, m_itemName.GetData());
    if (cell != nullptr && m_callback != nullptr) m_callback->OnDropListSelect(cell->GetText(), m_owner);
  }
  Close(1);
}

CDlgDropDelList::CDlgDropDelList(const PickerContext& context, SkinUI::CControlUI* owner, int left, int top, int right,
                                 int bottom)
    : PickerPopup(context, owner, left, top, right, bottom) {
  Open(L"DlgDropDelList");
}

const wchar_t* CDlgDropDelList::GetWindowClassName() const { return L"DlgDropDelListWnd"; }

SkinUI::CUIString CDlgDropDelList::GetSkinFile() { return L"ProductUnitDlgList.xml"; }

void CDlgDropDelList::Fill() {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"list_product_unit");
  if (list == nullptr) return;
  list->SetSmallRows(true);
  FillDropList(m_context.data, m_owner, list);
}

void CDlgDropDelList::Notify(SkinUI::TNotifyUI& msg) {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"list_product_unit");
  if (msg.type == L"itemclick") {
    if (!TakeChoice()) return;
    if (SkinUI::BarListNode* entry = EntryOf(list, msg.sender)) {
      WriteDropChoice(m_owner, entry->text);
    }
    Close(1);
    return;
  }
  if (msg.type == L"click" && msg.sender != nullptr && msg.sender->GetName() == L"item_del") {
    SkinUI::BarListNode* entry = EntryOf(list, msg.sender);
    if (entry == nullptr) return;
    // An entry whose delete deleted nothing stays: the list shows what is stored.
    if (DeleteDropListItem(m_context.data, m_owner, entry->text)) list->RemoveDataListNode(entry);
  }
}

}  // namespace shell
