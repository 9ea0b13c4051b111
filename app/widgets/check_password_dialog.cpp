// The current-password dialog: the account it is for, and the check of what was
// typed through the data library.
#include "check_password_dialog.h"

#include <windows.h>

#include "account_text.h"
#include "core/control_ui.h"
#include "kxp_data.h"
#include "library_binding.h"
#include "text_conversion.h"

namespace shell {

CDlgCheckPwd::CDlgCheckPwd(const wchar_t* title, const wchar_t* account)
    : SkinDialog(L"CheckPwdDlg.xml", title, EnterKey::kPassedOn), m_account(account) {}

const wchar_t* CDlgCheckPwd::GetWindowClassName() const { return L"DlgCheckPwdUI"; }

void CDlgCheckPwd::OnLayoutBuilt() { SetControlText(L"name", m_account); }

void CDlgCheckPwd::OnOk() {
  char account[kLoginTextSize] = {};
  char password[kLoginTextSize] = {};
  CopyAnsiText(account, sizeof(account), AnsiFromWide(m_account.GetData()));
  CopyAnsiFromWide(password, sizeof(password), GetControlText(L"pwd").GetData());
  const bool matches = g_dataObject != nullptr && g_dataObject->CheckUserPassword(account, password) == 0;
  ::SecureZeroMemory(password, sizeof(password));
  if (matches) {
    Close(kDialogOk);
    return;
  }
  SetControlText(L"tip", L"当前密码不正确");
  SetControlText(L"pwd", L"");
  if (SkinUI::CControlUI* edit = FindControl(L"pwd")) edit->SetFocus();
}

}  // namespace shell
