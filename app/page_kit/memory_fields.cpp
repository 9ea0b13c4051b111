// PageFields in memory: one attribute map per control. The few rules a control
// applies to what it is given are kept as the window's controls keep them: a date
// field shows its date in one form and refuses text that is no date, an option box
// alone can be selected, an edit alone has a hint.
#include "memory_fields.h"

#include <cwchar>

#include "controls/date_time.h"

namespace pagekit {
namespace {

const wchar_t kTrue[] = L"true";
const wchar_t kFalse[] = L"false";

bool IsTrue(const std::wstring& value) { return value == kTrue; }

}  // namespace

MemoryFields::State MemoryFields::MakeState(Kind kind) {
  State state;
  state.kind = kind;
  state.attributes[L"visible"] = kTrue;
  state.attributes[L"enabled"] = kTrue;
  if (kind == Kind::kOption) state.attributes[L"selected"] = kFalse;
  return state;
}

void MemoryFields::Add(const std::wstring& name, Kind kind) { controls_[name] = MakeState(kind); }

void MemoryFields::Remove(const std::wstring& name) {
  controls_.erase(name);
  lists_.erase(name);
}

void MemoryFields::AddList(const std::wstring& list) {
  if (controls_.count(list) == 0) Add(list);
  lists_[list];
}

void MemoryFields::AddTreeList(const std::wstring& list) {
  AddList(list);
  lists_[list].tree = true;
}

int MemoryFields::AddRow(const std::wstring& list, const std::vector<Control>& cells) {
  AddList(list);
  Row row;
  for (const Control& cell : cells) row.cells[cell.name] = MakeState(cell.kind);
  std::vector<Row>& rows = lists_[list].rows;
  rows.push_back(row);
  return static_cast<int>(rows.size()) - 1;
}

void MemoryFields::DeclareEntryLayout(const std::wstring& layout, const std::vector<Control>& cells) {
  entryLayouts_[layout] = cells;
}

const MemoryFields::State* MemoryFields::Find(const FieldRef& field) const {
  return const_cast<MemoryFields*>(this)->Find(field);
}

MemoryFields::State* MemoryFields::Find(const FieldRef& field) {
  if (field.list.empty()) {
    auto found = controls_.find(field.name);
    return found != controls_.end() ? &found->second : nullptr;
  }
  auto list = lists_.find(field.list);
  if (list == lists_.end() || field.row < 0 || field.row >= static_cast<int>(list->second.rows.size())) return nullptr;
  Row& row = list->second.rows[field.row];
  auto cell = row.cells.find(field.name);
  return cell != row.cells.end() ? &cell->second : nullptr;
}

std::wstring MemoryFields::Attribute(const FieldRef& field, const std::wstring& attribute) const {
  const State* state = Find(field);
  if (state == nullptr) return std::wstring();
  auto found = state->attributes.find(attribute);
  return found != state->attributes.end() ? found->second : std::wstring();
}

bool MemoryFields::Exists(const FieldRef& field) const { return Find(field) != nullptr; }

std::wstring MemoryFields::Text(const FieldRef& field) const { return Attribute(field, L"text"); }

bool MemoryFields::SetText(const FieldRef& field, const std::wstring& text) {
  return SetAttribute(field, L"text", text);
}

bool MemoryFields::Visible(const FieldRef& field) const { return IsTrue(Attribute(field, L"visible")); }

bool MemoryFields::SetVisible(const FieldRef& field, bool visible) {
  return SetAttribute(field, L"visible", visible ? kTrue : kFalse);
}

bool MemoryFields::Enabled(const FieldRef& field) const { return IsTrue(Attribute(field, L"enabled")); }

bool MemoryFields::SetEnabled(const FieldRef& field, bool enabled) {
  return SetAttribute(field, L"enabled", enabled ? kTrue : kFalse);
}

bool MemoryFields::Selected(const FieldRef& field) const { return IsTrue(Attribute(field, L"selected")); }

bool MemoryFields::SetSelected(const FieldRef& field, bool selected) {
  const State* state = Find(field);
  if (state == nullptr || state->kind != Kind::kOption) return false;
  return SetAttribute(field, L"selected", selected ? kTrue : kFalse);
}

bool MemoryFields::Date(const FieldRef& field, SYSTEMTIME* date) const {
  const State* state = Find(field);
  if (state == nullptr || state->kind != Kind::kDate) return false;
  SYSTEMTIME parsed = {};
  if (!SkinUI::ParseDateText(Text(field).c_str(), parsed)) return false;
  if (date != nullptr) *date = parsed;
  return true;
}

bool MemoryFields::SetDate(const FieldRef& field, const SYSTEMTIME& date) {
  State* state = Find(field);
  if (state == nullptr || state->kind != Kind::kDate || !SkinUI::IsValidDate(date)) return false;
  state->attributes[L"text"] = SkinUI::FormatDateText(date).GetData();
  return true;
}

std::wstring MemoryFields::Hint(const FieldRef& field) const { return Attribute(field, L"hinttext"); }

bool MemoryFields::SetHint(const FieldRef& field, const std::wstring& hint) {
  const State* state = Find(field);
  if (state == nullptr || state->kind != Kind::kEdit) return false;
  return SetAttribute(field, L"hinttext", hint);
}

std::wstring MemoryFields::ToolTip(const FieldRef& field) const { return Attribute(field, L"tooltip"); }

bool MemoryFields::SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) {
  State* state = Find(field);
  if (state == nullptr) return false;
  if (attribute == L"selected" && state->kind != Kind::kOption) return true;
  if (attribute == L"hinttext" && state->kind != Kind::kEdit) return true;
  if (attribute == L"text" && state->kind == Kind::kDate && !value.empty()) {
    // A date field shows a date in its own form and keeps its date for any other text.
    SYSTEMTIME date = {};
    if (SkinUI::ParseDateText(value.c_str(), date)) state->attributes[L"text"] = SkinUI::FormatDateText(date).GetData();
    return true;
  }
  state->attributes[attribute] = value;
  return true;
}

