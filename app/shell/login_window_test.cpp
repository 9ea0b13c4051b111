// The login window with the real data library: the first account prefilled, a
// wrong password or an injected condition refused with the library's code, clicks
// while a check runs ignored, success closing with 1 and setting the owner flag,
// and the ways out without a login (Esc, Alt+F4) refusing the main window.
#include "login_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/combo.h"
#include "main_frame.h"
#include "message_dialog.h"
#include "test_support/login_window_driver.h"
#include "test_support/window_test_env.h"
#include "text_conversion.h"

namespace {

using shelltest::PumpUntil;

using shelltest::LoginWindow;

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
    pagekit::Session session{L"-", true};
    LoginWindow login(&session);
    login.Type(L"login_edit_acc", c.account);
    login.Type(L"login_pwd", L"");
    shelltest::Click(login.hwnd(), login.Find(L"login_login"));
    EXPECT_TRUE(PumpUntil([&] { return !login.Alive(); })) << "closed after the check";
    EXPECT_EQ(c.boss, session.owner ? 1 : 0);
    EXPECT_EQ(std::wstring(c.account), session.account);
  }
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

BOOL CALLBACK CollectVisibleTooltip(HWND hwnd, LPARAM out) {
  wchar_t name[64] = {};
  ::GetClassNameW(hwnd, name, 64);
  if (::IsWindowVisible(hwnd) && _wcsicmp(name, TOOLTIPS_CLASSW) == 0)
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
  return TRUE;
}

// Every tooltip window of this thread that is on the screen.
std::vector<HWND> VisibleTooltips() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectVisibleTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The mouse rests on the account combo until its tip shows, clicks it and rests
// there again: the list drops under the account field inside the login window,
// shows every account whole, and no tip lies over it.
TEST(LoginWindow, TheAccountListOpensInsideTheWindowWithNoTipOverIt) {
  LoginWindow login;
  auto* combo = static_cast<SkinUI::CComboUI*>(login.Find(L"login_acc_combo"));
  ASSERT_NE(nullptr, combo);
  ASSERT_GE(combo->GetCount(), 2);
  const RECT rcCombo = combo->GetPos();
  const POINT at = {(rcCombo.left + rcCombo.right) / 2, (rcCombo.top + rcCombo.bottom) / 2};
  // The pointer itself goes there too: the tip shows beside it.
  auto rest = [&](int dx) {
    POINT screen = {at.x + dx, at.y + dx};
    ::ClientToScreen(login.hwnd(), &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(login.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x + dx, at.y + dx));
    ::SendMessageW(login.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(at.x + dx, at.y + dx));
  };
  rest(0);
  ASSERT_EQ(1u, VisibleTooltips().size()) << "the combo's tip shows before the click";
  ::SendMessageW(login.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  ::SendMessageW(login.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  const HWND list = combo->GetDropWindow();
  ASSERT_NE(nullptr, list);
  shelltest::Pump(50);
  rest(1);
  RECT rcList = {}, rcLogin = {}, rcField = login.Find(L"login_edit_acc")->GetPos();
  ::GetWindowRect(list, &rcList);
  ::GetWindowRect(login.hwnd(), &rcLogin);
  ::MapWindowPoints(login.hwnd(), HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rcField), 2);
  RECT inside = {};
  ::IntersectRect(&inside, &rcList, &rcLogin);
  EXPECT_TRUE(::EqualRect(&inside, &rcList))
      << "list " << rcList.left << "," << rcList.top << "," << rcList.right << "," << rcList.bottom << " window "
      << rcLogin.left << "," << rcLogin.top << "," << rcLogin.right << "," << rcLogin.bottom;
  EXPECT_EQ(rcField.left, rcList.left) << "under the account field";
  // Every account whole inside the list's client area.
  RECT client = {};
  ::GetClientRect(list, &client);
  for (int i = 0; i < combo->GetCount(); ++i) {
    const RECT item = combo->GetItemAt(i)->GetPos();
    EXPECT_GT(item.bottom, item.top) << i;
    EXPECT_LE(item.bottom, client.bottom) << "account " << i << " is cut";
  }
  for (HWND tip : VisibleTooltips()) {
    RECT rcTip = {}, over = {};
    ::GetWindowRect(tip, &rcTip);
    EXPECT_FALSE(::IntersectRect(&over, &rcTip, &rcList)) << "a tip covers the list";
  }
  ::SendMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(PumpUntil([&] { return combo->GetDropWindow() == nullptr; }));
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
    shell::MainFrame* frame = shell::CreateMainWindow();
    ASSERT_NE(nullptr, frame);
    HWND main = frame->GetHWND();
    EXPECT_EQ(shell::StartupOutcome::kLoginRefused, frame->GetStartupOutcome()) << how;
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_FALSE(::IsWindow(g_loginHwnd)) << "the login window is gone";
    ::DestroyWindow(main);
    shelltest::Pump(50);
    shelltest::TakeQuit();
    shell::ReleaseSingleInstance();
  }
}

// True when the bytes appear in a writable section of this program's image: where
// the program's globals live, the shell's among them.
bool InWritableImageData(const std::string& bytes) {
  auto* base = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if ((section->Characteristics & IMAGE_SCN_MEM_WRITE) == 0) continue;
    const char* start = reinterpret_cast<const char*>(base + section->VirtualAddress);
    const std::string data(start, section->Misc.VirtualSize);
    if (data.find(bytes) != std::string::npos) return true;
  }
  return false;
}

// The typed password travels to the check and is gone once the check answered,
// whether it matched or not: no global keeps it, and the worker's own copy is
// wiped.
TEST(LoginWindow, ThePasswordIsNotKeptAfterTheCheck) {
  // Made at run time, so that the text itself sits in no section of the image.
  std::string password = "Kq";
  password += std::to_string(::GetCurrentProcessId()) + "#密";
  ASSERT_FALSE(InWritableImageData(password));
  ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", password.c_str(), "", ""));
  for (bool right : {false, true}) {
    const std::string typed = right ? password : password + "x";
    LoginWindow login;
    login.Type(L"login_edit_acc", L"营业员");
    login.Type(L"login_pwd", shell::WideFromAnsi(typed).c_str());
    shelltest::Click(login.hwnd(), login.Find(L"login_login"));
    ASSERT_TRUE(PumpUntil([&] { return !login.Alive() || login.window().IsChecking(); }));
    ASSERT_TRUE(login.WaitForAnswer());
    EXPECT_EQ(!right, login.Alive()) << "the check ran";
    EXPECT_FALSE(InWritableImageData(password)) << (right ? "right password" : "wrong password");
  }
  // The worker's own copy is zeroed once the library has answered.
  shell::LoginRequest request;
  shell::CopyAnsiText(request.account, sizeof(request.account), "营业员");
  shell::CopyAnsiText(request.password, sizeof(request.password), password);
  EXPECT_EQ(0, shell::CheckLoginRequest(request)) << "the check saw the password";
  EXPECT_EQ(std::string(sizeof(request.password), '\0'), std::string(request.password, sizeof(request.password)));
  g_dataObject->SetUserPassword("营业员", "", "", "");
}

}  // namespace
