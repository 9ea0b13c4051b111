// The settings page's logic without a window, on in-memory fields and the real
// Datavane.dll: only the owner opens it; its side list switches the sections; the
// start and close options are stored per account in "tb_priority" (inserted, then
// updated) and the Run value follows the box, or the box goes back when the value
// cannot be written; passwords are saved for the chosen account; backup and restore
// report success only when they succeeded.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "auto_run.h"
#include "database_copies.h"
#include "settings_page.h"
#include "test_support/datavane_dll.h"
#include "test_support/memory_host.h"
#include "text_conversion.h"

namespace {

using pagekit::Cell;
using pagekit::EventKind;
using pagekit::MemoryFields;
using pagekit::test::MemoryHost;
using settings::MessageIcon;
using settings::SettingsPage;

// What the page asked of the user, as "title|text|icon" and "save|name" or
// "open|name"; message boxes are answered `answer` (OK unless told otherwise),
// file dialogs with `chosen`.
struct Asked {
  std::vector<std::wstring> seen;
  bool answer = true;
  std::wstring chosen;

  std::wstring Only() const { return seen.size() == 1 ? seen[0] : L"<" + std::to_wstring(seen.size()) + L" asked>"; }
};

std::wstring IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInfo:
      return L"info";
    case MessageIcon::kWarning:
      return L"warning";
    case MessageIcon::kError:
      return L"error";
  }
  return L"?";
}

class AskedDialogs : public settings::SettingsDialogs {
 public:
  explicit AskedDialogs(Asked& asked) : asked_(asked) {}
  bool Message(HWND, const std::wstring& title, const std::wstring& text, MessageIcon icon, bool) override {
    asked_.seen.push_back(title + L"|" + text + L"|" + IconName(icon));
    return asked_.answer;
  }
  std::wstring ChooseFile(HWND, bool save, const std::wstring& fileName) override {
    asked_.seen.push_back((save ? L"save|" : L"open|") + fileName);
    return asked_.chosen;
  }

 private:
  Asked& asked_;
};

std::wstring Said(const wchar_t* title, const wchar_t* text, MessageIcon icon) {
  return std::wstring(title) + L"|" + text + L"|" + IconName(icon);
}
std::wstring Info(const wchar_t* text) { return Said(L"提示", text, MessageIcon::kInfo); }
std::wstring Error(const wchar_t* text) { return Said(L"错误", text, MessageIcon::kError); }

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