RECT MemoryFields::Position(const FieldRef& field) const {
  RECT rc = {0, 0, 0, 0};
  const std::wstring pos = Attribute(field, L"pos");
  if (!pos.empty()) std::swscanf(pos.c_str(), L"%ld,%ld,%ld,%ld", &rc.left, &rc.top, &rc.right, &rc.bottom);
  return rc;
}

bool MemoryFields::SetFocus(const FieldRef& field) {
  if (Find(field) == nullptr) return false;
  focus_ = field;
  return true;
}

bool MemoryFields::Focused(const FieldRef& field) const {
  return Find(field) != nullptr && field.name == focus_.name && field.list == focus_.list && field.row == focus_.row;
}

int MemoryFields::RowCount(const std::wstring& list) const {
  auto found = lists_.find(list);
  return found != lists_.end() ? static_cast<int>(found->second.rows.size()) : 0;
}

bool MemoryFields::ClearRows(const std::wstring& list) {
  auto found = lists_.find(list);
  if (found == lists_.end()) return false;
  found->second.rows.clear();
  found->second.selected = -1;
  return true;
}

int MemoryFields::SelectedRow(const std::wstring& list) const {
  auto found = lists_.find(list);
  return found != lists_.end() ? found->second.selected : -1;
}

bool MemoryFields::SelectRow(const std::wstring& list, int row) {
  auto found = lists_.find(list);
  if (found == lists_.end() || row < -1 || row >= static_cast<int>(found->second.rows.size())) return false;
  found->second.selected = row;
  return true;
}

int MemoryFields::AddEntry(const std::wstring& list, const std::wstring& key, const std::wstring& layout) {
  auto found = lists_.find(list);
  if (found == lists_.end() || !found->second.tree || layout.empty()) return -1;
  auto cells = entryLayouts_.find(layout);
  const int row = AddRow(list, cells != entryLayouts_.end() ? cells->second : std::vector<Control>());
  lists_[list].rows[row].key = key;
  return row;
}

std::wstring MemoryFields::EntryKey(const std::wstring& list, int row) const {
  auto found = lists_.find(list);
  if (found == lists_.end() || row < 0 || row >= static_cast<int>(found->second.rows.size())) return std::wstring();
  return found->second.rows[row].key;
}

}  // namespace pagekit
