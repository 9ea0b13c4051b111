// MainFrame's settings page ("备份恢复", panel "mid_xtsz"), the owner's alone: the
// side list of its three sections, starting with Windows and minimising on close
// (stored per account in "tb_priority"), every account's password, and backup and
// restore of the database file.
#include "main_frame.h"

#include <cwchar>
#include <string>

#include "account_options_store.h"
#include "app_paths.h"
#include "auto_run.h"
#include "controls/bar_list.h"
#include "controls/label.h"
#include "controls/option.h"
#include "database_copies.h"
#include "file_dialog.h"
#include "grid_bar_items.h"
#include "library_binding.h"
#include "message_dialog.h"
#include "text_conversion.h"

namespace shell {
namespace {

const wchar_t kSettingsPage[] = L"备份恢复";
const wchar_t kUsersSection[] = L"用户管理";

// The logged-in account's start and close options, kept in its "tb_priority" row.
pagekit::AccountOptions ReadUserOptions(const std::wstring& account) {
  if (g_dataObject == nullptr) return pagekit::AccountOptions();
  return pagekit::AccountOptionsStore(*g_dataObject).Read(account);
}

bool StoreUserOption(const std::wstring& account, pagekit::AccountOption option, bool on) {
  if (g_dataObject == nullptr) return false;
  return pagekit::AccountOptionsStore(*g_dataObject).Store(account, option, on) == pagekit::StoreResult::kDone;
}

// The path typed or chosen into that edit; an empty edit takes the focus instead.
std::wstring PathOrFocus(SkinUI::CPaintManagerUI& pm, const wchar_t* edit) {
  SkinUI::CControlUI* control = pm.FindControl(edit);
  if (control == nullptr) return std::wstring();
  if (control->GetText().IsEmpty()) control->SetFocus();
  return control->GetText().GetData();
}

// The user page's tip line: red for a refusal, green for a change made.
const DWORD kRefusedColour = 0xFFD9534F;
const DWORD kDoneColour = 0xFF3AA57A;

void SetTipColour(SkinUI::CControlUI* tip, DWORD colour) {
  if (auto* label = static_cast<SkinUI::CLabelUI*>(tip->GetInterface(L"Label"))) label->SetTextColor(colour);
}

bool HasPassword(const std::string& account) {
  if (g_dataObject == nullptr) return false;
  char stored[KXP_TEXT_BUFFER_SIZE] = {};
  g_dataObject->GetUserPassword(account.c_str(), stored);
  const bool has = stored[0] != '\0';
  ::SecureZeroMemory(stored, sizeof(stored));
  return has;
}

void Tell(HWND owner, const wchar_t* text) { ShowMessageDialog(owner, L"提示", text, kMsgDlgIconInfo, 0); }
void TellFailure(HWND owner, const wchar_t* text) { ShowMessageDialog(owner, L"错误", text, kMsgDlgIconError, 0); }

}  // namespace

void MainFrame::ShowSettingsPage() {
  if (!m_session.owner) {
    Tell(m_hWnd, L"只有老板可以进行系统设置");
    return;
  }
  AddTab(kSettingsPage, true);
  ShowMidPanel(L"mid_xtsz");
  SkinUI::CBarListUI* sections = FindBarList(m_PaintManager, L"listxtsz");
  if (sections != nullptr && sections->GetCount() == 0) {
    for (const GridBarItem& item : SettingsSections()) AddEasyListBarItem(sections, item);
    m_settingsPanels.clear();
    if (SkinUI::CContainerUI* area = FindContainer(m_PaintManager, L"layout_xtsz")) {
      for (int i = 0; i < area->GetCount(); ++i) m_settingsPanels.push_back(area->GetItemAt(i));
    }
    if (sections->GetCount() > 0) SelectSettingsSection(sections->GetItemAt(0));
  }
  const pagekit::AccountOptions options = ReadUserOptions(m_session.account);
  SkinUI::COptionUI* autoRun = FindOption(m_PaintManager, L"xtsz_chk_auto_run");
  if (autoRun != nullptr && options.stored) autoRun->Selected(options.autoRun);
}

void MainFrame::SelectSettingsSection(SkinUI::CControlUI* row) {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listxtsz");
  SkinUI::BarListNode* node = list != nullptr && row != nullptr ? list->GetNodeOf(row) : nullptr;
  if (node == nullptr) return;
  HighlightSideListEntry(m_PaintManager, list, row, SettingsSections());
  const int index = list->GetItemIndex(row);
  if (index >= 0 && list->GetCurSel() != index) list->SelectItem(index);
  ShowSettingsSubPage(node->key);
}

void MainFrame::ShowSettingsSubPage(const SkinUI::CUIString& key) {
  const SkinUI::CUIString wanted = SkinUI::CUIString(L"layout_xtsz_") + key;
  for (SkinUI::CControlUI* panel : m_settingsPanels) panel->SetVisible(panel->GetName() == wanted);
  if (key == kUsersSection) FillUserList();
}

void MainFrame::ResetPasswordForm() {
  SkinUI::CControlUI* tip = m_PaintManager.FindControl(L"yhgl_tip");
  SkinUI::CControlUI* password = m_PaintManager.FindControl(L"yhgl_edit_pwd");
  SkinUI::CControlUI* repeated = m_PaintManager.FindControl(L"yhgl_edit_comfirm");
  if (tip == nullptr || password == nullptr || repeated == nullptr) return;
  tip->SetText(L"");
  password->SetText(L"");
  repeated->SetText(L"");
  password->SetFocus();
}

void MainFrame::FillUserList() {
  ResetPasswordForm();
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listyhgl");
  if (list == nullptr) return;
  list->RemoveAll();
  if (g_dataObject == nullptr) return;
  std::vector<DataField> query = {MakeDataField("name", "")};
  std::vector<std::vector<DataField>> rows;
  g_dataObject->QueryRecords("J4_Sys_User", &query, &rows);
  for (const std::vector<DataField>& row : rows) {
    if (row.empty()) continue;
    SkinUI::BarListItemInfo info;
    info.text = WideFromAnsi(row[0].value).c_str();
    info.key = info.text;
    list->AddBarListNode(info, nullptr, L"barlist_item.xml");
  }
  if (list->GetCount() > 0) list->SelectItem(0);
}

void MainFrame::OnSettingsClick(SkinUI::CControlUI& sender) {
  // The page is the owner's; its controls do nothing for anyone else.
  if (!m_session.owner) return;
  const SkinUI::CUIString name = sender.GetName();
  auto toggle = [&](const wchar_t* panel) {
    if (SkinUI::CControlUI* control = m_PaintManager.FindControl(panel)) control->SetVisible(!control->IsVisible());
  };
  if (_wcsicmp(name.GetData(), L"xtsz_bak") == 0) {
    toggle(L"xtsz_layout_bak");
  } else if (_wcsicmp(name.GetData(), L"xtsz_restore") == 0) {
    toggle(L"xtsz_layout_restore");
  } else if (_wcsicmp(name.GetData(), L"sjaq_bak_sel") == 0) {
    ChooseBackupFile(false);
  } else if (_wcsicmp(name.GetData(), L"sjaq_restore_sel") == 0) {
    ChooseBackupFile(true);
  } else if (_wcsicmp(name.GetData(), L"sjaq_btn_bak") == 0) {
    BackupDatabase();
  } else if (_wcsicmp(name.GetData(), L"sjaq_btn_restore") == 0) {
    RestoreDatabase();
  } else if (_wcsicmp(name.GetData(), L"yhgl_save") == 0) {
    SaveUserPassword();
  } else if (_wcsicmp(name.GetData(), L"xtsz_chk_auto_run") == 0) {
    if (auto* box = static_cast<SkinUI::COptionUI*>(sender.GetInterface(L"Option"))) ToggleAutoRun(*box);
  } else if (_wcsicmp(name.GetData(), L"xtsz_chk_mini") == 0) {
    StoreUserOption(m_session.account, pagekit::AccountOption::kMinimiseOnClose, true);
  } else if (_wcsicmp(name.GetData(), L"xtsz_chk_exit") == 0) {
    StoreUserOption(m_session.account, pagekit::AccountOption::kMinimiseOnClose, false);
  }
}

// The box's click arrives before the box changes: the new state is the opposite
// of the shown one.
void MainFrame::ToggleAutoRun(SkinUI::COptionUI& box) {
  const bool on = !box.IsSelected();
  if (StoreUserOption(m_session.account, pagekit::AccountOption::kAutoRun, on) && WriteAutoRun(on)) return;
  // Box, stored option and Run value must agree: all stay as they were.
  StoreUserOption(m_session.account, pagekit::AccountOption::kAutoRun, !on);
  // The box flips once this notification returns; set to the new state now, the
  // flip lands it on the old one.
  box.Selected(on);
  TellFailure(m_hWnd, L"开机运行设置失败！");
}

void MainFrame::SaveUserPassword() {
  SkinUI::CControlUI* tip = m_PaintManager.FindControl(L"yhgl_tip");
  SkinUI::CControlUI* password = m_PaintManager.FindControl(L"yhgl_edit_pwd");
  SkinUI::CControlUI* repeated = m_PaintManager.FindControl(L"yhgl_edit_comfirm");
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listyhgl");
  if (tip == nullptr || password == nullptr || repeated == nullptr || list == nullptr) return;
  tip->SetText(L"");
  SetTipColour(tip, kRefusedColour);
  const int selected = list->GetCurSel();
  SkinUI::BarListNode* node = selected >= 0 ? list->GetNodeOf(list->GetItemAt(selected)) : nullptr;
  if (node == nullptr) {
    tip->SetText(L"请选择用户");
    return;
  }
  if (password->GetText() != repeated->GetText()) {
    tip->SetText(L"2次输入密码不一致！");
    return;
  }
  const std::string account = AnsiFromWide(node->key.GetData());
  // Accounts start without a password, so an empty one may be stored again; but
  // two empty fields look the same as fields not filled in yet, so removing a
  // password that exists is asked first.
  if (password->GetText().IsEmpty() && HasPassword(account)) {
    const std::wstring question = L"两次都没有输入新密码。保存后“" + std::wstring(node->key.GetData()) +
                                  L"”的密码将被清除，登录时不再需要密码。确定要清除吗？";
    if (ShowMessageDialog(m_hWnd, L"提示", question.c_str(), kMsgDlgIconWarning, kMsgDlgCancelButton) != kDialogOk)
      return;
  }
  // The library's own password writer, without a question: the account keeps the
  // recovery question and answer it has.
  const std::string text = AnsiFromWide(password->GetText().GetData());
  const int result =
      g_dataObject != nullptr ? g_dataObject->SetUserPassword(account.c_str(), text.c_str(), "", "") : -1;
  tip->SetText(result == 0 ? L"密码修改完毕！" : L"密码修改失败！");
  // A change made reads as done, not in the red of the refusals above.
  if (result == 0) SetTipColour(tip, kDoneColour);
}

// The target of a backup starts with the day's name; the file to restore from
// has none. The dialog is the main window's, which it keeps disabled meanwhile.
void MainFrame::ChooseBackupFile(bool restore) {
  SkinUI::CControlUI* path = m_PaintManager.FindControl(restore ? L"sjaq_path_to_restore" : L"sjaq_path_to_bak");
  if (path == nullptr) return;
  FileDialog dialog(m_hWnd);
  if (!restore) {
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    dialog.SetFileName(DefaultBackupFileName(today).c_str());
  }
  if (restore ? dialog.ShowOpen() : dialog.ShowSave()) path->SetText(dialog.GetPathName());
}

void MainFrame::BackupDatabase() {
  const std::wstring target = PathOrFocus(m_PaintManager, L"sjaq_path_to_bak");
  if (target.empty()) return;
  if (BackupDatabaseFile(WideFromAnsi(g_dbPath), target)) {
    Tell(m_hWnd, L"备份完毕！");
  } else {
    TellFailure(m_hWnd, L"备份失败！");
  }
}

void MainFrame::RestoreDatabase() {
  const std::wstring source = PathOrFocus(m_PaintManager, L"sjaq_path_to_restore");
  if (source.empty()) return;
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  const RestoreResult result = g_dataObject != nullptr
                                   ? RestoreDatabaseFile(*g_dataObject, g_dbPath, source, g_backupDir, now)
                                   : RestoreResult::kNotReplaced;
  if (result == RestoreResult::kRestored) {
    Tell(m_hWnd, L"恢复完毕！");
  } else {
    TellFailure(m_hWnd, L"恢复失败！");
  }
}

}  // namespace shell
