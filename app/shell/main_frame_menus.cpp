// MainFrame's menus and account commands: the help menu under its button, the one
// dispatcher that every menu of the main window reports its choice to, and
// changing the user by starting the program anew.
#include "main_frame.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

#include "account_password.h"
#include "app_paths.h"
#include "click_routes.h"
#include "library_binding.h"
#include "message_dialog.h"
#include "popup_menu.h"
#include "text_conversion.h"

namespace shell {
namespace {

using MenuCommand = void (*)(MainFrame& frame);

struct MenuRoute {
  const wchar_t* item;
  MenuCommand command;  // null: the command is its page's
};

void ShowApp(MainFrame& frame) { frame.RestoreFromTray(); }
void Exit(MainFrame& frame) { frame.ConfirmExit(); }
void ChangeUser(MainFrame& frame) { frame.ChangeUser(); }
void SendFeedback(MainFrame& frame) { frame.SendFeedback(); }
void DeleteShortcut(MainFrame& frame) { frame.DeleteSideBarItems(false); }
void DeleteAllShortcuts(MainFrame& frame) { frame.DeleteSideBarItems(true); }
void SettingsPage(MainFrame& frame) { frame.OpenPageByName(L"备份恢复"); }
void SetPassword(MainFrame& frame) { frame.ShowSetPasswordDialog(); }

// Item names are compared without regard to case, in this order.
const MenuRoute kMenuRoutes[] = {
    {L"menu_login_show_app", &ShowApp},
    {L"menu_login_exit", &Exit},
    {L"menu_help_feedback", &SendFeedback},
    {L"menu_help_set", &SettingsPage},
    {L"menu_login_change_user", &ChangeUser},
    {L"menu_sidebar_del", &DeleteShortcut},
    {L"menu_sidebar_del_all", &DeleteAllShortcuts},
    {L"menu_product_type_add", nullptr},
    {L"menu_product_type_mod", nullptr},
    {L"menu_product_type_del", nullptr},
    {L"menu_chg_user", &ChangeUser},
    {L"menu_help_setpwd", &SetPassword},
    {L"menu_help_bak", &SettingsPage},
};

// The items of the pages' own menus (a list's context menu) are theirs.
bool OfferMenuItemToPages(MainFrame& frame, const SkinUI::CUIString& item) {
  pagekit::PageEvent event;
  event.kind = pagekit::EventKind::kMenuCommand;
  event.sender = item.GetData();
  return frame.Pages().Dispatch(frame, event);
}

}  // namespace

void MainFrame::ShowHelpMenu() {
  SkinUI::CControlUI* button = m_PaintManager.FindControl(L"helpbtn");
  if (button == nullptr) return;
  const RECT rc = button->GetPos();
  POINT at = {rc.left, rc.bottom};
  ::ClientToScreen(m_hWnd, &at);
  OpenPopupMenu(m_hWnd, L"menu_help.xml", at, kMenuAlignBelow);
}

void MainFrame::OnMenuCommand(const SkinUI::CUIString& item) {
  for (const MenuRoute& route : kMenuRoutes) {
    if (_wcsicmp(item.GetData(), route.item) != 0) continue;
    if (route.command != nullptr) {
      route.command(*this);
    } else if (!OfferMenuItemToPages(*this, item)) {
      TellNotBuiltYet(m_hWnd, L"提示");
    }
    return;
  }
  OfferMenuItemToPages(*this, item);
}

void MainFrame::ChangeUser() {
  // The new copy takes the single-instance mutex after its login and puts its own
  // icon in the tray, so this copy lets go of both before starting it.
  ReleaseSingleInstance();
  m_tray.RemoveIcon();
  ::ShowWindow(m_hWnd, SW_HIDE);
  const std::string program = std::string(g_exeDir) + "TarvelStock.exe";
  const HINSTANCE started = ::ShellExecuteA(nullptr, "open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(started) > 32) {
    ::PostQuitMessage(0);
    return;
  }
  // Nothing started: quitting now would leave the user with no program at all.
  HoldSingleInstance();
  m_tray.AddIcon(m_hWnd, m_trayIcon, L"TarvelStock");
  RestoreFromTray();
  ShowMessageDialog(m_hWnd, L"错误", L"无法重新启动程序，不能切换用户!", kMsgDlgIconError, 0);
}

void MainFrame::ShowSetPasswordDialog() {
  if (g_dataObject == nullptr) return;
  char stored[KXP_TEXT_BUFFER_SIZE] = {};
  const std::string account = AnsiFromWide(m_session.account);
  g_dataObject->GetUserPassword(account.c_str(), stored);
  const bool hasPassword = stored[0] != '\0';
  ::SecureZeroMemory(stored, sizeof(stored));
  // A password is changed only by whoever knows the answer to its question, or,
  // for an account that never stored one, the password itself.
  if (hasPassword) {
    const bool allowed = HasRecoveryAnswer(account) ? AnswerRecoveryQuestion(m_hWnd, account, L"重设密码")
                                                    : ConfirmCurrentPassword(m_hWnd, account, L"重设密码");
    if (!allowed) return;
  }
  if (SetAccountPassword(m_hWnd, account) == PasswordChange::kNotStored)
    ShowMessageDialog(m_hWnd, L"错误", L"密码设置失败！", kMsgDlgIconError, 0);
}

}  // namespace shell
