// End-to-end scenarios of TarvelStock.exe, each in its own install folder: the
// backup beside the program's folder, a missing library or export, the login,
// the main window, a second copy refused after its login, exit through the
// confirmation and the mutex released with the process, changing the user. Screenshots of the login,
// the main window and the dialog are taken on the way.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "windows_robot.h"

namespace {

using robot::Install;
using robot::Process;

// Where the scenarios click, from the layouts (client coordinates).
const POINT kLoginButton = {195, 272};         // "login_login" in login.xml
const POINT kMainCloseButton = {864, 13};      // "closebtn" in MainFrame.xml
const POINT kMainHelpButton = {780, 13};       // "helpbtn", three buttons left of it
const POINT kDialogOkButton = {342, 171};      // "msgdlg_ok" in MsgDlg.xml, Cancel hidden
const POINT kDialogOkWithCancel = {250, 171};  // "msgdlg_ok" beside "msgdlg_cancel"

bool HaveSpreadsheetLibrary() {
  wchar_t path[MAX_PATH];
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1);
  return ::GetFileAttributesW((folder + L"KXXls.dll").c_str()) != INVALID_FILE_ATTRIBUTES;
}

const std::vector<std::wstring> kLibraries = {L"Datavane.dll", L"KXXls.dll"};

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::wstring TodaysBackup(const Install& install) {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  wchar_t name[64];
  std::swprintf(name, 64, L"kx_jxc_%04d%02d%02d_auto.bak", now.wYear, now.wMonth, now.wDay);
  return install.apps() + L"KXJXC_BAK\\" + name;
}

// Expects the native "启动失败" box naming the library, answers it and expects the
// program to end with 0.
void ExpectStartupFailure(Process& program, const std::wstring& library) {
  HWND box = program.WaitWindow(L"#32770", L"启动失败");
  ASSERT_NE(nullptr, box) << "no message box";
  EXPECT_EQ(L"加载程序库" + library + L"失败，重新安装，或联系厂商!", robot::MessageBoxText(box));
  EXPECT_EQ(nullptr, program.FindWindowOf(L"UILginWnd")) << "no window besides the box";
  robot::AnswerMessageBox(box);
  DWORD code = 1;
  ASSERT_TRUE(program.WaitExit(10000, &code));
  EXPECT_EQ(0u, code);
}

TEST(StartUp, BacksUpBesideTheProgramFolderThenNamesAMissingDataLibrary) {
  Install install({});
  install.Write(L"kx_jxc.db", "the shop's database");
  Process program(install);
  ExpectStartupFailure(program, L"Datavane.dll");
  EXPECT_EQ("the shop's database", ReadFile(TodaysBackup(install)));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((install.folder() + L"KXJXC_BAK").c_str()))
      << "the backup folder is not inside the program's folder";
}

TEST(StartUp, NamesALibraryThatLacksItsExport) {
  Install install({});
  // A library that loads but is not the data library.
  ASSERT_TRUE(::CopyFileW((install.folder() + L"libwinpthread-1.dll").c_str(),
                          (install.folder() + L"Datavane.dll").c_str(), FALSE));
  Process program(install);
  ExpectStartupFailure(program, L"Datavane.dll");
}

TEST(StartUp, NamesAMissingSpreadsheetLibraryAfterCreatingTheDatabase) {
  Install install({L"Datavane.dll"});
  install.Remove(L"KXXls.dll");
  Process program(install);
  ExpectStartupFailure(program, L"KXXls.dll");
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((install.folder() + L"kx_jxc.db").c_str()));
}

// Clicks a button of a window until the window the click opens appears. A click
// posted before the window's first layout lands on nothing, and on a busy machine
// that layout can come late, so a click that opened nothing is repeated (a fixed
// pause alone was sometimes too short).
HWND ClickUntilShown(const Process& program, HWND window, POINT button, const wchar_t* className,
                     const wchar_t* title = nullptr) {
  for (int attempt = 0; attempt < 6; ++attempt) {
    if (HWND shown = program.FindWindowOf(className, title)) return shown;
    robot::Click(window, button.x, button.y);
    if (HWND shown = program.WaitWindow(className, title, 5000)) return shown;
  }
  return nullptr;
}

// Logs in as the prefilled owner with the empty password; the main window.
HWND LogIn(Process& program, const char* shot) {
  HWND login = program.WaitWindow(L"UILginWnd");
  if (login == nullptr) return nullptr;
  ::Sleep(500);  // the window's first layout, before its picture
  if (shot != nullptr) robot::Screenshot(shot);
  return ClickUntilShown(program, login, kLoginButton, L"KXPlatform", L"TarvelStock");
}

