// The settings page in the main window: only the owner opens it (router, top-bar
// button, help menu); its side list switches the sections; the start and close
// options are stored per account in "tb_priority" (inserted, then updated) and the
// Run value follows the box, or the box goes back when the value cannot be
// written; passwords are saved for the chosen account; backup and restore report
// success only when they succeeded.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app_paths.h"
#include "auto_run.h"
#include "controls/bar_list.h"
#include "controls/label.h"
#include "controls/option.h"
#include "database_copies.h"
#include "get_password_dialog.h"
#include "test_support/dialog_script.h"
#include "test_support/shell_doubles.h"
#include "test_support/window_shot.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;

// Answers every message dialog (with OK unless told otherwise) and remembers
// "title|text|icon image".
struct SeenDialogs {
  static UINT& Answer() {
    static UINT answer = 1;
    return answer;
  }
  static std::vector<std::wstring>& All() {
    static std::vector<std::wstring> all;
    return all;
  }
  static void Watch(shell::CMsgDlg* dialog) {
    SkinUI::CControlUI* image = dialog->GetPaintManager()->FindControl(L"msgdlg_img");
    All().push_back(std::wstring(dialog->GetTitle().GetData()) + L"|" + dialog->GetText().GetData() + L"|" +
                    (image != nullptr ? image->GetBkImage() : L""));
    dialog->Close(Answer());
  }
};

class WatchDialogs {
 public:
  explicit WatchDialogs(UINT answer = 1) : previous_(shell::SetMsgDlgWatcher(&SeenDialogs::Watch)) {
    SeenDialogs::All().clear();
    SeenDialogs::Answer() = answer;
  }
  ~WatchDialogs() { shell::SetMsgDlgWatcher(previous_); }
  std::wstring Only() const {
    const std::vector<std::wstring>& all = SeenDialogs::All();
    return all.size() == 1 ? all[0] : L"<" + std::to_wstring(all.size()) + L" dialogs>";
  }
  bool None() const { return SeenDialogs::All().empty(); }

 private:
  shell::MsgDlgWatcher previous_;
};

std::wstring Said(const wchar_t* title, const wchar_t* text, unsigned icon) {
  return std::wstring(title) + L"|" + text + L"|" + shell::MsgDlgIconImage(icon);
}
std::wstring Info(const wchar_t* text) { return Said(L"提示", text, shell::kMsgDlgIconInfo); }
std::wstring Error(const wchar_t* text) { return Said(L"错误", text, shell::kMsgDlgIconError); }

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The owner's options (the account the page is tested with) as "autorun,exit_min",
// or "-" without a row.
std::string StoredOptions() {
  std::vector<DataField> query = {MakeDataField("name", "老板"), MakeDataField("autorun", ""),
                                  MakeDataField("exit_min", "")};
  std::vector<std::vector<DataField>> rows;
  g_dataObject->QueryRecords("tb_priority", &query, &rows);
  if (rows.empty()) return "-";
  return rows[0][1].value + "," + rows[0][2].value;
}

void ForgetOptions() {
  std::vector<DataField> where = {MakeDataField("name", "老板")};
  g_dataObject->DeleteRecords("tb_priority", &where);
}

