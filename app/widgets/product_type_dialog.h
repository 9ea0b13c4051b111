// CDlgProductType: adding or renaming a product category: its parent, picked from
// the category picker under the parent button, and its name, which may not be
// empty. After a result of 1 the caller's result holds them.
#pragma once

#include "core/ui_string.h"
#include "picker_callbacks.h"
#include "picker_context.h"
#include "skin_dialog.h"

namespace shell {

struct ProductTypeResult {
  SkinUI::CUIString parent;  // also what the parent button shows at the start
  SkinUI::CUIString name;    // also what the name field shows at the start
};

class CDlgProductType : public SkinDialog, public CDlgProductTypeListCallBack {
 public:
  // `result` is the caller's and must outlive the dialog's run; both its fields
  // are set to the given parent and name.
  CDlgProductType(const PickerContext& context, const wchar_t* parent, const wchar_t* title, const wchar_t* name,
                  ProductTypeResult* result);
  const wchar_t* GetWindowClassName() const override;

  void OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override;

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;
  void OnDialogNotify(SkinUI::TNotifyUI& msg) override;

 private:
  void OpenTypeList(SkinUI::CControlUI* button);

  PickerContext m_context;
  ProductTypeResult* m_result;
};

}  // namespace shell
