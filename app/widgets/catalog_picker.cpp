// The catalog picker: the category tree or the units of measure, from the row of
// its kind.
#include "control_lookup.h"
#include "picker_loaders.h"
#include "picker_popups.h"

namespace shell {
namespace {

struct CatalogPickerKind {
  const wchar_t* title;
  const wchar_t* windowClass;
  const wchar_t* layout;
  const wchar_t* list;
  void (*fill)(const PickerContext&, SkinUI::CBarListUI*);
  void (*report)(void* callback, const SkinUI::CUIString& text, SkinUI::CControlUI* owner);
  bool deletable;
};

void ReportCategory(void* callback, const SkinUI::CUIString& text, SkinUI::CControlUI* owner) {
  static_cast<CDlgProductTypeListCallBack*>(callback)->OnProductTypeSelect(text, owner);
}

void ReportUnit(void* callback, const SkinUI::CUIString& text, SkinUI::CControlUI* owner) {
  static_cast<CDlgProductUnitListCallBack*>(callback)->OnProductUnitSelect(text, owner);
}

const CatalogPickerKind kKinds[] = {
    {L"DlgProductTypeList", L"DlgProductTypeListWnd", L"ProductTypeDlgList.xml", L"list_product_type", &FillTypeBarList,
     &ReportCategory, false},
    {L"DlgProductUnitList", L"DlgProductUnitListWnd", L"ProductUnitDlgList.xml", L"list_product_unit", &LoadUnitList,
     &ReportUnit, true},
};

const CatalogPickerKind& KindRow(CatalogKind kind) { return kKinds[kind == CatalogKind::kUnits ? 1 : 0]; }

}  // namespace

CatalogPicker::CatalogPicker(CatalogKind kind, const PickerContext& context, void* callback, SkinUI::CControlUI* owner,
                             int left, int top, int right, int bottom)
    : PickerPopup(context, owner, left, top, right, bottom), m_kind(kind), m_callback(callback) {}

const wchar_t* CatalogPicker::GetWindowClassName() const { return KindRow(m_kind).windowClass; }

SkinUI::CUIString CatalogPicker::GetSkinFile() { return KindRow(m_kind).layout; }

SkinUI::CBarListUI* CatalogPicker::List() { return FindBarList(m_PaintManager, KindRow(m_kind).list); }

void CatalogPicker::Fill() {
  SkinUI::CBarListUI* list = List();
  if (list != nullptr) list->SetSmallRows(true);
  KindRow(m_kind).fill(m_context, list);
}

void CatalogPicker::Notify(SkinUI::TNotifyUI& msg) {
  const CatalogPickerKind& kind = KindRow(m_kind);
  SkinUI::CBarListUI* list = List();
  if (msg.type == L"itemclick") {
    if (!TakeChoice()) return;
    const SkinUI::CUIString text = EntryText(list, msg.sender);
    if (m_callback != nullptr) kind.report(m_callback, text, m_owner);
    Close(1);
    return;
  }
  if (kind.deletable && msg.type == L"click" && msg.sender != nullptr && msg.sender->GetName() == L"item_del") {
    SkinUI::BarListNode* entry = EntryOf(list, msg.sender);
    // A unit the database kept stays in the list, so the list shows what is stored.
    if (entry != nullptr && DeleteUnitByName(m_context.data, entry->text)) list->RemoveDataListNode(entry);
  }
}

CDlgProductTypeList::CDlgProductTypeList(const PickerContext& context, CDlgProductTypeListCallBack* callback,
                                         SkinUI::CControlUI* owner, int left, int top, int right, int bottom)
    : CatalogPicker(CatalogKind::kCategories, context, callback, owner, left, top, right, bottom) {
  Open(KindRow(CatalogKind::kCategories).title);
}

CDlgProductUnitList::CDlgProductUnitList(const PickerContext& context, CDlgProductUnitListCallBack* callback,
                                         SkinUI::CControlUI* owner, int left, int top, int right, int bottom)
    : CatalogPicker(CatalogKind::kUnits, context, callback, owner, left, top, right, bottom) {
  Open(KindRow(CatalogKind::kUnits).title);
}

}  // namespace shell