// The Run value as the registry holds it, or "<none>".
std::wstring RunValue() {
  const shell::RunKeyLocation run = shell::DefaultRunKeyLocation();
  wchar_t data[1024] = {};
  DWORD size = sizeof(data);
  if (::RegGetValueW(run.root, run.subkey, shell::kAutoRunValueName, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS)
    return L"<none>";
  return data;
}

// The Run value is the real one of this Wine prefix: a test program left in it
// would be started with the prefix. Gone before and after.
class RunValueCleared {
 public:
  RunValueCleared() { Clear(); }
  ~RunValueCleared() {
    shell::SetRunKeyLocation(shell::DefaultRunKeyLocation());
    Clear();
  }
  static void Clear() {
    const shell::RunKeyLocation run = shell::DefaultRunKeyLocation();
    ::RegDeleteKeyValueW(run.root, run.subkey, shell::kAutoRunValueName);
  }
};

// The owner's window with the settings page open on one section, shown so that
// its controls can be clicked.
class SettingsPage : public ::testing::Test {
 protected:
  SettingsPage() : main_("老板") {}
  void Open(const wchar_t* section) {
    main_.Show();
    main_.frame().ShowPage(L"备份恢复");
    SkinUI::BarListNode* entry = List(L"listxtsz")->FindBarListNode(section);
    ASSERT_NE(nullptr, entry);
    main_.frame().SelectSettingsSection(entry->row);
    shelltest::Pump(100);
  }
  void ClickOn(const wchar_t* name) {
    shelltest::Click(main_.hwnd(), main_.Find(name));
    shelltest::Pump(150);
  }
  bool Selected(const wchar_t* name) { return shell::FindOption(*main_.frame().GetPaintManager(), name)->IsSelected(); }
  SkinUI::CBarListUI* List(const wchar_t* name) { return shell::FindBarList(*main_.frame().GetPaintManager(), name); }
  std::wstring ShownSections() {
    std::wstring shown;
    for (const wchar_t* key : {L"数据安全", L"系统参数", L"用户管理"}) {
      if (main_.Find((std::wstring(L"layout_xtsz_") + key).c_str())->IsVisible()) shown += key;
    }
    return shown;
  }
  MainWindow main_;
};

TEST(SettingsAccess, OnlyTheOwnerOpensThePage) {
  enum Way { kRouter, kTopBar, kMenuSet, kMenuBackup };
  for (const char* account : {"老板", "营业员"}) {
    for (Way way : {kRouter, kTopBar, kMenuSet, kMenuBackup}) {
      MainWindow main(account);
      WatchDialogs dialogs;
      switch (way) {
        case kRouter: main.frame().ShowPage(L"备份恢复"); break;
        case kTopBar: {
          SkinUI::TNotifyUI click{};
          click.type = L"click";
          click.sender = main.Find(L"xtsz");
          main.frame().Notify(click);
          break;
        }
        case kMenuSet: main.frame().OnMenuCommand(L"menu_help_set"); break;
        case kMenuBackup: main.frame().OnMenuCommand(L"MENU_HELP_BAK"); break;
      }
      const bool owner = std::string(account) == "老板";
      const std::vector<SkinUI::CUIString> tabs = main.frame().GetOpenTabs();
      EXPECT_EQ(owner, main.Find(L"mid_xtsz")->IsVisible()) << account << " way " << way;
      // The home tab is open from the start; the settings tab joins it for the owner.
      ASSERT_EQ(owner ? 2u : 1u, tabs.size()) << account << " way " << way;
      EXPECT_EQ(SkinUI::CUIString(L"首页"), tabs[0]);
      if (owner) {
        EXPECT_TRUE(dialogs.None()) << dialogs.Only();
        EXPECT_EQ(SkinUI::CUIString(L"备份恢复"), tabs[1]);
      } else {
        EXPECT_EQ(Info(L"只有老板可以进行系统设置"), dialogs.Only()) << way;
      }
    }
  }
}

TEST_F(SettingsPage, TheSideListSwitchesTheSections) {
  main_.frame().ShowPage(L"备份恢复");
  SkinUI::CBarListUI* sections = List(L"listxtsz");
  ASSERT_EQ(3, sections->GetCount());
  EXPECT_EQ(L"数据安全", ShownSections()) << "the first section is chosen on opening";
  EXPECT_EQ(0, sections->GetCurSel());

  struct Case {
    const wchar_t* key;
    const wchar_t* shown;
  } cases[] = {
      {L"用户管理", L"用户管理"}, {L"系统参数", L"系统参数"}, {L"没有这一节", L""}, {L"数据安全", L"数据安全"}};
  for (const Case& c : cases) {
    main_.frame().ShowSettingsSubPage(c.key);
    EXPECT_EQ(c.shown, ShownSections()) << c.key;
  }
  // A click on an entry: its highlight moves with it and its section shows.
  main_.frame().SelectSettingsSection(sections->GetItemAt(2));
  EXPECT_EQ(L"用户管理", ShownSections());
  EXPECT_EQ(2, sections->GetCurSel());
  auto picture = [&](int row) {
    return std::wstring(main_.frame().GetPaintManager()->FindSubControlByName(sections->GetItemAt(row),
                                                                               L"easy_item_label")->GetBkImage());
  };
  EXPECT_EQ(L"AppSet/用户管理2.png", picture(2));
  EXPECT_EQ(L"AppSet/数据安全1.png", picture(0));
  // Opening the page again keeps its three entries.
  main_.frame().ShowPage(L"备份恢复");
  EXPECT_EQ(3, sections->GetCount());
}

TEST_F(SettingsPage, CloseOptionIsInsertedThenUpdated) {
  ForgetOptions();
  Open(L"系统参数");
  struct Step {
    const wchar_t* click;
    const char* stored;
  } steps[] = {{L"xtsz_chk_mini", "0,1"}, {L"xtsz_chk_exit", "0,0"}, {L"xtsz_chk_mini", "0,1"}};
  for (const Step& s : steps) {
    ClickOn(s.click);
    EXPECT_EQ(s.stored, StoredOptions()) << s.click;
    EXPECT_TRUE(Selected(s.click));
  }
  ForgetOptions();
}

TEST_F(SettingsPage, StartingWithWindowsWritesTheRunValue) {
  RunValueCleared cleared;
  ForgetOptions();
  Open(L"系统参数");
  ClickOn(L"xtsz_chk_auto_run");
  EXPECT_TRUE(Selected(L"xtsz_chk_auto_run"));
  EXPECT_EQ("1,0", StoredOptions()) << "the first toggle inserts the row";
  shelltest::SaveWindowShot(main_.hwnd(), "settings_options");
  EXPECT_EQ(shell::AutoRunCommand(), RunValue());

  ClickOn(L"xtsz_chk_auto_run");
  EXPECT_FALSE(Selected(L"xtsz_chk_auto_run"));
  EXPECT_EQ("0,0", StoredOptions());
  EXPECT_EQ(L"", RunValue()) << "unticked leaves the value, empty";

  // Opening the page again shows the stored state.
  ClickOn(L"xtsz_chk_auto_run");
  shell::FindOption(*main_.frame().GetPaintManager(), L"xtsz_chk_auto_run")->Selected(false);
  main_.frame().ShowPage(L"备份恢复");
  EXPECT_TRUE(Selected(L"xtsz_chk_auto_run"));
  ClickOn(L"xtsz_chk_auto_run");
  ForgetOptions();
}

TEST_F(SettingsPage, ARunValueThatCannotBeWrittenPutsTheBoxAndOptionBack) {
  RunValueCleared cleared;
  ForgetOptions();
  Open(L"系统参数");
  const shell::RunKeyLocation refused = {reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7777)), L"Nowhere"};
  struct Case {
    bool ticked;  // the box before the refused click, and after it
    const char* stored;
    std::wstring value;
  } cases[] = {
      {false, "0,0", L"<none>"},
      {true, "1,0", shell::AutoRunCommand()},
  };
  for (const Case& c : cases) {
    shell::SetRunKeyLocation(shell::DefaultRunKeyLocation());
    if (Selected(L"xtsz_chk_auto_run") != c.ticked) ClickOn(L"xtsz_chk_auto_run");
    ASSERT_EQ(c.ticked, Selected(L"xtsz_chk_auto_run"));
    shell::SetRunKeyLocation(refused);
    WatchDialogs dialogs;
    ClickOn(L"xtsz_chk_auto_run");
    EXPECT_EQ(Error(L"开机运行设置失败！"), dialogs.Only());
    EXPECT_EQ(c.ticked, Selected(L"xtsz_chk_auto_run"));
    EXPECT_EQ(c.stored, StoredOptions());
    EXPECT_EQ(c.value, RunValue());
  }
  ForgetOptions();
}

