// CLoginWnd: the modal login window shown before the main window. The user picks
// an account and types its password; the data library checks it on a worker thread
// while the window keeps painting, and a match closes the window with result 1.
#pragma once

#include <windows.h>

#include <string>

#include "core/paint_manager.h"
#include "session.h"
#include "login_state.h"
#include "tray_clicks.h"
#include "tray_icon.h"
#include "core/ui_string.h"
#include "controls/window_shadow.h"
#include "core/window_wnd.h"

namespace shell {

// The worker's answer: wParam carries the data library's result.
constexpr UINT kLoginResultMessage = WM_APP + 0x40;
constexpr UINT kTrayClickTimerId = 101;

class CLoginWnd : public SkinUI::CWindowWnd, public SkinUI::INotifyUI, public SkinUI::IMessageFilterUI {
 public:
  // A login fills `session` (when given) with the account and its owner flag.
  explicit CLoginWnd(pagekit::Session* session = nullptr);

  const wchar_t* GetWindowClassName() const override;
  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND hWnd) override;

  void Notify(SkinUI::TNotifyUI& msg) override;
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

  void OnInitWindow();
  void OnAccountSelected(const SkinUI::CUIString& account);
  // A name typed into "login_edit_acc": the link under the password follows it.
  void OnAccountTyped(const SkinUI::CUIString& account);
  void OnLogin();
  void OnLoginResult(int result);
  void ShowLoginError(int result);
  void OnForgetPassword();

  bool IsChecking() const { return m_busy != 0; }
  SkinUI::CPaintManagerUI* GetPaintManager() { return &m_pm; }
  TrayIcon& GetTrayIcon() { return m_tray; }

 private:
  void Quit();
  void BringUp();
  void ShowPasswordLink(bool hasPassword);

  TrayIcon m_tray;
  HICON m_icon = nullptr;
  int m_busy = 0;
  pagekit::Session* m_session;
  std::string m_account;  // the account of the running or last check
  TrayClicks m_trayClicks{m_tray, {kTrayClickTimerId, L"menu_login.xml", [this] { BringUp(); }, [this] { BringUp(); }}};
  SkinUI::CWndShadow m_shadow;
  SkinUI::CPaintManagerUI m_pm;
};

// One password check, handed to the worker that owns it: the window to answer,
// the account and the password typed, 8-bit as the data library takes them. The
// password lives here alone and is wiped as soon as the check has answered (and
// again when the request goes), so it stays in memory no longer than the check.
struct LoginRequest {
  LoginRequest() = default;
  LoginRequest(const LoginRequest&) = delete;
  LoginRequest& operator=(const LoginRequest&) = delete;
  ~LoginRequest() { WipePassword(); }
  // Zeroes the whole buffer in a way the compiler may not leave out.
  void WipePassword() { ::SecureZeroMemory(password, sizeof(password)); }

  HWND window = nullptr;
  char account[kLoginTextSize] = {};
  char password[kLoginTextSize] = {};
};

// The data library's answer for the request (0: the password matches); the
// request's password is wiped afterwards.
int CheckLoginRequest(LoginRequest& request);

// The worker, given a LoginRequest made with new, which it owns from then on:
// waits a moment (so the busy image shows), checks it and posts the result to
// the window.
DWORD WINAPI LoginThreadProc(void* request);

// Creates the login window over the main window, centred on the desktop, and runs
// it modally. 1 when a user logged in.
UINT RunLoginWindow(HWND mainWindow, pagekit::Session* session);

}  // namespace shell
