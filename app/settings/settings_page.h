// The settings page ("备份恢复", panel "mid_xtsz"), the owner's alone: the side list
// of its three sections; starting with Windows and minimising on close (stored per
// account in "tb_priority"); every account's password; backup and restore of the
// database file. Its logic runs on the host's fields and data object, so that it is
// tested without a window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "settings_dialogs.h"

namespace settings {

// The database file and the folder where a restore keeps the file it replaces
// (ANSI, as the data library takes paths).
struct DatabaseFiles {
  std::string database;
  std::string backupFolder;
};

class SettingsPage final : public pagekit::Page {
 public:
  // The program's dialogs and database files.
  SettingsPage();
  // Tests give their own dialogs and files.
  SettingsPage(std::unique_ptr<SettingsDialogs> dialogs, std::function<DatabaseFiles()> files);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // Opens the page for the owner (anyone else is told it is the owner's): its
  // tab and panel, the sections on first opening, the stored start option.
  void ShowSettingsPage(pagekit::PageHost& host);
  // A section of the side list chosen by its row: its highlight and its sub-page.
  void SelectSettingsSection(pagekit::PageHost& host, int row);
  // Shows the sub-page of that section alone; the users' section lists the accounts.
  void ShowSettingsSubPage(pagekit::PageHost& host, const std::wstring& key);
  void ResetPasswordForm(pagekit::PageHost& host);
  void FillUserList(pagekit::PageHost& host);
  // A click on one of the page's buttons and boxes, by the control's name. The
  // click of a box comes before the box changes.
  void OnSettingsClick(pagekit::PageHost& host, const std::wstring& name);

 private:
  void ToggleAutoRun(pagekit::PageHost& host);
  void StoreCloseOption(pagekit::PageHost& host, bool minimise);
  void SaveUserPassword(pagekit::PageHost& host);
  void ChooseBackupFile(pagekit::PageHost& host, bool restore);
  void BackupDatabase(pagekit::PageHost& host);
  void RestoreDatabase(pagekit::PageHost& host);
  void Tell(pagekit::PageHost& host, const wchar_t* text);
  void TellFailure(pagekit::PageHost& host, const wchar_t* text);

  std::unique_ptr<SettingsDialogs> dialogs_;
  std::function<DatabaseFiles()> files_;
};

}  // namespace settings
