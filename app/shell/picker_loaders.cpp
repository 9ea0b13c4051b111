// What fills the popup pickers on the main window's side, and the edits that
// receive a deletable list's choice.
#include "picker_loaders.h"

#include <cwchar>

#include "drop_list_store.h"
#include "library_binding.h"
#include "list_builders.h"
#include "list_conditions.h"
#include "list_fill.h"
#include "main_frame.h"
#include "text_conversion.h"

namespace shell {
namespace {

const wchar_t kEntryLayout[] = L"barlist_item.xml";

SkinUI::BarListNode* AddEntry(SkinUI::CBarListUI* list, const SkinUI::CUIString& text, SkinUI::BarListNode* parent,
                              bool deletable) {
  SkinUI::BarListItemInfo info;
  info.text = text;
  info.key = text;
  info.hasDelete = deletable;
  return list->AddBarListNode(info, parent, kEntryLayout);
}

}  // namespace

SkinUI::CUIString EditOfDropButton(const SkinUI::CUIString& owner) {
  const int length = owner.GetLength();
  if (length <= 5 || _wcsicmp(owner.GetData() + length - 5, L"_drop") != 0) return SkinUI::CUIString();
  return owner.Left(length - 5);
}

void OnKeyRow(intptr_t context, std::vector<DataField>* row) {
  MainFrame* frame = reinterpret_cast<MainFrame*>(context);
  if (frame == nullptr || row == nullptr || row->empty()) return;
  frame->AddUnitName(row->front().value);
}

void LoadUnitList(MainFrame* frame, SkinUI::CBarListUI* list) {
  if (frame == nullptr || list == nullptr) return;
  frame->ClearUnitNames();
  if (g_dataObject != nullptr) {
    std::vector<DataField> columns = {MakeDataField("计量单位", "")};
    g_dataObject->QueryRecordsCallback("J4_Product_Unit", reinterpret_cast<intptr_t>(frame), &columns, &OnKeyRow);
  }
  // Loading again shows each unit once.
  list->RemoveAll();
  for (const std::string& unit : frame->GetUnitNames()) AddEntry(list, WideFromAnsi(unit).c_str(), nullptr, true);
}

void FillTypeBarList(MainFrame* frame, SkinUI::CBarListUI* list) {
  if (list == nullptr) return;
  list->RemoveAll();
  if (frame == nullptr) return;
  // The map is ordered by level, so one walk from level 0 on adds every parent
  // level before the levels below it.
  const std::multimap<int, ProductTypeNode>& types = frame->GetProductTypes();
  for (auto it = types.lower_bound(0); it != types.end(); ++it) {
    const ProductTypeNode& type = it->second;
    if (list->FindBarListNode(type.name.GetData()) != nullptr) continue;
    AddEntry(list, type.name, list->FindBarListNode(type.parent.GetData()), false);
  }
}

bool DeleteUnitByName(const SkinUI::CUIString& name) {
  if (g_dataObject == nullptr) return false;
  return g_dataObject->DeleteProductUnit(AnsiFromWide(name.GetData()).c_str()) == 0;
}

void MainFrame::WriteDropChoice(SkinUI::CControlUI* owner, const SkinUI::CUIString& text) {
  if (owner == nullptr) return;
  const SkinUI::CUIString edit = EditOfDropButton(owner->GetName());
  if (edit.IsEmpty()) return;
  if (SkinUI::CControlUI* target = m_PaintManager.FindControl(edit.GetData())) target->SetText(text);
}

namespace {

SkinUI::CPaintManagerUI* ManagerOf(SkinUI::CListUI* list, SkinUI::CPaintManagerUI* fallback) {
  return list->GetManager() != nullptr ? list->GetManager() : fallback;
}

// The picker's product list: category and name, a header (with check boxes when
// several products may be chosen), then the rows that meet the condition.
void FillProductList(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, const std::string& condition, int style) {
  list->RemoveAll();
  list->SetScrollPos(SIZE{0, 0});
  std::vector<DataField> fields = {MakeDataField("商品类别", ""), MakeDataField("商品名称", "")};
  pagekit::BuildListHeader(manager, g_dataObject, list, L"J4_V_Product_Inventory", &fields, style, L"");
  if (g_dataObject == nullptr) return;
  fields.push_back(pagekit::RawCondition(condition));
  pagekit::ListFillContext context;
  context.manager = &manager;
  context.list = list;
  context.data = g_dataObject;
  g_dataObject->QueryRecordsCallback("J4_V_Product_Inventory", pagekit::AsRowContext(&context), &fields,
                                     &pagekit::OnListRow);
}

}  // namespace

void FillListFromQuery(const std::vector<DataField>& fields, SkinUI::CListUI* list, const std::string& table,
                       MainFrame* frame) {
  if (list == nullptr || fields.empty() || table.empty() || frame == nullptr) return;
  list->RemoveAll();
  if (g_dataObject == nullptr) return;
  std::vector<DataField> record = fields;
  pagekit::ListFillContext context;
  context.manager = ManagerOf(list, frame->GetPaintManager());
  context.list = list;
  context.data = g_dataObject;
  g_dataObject->QueryRecordsCallback(table.c_str(), pagekit::AsRowContext(&context), &record,
                                     &pagekit::OnListRowChecked);
}

void SearchProductList(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, const SkinUI::CUIString& text) {
  if (list == nullptr) return;
  FillProductList(manager, list, pagekit::NameOrInitialsCondition("商品名称", AnsiFromWide(text.GetData())),
                  pagekit::kListCheckBoxes);
}

void LoadProductList(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list, bool multiSelect) {
  if (list == nullptr) return;
  FillProductList(manager, list, " 1=1 order by 商品类别 desc", multiSelect ? pagekit::kListCheckBoxes : 0);
}

void MainFrame::FillDropList(SkinUI::CControlUI* owner, SkinUI::CBarListUI* list) {
  if (owner == nullptr || list == nullptr) return;
  list->RemoveAll();
  if (g_dataObject == nullptr) return;
  pagekit::DropListStore store(*g_dataObject);
  for (const std::wstring& name : store.Entries(pagekit::DropListSourceOf(owner->GetName().GetData())))
    AddEntry(list, name.c_str(), nullptr, true);
}

bool MainFrame::DeleteDropListItem(SkinUI::CControlUI* owner, const SkinUI::CUIString& text) {
  if (owner == nullptr || g_dataObject == nullptr) return false;
  pagekit::DropListStore store(*g_dataObject);
  return store.Delete(pagekit::DropListSourceOf(owner->GetName().GetData()), text.GetData()) ==
         pagekit::StoreResult::kDone;
}

}  // namespace shell
