// PageFields: what a page reads and writes of its window, by control name: text,
// visibility, enabled state, the selection of option and check boxes, the date of
// a date field, an edit's hint text, any layout attribute, a control's position,
// and the rows of a list with their cells by name. A page's logic goes through this
// face only, so that it runs against the window (PaintManagerFields) and, in its
// tests, against fields kept in memory (MemoryFields) alike. Tree lists (the side
// lists of sections, the account list) also take entries built from an item layout
// and known by their keys, and every list answers and takes its selected row.
//
// Reading a field that is not there gives the empty value (empty text, false, an
// empty rectangle); writing one changes nothing and answers false, as the pages
// skip a step whose control the layout lacks.
#pragma once

#include <windows.h>

#include <string>

namespace pagekit {

// A control of the window by its name, or a cell of a list row: the control of
// that name inside row `row` (0 the first) of the list named `list`.
struct FieldRef {
  FieldRef(const wchar_t* control) : name(control != nullptr ? control : L"") {}  // NOLINT: a name is a field
  FieldRef(std::wstring control) : name(std::move(control)) {}                    // NOLINT
  FieldRef(std::wstring listName, int rowIndex, std::wstring cell)
      : name(std::move(cell)), list(std::move(listName)), row(rowIndex) {}

  std::wstring name;
  std::wstring list;  // empty: a control of the window
  int row = -1;
};

// The cell of a list row, for instance Cell(L"listxsd", 0, L"item_数量").
inline FieldRef Cell(const std::wstring& list, int row, const std::wstring& cell) { return FieldRef(list, row, cell); }

class PageFields {
 public:
  virtual bool Exists(const FieldRef& field) const = 0;

  virtual std::wstring Text(const FieldRef& field) const = 0;
  virtual bool SetText(const FieldRef& field, const std::wstring& text) = 0;

  virtual bool Visible(const FieldRef& field) const = 0;
  virtual bool SetVisible(const FieldRef& field, bool visible) = 0;

  virtual bool Enabled(const FieldRef& field) const = 0;
  virtual bool SetEnabled(const FieldRef& field, bool enabled) = 0;

  // Option and check boxes only: any other control is never selected and refuses.
  virtual bool Selected(const FieldRef& field) const = 0;
  virtual bool SetSelected(const FieldRef& field, bool selected) = 0;

  // Date fields only. False for an empty date field; a date that does not exist
  // is refused and the field keeps its date.
  virtual bool Date(const FieldRef& field, SYSTEMTIME* date) const = 0;
  virtual bool SetDate(const FieldRef& field, const SYSTEMTIME& date) = 0;

  // Edits only: the grey text an empty edit shows.
  virtual std::wstring Hint(const FieldRef& field) const = 0;
  virtual bool SetHint(const FieldRef& field, const std::wstring& hint) = 0;

  // The tip a control shows under the mouse.
  virtual std::wstring ToolTip(const FieldRef& field) const = 0;

  // Any attribute as the layout files write it ("pos", "bkimage", "visible" ...);
  // the typed operations above read back what it changed.
  virtual bool SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) = 0;

  // Where the control sits in the window (client coordinates).
  virtual RECT Position(const FieldRef& field) const = 0;

  // The keyboard focus: put on a control, and whether a control holds it.
  virtual bool SetFocus(const FieldRef& field) = 0;
  virtual bool Focused(const FieldRef& field) const = 0;

  // The rows of a list: how many, and taking them all out.
  virtual int RowCount(const std::wstring& list) const = 0;
  virtual bool ClearRows(const std::wstring& list) = 0;
  // The selected row, -1 for none; selecting -1 leaves none selected. A row that
  // is not there is refused.
  virtual int SelectedRow(const std::wstring& list) const = 0;
  virtual bool SelectRow(const std::wstring& list, int row) = 0;

  // Tree lists only: an entry after the others, its row built from `layout` (an
  // item layout's file name, or its XML text) and showing `key` as its text. The
  // row's index, or -1 when the list is no tree list or the layout built nothing.
  virtual int AddEntry(const std::wstring& list, const std::wstring& key, const std::wstring& layout) = 0;
  // The key of the entry at that row; empty for a row of no entry.
  virtual std::wstring EntryKey(const std::wstring& list, int row) const = 0;

 protected:
  ~PageFields() = default;
};

}  // namespace pagekit
