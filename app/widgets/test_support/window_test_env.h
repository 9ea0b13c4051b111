// What the window tests share: the real Datavane.dll on a fresh database in the
// temp folder, the packed skin linked into the test program as resource 105, and
// helpers to pump messages, click controls with real mouse messages and clear the
// quit message that a closing window leaves behind.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app_paths.h"
#include "core/control_ui.h"
#include "library_binding.h"
#include "program_resources.h"
#include "core/paint_manager.h"
#include "controls/window_shadow.h"

namespace shelltest {

// Set when a pump met the quit message, until TakeQuit reads it.
inline bool& QuitSeen() {
  static bool seen = false;
  return seen;
}

// Pumps the thread's messages until done() holds or the time runs out. A quit
// message is not acted on; TakeQuit tells whether one came.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        QuitSeen() = true;
        continue;
      }
      if (!SkinUI::CPaintManagerUI::TranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    if (done()) return true;
    if (::GetTickCount() - start > timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

inline void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Takes a waiting quit message off the queue; true when there was one.
inline bool TakeQuit() {
  MSG msg;
  bool found = QuitSeen();
  QuitSeen() = false;
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) found = true;
  return found;
}

// Posts a left click at the middle of the control, as the mouse would.
inline void Click(HWND window, SkinUI::CControlUI* control) {
  ASSERT_NE(nullptr, control);
  const RECT rc = control->GetPos();
  const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  ::PostMessageW(window, WM_MOUSEMOVE, 0, at);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

// Once per test program: the data object on a fresh database (which g_dbPath
// names), the framework on this program's instance (whose resources hold the skin).
class ShellEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    database_ = std::string(temp) + "shell_window_test_" + std::to_string(::GetCurrentProcessId()) + ".db";
    std::remove(database_.c_str());
    // The window's own paths name the test database and a backup folder beside it.
    std::snprintf(g_dbPath, sizeof(g_dbPath), "%s", database_.c_str());
    std::snprintf(g_backupDir, sizeof(g_backupDir), "%s_bak\\", database_.c_str());
    ASSERT_TRUE(shell::BindDatavane());
    ASSERT_EQ(0, g_dataObject->OpenDatabase(database_.c_str()));
    g_dataObject->AddUser("老板", "");
    g_dataObject->AddUser("营业员", "");
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    SkinUI::CPaintManagerUI::SetInstance(self);
    SkinUI::CWndShadow::Initialize(self);
    SkinUI::CPaintManagerUI::SetResourcePath(SkinUI::CPaintManagerUI::GetInstancePath());
    // The packed skin, as the main window takes it from the program's resources.
    HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(IDR_SKIN_ARCHIVE), L"ZIPRES");
    ASSERT_NE(nullptr, found) << "the test program carries the skin";
    const DWORD size = ::SizeofResource(self, found);
    skin_.assign(static_cast<const BYTE*>(::LockResource(::LoadResource(self, found))),
                 static_cast<const BYTE*>(::LockResource(::LoadResource(self, found))) + size);
    SkinUI::CPaintManagerUI::SetResourceZip(skin_.data(), size);
  }
  void TearDown() override { std::remove(database_.c_str()); }

 private:
  std::string database_;
  std::vector<BYTE> skin_;
};

// Environments of a test program that need the data library and the skin set up
// first; the test main adds them after ShellEnvironment, in the order they were
// made. A test file makes one at namespace scope: `const LaterEnvironment k(new X);`.
inline std::vector<::testing::Environment*>& LaterEnvironments() {
  static std::vector<::testing::Environment*> environments;
  return environments;
}
struct LaterEnvironment {
  explicit LaterEnvironment(::testing::Environment* environment) { LaterEnvironments().push_back(environment); }
};

}  // namespace shelltest
