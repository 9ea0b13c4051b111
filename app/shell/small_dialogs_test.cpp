// The small dialogs as a table: what the user fills in, how the dialog is left,
// the result it answers, the tip it shows when a check fails and the result
// strings it leaves for its caller.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "check_password_dialog.h"
#include "feedback_dialog.h"
#include "get_password_dialog.h"
#include "import_dialog.h"
#include "library_binding.h"
#include "product_type_dialog.h"
#include "set_password_dialog.h"
#include "test_support/dialog_script.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::DialogScript;
namespace step = shelltest::step;

// How the test leaves the dialog after filling it.
enum class Way { kOk, kCancel, kCloseButton, kEscape };

const wchar_t* ButtonOf(Way way) {
  switch (way) {
    case Way::kOk:
      return L"msgdlg_ok";
    case Way::kCancel:
      return L"msgdlg_cancel";
    default:
      return L"msgdlg_btnClose";
  }
}

using Results = std::vector<std::pair<const SkinUI::CUIString*, std::wstring>>;

struct Case {
  const char* label;
  std::function<shell::SkinDialog*()> make;
  std::vector<std::pair<const wchar_t*, std::wstring>> fields;
  Way way;
  UINT result;
  // A check that keeps the dialog open: the tip label and what it says (the test
  // then leaves with Esc, so the result is 2).
  const wchar_t* tipLabel;
  std::wstring tip;
  Results expected;
};

// Accounts for the recovery: one with a question and answer, one without.
void PrepareRecoveryAccounts() {
  ASSERT_NE(nullptr, g_dataObject);
  g_dataObject->AddUser("密保甲", "");
  g_dataObject->SetUserPassword("密保甲", "old", "母亲的姓", "王");
  g_dataObject->AddUser("密保乙", "");
  g_dataObject->SetUserPassword("密保乙", "old", "", "");
}

// The recovery dialog's result, the caller's as the password flow keeps it.
shell::GetPwdResult getPwdResult;

shell::SkinDialog* GetPwdFor(const wchar_t* account, const wchar_t* question) {
  getPwdResult.question = question;
  return new shell::CDlgGetPwd(L"找回密码", account, &getPwdResult);
}