// The page on a host whose fields are the controls of the page's layout, logged in
// as the owner, on a fresh database with the library's two accounts.
class SettingsPageTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    ASSERT_EQ(0, data().AddUser("老板", ""));
    ASSERT_EQ(0, data().AddUser("营业员", ""));
    host_ = std::make_unique<MemoryHost>(data_, pagekit::Session{L"老板", true});
    DeclareLayout(host_->fields);
    backupFolder_ = ::testing::TempDir() + "settings_page_bak\\";
    ::CreateDirectoryA(backupFolder_.c_str(), nullptr);
    page_ = std::make_unique<SettingsPage>(std::make_unique<AskedDialogs>(asked_), [this] {
      return settings::DatabaseFiles{path_, backupFolder_};
    });
  }
  void TearDown() override {
    page_.reset();
    DatavaneDllTest::TearDown();
  }

  static void DeclareLayout(MemoryFields& fields) {
    using Kind = MemoryFields::Kind;
    fields.AddTreeList(L"listxtsz");
    fields.AddTreeList(L"listyhgl");
    fields.DeclareEntryLayout(L"listbar_easy_item.xml", {{L"easy_item_label"}, {L"easy_item_label_text"}});
    fields.DeclareEntryLayout(L"barlist_item.xml", {{L"item_text"}});
    for (const wchar_t* section : {L"layout_xtsz_数据安全", L"layout_xtsz_系统参数", L"layout_xtsz_用户管理"}) {
      fields.Add(section);
    }
    for (const wchar_t* box : {L"xtsz_chk_auto_run", L"xtsz_chk_mini", L"xtsz_chk_exit"})
      fields.Add(box, Kind::kOption);
    for (const wchar_t* edit : {L"yhgl_edit_pwd", L"yhgl_edit_comfirm", L"sjaq_path_to_bak", L"sjaq_path_to_restore"}) {
      fields.Add(edit, Kind::kEdit);
    }
    for (const wchar_t* control : {L"yhgl_tip", L"yhgl_save", L"xtsz_bak", L"xtsz_restore", L"sjaq_bak_sel",
                                   L"sjaq_btn_bak", L"sjaq_restore_sel", L"sjaq_btn_restore"}) {
      fields.Add(control);
    }
    for (const wchar_t* panel : {L"xtsz_layout_bak", L"xtsz_layout_restore"}) {
      fields.Add(panel);
      fields.SetVisible(panel, false);
    }
  }

  MemoryFields& fields() { return host_->fields; }

  // Opens the page on one section, as the side list's entry of that name chosen.
  void Open(const wchar_t* section) {
    page_->Open(*host_, L"备份恢复");
    for (int row = 0; row < fields().RowCount(L"listxtsz"); ++row) {
      if (fields().EntryKey(L"listxtsz", row) == section) page_->SelectSettingsSection(*host_, row);
    }
  }

  // A click as the window delivers it: the page hears it before the box changes;
  // a check box then flips, an option of a group is then the group's choice.
  void ClickOn(const wchar_t* name) {
    pagekit::PageEvent click;
    click.sender = name;
    EXPECT_TRUE(page_->OnEvent(*host_, click)) << "the page's own control";
    const std::wstring control = name;
    if (control == L"xtsz_chk_auto_run") fields().SetSelected(name, !fields().Selected(name));
    if (control == L"xtsz_chk_mini" || control == L"xtsz_chk_exit") {
      fields().SetSelected(L"xtsz_chk_mini", control == L"xtsz_chk_mini");
      fields().SetSelected(L"xtsz_chk_exit", control == L"xtsz_chk_exit");
    }
  }

  std::wstring ShownSections() {
    std::wstring shown;
    for (const wchar_t* key : {L"数据安全", L"系统参数", L"用户管理"}) {
      if (fields().Visible(std::wstring(L"layout_xtsz_") + key)) shown += key;
    }
    return shown;
  }

  // An account's options as "autorun,exit_min", or "-" without a row.
  std::string StoredOptions(const char* account = "老板") {
    std::vector<DataField> query = {MakeDataField("name", account), MakeDataField("autorun", ""),
                                    MakeDataField("exit_min", "")};
    std::vector<std::vector<DataField>> rows;
    data().QueryRecords("tb_priority", &query, &rows);
    if (rows.empty()) return "-";
    return rows[0][1].value + "," + rows[0][2].value;
  }

  Asked asked_;
  std::unique_ptr<MemoryHost> host_;
  std::unique_ptr<SettingsPage> page_;
  std::string backupFolder_;
};

TEST_F(SettingsPageTest, OnlyTheOwnerOpensThePage) {
  for (bool owner : {true, false}) {
    MemoryHost host(data_, pagekit::Session{owner ? L"老板" : L"营业员", owner});
    DeclareLayout(host.fields);
    asked_.seen.clear();
    page_->Open(host, L"备份恢复");
    if (owner) {
      EXPECT_TRUE(asked_.seen.empty()) << asked_.Only();
      EXPECT_EQ(std::vector<std::wstring>{L"tab 备份恢复 mid_xtsz"}, host.calls);
    } else {
      EXPECT_EQ(Info(L"只有老板可以进行系统设置"), asked_.Only());
      EXPECT_TRUE(host.calls.empty()) << "no tab";
      EXPECT_EQ(0, host.fields.RowCount(L"listxtsz"));
    }
  }
}

