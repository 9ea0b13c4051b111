// CDlgGetPwd: recovering an account's password by answering its question. The
// answer is checked against the account's record through the data library; an
// account that never stored an answer cannot be recovered this way (an empty
// answer would otherwise open it). After a result of 1 the caller's result holds
// the question and the answer given.
#pragma once

#include <string>

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct GetPwdResult {
  SkinUI::CUIString question;  // also what the "question" field shows at the start
  SkinUI::CUIString answer;
};

// An account's stored recovery question and answer (8-bit, as the data library
// keeps them). False when there is no data object or no such account.
bool ReadAccountRecovery(const std::string& account, std::string* question, std::string* answer);

class CDlgGetPwd : public SkinDialog {
 public:
  // `result` is the caller's and must outlive the dialog's run: its question (the
  // account's stored one, see ReadAccountRecovery) is shown, its answer emptied.
  CDlgGetPwd(const wchar_t* title, const wchar_t* account, GetPwdResult* result);
  const wchar_t* GetWindowClassName() const override;

  const SkinUI::CUIString& GetAccount() const { return m_account; }

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;

 private:
  SkinUI::CUIString m_account;
  GetPwdResult* m_result;
};

}  // namespace shell
