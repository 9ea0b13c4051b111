// The set-password dialog's checks.
#include "set_password_dialog.h"

namespace shell {

SetPwdResult g_setPwdResult;

CDlgSetPwd::CDlgSetPwd(const wchar_t* title, const wchar_t* account)
    : SkinDialog(L"PwdDlg.xml", title, EnterKey::kPassedOn), m_account(account) {
  g_setPwdResult = SetPwdResult();
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
  g_setPwdResult.question = GetControlText(L"question");
  g_setPwdResult.answer = GetControlText(L"answer");
  g_setPwdResult.password = password;
  g_setPwdResult.email = email;
  Close(kDialogOk);
}

}  // namespace shell
