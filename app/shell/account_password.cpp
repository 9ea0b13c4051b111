// The password dialogs' flow for one account (see account_password.h).
#include "account_password.h"

#include "check_password_dialog.h"
#include "get_password_dialog.h"
#include "library_binding.h"
#include "set_password_dialog.h"
#include "text_conversion.h"
#include "unit_of_work.h"

namespace shell {

PasswordChange SetAccountPassword(HWND parent, const std::string& account) {
  SetPwdResult typed;
  if (RunSkinDialog(new CDlgSetPwd(L"设置用户密码", WideFromAnsi(account).c_str(), &typed), parent) != kDialogOk)
    return PasswordChange::kCancelled;
  if (g_dataObject == nullptr) return PasswordChange::kNotStored;
  const std::string password = AnsiFromWide(typed.password.GetData());
  const std::string question = AnsiFromWide(typed.question.GetData());
  const std::string answer = AnsiFromWide(typed.answer.GetData());
  const std::string email = AnsiFromWide(typed.email.GetData());
  // Password and e-mail together or neither: a refused e-mail must not leave the
  // new password in force behind "not stored".
  pagekit::UnitOfWork unit(*g_dataObject);
  const bool stored =
      unit.IsOpen() &&
      g_dataObject->SetUserPassword(account.c_str(), password.c_str(), question.c_str(), answer.c_str()) == 0 &&
      g_dataObject->SetUserEmail(account.c_str(), email.c_str()) == 0 && unit.Commit();
  return stored ? PasswordChange::kStored : PasswordChange::kNotStored;
}

bool HasRecoveryAnswer(const std::string& account) {
  std::string answer;
  return ReadAccountRecovery(account, nullptr, &answer) && !answer.empty();
}

bool AnswerRecoveryQuestion(HWND parent, const std::string& account, const wchar_t* title) {
  std::string question;
  ReadAccountRecovery(account, &question, nullptr);
  GetPwdResult given;
  given.question = WideFromAnsi(question).c_str();
  return RunSkinDialog(new CDlgGetPwd(title, WideFromAnsi(account).c_str(), &given), parent) == kDialogOk;
}

bool ConfirmCurrentPassword(HWND parent, const std::string& account, const wchar_t* title) {
  return RunSkinDialog(new CDlgCheckPwd(title, WideFromAnsi(account).c_str()), parent) == kDialogOk;
}

}  // namespace shell
