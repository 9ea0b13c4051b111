// The settings page's logic over the host's fields and data object (see
// settings_page.h).
#include "settings_page.h"

#include <windows.h>

#include <cwchar>

#include "account_options_store.h"
#include "app_paths.h"
#include "auto_run.h"
#include "database_copies.h"
#include "user_accounts_store.h"

namespace settings {
namespace {

using pagekit::Cell;
using pagekit::PageFields;
using pagekit::PageHost;

const wchar_t kPageName[] = L"备份恢复";
const wchar_t kPanel[] = L"mid_xtsz";
const wchar_t kSectionList[] = L"listxtsz";
const wchar_t kUserList[] = L"listyhgl";
const wchar_t kUsersSection[] = L"用户管理";
const wchar_t kAutoRunBox[] = L"xtsz_chk_auto_run";
const wchar_t kTip[] = L"yhgl_tip";
const wchar_t kPassword[] = L"yhgl_edit_pwd";
const wchar_t kRepeated[] = L"yhgl_edit_comfirm";

// The sections of the side list, each shown with "AppSet/<name>1.png" and, while
// chosen, "AppSet/<name>2.png".
const wchar_t* const kSections[] = {L"数据安全", L"系统参数", L"用户管理"};

// The user page's tip line: red for a refusal, green for a change made.
const wchar_t kRefusedColour[] = L"#FFD9534F";
const wchar_t kDoneColour[] = L"#FF3AA57A";

// The page's own buttons and boxes.
const wchar_t* const kControls[] = {L"xtsz_bak",      L"xtsz_restore",     L"sjaq_bak_sel", L"sjaq_restore_sel",
                                    L"sjaq_btn_bak",  L"sjaq_btn_restore", L"yhgl_save",    L"xtsz_chk_auto_run",
                                    L"xtsz_chk_mini", L"xtsz_chk_exit"};

bool SameName(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

bool IsPageControl(const std::wstring& name) {
  for (const wchar_t* control : kControls) {
    if (SameName(name, control)) return true;
  }
  return false;
}

void ShowSectionPicture(PageFields& fields, int row, bool chosen) {
  const std::wstring key = fields.EntryKey(kSectionList, row);
  if (key.empty()) return;
  fields.SetAttribute(Cell(kSectionList, row, L"easy_item_label"), L"bkimage",
                      L"AppSet/" + key + (chosen ? L"2.png" : L"1.png"));
}

// The path typed or chosen into that edit; an empty edit takes the focus instead.
std::wstring PathOrFocus(PageFields& fields, const wchar_t* edit) {
  if (!fields.Exists(edit)) return std::wstring();
  const std::wstring path = fields.Text(edit);
  if (path.empty()) fields.SetFocus(edit);
  return path;
}

DatabaseFiles ProgramDatabaseFiles() { return {g_dbPath, g_backupDir}; }

bool StoreOption(PageHost& host, pagekit::AccountOption option, bool on) {
  KXPDatavane* data = host.Data();
  if (data == nullptr) return false;
  return pagekit::AccountOptionsStore(*data).Store(host.CurrentSession().account, option, on) ==
         pagekit::StoreResult::kDone;
}

}  // namespace

SettingsPage::SettingsPage() : SettingsPage(MakeWidgetDialogs(), ProgramDatabaseFiles) {}

SettingsPage::SettingsPage(std::unique_ptr<SettingsDialogs> dialogs, std::function<DatabaseFiles()> files)
    : dialogs_(std::move(dialogs)), files_(std::move(files)) {}

std::vector<pagekit::PageRoute> SettingsPage::Routes() const { return {{kPageName}}; }

void SettingsPage::Open(PageHost& host, const std::wstring&) { ShowSettingsPage(host); }

bool SettingsPage::OnEvent(PageHost& host, const pagekit::PageEvent& event) {
  switch (event.kind) {
    case pagekit::EventKind::kClick:
      if (!IsPageControl(event.sender)) return false;
      OnSettingsClick(host, event.sender);
      return true;
    case pagekit::EventKind::kBarListClick:
      if (event.list != kSectionList) return false;
      SelectSettingsSection(host, event.row);
      return true;
    case pagekit::EventKind::kItemClick:
      // Choosing another account starts its form afresh.
      if (event.list != kUserList) return false;
      ResetPasswordForm(host);
      return true;
    default:
      return false;
  }
}

void SettingsPage::ShowSettingsPage(PageHost& host) {
  if (!host.CurrentSession().owner) {
    Tell(host, L"只有老板可以进行系统设置");
    return;
  }
  host.OpenPageTab(kPageName, kPanel, true);
  PageFields& fields = host.Fields();
  // Built once: a later opening finds the section the owner chose still chosen.
  if (fields.Exists(kSectionList) && fields.RowCount(kSectionList) == 0) {
    for (const wchar_t* section : kSections) {
      const int row = fields.AddEntry(kSectionList, section, L"listbar_easy_item.xml");
      if (row < 0) continue;
      ShowSectionPicture(fields, row, false);
      fields.SetText(Cell(kSectionList, row, L"easy_item_label_text"), section);
    }
    if (fields.RowCount(kSectionList) > 0) SelectSettingsSection(host, 0);
  }
  KXPDatavane* data = host.Data();
  if (data == nullptr) return;
  const pagekit::AccountOptions options = pagekit::AccountOptionsStore(*data).Read(host.CurrentSession().account);
  if (options.stored) fields.SetSelected(kAutoRunBox, options.autoRun);
}

void SettingsPage::SelectSettingsSection(PageHost& host, int row) {
  PageFields& fields = host.Fields();
  const std::wstring key = fields.EntryKey(kSectionList, row);
  if (key.empty()) return;
  // The chosen entry takes the highlighted picture from the one chosen before.
  const int previous = fields.SelectedRow(kSectionList);
  if (previous >= 0 && previous != row) ShowSectionPicture(fields, previous, false);
  ShowSectionPicture(fields, row, true);
  if (fields.SelectedRow(kSectionList) != row) fields.SelectRow(kSectionList, row);
  ShowSettingsSubPage(host, key);
}

void SettingsPage::ShowSettingsSubPage(PageHost& host, const std::wstring& key) {
  for (const wchar_t* section : kSections) {
    host.Fields().SetVisible(std::wstring(L"layout_xtsz_") + section, key == section);
  }
  if (key == kUsersSection) FillUserList(host);
}

void SettingsPage::ResetPasswordForm(PageHost& host) {
  PageFields& fields = host.Fields();
  if (!fields.Exists(kTip) || !fields.Exists(kPassword) || !fields.Exists(kRepeated)) return;
  fields.SetText(kTip, L"");
  fields.SetText(kPassword, L"");
  fields.SetText(kRepeated, L"");
  fields.SetFocus(kPassword);
}

void SettingsPage::FillUserList(PageHost& host) {
  ResetPasswordForm(host);
  PageFields& fields = host.Fields();
  if (!fields.Exists(kUserList)) return;
  fields.ClearRows(kUserList);
  KXPDatavane* data = host.Data();
  if (data == nullptr) return;
  for (const std::wstring& account : UserAccountsStore(*data).Names()) {
    fields.AddEntry(kUserList, account, L"barlist_item.xml");
  }
  if (fields.RowCount(kUserList) > 0) fields.SelectRow(kUserList, 0);
}

void SettingsPage::OnSettingsClick(PageHost& host, const std::wstring& name) {
  // The page is the owner's; its controls do nothing for anyone else.
  if (!host.CurrentSession().owner) return;
  PageFields& fields = host.Fields();
  auto toggle = [&](const wchar_t* panel) { fields.SetVisible(panel, !fields.Visible(panel)); };
  if (SameName(name, L"xtsz_bak")) {
    toggle(L"xtsz_layout_bak");
  } else if (SameName(name, L"xtsz_restore")) {
    toggle(L"xtsz_layout_restore");
  } else if (SameName(name, L"sjaq_bak_sel")) {
    ChooseBackupFile(host, false);
  } else if (SameName(name, L"sjaq_restore_sel")) {
    ChooseBackupFile(host, true);
  } else if (SameName(name, L"sjaq_btn_bak")) {
    BackupDatabase(host);
  } else if (SameName(name, L"sjaq_btn_restore")) {
    RestoreDatabase(host);
  } else if (SameName(name, L"yhgl_save")) {
    SaveUserPassword(host);
  } else if (SameName(name, kAutoRunBox)) {
    ToggleAutoRun(host);
  } else if (SameName(name, L"xtsz_chk_mini")) {
    StoreCloseOption(host, true);
  } else if (SameName(name, L"xtsz_chk_exit")) {
    StoreCloseOption(host, false);
  }
}

// The box's click arrives before the box changes: the new state is the opposite
// of the shown one.
void SettingsPage::ToggleAutoRun(PageHost& host) {
  PageFields& fields = host.Fields();
  const bool on = !fields.Selected(kAutoRunBox);
  if (StoreOption(host, pagekit::AccountOption::kAutoRun, on) && shell::WriteAutoRun(on)) return;
  // Box, stored option and Run value must agree: all stay as they were.
  StoreOption(host, pagekit::AccountOption::kAutoRun, !on);
  // The box flips once this click returns; set to the new state now, the flip
  // lands it on the old one.
  fields.SetSelected(kAutoRunBox, on);
  TellFailure(host, L"开机运行设置失败！");
}

void SettingsPage::StoreCloseOption(PageHost& host, bool minimise) {
  StoreOption(host, pagekit::AccountOption::kMinimiseOnClose, minimise);
}

void SettingsPage::SaveUserPassword(PageHost& host) {
  PageFields& fields = host.Fields();
  if (!fields.Exists(kTip) || !fields.Exists(kPassword) || !fields.Exists(kRepeated) || !fields.Exists(kUserList))
    return;
  fields.SetText(kTip, L"");
  fields.SetAttribute(kTip, L"textcolor", kRefusedColour);
  const int selected = fields.SelectedRow(kUserList);
  const std::wstring account = selected >= 0 ? fields.EntryKey(kUserList, selected) : std::wstring();
  if (account.empty()) {
    fields.SetText(kTip, L"请选择用户");
    return;
  }
  const std::wstring password = fields.Text(kPassword);
  if (password != fields.Text(kRepeated)) {
    fields.SetText(kTip, L"2次输入密码不一致！");
    return;
  }
  KXPDatavane* data = host.Data();
  // Accounts start without a password, so an empty one may be stored again; but
  // two empty fields look the same as fields not filled in yet, so removing a
  // password that exists is asked first.
  if (password.empty() && data != nullptr && UserAccountsStore(*data).HasPassword(account)) {
    const std::wstring question =
        L"两次都没有输入新密码。保存后“" + account + L"”的密码将被清除，登录时不再需要密码。确定要清除吗？";
    if (!dialogs_->Message(host.OwnerWindow(), L"提示", question, MessageIcon::kWarning, true)) return;
  }
  const bool stored =
      data != nullptr && UserAccountsStore(*data).SetPassword(account, password) == pagekit::StoreResult::kDone;
  fields.SetText(kTip, stored ? L"密码修改完毕！" : L"密码修改失败！");
  // A change made reads as done, not in the red of the refusals above.
  if (stored) fields.SetAttribute(kTip, L"textcolor", kDoneColour);
}

// The target of a backup starts with the day's name; the file to restore from
// has none.
void SettingsPage::ChooseBackupFile(PageHost& host, bool restore) {
  const wchar_t* edit = restore ? L"sjaq_path_to_restore" : L"sjaq_path_to_bak";
  if (!host.Fields().Exists(edit)) return;
  std::wstring name;
  if (!restore) {
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    name = shell::DefaultBackupFileName(today);
  }
  const std::wstring chosen = dialogs_->ChooseFile(host.OwnerWindow(), !restore, name);
  if (!chosen.empty()) host.Fields().SetText(edit, chosen);
}

void SettingsPage::BackupDatabase(PageHost& host) {
  const std::wstring target = PathOrFocus(host.Fields(), L"sjaq_path_to_bak");
  if (target.empty()) return;
  if (shell::BackupDatabaseFile(pagekit::PageText(files_().database), target)) {
    Tell(host, L"备份完毕！");
  } else {
    TellFailure(host, L"备份失败！");
  }
}

void SettingsPage::RestoreDatabase(PageHost& host) {
  const std::wstring source = PathOrFocus(host.Fields(), L"sjaq_path_to_restore");
  if (source.empty()) return;
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  const DatabaseFiles files = files_();
  KXPDatavane* data = host.Data();
  const shell::RestoreResult result =
      data != nullptr ? shell::RestoreDatabaseFile(*data, files.database, source, files.backupFolder, now)
                      : shell::RestoreResult::kNotReplaced;
  if (result == shell::RestoreResult::kRestored) {
    Tell(host, L"恢复完毕！");
  } else {
    TellFailure(host, L"恢复失败！");
  }
}

void SettingsPage::Tell(PageHost& host, const wchar_t* text) {
  dialogs_->Message(host.OwnerWindow(), L"提示", text, MessageIcon::kInfo, false);
}

void SettingsPage::TellFailure(PageHost& host, const wchar_t* text) {
  dialogs_->Message(host.OwnerWindow(), L"错误", text, MessageIcon::kError, false);
}

}  // namespace settings
