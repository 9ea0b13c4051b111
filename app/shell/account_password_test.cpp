// Who may set which password, from both places that offer it: the login
// window's link under the password (nobody logged in; the account is the name
// typed, whatever the combo shows) and the help menu's "menu_help_setpwd" (the
// logged-in account). An account without a password gets the set dialog at
// once; one with a password only after its recovery question, or, when it never
// stored one, after its current password (from the menu; the login link refuses
// and points to the owner). The set dialog names the account whose password it
// sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_dialog.h"
#include "test_support/forwarding_datavane.h"
#include "test_support/login_window_driver.h"
#include "test_support/password_dialog_answers.h"
#include "test_support/shell_doubles.h"
#include "text_conversion.h"

namespace {

using shelltest::LoginWindow;
using shelltest::MainWindow;
using shelltest::PasswordDialogAnswer;
using shelltest::PasswordDialogAnswers;

const char kQuestion[] = "店名";
const char kAnswer[] = "百货";

void SetRecovery(const char* account, const char* question, const char* answer) {
  std::vector<DataField> set = {MakeDataField("question", question), MakeDataField("answer", answer)};
  std::vector<DataField> where = {MakeDataField("name", account)};
  ASSERT_EQ(0, g_dataObject->UpdateRecord("J4_Sys_User", &set, &where));
}

// An account's password, with or without its recovery question and answer.
void StoreAccount(const char* account, const char* password, bool withQuestion) {
  ASSERT_EQ(0, g_dataObject->SetUserPassword(account, password, "", ""));
  SetRecovery(account, withQuestion ? kQuestion : "", withQuestion ? kAnswer : "");
}

std::string PasswordOf(const char* account) {
  char stored[KXP_TEXT_BUFFER_SIZE] = {};
  g_dataObject->GetUserPassword(account, stored);
  return stored;
}

PasswordDialogAnswer NewPassword(const wchar_t* password) {
  return {{{L"pwd", password},
           {L"pwd2", password},
           {L"question", L"店名"},
           {L"answer", L"百货"},
           {L"email", L"clerk@shop.invalid"}}};
}
PasswordDialogAnswer Answer(const wchar_t* answer) { return {{{L"answer", answer}}}; }
PasswordDialogAnswer Current(const wchar_t* password) { return {{{L"pwd", password}}}; }
const PasswordDialogAnswer kCancel{{}, false};

// What each dialog is remembered as (see PasswordDialogAnswers).
const wchar_t kSet[] = L"DlgSetPwdUI|设置用户密码|";
const wchar_t kLoginRecovery[] = L"DlgGetPwdUI|找回密码|";
const wchar_t kLoginWrongAnswer[] = L"DlgGetPwdUI|找回密码|答案错误";
const wchar_t kMenuRecovery[] = L"DlgGetPwdUI|重设密码|";
const wchar_t kMenuWrongAnswer[] = L"DlgGetPwdUI|重设密码|答案错误";
const wchar_t kMenuCurrent[] = L"DlgCheckPwdUI|重设密码|";
const wchar_t kMenuWrongCurrent[] = L"DlgCheckPwdUI|重设密码|当前密码不正确";
const wchar_t kLoginNoQuestion[] =
    L"MsgBoxUI|提示|该账号没有设置密保问题，无法在这里找回密码。请老板登录后在“系统设置”的“用户管理”中为它重设密码。";

enum class Where { kLoginLink, kHelpMenu };

TEST(AccountPassword, OnlyWhoKnowsThePasswordOrItsAnswerChangesIt) {
  struct Case {
    const char* label;
    Where where;
    const wchar_t* chosen;  // account chosen in the combo (login link only)
    const char* other;      // the password of the account not typed
    const char* typed;      // name typed at the login window, or the logged-in account
    const char* stored;     // its password before
    bool question;          // whether it stored a recovery question and answer
    std::vector<PasswordDialogAnswer> answers;
    std::vector<std::wstring> asked;
    const char* after;  // its password afterwards
  } cases[] = {
      // The combo and the typed name disagree: the typed account decides.
      {"login: clerk chosen, owner typed, wrong answer",
       Where::kLoginLink,
       L"营业员",
       "",
       "老板",
       "boss1",
       true,
       {Answer(L"超市")},
       {kLoginWrongAnswer},
       "boss1"},
      {"login: clerk chosen, owner typed, right answer",
       Where::kLoginLink,
       L"营业员",
       "",
       "老板",
       "boss1",
       true,
       {Answer(L"百货"), NewPassword(L"boss2")},
       {kLoginRecovery, kSet},
       "boss2"},
      {"login: owner chosen, clerk without password typed",
       Where::kLoginLink,
       L"老板",
       "boss0",
       "营业员",
       "",
       false,
       {NewPassword(L"p1")},
       {kSet},
       "p1"},
      {"login: same account, no password, cancelled",
       Where::kLoginLink,
       L"营业员",
       "",
       "营业员",
       "",
       false,
       {kCancel},
       {kSet},
       ""},
      {"login: right answer, set cancelled",
       Where::kLoginLink,
       L"营业员",
       "",
       "营业员",
       "p2",
       true,
       {Answer(L"百货"), kCancel},
       {kLoginRecovery, kSet},
       "p2"},
      {"login: a password without question",
       Where::kLoginLink,
       L"营业员",
       "",
       "老板",
       "boss3",
       false,
       {},
       {kLoginNoQuestion},
       "boss3"},
      {"login: no such account", Where::kLoginLink, L"营业员", "", "没有这个人", "", false, {}, {}, ""},
      // The help menu, for the logged-in account.
      {"menu: no password, set at once",
       Where::kHelpMenu,
       nullptr,
       "",
       "营业员",
       "",
       false,
       {NewPassword(L"新1")},
       {kSet},
       "新1"},
      {"menu: no password, cancelled", Where::kHelpMenu, nullptr, "", "营业员", "", false, {kCancel}, {kSet}, ""},
      {"menu: right answer",
       Where::kHelpMenu,
       nullptr,
       "",
       "营业员",
       "旧",
       true,
       {Answer(L"百货"), NewPassword(L"新2")},
       {kMenuRecovery, kSet},
       "新2"},
      {"menu: wrong answer",
       Where::kHelpMenu,
       nullptr,
       "",
       "营业员",
       "旧",
       true,
       {Answer(L"猜的")},
       {kMenuWrongAnswer},
       "旧"},
      {"menu: no question, current password",
       Where::kHelpMenu,
       nullptr,
       "",
       "营业员",
       "旧",
       false,
       {Current(L"旧"), NewPassword(L"新3")},
       {kMenuCurrent, kSet},
       "新3"},
      {"menu: no question, wrong current password",
       Where::kHelpMenu,
       nullptr,
       "",
       "营业员",
       "旧",
       false,
       {Current(L"新")},
       {kMenuWrongCurrent},
       "旧"},
      {"menu: owner, no question, current password",
       Where::kHelpMenu,
       nullptr,
       "",
       "老板",
       "boss",
       false,
       {Current(L"boss"), NewPassword(L"boss5")},
       {kMenuCurrent, kSet},
       "boss5"},
  };
  for (const Case& c : cases) {
    const char* other = std::string(c.typed) == "老板" ? "营业员" : "老板";
    StoreAccount(other, c.other, false);
    if (std::string(c.typed) != "没有这个人") StoreAccount(c.typed, c.stored, c.question);
    const std::wstring typed = shell::WideFromAnsi(c.typed);
    std::wstring loginTip;
    {
      PasswordDialogAnswers answers(c.answers);
      if (c.where == Where::kLoginLink) {
        LoginWindow login;
        login.window().OnAccountSelected(c.chosen);
        login.Type(L"login_edit_acc", typed.c_str());
        shelltest::Click(login.hwnd(), login.Find(L"login_forget_pwd"));
        shelltest::Pump(300);
        loginTip = login.Text(L"login_tip");
        EXPECT_TRUE(login.Alive()) << c.label;
      } else {
        MainWindow main(c.typed);
        main.frame().OnMenuCommand(L"menu_help_setpwd");
        EXPECT_TRUE(main.Alive()) << c.label;
      }
      const std::vector<std::wstring>& seen = PasswordDialogAnswers::Seen();
      EXPECT_EQ(c.asked, seen) << c.label;
      for (size_t i = 0; i < seen.size(); ++i) {
        if (seen[i].rfind(L"DlgGetPwdUI", 0) == 0) {
          EXPECT_EQ(L"店名", PasswordDialogAnswers::ShownIn(i, L"question")) << c.label << ": the question is shown";
        }
        if (seen[i].rfind(L"DlgSetPwdUI", 0) == 0 || seen[i].rfind(L"DlgCheckPwdUI", 0) == 0) {
          EXPECT_EQ(typed, PasswordDialogAnswers::ShownIn(i, L"name")) << c.label << ": the account is named";
        }
      }
    }
    if (std::string(c.typed) == "没有这个人") {
      EXPECT_EQ(L"该账号不存在", loginTip);
    } else {
      EXPECT_EQ(c.after, PasswordOf(c.typed)) << c.label;
    }
    EXPECT_EQ(c.other, PasswordOf(other)) << c.label << ": the other account is left alone";
  }
  char email[KXP_TEXT_BUFFER_SIZE] = {};
  g_dataObject->GetUserEmail("老板", email);
  EXPECT_STREQ("clerk@shop.invalid", email);
  StoreAccount("营业员", "", false);
  StoreAccount("老板", "", false);
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
