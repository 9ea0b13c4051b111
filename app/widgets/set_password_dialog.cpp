// The set-password dialog's checks.
#include "set_password_dialog.h"

namespace shell {

CDlgSetPwd::CDlgSetPwd(const wchar_t* title, const wchar_t* account, SetPwdResult* result)
    : SkinDialog(L"PwdDlg.xml", title, EnterKey::kPassedOn), m_account(account), m_result(result) {
  *m_result = SetPwdResult();
}

const wchar_t* CDlgSetPwd::GetWindowClassName() const { return L"DlgSetPwdUI"; }

// The layout's own text names the owner; the dialog serves every account.
void CDlgSetPwd::OnLayoutBuilt() { SetControlText(L"name", m_account); }

void CDlgSetPwd::OnOk() {
  const SkinUI::CUIString password = GetControlText(L"pwd");
  const SkinUI::CUIString repeated = GetControlText(L"pwd2");
  const SkinUI::CUIString email = GetControlText(L"email");
  if (password.IsEmpty()) {
    SetControlText(L"tip", L"密码不能为空！");
    return;
  }
  if (password != repeated) {
    SetControlText(L"tip", L"2次密码输入不一致！");
    return;
  }
  m_result->question = GetControlText(L"question");
  m_result->answer = GetControlText(L"answer");
  m_result->password = password;
  m_result->email = email;
  Close(kDialogOk);
}

}  // namespace shell