TEST(Running, LogsInShowsTheMainWindowAndRefusesASecondCopy) {
  if (!HaveSpreadsheetLibrary()) GTEST_SKIP() << "KXXls.dll is not part of this build";
  Install install(kLibraries);
  Process first(install);
  HWND main = LogIn(first, "login");
  ASSERT_NE(nullptr, main) << "the main window after the login";
  RECT rc;
  ::GetWindowRect(main, &rc);
  EXPECT_EQ(880, rc.right - rc.left);
  EXPECT_EQ(600, rc.bottom - rc.top);
  EXPECT_EQ(nullptr, first.FindWindowOf(L"UILginWnd"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((install.folder() + L"temp").c_str()));
  robot::Screenshot("main_window");

  // A second copy logs in first, then is told and ends; the first runs on.
  Process second(install);
  HWND secondLogin = second.WaitWindow(L"UILginWnd");
  ASSERT_NE(nullptr, secondLogin);
  ::Sleep(500);
  EXPECT_EQ(nullptr, second.FindWindowOf(L"MsgBoxUI")) << "no refusal before the login";
  HWND refusal = ClickUntilShown(second, secondLogin, kLoginButton, L"MsgBoxUI");
  ASSERT_NE(nullptr, refusal);
  robot::Screenshot("second_copy");
  EXPECT_EQ(nullptr, second.FindWindowOf(L"KXPlatform")) << "its main window is never shown";
  robot::Click(refusal, kDialogOkButton.x, kDialogOkButton.y);
  DWORD code = 1;
  ASSERT_TRUE(second.WaitExit(15000, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(::IsWindowVisible(main));

  // Closing asks; confirmed, the program ends and frees the single-instance mutex.
  robot::Click(main, kMainCloseButton.x, kMainCloseButton.y);
  HWND confirm = first.WaitWindow(L"MsgBoxUI");
  ASSERT_NE(nullptr, confirm);
  robot::Screenshot("exit_dialog");
  robot::Click(confirm, kDialogOkWithCancel.x, kDialogOkWithCancel.y);
  ASSERT_TRUE(first.WaitExit(15000, &code));
  EXPECT_EQ(0u, code);

  Process third(install);
  HWND again = LogIn(third, nullptr);
  EXPECT_NE(nullptr, again) << "a new start after the exit runs normally; login window "
                            << third.FindWindowOf(L"UILginWnd") << ", dialog " << third.FindWindowOf(L"MsgBoxUI");
  EXPECT_EQ(nullptr, third.FindWindowOf(L"MsgBoxUI"));
}

TEST(Running, AltF4OnTheLoginEndsTheProgramWithoutItsMainWindow) {
  if (!HaveSpreadsheetLibrary()) GTEST_SKIP() << "KXXls.dll is not part of this build";
  Install install(kLibraries);
  Process program(install);
  HWND login = program.WaitWindow(L"UILginWnd");
  ASSERT_NE(nullptr, login);
  ::PostMessageW(login, WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 1;
  ASSERT_TRUE(program.WaitExit(15000, &code));
  EXPECT_EQ(0u, code);
}

// A program's visible window of that class in any process but the one given.
struct OtherProgram {
  DWORD exceptPid;
  const wchar_t* className;
  HWND found = nullptr;
  static BOOL CALLBACK Visit(HWND window, LPARAM param) {
    OtherProgram* search = reinterpret_cast<OtherProgram*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    if (pid == search->exceptPid || pid == ::GetCurrentProcessId() || !::IsWindowVisible(window) ||
        wcscmp(className, search->className) != 0)
      return TRUE;
    search->found = window;
    return FALSE;
  }
  HWND Find() {
    found = nullptr;
    ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
    return found;
  }
};

// Ends the program that owns the window when the scenario ends, however it ends.
class EndsWithScenario {
 public:
  void Own(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    process_ = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  }
  ~EndsWithScenario() {
    if (process_ == nullptr) return;
    ::TerminateProcess(process_, 0);
    ::WaitForSingleObject(process_, 10000);
    ::CloseHandle(process_);
  }

 private:
  HANDLE process_ = nullptr;
};

TEST(Running, ChangingTheUserStartsANewCopyThatShowsItsLoginWhileThisOneEnds) {
  if (!HaveSpreadsheetLibrary()) GTEST_SKIP() << "KXXls.dll is not part of this build";
  Install install(kLibraries);
  Process first(install);
  HWND main = LogIn(first, nullptr);
  ASSERT_NE(nullptr, main);
  ::Sleep(500);  // the main window's first layout
  HWND menu = ClickUntilShown(first, main, kMainHelpButton, L"MenuWnd");
  ASSERT_NE(nullptr, menu) << "the help menu";
  robot::Screenshot("help_menu");
  // "切换用户" is the menu's fifth item.
  for (int i = 0; i < 5; ++i) robot::Key(menu, VK_DOWN);
  robot::Key(menu, VK_RETURN);

  OtherProgram newCopy{first.id(), L"UILginWnd"};
  EndsWithScenario cleanup;
  HWND login = nullptr;
  ASSERT_TRUE(robot::WaitFor([&] { return (login = newCopy.Find()) != nullptr; }, 20000))
      << "a new copy shows its login";
  cleanup.Own(login);
  DWORD code = 1;
  ASSERT_TRUE(first.WaitExit(15000, &code)) << "the old copy ends";
  EXPECT_EQ(0u, code);
  robot::Screenshot("login_after_change_user");
  EXPECT_TRUE(::IsWindowVisible(login));
}

}  // namespace
