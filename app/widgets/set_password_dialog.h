// CDlgSetPwd: a password for the account it names, typed twice, with an e-mail
// address and the question and answer that recover it. The password may not be
// empty and both entries must agree; the other fields may stay empty. After a
// result of 1 the caller's result holds what was typed, for the caller to store.
#pragma once

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct SetPwdResult {
  SkinUI::CUIString password;
  SkinUI::CUIString email;
  SkinUI::CUIString question;
  SkinUI::CUIString answer;
};

class CDlgSetPwd : public SkinDialog {
 public:
  // Empties `result`, the caller's, which must outlive the dialog's run. `account`
  // is whose password is being set, shown in "name".
  CDlgSetPwd(const wchar_t* title, const wchar_t* account, SetPwdResult* result);
  const wchar_t* GetWindowClassName() const override;

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;

 private:
  SkinUI::CUIString m_account;
  SetPwdResult* m_result;
};

}  // namespace shell
