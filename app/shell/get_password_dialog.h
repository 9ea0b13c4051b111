// CDlgGetPwd: recovering an account's password by answering its question. The
// answer is checked against the account's record through the data library; an
// account that never stored an answer cannot be recovered this way (an empty
// answer would otherwise open it). After a result of 1 the caller reads
// g_getPwdResult.
#pragma once

#include <string>

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct GetPwdResult {
  SkinUI::CUIString question;  // also what the "question" field shows at the start
  SkinUI::CUIString answer;
};
extern GetPwdResult g_getPwdResult;

// An account's stored recovery question and answer (8-bit, as the data library
// keeps them). False when there is no data object or no such account.
bool ReadAccountRecovery(const std::string& account, std::string* question, std::string* answer);

class CDlgGetPwd : public SkinDialog {
 public:
  // Empties the answer result; the question result is the caller's (the account's
  // stored question, see ReadAccountRecovery).
  CDlgGetPwd(const wchar_t* title, const wchar_t* account);
  const wchar_t* GetWindowClassName() const override;

  const SkinUI::CUIString& GetAccount() const { return m_account; }

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;

 private:
  SkinUI::CUIString m_account;
};

}  // namespace shell
