// The settings page in the main window, its wiring: only the owner opens it
// (router, top-bar button, help menu; the clerk is told in the program's message
// box); real clicks on its side list, boxes, account list and buttons reach the
// page; its dots open the system's file dialog owned by the main window. What the
// page does with them is tested without a window (settings_page_test.cpp).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/label.h"
#include "controls/option.h"
#include "database_copies.h"
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

// The owner's window with the settings page open on one section, shown so that
// its controls can be clicked.
class SettingsPage : public ::testing::Test {
 protected:
  SettingsPage() : main_("老板") {}
  void Open(const wchar_t* section) {
    main_.Show();
    main_.frame().ShowPage(L"备份恢复");
    shelltest::Pump(100);
    SkinUI::BarListNode* entry = List(L"listxtsz")->FindBarListNode(section);
    ASSERT_NE(nullptr, entry);
    shelltest::Click(main_.hwnd(), entry->row);
    shelltest::Pump(150);
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
        case kRouter:
          main.frame().ShowPage(L"备份恢复");
          break;
        case kTopBar: {
          SkinUI::TNotifyUI click{};
          click.type = L"click";
          click.sender = main.Find(L"xtsz");
          main.frame().Notify(click);
          break;
        }
        case kMenuSet:
          main.frame().OnMenuCommand(L"menu_help_set");
          break;
        case kMenuBackup:
          main.frame().OnMenuCommand(L"MENU_HELP_BAK");
          break;
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

// The page's wiring in the window: the side list's entries, the boxes, the account
// list and the buttons reach the page by real clicks; the page's fields are the
// window's controls (entries of the skin's item layouts, the tip's colour).
TEST_F(SettingsPage, ClicksInTheWindowReachThePage) {
  ForgetOptions();
  main_.Show();
  main_.frame().ShowPage(L"备份恢复");
  shelltest::Pump(100);
  SkinUI::CBarListUI* sections = List(L"listxtsz");
  ASSERT_EQ(3, sections->GetCount());
  EXPECT_EQ(L"数据安全", ShownSections()) << "the first section is chosen on opening";
  auto picture = [&](int row) {
    return std::wstring(main_.frame()
                            .GetPaintManager()
                            ->FindSubControlByName(sections->GetItemAt(row), L"easy_item_label")
                            ->GetBkImage());
  };
  EXPECT_EQ(L"AppSet/数据安全2.png", picture(0));

  shelltest::Click(main_.hwnd(), sections->GetItemAt(1));
  shelltest::Pump(150);
  EXPECT_EQ(L"系统参数", ShownSections());
  EXPECT_EQ(1, sections->GetCurSel());
  EXPECT_EQ(L"AppSet/系统参数2.png", picture(1));
  EXPECT_EQ(L"AppSet/数据安全1.png", picture(0));
  ClickOn(L"xtsz_chk_mini");
  EXPECT_EQ("0,1", StoredOptions());
  EXPECT_TRUE(Selected(L"xtsz_chk_mini"));
  shelltest::SaveWindowShot(main_.hwnd(), "settings_options");

  shelltest::Click(main_.hwnd(), sections->GetItemAt(2));
  shelltest::Pump(150);
  EXPECT_EQ(L"用户管理", ShownSections());
  SkinUI::CBarListUI* users = List(L"listyhgl");
  ASSERT_EQ(2, users->GetCount()) << "both accounts are listed";
  EXPECT_EQ(0, users->GetCurSel());
  EXPECT_EQ(SkinUI::CUIString(L"老板"), users->GetNodeOf(users->GetItemAt(0))->key);
  shelltest::SaveWindowShot(main_.hwnd(), "settings_users");
  auto* tip = static_cast<SkinUI::CLabelUI*>(main_.Find(L"yhgl_tip")->GetInterface(L"Label"));
  ASSERT_NE(nullptr, tip);
  main_.Find(L"yhgl_edit_pwd")->SetText(L"新密码");
  main_.Find(L"yhgl_edit_comfirm")->SetText(L"不一样");
  ClickOn(L"yhgl_save");
  EXPECT_EQ(SkinUI::CUIString(L"2次输入密码不一致！"), tip->GetText());
  EXPECT_EQ(0xFFD9534F, tip->GetTextColor());
  // A click on an account empties the form.
  shelltest::Click(main_.hwnd(), users->GetItemAt(1));
  shelltest::Pump(150);
  EXPECT_EQ(SkinUI::CUIString(L""), tip->GetText());
  EXPECT_EQ(SkinUI::CUIString(L""), main_.Find(L"yhgl_edit_pwd")->GetText());

  Open(L"数据安全");
  ClickOn(L"xtsz_bak");
  ClickOn(L"xtsz_restore");
  EXPECT_TRUE(main_.Find(L"xtsz_layout_bak")->IsVisible());
  EXPECT_TRUE(main_.Find(L"xtsz_layout_restore")->IsVisible());
  shelltest::SaveWindowShot(main_.hwnd(), "settings_backup");
  // An empty target: nothing said, the edit takes the focus.
  WatchDialogs dialogs;
  main_.Find(L"sjaq_path_to_bak")->SetText(L"");
  ClickOn(L"sjaq_btn_bak");
  EXPECT_TRUE(dialogs.None()) << dialogs.Only();
  EXPECT_TRUE(main_.frame().GetPaintManager()->GetFocus() == main_.Find(L"sjaq_path_to_bak"));
  ForgetOptions();
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
