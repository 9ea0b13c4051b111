// PageFields over a window's paint manager: the controls as the window holds them.
#pragma once

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
  bool SetAttribute(const FieldRef& field, const std::wstring& attribute, const std::wstring& value) override;
  RECT Position(const FieldRef& field) const override;
  int RowCount(const std::wstring& list) const override;
  bool ClearRows(const std::wstring& list) override;

  // The control a field names, or null.
  SkinUI::CControlUI* Find(const FieldRef& field) const;

 private:
  SkinUI::CPaintManagerUI& pm_;
};

}  // namespace pagekit
