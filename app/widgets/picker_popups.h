// The popup pickers that open under an input field: a plain choice list fed by a
// table query or by given rows, a list whose rows carry a delete button, the
// product list with its search box and multiple choice, the category tree and the
// unit list. Each is allocated with new by the caller, which never deletes it; the
// choice reaches the caller's callback before the picker closes. A picker reads
// the database and the catalog through the PickerContext its opener gives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "kxp_data.h"
#include "picker_callbacks.h"
#include "picker_popup.h"

namespace shell {

// The choices of a table's column (or of rows given by the caller); a click on a
// row reports the text of its cell named after the first record's field.
class CDlgDropList : public PickerPopup {
 public:
  CDlgDropList(const PickerContext& context, CDlgDropListCallBack* callback, const char* table,
               const std::vector<DataField>& records, SkinUI::CControlUI* owner, BYTE rowsGiven, int left, int top,
               int right, int bottom);

  const wchar_t* GetWindowClassName() const override;
  SkinUI::CUIString GetSkinFile() override;
  void Notify(SkinUI::TNotifyUI& msg) override;

 protected:
  void Fill() override;

 private:
  CDlgDropListCallBack* m_callback;
  std::vector<DataField> m_records;
  std::string m_table;
  BYTE m_rowsGiven;
  SkinUI::CUIString m_itemName;
};

// Salesmen or business units, each deletable; the owner decides the content.
class CDlgDropDelList : public PickerPopup {
 public:
  CDlgDropDelList(const PickerContext& context, SkinUI::CControlUI* owner, int left, int top, int right, int bottom);

  const wchar_t* GetWindowClassName() const override;
  SkinUI::CUIString GetSkinFile() override;
  void Notify(SkinUI::TNotifyUI& msg) override;

 protected:
  void Fill() override;
};

// Every product, searchable by name or the initials of its name; in multiple-choice
// mode the ticked rows go back together through "pdl_ok".
class CDlgProductList : public PickerPopup {
 public:
  CDlgProductList(const PickerContext& context, CDlgProductListCallBack* callback, SkinUI::CControlUI* owner,
                  void* extra, BYTE multipleChoice, int left, int top, int right, int bottom);

  const wchar_t* GetWindowClassName() const override;
  SkinUI::CUIString GetSkinFile() override;
  void Notify(SkinUI::TNotifyUI& msg) override;

 protected:
  void Fill() override;
  // Typing in the search box moves the focus into its native edit window.
  bool KeepsOpenFor(HWND focus) override;

 private:
  void ReportTickedRows();

  CDlgProductListCallBack* m_callback;
  void* m_extra;
  BYTE m_multipleChoice;
};

// The two catalog pickers (the category tree, the units of measure) are one
// picker made from a row of its kind: its window, layout and list, how it fills
// the list, whether an entry carries a delete button, and which callback hears
// of the choice. A unit's delete button takes the unit out of the database and
// the picker stays open.
enum class CatalogKind { kCategories, kUnits };

class CatalogPicker : public PickerPopup {
 public:
  const wchar_t* GetWindowClassName() const override;
  SkinUI::CUIString GetSkinFile() override;
  void Notify(SkinUI::TNotifyUI& msg) override;

 protected:
  // `callback` is a CDlgProductTypeListCallBack for the categories and a
  // CDlgProductUnitListCallBack for the units.
  CatalogPicker(CatalogKind kind, const PickerContext& context, void* callback, SkinUI::CControlUI* owner, int left,
                int top, int right, int bottom);
  void Fill() override;

 private:
  SkinUI::CBarListUI* List();

  CatalogKind m_kind;
  void* m_callback;
};

// The product category tree.
class CDlgProductTypeList : public CatalogPicker {
 public:
  CDlgProductTypeList(const PickerContext& context, CDlgProductTypeListCallBack* callback, SkinUI::CControlUI* owner,
                      int left, int top, int right, int bottom);
};

// The units of measure.
class CDlgProductUnitList : public CatalogPicker {
 public:
  CDlgProductUnitList(const PickerContext& context, CDlgProductUnitListCallBack* callback, SkinUI::CControlUI* owner,
                      int left, int top, int right, int bottom);
};

}  // namespace shell
