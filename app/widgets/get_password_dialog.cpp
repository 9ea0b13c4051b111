// The recover-password dialog: the account's question, and the answer's check
// against the account's record.
#include "get_password_dialog.h"

#include <vector>

#include "kxp_data.h"
#include "library_binding.h"
#include "text_conversion.h"

namespace shell {

bool ReadAccountRecovery(const std::string& account, std::string* question, std::string* answer) {
  if (g_dataObject == nullptr) return false;
  // Empty values select the two columns without making them conditions.
  std::vector<DataField> record = {MakeDataField("name", account), MakeDataField("question", ""),
                                   MakeDataField("answer", "")};
  std::vector<std::vector<DataField>> rows;
  if (g_dataObject->QueryRecords("J4_Sys_User", &record, &rows) != 0 || rows.empty() || rows[0].size() < 3)
    return false;
  if (question != nullptr) *question = rows[0][1].value;
  if (answer != nullptr) *answer = rows[0][2].value;
  return true;
}

CDlgGetPwd::CDlgGetPwd(const wchar_t* title, const wchar_t* account, GetPwdResult* result)
    : SkinDialog(L"GetPwdDlg.xml", title, EnterKey::kPassedOn), m_account(account), m_result(result) {
  m_result->answer.Empty();
}

const wchar_t* CDlgGetPwd::GetWindowClassName() const { return L"DlgGetPwdUI"; }

void CDlgGetPwd::OnLayoutBuilt() { SetControlText(L"question", m_result->question); }

void CDlgGetPwd::OnOk() {
  m_result->question = GetControlText(L"question");
  m_result->answer = GetControlText(L"answer");
  const std::string account = AnsiFromWide(m_account.GetData());
  std::string storedAnswer;
  if (!ReadAccountRecovery(account, nullptr, &storedAnswer) || storedAnswer.empty()) {
    SetControlText(L"getpwd_tip", L"该账号未设置密保问题");
    return;
  }
  const std::string typedAnswer = AnsiFromWide(m_result->answer.GetData());
  std::vector<DataField> record = {MakeDataField("name", account),
                                   MakeDataField("question", AnsiFromWide(m_result->question.GetData())),
                                   MakeDataField("answer", typedAnswer)};
  std::vector<std::vector<DataField>> rows;
  g_dataObject->QueryRecords("J4_Sys_User", &record, &rows);
  if (!rows.empty() && rows[0].size() >= 3 && rows[0][2].value == typedAnswer) {
    Close(kDialogOk);
    return;
  }
  SetControlText(L"getpwd_tip", L"答案错误");
}

}  // namespace shell
