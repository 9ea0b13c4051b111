// The login window with the real data library: the first account prefilled, a
// wrong password or an injected condition refused with the library's code, clicks
// while a check runs ignored, success closing with 1 and setting the owner flag,
// and the ways out without a login (Esc, Alt+F4) refusing the main window.
#include "login_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "main_frame.h"
#include "message_dialog.h"
#include "test_support/password_dialog_answers.h"
#include "test_support/shell_test_env.h"

namespace {

using shelltest::PumpUntil;

// A login window shown without its modal loop, so that the test drives it.
class LoginWindow {
 public:
  LoginWindow() {
    window_ = new shell::CLoginWnd;
    hwnd_ = window_->Create(nullptr, L"", shell::kDialogStyle, 0, 0, 0, 0, 0);
    window_->CenterDesktopWindow();
    ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    shelltest::Pump(100);
  }
  ~LoginWindow() {
    if (::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    shelltest::TakeQuit();
  }
  bool Alive() const { return ::IsWindow(hwnd_) != FALSE; }
  HWND hwnd() const { return hwnd_; }
  shell::CLoginWnd& window() { return *window_; }
  SkinUI::CControlUI* Find(const wchar_t* name) { return window_->GetPaintManager()->FindControl(name); }
  std::wstring Text(const wchar_t* name) { return Find(name)->GetText().GetData(); }
  void Type(const wchar_t* name, const wchar_t* text) { Find(name)->SetText(text); }
  // Waits for the running check to answer (or the window to close on success).
  bool WaitForAnswer() { return PumpUntil([&] { return !Alive() || !window_->IsChecking(); }); }

 private:
  shell::CLoginWnd* window_;
  HWND hwnd_;
};

TEST(LoginWindow, FirstAccountIsPrefilled) {
  std::vector<std::string> names;
  g_dataObject->GetUserNames(&names);
  ASSERT_FALSE(names.empty());
  LoginWindow login;
  ASSERT_TRUE(login.Alive());
  EXPECT_EQ(L"老板", login.Text(L"login_edit_acc"));
  EXPECT_EQ(std::string("老板"), names[0]);
  EXPECT_FALSE(login.Find(L"login_gif")->IsVisible());
  EXPECT_EQ(L"", login.Text(L"login_tip"));
}

TEST(LoginWindow, RefusedPasswordsShowTheLibrarysCode) {
  ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", "secret", "", ""));
  struct Case {
    const wchar_t* account;
    const wchar_t* password;
  } cases[] = {
      {L"营业员", L"wrong"},
      {L"营业员", L"' or '1'='1"},
      {L"营业员", L""},
      {L"没有这个人", L"secret"},
  };
  LoginWindow login;
  for (const Case& c : cases) {
    login.Type(L"login_edit_acc", c.account);
    login.Type(L"login_pwd", c.password);
    shelltest::Click(login.hwnd(), login.Find(L"login_login"));
    ASSERT_TRUE(PumpUntil([&] { return login.window().IsChecking(); }));
    ASSERT_TRUE(login.WaitForAnswer());
    ASSERT_TRUE(login.Alive()) << "a refused login leaves the window open";
    EXPECT_EQ(L"登陆失败，错误码: 2", login.Text(L"login_tip")) << c.password;
    EXPECT_FALSE(login.Find(L"login_gif")->IsVisible());
  }
  g_dataObject->SetUserPassword("营业员", "", "", "");
}

TEST(LoginWindow, ClicksWhileCheckingAreIgnored) {
  LoginWindow login;
  login.Type(L"login_edit_acc", L"营业员");
  login.Type(L"login_pwd", L"wrong");
  shelltest::Click(login.hwnd(), login.Find(L"login_login"));
  ASSERT_TRUE(PumpUntil([&] { return login.window().IsChecking(); }));
  // The password changes while the first check runs: a second click or Enter must
  // neither start another check nor cancel the running one.
  login.Type(L"login_pwd", L"");
  shelltest::Click(login.hwnd(), login.Find(L"login_login"));
  ::PostMessageW(login.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  shelltest::Pump(50);
  EXPECT_TRUE(login.window().IsChecking());
  EXPECT_TRUE(login.Find(L"login_gif")->IsVisible());
  ASSERT_TRUE(login.WaitForAnswer());
  shelltest::Pump(400);  // a second worker would answer within this time
  EXPECT_TRUE(login.Alive()) << "only the wrong password was checked";
  EXPECT_EQ(L"登陆失败，错误码: 2", login.Text(L"login_tip"));
  EXPECT_STREQ("wrong", g_loginPassword);
}

TEST(LoginWindow, SuccessClosesWithOneAndSetsTheOwnerFlag) {
  struct Case {
    const wchar_t* account;
    int boss;
  } cases[] = {
      {L"营业员", 0},
      {L"老板", 1},
  };
  for (const Case& c : cases) {
    g_isBoss = 0;
    LoginWindow login;
    login.Type(L"login_edit_acc", c.account);
    login.Type(L"login_pwd", L"");
    shelltest::Click(login.hwnd(), login.Find(L"login_login"));
    EXPECT_TRUE(PumpUntil([&] { return !login.Alive(); })) << "closed after the check";
    EXPECT_EQ(c.boss, g_isBoss);
  }
  g_isBoss = 0;
}

TEST(LoginWindow, EnterMovesToTheEmptyFieldFirst) {
  LoginWindow login;
  login.Type(L"login_edit_acc", L"");
  ::PostMessageW(login.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  shelltest::Pump(100);
  EXPECT_FALSE(login.window().IsChecking());
  EXPECT_TRUE(login.Alive());
  EXPECT_EQ(login.Find(L"login_edit_acc"), login.window().GetPaintManager()->GetFocus());
}

// Leaves the login window, once it is up, the way the test names.
UINT g_leaveBy = 0;
void CALLBACK LeaveLogin(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (g_leaveBy == VK_ESCAPE) {
    ::PostMessageW(g_loginHwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  } else {
    ::PostMessageW(g_loginHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

TEST(LoginWindow, LeavingWithoutLoginNeverShowsTheMainWindow) {
  for (UINT how : {static_cast<UINT>(VK_ESCAPE), static_cast<UINT>(SC_CLOSE)}) {
    g_leaveBy = how;
    ::SetTimer(nullptr, 0, 300, &LeaveLogin);
    shell::MainFrame* frame = new shell::MainFrame;
    HWND main = frame->Create(nullptr, L"KXPlatform", WS_OVERLAPPEDWINDOW, 0x20000, 0, 0, 600, 800);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(shell::StartupOutcome::kLoginRefused, frame->GetStartupOutcome()) << how;
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_FALSE(::IsWindow(g_loginHwnd)) << "the login window is gone";
    ::DestroyWindow(main);
    shelltest::Pump(50);
    shelltest::TakeQuit();
    shell::ReleaseSingleInstance();
  }
}


// The link under the password sets a password for an account without one and
// recovers it through the account's question otherwise; its text follows the
// account. A typed name that is no account gets no dialog.
TEST(LoginWindow, TheLinkSetsOrRecoversThePassword) {
  using shelltest::PasswordDialogAnswer;
  using shelltest::PasswordDialogAnswers;
  ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", "", "", ""));
  std::vector<DataField> clear = {MakeDataField("question", ""), MakeDataField("answer", "")};
  std::vector<DataField> clerk = {MakeDataField("name", "营业员")};
  ASSERT_EQ(0, g_dataObject->UpdateRecord("J4_Sys_User", &clear, &clerk));
  auto newPassword = [](const wchar_t* password) {
    return PasswordDialogAnswer{{{L"pwd", password}, {L"pwd2", password}, {L"question", L"店名"},
                                 {L"answer", L"百货"}, {L"email", L""}}};
  };
  struct Case {
    const char* name;
    const wchar_t* account;
    const wchar_t* linkBefore;
    std::vector<PasswordDialogAnswer> answers;
    std::vector<std::wstring> seen;
    const char* after;  // the clerk's password afterwards
    const wchar_t* linkAfter;
  } cases[] = {
      {"set", L"营业员", L"设置密码", {newPassword(L"p1")}, {L"DlgSetPwdUI|设置用户密码|"}, "p1", L"找回密码"},
      {"wrong answer", L"营业员", L"找回密码", {{{{L"answer", L"超市"}}}}, {L"DlgGetPwdUI|找回密码|答案错误"}, "p1",
       L"找回密码"},
      {"right answer, then set", L"营业员", L"找回密码", {{{{L"answer", L"百货"}}}, newPassword(L"p2")},
       {L"DlgGetPwdUI|找回密码|", L"DlgSetPwdUI|设置用户密码|"}, "p2", L"找回密码"},
      {"right answer, set cancelled", L"营业员", L"找回密码", {{{{L"answer", L"百货"}}}, {{}, false}},
       {L"DlgGetPwdUI|找回密码|", L"DlgSetPwdUI|设置用户密码|"}, "p2", L"找回密码"},
      {"no such account", L"没有这个人", nullptr, {}, {}, "p2", L"找回密码"},
  };
  LoginWindow login;
  for (const Case& c : cases) {
    login.window().OnAccountSelected(L"营业员");
    login.Type(L"login_edit_acc", c.account);
    if (c.linkBefore != nullptr) {
      EXPECT_EQ(c.linkBefore, login.Text(L"login_forget_pwd")) << c.name;
    }
    ASSERT_TRUE(login.Find(L"login_forget_pwd")->IsVisible()) << c.name;
    {
      PasswordDialogAnswers answers(c.answers);
      shelltest::Click(login.hwnd(), login.Find(L"login_forget_pwd"));
      shelltest::Pump(300);
      EXPECT_EQ(c.seen, PasswordDialogAnswers::Seen()) << c.name;
      if (!c.seen.empty() && c.seen[0].rfind(L"DlgGetPwdUI", 0) == 0) {
        EXPECT_EQ(L"店名", PasswordDialogAnswers::ShownIn(0, L"question")) << "the account's question is shown";
      }
    }
    EXPECT_EQ(0, g_dataObject->CheckUserPassword("营业员", c.after)) << c.name;
    EXPECT_EQ(c.linkAfter, login.Text(L"login_forget_pwd")) << c.name;
    EXPECT_TRUE(login.Alive());
  }
  EXPECT_EQ(L"该账号不存在", login.Text(L"login_tip"));
  // The owner, without a password, is offered to set one.
  login.window().OnAccountSelected(L"老板");
  EXPECT_EQ(L"设置密码", login.Text(L"login_forget_pwd"));
  g_dataObject->SetUserPassword("营业员", "", "", "");
  g_dataObject->UpdateRecord("J4_Sys_User", &clear, &clerk);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new shelltest::ShellEnvironment);
  return RUN_ALL_TESTS();
}
