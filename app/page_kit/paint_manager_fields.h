// PageFields over a window's paint manager: the controls as the window holds them.
#pragma once

#include "controls/list.h"
#include "core/paint_manager.h"
#include "page_fields.h"

namespace pagekit {

class PaintManagerFields final : public PageFields {
 public:
  explicit PaintManagerFields(SkinUI::CPaintManagerUI& pm) : pm_(pm) {}

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

  // The control a field names, or null.
  SkinUI::CControlUI* Find(const FieldRef& field) const;
  // The index of a row among the rows of the list of that name, -1 when it is none of them.
  int RowIndex(const std::wstring& list, SkinUI::CControlUI* row) const;

 private:
  // The list of that name, plain or tree list, or null.
  SkinUI::CListUI* FindList(const std::wstring& list) const;

  SkinUI::CPaintManagerUI& pm_;
};

// The window control a field names when the fields are a window's, else null (a
// page's view reaches the controls the fields do not model this way).
SkinUI::CControlUI* WindowControl(PageFields& fields, const FieldRef& field);
// The plain list of that name when the fields are a window's, else null.
SkinUI::CListUI* WindowList(PageFields& fields, const std::wstring& name);

}  // namespace pagekit
