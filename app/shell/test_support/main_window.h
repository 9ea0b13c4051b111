// One main window per test, logged in as the given account through the stand-in
// login (no login window), built from the packed skin; its window, the single-
// instance mutex and the quit message it leaves are cleaned up afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "main_frame.h"
#include "session.h"
#include "test_support/window_test_env.h"
#include "text_conversion.h"

namespace shelltest {

// The account the stand-in login logs in; it answers as a login window would.
struct StandInLogin {
  static std::string& Account() {
    static std::string account;
    return account;
  }
  static UINT Run(HWND, pagekit::Session* session) {
    *session = {shell::WideFromAnsi(Account()), Account() == "老板"};
    return 1;
  }
};

class MainWindow {
 public:
  explicit MainWindow(const char* account, shell::LoginRunner login = &shelltest::StandInLogin::Run) {
    shelltest::StandInLogin::Account() = account;
    previous_ = shell::SetLoginRunner(login);
    frame_ = shell::CreateMainWindow();
    hwnd_ = frame_ != nullptr ? frame_->GetHWND() : nullptr;
  }
  ~MainWindow() {
    if (::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    shell::SetLoginRunner(previous_);
    shell::ReleaseSingleInstance();
    PumpUntil([] { return true; }, 0);
    TakeQuit();
  }
  shell::MainFrame& frame() { return *frame_; }
  HWND hwnd() const { return hwnd_; }
  SkinUI::CControlUI* Find(const wchar_t* name) { return frame_->GetPaintManager()->FindControl(name); }
  bool Alive() const { return ::IsWindow(hwnd_) != FALSE; }
  void Show() {
    ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    PumpUntil([] { return false; }, 100);
  }

 private:
  shell::LoginRunner previous_;
  shell::MainFrame* frame_;
  HWND hwnd_;
};

}  // namespace shelltest
