// PageFields kept in memory, for a page's logic tested without a window. A test
// declares the controls the page's layout has (and of what kind), the lists with
// their rows and cells, runs the page, and reads back what it wrote. Each control
// is its attributes as the layout writes them: the typed operations read and write
// "text", "visible", "enabled", "selected", "hinttext" and "pos", so that an
// attribute set by name reads back through them as it does on a window.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "page_fields.h"

namespace pagekit {

class MemoryFields final : public PageFields {
 public:
  // What a control answers to: every control has text, visibility, enabled state,
  // attributes and a position; an edit has a hint, an option box a selection, a
  // date field a date.
  enum class Kind { kPlain, kEdit, kOption, kDate };

  struct Control {
    std::wstring name;
    Kind kind = Kind::kPlain;
  };

  // Adds a visible, enabled, empty control (replacing one of the same name).
  void Add(const std::wstring& name, Kind kind = Kind::kPlain);
  void Remove(const std::wstring& name);
  // Adds an empty list; a list is also a control of its name.
  void AddList(const std::wstring& list);
  // Adds an empty tree list (a bar list), which also takes entries.
  void AddTreeList(const std::wstring& list);
  // Appends a row with these cells to the list (made when missing); the row's index.
  int AddRow(const std::wstring& list, const std::vector<Control>& cells);
  // The cells of the rows that AddEntry builds from that item layout, as the
  // layout file has them; a layout never declared builds rows without cells.
  void DeclareEntryLayout(const std::wstring& layout, const std::vector<Control>& cells);
  // Whatever was last set for that attribute, empty when never.
  std::wstring Attribute(const FieldRef& field, const std::wstring& attribute) const;

  bool Exists(const FieldRef& field) const override;
  std::wstring Text(const FieldRef& field) const override;
  bool SetText(const FieldRef& field, const std::wstring& text) override;
  bool Visible(const FieldRef& field) const override;
  bool SetVisible(const FieldRef& field, bool visible) override;
  bool Enabled(const FieldRef& field) const override;
  bool SetEnabled(const FieldRef& field, bool enabled) override;
  bool Selected(const FieldRef& field) const override;
  bool SetSelected(const FieldRef& field, bool selected) override;
  bool Date(const FieldRef& field, SYSTEMTIME* date) const override;
  bool SetDate(const FieldRef& field, const SYSTEMTIME& date) override;
  std::wstring Hint(const FieldRef& field) const override;
  bool SetHint(const FieldRef& field, const std::wstring& hint) override;
  std::wstring ToolTip(const FieldRef& field) const override;
  bool SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) override;
  RECT Position(const FieldRef& field) const override;
  bool SetFocus(const FieldRef& field) override;
  bool Focused(const FieldRef& field) const override;
  int RowCount(const std::wstring& list) const override;
  bool ClearRows(const std::wstring& list) override;
  int SelectedRow(const std::wstring& list) const override;
  bool SelectRow(const std::wstring& list, int row) override;
  int AddEntry(const std::wstring& list, const std::wstring& key, const std::wstring& layout) override;
  std::wstring EntryKey(const std::wstring& list, int row) const override;

 private:
  struct State {
    Kind kind = Kind::kPlain;
    std::map<std::wstring, std::wstring> attributes;
  };
  struct Row {
    std::map<std::wstring, State> cells;
    std::wstring key;  // an entry's key; empty for a row of AddRow
  };
  struct List {
    std::vector<Row> rows;
    int selected = -1;
    bool tree = false;
  };

  const State* Find(const FieldRef& field) const;
  State* Find(const FieldRef& field);
  static State MakeState(Kind kind);

  std::map<std::wstring, State> controls_;
  std::map<std::wstring, List> lists_;
  std::map<std::wstring, std::vector<Control>> entryLayouts_;
  FieldRef focus_{L""};
};

}  // namespace pagekit