TEST_F(SettingsPage, PasswordsAreSavedForTheChosenAccount) {
  Open(L"用户管理");
  SkinUI::CBarListUI* users = List(L"listyhgl");
  ASSERT_EQ(2, users->GetCount()) << "both accounts are listed";
  EXPECT_EQ(0, users->GetCurSel());
  shelltest::SaveWindowShot(main_.hwnd(), "settings_users");
  // Both fields empty removes the account's password: asked first when it has one.
  auto removal = [](const wchar_t* account) {
    const std::wstring text =
        std::wstring(L"两次都没有输入新密码。保存后“") + account + L"”的密码将被清除，登录时不再需要密码。确定要清除吗？";
    return Said(L"提示", text.c_str(), shell::kMsgDlgIconWarning);
  };
  struct Case {
    int row;  // -1: none chosen
    const wchar_t* password;
    const wchar_t* repeated;
    UINT answer;  // to the question, when one comes
    std::vector<std::wstring> asked;
    const wchar_t* tip;
    const char* account;  // whose password is then `stored`, or null
    const char* stored;
  } cases[] = {
      {-1, L"abc", L"abc", 1, {}, L"请选择用户", nullptr, nullptr},
      {1, L"abc", L"abd", 1, {}, L"2次输入密码不一致！", nullptr, nullptr},
      {1, L"新密码1", L"新密码1", 1, {}, L"密码修改完毕！", "营业员", "新密码1"},
      {0, L"o'quote", L"o'quote", 1, {}, L"密码修改完毕！", "老板", "o'quote"},
      {0, L"", L"", 2, {removal(L"老板")}, L"", "老板", "o'quote"},
      {0, L"", L"", 1, {removal(L"老板")}, L"密码修改完毕！", "老板", ""},
      {1, L"", L"", 1, {removal(L"营业员")}, L"密码修改完毕！", "营业员", ""},
      {1, L"", L"", 1, {}, L"密码修改完毕！", "营业员", ""},
  };
  for (const Case& c : cases) {
    if (c.row < 0) {
      users->SelectItem(-1);
    } else {
      users->SelectItem(c.row);
    }
    main_.Find(L"yhgl_edit_pwd")->SetText(c.password);
    main_.Find(L"yhgl_edit_comfirm")->SetText(c.repeated);
    WatchDialogs dialogs(c.answer);
    ClickOn(L"yhgl_save");
    EXPECT_EQ(c.asked, SeenDialogs::All()) << c.tip;
    EXPECT_EQ(SkinUI::CUIString(c.tip), main_.Find(L"yhgl_tip")->GetText()) << c.tip;
    if (c.account != nullptr) {
      EXPECT_EQ(0, g_dataObject->CheckUserPassword(c.account, c.stored)) << c.account;
    }
  }
  // A store that fails says so: the data object pointed at a folder.
  users->SelectItem(1);
  main_.Find(L"yhgl_edit_pwd")->SetText(L"x");
  main_.Find(L"yhgl_edit_comfirm")->SetText(L"x");
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  g_dataObject->OpenDatabase(temp);
  ClickOn(L"yhgl_save");
  g_dataObject->OpenDatabase(g_dbPath);
  EXPECT_EQ(SkinUI::CUIString(L"密码修改失败！"), main_.Find(L"yhgl_tip")->GetText());
  EXPECT_EQ(0, g_dataObject->CheckUserPassword("营业员", ""));

  // A click on an account empties the form.
  main_.Find(L"yhgl_tip")->SetText(L"旧的提示");
  main_.Find(L"yhgl_edit_pwd")->SetText(L"typed");
  ClickOn(L"listyhgl");
  shelltest::Click(main_.hwnd(), users->GetItemAt(0));
  shelltest::Pump(150);
  EXPECT_EQ(SkinUI::CUIString(L""), main_.Find(L"yhgl_tip")->GetText());
  EXPECT_EQ(SkinUI::CUIString(L""), main_.Find(L"yhgl_edit_pwd")->GetText());
  // Choosing the section again lists the accounts again, once each.
  main_.frame().ShowSettingsSubPage(L"用户管理");
  EXPECT_EQ(2, users->GetCount());
}

