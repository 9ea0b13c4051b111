// PageFields over a window's paint manager. A control is found by its name in the
// window, a cell by its name inside the row of its list; what a control is comes
// from the interfaces it answers, not from its name.
#include "paint_manager_fields.h"

#include "controls/date_time.h"
#include "controls/edit.h"
#include "controls/list.h"
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

}  // namespace

SkinUI::CControlUI* PaintManagerFields::Find(const FieldRef& field) const {
  if (field.list.empty()) return pm_.FindControl(field.name.c_str());
  auto* list = As<SkinUI::CListUI>(pm_.FindControl(field.list.c_str()), L"List");
  if (list == nullptr || field.row < 0 || field.row >= list->GetCount()) return nullptr;
  SkinUI::CControlUI* row = list->GetItemAt(field.row);
  return row != nullptr ? pm_.FindSubControlByName(row, field.name.c_str()) : nullptr;
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

bool PaintManagerFields::SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) {
  return Apply(Find(field), [&](auto& control) { control.SetAttribute(attribute.c_str(), value.c_str()); });
}

RECT PaintManagerFields::Position(const FieldRef& field) const {
  SkinUI::CControlUI* control = Find(field);
  return control != nullptr ? control->GetPos() : RECT{0, 0, 0, 0};
}

int PaintManagerFields::RowCount(const std::wstring& list) const {
  auto* control = As<SkinUI::CListUI>(pm_.FindControl(list.c_str()), L"List");
  return control != nullptr ? control->GetCount() : 0;
}

bool PaintManagerFields::ClearRows(const std::wstring& list) {
  return Apply(As<SkinUI::CListUI>(pm_.FindControl(list.c_str()), L"List"), [](auto& rows) { rows.RemoveAll(); });
}

}  // namespace pagekit