TEST_F(SettingsPageTest, TheSideListSwitchesTheSections) {
  page_->Open(*host_, L"备份恢复");
  ASSERT_EQ(3, fields().RowCount(L"listxtsz"));
  EXPECT_EQ(L"数据安全", ShownSections()) << "the first section is chosen on opening";
  EXPECT_EQ(0, fields().SelectedRow(L"listxtsz"));
  EXPECT_EQ(L"系统参数", fields().Text(Cell(L"listxtsz", 1, L"easy_item_label_text")));

  struct Case {
    const wchar_t* key;
    const wchar_t* shown;
  } cases[] = {
      {L"用户管理", L"用户管理"}, {L"系统参数", L"系统参数"}, {L"没有这一节", L""}, {L"数据安全", L"数据安全"}};
  for (const Case& c : cases) {
    page_->ShowSettingsSubPage(*host_, c.key);
    EXPECT_EQ(c.shown, ShownSections()) << c.key;
  }
  // A click on an entry: its highlight moves with it and its section shows.
  pagekit::PageEvent click;
  click.kind = EventKind::kBarListClick;
  click.list = L"listxtsz";
  click.row = 2;
  EXPECT_TRUE(page_->OnEvent(*host_, click));
  EXPECT_EQ(L"用户管理", ShownSections());
  EXPECT_EQ(2, fields().SelectedRow(L"listxtsz"));
  auto picture = [&](int row) { return fields().Attribute(Cell(L"listxtsz", row, L"easy_item_label"), L"bkimage"); };
  EXPECT_EQ(L"AppSet/用户管理2.png", picture(2));
  EXPECT_EQ(L"AppSet/数据安全1.png", picture(0));
  // Opening the page again keeps its three entries.
  page_->Open(*host_, L"备份恢复");
  EXPECT_EQ(3, fields().RowCount(L"listxtsz"));
}

TEST_F(SettingsPageTest, CloseOptionIsInsertedThenUpdated) {
  Open(L"系统参数");
  struct Step {
    const wchar_t* click;
    const char* stored;
  } steps[] = {{L"xtsz_chk_mini", "0,1"}, {L"xtsz_chk_exit", "0,0"}, {L"xtsz_chk_mini", "0,1"}};
  for (const Step& s : steps) {
    ClickOn(s.click);
    EXPECT_EQ(s.stored, StoredOptions()) << s.click;
    EXPECT_TRUE(fields().Selected(s.click));
  }
}

TEST_F(SettingsPageTest, StartingWithWindowsWritesTheRunValue) {
  RunValueCleared cleared;
  Open(L"系统参数");
  ClickOn(L"xtsz_chk_auto_run");
  EXPECT_TRUE(fields().Selected(L"xtsz_chk_auto_run"));
  EXPECT_EQ("1,0", StoredOptions()) << "the first toggle inserts the row";
  EXPECT_EQ(shell::AutoRunCommand(), RunValue());

  ClickOn(L"xtsz_chk_auto_run");
  EXPECT_FALSE(fields().Selected(L"xtsz_chk_auto_run"));
  EXPECT_EQ("0,0", StoredOptions());
  EXPECT_EQ(L"", RunValue()) << "unticked leaves the value, empty";

  // Opening the page again shows the stored state.
  ClickOn(L"xtsz_chk_auto_run");
  fields().SetSelected(L"xtsz_chk_auto_run", false);
  page_->Open(*host_, L"备份恢复");
  EXPECT_TRUE(fields().Selected(L"xtsz_chk_auto_run"));
  ClickOn(L"xtsz_chk_auto_run");
}

TEST_F(SettingsPageTest, ARunValueThatCannotBeWrittenPutsTheBoxAndOptionBack) {
  RunValueCleared cleared;
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
    if (fields().Selected(L"xtsz_chk_auto_run") != c.ticked) ClickOn(L"xtsz_chk_auto_run");
    ASSERT_EQ(c.ticked, fields().Selected(L"xtsz_chk_auto_run"));
    shell::SetRunKeyLocation(refused);
    asked_.seen.clear();
    ClickOn(L"xtsz_chk_auto_run");
    EXPECT_EQ(Error(L"开机运行设置失败！"), asked_.Only());
    EXPECT_EQ(c.ticked, fields().Selected(L"xtsz_chk_auto_run"));
    EXPECT_EQ(c.stored, StoredOptions());
    EXPECT_EQ(c.value, RunValue());
  }
}