// The page changes the password only: the account's recovery question and answer,
// set through the password dialog, still recover it afterwards.
TEST_F(SettingsPage, ANewPasswordKeepsTheRecoveryQuestion) {
  ASSERT_EQ(0, g_dataObject->SetUserPassword("营业员", "旧密码", "母亲的姓", "王"));
  Open(L"用户管理");
  List(L"listyhgl")->SelectItem(1);
  main_.Find(L"yhgl_edit_pwd")->SetText(L"新密码");
  main_.Find(L"yhgl_edit_comfirm")->SetText(L"新密码");
  ClickOn(L"yhgl_save");
  EXPECT_EQ(SkinUI::CUIString(L"密码修改完毕！"), main_.Find(L"yhgl_tip")->GetText());
  EXPECT_EQ(0, g_dataObject->CheckUserPassword("营业员", shell::AnsiFromWide(L"新密码").c_str()));
  std::string question, answer;
  ASSERT_TRUE(shell::ReadAccountRecovery("营业员", &question, &answer));
  EXPECT_EQ(shell::AnsiFromWide(L"母亲的姓"), question);
  EXPECT_EQ(shell::AnsiFromWide(L"王"), answer);
  // The clerk without password or question again, as the other tests expect.
  std::vector<DataField> set = {MakeDataField("pwd", ""), MakeDataField("question", ""), MakeDataField("answer", "")};
  std::vector<DataField> where = {MakeDataField("name", "营业员")};
  EXPECT_EQ(0, g_dataObject->UpdateRecord("J4_Sys_User", &set, &where));
}

