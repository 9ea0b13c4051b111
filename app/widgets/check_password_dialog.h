// CDlgCheckPwd: the account's current password, asked before it may be replaced
// when the account has no recovery question to ask instead (a password set on
// the settings page stores none). The password is checked by the data library;
// a wrong one keeps the dialog open with its tip.
#pragma once

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

class CDlgCheckPwd : public SkinDialog {
 public:
  CDlgCheckPwd(const wchar_t* title, const wchar_t* account);
  const wchar_t* GetWindowClassName() const override;

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;

 private:
  SkinUI::CUIString m_account;
};

}  // namespace shell