TEST_F(SettingsPageTest, PasswordsAreSavedForTheChosenAccount) {
  Open(L"用户管理");
  ASSERT_EQ(2, fields().RowCount(L"listyhgl")) << "both accounts are listed";
  EXPECT_EQ(0, fields().SelectedRow(L"listyhgl"));
  EXPECT_TRUE(fields().Focused(L"yhgl_edit_pwd"));
  ASSERT_EQ(L"老板", fields().EntryKey(L"listyhgl", 0));
  ASSERT_EQ(L"营业员", fields().EntryKey(L"listyhgl", 1));
  // Both fields empty removes the account's password: asked first when it has one.
  auto removal = [](const wchar_t* account) {
    const std::wstring text = std::wstring(L"两次都没有输入新密码。保存后“") + account +
                              L"”的密码将被清除，登录时不再需要密码。确定要清除吗？";
    return Said(L"提示", text.c_str(), MessageIcon::kWarning);
  };
  struct Case {
    int row;  // -1: none chosen
    const wchar_t* password;
    const wchar_t* repeated;
    bool answer;  // to the question, when one comes
    std::vector<std::wstring> asked;
    const wchar_t* tip;
    const char* account;  // whose password is then `stored`, or null
    const char* stored;
  } cases[] = {
      {-1, L"abc", L"abc", true, {}, L"请选择用户", nullptr, nullptr},
      {1, L"abc", L"abd", true, {}, L"2次输入密码不一致！", nullptr, nullptr},
      {1, L"新密码1", L"新密码1", true, {}, L"密码修改完毕！", "营业员", "新密码1"},
      {0, L"o'quote", L"o'quote", true, {}, L"密码修改完毕！", "老板", "o'quote"},
      {0, L"", L"", false, {removal(L"老板")}, L"", "老板", "o'quote"},
      {0, L"", L"", true, {removal(L"老板")}, L"密码修改完毕！", "老板", ""},
      {1, L"", L"", true, {removal(L"营业员")}, L"密码修改完毕！", "营业员", ""},
      {1, L"", L"", true, {}, L"密码修改完毕！", "营业员", ""},
      // A password the library's code page cannot hold is refused, not stored as
      // question marks that any such text would match.
      {1, L"\U0001F511", L"\U0001F511", true, {}, L"密码修改失败！", "营业员", ""},
  };
  for (const Case& c : cases) {
    fields().SelectRow(L"listyhgl", c.row);
    fields().SetText(L"yhgl_edit_pwd", c.password);
    fields().SetText(L"yhgl_edit_comfirm", c.repeated);
    asked_.seen.clear();
    asked_.answer = c.answer;
    ClickOn(L"yhgl_save");
    EXPECT_EQ(c.asked, asked_.seen) << c.tip;
    EXPECT_EQ(c.tip, fields().Text(L"yhgl_tip")) << c.tip;
    if (c.account != nullptr) {
      EXPECT_EQ(0, data().CheckUserPassword(c.account, c.stored)) << c.account;
    }
  }
  // A store that fails says so: the data object pointed at a folder.
  asked_.answer = true;
  fields().SelectRow(L"listyhgl", 1);
  fields().SetText(L"yhgl_edit_pwd", L"x");
  fields().SetText(L"yhgl_edit_comfirm", L"x");
  data().OpenDatabase(::testing::TempDir().c_str());
  ClickOn(L"yhgl_save");
  data().OpenDatabase(path_.c_str());
  EXPECT_EQ(L"密码修改失败！", fields().Text(L"yhgl_tip"));
  EXPECT_EQ(0, data().CheckUserPassword("营业员", ""));

  // A click on an account empties the form.
  fields().SetText(L"yhgl_tip", L"旧的提示");
  fields().SetText(L"yhgl_edit_pwd", L"typed");
  pagekit::PageEvent click;
  click.kind = EventKind::kItemClick;
  click.list = L"listyhgl";
  click.row = 0;
  EXPECT_TRUE(page_->OnEvent(*host_, click));
  EXPECT_EQ(L"", fields().Text(L"yhgl_tip"));
  EXPECT_EQ(L"", fields().Text(L"yhgl_edit_pwd"));
  // Choosing the section again lists the accounts again, once each.
  page_->ShowSettingsSubPage(*host_, L"用户管理");
  EXPECT_EQ(2, fields().RowCount(L"listyhgl"));
}