// The user page's tip tells a change made in green and a refusal in red, also
// right after one another.
TEST_F(SettingsPage, APasswordChangedReadsAsDoneAndARefusalAsAnError) {
  Open(L"用户管理");
  SkinUI::CBarListUI* users = List(L"listyhgl");
  auto* tip = static_cast<SkinUI::CLabelUI*>(main_.Find(L"yhgl_tip")->GetInterface(L"Label"));
  ASSERT_NE(nullptr, tip);
  const struct {
    const wchar_t* repeated;
    DWORD colour;
  } cases[] = {{L"新密码", 0xFF3AA57A}, {L"不一样", 0xFFD9534F}, {L"新密码", 0xFF3AA57A}};
  for (const auto& c : cases) {
    users->SelectItem(1);
    main_.Find(L"yhgl_edit_pwd")->SetText(L"新密码");
    main_.Find(L"yhgl_edit_comfirm")->SetText(c.repeated);
    ClickOn(L"yhgl_save");
    EXPECT_EQ(c.colour, tip->GetTextColor()) << shell::AnsiFromWide(tip->GetText().GetData());
  }
  // The clerk has no password again, as the other tests expect.
  std::vector<DataField> set = {MakeDataField("pwd", "")};
  std::vector<DataField> where = {MakeDataField("name", "营业员")};
  EXPECT_EQ(0, g_dataObject->UpdateRecord("J4_Sys_User", &set, &where));
}

