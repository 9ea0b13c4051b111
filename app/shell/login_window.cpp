// The login window: accounts, the password check on a worker thread, keys, the
// tray icon and its menu.
#include "login_window.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "account_password.h"
#include "core/container_ui.h"
#include "core/control_ui.h"
#include "frameless_window.h"
#include "library_binding.h"
#include "controls/list_element.h"
#include "controls/list_interfaces.h"
#include "login_state.h"
#include "message_dialog.h"
#include "controls/option.h"
#include "controls/menu_window.h"
#include "program_resources.h"
#include "startup_trace.h"
#include "text_conversion.h"

namespace shell {
namespace {

const char kOwnerAccount[] = "老板";

}  // namespace

CLoginWnd::CLoginWnd(pagekit::Session* session) : m_session(session) {}

const wchar_t* CLoginWnd::GetWindowClassName() const { return L"UILginWnd"; }

UINT CLoginWnd::GetClassStyle() const { return CS_SAVEBITS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; }

void CLoginWnd::OnFinalMessage(HWND) {
  m_pm.RemovePreMessageFilter(this);
  delete this;
}

void CLoginWnd::Quit() {
  m_tray.RemoveIcon();
  ::PostQuitMessage(0);
}

void CLoginWnd::BringUp() {
  ::BringWindowToTop(m_hWnd);
  ::SetForegroundWindow(m_hWnd);
  ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
}

void CLoginWnd::OnInitWindow() {
  m_icon = ::LoadIconW(SkinUI::CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(IDI_PROGRAM_ICON));
  m_tray.AddIcon(m_hWnd, m_icon, L"TarvelStock");
  ::SetForegroundWindow(m_hWnd);
  for (const wchar_t* name : {L"login_edit_acc", L"login_pwd"}) {
    if (SkinUI::CControlUI* edit = m_pm.FindControl(name)) {
      wchar_t value[8];
      std::swprintf(value, 8, L"%d", kLoginEditMaxChars);
      edit->SetAttribute(L"maxchar", value);
    }
  }

  std::vector<std::string> names;
  if (g_dataObject != nullptr) g_dataObject->GetUserNames(&names);
  SkinUI::CControlUI* combo = m_pm.FindControl(L"login_acc_combo");
  auto* items = combo != nullptr ? static_cast<SkinUI::CContainerUI*>(combo->GetInterface(L"Container")) : nullptr;
  auto* owner = combo != nullptr ? static_cast<SkinUI::IListOwnerUI*>(combo->GetInterface(L"IListOwner")) : nullptr;
  if (items != nullptr && owner != nullptr) {
    for (const std::string& name : names) {
      auto* item = new SkinUI::CListLabelElementUI;
      item->SetText(WideFromAnsi(name).c_str());
      items->Add(item);
    }
    // Selecting raises "itemselect", which fills the form for the first account.
    owner->SelectItem(0, false);
  } else if (!names.empty()) {
    OnAccountSelected(WideFromAnsi(names.front()).c_str());
  }
}

void CLoginWnd::OnAccountSelected(const SkinUI::CUIString& account) {
  if (SkinUI::CControlUI* edit = m_pm.FindControl(L"login_edit_acc")) edit->SetText(account);
  if (SkinUI::CControlUI* login = m_pm.FindControl(L"login_login")) login->SetFocus();
  if (g_dataObject == nullptr) return;
  const std::string name = AnsiFromWide(account.GetData());
  const int savePassword = g_dataObject->GetSavePassword(name.c_str());
  // The library leaves the buffer untouched for an unknown account.
  char stored[kLoginTextSize] = {};
  g_dataObject->GetUserPassword(name.c_str(), stored);
  ShowPasswordLink(stored[0] != '\0');

  SkinUI::CControlUI* remember = m_pm.FindControl(L"login_chk_pwd");
  if (remember == nullptr) return;
  remember->SetAttribute(L"selected", savePassword ? L"true" : L"false");
  SkinUI::CControlUI* password = m_pm.FindControl(L"login_pwd");
  SkinUI::CControlUI* tip = m_pm.FindControl(L"login_tip");
  if (stored[0] != '\0') {
    if (password) {
      password->SetAttribute(L"readonly", L"false");
      password->SetText(savePassword ? WideFromAnsi(stored).c_str() : L"");
    }
    if (tip) tip->SetText(L"");
  } else {
    if (tip) tip->SetText(L"**该用户还未设置密码");
    remember->SetVisible(false);
    if (password) {
      password->SetAttribute(L"readonly", L"true");
      password->SetText(L"");
    }
  }
}

// The link to set or recover the password follows the account whatever the
// layout holds besides: without it a password could never be set at login.
void CLoginWnd::ShowPasswordLink(bool hasPassword) {
  if (SkinUI::CControlUI* forget = m_pm.FindControl(L"login_forget_pwd")) {
    forget->SetText(hasPassword ? L"找回密码" : L"设置密码");
    forget->SetVisible(true);
  }
}

void CLoginWnd::OnAccountTyped(const SkinUI::CUIString& account) {
  if (g_dataObject == nullptr) return;
  char stored[kLoginTextSize] = {};
  g_dataObject->GetUserPassword(AnsiFromWide(account.GetData()).c_str(), stored);
  ShowPasswordLink(stored[0] != '\0');
  ::SecureZeroMemory(stored, sizeof(stored));
}

void CLoginWnd::ShowLoginError(int result) {
  if (SkinUI::CControlUI* gif = m_pm.FindControl(L"login_gif")) gif->SetVisible(false);
  SkinUI::CControlUI* tip = m_pm.FindControl(L"login_tip");
  if (tip == nullptr) return;
  if (result == 0) {
    tip->SetText(L"");
    return;
  }
  wchar_t text[64];
  std::swprintf(text, 64, L"登陆失败，错误码: %d", result);
  tip->SetText(text);
}

void CLoginWnd::OnLogin() {
  // One check at a time: the running check's result is what counts.
  if (m_busy) return;
  ShowLoginError(0);
  m_busy = 1;
  if (SkinUI::CControlUI* gif = m_pm.FindControl(L"login_gif")) gif->SetVisible(true);
  SkinUI::CControlUI* account = m_pm.FindControl(L"login_edit_acc");
  SkinUI::CControlUI* password = m_pm.FindControl(L"login_pwd");
  const std::string name = account != nullptr ? AnsiFromWide(account->GetText().GetData()) : std::string();
  m_account = name;
  // The request carries its own copies to the worker; the password is converted
  // straight into the request, where the check wipes it.
  auto* request = new (std::nothrow) LoginRequest;
  if (request == nullptr) {
    OnLoginResult(1);
    return;
  }
  request->window = m_hWnd;
  CopyAnsiText(request->account, sizeof(request->account), name);
  if (password != nullptr && password->IsVisible())
    CopyAnsiFromWide(request->password, sizeof(request->password), password->GetText().GetData());
  HANDLE worker = ::CreateThread(nullptr, 0, &LoginThreadProc, request, 0, nullptr);
  if (worker == nullptr) {
    delete request;
    OnLoginResult(1);
    return;
  }
  ::CloseHandle(worker);
}

int CheckLoginRequest(LoginRequest& request) {
  const int result = g_dataObject != nullptr ? g_dataObject->CheckUserPassword(request.account, request.password) : -1;
  request.WipePassword();
  return result;
}

DWORD WINAPI LoginThreadProc(void* parameter) {
  std::unique_ptr<LoginRequest> request(static_cast<LoginRequest*>(parameter));
  TraceStartup("login check started");
  ::Sleep(200);
  const int result = CheckLoginRequest(*request);
  TraceStartup("login check done");
  // Only the handle travels: a window closed meanwhile simply gets nothing.
  ::PostMessageW(request->window, kLoginResultMessage, static_cast<WPARAM>(result), 0);
  return 0;
}

void CLoginWnd::OnLoginResult(int result) {
  TraceStartup("login result received");
  ShowLoginError(result);
  if (result == 0) {
    SkinUI::CControlUI* remember = m_pm.FindControl(L"login_chk_pwd");
    bool wanted = false;
    if (remember != nullptr) {
      auto* option = static_cast<SkinUI::COptionUI*>(remember->GetInterface(L"Option"));
      wanted = option != nullptr && option->IsSelected();
    }
    if (g_dataObject != nullptr && (g_dataObject->GetSavePassword(m_account.c_str()) != 0) != wanted)
      g_dataObject->SetSavePassword(m_account.c_str(), wanted);
    if (m_session != nullptr) *m_session = {WideFromAnsi(m_account), m_account == kOwnerAccount};
    if (::IsWindow(m_hWnd)) ::PostMessageW(m_hWnd, WM_CLOSE, 1, 0);
  }
  m_busy = 0;
}

void CLoginWnd::OnForgetPassword() {
  SkinUI::CControlUI* link = m_pm.FindControl(L"login_forget_pwd");
  SkinUI::CControlUI* edit = m_pm.FindControl(L"login_edit_acc");
  if (link == nullptr || edit == nullptr || g_dataObject == nullptr) return;
  const SkinUI::CUIString account = edit->GetText();
  const std::string name = AnsiFromWide(account.GetData());
  // A typed name that is no account would take a password nobody can log in with.
  std::vector<std::string> names;
  g_dataObject->GetUserNames(&names);
  if (std::find(names.begin(), names.end(), name) == names.end()) {
    if (SkinUI::CControlUI* tip = m_pm.FindControl(L"login_tip")) tip->SetText(L"该账号不存在");
    edit->SetFocus();
    return;
  }
  // The account typed decides, as it stands now: the link's text follows the
  // combo and may speak of another account. A password that exists is replaced
  // only after its recovery question; without one nobody is logged in to vouch
  // for the change, so it is left to the owner's settings page.
  char stored[kLoginTextSize] = {};
  g_dataObject->GetUserPassword(name.c_str(), stored);
  const bool hasPassword = stored[0] != '\0';
  ::SecureZeroMemory(stored, sizeof(stored));
  if (hasPassword) {
    if (!HasRecoveryAnswer(name)) {
      ShowMessageDialog(
          m_hWnd, L"提示",
          L"该账号没有设置密保问题，无法在这里找回密码。请老板登录后在“系统设置”的“用户管理”中为它重设密码。",
          kMsgDlgIconWarning, 0);
      return;
    }
    if (!AnswerRecoveryQuestion(m_hWnd, name, L"找回密码")) return;
  }
  const PasswordChange change = SetAccountPassword(m_hWnd, name);
  if (change == PasswordChange::kStored) {
    OnAccountSelected(account);
  } else if (change == PasswordChange::kNotStored) {
    ShowMessageDialog(m_hWnd, L"错误", L"密码设置失败！", kMsgDlgIconError, 0);
  }
}

void CLoginWnd::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  if (msg.type == L"windowinit") TraceStartup("login window first painted");
  if (msg.type == L"click") {
    if (name == L"closebtn" || name == L"login_cancel") {
      Quit();
    } else if (name == L"login_login") {
      OnLogin();
    } else if (name == L"login_forget_pwd") {
      OnForgetPassword();
    } else if (name == L"minbtn") {
      SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
  } else if (msg.type == L"itemselect" && name == L"login_acc_combo") {
    OnAccountSelected(msg.sender->GetText());
  } else if (msg.type == L"textchanged" && name == L"login_edit_acc") {
    OnAccountTyped(msg.sender->GetText());
  }
}

LRESULT CLoginWnd::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (uMsg == WM_TIMER) {
    LRESULT result = 0;
    bHandled = m_pm.MessageHandler(uMsg, wParam, lParam, result);
    return result;
  }
  if (uMsg != WM_KEYDOWN) return 0;
  if (wParam == VK_RETURN) {
    bHandled = true;
    SkinUI::CControlUI* account = m_pm.FindControl(L"login_edit_acc");
    SkinUI::CControlUI* password = m_pm.FindControl(L"login_pwd");
    if (account != nullptr && account->GetText().IsEmpty()) {
      account->SetFocus();
    } else if (password != nullptr && password->GetText().IsEmpty()) {
      password->SetFocus();
    } else {
      if (SkinUI::CControlUI* login = m_pm.FindControl(L"login_login")) login->SetFocus();
      OnLogin();
    }
  } else if (wParam == VK_ESCAPE) {
    bHandled = true;
    Quit();
  }
  return 0;
}