// The page changes the password only: the account's recovery question and answer,
// set through the password dialog, still recover it afterwards.
TEST_F(SettingsPageTest, ANewPasswordKeepsTheRecoveryQuestion) {
  ASSERT_EQ(0, data().SetUserPassword("营业员", "旧密码", "母亲的姓", "王"));
  Open(L"用户管理");
  fields().SelectRow(L"listyhgl", 1);
  fields().SetText(L"yhgl_edit_pwd", L"新密码");
  fields().SetText(L"yhgl_edit_comfirm", L"新密码");
  ClickOn(L"yhgl_save");
  EXPECT_EQ(L"密码修改完毕！", fields().Text(L"yhgl_tip"));
  EXPECT_EQ(0, data().CheckUserPassword("营业员", shell::AnsiFromWide(L"新密码").c_str()));
  std::vector<DataField> record = {MakeDataField("name", "营业员"), MakeDataField("question", ""),
                                   MakeDataField("answer", "")};
  std::vector<std::vector<DataField>> rows;
  ASSERT_EQ(0, data().QueryRecords("J4_Sys_User", &record, &rows));
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ(shell::AnsiFromWide(L"母亲的姓"), rows[0][1].value);
  EXPECT_EQ(shell::AnsiFromWide(L"王"), rows[0][2].value);
}

// The user page's tip tells a change made in green and a refusal in red, also
// right after one another.
TEST_F(SettingsPageTest, APasswordChangedReadsAsDoneAndARefusalAsAnError) {
  Open(L"用户管理");
  const struct {
    const wchar_t* repeated;
    const wchar_t* colour;
  } cases[] = {{L"新密码", L"#FF3AA57A"}, {L"不一样", L"#FFD9534F"}, {L"新密码", L"#FF3AA57A"}};
  for (const auto& c : cases) {
    fields().SelectRow(L"listyhgl", 1);
    fields().SetText(L"yhgl_edit_pwd", L"新密码");
    fields().SetText(L"yhgl_edit_comfirm", c.repeated);
    ClickOn(L"yhgl_save");
    EXPECT_EQ(c.colour, fields().Attribute(L"yhgl_tip", L"textcolor")) << fields().Text(L"yhgl_tip").size();
  }
}

TEST_F(SettingsPageTest, BackupAndRestoreSaySoOnlyWhenDone) {
  Open(L"数据安全");
  ClickOn(L"xtsz_bak");
  ClickOn(L"xtsz_restore");
  ASSERT_TRUE(fields().Visible(L"xtsz_layout_bak"));
  ASSERT_TRUE(fields().Visible(L"xtsz_layout_restore"));

  const std::string temp = ::testing::TempDir();
  const std::string target = temp + "settings_page_test_backup.db";
  const std::string random = temp + "settings_page_test_random.db";
  std::ofstream(random, std::ios::binary) << std::string(5000, 'r');
  std::remove(target.c_str());
  const std::string live = Read(path_);

  struct Case {
    const wchar_t* button;
    const wchar_t* edit;
    std::string path;
    std::wstring said;  // empty: nothing said, the edit takes the focus
  } cases[] = {
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", "", L""},
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", target, Info(L"备份完毕！")},
      {L"sjaq_btn_bak", L"sjaq_path_to_bak", temp + "no such folder\\x.db", Error(L"备份失败！")},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", "", L""},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", random, Error(L"恢复失败！")},
      {L"sjaq_btn_restore", L"sjaq_path_to_restore", target, Info(L"恢复完毕！")},
  };
  for (const Case& c : cases) {
    asked_.seen.clear();
    fields().SetFocus(L"xtsz_bak");
    fields().SetText(c.edit, shell::WideFromAnsi(c.path));
    ClickOn(c.button);
    if (c.said.empty()) {
      EXPECT_TRUE(asked_.seen.empty()) << c.button;
      EXPECT_TRUE(fields().Focused(c.edit)) << c.button;
    } else {
      EXPECT_EQ(c.said, asked_.Only()) << c.path;
    }
  }
  EXPECT_EQ(live, Read(target)) << "the backup is the database";
  // Restored from its own backup, the database goes on answering.
  std::vector<std::string> names;
  EXPECT_EQ(0, data().GetUserNames(&names));
  EXPECT_EQ(2u, names.size());
  std::remove(target.c_str());
  std::remove(random.c_str());
}

