// PageFields over a window's paint manager. A control is found by its name in the
// window, a cell by its name inside the row of its list; what a control is comes
// from the interfaces it answers, not from its name.
#include "paint_manager_fields.h"

#include "controls/date_time.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/node_list.h"
#include "controls/option.h"
#include "core/container_ui.h"

namespace pagekit {
namespace {

template <class T>
T* As(SkinUI::CControlUI* control, const wchar_t* interfaceName) {
  return control != nullptr ? static_cast<T*>(control->GetInterface(interfaceName)) : nullptr;
}

// A write: false when the control is missing or not of the kind the write needs.
template <class T, class Change>
bool Apply(T* control, Change change) {
  if (control == nullptr) return false;
  change(*control);
  return true;
}

// A tree list does not answer "List" (it is not taken for a plain list), but its
// rows are a list's rows all the same.
SkinUI::CNodeListUI* AsNodeList(SkinUI::CControlUI* control) {
  auto* records = As<SkinUI::IListRowRecordsUI>(control, L"IListRowRecords");
  return records != nullptr ? static_cast<SkinUI::CNodeListUI*>(records) : nullptr;
}

}  // namespace

SkinUI::CListUI* PaintManagerFields::FindList(const std::wstring& list) const {
  SkinUI::CControlUI* control = pm_.FindControl(list.c_str());
  if (auto* plain = As<SkinUI::CListUI>(control, L"List")) return plain;
  return AsNodeList(control);
}

SkinUI::CControlUI* PaintManagerFields::Find(const FieldRef& field) const {
  if (field.list.empty()) return pm_.FindControl(field.name.c_str());
  SkinUI::CListUI* list = FindList(field.list);
  if (list == nullptr || field.row < 0 || field.row >= list->GetCount()) return nullptr;
  SkinUI::CControlUI* row = list->GetItemAt(field.row);
  return row != nullptr ? pm_.FindSubControlByName(row, field.name.c_str()) : nullptr;
}

int PaintManagerFields::RowIndex(const std::wstring& list, SkinUI::CControlUI* row) const {
  SkinUI::CListUI* control = FindList(list);
  return control != nullptr && row != nullptr ? control->GetItemIndex(row) : -1;
}

bool PaintManagerFields::Exists(const FieldRef& field) const { return Find(field) != nullptr; }

std::wstring PaintManagerFields::Text(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr ? std::wstring(control->GetText().GetData()) : std::wstring();
}

bool PaintManagerFields::SetText(const FieldRef& field, const std::wstring& text) {
  return Apply(Find(field), [&](auto& control) { control.SetText(text.c_str()); });
}

bool PaintManagerFields::Visible(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr && control->IsVisible();
}

bool PaintManagerFields::SetVisible(const FieldRef& field, bool visible) {
  return Apply(Find(field), [&](auto& control) { control.SetVisible(visible); });
}

bool PaintManagerFields::Enabled(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr && control->IsEnabled();
}

bool PaintManagerFields::SetEnabled(const FieldRef& field, bool enabled) {
  return Apply(Find(field), [&](auto& control) { control.SetEnabled(enabled); });
}

bool PaintManagerFields::Selected(const FieldRef& field) const {
  auto* box = As<SkinUI::COptionUI>(Find(field), L"Option");
  return box != nullptr && box->IsSelected();
}

bool PaintManagerFields::SetSelected(const FieldRef& field, bool selected) {
  return Apply(As<SkinUI::COptionUI>(Find(field), L"Option"), [&](auto& box) { box.Selected(selected); });
}

bool PaintManagerFields::Date(const FieldRef& field, SYSTEMTIME* date) const {
  auto* dateField = As<SkinUI::CDateTimeUI>(Find(field), L"DateTime");
  // A cleared field keeps its last time but shows none: it holds no date.
  if (dateField == nullptr || dateField->GetText().IsEmpty()) return false;
  if (date != nullptr) *date = dateField->GetTime();
  return true;
}

bool PaintManagerFields::SetDate(const FieldRef& field, const SYSTEMTIME& date) {
  if (!SkinUI::IsValidDate(date)) return false;
  SYSTEMTIME copy = date;
  return Apply(As<SkinUI::CDateTimeUI>(Find(field), L"DateTime"), [&](auto& dateField) { dateField.SetTime(&copy); });
}

std::wstring PaintManagerFields::Hint(const FieldRef& field) const {
  auto* edit = As<SkinUI::CEditUI>(Find(field), L"Edit");
  return edit != nullptr ? std::wstring(edit->GetHintText().GetData()) : std::wstring();
}

bool PaintManagerFields::SetHint(const FieldRef& field, const std::wstring& hint) {
  return Apply(As<SkinUI::CEditUI>(Find(field), L"Edit"), [&](auto& edit) { edit.SetHintText(hint.c_str()); });
}

std::wstring PaintManagerFields::ToolTip(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr ? std::wstring(control->GetToolTip().GetData()) : std::wstring();
}

bool PaintManagerFields::SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) {
  return Apply(Find(field), [&](auto& control) { control.SetAttribute(attribute.c_str(), value.c_str()); });
}