LRESULT CLoginWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CREATE) {
    AttachWindowShadow(m_shadow, m_hWnd);
    AddClipStyles(m_hWnd);
    if (BuildWindowLayout(m_hWnd, m_pm, L"login.xml", this, this) != nullptr) OnInitWindow();
    return 0;
  }
  LRESULT result = 0;
  if (HandleFramelessMessage(m_hWnd, m_pm, true, uMsg, wParam, lParam, &result)) return result;
  if (uMsg == WM_TIMER && m_trayClicks.OnTimer(m_hWnd, wParam)) return 1;
  if (uMsg == kLoginResultMessage) {
    OnLoginResult(static_cast<int>(wParam));
    return 0;
  }
  if (uMsg == SkinUI::WM_MENUCLICK) {
    const SkinUI::CUIString name = TakeMenuItemName(wParam);
    if (name == L"menu_login_show_app") {
      BringUp();
    } else if (name == L"menu_login_exit") {
      Quit();
    }
    return 0;
  }
  if (uMsg == kTrayCallbackMessage) {
    m_trayClicks.OnIconMessage(m_hWnd, lParam);
    return 0;
  }
  if (uMsg == TaskbarCreatedMessage()) {
    m_tray.OnTaskbarCreated();
    return 0;
  }
  if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

UINT RunLoginWindow(HWND mainWindow, pagekit::Session* session) {
  CLoginWnd* login = new (std::nothrow) CLoginWnd(session);
  if (login == nullptr) return 0;
  if (login->Create(mainWindow, L"", kDialogStyle, 0, 0, 0, 0, 0) == nullptr) {
    delete login;
    return 0;
  }
  login->CenterDesktopWindow();
  TraceStartup("login window created");
  const HWND hwnd = login->GetHWND();
  g_loginHwnd = hwnd;
  const UINT result = login->ShowModal();
  // Left through the quit message, the window is still there; it goes now, and its
  // object with it.
  if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
  return result;
}

}  // namespace shell
