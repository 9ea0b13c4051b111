// Setting and recovering an account's password through the two password dialogs:
// what the help menu of the main window and the link of the login window share.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

enum class PasswordChange {
  kCancelled,  // the dialog was left without OK: nothing stored
  kStored,
  kNotStored,  // the dialog was confirmed but the data library refused the change
};

// Runs "设置用户密码" over `parent`; on OK stores, for the account, the password
// with its question and answer, then the e-mail address.
PasswordChange SetAccountPassword(HWND parent, const std::string& account);

// Runs the recovery dialog titled `title` for the account, showing its stored
// question; true when the account's answer was given.
bool AnswerRecoveryQuestion(HWND parent, const std::string& account, const wchar_t* title);

}  // namespace shell