RECT PaintManagerFields::Position(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr ? control->GetPos() : RECT{0, 0, 0, 0};
}

bool PaintManagerFields::SetFocus(const FieldRef& field) {
  return Apply(Find(field), [](auto& control) { control.SetFocus(); });
}

bool PaintManagerFields::Focused(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr && pm_.GetFocus() == control;
}

int PaintManagerFields::RowCount(const std::wstring& list) const {
  SkinUI::CListUI* control = FindList(list);
  return control != nullptr ? control->GetCount() : 0;
}

bool PaintManagerFields::ClearRows(const std::wstring& list) {
  return Apply(FindList(list), [](auto& rows) { rows.RemoveAll(); });
}

int PaintManagerFields::SelectedRow(const std::wstring& list) const {
  SkinUI::CListUI* control = FindList(list);
  return control != nullptr ? control->GetCurSel() : -1;
}

bool PaintManagerFields::SelectRow(const std::wstring& list, int row) {
  SkinUI::CListUI* control = FindList(list);
  if (control == nullptr || row < -1 || row >= control->GetCount()) return false;
  control->SelectItem(row);
  return true;
}

int PaintManagerFields::AddEntry(const std::wstring& list, const std::wstring& key, const std::wstring& layout) {
  SkinUI::CNodeListUI* tree = AsNodeList(pm_.FindControl(list.c_str()));
  if (tree == nullptr) return -1;
  SkinUI::BarListItemInfo info;
  info.text = key.c_str();
  info.key = key.c_str();
  SkinUI::BarListNode* node = tree->AddBarListNode(info, nullptr, layout.c_str());
  return node != nullptr && node->row != nullptr ? tree->GetItemIndex(node->row) : -1;
}

std::wstring PaintManagerFields::EntryKey(const std::wstring& list, int row) const {
  SkinUI::CNodeListUI* tree = AsNodeList(pm_.FindControl(list.c_str()));
  if (tree == nullptr || row < 0 || row >= tree->GetCount()) return std::wstring();
  SkinUI::BarListNode* node = tree->GetNodeOf(tree->GetItemAt(row));
  return node != nullptr ? std::wstring(node->key.GetData()) : std::wstring();
}

SkinUI::CControlUI* WindowControl(PageFields& fields, const FieldRef& field) {
  auto* window = dynamic_cast<PaintManagerFields*>(&fields);
  return window != nullptr ? window->Find(field) : nullptr;
}

SkinUI::CListUI* WindowList(PageFields& fields, const std::wstring& name) {
  SkinUI::CControlUI* control = WindowControl(fields, name);
  return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
}

}  // namespace pagekit