// The dots ask for a file: a backup target offered under the day's name, a file to
// restore from under none; the path chosen goes into the edit, none leaves it.
TEST_F(SettingsPageTest, TheDotsChooseTheFiles) {
  Open(L"数据安全");
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  struct Case {
    const wchar_t* button;
    const wchar_t* edit;
    std::wstring asked;
    std::wstring chosen;
    std::wstring text;  // the edit's text afterwards
  } cases[] = {
      {L"sjaq_bak_sel", L"sjaq_path_to_bak", L"save|" + shell::DefaultBackupFileName(today), L"C:\\目标.db",
       L"C:\\目标.db"},
      {L"sjaq_restore_sel", L"sjaq_path_to_restore", L"open|", L"C:\\备份.db", L"C:\\备份.db"},
      {L"sjaq_bak_sel", L"sjaq_path_to_bak", L"save|" + shell::DefaultBackupFileName(today), L"", L"C:\\目标.db"},
  };
  for (const Case& c : cases) {
    asked_.seen.clear();
    asked_.chosen = c.chosen;
    ClickOn(c.button);
    EXPECT_EQ(c.asked, asked_.Only()) << c.button;
    EXPECT_EQ(c.text, fields().Text(c.edit)) << c.button;
  }
}

// The page takes its own controls' events and no others; a clerk's clicks on them
// change nothing.
TEST_F(SettingsPageTest, ThePageTakesItsOwnEventsOnly) {
  struct Case {
    EventKind kind;
    const wchar_t* sender;
    const wchar_t* list;
    bool taken;
  } cases[] = {
      {EventKind::kClick, L"xtsz_bak", L"", true},         {EventKind::kClick, L"XTSZ_BAK", L"", true},
      {EventKind::kClick, L"sjaq_btn_bak", L"", true},     {EventKind::kClick, L"xtsz", L"", false},
      {EventKind::kClick, L"hpkc_btn_find", L"", false},   {EventKind::kBarListClick, L"", L"listxtsz", true},
      {EventKind::kBarListClick, L"", L"listwdgl", false}, {EventKind::kItemClick, L"", L"listyhgl", true},
      {EventKind::kItemClick, L"", L"listhpkc", false},    {EventKind::kSelectChanged, L"xtsz_chk_mini", L"", false},
  };
  for (const Case& c : cases) {
    pagekit::PageEvent event;
    event.kind = c.kind;
    event.sender = c.sender;
    event.list = c.list;
    EXPECT_EQ(c.taken, page_->OnEvent(*host_, event)) << c.sender << c.list;
  }
  MemoryHost clerk(data_, pagekit::Session{L"营业员", false});
  DeclareLayout(clerk.fields);
  page_->OnSettingsClick(clerk, L"xtsz_bak");
  page_->OnSettingsClick(clerk, L"xtsz_chk_mini");
  EXPECT_FALSE(clerk.fields.Visible(L"xtsz_layout_bak"));
  EXPECT_EQ("-", StoredOptions("营业员"));
}

}  // namespace
