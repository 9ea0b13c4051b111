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

// Runs "设置用户密码" for the account (the dialog names it) over `parent`; on
// OK stores, for the account, the password with its question and answer, then
// the e-mail address.
PasswordChange SetAccountPassword(HWND parent, const std::string& account);

// Whether the account stored an answer to recover its password with. A password
// set on the settings page stores none.
bool HasRecoveryAnswer(const std::string& account);

// Runs the recovery dialog titled `title` for the account, showing its stored
// question; true when the account's answer was given.
bool AnswerRecoveryQuestion(HWND parent, const std::string& account, const wchar_t* title);

// Runs the dialog titled `title` that asks the account's current password; true
// when it was given.
bool ConfirmCurrentPassword(HWND parent, const std::string& account, const wchar_t* title);

}  // namespace shell