TEST_F(SettingsPage, BackupAndRestoreSaySoOnlyWhenDone) {
  Open(L"数据安全");
  ClickOn(L"xtsz_bak");
  ClickOn(L"xtsz_restore");
  ASSERT_TRUE(main_.Find(L"xtsz_layout_bak")->IsVisible());
  ASSERT_TRUE(main_.Find(L"xtsz_layout_restore")->IsVisible());
  shelltest::SaveWindowShot(main_.hwnd(), "settings_backup");

  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string target = std::string(temp) + "settings_test_backup.db";
  const std::string random = std::string(temp) + "settings_test_random.db";
  std::ofstream(random, std::ios::binary) << std::string(5000, 'r');
  ::DeleteFileA(target.c_str());
  const std::string live = Read(g_dbPath);

  struct Case {
    const wchar_t* button;
    const wchar_t* edit;
    std::string path;
    std::wstring said;  // empty: nothing said, the edit takes the focus
  } cases[] = {
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", "", L""},
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", target, Info(L"备份完毕！")},
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", std::string(temp) + "no such folder\\x.db", Error(L"备份失败！")},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", "", L""},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", random, Error(L"恢复失败！")},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", target, Info(L"恢复完毕！")},
  };
  for (const Case& c : cases) {
    WatchDialogs dialogs;
    main_.Find(c.edit)->SetText(shell::WideFromAnsi(c.path).c_str());
    ClickOn(c.button);
    if (c.said.empty()) {
      EXPECT_TRUE(dialogs.None()) << c.button;
      EXPECT_TRUE(main_.frame().GetPaintManager()->GetFocus() == main_.Find(c.edit)) << c.button;
    } else {
      EXPECT_EQ(c.said, dialogs.Only()) << c.path;
    }
  }
  EXPECT_EQ(live, Read(target)) << "the backup is the database";
  // Restored from its own backup, the database goes on answering.
  std::vector<std::string> names;
  EXPECT_EQ(0, g_dataObject->GetUserNames(&names));
  EXPECT_EQ(2u, names.size());
  ::DeleteFileA(target.c_str());
  ::DeleteFileA(random.c_str());
}

// The system's file dialog answered from a timer while its modal loop runs: what
// its name field held at the start, then the path typed into it and confirmed.
struct FileDialogAnswer {
  static HWND& Owner() {
    static HWND owner = nullptr;
    return owner;
  }
  static std::wstring& Path() {
    static std::wstring path;
    return path;
  }
  static std::wstring& FirstName() {
    static std::wstring name;
    return name;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const std::vector<HWND> found = shelltest::SystemDialogsOwnedBy(Owner());
    if (found.empty()) return;
    ::KillTimer(nullptr, id);
    wchar_t name[MAX_PATH] = {};
    if (!::GetDlgItemTextW(found[0], 0x47c, name, MAX_PATH)) ::GetDlgItemTextW(found[0], 0x480, name, MAX_PATH);
    FirstName() = name;
    if (!::SetDlgItemTextW(found[0], 0x47c, Path().c_str())) ::SetDlgItemTextW(found[0], 0x480, Path().c_str());
    ::PostMessageW(found[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(found[0], IDOK)));
  }
};

TEST_F(SettingsPage, TheDotsChooseTheFilesInADialogOfTheMainWindow) {
  Open(L"数据安全");
  ClickOn(L"xtsz_bak");
  ClickOn(L"xtsz_restore");
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::wstring folder = shell::WideFromAnsi(temp);
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  std::ofstream(std::string(temp) + "settings_pick.db") << "x";
  struct Case {
    const wchar_t* button;
    const wchar_t* edit;
    std::wstring firstName;  // what the dialog offers at the start
    std::wstring chosen;
  } cases[] = {
      {L"sjaq_bak_sel", L"sjaq_path_to_bak", shell::DefaultBackupFileName(today), folder + L"settings_target.db"},
      {L"sjaq_restore_sel", L"sjaq_path_to_restore", L"", folder + L"settings_pick.db"},
  };
  for (const Case& c : cases) {
    FileDialogAnswer::Owner() = main_.hwnd();
    FileDialogAnswer::Path() = c.chosen;
    FileDialogAnswer::FirstName() = L"<no dialog>";
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &FileDialogAnswer::Tick);
    ClickOn(c.button);
    shelltest::PumpUntil([&] { return !main_.Find(c.edit)->GetText().IsEmpty(); }, 5000);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(c.firstName, FileDialogAnswer::FirstName()) << c.button;
    EXPECT_EQ(SkinUI::CUIString(c.chosen.c_str()), main_.Find(c.edit)->GetText()) << c.button;
  }
  ::DeleteFileA((std::string(temp) + "settings_pick.db").c_str());
}

}  // namespace
