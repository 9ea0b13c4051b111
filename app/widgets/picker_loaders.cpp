// What fills the popup pickers, and the edits that receive a drop list's choice.
#include "picker_loaders.h"

#include <cwchar>

#include "catalog_store.h"
#include "drop_list_store.h"
#include "list_builders.h"
#include "list_conditions.h"
#include "list_fill.h"
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

void WriteDropChoice(SkinUI::CControlUI* owner, const SkinUI::CUIString& text) {
  if (owner == nullptr || owner->GetManager() == nullptr) return;
  const SkinUI::CUIString edit = EditOfDropButton(owner->GetName());
  if (edit.IsEmpty()) return;
  if (SkinUI::CControlUI* target = owner->GetManager()->FindControl(edit.GetData())) target->SetText(text);
}

void LoadUnitList(const PickerContext& context, SkinUI::CBarListUI* list) {
  if (list == nullptr) return;
  if (context.catalog != nullptr && context.data != nullptr)
    context.catalog->ReloadUnits(pagekit::CatalogStore(*context.data));
  // Loading again shows each unit once.
  list->RemoveAll();
  if (context.catalog == nullptr) return;
  for (const std::wstring& unit : context.catalog->UnitNames()) {
    if (list->FindBarListNode(unit.c_str()) == nullptr) AddEntry(list, unit.c_str(), nullptr, true);
  }
}

void FillTypeBarList(const PickerContext& context, SkinUI::CBarListUI* list) {
  if (list == nullptr) return;
  list->RemoveAll();
  if (context.catalog == nullptr) return;
  // The cache is ordered by level, so one walk adds every parent level before the
  // levels below it.
  for (const pagekit::CategoryEntry& type : context.catalog->Categories()) {
    if (list->FindBarListNode(type.name.c_str()) != nullptr) continue;
    AddEntry(list, type.name.c_str(), list->FindBarListNode(type.parent.c_str()), false);
  }
}

bool DeleteUnitByName(KXPDatavane* data, const SkinUI::CUIString& name) {
  if (data == nullptr) return false;
  return pagekit::CatalogStore(*data).DeleteUnit(name.GetData()) == pagekit::StoreResult::kDone;
}

namespace {

// The picker's product list: category and name, a header (with check boxes when
// several products may be chosen), then the rows that meet the condition.
void FillProductList(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                     const std::string& condition, int style) {
  list->RemoveAll();
  list->SetScrollPos(SIZE{0, 0});
  std::vector<DataField> fields = {MakeDataField("商品类别", ""), MakeDataField("商品名称", "")};
  pagekit::BuildListHeader(manager, data, list, L"J4_V_Product_Inventory", &fields, style, L"");
  if (data == nullptr) return;
  fields.push_back(pagekit::RawCondition(condition));
  pagekit::ListFillContext context;
  context.manager = &manager;
  context.list = list;
  context.data = data;
  data->QueryRecordsCallback("J4_V_Product_Inventory", pagekit::AsRowContext(&context), &fields, &pagekit::OnListRow);
}

}  // namespace

void FillListFromQuery(const std::vector<DataField>& fields, SkinUI::CListUI* list, const std::string& table,
                       KXPDatavane* data) {
  if (list == nullptr || list->GetManager() == nullptr || fields.empty() || table.empty()) return;
  list->RemoveAll();
  if (data == nullptr) return;
  std::vector<DataField> record = fields;
  pagekit::ListFillContext context;
  context.manager = list->GetManager();
  context.list = list;
  context.data = data;
  data->QueryRecordsCallback(table.c_str(), pagekit::AsRowContext(&context), &record, &pagekit::OnListRowChecked);
}

void SearchProductList(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                       const SkinUI::CUIString& text) {
  if (list == nullptr) return;
  FillProductList(manager, data, list, pagekit::NameOrInitialsCondition("商品名称", AnsiFromWide(text.GetData())),
                  pagekit::kListCheckBoxes);
}

void LoadProductList(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list, bool multiSelect) {
  if (list == nullptr) return;
  FillProductList(manager, data, list, " 1=1 order by 商品类别 desc", multiSelect ? pagekit::kListCheckBoxes : 0);
}

void FillDropList(KXPDatavane* data, SkinUI::CControlUI* owner, SkinUI::CBarListUI* list) {
  if (owner == nullptr || list == nullptr) return;
  list->RemoveAll();
  if (data == nullptr) return;
  pagekit::DropListStore store(*data);
  for (const std::wstring& name : store.Entries(pagekit::DropListSourceOf(owner->GetName().GetData())))
    AddEntry(list, name.c_str(), nullptr, true);
}

bool DeleteDropListItem(KXPDatavane* data, SkinUI::CControlUI* owner, const SkinUI::CUIString& text) {
  if (owner == nullptr || data == nullptr) return false;
  pagekit::DropListStore store(*data);
  return store.Delete(pagekit::DropListSourceOf(owner->GetName().GetData()), text.GetData()) ==
         pagekit::StoreResult::kDone;
}

}  // namespace shell
