// CDlgSetPwd: a password for the account it names, typed twice, with an e-mail
// address and the question and answer that recover it. The password may not be
// empty and both entries must agree; the other fields may stay empty. After a
// result of 1 the caller reads g_setPwdResult and stores it.
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
extern SetPwdResult g_setPwdResult;

class CDlgSetPwd : public SkinDialog {
 public:
  // Empties the result. `account` is whose password is being set, shown in
  // "name".
  CDlgSetPwd(const wchar_t* title, const wchar_t* account);
  const wchar_t* GetWindowClassName() const override;

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;

 private:
  SkinUI::CUIString m_account;
};

}  // namespace shell
