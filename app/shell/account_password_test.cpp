// The help menu's "menu_help_setpwd" for the logged-in account: without a password
// the set dialog comes at once; with one, the recovery question must be answered
// first (a wrong answer, or an account that never stored one, ends it there).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/forwarding_datavane.h"
#include "test_support/password_dialog_answers.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::MainWindow;
using shelltest::PasswordDialogAnswer;
using shelltest::PasswordDialogAnswers;

void SetRecovery(const char* account, const char* question, const char* answer) {
  std::vector<DataField> set = {MakeDataField("question", question), MakeDataField("answer", answer)};
  std::vector<DataField> where = {MakeDataField("name", account)};
  ASSERT_EQ(0, g_dataObject->UpdateRecord("J4_Sys_User", &set, &where));
}

PasswordDialogAnswer NewPassword(const wchar_t* password) {
  return {{{L"pwd", password}, {L"pwd2", password}, {L"question", L"小学"}, {L"answer", L"实验"},
           {L"email", L"clerk@shop.invalid"}}};
}

TEST(SetPasswordCommand, TheQuestionGuardsAnExistingPassword) {
  struct Case {
    const char* name;
    const char* stored;          // the password before
    const char* storedAnswer;    // the recovery answer before ("" none)
    std::vector<PasswordDialogAnswer> answers;
    std::vector<std::wstring> seen;
    const char* after;  // the password after
  } cases[] = {
      {"no password: set at once", "", "", {NewPassword(L"新1")}, {L"DlgSetPwdUI|设置用户密码|"}, "新1"},
      {"no password, cancelled", "", "", {{{}, false}}, {L"DlgSetPwdUI|设置用户密码|"}, ""},
      {"a password and the right answer", "旧", "实验",
       {{{{L"answer", L"实验"}}}, NewPassword(L"新2")},
       {L"DlgGetPwdUI|重设密码|", L"DlgSetPwdUI|设置用户密码|"}, "新2"},
      {"a password and a wrong answer", "旧", "实验", {{{{L"answer", L"猜的"}}}},
       {L"DlgGetPwdUI|重设密码|答案错误"}, "旧"},
      {"a password and no stored answer", "旧", "", {{{{L"answer", L""}}}},
       {L"DlgGetPwdUI|重设密码|该账号未设置密保问题"}, "旧"},
  };
  MainWindow main("营业员");
  for (const Case& c : cases) {
    ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", c.stored, "", ""));
    SetRecovery("营业员", *c.storedAnswer ? "小学" : "", c.storedAnswer);
    {
      PasswordDialogAnswers answers(c.answers);
      main.frame().OnMenuCommand(L"menu_help_setpwd");
      EXPECT_EQ(c.seen, PasswordDialogAnswers::Seen()) << c.name;
      if (*c.storedAnswer) {
        EXPECT_EQ(L"小学", PasswordDialogAnswers::ShownIn(0, L"question")) << c.name;
      }
    }
    EXPECT_EQ(0, g_dataObject->CheckUserPassword("营业员", c.after)) << c.name;
    EXPECT_TRUE(main.Alive());
  }
  char email[KXP_TEXT_BUFFER_SIZE] = {};
  g_dataObject->GetUserEmail("营业员", email);
  EXPECT_STREQ("clerk@shop.invalid", email);
  g_dataObject->SetUserPassword("营业员", "", "", "");
  SetRecovery("营业员", "", "");
}

// The e-mail written after the password is refused: the password stays as it was
// and the user is told that nothing was set.
TEST(SetPasswordCommand, ARefusedEmailLeavesTheOldPassword) {
  MainWindow main("营业员");
  ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", "", "", ""));
  KXPDatavane* real = g_dataObject;
  pagekit::test::ForwardingDatavane failing(*real);
  failing.FailWrite(2);  // the password is the first write, the e-mail the second
  g_dataObject = &failing;
  {
    shelltest::DialogAnswering told(1);
    PasswordDialogAnswers answers({NewPassword(L"新3")});
    main.frame().OnMenuCommand(L"menu_help_setpwd");
    EXPECT_EQ(std::vector<std::wstring>{L"错误|密码设置失败！"}, shelltest::DialogAnswer::Asked());
  }
  g_dataObject = real;
  EXPECT_EQ(2, failing.Writes());
  EXPECT_EQ(0, g_dataObject->CheckUserPassword("营业员", ""));
  EXPECT_TRUE(main.Alive());
}

}  // namespace