TEST(SmallDialogs, ChecksTipsResultsAndWaysOut) {
  PrepareRecoveryAccounts();
  shell::FeedbackResult feedbackResult;
  shell::ImportResult importResult;
  shell::SetPwdResult setPwdResult;
  auto feedback = [&] { return new shell::CDlgFeedBack(L"意见反馈", &feedbackResult); };
  auto setPwd = [&] { return new shell::CDlgSetPwd(L"设置密码", L"营业员", &setPwdResult); };
  auto checkPwd = [] { return new shell::CDlgCheckPwd(L"重设密码", L"密保乙"); };
  auto import = [&] { return new shell::CDlgImport(L"商品资料", &importResult); };
  shell::ProductTypeResult productTypeResult;
  auto productType = [&] {
    return new shell::CDlgProductType(shell::PickerContext{}, L"饮料", L"新增类别", L"果汁", &productTypeResult);
  };
  auto emptyProductType = [&] {
    return new shell::CDlgProductType(shell::PickerContext{}, L"", L"新增类别", L"", &productTypeResult);
  };
  const Case cases[] = {
      {"feedback sent",
       feedback,
       {{L"feedback_title", L"进货单打印不全"}, {L"feedback_body", L"第二页\r没有合计行"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&feedbackResult.subject, L"进货单打印不全"},
        {&feedbackResult.body, L"第二页\r没有合计行"},
        {&feedbackResult.attachment, L""}}},
      {"feedback with nothing typed",
       feedback,
       {},
       Way::kOk,
       2,
       L"tip",
       L"请填写反馈的主题和内容。",
       {{&feedbackResult.subject, L""}, {&feedbackResult.body, L""}}},
      {"feedback without a text",
       feedback,
       {{L"feedback_title", L"主题"}, {L"feedback_body", L" \r "}},
       Way::kOk,
       2,
       L"tip",
       L"请填写反馈的主题和内容。",
       {{&feedbackResult.subject, L""}}},
      {"feedback cancelled",
       feedback,
       {{L"feedback_title", L"主题"}},
       Way::kCancel,
       2,
       nullptr,
       L"",
       {{&feedbackResult.subject, L""}}},
      {"feedback closed by Esc",
       feedback,
       {{L"feedback_title", L"主题"}},
       Way::kEscape,
       2,
       nullptr,
       L"",
       {{&feedbackResult.subject, L""}}},
      {"empty password",
       setPwd,
       {{L"pwd", L""}, {L"pwd2", L""}, {L"email", L"a@b.invalid"}},
       Way::kOk,
       2,
       L"tip",
       L"密码不能为空！",
       {{&setPwdResult.password, L""}, {&setPwdResult.email, L""}}},
      {"passwords differ",
       setPwd,
       {{L"pwd", L"abc"}, {L"pwd2", L"abd"}},
       Way::kOk,
       2,
       L"tip",
       L"2次密码输入不一致！",
       {{&setPwdResult.password, L""}}},
      {"password alone",
       setPwd,
       {{L"pwd", L"abc"}, {L"pwd2", L"abc"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&setPwdResult.password, L"abc"},
        {&setPwdResult.email, L""},
        {&setPwdResult.question, L""},
        {&setPwdResult.answer, L""}}},
      {"password with recovery",
       setPwd,
       {{L"pwd", L"密码1"},
        {L"pwd2", L"密码1"},
        {L"email", L"boss@shop.invalid"},
        {L"question", L"小学校名"},
        {L"answer", L"实验小学"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&setPwdResult.password, L"密码1"},
        {&setPwdResult.email, L"boss@shop.invalid"},
        {&setPwdResult.question, L"小学校名"},
        {&setPwdResult.answer, L"实验小学"}}},
      {"set password closed",
       setPwd,
       {{L"pwd", L"abc"}, {L"pwd2", L"abc"}},
       Way::kCloseButton,
       2,
       nullptr,
       L"",
       {{&setPwdResult.password, L""}}},
      {"right answer",
       [] { return GetPwdFor(L"密保甲", L"母亲的姓"); },
       {{L"answer", L"王"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&getPwdResult.question, L"母亲的姓"}, {&getPwdResult.answer, L"王"}}},
      {"wrong answer",
       [] { return GetPwdFor(L"密保甲", L"母亲的姓"); },
       {{L"answer", L"李"}},
       Way::kOk,
       2,
       L"getpwd_tip",
       L"答案错误",
       {}},
      {"empty answer to a stored one",
       [] { return GetPwdFor(L"密保甲", L"母亲的姓"); },
       {{L"answer", L""}},
       Way::kOk,
       2,
       L"getpwd_tip",
       L"答案错误",
       {}},
      {"answer with a quote",
       [] { return GetPwdFor(L"密保甲", L"母亲的姓"); },
       {{L"answer", L"王' or '1'='1"}},
       Way::kOk,
       2,
       L"getpwd_tip",
       L"答案错误",
       {}},
      {"account without an answer",
       [] { return GetPwdFor(L"密保乙", L""); },
       {{L"answer", L""}},
       Way::kOk,
       2,
       L"getpwd_tip",
       L"该账号未设置密保问题",
       {}},
      {"unknown account",
       [] { return GetPwdFor(L"没有这个人", L""); },
       {{L"answer", L"x"}},
       Way::kOk,
       2,
       L"getpwd_tip",
       L"该账号未设置密保问题",
       {}},
      {"recovery cancelled",
       [] { return GetPwdFor(L"密保甲", L"母亲的姓"); },
       {{L"answer", L"王"}},
       Way::kCancel,
       2,
       nullptr,
       L"",
       {{&getPwdResult.answer, L""}}},
      {"current password", checkPwd, {{L"pwd", L"old"}}, Way::kOk, 1, nullptr, L"", {}},
      {"wrong current password", checkPwd, {{L"pwd", L"olD"}}, Way::kOk, 2, L"tip", L"当前密码不正确", {}},
      {"current password with a quote",
       checkPwd,
       {{L"pwd", L"old' or '1'='1"}},
       Way::kOk,
       2,
       L"tip",
       L"当前密码不正确",
       {}},
      {"empty current password", checkPwd, {{L"pwd", L""}}, Way::kOk, 2, L"tip", L"当前密码不正确", {}},
      {"import without a file", import, {}, Way::kOk, 1, nullptr, L"", {{&importResult.path, L""}}},
      {"import closed by Esc", import, {}, Way::kEscape, 2, nullptr, L"", {{&importResult.path, L""}}},
      {"category as given",
       productType,
       {},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&productTypeResult.parent, L"饮料"}, {&productTypeResult.name, L"果汁"}}},
      {"category renamed",
       productType,
       {{L"ProductType_name", L"碳酸饮料"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&productTypeResult.parent, L"饮料"}, {&productTypeResult.name, L"碳酸饮料"}}},
      {"category without a parent",
       emptyProductType,
       {{L"ProductType_name", L"文具"}},
       Way::kOk,
       1,
       nullptr,
       L"",
       {{&productTypeResult.parent, L""}, {&productTypeResult.name, L"文具"}}},
      {"category without a name",
       productType,
       {{L"ProductType_name", L""}},
       Way::kOk,
       2,
       L"tip",
       L"类别不能为空！",
       {{&productTypeResult.name, L"果汁"}}},
      {"category cancelled",
       productType,
       {{L"ProductType_name", L"改了"}},
       Way::kCancel,
       2,
       nullptr,
       L"",
       {{&productTypeResult.name, L"果汁"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    // What an earlier dialog left must not be taken for this one's result.
    feedbackResult.subject = L"stale";
    feedbackResult.attachment = L"C:\\stale.txt";
    setPwdResult.password = L"stale";
    importResult.path = L"C:\\stale.xls";
    std::vector<DialogScript::Step> steps;
    std::wstring question = L"<not read>";
    steps.push_back(step::Read(L"question", &question));
    for (const auto& field : c.fields) steps.push_back(step::Fill(field.first, field.second));
    steps.push_back(step::Shot(c.label));
    std::wstring tip = L"<not read>";
    if (c.way == Way::kEscape) {
      steps.push_back(step::Key(VK_ESCAPE));
    } else {
      steps.push_back(step::Press(ButtonOf(c.way)));
    }
    if (c.tipLabel != nullptr) {
      steps.push_back(step::Read(c.tipLabel, &tip));
      steps.push_back(step::Key(VK_ESCAPE));
    }
    DialogScript script(steps);
    shell::SkinDialog* dialog = c.make();
    const bool isGetPwd = dialog->GetSkinFile() == L"GetPwdDlg.xml";
    const std::wstring shownQuestion = isGetPwd ? getPwdResult.question.GetData() : L"";
    EXPECT_EQ(c.result, script.Run(dialog));
    if (c.tipLabel != nullptr) {
      EXPECT_EQ(c.tip, tip);
    }
    if (isGetPwd) {
      EXPECT_EQ(shownQuestion, question) << "the question field shows the account's question";
    }
    for (const auto& expected : c.expected) EXPECT_EQ(expected.second, expected.first->GetData());
    // No way out of a dialog ends the program.
    EXPECT_FALSE(shelltest::TakeQuit());
  }
}

TEST(SmallDialogs, RecoveryReadsTheAccountsQuestionAndAnswer) {
  PrepareRecoveryAccounts();
  std::string question, answer;
  ASSERT_TRUE(shell::ReadAccountRecovery("密保甲", &question, &answer));
  EXPECT_EQ("母亲的姓", question);
  EXPECT_EQ("王", answer);
  ASSERT_TRUE(shell::ReadAccountRecovery("密保乙", &question, &answer));
  EXPECT_EQ("", answer);
  EXPECT_FALSE(shell::ReadAccountRecovery("没有这个人", &question, &answer));
  // A name with a quote is a name, not SQL.
  EXPECT_FALSE(shell::ReadAccountRecovery("x' or '1'='1", &question, &answer));
}

}  // namespace
